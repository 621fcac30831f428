#include "core/plans/reminders.h"

#include "core/lang/vocabulary.h"

#include <algorithm>

namespace velkor::shell {

using plans::PlanRecord;

namespace {

QString signBlank(int n) {
    return QLatin1Char(' ') + QString::number(n);
}

int minuteOfDay(const QTime& t) {
    return t.hour() * 60 + t.minute();
}
int minuteOfDay(const PlanRecord& p) {
    return p.hour * 60 + p.minute;
}

// The dates in [first, last] that carry the plan's month and day (one per year at most).
template <typename F>
void forEachDateOf(const PlanRecord& plan, const QDate& first, const QDate& last, F&& visit) {
    for (int year = first.year(); year <= last.year(); ++year) {
        const QDate date(year, plan.month, plan.day);
        if (date.isValid() && date >= first && date <= last)
            visit(date);
    }
}

constexpr int FirstStartYear = 3000;

} // namespace

QString allDayTitle(const QDate& date) {
    return lang::dateText(date);
}

QString reminderTitle(const QDate& date, int hour, int minute) {
    QString title = allDayTitle(date) + QLatin1Char(' ') + signBlank(hour) + QLatin1Char(':');
    if (minute == 0)
        title += QStringLiteral("00");
    else if (minute == 30)
        title += QStringLiteral("30");
    return title;
}

QDateTime wallReading(const QDate& date, const QTime& time) {
    return QDateTime(date, time, Qt::UTC);
}

QDateTime minuteOf(const QDateTime& moment) {
    return wallReading(moment.date(), QTime(moment.time().hour(), moment.time().minute()));
}

QList<Announcement> catchUp(const QList<PlanRecord>& plans, std::optional<QDateTime> lastExit,
                            const QDateTime& now) {
    const QDateTime end = minuteOf(now);
    QDateTime last;
    if (!lastExit || !lastExit->isValid() || lastExit->date().year() == FirstStartYear)
        last = wallReading(QDate(end.date().year(), end.date().month(), 1), QTime(1, 1));
    else
        last = minuteOf(*lastExit);
    if (last > end)
        return {}; // the clock was set back
    const int monthGap =
        (end.date().year() - last.date().year()) * 12 + end.date().month() - last.date().month();
    if (monthGap >= 12)
        return {};

    const QDate firstDay = last.date(), today = end.date();
    const int lastMinute = minuteOfDay(last.time()), nowMinute = minuteOfDay(end.time());
    QList<Announcement> found;
    for (const PlanRecord& plan : plans) {
        forEachDateOf(plan, firstDay, today, [&](const QDate& d) {
            bool announce = false;
            if (d == firstDay && d == today)
                announce = plan.hasTime() && lastMinute < minuteOfDay(plan) && minuteOfDay(plan) < nowMinute;
            else if (d == firstDay)
                announce = plan.hasTime() && minuteOfDay(plan) > lastMinute;
            else if (d == today)
                announce = plan.hasTime() && minuteOfDay(plan) < nowMinute;
            else
                announce = true;
            if (announce) {
                const QTime at = plan.hasTime() ? QTime(plan.hour, plan.minute) : QTime(0, 0);
                found.append({wallReading(d, at.isValid() ? at : QTime(0, 0)),
                              plan.hasTime() ? reminderTitle(d, plan.hour, plan.minute) : allDayTitle(d),
                              plan.text, !plan.hasTime()});
            }
        });
    }
    return found;
}

QList<Announcement> dueReminders(const QList<PlanRecord>& plans, const QDateTime& doneUpTo,
                                 const QDate& allDayDoneFor, const QDateTime& now) {
    const QDateTime end = minuteOf(now);
    const QDateTime earliest = end.addMonths(-12);
    const QDateTime after = std::max(minuteOf(doneUpTo), earliest); // exclusive
    QDate firstAllDay = allDayDoneFor.isValid() ? allDayDoneFor.addDays(1) : end.date();
    firstAllDay = std::max(firstAllDay, earliest.date());

    QList<Announcement> due;
    for (const PlanRecord& plan : plans) {
        if (!plan.hasTime()) {
            forEachDateOf(plan, firstAllDay, end.date(), [&](const QDate& d) {
                due.append({wallReading(d, QTime(0, 0)), allDayTitle(d), plan.text, true});
            });
            continue;
        }
        const QTime at(plan.hour, plan.minute);
        if (!at.isValid())
            continue; // a time no clock shows
        if (after >= end)
            continue;
        forEachDateOf(plan, after.date(), end.date(), [&](const QDate& d) {
            const QDateTime moment = wallReading(d, at);
            if (moment > after && moment <= end)
                due.append({moment, reminderTitle(d, plan.hour, plan.minute), plan.text, false});
        });
    }
    // Stable: plans due at the same moment keep their file order.
    std::stable_sort(due.begin(), due.end(),
                     [](const Announcement& a, const Announcement& b) { return a.due < b.due; });
    return due;
}

} // namespace velkor::shell
