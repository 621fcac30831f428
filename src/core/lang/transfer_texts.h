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
QString leftOutReason(Language language, LeftOut why);

QString imported(Language language, int plans, int entries, int leftOut, int alreadyThere);
QString exported(Language language, int plans, int entries, int undated, const QString& file);

QString notCalendar(Language language, const QString& file);
QString truncated(Language language, const QString& file);
QString tooLarge(Language language, const QString& file, qint64 bytes, qint64 limit);
QString lineTooLong(Language language, const QString& file, int line, qint64 limit);
QString nestedTooDeep(Language language, const QString& file, int line, int depth);
QString unreadable(Language language, const QString& file, const QString& reason);
QString unknownCharset(Language language, const QString& file, const QString& charset);
QString cannotWrite(Language language, const QString& file, const QString& reason);
// Nothing was stored: the store's own words follow.
QString nothingImported(Language language, const QString& reason);
// Another import or export is under way.
QString busy(Language language);
// Neither a calendar nor a contacts file by its name or its first line.
QString unknownKind(Language language, const QString& file);

// The window of the events left out.
QString leftOutTitle(Language language);
QString leftOutText(Language language, const QString& summary);
// Start, event, reason.
QStringList leftOutColumns(Language language);

QString importTitle(Language language);
QString exportTitle(Language language);
QString calendarFilter(Language language);
QString contactsFilter(Language language);

} // namespace velkor::lang::transfer
