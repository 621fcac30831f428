#pragma once

#include "core/base/io_result.h"
#include "core/db/db_engine.h"
#include "core/diary/diary_entry.h"

#include <QDir>
#include <QList>
#include <QStringList>

#include <optional>

namespace velkor::diary {

// An entry to add with the paths of its attached files.
struct EntryWithFiles {
    DiaryEntry entry;
    QStringList files;
};

// What a read of the entries brings: the list needs everything but the content, which may be long.
enum class EntryFields { All, WithoutContent };

// The diary: entries in history.mdb, the paths of their attached files in files.mdb, both in DataDir.
// Nothing is cached; every call opens the database it needs and closes it again. Entries are never
// deleted; attached files are only linked, never copied, moved or deleted.
class DiaryStore {
public:
    explicit DiaryStore(const QDir& dataDir);

    const db::Database& history() const { return m_history; }
    const db::Database& files() const { return m_files; }

    // nullopt when no entry has that number.
    Loaded<std::optional<DiaryEntry>> findEntry(qint32 recordNo) const;
    // Every entry in the order added.
    Loaded<QList<DiaryEntry>> readEntries(EntryFields fields = EntryFields::All) const;
    // Adds a row numbered one above the largest number held, whatever the column's declaration (the
    // entry's own number is ignored), and gives that number.
    Loaded<qint32> addEntry(const DiaryEntry& entry) const;
    // Adds the entries with their links, numbered in order: every one of them or, after a failure, none.
    // Gives the first number; nullopt when there was nothing to add.
    Loaded<std::optional<qint32>> addEntries(const QList<EntryWithFiles>& entries) const;
    // The number of the row added last; nullopt while the diary is empty.
    Loaded<std::optional<qint32>> updateNewRecordNumber() const;
    // Fails, changing nothing, when no entry has that number any more.
    IoResult updateEntry(qint32 recordNo, const DiaryEntry& entry) const;

    // The paths linked to an entry, in the order they were attached.
    Loaded<QStringList> listFiles(qint32 recordNo) const;
    // Links a path to an entry; false (and nothing stored) when that entry already links exactly that path.
    Loaded<bool> attachFile(qint32 recordNo, const QString& path) const;
    // Removes this entry's link to the path; other entries linking the same file keep theirs.
    IoResult detachFile(qint32 recordNo, const QString& path) const;

private:
    db::Database m_history;
    db::Database m_files;
};

} // namespace velkor::diary
