#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace velkor::sync_ui {

// A calendar or an address book on the server, as the account check found it.
struct ServerCollection {
    QByteArray href;
    QString name;
    bool events = false;   // can hold the plans
    bool journals = false; // can hold the diary
    bool contacts = false; // an address book
};

// The account and the last sync as the window shows them.
struct SyncState {
    bool configured = false;
    QUrl server;
    QString user;
    bool syncing = false;
    QDateTime lastSync; // invalid before the first
    bool lastOk = true;
    QString lastSummary; // in plain words: what came, what went, what was kept twice, or what failed
    bool noKeyring = false; // the password lives in this run's memory only
};

// What the user chose: the account and, for plans, diary and directory, a collection of the server's;
// an empty href asks for Velkor's own, made on the server.
struct AccountChoice {
    QUrl server;
    QString user;
    QString password;
    QByteArray plans;
    QByteArray diary;
    QByteArray directory;
};

// The sync window's way to the sync service, which lives above the windows.
class SyncDoor : public QObject {
    Q_OBJECT
public:
    virtual SyncState state() const = 0;
    // Checks the account and lists what the server holds; `error` is empty when it worked.
    virtual void check(const QUrl& server, const QString& user, const QString& password,
                       std::function<void(const QString& error, const QList<ServerCollection>&)> done) = 0;
    // Keeps the account (the password in the keyring); `done` with an empty error when kept.
    virtual void keep(const AccountChoice& choice, std::function<void(const QString& error)> done) = 0;
    virtual void syncNow() = 0;
    // Forgets the account and what was in step; every entry here stays.
    virtual void stop() = 0;

signals:
    void stateChanged();
};

} // namespace velkor::sync_ui
