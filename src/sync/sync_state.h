#pragma once

#include <QByteArray>
#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace velkor::sync {

// What the last sync left of one item on both sides. An empty ETag marks an item being created: the server
// may or may not hold it yet.
struct ItemRow {
    QByteArray href;
    QString uid;
    QByteArray etag;
    QString localKey;      // how the local side finds it again; empty for an event that is no plan
    QByteArray localHash;  // content as last seen here
    QByteArray remoteHash; // content as last seen on the server
    bool foreign = false;  // the server's, not ours to map: left alone
};

struct CollectionRow {
    QByteArray href;
    QString token;
    QString ctag;
};

// sync.db in the data folder: per item its UID, href, ETag and content hashes; per collection its sync
// token and ctag. Each change is one transaction, so a sync cut off anywhere leaves it whole.
class SyncState {
public:
    explicit SyncState(const QString& path);
    ~SyncState();
    SyncState(const SyncState&) = delete;
    SyncState& operator=(const SyncState&) = delete;

    bool ok() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }

    CollectionRow collection(const QString& kind);
    bool setCollection(const QString& kind, const CollectionRow& row);
    // A collection gone or replaced: its items no longer link anything.
    bool forgetCollection(const QString& kind);

    QList<ItemRow> items(const QString& kind);
    bool transaction();
    bool commit();
    void rollback();
    bool put(const QString& kind, const ItemRow& row);
    bool remove(const QString& kind, const QByteArray& href);

private:
    bool exec(const QString& sql, const QVariantList& values = {});

    QString m_connection;
    QString m_error;
};

} // namespace velkor::sync
