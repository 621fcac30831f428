#pragma once

#include "shell/reminders.h"
#include "support/app_context.h"

#include <QDateTime>
#include <QObject>
#include <QQueue>
#include <QTimer>

#include <functional>
#include <optional>

namespace velkor::shell {

// Announces plans at their minute. Ticks fall on minute boundaries; each covers every minute since the last
// one it saw, so minutes lost to sleep, a blocked loop or a pause are announced late rather than never.
// Boxes come one at a time from a queue: a tick while a box is open adds to the queue and drops nothing.
class ReminderTimer final : public QObject {
    Q_OBJECT
public:
    ReminderTimer(AppContext& context, QString planFile, QObject* parent = nullptr);

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

    QDateTime doneUpTo() const { return m_doneUpTo; }
    // The moment up to which every reminder has been seen by the user: `now`, or just before the first one
    // still waiting or on screen. The exit step records it, so an exit never swallows a waiting reminder.
    QDateTime settledUpTo(const QDateTime& now) const;
    int queued() const { return int(m_queue.size()); }
    // Milliseconds from `now` to just past the next minute boundary.
    static int delayToNextMinute(const QDateTime& now);

private:
    void scheduleNext();
    void showQueue();

    AppContext& m_ctx;
    QString m_planFile;
    QTimer m_timer;
    QDateTime m_doneUpTo;
    QDate m_allDayDoneFor;
    QDate m_lastTickDate;
    QQueue<Announcement> m_queue;
    std::optional<Announcement> m_onScreen;
    bool m_showing = false;
    bool m_paused = false;
    bool m_running = false;
};

} // namespace velkor::shell
