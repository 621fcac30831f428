#pragma once

#include "sync/local_side.h"

#include "core/diary/diary_store.h"
#include "core/interop/calendar_objects.h"

#include <QDateTime>
#include <QDir>
#include <QHash>

namespace velkor::sync {

// Files up to this size travel inside their journal entry; larger ones are named only.
constexpr qint64 CarriedFileLimit = 256 * 1024;

// The diary of history.mdb and files.mdb as journal entries. An entry is known by its number, so an edit
// keeps its UID. The diary never deletes an entry, so one deleted on the server is sent again. Files that
// come inside an entry are kept in sync-files/ in the data folder.
class DiarySide final : public LocalSide {
public:
    DiarySide(const QDir& dataDir, QDateTime now) : m_dataDir(dataDir), m_now(std::move(now)) {}

    QString kind() const override { return QStringLiteral("diary"); }
    bool calendar() const override { return true; }
    QString load() override;
    const QList<LocalItem>& items() const override { return m_items; }
    QByteArray serialize(const QString& key, const QString& uid) const override;
    RemoteItem parse(const QByteArray& text) override;
    QString apply(const QStringList& removed, const QList<QPair<QString, QByteArray>>& replaced,
                  const QList<QByteArray>& added, QStringList* replacedKeys, QStringList* addedKeys) override;
    bool keepsDeleted() const override { return true; }
    QStringList notes() const override;

private:
    struct Parsed {
        QString uid;
        diary::EntryWithFiles entry;
        QList<interop::CarriedFile> carried;
    };
    QString keep(const Parsed& parsed, QStringList* files) const;

    QDir m_dataDir;
    QDateTime m_now;
    QList<LocalItem> m_items;
    QHash<QString, diary::EntryWithFiles> m_byKey;
    QHash<QByteArray, Parsed> m_parsed;
    mutable QStringList m_namedOnly;
};

} // namespace velkor::sync
