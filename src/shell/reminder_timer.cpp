#include "shell/reminder_timer.h"

#include "shell/reminder_list.h"

#include "core/lang/messages.h"

#include <QFileInfo>

#include <algorithm>

namespace velkor::shell {

ReminderTimer::ReminderTimer(AppContext& context, QString planFile, QString snoozeFile, QObject* parent)
    : QObject(parent), m_ctx(context), m_plans(std::move(planFile)), m_snoozes(std::move(snoozeFile)) {
    m_timer.setObjectName(QStringLiteral("Timer2"));
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ReminderTimer::tick);
}

int ReminderTimer::delayToNextMinute(const QDateTime& now) {
    const int intoMinute = now.time().second() * 1000 + now.time().msec();
    return 60000 - intoMinute + 20; // a little past the boundary, so the tick sees the new minute
}

void ReminderTimer::start(const QDateTime& startMinute) {
    m_doneUpTo = minuteOf(startMinute).addSecs(-60);
    m_lastTickDate = startMinute.date();
    m_running = true;
    tick();
}

void ReminderTimer::setPaused(bool paused) {
    m_paused = paused;
    if (!paused && m_running)
        tick(); // what fell due meanwhile comes now
}

void ReminderTimer::scheduleNext() {
    if (m_running)
        m_timer.start(delayToNextMinute(m_ctx.clock->now()));
}

bool ReminderTimer::setBack(const QDateTime& moment) const {
    if (!m_seen)
        return false;
    constexpr qint64 Tolerance = 60 * 1000;
    const qint64 utc = moment.toMSecsSinceEpoch();
    const qint64 expected = m_seenUtcMs + (m_ctx.clock->monotonicMs() - m_seenMonotonicMs);
    if (utc < expected - Tolerance)
        return true;
    // Daylight saving changes the offset by the zone's own rules, and UTC goes on: not a step. A move to
    // another zone reads the last tick's instant differently too; if the wall clock then reads earlier
    // than time going on allows, it was set back.
    const int seenOffsetNow = QDateTime::fromMSecsSinceEpoch(m_seenUtcMs, Qt::LocalTime).offsetFromUtc();
    if (seenOffsetNow == m_seenOffset)
        return false;
    return utc + moment.offsetFromUtc() * 1000LL < expected + m_seenOffset * 1000LL - Tolerance;
}

void ReminderTimer::tick() {
    scheduleNext();
    if (m_paused)
        return;
    const QDateTime moment = m_ctx.clock->now();
    const QDateTime now = minuteOf(moment);
    if (setBack(moment)) {
        // The minutes from here on arrive again on the wall clock, and are announced again as they do; the
        // minute landed in has not arrived.
        m_doneUpTo = now;
        if (m_allDayDoneFor.isValid())
            m_allDayDoneFor = std::min(m_allDayDoneFor, now.date());
    }
    m_seenUtcMs = moment.toMSecsSinceEpoch();
    m_seenMonotonicMs = m_ctx.clock->monotonicMs();
    m_seenOffset = moment.offsetFromUtc();
    m_seen = true;
    if (now.date() != m_lastTickDate) {
        m_lastTickDate = now.date();
        if (onNewDay)
            onNewDay();
    }

    // The days this tick can announce: from the last minute dealt with (or the day after the last all-day
    // announcement) to today.
    QDate from = std::min(m_doneUpTo.date(), now.date());
    if (m_allDayDoneFor.isValid())
        from = std::min(from, std::min(m_allDayDoneFor.addDays(1), now.date()));
    const auto plans = m_plans.on(plans::DaySet::between(from, now.date()));
    QList<Announcement> due;
    // When the plans cannot be read, the next tick tries again and catches up what this one missed.
    if (plans.ok()) {
        due = dueReminders(plans.value, m_doneUpTo, m_allDayDoneFor, now);
        // A repeated hour (daylight saving ends) reads earlier than what was dealt with: nothing arrives
        // twice.
        m_doneUpTo = std::max(m_doneUpTo, now);
        m_allDayDoneFor = m_allDayDoneFor.isValid() ? std::max(m_allDayDoneFor, now.date()) : now.date();
    }
    due += waking(now);
    if (due.isEmpty() && !plans.ok())
        return;
    if (due.size() > ListThreshold) {
        m_queue.enqueue(due);
    } else {
        for (const Announcement& a : due)
            m_queue.enqueue({a});
    }
    showQueue();
}

void ReminderTimer::showQueue() {
    if (m_showing)
        return; // the box on screen shows the rest when it closes
    m_showing = true;
    while (!m_queue.isEmpty()) {
        m_onScreen = m_queue.dequeue();
        announce(m_ctx, *m_onScreen, Beep::EveryBox,
                 [this](const Announcement& reminder, int later) { dealtWith(reminder, later); });
        m_onScreen.reset();
    }
    m_showing = false;
    if (onAllAnnounced)
        onAllAnnounced(m_doneUpTo);
}

QList<Announcement> ReminderTimer::waking(const QDateTime& now) {
    if (!QFileInfo::exists(m_snoozes.path()))
        return {};
    const auto snoozes = m_snoozes.read();
    QList<Announcement> come;
    for (const Announcement& s : snoozes.value) {
        const bool taken = std::any_of(m_waking.cbegin(), m_waking.cend(),
                                       [&](const Announcement& w) { return sameSnooze(w, s); });
        if (s.wake <= now && !taken)
            come.append(s);
    }
    std::stable_sort(come.begin(), come.end(),
                     [](const Announcement& a, const Announcement& b) { return a.wake < b.wake; });
    m_waking += come;
    return come;
}

void ReminderTimer::dealtWith(const Announcement& reminder, int laterMinutes) {
    if (laterMinutes > 0) {
        Announcement later = reminder;
        later.wake = minuteOf(m_ctx.clock->now()).addSecs(60LL * laterMinutes);
        if (const IoResult added = m_snoozes.add(later); !added)
            m_ctx.prompter->warn(QString(), lang::reminders::cannotPutOff(added.error));
    }
    if (!reminder.wake.isValid())
        return;
    // Put off again, or done: out of the file. Should that fail it stays taken, and comes again only after
    // a restart.
    if (m_snoozes.drop(reminder).ok()) {
        m_waking.removeIf([&](const Announcement& w) { return sameSnooze(w, reminder); });
    }
}

} // namespace velkor::shell

namespace velkor::shell {

QDateTime ReminderTimer::settledUpTo(const QDateTime& now) const {
    QDateTime settled = std::min(minuteOf(now), m_running ? m_doneUpTo : minuteOf(now));
    // Reminders put off wait in their own file, whatever the exit stamp says.
    const auto earlier = [&](const QList<Announcement>& group) {
        for (const Announcement& a : group)
            if (!a.wake.isValid())
                settled = std::min(settled, a.due.addSecs(-60));
    };
    if (m_onScreen)
        earlier(*m_onScreen);
    for (const auto& group : m_queue)
        earlier(group);
    return settled;
}

} // namespace velkor::shell
