#pragma once

#include "core/base/core_context.h"
#include "core/interop/transfer.h"
#include "core/lang/transfer_texts.h"

#include <QList>
#include <QString>

namespace velkor::interop {

// An event of the file that is not a yearly plan.
struct LeftOutEvent {
    QString start; // as the file gives it: yyyy-MM-dd, and the time when there is one
    QString summary;
    lang::transfer::LeftOut why;
};

struct CalendarImport {
    TransferResult result;
    int plansAdded = 0;
    int entriesAdded = 0;
    int alreadyThere = 0; // plans and entries the data held already
    QList<LeftOutEvent> leftOut;
};

// Takes the yearly events of an iCalendar file as plans and its journal entries into the diary, in one
// rewrite of the plan file and one change of the diary: a file that cannot be read whole adds nothing.
CalendarImport importCalendarFile(const QString& file, CoreContext& context);
TransferResult importCalendar(const QString& file, CoreContext& context);

// Writes every plan as a yearly event and every diary entry as a journal entry into one calendar.
TransferResult exportCalendar(const QString& file, CoreContext& context);

} // namespace velkor::interop
