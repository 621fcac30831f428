#include "core/lang/contacts_texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velkor::lang::contacts {

namespace {

QString shown(const QString& file) {
    return QDir::toNativeSeparators(file);
}

// "1 contact", "3 contacts": the count and its word, in the form the language gives that count.
QString counted(const char* words, qsizetype count) {
    return QCoreApplication::translate("Contacts", words, nullptr, int(count));
}

} // namespace

QString importCaption() {
    return QCoreApplication::translate("Contacts", "Import…");
}

QString exportCaption() {
    return QCoreApplication::translate("Contacts", "Export…");
}

QString importTitle() {
    return QCoreApplication::translate("Contacts", "Import Contacts");
}

QString exportTitle() {
    return QCoreApplication::translate("Contacts", "Export the Directory");
}

QString fileFilter() {
    return QCoreApplication::translate("Contacts", "vCard files (*.vcf *.vcard);;All files (*)");
}

QString openFailed(const QString& file, const QString& error) {
    return QCoreApplication::translate("Contacts", "%1 could not be opened: %2").arg(shown(file), error);
}

QString notVCard(const QString& file, int line) {
    if (line == 0)
        return QCoreApplication::translate("Contacts",
                                           "%1 holds no contact card (vCard). Nothing was imported.")
            .arg(shown(file));
    return QCoreApplication::translate("Contacts", "%1 is not a vCard file (line %2). Nothing was imported.")
        .arg(shown(file))
        .arg(line);
}

QString truncated(const QString& file, int line) {
    return QCoreApplication::translate(
               "Contacts",
               "%1: the contact card that begins on line %2 has no end; the file seems cut short. Nothing "
               "was imported.")
        .arg(shown(file))
        .arg(line);
}

QString unknownCharset(const QString& file, int line, const QString& charset) {
    return QCoreApplication::translate(
               "Contacts", "%1, line %2: the character set “%3” is not known. Nothing was imported.")
        .arg(shown(file))
        .arg(line)
        .arg(charset);
}

QString valueTooLong(const QString& file, int line, int kilobytes) {
    return QCoreApplication::translate("Contacts",
                                       "%1, line %2: a value longer than %3 KB. Nothing was imported.")
        .arg(shown(file))
        .arg(line)
        .arg(kilobytes);
}

QString tooMuch(const QString& file, qsizetype contactsRead) {
    return QCoreApplication::translate(
               "Contacts",
               "%1 holds more text than can be imported at once (the limit was passed after %2 contacts). "
               "Nothing was imported.")
        .arg(shown(file))
        .arg(contactsRead);
}

QString directoryUnreadable(const QString& error) {
    return QCoreApplication::translate("Contacts", "The directory could not be read: %1").arg(error);
}

QString notSaved(const QString& error) {
    return QCoreApplication::translate("Contacts",
                                       "The directory could not be written; nothing was imported: %1")
        .arg(error);
}

QString conflictQuestion(qsizetype count, const QStringList& someNames) {
    QString names = someNames.join(QStringLiteral(", "));
    if (count > someNames.size())
        names += QStringLiteral(", …");
    return QCoreApplication::translate(
               "Contacts",
               "%1 contacts in the file are in the directory under the same name with another number: "
               "%2\n\nKeep both (the new one is added with a number, as “Name (2)”), or overwrite the "
               "directory's entries?")
        .arg(count)
        .arg(names);
}

QStringList conflictChoices() {
    return {QCoreApplication::translate("Contacts", "Keep Both"),
            QCoreApplication::translate("Contacts", "Overwrite"),
            QCoreApplication::translate("Contacts", "Cancel")};
}

QString cancelled() {
    return QCoreApplication::translate("Contacts", "The import was cancelled; the directory is unchanged.");
}

QString imported(const QString& file, const ImportCounts& c) {
    QStringList parts{counted(QT_TRANSLATE_N_NOOP("Contacts", "%n contact(s) added"), c.added)};
    if (c.renamed > 0)
        parts.append(
            counted(QT_TRANSLATE_N_NOOP("Contacts", "%n added under (a) numbered name(s)"), c.renamed));
    if (c.overwritten > 0)
        parts.append(
            counted(QT_TRANSLATE_N_NOOP("Contacts", "%n (entry|entries) overwritten"), c.overwritten));
    if (c.same > 0)
        parts.append(
            counted(QT_TRANSLATE_N_NOOP("Contacts", "%n already in the directory, skipped"), c.same));
    if (c.leftOut > 0)
        parts.append(counted(QT_TRANSLATE_N_NOOP("Contacts", "%n card(s) without a name or number left out"),
                             c.leftOut));
    return QFileInfo(file).fileName() + QStringLiteral(": ") + parts.join(QStringLiteral("; ")) + u'.';
}

QString nothingToExport() {
    return QCoreApplication::translate("Contacts", "The directory is empty: there is nothing to export.");
}

QString writeFailed(const QString& file, const QString& error) {
    return QCoreApplication::translate("Contacts", "%1 could not be written: %2").arg(shown(file), error);
}

QString exported(const QString& file, qsizetype count) {
    return QCoreApplication::translate("Contacts", "%1 exported to %2.")
        .arg(counted(QT_TRANSLATE_N_NOOP("Contacts", "%n (entry|entries)"), count), shown(file));
}

} // namespace velkor::lang::contacts
