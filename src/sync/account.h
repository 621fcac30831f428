#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QUrl>

#include <optional>

namespace velkor::sync {

// The sync account of a data folder, in sync.ini beside the data. Never the password.
struct Account {
    QUrl url;
    QString user;
    QByteArray calendar;    // href of the plans' calendar
    QByteArray addressBook; // href of the directory's address book; empty when there is none
    QByteArray journal;     // href of the diary's calendar; empty when the server keeps no journal entries
};

QString accountFileIn(const QDir& dataDir);
std::optional<Account> readAccount(const QDir& dataDir);
// An error text, empty when it was written.
QString writeAccount(const QDir& dataDir, const Account& account);

} // namespace velkor::sync
