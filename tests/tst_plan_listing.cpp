#include "plans/plan_line_model.h"
#include "plans/plan_listing.h"

#include <QSignalSpy>
#include <QTest>

using namespace velkor::plans;

namespace {

QString line(int month, int day, int hour, int minute, const char* text) {
    return yazim(month, day, hour, minute, QString::fromUtf8(text));
}

} // namespace

class TestPlanListing : public QObject {
    Q_OBJECT
private slots:
    void blockOrder_data() {
        QTest::addColumn<QStringList>("shuffled");
        QTest::addColumn<QStringList>("sorted");
        const QString d5none = line(3, 5, NoHour, 0, "z all day");
        const QString d5early = line(3, 5, 0, 30, "a");
        const QString d5late = line(3, 5, 23, 30, "a");
        const QString d6none = line(3, 6, NoHour, 0, "a");
        const QString d10 = line(3, 10, 9, 0, "a");
        QTest::newRow("all day, then by time, then the next day")
            << QStringList{d6none, d5late, d5early, d5none} << QStringList{d5none, d5early, d5late, d6none};
        QTest::newRow("two-digit days") << QStringList{d10, d6none} << QStringList{d6none, d10};
        QTest::newRow("same slot by text")
            << QStringList{line(3, 5, 9, 0, "dentist"), line(3, 5, 9, 0, "call mum")}
            << QStringList{line(3, 5, 9, 0, "call mum"), line(3, 5, 9, 0, "dentist")};
    }
    void blockOrder() {
        QFETCH(QStringList, shuffled);
        QFETCH(QStringList, sorted);
        sortBlock(shuffled);
        QCOMPARE(shuffled, sorted);
    }

    void blocksJoinBelowOrAbove() {
        const QStringList shown{line(3, 9, 9, 0, "b"), line(3, 1, 9, 0, "a")}; // already shown: left as is
        const QStringList block{line(1, 20, 9, 0, "y"), line(1, 2, 9, 0, "x")};
        const QStringList sortedBlock{block[1], block[0]};
        QCOMPARE(withBlockAppended(shown, block), shown + sortedBlock);
        QCOMPARE(withBlockOnTop(block, shown), sortedBlock + shown);
    }

    void relistAndAllPlansOrderMonths() {
        const QList<PlanRecord> plans{
            {1, 9, 9, 0, QStringLiteral("jan late")},  {12, 1, NoHour, 0, QStringLiteral("dec")},
            {3, 2, 9, 0, QStringLiteral("mar")},       {1, 2, 9, 0, QStringLiteral("jan early")},
            {13, 1, 9, 0, QStringLiteral("no month")}, {0, 1, 9, 0, QStringLiteral("none either")},
        };
        const MonthBlocks blocks = monthBlocks(plans);
        const QString jan2 = yazim(plans[3]), jan9 = yazim(plans[0]), mar = yazim(plans[2]),
                      dec = yazim(plans[1]);
        QCOMPARE(blocks[1], (QStringList{jan9, jan2})); // file order until shown

        MonthFlags flags{};
        QVERIFY(relistLines(blocks, flags).isEmpty());
        flags[1] = flags[3] = flags[12] = true;
        QCOMPARE(relistLines(blocks, flags), (QStringList{dec, mar, jan2, jan9}));
        QCOMPARE(allPlanLines(blocks), (QStringList{jan2, jan9, mar, dec}));
        QCOMPARE(dayBlock(plans, 1, 9), QStringList{jan9});
    }

    void editStartsFromTheLastPlanOfALine() {
        const QString head(150, QLatin1Char('x'));
        const QList<PlanRecord> plans{{3, 5, 9, 0, head + QStringLiteral("first")},
                                      {3, 5, 9, 0, head + QStringLiteral("second")}};
        QCOMPARE(lastTextFor(plans, yazim(plans[0])), std::optional(plans[1].text));
        QCOMPARE(lastTextFor(plans, line(3, 5, 9, 30, "other")), std::nullopt);
    }

    void ticksFollowTheBoxesAndRebuildsClearThem() {
        PlanLineModel model;
        const QString a = line(3, 1, 9, 0, "a"), b = line(3, 2, 9, 0, "b"), c = line(3, 3, 9, 0, "c");
        model.setLines({a, b, a, c});
        QSignalSpy toggled(&model, &PlanLineModel::ticksChanged);
        QVERIFY(!model.anyTicked());
        QVERIFY(model.setData(model.index(3), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(model.setData(model.index(0), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(toggled.size(), 2);
        QCOMPARE(model.tickedLines(), (QStringList{a, c}));
        QVERIFY(model.setData(model.index(3), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(model.anyTicked());
        QVERIFY(model.setData(model.index(3), Qt::Checked, Qt::CheckStateRole));

        // Every entry showing a removed line goes; the ones left keep their ticks.
        QCOMPARE(model.removeLines({a}), 2);
        QCOMPARE(model.lines(), (QStringList{b, c}));
        QVERIFY(!model.ticked(0));
        QVERIFY(model.ticked(1));
        QCOMPARE(model.index(1).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);

        model.setLines(model.lines() + QStringList{a});
        QVERIFY(!model.anyTicked());
        QVERIFY(model.tickedLines().isEmpty());
    }

    void aPlanOfSeveralLinesShowsOnOneRow() {
        PlanLineModel model;
        const QString twoLines = line(3, 1, 9, 0, "buy\r\nmilk");
        model.setLines({twoLines});
        QCOMPARE(model.index(0).data().toString(), line(3, 1, 9, 0, "buy  milk"));
        QCOMPARE(model.index(0).data(PlanLineModel::LineRole).toString(), twoLines);
    }
};

QTEST_GUILESS_MAIN(TestPlanListing)
#include "tst_plan_listing.moc"
