#include "sync/contact_side.h"

#include "sync/sync_texts.h"

#include "core/directory/directory_store.h"
#include "core/interop/vcard_mapping.h"
#include "core/interop/vcard_text.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QSet>

namespace velkor::sync {

using directory::DirRecord;

namespace {

QByteArray hashOf(const DirRecord& r) {
    return QCryptographicHash::hash((r.name + u'\x1f' + r.tel + u'\x1f' + r.address).toUtf8(),
                                    QCryptographicHash::Sha1)
        .toHex();
}

const QStringList Columns{QStringLiteral("rowid"), QStringLiteral("RecordName"), QStringLiteral("RecordTel"),
                          QStringLiteral("RecordAddress")};

} // namespace

QString ContactSide::load() {
    m_items.clear();
    m_byKey.clear();
    const directory::DirectoryStore store(m_dataDir);
    if (!QFileInfo::exists(store.database().path()))
        return {};
    const IoResult walked = store.database().walk({Columns, {}, {}}, [this](const db::RowView& row) {
        const QString key = QString::number(row.number(0));
        const DirRecord record{row.text(1), row.text(2), row.text(3)};
        m_byKey.insert(key, record);
        m_items.append({key, hashOf(record)});
    });
    return walked ? QString() : walked.error;
}

QByteArray ContactSide::serialize(const QString& key, const QString& uid) const {
    QByteArray card = interop::vCardOf(m_byKey.value(key));
    const qsizetype afterVersion = card.indexOf("VERSION:3.0\r\n") + 13;
    return card.insert(afterVersion, interop::folded(QStringLiteral("UID:") + interop::escaped(uid)));
}

RemoteItem ContactSide::parse(const QByteArray& text) {
    RemoteItem item;
    for (const QByteArray& line : text.split('\n')) {
        if (line.toUpper().startsWith("UID:"))
            item.uid = QString::fromUtf8(line.mid(4).trimmed());
    }
    QByteArray copy = text;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    std::optional<DirRecord> entry;
    interop::readVCards(buffer, [&entry](interop::VCardContact&& contact) {
        entry = interop::directoryEntryOf(contact);
        return false; // one card to an item
    });
    if (entry) {
        item.hash = hashOf(*entry);
        m_parsed.insert(item.hash, *entry);
    } else {
        item.leftOut = texts::notUnderstood(item.uid);
    }
    return item;
}

QString ContactSide::apply(const QStringList& removed, const QList<QPair<QString, QByteArray>>& replaced,
                           const QList<QByteArray>& added, QStringList* replacedKeys,
                           QStringList* addedKeys) {
    const directory::DirectoryStore store(m_dataDir);
    if (added.isEmpty() && removed.isEmpty() && replaced.isEmpty())
        return {};
    if (const IoResult created = store.ensureCreated(); !created)
        return created.error;
    qint64 last = 0;
    const IoResult walked = store.database().walk({{QStringLiteral("max(rowid)")}, {}, {}},
                                                  [&last](const db::RowView& row) { last = row.number(0); });
    if (!walked)
        return walked.error;
    // Removed and added in one transaction: the directory is as before or as after.
    // The new rows first, so that they follow the last one even when it goes.
    QList<db::Statement> statements;
    for (const QByteArray& hash : added) {
        const DirRecord r = m_parsed.value(hash);
        statements.append(
            {QStringLiteral("INSERT INTO Table1 (RecordName, RecordTel, RecordAddress) VALUES (?, ?, ?)"),
             {r.name, r.tel, r.address},
             false});
    }
    for (const QString& key : removed)
        statements.append({QStringLiteral("DELETE FROM Table1 WHERE rowid = ?"), {key.toLongLong()}, false});
    // A changed card keeps its row, so the entry keeps its place and its UID.
    for (const auto& [key, hash] : replaced) {
        const DirRecord r = m_parsed.value(hash);
        statements.append(db::Statement{
            QStringLiteral(
                "UPDATE Table1 SET RecordName = ?, RecordTel = ?, RecordAddress = ? WHERE rowid = ?"),
            {r.name, r.tel, r.address, key.toLongLong()},
            false});
        replacedKeys->append(key);
    }
    const auto changed = store.database().change(statements);
    if (!changed.ok())
        return changed.error;
    const IoResult fresh = store.database().walk(
        {{QStringLiteral("rowid")}, QStringLiteral("rowid > ?"), {last}},
        [addedKeys](const db::RowView& row) { addedKeys->append(QString::number(row.number(0))); });
    return fresh ? QString() : fresh.error;
}

} // namespace velkor::sync
