#pragma once

#include "core/diary/diary_store.h"
#include "core/foreign/frames.h"
#include "core/interop/calendar_transfer.h"
#include "core/interop/ics_reader.h"
#include "core/plans/plan_record.h"

#include <QList>

namespace velkor::interop {

// A journal entry of the file; an undated one takes the day of the import.
struct JournalRecord {
    diary::EntryWithFiles added;
    bool dated = false;
};

// Everything a calendar file brings, worked out in the reader process: plans where the user lives, the
// events that are no plans, the journal entries. Nothing of it is stored yet.
struct CalendarRecords {
    IcsScan scan;
    QString unknownCharset; // a CHARSET the file names that Velkor does not know
    QList<plans::PlanRecord> plans;
    QList<LeftOutEvent> leftOut;
    QList<JournalRecord> journals;
};

CalendarRecords readCalendarRecords(const QString& file);

// The entry with its day, month and year texts set to `date`.
diary::DiaryEntry datedEntry(diary::DiaryEntry entry, const QDate& date);

// The records as frames, the last one saying how the reading ended.
bool writeCalendarRecords(const CalendarRecords& records, foreign::FrameWriter& out);

// Takes the frames back, each checked: false for one that is not a record as the reader writes them.
class CalendarReceiver {
public:
    bool take(const QByteArray& frame);
    // The closing frame came: the records are whole.
    bool complete() const { return m_complete; }
    CalendarRecords records;

private:
    bool m_complete = false;
};

} // namespace velkor::interop
