#pragma once

#include "core/interop/calendar_reading.h"
#include "core/plans/plan_record.h"

#include <QByteArray>
#include <QDateTime>

#include <optional>

namespace velkor::interop {

// One calendar object as a CalDAV server holds it (a VCALENDAR with one event or journal entry) and what it
// becomes here: a plan, an event left out, or a journal entry.
struct CalendarObject {
    QByteArray uid;
    std::optional<plans::PlanRecord> plan;
    std::optional<LeftOutEvent> leftOut;
    std::optional<JournalRecord> journal;
};
CalendarObject readCalendarObject(const QByteArray& text);

// A plan as a calendar object of its own: the yearly event the export writes, under `uid`, with an alarm
// at the plan's minute for a timed plan so that phones ring as Velkor does.
QByteArray planObject(const plans::PlanRecord& plan, const QByteArray& uid, const QDateTime& now);

} // namespace velkor::interop
