#pragma once

#include "sync/local_side.h"

#include "core/directory/dir_record.h"

#include <QDir>
#include <QHash>

namespace velkor::sync {

// The directory of rehber.mdb. An entry is known by its row, so an edit made in Velkor keeps its UID; vCard
// 3.0 goes out, 2.1 to 4.0 come in through the import's reader.
class ContactSide final : public LocalSide {
public:
    explicit ContactSide(const QDir& dataDir) : m_dataDir(dataDir) {}

    QString kind() const override { return QStringLiteral("contacts"); }
    bool calendar() const override { return false; }
    QString load() override;
    const QList<LocalItem>& items() const override { return m_items; }
    QByteArray serialize(const QString& key, const QString& uid) const override;
    RemoteItem parse(const QByteArray& text) override;
    QString apply(const QStringList& removed, const QList<QPair<QString, QByteArray>>& replaced,
                  const QList<QByteArray>& added, QStringList* replacedKeys, QStringList* addedKeys) override;

private:
    QDir m_dataDir;
    QList<LocalItem> m_items;
    QHash<QString, directory::DirRecord> m_byKey;
    QHash<QByteArray, directory::DirRecord> m_parsed;
};

} // namespace velkor::sync
