#include "core/interop/calendar_reading.h"
#include "core/interop/calendar_transfer.h"
#include "core/interop/ics_reader.h"

#include "core/base/link_target.h"
#include "core/base/record_file.h"
#include "core/diary/diary_store.h"
#include "core/foreign/child_reader.h"
#include "core/foreign/plain_file.h"
#include "core/plans/plan_store.h"

#include <QFile>
#include <QSet>

namespace velkor::interop {

namespace {

using plans::PlanRecord;

QString entryKey(const diary::DiaryEntry& e) {
    return QStringList{e.day, e.month, e.year, e.subject, e.content}.join(QChar(0));
}

QString faultText(const IcsScan& scan, const QString& file) {
    switch (scan.fault) {
    case IcsFault::Unreadable:
        return lang::transfer::unreadable(file, scan.error);
    case IcsFault::TooLarge:
        return lang::transfer::tooLarge(file, scan.size, MaxCalendarBytes);
    case IcsFault::NotCalendar:
        return lang::transfer::notCalendar(file);
    case IcsFault::Truncated:
        return lang::transfer::truncated(file);
    case IcsFault::LineTooLong:
        return lang::transfer::lineTooLong(file, scan.line, MaxCalendarLineBytes);
    case IcsFault::TooDeep:
        return lang::transfer::nestedTooDeep(file, scan.line, MaxCalendarDepth);
    case IcsFault::None:
        break;
    }
    return {};
}

} // namespace

CalendarImport importCalendarFile(const QString& file, CoreContext& context) {
    CalendarImport outcome;
    const auto fail = [&](const QString& text) {
        outcome.result = {false, text};
        return outcome;
    };
    if (const QString why = foreign::whyNotPlain(file); !why.isEmpty())
        return fail(lang::transfer::unreadable(file, why));
    CalendarReceiver receiver;
    const foreign::ReaderOutcome read =
        foreign::runReader(context.readerProgram, {QStringLiteral("calendar"), file},
                           [&receiver](const QByteArray& frame) { return receiver.take(frame); });
    if (!read.ok() || !receiver.complete())
        return fail(lang::transfer::unreadable(file, foreign::readerFailure(read)));
    CalendarRecords& reading = receiver.records;
    if (reading.scan.fault != IcsFault::None)
        return fail(faultText(reading.scan, file));
    if (!reading.unknownCharset.isEmpty())
        return fail(lang::transfer::unknownCharset(file, reading.unknownCharset));

    const plans::PlanStore planStore(plans::planFileIn(context.dataDir));
    const auto existingPlans = planStore.readPlans();
    if (!existingPlans.ok())
        return fail(lang::transfer::nothingImported(existingPlans.error));
    QSet<PlanRecord> present(existingPlans.value.cbegin(), existingPlans.value.cend());
    QList<PlanRecord> newPlans;
    outcome.leftOut = std::move(reading.leftOut);
    for (const PlanRecord& plan : std::as_const(reading.plans)) {
        if (present.contains(plan)) {
            ++outcome.alreadyThere;
            continue;
        }
        present.insert(plan);
        newPlans.append(plan);
    }

    const diary::DiaryStore diary(context.dataDir);
    const auto existingEntries = diary.readEntries();
    if (!existingEntries.ok())
        return fail(lang::transfer::nothingImported(existingEntries.error));
    QSet<QString> entriesThere;
    for (const diary::DiaryEntry& entry : existingEntries.value)
        entriesThere.insert(entryKey(entry));
    QList<diary::EntryWithFiles> newEntries;
    for (JournalRecord& journal : reading.journals) {
        diary::EntryWithFiles& added = journal.added;
        if (!journal.dated)
            added.entry = datedEntry(added.entry, context.clock->now().date());
        // Entries the diary held before are not added again; two alike in the file are two entries.
        if (entriesThere.contains(entryKey(added.entry))) {
            ++outcome.alreadyThere;
            continue;
        }
        newEntries.append(std::move(added));
    }

    // The plans go first, their file kept as it was so that a diary that will not take its entries
    // leaves no plan of this import behind.
    const QString planFile = planStore.path();
    const bool planFileExisted = QFile::exists(planFile);
    QByteArray planBytes;
    if (planFileExisted) {
        QFile before(planFile);
        if (!before.open(QIODevice::ReadOnly))
            return fail(lang::transfer::nothingImported(before.errorString()));
        planBytes = before.readAll();
    }
    if (const IoResult added = planStore.addPlans(newPlans); !added)
        return fail(lang::transfer::nothingImported(added.error));
    if (const auto added = diary.addEntries(newEntries); !added.ok()) {
        if (!newPlans.isEmpty()) {
            if (planFileExisted)
                rewriteRecordFile(planFile, planBytes);
            else
                QFile::remove(pathToWrite(planFile).value); // the linked file, never the link
        }
        return fail(lang::transfer::nothingImported(added.error));
    }
    outcome.plansAdded = int(newPlans.size());
    outcome.entriesAdded = int(newEntries.size());
    outcome.result = {true, lang::transfer::imported(outcome.plansAdded, outcome.entriesAdded,
                                                     int(outcome.leftOut.size()), outcome.alreadyThere)};
    return outcome;
}

TransferResult importCalendar(const QString& file, CoreContext& context) {
    return importCalendarFile(file, context).result;
}

} // namespace velkor::interop
