#pragma once

#include "core/plans/day_set.h"
#include "core/plans/reminders.h"
#include "core/plans/snoozes.h"
#include "ui/common/app_context.h"

#include <QDateTime>
#include <QObject>
#include <QQueue>
#include <QTimer>

#include <functional>
#include <optional>

namespace velkor::shell {

// Announces plans when the wall clock shows their minute. Ticks fall on minute boundaries; each covers every
// wall-clock minute since the last one it saw, so minutes lost to sleep, a blocked loop, a pause or a
// skipped daylight-saving hour are announced late rather than never, and a repeated hour announces nothing
// twice. A wall clock set back (against the monotonic clock, or by a move to another time zone) starts
// again from the new reading: what then arrives again is announced again.
// Boxes come one at a time from a queue: a tick while a box is open adds to the queue and drops nothing.
// A tick with more than ListThreshold plans shows them in one list.
// A reminder put off comes again at the first tick whose wall clock reads its minute or later, from the
// file of reminders put off, which it leaves once the user has dealt with it again.
class ReminderTimer final : public QObject {
    Q_OBJECT
public:
    ReminderTimer(AppContext& context, QString planFile, QString snoozeFile, QObject* parent = nullptr);

    // Starts with everything before `startMinute` already dealt with (by the catch-up) and ticks at once.
    void start(const QDateTime& startMinute);
    void setPaused(bool paused);
    bool paused() const { return m_paused; }

    // One tick: announces what fell due, then arms the timer for the next minute.
    void tick();

    // Runs when a tick finds the date changed (the tray tip must follow).
    std::function<void()> onNewDay;
    // Runs once every box of a tick has been closed, with the minute up to which all is announced.
    std::function<void(const QDateTime&)> onAllAnnounced;

    // The wall reading up to which every minute has been dealt with.
    QDateTime doneUpTo() const { return m_doneUpTo; }
    // The moment up to which every reminder has been seen by the user: `now`, or just before the first one
    // still waiting or on screen. The exit step records it, so an exit never swallows a waiting reminder.
    QDateTime settledUpTo(const QDateTime& now) const;
    int queued() const { return int(m_queue.size()); }
    // A reminder the user has dealt with: one put off is kept until its minute; one that had been put off
    // leaves the file.
    void dealtWith(const Announcement& reminder, int laterMinutes);
    // Milliseconds from `now` to just past the next minute boundary.
    static int delayToNextMinute(const QDateTime& now);

private:
    void scheduleNext();
    void showQueue();
    // True when the wall clock was set back since the last tick.
    bool setBack(const QDateTime& moment) const;
    // The reminders put off whose minute has come, taken into the queue once.
    QList<Announcement> waking(const QDateTime& now);

    AppContext& m_ctx;
    plans::RecentPlans m_plans; // myfile.kyt, read again only when it has changed
    QTimer m_timer;
    QDateTime m_doneUpTo;
    QDate m_allDayDoneFor;
    QDate m_lastTickDate;
    SnoozeFile m_snoozes;
    QList<Announcement> m_waking;        // taken from the file, not yet dealt with
    QQueue<QList<Announcement>> m_queue; // a single box, or a list
    std::optional<QList<Announcement>> m_onScreen;
    // What the last tick saw, to tell a clock set back from time going on.
    qint64 m_seenUtcMs = 0;
    qint64 m_seenMonotonicMs = 0;
    int m_seenOffset = 0;
    bool m_seen = false;
    bool m_showing = false;
    bool m_paused = false;
    bool m_running = false;
};

} // namespace velkor::shell
