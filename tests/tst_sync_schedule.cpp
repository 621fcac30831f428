// When a sync runs (a stand-in sync, short intervals); what the reminders make of a plan it brings in.
#include "core/plans/plan_store.h"
#include "fakes/fake_services.h"
#include "shell/reminder_timer.h"
#include "shell/sync_schedule.h"
#include "sync/plan_side.h"

using velkor::shell::SyncSchedule;

namespace {

// Counts the syncs started; each ends when the test says, or at once.
struct FakeSync {
    int started = 0;
    bool endAtOnce = true;
    bool ok = true;
    std::function<void(bool)> pending;
    SyncSchedule::Run run() {
        return [this](std::function<void(bool)> done) {
            ++started;
            endAtOnce ? done(ok) : void(pending = std::move(done));
        };
    }
};

} // namespace

class TestSyncSchedule : public QObject {
    Q_OBJECT
private slots:
    // Shortly after start, then every while; a burst of edits is one sync.
    void afterStartThenEveryWhileAndEditsGrouped() {
        FakeSync sync;
        SyncSchedule schedule(sync.run(), {50, 200, 400});
        schedule.start();
        QTRY_VERIFY(sync.started >= 2); // then the interval
        FakeSync edited;
        SyncSchedule edits(edited.run(), {60'000, 300, 60'000});
        for (int i = 0; i < 10; ++i)
            edits.localChange();
        QTRY_COMPARE(edited.started, 1);
        QTest::qWait(600);
        QCOMPARE(edited.started, 1);
    }

    // An edit made while a sync runs brings another after it; never two at once.
    void editDuringASyncBringsAnother() {
        FakeSync sync;
        sync.endAtOnce = false;
        SyncSchedule schedule(sync.run(), {0, 50, 60'000});
        schedule.start();
        QTRY_COMPARE(sync.started, 1);
        schedule.localChange();
        schedule.localChange();
        QTest::qWait(200);
        QCOMPARE(sync.started, 1);
        std::exchange(sync.pending, {})(true);
        QTRY_COMPARE(sync.started, 2);
        std::exchange(sync.pending, {})(false);
        QTest::qWait(200);
        QCOMPARE(sync.started, 2);
    }

    // Offline nothing runs; when the network returns, the sync that came due runs at once.
    void offlineWaitsThenSyncsWhenBack() {
        FakeSync sync;
        SyncSchedule schedule(sync.run(), {0, 50, 60'000});
        schedule.setOnline(false);
        schedule.start();
        schedule.localChange();
        QTest::qWait(300);
        QCOMPARE(sync.started, 0);
        schedule.setOnline(true);
        QTRY_COMPARE(sync.started, 1);
    }

    // A failed sync is tried again well before the interval, until one works; then the interval again.
    void failedSyncTriedAgainSooner() {
        FakeSync sync;
        sync.ok = false;
        SyncSchedule schedule(sync.run(), {0, 60'000, 60'000, 50});
        schedule.start();
        QTRY_VERIFY(sync.started >= 3);
        sync.ok = true;
        const int worked = sync.started + 1;
        QTRY_COMPARE(sync.started, worked);
        QTest::qWait(1000);
        QCOMPARE(sync.started, worked);
    }

    // Written between two ticks as the sync writes it: a plan whose minute is still to come today is
    // reminded then; one whose minute (or day, for an all-day plan) passed on the way is not told late.
    void planBroughtInIsRemindedOnlyWhenStillToCome() {
        TestContext t;
        const QDate today(2026, 3, 5);
        t.clock.set(QDateTime(today, QTime(10, 30)));
        QVERIFY(writeAll(t.file("myfile.kyt"), {}));
        shell::ReminderTimer timer(t.ctx, t.file("myfile.kyt"), t.file("later.kyt"));
        timer.start(t.clock.now());
        // Another computer's plans, as its side of the sync sends them to the server.
        QTemporaryDir elsewhere;
        QVERIFY(plans::PlanStore(elsewhere.filePath("myfile.kyt"))
                    .addPlans({{3, 5, 9, 30, "passed on the way"},
                               {3, 5, 10, 30, "this minute, told already"},
                               {3, 5, plans::NoHour, 0, "all day"},
                               {3, 5, 11, 0, "still to come"}})
                    .ok());
        sync::PlanSide there(QDir(elsewhere.path()), t.clock.now()), here(t.ctx.dataDir, t.clock.now());
        QVERIFY(there.load().isEmpty() && here.load().isEmpty());
        QList<QByteArray> added;
        for (const sync::LocalItem& item : there.items())
            added.append(here.parse(there.serialize(item.key, item.key)).hash);
        t.clock.set(QDateTime(today, QTime(10, 30, 40)));
        QStringList replacedKeys, addedKeys;
        QVERIFY(here.apply({}, {}, added, &replacedKeys, &addedKeys).isEmpty());
        QStringList told; // after each tick
        for (const QTime& tick : {QTime(10, 31), QTime(10, 59), QTime(11, 0), QTime(11, 1)}) {
            t.clock.set(QDateTime(today, tick.addMSecs(20)));
            timer.tick();
            told.append(t.prompter.texts());
        }
        QCOMPARE(told, QStringList({"", "", "still to come", "still to come"}));
    }
};

QTEST_GUILESS_MAIN(TestSyncSchedule)
#include "tst_sync_schedule.moc"
