#pragma once

#include "sync/collection_sync.h"
#include "sync/discovery.h"

#include <QDateTime>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

namespace velkor::sync {

struct SyncOutcome {
    bool ok = false;
    QString summary; // one line
    QStringList
        notes; // what the user is told besides: events left on the server, a calendar without journals
    SyncCounts counts;
    int requests = 0;
};
using SyncDone = std::function<void(const SyncOutcome&)>;

// Checks the account, finds Velkor's calendar and address book on the server (by their display name) or makes
// them, and stores the account in the data folder.
void setupAccount(const QDir& dataDir, const QUrl& url, const QString& user, const QString& password,
                  SyncDone done, const QString& name = QStringLiteral("Velkor"));

// One sync of the data folder with its account; a request without an answer for `timeoutMs` fails it.
void runSync(const QDir& dataDir, const QString& password, const QDateTime& now, DeleteQuestion ask,
             SyncDone done, int timeoutMs = 30000);

// For the command line: runs the event loop until it is done.
SyncOutcome waitForSync(const std::function<void(SyncDone)>& start);

// What the command line hands a running Velkor, one line each way. The password travels only over the
// folder's private socket, whose other end is checked to be the same user.
QByteArray encodeSyncRequest(const QString& password);
std::optional<QString> decodeSyncRequest(QByteArrayView line); // the password
QByteArray encodeSyncAnswer(const SyncOutcome& outcome);
SyncOutcome decodeSyncAnswer(QByteArrayView line);

QString stateFileIn(const QDir& dataDir);

// Why an account could not be checked, in the user's words: a wrong password, no answer, or a refusal.
QString discoveryError(const Discovered& found);

} // namespace velkor::sync
