#include "core/lang/transfer_texts.h"

#include <QCoreApplication>
#include <QDir>

namespace velkor::lang::transfer {

namespace {

QString shown(const QString& file) {
    return QDir::toNativeSeparators(file);
}

double megabytes(qint64 bytes) {
    return double(bytes) / (1024.0 * 1024.0);
}

} // namespace

QString leftOutReason(LeftOut why) {
    switch (why) {
    case LeftOut::OneOff:
        return QCoreApplication::translate("Transfer", "once only");
    case LeftOut::Daily:
        return QCoreApplication::translate("Transfer", "daily");
    case LeftOut::Weekly:
        return QCoreApplication::translate("Transfer", "weekly");
    case LeftOut::Monthly:
        return QCoreApplication::translate("Transfer", "monthly");
    case LeftOut::YearlyMoving:
        return QCoreApplication::translate("Transfer", "yearly on a moving day");
    case LeftOut::YearlyNotEvery:
        return QCoreApplication::translate("Transfer", "not every year");
    case LeftOut::YearlyEnding:
        return QCoreApplication::translate("Transfer", "yearly until a set end");
    case LeftOut::Occurrence:
        return QCoreApplication::translate("Transfer", "a change to one occurrence");
    case LeftOut::NoDate:
        return QCoreApplication::translate("Transfer", "no date");
    }
    return {};
}

QString imported(int plans, int entries, int leftOut, int alreadyThere) {
    QString line = QCoreApplication::translate("Transfer", "Imported %1 plans and %2 diary entries.")
                       .arg(plans)
                       .arg(entries);
    if (leftOut > 0)
        line +=
            QCoreApplication::translate("Transfer", " Left out %1 events that are not yearly.").arg(leftOut);
    if (alreadyThere > 0)
        line += QCoreApplication::translate("Transfer", " %1 were already there.").arg(alreadyThere);
    return line;
}

QString exported(int plans, int entries, int undated, const QString& file) {
    QString line = QCoreApplication::translate("Transfer", "Exported %1 plans and %2 diary entries to %3.")
                       .arg(plans)
                       .arg(entries)
                       .arg(shown(file));
    if (undated > 0)
        line += QCoreApplication::translate("Transfer", " Left out %1 plans for days no calendar has.")
                    .arg(undated);
    return line;
}

QString notCalendar(const QString& file) {
    return QCoreApplication::translate("Transfer", "%1 is not an iCalendar file; nothing was imported.")
        .arg(shown(file));
}

QString truncated(const QString& file) {
    return QCoreApplication::translate("Transfer",
                                       "%1 is cut short (its calendar never ends); nothing was imported.")
        .arg(shown(file));
}

QString tooLarge(const QString& file, qint64 bytes, qint64 limit) {
    return QCoreApplication::translate(
               "Transfer", "%1 is %2 MB; Velkor imports calendars of up to %3 MB. Nothing was imported.")
        .arg(shown(file))
        .arg(megabytes(bytes), 0, 'f', 1)
        .arg(megabytes(limit), 0, 'f', 0);
}

QString lineTooLong(const QString& file, int line, qint64 limit) {
    return QCoreApplication::translate(
               "Transfer",
               "Line %2 of %1 is longer than %3 MB; Velkor does not read such calendars. Nothing was "
               "imported.")
        .arg(shown(file))
        .arg(line)
        .arg(megabytes(limit), 0, 'f', 0);
}

QString nestedTooDeep(const QString& file, int line, int depth) {
    return QCoreApplication::translate(
               "Transfer", "%1 nests its components deeper than %3 levels at line %2; nothing was imported.")
        .arg(shown(file))
        .arg(line)
        .arg(depth);
}

QString busy() {
    return QCoreApplication::translate(
        "Transfer", "Velkor is busy with another import or export; try again in a moment.");
}

QString unreadable(const QString& file, const QString& reason) {
    return QCoreApplication::translate("Transfer", "%1 cannot be read: %2").arg(shown(file), reason);
}

QString unknownCharset(const QString& file, const QString& charset) {
    return QCoreApplication::translate(
               "Transfer", "%1 uses a character set Velkor does not know (%2); nothing was imported.")
        .arg(shown(file), charset);
}

QString cannotWrite(const QString& file, const QString& reason) {
    return QCoreApplication::translate("Transfer", "%1 cannot be written: %2").arg(shown(file), reason);
}

QString nothingImported(const QString& reason) {
    return QCoreApplication::translate("Transfer", "Nothing was imported: %1")
        .arg(QString(reason).replace(u'\n', u' '));
}

QString unknownKind(const QString& file) {
    return QCoreApplication::translate("Transfer",
                                       "%1 is neither a calendar (.ics) nor a contacts (.vcf) file.")
        .arg(shown(file));
}

QString leftOutTitle() {
    return QCoreApplication::translate("Transfer", "Events Left Out");
}

QString leftOutText(const QString& summary) {
    return summary + u'\n' +
           QCoreApplication::translate(
               "Transfer", "A plan falls on the same day every year; these events cannot be plans:");
}

QStringList leftOutColumns() {
    return {QCoreApplication::translate("Transfer", "Start"),
            QCoreApplication::translate("Transfer", "Event"), QCoreApplication::translate("Transfer", "Why")};
}

QString importTitle() {
    return QCoreApplication::translate("Transfer", "Import");
}

QString exportTitle() {
    return QCoreApplication::translate("Transfer", "Export");
}

QString calendarFilter() {
    return QCoreApplication::translate("Transfer", "iCalendar files (*.ics *.ical *.ifb)");
}

QString contactsFilter() {
    return QCoreApplication::translate("Transfer", "vCard files (*.vcf *.vcard)");
}

} // namespace velkor::lang::transfer
