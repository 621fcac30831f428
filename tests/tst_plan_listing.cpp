#include "plans/plan_line_model.h"
#include "plans/plan_listing.h"

#include <QSignalSpy>
#include <QTest>

using namespace velkor::plans;

class TestPlanListing : public QObject {
    Q_OBJECT
private slots:
    void blockOrder_data() {
        QTest::addColumn<QList<PlanRecord>>("file");
        QTest::addColumn<QList<Block>>("blocks");
        QTest::addColumn<QList<PlanRecord>>("listed");
        const PlanRecord d5none{3, 5, NoHour, 0, "z all day"}, d5early{3, 5, 0, 30, "a"},
            d5late{3, 5, 23, 30, "a"}, d6none{3, 6, NoHour, 0, "a"}, d10{3, 10, 9, 0, "a"};
        const QString head(150, 'x');
        using L = QList<PlanRecord>;
        QTest::newRow("all day, by time, next day")
            << L{d6none, d5late, {1, 5, 9, 0, "jan"}, d5early, d5none} << QList<Block>{{3, 0}}
            << L{d5none, d5early, d5late, d6none};
        QTest::newRow("same slot by text")
            << L{{3, 5, 9, 0, "tea"}, {3, 5, 9, 0, "call"}} << QList<Block>{{3, 0}}
            << L{{3, 5, 9, 0, "call"}, {3, 5, 9, 0, "tea"}};
        QTest::newRow("same line keeps file order")
            << L{{3, 5, 9, 0, head + "2"}, {3, 5, 9, 0, head + "1"}} << QList<Block>{{3, 0}}
            << L{{3, 5, 9, 0, head + "2"}, {3, 5, 9, 0, head + "1"}};
    }
    void blockOrder() {
        QFETCH(QList<PlanRecord>, file);
        QFETCH(QList<Block>, blocks);
        QFETCH(QList<PlanRecord>, listed);
        QList<PlanRecord> plans;
        for (const ListedPlan& entry : listBlocks(file, blocks))
            plans.append(entry.plan);
        QCOMPARE(plans, listed);
    }

    void ticksFollowTheBoxesAndRebuildsClearThem() {
        PlanLineModel model;
        const PlanRecord a{3, 1, 9, 0, "a"}, b{3, 2, 9, 0, "b\r\nc"}, c{3, 3, 9, 0, "c"};
        model.setPlans({ListedPlan(a), ListedPlan(b), ListedPlan(a), ListedPlan(c)});
        QCOMPARE(model.index(1).data().toString(), yazim(3, 2, 9, 0, "b  c")); // one row per plan
        QSignalSpy toggled(&model, &PlanLineModel::ticksChanged);
        for (int row : {3, 0, 3, 3})
            QVERIFY(model.setData(model.index(row), model.ticked(row) ? Qt::Unchecked : Qt::Checked,
                                  Qt::CheckStateRole));
        QCOMPARE(toggled.size(), 4);
        QCOMPARE(model.tickedPlans(), (QList<PlanRecord>{a, c}));

        // Only the ticked entries go, not every entry of the same plan.
        model.removeTicked();
        QVERIFY(model.rowCount() == 2 && model.plans()[0].plan == b && model.plans()[1].plan == a);
        QVERIFY(!model.anyTicked());
        model.setData(model.index(1), Qt::Checked, Qt::CheckStateRole);
        model.setPlans(model.plans() + PlanList{ListedPlan(c)});
        QVERIFY(!model.anyTicked() && model.tickedPlans().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPlanListing)
#include "tst_plan_listing.moc"
