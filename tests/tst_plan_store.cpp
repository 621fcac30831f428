#include "fakes/file_helpers.h"
#include "plans/plan_store.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace velkor;
using velkor::testing::readAll;
using velkor::testing::writeAll;
using namespace velkor::plans;

class TestPlanStore : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("myfile.kyt")); }
    PlanStore store() const { return PlanStore(path()); }

private slots:
    void init() { QFile::remove(path()); }

    void slotsBothWays_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::newRow("nothing chosen") << -1 << NoHour << 0;
        QTest::newRow("yok") << 0 << NoHour << 0;
        QTest::newRow("00:30") << 1 << 0 << 30;
        QTest::newRow("01:00") << 2 << 1 << 0;
        QTest::newRow("09:30") << 19 << 9 << 30;
        QTest::newRow("23:30") << 47 << 23 << 30;
    }
    void slotsBothWays() {
        QFETCH(int, slot);
        QFETCH(int, hour);
        QFETCH(int, minute);
        QCOMPARE(slotTime(slot), (SlotTime{hour, minute}));
        const QStringList list = timeSlots();
        QCOMPARE(list.size(), SlotCount);
        if (slot > 0) {
            QCOMPARE(list[slot], QStringLiteral("%1:%2")
                                     .arg(hour, 2, 10, QLatin1Char('0'))
                                     .arg(minute, 2, 10, QLatin1Char('0')));
            QCOMPARE(slotIndex(list[slot]), slot);
        }
        QCOMPARE(slotIndex(QStringLiteral("     ")), 0);
    }

    void planLinePositions() {
        const QString timed = yazim(3, 5, 9, 30, QStringLiteral("Dentist"));
        QCOMPARE(timed, QStringLiteral(" 05. 03  09:30   Dentist"));
        QCOMPARE(timed.mid(1, 2), QStringLiteral("05"));
        QCOMPARE(timed.mid(5, 2), QStringLiteral("03"));
        QCOMPARE(timed.mid(9, 5), QStringLiteral("09:30"));
        QCOMPARE(timed.mid(17), QStringLiteral("Dentist"));

        const QString allDay = yazim(12, 31, NoHour, 0, QStringLiteral("Yılbaşı"));
        QCOMPARE(allDay.mid(9, 5), QStringLiteral("     "));
        QCOMPARE(allDay.mid(21), QString::fromUtf8("Yılbaşı"));
        QCOMPARE(allDay,
                 QStringLiteral(" 31. 12") + QString(14, QLatin1Char(' ')) + QString::fromUtf8("Yılbaşı"));

        // A hand-edited minute shows no time: the text follows the date and three blanks.
        QCOMPARE(yazim(1, 2, 10, 15, QStringLiteral("x")), QStringLiteral(" 02. 01   x"));
        QCOMPARE(yazim(1, 2, 14, 0, QString(200, QLatin1Char('a'))).size(), PlanLineLength);
    }

    void linesSortByDayThenTime() {
        QStringList lines{yazim(3, 10, 0, 30, QStringLiteral("a")), yazim(3, 9, 23, 30, QStringLiteral("b")),
                          yazim(3, 10, NoHour, 0, QStringLiteral("z")),
                          yazim(3, 10, 13, 0, QStringLiteral("c"))};
        lines.sort();
        QCOMPARE(lines, (QStringList{yazim(3, 9, 23, 30, QStringLiteral("b")),
                                     yazim(3, 10, NoHour, 0, QStringLiteral("z")),
                                     yazim(3, 10, 0, 30, QStringLiteral("a")),
                                     yazim(3, 10, 13, 0, QStringLiteral("c"))}));
    }

    void appendAndReadBack() {
        const PlanRecord dentist{3, 15, 9, 30, QStringLiteral("Dentist")};
        const PlanRecord multi{12, 31, NoHour, 0, QString::fromUtf8("çok\nsatırlı ''metin''")};
        QVERIFY(store().appendPlan(dentist).ok());
        QVERIFY(store().appendPlan(multi).ok());
        QVERIFY(readAll(path()).startsWith("3,15,9,30,\"Dentist\"\r\n12,31,25,0,\""));
        const auto plans = store().readPlans();
        QVERIFY(plans.ok());
        QCOMPARE(plans.value, (QList<PlanRecord>{dentist, multi}));
        QCOMPARE(quoteSafe(QStringLiteral("say \"hi\"")), QStringLiteral("say ''hi''"));
    }

    void listsAndFindByMonthAndDay() {
        for (const PlanRecord& p :
             {PlanRecord{3, 5, 9, 30, QStringLiteral("a")}, PlanRecord{1, 5, NoHour, 0, QStringLiteral("b")},
              PlanRecord{3, 6, 10, 0, QStringLiteral("c")},
              PlanRecord{2, 31, NoHour, 0, QStringLiteral("feb")}})
            QVERIFY(store().appendPlan(p).ok());
        QCOMPARE(store().monthLines(3).value, (QStringList{yazim(3, 5, 9, 30, QStringLiteral("a")),
                                                           yazim(3, 6, 10, 0, QStringLiteral("c"))}));
        QCOMPARE(store().dayLines(3, 6).value, QStringList{yazim(3, 6, 10, 0, QStringLiteral("c"))});
        QCOMPARE(store().monthLines(2).value.size(), 1); // 31 February is listed like any other day
        QVERIFY(store().monthLines(4).value.isEmpty());
        QCOMPARE(store().findPlanText(yazim(1, 5, NoHour, 0, QStringLiteral("b"))).value,
                 QStringLiteral("b"));
        const auto missing = store().findPlanText(QStringLiteral("no such line"));
        QVERIFY(missing.ok());
        QVERIFY(missing.value.isEmpty());
    }

    void identicalLinesAreOnePlan() {
        const QString longA = QString(160, QLatin1Char('x')) + QStringLiteral("A");
        const QString longB = QString(160, QLatin1Char('x')) + QStringLiteral("B");
        for (const PlanRecord& p :
             {PlanRecord{5, 1, 8, 0, QStringLiteral("same")}, PlanRecord{6, 1, 8, 0, longA},
              PlanRecord{5, 1, 8, 0, QStringLiteral("same")}, PlanRecord{6, 1, 8, 0, longB},
              PlanRecord{7, 7, NoHour, 0, QStringLiteral("stays")}})
            QVERIFY(store().appendPlan(p).ok());
        // Lines equal past 150 characters: the first one in the file gives the full text.
        QCOMPARE(store().findPlanText(yazim(6, 1, 8, 0, longB)).value, longA);
        const auto dropped =
            store().removePlansByLine({yazim(5, 1, 8, 0, QStringLiteral("same")), yazim(6, 1, 8, 0, longA)});
        QVERIFY(dropped.ok());
        QCOMPARE(dropped.value, longB); // the last one dropped
        QCOMPARE(store().readPlans().value, (QList<PlanRecord>{{7, 7, NoHour, 0, QStringLiteral("stays")}}));
    }

    void rewritesKeepWhatTheyDoNotUnderstand() {
        writeAll(
            path(),
            "1,1,25,0,\"one\"\r\nnot a plan at all\r\n1,2,3\r\n2,2,25,0,\"two\"\r\n99999,1,1,1,\"x\"\r\n");
        QCOMPARE(store().readPlans().value.size(), 2);
        QVERIFY(store().removePlansByLine({yazim(1, 1, NoHour, 0, QStringLiteral("one"))}).ok());
        QCOMPARE(readAll(path()),
                 QByteArray("not a plan at all\r\n1,2,3\r\n2,2,25,0,\"two\"\r\n99999,1,1,1,\"x\"\r\n"));
        QVERIFY(store()
                    .replacePlansByLine(yazim(2, 2, NoHour, 0, QStringLiteral("two")),
                                        {2, 3, 10, 30, QStringLiteral("moved")})
                    .ok());
        QCOMPARE(readAll(path()),
                 QByteArray("not a plan at all\r\n1,2,3\r\n99999,1,1,1,\"x\"\r\n2,3,10,30,\"moved\"\r\n"));
        QVERIFY(store().clearPlans().ok());
        QCOMPARE(readAll(path()), QByteArray("not a plan at all\r\n1,2,3\r\n99999,1,1,1,\"x\"\r\n"));
        QVERIFY(store().readPlans().value.isEmpty());
    }

    void emptyFileGivesEmptyResults() {
        QVERIFY(writeAll(path(), ""));
        QVERIFY(store().monthLines(1).value.isEmpty());
        QVERIFY(store().removePlansByLine({QStringLiteral("x")}).ok());
        QCOMPARE(readAll(path()), QByteArray());
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("temp.kyt"))));
    }
};

QTEST_GUILESS_MAIN(TestPlanStore)
#include "tst_plan_store.moc"
