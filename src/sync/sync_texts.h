#pragma once

#include <QString>

// The words of the sync, in the program's language.
namespace velkor::sync::texts {

QString summary(int in, int out, int conflicts);
QString leftOnServer(const QString& start, const QString& summary, const QString& why);
QString notUnderstood(const QString& uid);
QString collectionGone(const QString& href);
QString noAnswer(const QString& why);
QString serverRefused(int status);
QString wrongPassword();
QString massDeleteRefused();
QString massDeleteQuestion(int count, int total, bool here);
QString noAccount();
QString noCollection();
QString noJournals();
QString accountStored(const QString& calendar, const QString& addressBook);
QString cannotStore(const QString& file, const QString& why);
QString namedOnly(int count, qint64 limitKb, const QString& paths);

} // namespace velkor::sync::texts
