#include "plans/plan_line_model.h"
#include "plans/plan_listing.h"

#include <QSignalSpy>
#include <QTest>

using namespace velkor::plans;

namespace {

QStringList linesOf(const PlanList& list) {
    QStringList lines;
    for (const ListedPlan& entry : list)
        lines.append(entry.line);
    return lines;
}

} // namespace

class TestPlanListing : public QObject {
    Q_OBJECT
private slots:
    void blockOrder_data() {
        QTest::addColumn<QList<PlanRecord>>("file");
        QTest::addColumn<QList<Block>>("blocks");
        QTest::addColumn<QList<PlanRecord>>("listed");
        const PlanRecord d5none{3, 5, NoHour, 0, "z all day"}, d5early{3, 5, 0, 30, "a"},
            d5late{3, 5, 23, 30, "a"}, d6none{3, 6, NoHour, 0, "a"}, d10{3, 10, 9, 0, "a"},
            jan{1, 5, 9, 0, "j"}, feb31{2, 31, NoHour, 0, "feb"};
        using L = QList<PlanRecord>;
        QTest::newRow("all day, by time, next day")
            << L{d6none, d5late, jan, d5early, d5none} << QList<Block>{{3, 0}}
            << L{d5none, d5early, d5late, d6none};
        QTest::newRow("two-digit days") << L{d10, d6none} << QList<Block>{{3, 0}} << L{d6none, d10};
        QTest::newRow("same slot by text")
            << L{{3, 5, 9, 0, "tea"}, {3, 5, 9, 0, "call"}} << QList<Block>{{3, 0}}
            << L{{3, 5, 9, 0, "call"}, {3, 5, 9, 0, "tea"}};
        QTest::newRow("same line keeps file order")
            << L{{3, 5, 9, 0, QString(150, 'x') + "2"}, {3, 5, 9, 0, QString(150, 'x') + "1"}}
            << QList<Block>{{3, 0}}
            << L{{3, 5, 9, 0, QString(150, 'x') + "2"}, {3, 5, 9, 0, QString(150, 'x') + "1"}};
        QTest::newRow("one day") << L{d6none, d5late, d5early} << QList<Block>{{3, 5}} << L{d5early, d5late};
        QTest::newRow("blocks in the order given, 31 February listed")
            << L{d6none, feb31, jan} << QList<Block>{{3, 0}, {1, 0}, {2, 0}, {4, 0}} << L{d6none, jan, feb31};
        QTest::newRow("flagged months, December first")
            << L{d6none, jan} << relistBlocks({false, true, false, true}) << L{d6none, jan};
    }
    void blockOrder() {
        QFETCH(QList<PlanRecord>, file);
        QFETCH(QList<Block>, blocks);
        QFETCH(QList<PlanRecord>, listed);
        const PlanList list = listBlocks(file, blocks);
        QList<PlanRecord> plans;
        for (const ListedPlan& entry : list) {
            QCOMPARE(entry.line, yazim(entry.plan));
            plans.append(entry.plan);
        }
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
        QCOMPARE(linesOf(model.plans()), (QStringList{yazim(b), yazim(a)}));
        QVERIFY(!model.anyTicked());
        model.setData(model.index(1), Qt::Checked, Qt::CheckStateRole);
        model.setPlans(model.plans() + PlanList{ListedPlan(c)});
        QVERIFY(!model.anyTicked() && model.tickedPlans().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPlanListing)
#include "tst_plan_listing.moc"
