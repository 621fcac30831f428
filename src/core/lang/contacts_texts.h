#pragma once

#include "core/base/services.h"

#include <QString>
#include <QStringList>

// The words of the directory's vCard import and export, in both languages.
namespace velkor::lang::contacts {

QString importCaption(Language language);
QString exportCaption(Language language);
QString importTitle(Language language);
QString exportTitle(Language language);
// The file dialogs' filter: vCard files, then every file.
QString fileFilter(Language language);

QString openFailed(Language language, const QString& file, const QString& error);
QString notVCard(Language language, const QString& file, int line);
QString truncated(Language language, const QString& file, int line);
QString unknownCharset(Language language, const QString& file, int line, const QString& charset);
QString valueTooLong(Language language, const QString& file, int line, int kilobytes);
QString tooMuch(Language language, const QString& file, qsizetype contactsRead);
QString directoryUnreadable(Language language, const QString& error);
QString notSaved(Language language, const QString& error);

// Names already in the directory with another number; keep both, overwrite, cancel.
QString conflictQuestion(Language language, qsizetype count, const QStringList& someNames);
QStringList conflictChoices(Language language);
QString cancelled(Language language);

struct ImportCounts {
    qsizetype added = 0;       // new names
    qsizetype renamed = 0;     // kept beside a namesake, as "Name (2)"
    qsizetype overwritten = 0; // a namesake took the file's number and address
    qsizetype same = 0;        // already there with that number
    qsizetype leftOut = 0;     // cards with neither a name nor a number
};
QString imported(Language language, const QString& file, const ImportCounts& counts);

QString nothingToExport(Language language);
QString writeFailed(Language language, const QString& file, const QString& error);
QString exported(Language language, const QString& file, qsizetype count);

} // namespace velkor::lang::contacts
