#include "fakes/fake_services.h"
#include "fakes/file_helpers.h"
#include "lang/translations.h"
#include "plans/plan_store.h"
#include "shell/main_form.h"
#include "shell/reminder_timer.h"
#include "shell/reminders.h"

#include <QTest>

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
    QVERIFY(plans::PlanStore(t.file(QStringLiteral("myfile.kyt"))).addPlans(plans).ok());
}

} // namespace

class TestReminders : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void titlesAndCatchUp() {
        QCOMPARE(planTitle(5, 3, 10, 15), QStringLiteral(" 5 . 3"));
        const QDate d(2026, 3, 5);
        QCOMPARE(reminderTitle(d, 9, 0), allDayTitle(d) + QStringLiteral("  9:00"));
        // Dated in the program's language, whatever the system's.
        lang::useLanguage(Language::English);
        QCOMPARE(allDayTitle(d), QStringLiteral("05/03/2026"));
        lang::useLanguage(Language::Turkish);
        QCOMPARE(allDayTitle(d), QStringLiteral("5.03.2026"));
        QLocale::setDefault(QLocale::c());
        // The year simulation walks the catch-up through exits, kills and restarts; here what it cannot
        // reach. Twelve months away or more: nothing is announced.
        QVERIFY(catchUp({{6, 1, NoHour, 0, "June"}}, at(2025, 3, 1, 10, 0), at(2026, 3, 5, 9, 0)).isEmpty());
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

    // The user picks "Programı Kapat" from the tray menu while a box is open: what it shows, and what
    // waits behind it, comes again next time. Boxes come one at a time.
    void exitWithABoxOpenKeepsItsPlansForNextTime() {
        TestContext t;
        store(t, {{3, 4, NoHour, 0, "one"}, {3, 4, 12, 0, "two"}, {3, 5, 9, 30, "due"}});
        QVERIFY(shell::Bookkeeping(t.ctx.dataDir).writeLastExit(at(2026, 3, 3, 18, 0)));
        MainForm form(t.ctx);
        t.prompter.onShow = [&] { form.finish(); };
        QVERIFY(form.start()); // during the catch-up
        QCOMPARE(shell::Bookkeeping(t.ctx.dataDir).readLastExit().value, minuteOf(at(2026, 3, 3, 18, 0)));

        TestContext u;
        store(u, {{3, 5, 9, 30, "first"}, {3, 5, 9, 31, "second"}, {3, 5, 9, 32, "third"}});
        QVERIFY(shell::Bookkeeping(u.ctx.dataDir).writeLastExit(at(2026, 3, 5, 9, 0)));
        MainForm running(u.ctx);
        QVERIFY(running.start());
        int depth = 0, deepest = 0;
        u.prompter.onShow = [&] {
            deepest = std::max(deepest, ++depth);
            if (u.prompter.boxes.size() == 1) { // two more minutes pass while "first" is on screen
                for (int m : {31, 32}) {
                    u.clock.set(at(2026, 3, 5, 9, m));
                    running.reminders().tick();
                }
                QCOMPARE(running.reminders().queued(), 2);
                QVERIFY(running.finish());
            }
            --depth;
        };
        u.clock.set(at(2026, 3, 5, 9, 30, 5));
        running.reminders().tick();
        QCOMPARE(u.prompter.texts(), "first|second|third");
        QCOMPARE(deepest, 1);
        QCOMPARE(shell::Bookkeeping(u.ctx.dataDir).readLastExit().value, minuteOf(at(2026, 3, 5, 9, 29)));
    }

    // Many missed plans come in one list, in the chosen language, with one beep; a stamp later than now
    // (a clock that was fast) announces nothing and is put right.
    void startUpListsManyInTheChosenLanguageAndMendsAFutureStamp_data() {
        QTest::addColumn<QDateTime>("lastExit");
        QTest::addColumn<int>("listed");
        QTest::newRow("six missed") << at(2026, 3, 3, 18, 0) << 6;
        QTest::newRow("stamp tomorrow") << at(2026, 3, 6, 18, 0) << 0;
    }
    void startUpListsManyInTheChosenLanguageAndMendsAFutureStamp() {
        QFETCH(QDateTime, lastExit);
        QFETCH(int, listed);
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
        QCOMPARE(t.beeper.count, listed ? 1 : 0);
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
