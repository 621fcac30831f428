#pragma once

#include "core/plans/plan_record.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace velkor::shell {

struct Announcement {
    QDateTime due; // the plan's wall-clock moment (an all-day plan: the start of its day)
    QString title;
    QString text;
    bool allDay;
    // Set on a reminder put off: the wall reading at which it comes again (see minuteOf).
    QDateTime wake = {};
};

// The title of a reminder, missed or on time: the date in the program's one form, then "  14:30" or "  9:00".
QString reminderTitle(const QDate& date, int hour, int minute);
QString allDayTitle(const QDate& date);

// Plans missed while the program was not running, from the last exit (or last reminder stamp) to `now`:
// on the exit day timed plans after it, every plan of the days between, on today timed plans before now.
// Today's later and all-day plans are the timer's. A missing exit moment, or the year-3000 mark of a start
// without a clean exit, counts from 01:01 on the 1st of this month. A gap of 12 months or more, or an exit
// moment after now, announces nothing. `lastExit` and `now` are wall readings or local moments. In file
// order; one plan's dates in date order.
QList<Announcement> catchUp(const QList<plans::PlanRecord>& plans, std::optional<QDateTime> lastExit,
                            const QDateTime& now);

// The minute the local wall clock shows at `moment`, as a plain reading without a time zone (carried as
// UTC). Reminders compare such readings, never instants: a plan is due when the wall clock shows its minute,
// and a minute that a daylight-saving change skips or repeats is still a reading to compare with.
QDateTime minuteOf(const QDateTime& moment);
// A date and time as such a reading.
QDateTime wallReading(const QDate& date, const QTime& time);

// What the timer announces for the minutes after `doneUpTo` up to and including `now`'s minute (at most 12
// months back), and the all-day plans of the days after `allDayDoneFor` up to today (today only when
// invalid). Ordered by moment, then file order.
QList<Announcement> dueReminders(const QList<plans::PlanRecord>& plans, const QDateTime& doneUpTo,
                                 const QDate& allDayDoneFor, const QDateTime& now);

} // namespace velkor::shell
