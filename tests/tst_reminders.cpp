#include "fakes/fake_services.h"
#include "fakes/file_helpers.h"
#include "lang/translations.h"
#include "plans/plan_store.h"
#include "shell/main_form.h"
#include "shell/reminder_timer.h"
#include "shell/reminders.h"

#include <QFile>

#include <QTest>
#include <ctime>

using namespace velkor;
using velkor::testing::readAll;
using velkor::testing::writeAll;
using namespace velkor::shell;
using velkor::plans::NoHour;
using velkor::plans::PlanRecord;
using velkor::testing::TestContext;

namespace {

QDateTime at(int year, int month, int day, int hour, int minute, int second = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

QStringList texts(const QList<Announcement>& list) {
    QStringList out;
    for (const Announcement& a : list)
        out.append(a.text);
    return out;
}

void store(const TestContext& t, const QList<PlanRecord>& plans) {
    const plans::PlanStore s(t.file(QStringLiteral("myfile.kyt")));
    for (const PlanRecord& p : plans)
        QVERIFY(s.appendPlan(p).ok());
}

} // namespace

class TestReminders : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void titles() {
        QCOMPARE(planTitle(12, 11, 9, 0), QStringLiteral(" 12 . 11    9:00"));
        QCOMPARE(planTitle(5, 3, 10, 15), QStringLiteral(" 5 . 3"));
        const QDate d(2026, 3, 5);
        QCOMPARE(reminderTitle(d, 9, 0), allDayTitle(d) + QStringLiteral("  9:00"));
        // Dated in the program's language, whatever the system's.
        lang::useLanguage(Language::English);
        QCOMPARE(allDayTitle(d), QStringLiteral("05/03/2026"));
        lang::useLanguage(Language::Turkish);
        QCOMPARE(allDayTitle(d), QStringLiteral("5.03.2026"));
        QLocale::setDefault(QLocale::c());
    }

    void catchUpWalksTheMissedDays_data() {
        QTest::addColumn<QList<PlanRecord>>("plans");
        QTest::addColumn<QDateTime>("lastExit");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("same day 10:00 to 10:20")
            << QList<PlanRecord>{{3, 5, 10, 0, "10:00"},
                                 {3, 5, 10, 15, "10:15"},
                                 {3, 5, 10, 20, "10:20"},
                                 {3, 5, 11, 0, "11:00"},
                                 {3, 5, NoHour, 0, "all day"}}
            << at(2026, 3, 5, 10, 0) << at(2026, 3, 5, 10, 20) << QStringList{"10:15"};
        QTest::newRow("3rd 10:00 to 6th 09:00")
            << QList<PlanRecord>{{3, 3, 9, 30, "3 early"},
                                 {3, 3, 10, 30, "3 late"},
                                 {3, 3, NoHour, 0, "3 all"},
                                 {3, 4, NoHour, 0, "4 all"},
                                 {3, 3, 10, 0, "3 at the exit, shown then"},
                                 {3, 5, 23, 30, "5 late"},
                                 {3, 6, 8, 30, "6 early"},
                                 {3, 6, 9, 0, "6 now"},
                                 {3, 6, NoHour, 0, "6 all"},
                                 {3, 7, 1, 0, "7"}}
            << at(2026, 3, 3, 10, 0) << at(2026, 3, 6, 9, 0)
            << QStringList{"3 late", "4 all", "5 late", "6 early"};
        QTest::newRow("across a new year")
            << QList<PlanRecord>{{11, 19, 12, 0, "19 Nov"},
                                 {12, 25, NoHour, 0, "Christmas"},
                                 {1, 1, 0, 30, "New year"},
                                 {2, 6, 8, 0, "6 Feb"}}
            << at(2026, 11, 20, 10, 0) << at(2027, 2, 5, 9, 0) << QStringList{"Christmas", "New year"};
        QTest::newRow("first start counts from 01:01 on the 1st")
            << QList<PlanRecord>{{3, 1, 1, 0, "1st 01:00"},
                                 {3, 1, 1, 30, "1st 01:30"},
                                 {3, 1, NoHour, 0, "1st all"},
                                 {3, 2, NoHour, 0, "2nd all"},
                                 {3, 5, 8, 30, "5th early"}}
            << at(3000, 1, 1, 1, 1) << at(2026, 3, 5, 9, 0)
            << QStringList{"1st 01:30", "2nd all", "5th early"};
        QTest::newRow("twelve months away") << QList<PlanRecord>{{6, 1, NoHour, 0, "June"}}
                                            << at(2025, 3, 1, 10, 0) << at(2026, 3, 5, 9, 0) << QStringList{};
        QTest::newRow("clock set back") << QList<PlanRecord>{{3, 5, 8, 0, "x"}} << at(2026, 3, 5, 10, 0)
                                        << at(2026, 3, 5, 9, 0) << QStringList{};
    }
    void catchUpWalksTheMissedDays() {
        QFETCH(QList<PlanRecord>, plans);
        QFETCH(QDateTime, lastExit);
        QFETCH(QDateTime, now);
        QFETCH(QStringList, expected);
        QCOMPARE(texts(catchUp(plans, lastExit, now)), expected);
    }

    void catchUpTitlesNameTheMissedDay() {
        const auto found = catchUp({{3, 4, 14, 30, "a"}, {3, 4, NoHour, 0, "b"}}, at(2026, 3, 3, 10, 0),
                                   at(2026, 3, 6, 9, 0));
        QCOMPARE(found.size(), 2);
        QCOMPARE(found[0].title, QStringLiteral(" 4 . 3    14:30"));
        QCOMPARE(found[1].title, QStringLiteral(" 4 . 3"));
        // Plans stored out of order come in the order they fell due, however many minutes a tick covers.
        const auto due = dueReminders({{3, 5, 9, 45, "b"}, {3, 5, 9, 15, "a"}, {3, 4, 23, 30, "z"}},
                                      at(2026, 3, 4, 12, 0), QDate(2026, 3, 5), at(2026, 3, 5, 10, 0));
        QCOMPARE(texts(due), (QStringList{"z", "a", "b"}));
    }

    void aBoxLeftOpenQueuesTheNextMinute() {
        TestContext t;
        store(t, {{3, 5, 9, 30, "first"}, {3, 5, 9, 31, "second"}, {3, 5, 9, 32, "third"}});
        ReminderTimer timer(t.ctx, t.file(QStringLiteral("myfile.kyt")));
        int depth = 0, deepest = 0;
        t.prompter.onShow = [&] {
            deepest = std::max(deepest, ++depth);
            // While "first" is on screen two more minutes pass and their ticks run.
            if (t.prompter.boxes.size() == 1) {
                for (int m : {31, 32}) {
                    t.clock.set(at(2026, 3, 5, 9, m));
                    timer.tick();
                }
                QCOMPARE(timer.queued(), 2);
                // An exit now must not swallow what is waiting.
                QCOMPARE(timer.settledUpTo(t.clock.now()), minuteOf(at(2026, 3, 5, 9, 29)));
            }
            --depth;
        };
        QList<QDateTime> stamps;
        timer.onAllAnnounced = [&](const QDateTime& upTo) { stamps.append(upTo); };
        t.clock.set(at(2026, 3, 5, 9, 30));
        timer.start(t.clock.now());
        QCOMPARE(t.prompter.texts(), "first|second|third");
        QCOMPARE(deepest, 1);                                                // one box at a time
        QCOMPARE(stamps, QList<QDateTime>{minuteOf(at(2026, 3, 5, 9, 32))}); // stamped once all were closed
        QCOMPARE(timer.settledUpTo(at(2026, 3, 5, 9, 32, 40)), minuteOf(at(2026, 3, 5, 9, 32)));
    }

    void startUpCatchesUpThenTicksAndStamps() {
        TestContext t;
        store(t, {{3, 4, NoHour, 0, "yesterday"},
                  {3, 5, 8, 30, "this morning"},
                  {3, 5, NoHour, 0, "today"},
                  {3, 5, 9, 30, "soon"}});
        QVERIFY(shell::Bookkeeping(t.ctx.dataDir).writeLastExit(at(2026, 3, 3, 18, 0)));
        t.clock.set(at(2026, 3, 5, 9, 0, 30));
        MainForm form(t.ctx);
        QVERIFY(form.start());
        QCOMPARE(t.prompter.texts(), "yesterday|this morning|today");
        QCOMPARE(t.beeper.count, 1); // catch-up boxes are silent; the timer's are not
        QCOMPARE(readAll(t.file(QStringLiteral("tarih.kyt"))), QByteArray("2026,3,5,9,0\r\n"));

        t.clock.set(at(2026, 3, 6, 0, 0, 1));
        form.reminders().tick();
        QCOMPARE(form.iconDay(), 6); // the tip follows the date
        QCOMPARE(t.prompter.boxes.last().text, "soon");
        QCOMPARE(t.prompter.boxes.last().title, reminderTitle(QDate(2026, 3, 5), 9, 30));
        form.reminders().tick(); // a second tick in the same minute changes nothing
        QCOMPARE(t.prompter.boxes.size(), 4);
    }

    // The user picks "Programı Kapat" from the tray menu while a box is open: what it shows, and what
    // waits behind it, comes again next time.
    void exitWithABoxOpenKeepsItsPlansForNextTime() {
        TestContext t;
        store(t, {{3, 4, NoHour, 0, "one"}, {3, 4, 12, 0, "two"}, {3, 5, 9, 30, "due"}});
        QVERIFY(shell::Bookkeeping(t.ctx.dataDir).writeLastExit(at(2026, 3, 3, 18, 0)));
        MainForm form(t.ctx);
        t.prompter.onShow = [&] { form.finish(); };
        QVERIFY(form.start()); // during the catch-up
        QCOMPARE(shell::Bookkeeping(t.ctx.dataDir).readLastExit().value, minuteOf(at(2026, 3, 3, 18, 0)));

        TestContext u;
        store(u, {{3, 5, 9, 30, "due"}});
        QVERIFY(shell::Bookkeeping(u.ctx.dataDir).writeLastExit(at(2026, 3, 5, 9, 0)));
        MainForm running(u.ctx);
        QVERIFY(running.start());
        u.prompter.onShow = [&] {
            u.clock.set(at(2026, 3, 5, 9, 40));
            running.finish();
        };
        u.clock.set(at(2026, 3, 5, 9, 30, 5));
        running.reminders().tick(); // while a reminder is on screen
        QCOMPARE(shell::Bookkeeping(u.ctx.dataDir).readLastExit().value, minuteOf(at(2026, 3, 5, 9, 29)));
    }

    // Many missed plans come in one list, in the chosen language, with one beep; a stamp later than now
    // (a clock that was fast) announces nothing and is put right.
    void startUpListsManyInTheChosenLanguageAndMendsAFutureStamp_data() {
        QTest::addColumn<QDateTime>("lastExit");
        QTest::addColumn<int>("listed");
        QTest::addColumn<int>("beeps");
        QTest::newRow("six missed") << at(2026, 3, 3, 18, 0) << 6 << 1;
        QTest::newRow("stamp tomorrow") << at(2026, 3, 6, 18, 0) << 0 << 0;
    }
    void startUpListsManyInTheChosenLanguageAndMendsAFutureStamp() {
        QFETCH(QDateTime, lastExit);
        QFETCH(int, listed);
        QFETCH(int, beeps);
        TestContext t;
        QList<PlanRecord> plans;
        for (int i = 0; i < 6; ++i)
            plans.append({3, 4, 8 + i, 0, QStringLiteral("missed %1").arg(5 - i)});
        store(t, plans);
        QVERIFY(writeAll(t.file(QStringLiteral("options.prg")), "\"eng\"\r\n"));
        QVERIFY(shell::Bookkeeping(t.ctx.dataDir).writeLastExit(lastExit));
        t.clock.set(at(2026, 3, 5, 9, 0, 30));
        MainForm form(t.ctx);
        QVERIFY(form.start());
        QCOMPARE(t.prompter.lists.size(), listed ? 1 : 0);
        QCOMPARE(t.beeper.count, beeps);
        if (listed) {
            QCOMPARE(t.prompter.lists[0].size(), listed);
            QCOMPARE(t.prompter.lists[0][0], (QStringList{"4 March 2026, Wednesday", "08:00", "missed 5"}));
            QCOMPARE(t.prompter.boxes.size(), 1);
            QVERIFY(t.prompter.boxes[0].text.contains(QStringLiteral("6 plans")));
        }
        QCOMPARE(readAll(t.file(QStringLiteral("tarih.kyt"))), QByteArray("2026,3,5,9,0\r\n"));
    }
};

QTEST_MAIN(TestReminders)
#include "tst_reminders.moc"
