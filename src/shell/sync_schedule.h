#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace velkor::shell {

// When the data folder is brought in step with its server: shortly after start, a few seconds after a
// change made here (a burst of edits is one sync), and every while; none while the network is known to be
// down, and one at once when it comes back. One sync at a time: a change made during one brings another
// after it. Reminders and windows never wait for it: a sync runs on its own and reports when it is done.
class SyncSchedule final : public QObject {
    Q_OBJECT
public:
    struct Timing {
        int afterStartMs = 10'000;
        int afterChangeMs = 5'000;
        int everyMs = 15 * 60'000;
        // After a failure (the server or the network away) sooner, then each time twice as late, up to
        // everyMs: where the system does not report the network, this is how its return is found.
        int firstRetryMs = 60'000;
    };
    // Starts one sync; it calls `done` once, later, with whether it worked.
    using Run = std::function<void(std::function<void(bool ok)> done)>;

    SyncSchedule(Run run, Timing timing, QObject* parent = nullptr);

    void start();
    void localChange();
    void setOnline(bool online);
    bool syncing() const { return m_syncing; }

signals:
    void finished(bool ok);

private:
    void arm(int ms);
    void due();

    Run m_run;
    Timing m_timing;
    QTimer m_timer;
    bool m_syncing = false;
    bool m_again = false; // changed while a sync ran
    bool m_online = true;
    bool m_waiting = false; // came due while offline
    int m_retryMs = 0;      // after the last failure; 0 after a success
};

// The usual timing, or VELKOR_SYNC_TIMING's "afterStartMs,afterChangeMs,everyMs" (tests shorten it); a
// malformed value is ignored.
SyncSchedule::Timing timingFromEnvironment();

// Follows the network as the system reports it, where it does; elsewhere a failed sync is all there is.
void followNetwork(SyncSchedule& schedule);

} // namespace velkor::shell
