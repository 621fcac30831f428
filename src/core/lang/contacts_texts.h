#pragma once

#include "core/base/services.h"

#include <QString>
#include <QStringList>

// The words of the directory's vCard import and export, in both languages.
namespace velkor::lang::contacts {

QString importCaption();
QString exportCaption();
QString importTitle();
QString exportTitle();
// The file dialogs' filter: vCard files, then every file.
QString fileFilter();

QString openFailed(const QString& file, const QString& error);
QString notVCard(const QString& file, int line);
QString truncated(const QString& file, int line);
QString unknownCharset(const QString& file, int line, const QString& charset);
QString valueTooLong(const QString& file, int line, int kilobytes);
QString tooMuch(const QString& file, qsizetype contactsRead);
QString directoryUnreadable(const QString& error);
QString notSaved(const QString& error);

// Names already in the directory with another number; keep both, overwrite, cancel.
QString conflictQuestion(qsizetype count, const QStringList& someNames);
QStringList conflictChoices();
QString cancelled();

struct ImportCounts {
    qsizetype added = 0;       // new names
    qsizetype renamed = 0;     // kept beside a namesake, as "Name (2)"
    qsizetype overwritten = 0; // a namesake took the file's number and address
    qsizetype same = 0;        // already there with that number
    qsizetype leftOut = 0;     // cards with neither a name nor a number
};
QString imported(const QString& file, const ImportCounts& counts);

QString nothingToExport();
QString writeFailed(const QString& file, const QString& error);
QString exported(const QString& file, qsizetype count);

} // namespace velkor::lang::contacts
