#pragma once

#include "core/interop/calendar_reading.h"
#include "core/plans/plan_record.h"

#include <QByteArray>
#include <QDateTime>

#include <optional>

namespace velkor::interop {

// One calendar object as a CalDAV server holds it (a VCALENDAR with one event or journal entry) and what it
// becomes here: a plan, an event left out, or a journal entry.
// A file carried inside a journal entry.
struct CarriedFile {
    QString name;
    QByteArray bytes;
};

struct CalendarObject {
    QByteArray uid;
    QList<CarriedFile> carried; // of the journal entry
    std::optional<plans::PlanRecord> plan;
    std::optional<LeftOutEvent> leftOut;
    std::optional<JournalRecord> journal;
};
CalendarObject readCalendarObject(const QByteArray& text);

// A plan as a calendar object of its own: the yearly event the export writes, under `uid`, with an alarm
// at the plan's minute for a timed plan so that phones ring as Velkor does.
QByteArray planObject(const plans::PlanRecord& plan, const QByteArray& uid, const QDateTime& now);

// A diary entry as a journal entry of its own under `uid`. Files up to `inlineLimit` bytes travel inside it;
// larger or unreadable ones are only named (by their path), and listed in `namedOnly`.
QByteArray journalObject(const diary::EntryWithFiles& entry, const QByteArray& uid, const QDateTime& now,
                         qint64 inlineLimit, QStringList* namedOnly);

} // namespace velkor::interop
