#include "sync/sync_state.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace velkor::sync {

SyncState::SyncState(const QString& path) : m_connection(QUuid::createUuid().toString()) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path);
    if (!db.open()) {
        m_error = db.lastError().text();
        return;
    }
    // WAL: one small commit per written item stays cheap, and a kill never tears the file.
    exec(QStringLiteral("PRAGMA journal_mode=WAL")) && exec(QStringLiteral("PRAGMA synchronous=NORMAL")) &&
        exec(QStringLiteral("CREATE TABLE IF NOT EXISTS collections (kind TEXT PRIMARY KEY, href BLOB, "
                            "token TEXT, ctag TEXT)")) &&
        exec(QStringLiteral("CREATE TABLE IF NOT EXISTS items (kind TEXT, href BLOB, uid TEXT, etag BLOB, "
                            "local_key TEXT, local_hash BLOB, remote_hash BLOB, foreign_item INTEGER, "
                            "PRIMARY KEY (kind, href))"));
}

SyncState::~SyncState() {
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

bool SyncState::exec(const QString& sql, const QVariantList& values) {
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(sql);
    for (const QVariant& v : values)
        query.addBindValue(v);
    if (query.exec())
        return true;
    m_error = query.lastError().text();
    return false;
}

CollectionRow SyncState::collection(const QString& kind) {
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT href, token, ctag FROM collections WHERE kind = ?"));
    query.addBindValue(kind);
    if (query.exec() && query.next())
        return {query.value(0).toByteArray(), query.value(1).toString(), query.value(2).toString()};
    return {};
}

bool SyncState::setCollection(const QString& kind, const CollectionRow& row) {
    return exec(QStringLiteral("INSERT OR REPLACE INTO collections VALUES (?, ?, ?, ?)"),
                {kind, row.href, row.token, row.ctag});
}

bool SyncState::forgetCollection(const QString& kind) {
    return transaction() && exec(QStringLiteral("DELETE FROM items WHERE kind = ?"), {kind}) &&
           exec(QStringLiteral("DELETE FROM collections WHERE kind = ?"), {kind}) && commit();
}

QList<ItemRow> SyncState::items(const QString& kind) {
    QList<ItemRow> rows;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT href, uid, etag, local_key, local_hash, remote_hash, foreign_item "
                                 "FROM items WHERE kind = ?"));
    query.addBindValue(kind);
    if (!query.exec()) {
        m_error = query.lastError().text();
        return rows;
    }
    while (query.next())
        rows.append({query.value(0).toByteArray(), query.value(1).toString(), query.value(2).toByteArray(),
                     query.value(3).toString(), query.value(4).toByteArray(), query.value(5).toByteArray(),
                     query.value(6).toInt() != 0});
    return rows;
}

bool SyncState::transaction() {
    return QSqlDatabase::database(m_connection, false).transaction() ||
           (m_error = QStringLiteral("sync.db: no transaction")).isEmpty();
}

bool SyncState::commit() {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (db.commit())
        return true;
    m_error = db.lastError().text();
    db.rollback();
    return false;
}

void SyncState::rollback() {
    QSqlDatabase::database(m_connection, false).rollback();
}

bool SyncState::put(const QString& kind, const ItemRow& row) {
    return exec(QStringLiteral("INSERT OR REPLACE INTO items VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                {kind, row.href, row.uid, row.etag, row.localKey, row.localHash, row.remoteHash,
                 row.foreign ? 1 : 0});
}

bool SyncState::remove(const QString& kind, const QByteArray& href) {
    return exec(QStringLiteral("DELETE FROM items WHERE kind = ? AND href = ?"), {kind, href});
}

} // namespace velkor::sync
