#pragma once

#include "core/base/services.h"

#include <QString>
#include <QStringList>

// The words of imports and exports through files, in both languages.
namespace velkor::lang::transfer {

// Why an event of a calendar did not become a plan.
enum class LeftOut {
    OneOff,
    Daily,
    Weekly,
    Monthly,
    YearlyMoving,
    YearlyNotEvery,
    YearlyEnding,
    Occurrence,
    NoDate
};
QString leftOutReason(LeftOut why);

QString imported(int plans, int entries, int leftOut, int alreadyThere);
QString exported(int plans, int entries, int undated, const QString& file);

QString notCalendar(const QString& file);
QString truncated(const QString& file);
QString tooLarge(const QString& file, qint64 bytes, qint64 limit);
QString lineTooLong(const QString& file, int line, qint64 limit);
QString nestedTooDeep(const QString& file, int line, int depth);
QString unreadable(const QString& file, const QString& reason);
QString unknownCharset(const QString& file, const QString& charset);
QString cannotWrite(const QString& file, const QString& reason);
// Nothing was stored: the store's own words follow.
QString nothingImported(const QString& reason);
// Another import or export is under way.
QString busy();
// Neither a calendar nor a contacts file by its name or its first line.
QString unknownKind(const QString& file);

// The window of the events left out.
QString leftOutTitle();
QString leftOutText(const QString& summary);
// Start, event, reason.
QStringList leftOutColumns();

QString importTitle();
QString exportTitle();
QString calendarFilter();
QString contactsFilter();

} // namespace velkor::lang::transfer
