#include "plans/plan_line_model.h"
#include "plans/plan_listing.h"

#include <QSignalSpy>
#include <QTest>

using namespace velkor::plans;

class TestPlanListing : public QObject {
    Q_OBJECT
private slots:
    void blockOrder_data() {
        QTest::addColumn<QStringList>("shuffled");
        QTest::addColumn<QStringList>("sorted");
        const QString d5none = yazim(3, 5, NoHour, 0, "z all day"), d5early = yazim(3, 5, 0, 30, "a"),
                      d5late = yazim(3, 5, 23, 30, "a"), d6none = yazim(3, 6, NoHour, 0, "a"),
                      d10 = yazim(3, 10, 9, 0, "a");
        QTest::newRow("all day, by time, next day")
            << QStringList{d6none, d5late, d5early, d5none} << QStringList{d5none, d5early, d5late, d6none};
        QTest::newRow("two-digit days") << QStringList{d10, d6none} << QStringList{d6none, d10};
        QTest::newRow("same slot by text")
            << QStringList{yazim(3, 5, 9, 0, "tea"), yazim(3, 5, 9, 0, "call")}
            << QStringList{yazim(3, 5, 9, 0, "call"), yazim(3, 5, 9, 0, "tea")};
    }
    void blockOrder() {
        QFETCH(QStringList, shuffled);
        QFETCH(QStringList, sorted);
        sortBlock(shuffled);
        QCOMPARE(shuffled, sorted);
    }

    void editStartsFromTheLastPlanOfALine() {
        const QString head(150, 'x');
        const QList<PlanRecord> plans{{3, 5, 9, 0, head + "first"}, {3, 5, 9, 0, head + "second"}};
        QCOMPARE(lastTextFor(plans, yazim(plans[0])), std::optional(plans[1].text));
        QCOMPARE(lastTextFor(plans, yazim(3, 5, 9, 30, "other")), std::nullopt);
    }

    void ticksFollowTheBoxesAndRebuildsClearThem() {
        PlanLineModel model;
        const QString a = yazim(3, 1, 9, 0, "a"), b = yazim(3, 2, 9, 0, "b\r\nc"), c = yazim(3, 3, 9, 0, "c");
        model.setLines({a, b, a, c});
        QCOMPARE(model.index(1).data().toString(), yazim(3, 2, 9, 0, "b  c")); // one row per plan
        QSignalSpy toggled(&model, &PlanLineModel::ticksChanged);
        for (int row : {3, 0, 3, 3})
            QVERIFY(model.setData(model.index(row), model.ticked(row) ? Qt::Unchecked : Qt::Checked,
                                  Qt::CheckStateRole));
        QCOMPARE(toggled.size(), 4);
        QCOMPARE(model.tickedLines(), (QStringList{a, c}));

        // Every entry showing a removed line goes; the ones left keep their ticks.
        QCOMPARE(model.removeLines({a}), 2);
        QCOMPARE(model.lines(), (QStringList{b, c}));
        QVERIFY(!model.ticked(0) && model.ticked(1) && model.anyTicked());
        model.setLines(model.lines() + QStringList{a});
        QVERIFY(!model.anyTicked() && model.tickedLines().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPlanListing)
#include "tst_plan_listing.moc"
