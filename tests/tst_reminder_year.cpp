// A year of one user's life on a fake clock in several time zones, restarted from the files as the real
// program would be. An independent account of the wall clock says when each plan arrives; each must be shown
// once per arrival, never before it, at the latest a minute after it (or at the first moment it could be).
// Beside it, the few reminder cases the year cannot reach.
#include "core/lang/translations.h"
#include "core/plans/plan_store.h"
#include "core/plans/reminders.h"
#include "core/plans/snoozes.h"
#include "fakes/fake_services.h"
#include "shell/main_form.h"
#include "shell/reminder_timer.h"

#include <ctime>
#include <memory>

using namespace velkor::shell;
using velkor::plans::NoHour;
using velkor::plans::PlanRecord;

namespace {

QDateTime at(int year, int month, int day, int hour, int minute, int second = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

void store(const TestContext& t, const QList<PlanRecord>& plans) {
    QVERIFY(plans::PlanStore(t.file(u"myfile.kyt"_s)).addPlans(plans).ok());
}

enum class Event { Start, Exit, Kill, Suspend, BoxOpen, EntryOpen, Unreadable, StepBack, StepForward };

struct Diary {
    const char* when; // local wall-clock time
    Event what;
    qint64 amount; // seconds (minutes for BoxOpen and EntryOpen)
    const char* why;
};

constexpr qint64 Hour = 3600, Day = 24 * Hour;

// The year, as the user lived it. Between the lines Velkor runs (or stays off after an exit or a kill).
const Diary kYear[] = {
    {"2027-12-31 20:00", Event::Start, 0, "first start, on new year's eve"},
    {"2028-01-03 18:00", Event::Exit, 0, "a clean exit in the evening"},
    {"2028-01-04 08:00", Event::Start, 0, "started the next morning"},
    {"2028-01-10 12:00", Event::Suspend, 5 * Hour, "the lid shut over lunch for five hours"},
    {"2028-01-20 09:00", Event::Kill, 0, "killed, no exit stamp"},
    {"2028-01-20 11:00", Event::Start, 0, "started again two hours later"},
    {"2028-01-25 09:50", Event::BoxOpen, 95, "the 10:00 box left open for 95 minutes"},
    {"2028-02-05 14:20", Event::EntryOpen, 50, "typing a plan across two plans' minutes"},
    {"2028-03-01 21:00", Event::Suspend, 11 * Hour, "asleep over night with an evening plan waiting"},
    {"2028-03-05 11:50", Event::Unreadable, 20, "myfile.kyt cannot be read across a plan's minute"},
    {"2028-04-10 15:10", Event::StepBack, Hour, "the clock set back an hour"},
    {"2028-04-20 12:10", Event::StepBack, 3 * Day, "the clock set back three days"},
    {"2028-05-01 10:00", Event::StepForward, 92 * Day, "a wrong jump of three months"},
    {"2028-12-20 18:00", Event::Exit, 0, "away for the holidays"},
    {"2029-01-02 09:00", Event::Start, 0, "back after new year"},
    {"2029-01-05 12:00", Event::Exit, 0, "the end of the year"},
};

// The plans of the year, a line for each stretch; each text unique so that what is shown names its plan.
// clang-format off
const QList<PlanRecord> kPlans = {
    {12, 31, 23, 30, "new year's eve"}, {1, 1, 0, 30, "just after midnight"},
    {1, 1, NoHour, 0, "new year's day"},
    {1, 3, NoHour, 0, "exit day"}, {1, 3, 17, 30, "before the exit"}, {1, 3, 18, 0, "at the exit"},
    {1, 3, 19, 0, "while off"}, {1, 4, 7, 30, "before the morning start"}, {1, 4, NoHour, 0, "start day"},
    {1, 4, 8, 0, "in the minute of the morning start"},
    {1, 10, 13, 0, "asleep 13:00"}, {1, 10, 16, 0, "asleep 16:00"},
    {1, 20, 10, 0, "killed meanwhile"}, {1, 20, NoHour, 0, "day of the kill"},
    {1, 20, 11, 0, "in the minute of the restart"},
    {1, 25, 10, 0, "box opens"}, {1, 25, 10, 30, "box still open"}, {1, 25, 11, 0, "box open long"},
    {2, 5, 14, 30, "while typing 14:30"}, {2, 5, 15, 0, "while typing 15:00"}, {2, 29, 9, 0, "leap day"},
    {3, 1, 22, 0, "evening while asleep"}, {3, 2, 7, 0, "morning while asleep"},
    {3, 5, 12, 0, "while unreadable"},
    {2, 30, 9, 0, "30 February"}, {2, 30, NoHour, 0, "30 February all day"},
    {3, 12, 2, 0, "US spring 02:00"}, {3, 12, 2, 30, "US spring 02:30"}, {3, 12, 3, 0, "US spring 03:00"},
    {3, 26, 2, 0, "EU spring 02:00"}, {3, 26, 2, 30, "EU spring 02:30"}, {3, 26, 3, 0, "EU spring 03:00"},
    {4, 10, 14, 30, "before the hour back"}, {4, 10, 15, 0, "at the hour back"},
    {4, 18, NoHour, 0, "inside the three days"}, {4, 19, 12, 0, "noon inside the three days"},
    {5, 2, 9, 0, "jumped over in May"}, {5, 15, NoHour, 0, "jumped over all day"},
    {8, 1, 9, 30, "just before the landing"},
    {10, 29, 2, 0, "EU autumn 02:00"}, {10, 29, 2, 30, "EU autumn 02:30"},
    {11, 5, 1, 30, "US autumn 01:30"}, {11, 5, 2, 0, "US autumn 02:00"},
    {12, 28, 10, 0, "between the years"}, {12, 1, 1, 2, "just after the first start's mark"},
    {12, 26, NoHour, 0, "boxing day"},
};
// clang-format on

QDateTime wall(const char* text) {
    return QDateTime::fromString(QString::fromLatin1(text), u"yyyy-MM-dd HH:mm"_s);
}

// The wall clock's reading of an instant, to the minute, without a zone (as the reminders compare them).
QDateTime readingOf(const QDateTime& instant) {
    const QDateTime local = instant.toLocalTime();
    return QDateTime(local.date(), QTime(local.time().hour(), local.time().minute()), Qt::UTC);
}

struct Arrival {
    QDateTime at;    // the instant the plan's minute (or day) arrived
    QDateTime dueBy; // the latest instant it may be shown at; invalid: at the next start
};

// The independent account: which plans arrive as the wall clock moves.
class Account {
public:
    explicit Account(const QList<PlanRecord>& plans) {
        for (const PlanRecord& p : plans)
            m_plans.insert(key(p.month, p.day, p.hasTime() ? p.hour * 60 + p.minute : AllDay), p.text);
    }

    // Time passes (or jumps forward) to `instant`: every reading above the highest one seen so far arrives,
    // a skipped daylight-saving hour with the first minute after it; a repeated hour arrives only once.
    void pass(const QDateTime& instant, const QDateTime& dueBy) {
        const QDateTime reading = readingOf(instant);
        for (QDateTime m = m_high.addSecs(60); m <= reading; m = m.addSecs(60)) {
            if (m.time() == QTime(0, 0))
                arrive(key(m.date().month(), m.date().day(), AllDay), instant, dueBy);
            arrive(key(m.date().month(), m.date().day(), m.time().hour() * 60 + m.time().minute()), instant,
                   dueBy);
        }
        m_high = std::max(m_high, reading);
        // A reminder put off comes again once, when the wall clock first reads its minute.
        for (qsizetype i = m_wakes.size() - 1; i >= 0; --i) {
            if (m_wakes[i].first <= reading)
                arrivals[m_wakes.takeAt(i).second].append({instant, dueBy});
        }
    }
    // Put off at `instant` for `minutes`.
    void putOff(const QString& text, const QDateTime& instant, int minutes) {
        m_wakes.append({readingOf(instant).addSecs(60LL * minutes), text});
    }
    // The wall clock set back: the minute landed in has not arrived; those after it arrive again.
    void setBack(const QDateTime& instant) { m_high = readingOf(instant); }
    // A start announces today's all-day plans even when their day arrived while it ran before.
    void started(const QDateTime& instant, bool dayArrivedMeanwhile) {
        if (!dayArrivedMeanwhile) {
            const QDate today = readingOf(instant).date();
            arrive(key(today.month(), today.day(), AllDay), instant, instant.addSecs(60));
        }
    }
    // Arrivals still waiting for the next start are due by then.
    void dueAtStart(const QDateTime& instant) {
        for (auto& list : arrivals)
            for (Arrival& a : list)
                a.dueBy = a.dueBy.isValid() ? a.dueBy : instant.addSecs(60);
    }

    QHash<QString, QList<Arrival>> arrivals;

private:
    static constexpr int AllDay = 1440; // past the last minute of a day
    static qint64 key(int month, int day, int minute) { return (month * 32 + day) * 2000 + minute; }
    void arrive(qint64 k, const QDateTime& at, const QDateTime& dueBy) {
        for (const QString& text : m_plans.values(k))
            arrivals[text].append({at, dueBy});
    }

    QMultiHash<qint64, QString> m_plans;
    QDateTime m_high;
    QList<std::pair<QDateTime, QString>> m_wakes;
};

// The program as the diary has it: started, stopped, restarted from its files.
class Life {
public:
    Life() : account(kPlans) {
        store(m_t, kPlans);
        m_t.prompter.onShow = [this] { recordShown(); };
        m_t.prompter.later = [this](const QString& text) {
            const int minutes = m_putOff[text].isEmpty() ? 0 : m_putOff[text].takeFirst();
            if (minutes)
                account.putOff(text, now(), minutes);
            return minutes;
        };
    }

    void live() {
        const QDateTime firstStart = wall(kYear[0].when);
        m_t.clock.set(firstStart.addSecs(-40 * Day));
        // A first start catches up from 01:01 on the 1st of its month.
        account.setBack(QDateTime(firstStart.date().addDays(1 - firstStart.date().day()), QTime(1, 1)));
        for (const Diary& line : kYear) {
            runUntil(wall(line.when));
            happen(line);
        }
    }

    QHash<QString, QList<QDateTime>> shown;
    Account account;

private:
    QDateTime now() const { return m_t.clock.now().toUTC(); }

    // Time goes on to the wall reading `until`, ticking on the half hours while the program runs.
    void runUntil(const QDateTime& until) {
        const QDateTime target(until.date(), until.time(), Qt::UTC);
        while (readingOf(now()) < target) {
            QDateTime next = now().addSecs(60 * (30 - now().time().minute() % 30));
            next.setTime(QTime(next.time().hour(), next.time().minute(), 30));
            if (readingOf(next) > target) // the last stretch, to the minute of the event
                next = now().addSecs(std::max<qint64>(60, readingOf(now()).secsTo(target)));
            m_t.clock.set(next);
            account.pass(now(), m_form ? now().addSecs(60) : QDateTime());
            if (m_form)
                m_form->reminders().tick();
        }
    }

    void happen(const Diary& line) {
        switch (line.what) {
        case Event::Start: {
            const bool dayArrived = !m_stoppedOn.isValid() || readingOf(now()).date() != m_stoppedOn;
            account.dueAtStart(now());
            m_form = std::make_unique<shell::MainForm>(m_t.ctx);
            m_form->setTrayProbe([] { return true; });
            QVERIFY(m_form->start());
            account.started(now(), dayArrived);
            break;
        }
        case Event::Exit:
            QVERIFY(m_form->finish());
            [[fallthrough]];
        case Event::Kill:
            m_form.reset();
            m_stoppedOn = readingOf(now()).date();
            break;
        case Event::Suspend:
        case Event::StepForward:
            m_t.clock.step(line.amount);
            account.pass(now(), now().addSecs(60));
            m_form->reminders().tick();
            break;
        case Event::BoxOpen:
            m_boxOpenMinutes = int(line.amount);
            break;
        case Event::EntryOpen:
            m_t.ctx.doors->pauseReminders(true);
            busyFor(line.amount);
            m_t.ctx.doors->pauseReminders(false);
            break;
        case Event::Unreadable: {
            // A folder in its place: every read fails until it goes.
            const QString plans = m_t.file(u"myfile.kyt"_s);
            QVERIFY(QFile::rename(plans, plans + u".away"_s) && QDir().mkdir(plans));
            busyFor(line.amount);
            QVERIFY(QDir().rmdir(plans) && QFile::rename(plans + u".away"_s, plans));
            m_form->reminders().tick();
            break;
        }
        case Event::StepBack:
            m_t.clock.step(-line.amount);
            account.setBack(now());
            m_form->reminders().tick();
            break;
        }
    }

    void recordShown() {
        const QDateTime at = now();
        if (m_t.prompter.lists.size() > m_listsSeen) {
            m_listsSeen = m_t.prompter.lists.size();
            for (const QStringList& row : m_t.prompter.lists.last())
                shown[row.value(2)].append(at);
        } else {
            shown[m_t.prompter.boxes.last().text].append(at);
        }
        if (m_boxOpenMinutes > 0)
            busyFor(std::exchange(m_boxOpenMinutes, 0));
    }

    // Minutes go by while a box or plan entry is open (or the plans unreadable); what falls due waits.
    void busyFor(qint64 minutes) {
        const QDateTime closes = now().addSecs(minutes * 60);
        for (QDateTime t = now().addSecs(60); t <= closes; t = t.addSecs(60)) {
            m_t.clock.set(t);
            account.pass(now(), closes.addSecs(60));
            m_form->reminders().tick();
        }
    }

    TestContext m_t;
    std::unique_ptr<shell::MainForm> m_form;
    // Put off across an exit, twice over, and across the clock set back.
    QHash<QString, QList<int>> m_putOff{
        {"before the exit", {60}}, {"evening while asleep", {30, 30}}, {"before the hour back", {60}}};
    QDate m_stoppedOn;
    qsizetype m_listsSeen = 0;
    int m_boxOpenMinutes = 0;
};

} // namespace

class TestReminderYear : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void titlesAndCatchUp() {
        const QDate d(2026, 3, 5);
        // One date form per language, whatever the system's, on time or missed.
        lang::useLanguage(Language::English);
        QCOMPARE(reminderTitle(d, 9, 0), u"05/03/2026  9:00"_s);
        QCOMPARE(allDayTitle(d), u"05/03/2026"_s);
        lang::useLanguage(Language::Turkish);
        QCOMPARE(reminderTitle(d, 14, 30), u"05.03.2026  14:30"_s);
        QLocale::setDefault(QLocale::c());
        // The year simulation walks the catch-up through exits, kills and restarts; here what it cannot
        // reach. Twelve months away or more: nothing is announced.
        QVERIFY(catchUp({{6, 1, NoHour, 0, "June"}}, at(2025, 3, 1, 10, 0), at(2026, 3, 5, 9, 0)).isEmpty());
        const auto found = catchUp({{3, 4, 14, 30, "a"}, {3, 4, NoHour, 0, "b"}}, at(2026, 3, 3, 10, 0),
                                   at(2026, 3, 6, 9, 0));
        QCOMPARE(found.size(), 2);
        QCOMPARE(found[0].title, u"04.03.2026  14:30"_s);
        QCOMPARE(found[1].title, u"04.03.2026"_s);
        // Plans stored out of order come in the order they fell due, however many minutes a tick covers.
        const auto due = dueReminders({{3, 5, 9, 45, "b"}, {3, 5, 9, 15, "a"}, {3, 4, 23, 30, "z"}},
                                      at(2026, 3, 4, 12, 0), QDate(2026, 3, 5), at(2026, 3, 5, 10, 0));
        QVERIFY(due.size() == 3 && due[0].text == "z" && due[1].text == "a" && due[2].text == "b");
    }

    // A reminder put off comes back once, at the minute chosen, with its beep; it is on disk the moment it is
    // put off, so an exit or a crash keeps it; put off again, it comes again. Missed plans listed at start-up
    // can be put off row by row. A damaged line in the file costs only itself.
    void putOffRemindersComeBackOnce() {
        TestContext t;
        store(t, {{3, 5, 9, 30, "dentist"}, {3, 5, 9, 31, "call Ali, then Ayşe"}});
        const QString later = t.file(u"later.kyt"_s);
        QVERIFY(writeAll(later, "2026,3,5,9,35,2026,13,5,9,0,\"bad date\"\r\nnot a record\r\n"));
        QVERIFY(shell::Bookkeeping(t.ctx.dataDir).writeLastExit(at(2026, 3, 5, 9, 0)));
        t.clock.set(at(2026, 3, 5, 9, 0, 30));
        auto form = std::make_unique<MainForm>(t.ctx);
        QVERIFY(form->start());
        QHash<QString, QList<int>> answers{{"dentist", {10, 30}}, {"call Ali, then Ayşe", {5}}};
        t.prompter.later = [&](const QString& text) {
            return answers[text].isEmpty() ? 0 : answers[text].takeFirst();
        };
        const auto minute = [&](int hour, int m) {
            t.clock.set(at(2026, 3, 5, hour, m, 5));
            form->reminders().tick();
            return t.prompter.texts();
        };
        QCOMPARE(minute(9, 31), "dentist|call Ali, then Ayşe");
        QCOMPARE(t.prompter.laterOffered, (QList<int>{5, 10, 30, 60}));
        QCOMPARE(shell::SnoozeFile(later).read().value.size(), 2); // on disk already
        QCOMPARE(minute(9, 35), "dentist|call Ali, then Ayşe");
        QCOMPARE(minute(9, 36), "dentist|call Ali, then Ayşe|call Ali, then Ayşe");
        QCOMPARE(minute(9, 40), "dentist|call Ali, then Ayşe|call Ali, then Ayşe");
        QCOMPARE(minute(9, 41), "dentist|call Ali, then Ayşe|call Ali, then Ayşe|dentist"); // put off 30 more
        QCOMPARE(t.beeper.count, 4);
        QCOMPARE(t.prompter.boxes.last().title, u"05.03.2026  9:30"_s);
        form.reset(); // killed: no exit stamp, nothing saved on the way out
        QCOMPARE(shell::SnoozeFile(later).read().value.size(), 1);

        // Started again after its minute (10:11), with six plans missed since the exit: the one put off comes
        // at the first tick, and two of the six are put off from the list.
        QList<PlanRecord> missed;
        for (int m = 1; m <= 6; ++m)
            missed.append({3, 5, 10, 20 + m, u"missed %1"_s.arg(m)});
        store(t, missed);
        QVERIFY(shell::Bookkeeping(t.ctx.dataDir).writeLastExit(at(2026, 3, 5, 10, 0)));
        answers = {{"missed 2", {5}}, {"missed 5", {60}}};
        t.clock.set(at(2026, 3, 5, 10, 30, 5));
        t.prompter.boxes.clear();
        form = std::make_unique<MainForm>(t.ctx);
        QVERIFY(form->start());
        QCOMPARE(t.prompter.lists.size(), 1);
        QCOMPARE(t.prompter.texts().count(u'|'), 1); // the list, then "dentist"
        QVERIFY(t.prompter.texts().endsWith("|dentist"));
        QCOMPARE(minute(10, 35), t.prompter.texts() + "|missed 2");
        QCOMPARE(minute(11, 29), t.prompter.texts());
        QVERIFY(minute(11, 30).endsWith("|missed 5"));
        QVERIFY(form->finish());
        QVERIFY(shell::SnoozeFile(later).read().value.isEmpty());
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

    // Many missed plans come in one list, in the chosen language, with one beep; a few come in a box each
    // without a beep; a stamp later than now (a clock that was fast) announces nothing and is put right.
    void startUpListsManyInTheChosenLanguageAndMendsAFutureStamp_data() {
        QTest::addColumn<QDateTime>("lastExit");
        QTest::addColumn<int>("missed");
        QTest::addColumn<int>("listed");
        QTest::newRow("six missed") << at(2026, 3, 3, 18, 0) << 6 << 6;
        QTest::newRow("five missed") << at(2026, 3, 3, 18, 0) << 5 << 0;
        QTest::newRow("stamp tomorrow") << at(2026, 3, 6, 18, 0) << 6 << 0;
    }
    void startUpListsManyInTheChosenLanguageAndMendsAFutureStamp() {
        QFETCH(QDateTime, lastExit);
        QFETCH(int, missed);
        QFETCH(int, listed);
        TestContext t;
        QList<PlanRecord> plans;
        for (int i = 0; i < missed; ++i)
            plans.append({3, 4, 8 + i, 0, u"missed %1"_s.arg(5 - i)});
        store(t, plans);
        QVERIFY(writeAll(t.file(u"options.prg"_s), "\"eng\"\r\n"));
        QVERIFY(shell::Bookkeeping(t.ctx.dataDir).writeLastExit(lastExit));
        t.clock.set(at(2026, 3, 5, 9, 0, 30));
        MainForm form(t.ctx);
        QVERIFY(form.start());
        QCOMPARE(form.menu()->findChild<QAction*>("ntd")->text(), "Notebook"); // the menu follows it too
        QCOMPARE(t.prompter.lists.size(), listed ? 1 : 0);
        QCOMPARE(t.beeper.count, listed ? 1 : 0);
        if (listed) {
            QCOMPARE(t.prompter.lists[0].size(), listed);
            QCOMPARE(t.prompter.lists[0][0], (QStringList{"4 March 2026, Wednesday", "08:00", "missed 5"}));
            QCOMPARE(t.prompter.boxes.size(), 1);
            QVERIFY(t.prompter.boxes[0].text.contains(u"6 plans"_s));
        } else {
            QCOMPARE(t.prompter.boxes.size(), lastExit < t.clock.now() ? missed : 0);
        }
        QCOMPARE(readAll(t.file(u"tarih.kyt"_s)), QByteArray("2026,3,5,9,0\r\n"));
    }

    void everyPlanOncePerArrival_data() {
        QTest::addColumn<QByteArray>("zone");
        for (const char* zone : {"Europe/Berlin", "America/New_York", "Europe/Istanbul"})
            QTest::newRow(zone) << QByteArray(zone);
    }
    void everyPlanOncePerArrival() {
        QFETCH(QByteArray, zone);
        qputenv("TZ", zone);
        tzset();
        // The bookkeeping file is rewritten at every tick: a memory-backed folder keeps the year quick.
        if (QFileInfo(u"/dev/shm"_s).isWritable())
            qputenv("TMPDIR", "/dev/shm");
        Life life;
        life.live();
        if (QTest::currentTestFailed())
            return;
        for (const PlanRecord& plan : kPlans) {
            const QList<Arrival> arrivals = life.account.arrivals.value(plan.text);
            QList<QDateTime> shows = life.shown.value(plan.text);
            std::sort(shows.begin(), shows.end());
            QVERIFY2(shows.size() == arrivals.size(), qPrintable(plan.text));
            for (qsizetype i = 0; i < shows.size(); ++i)
                QVERIFY2(shows[i] >= arrivals[i].at && shows[i] <= arrivals[i].dueBy, qPrintable(plan.text));
        }
        // The year itself happened: 30 February never came, the leap day did.
        QVERIFY(life.shown.value(u"30 February"_s).isEmpty());
        QCOMPARE(life.shown.value(u"leap day"_s).size(), 1);
    }
};

QTEST_MAIN(TestReminderYear)
#include "tst_reminder_year.moc"
