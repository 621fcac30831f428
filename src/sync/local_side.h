#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace velkor::sync {

// An item of this side as the sync sees it: found again by its key, compared by its hash.
struct LocalItem {
    QString key;
    QByteArray hash;
};

// What a server's item is here.
struct RemoteItem {
    QString uid;
    QByteArray hash; // of what it maps to here; empty when it maps to nothing of ours
    QString leftOut; // why it is left on the server, shown once
};

// The local store behind one collection: plans, contacts or the diary.
class LocalSide {
public:
    virtual ~LocalSide() = default;
    virtual QString kind() const = 0;
    virtual bool calendar() const = 0; // a CalDAV collection, else CardDAV
    // Reads the store afresh; an error text, empty when it worked.
    virtual QString load() = 0;
    virtual const QList<LocalItem>& items() const = 0;
    // The item as the server's text, under `uid`.
    virtual QByteArray serialize(const QString& key, const QString& uid) const = 0;
    // Remembers what the text maps to, so that apply() can add it by its hash.
    virtual RemoteItem parse(const QByteArray& text) = 0;
    // Removes the items of `removed`, gives each item of `replaced` (key, hash) the parsed content of its
    // hash, and adds the parsed items of `added`, in as few writes as the store allows; gives the key of each
    // replaced and added item afterwards, in order, or an error.
    virtual QString apply(const QStringList& removed, const QList<QPair<QString, QByteArray>>& replaced,
                          const QList<QByteArray>& added, QStringList* replacedKeys,
                          QStringList* addedKeys) = 0;
    // The diary never deletes an entry: one deleted on the server is sent there again.
    virtual bool keepsDeleted() const { return false; }
    // Items edited here since the last sync, oldest first, as (key before, key after): they keep their
    // identity on the server.
    virtual QList<QPair<QString, QString>> edits() const { return {}; }
    // The edits given are followed for good.
    virtual void editsFollowed() {}
    // What the user is told besides, once per sync (files only named, not carried).
    virtual QStringList notes() const { return {}; }
};

} // namespace velkor::sync
