// When a sync runs, with a stand-in for the sync itself and the intervals shortened.
#include "shell/sync_schedule.h"

#include <QTest>

using velkor::shell::SyncSchedule;

namespace {

// Counts the syncs started; each ends when the test says, or at once.
struct FakeSync {
    int started = 0;
    bool endAtOnce = true;
    std::function<void(bool)> pending;
    SyncSchedule::Run run() {
        return [this](std::function<void(bool)> done) {
            ++started;
            endAtOnce ? done(true) : void(pending = std::move(done));
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
};

QTEST_GUILESS_MAIN(TestSyncSchedule)
#include "tst_sync_schedule.moc"
