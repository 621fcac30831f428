#pragma once

#include "db/db_engine.h"
#include "directory/dir_record.h"
#include "support/io_result.h"

#include <QDir>
#include <QList>

#include <functional>

namespace velkor::directory {

// How a save writes the entry it is given.
enum class SaveWrite {
    Insert,    // a new row
    Overwrite, // number and address of every row of that name
};

// The directory in rehber.mdb (Table1: RecordName, RecordTel, RecordAddress). Nothing is cached: each
// call opens the database and closes it before returning. Values are bound, so apostrophes are stored as
// typed.
class DirectoryStore {
public:
    explicit DirectoryStore(const QDir& dataDir);

    const db::Database& database() const { return m_db; }

    // Creates the file with its table when missing; refuses (and leaves alone) a file that is no database.
    IoResult ensureCreated() const;

    // Every entry in the order added; a missing file has none.
    Loaded<QList<DirRecord>> readAll() const;
    // Name and number of every entry in the order added, without gathering them (the search's read).
    IoResult
    walkNamesAndNumbers(const std::function<void(const QString& name, const QString& tel)>& visit) const;
    // The rows of exactly that name, in the order added.
    Loaded<QList<DirRecord>> entriesNamed(const QString& name) const;

    // Deletes every row of that name. A missing file is an error: there is nothing to delete from.
    IoResult remove(const QString& name) const;
    IoResult save(const DirRecord& record, SaveWrite write) const;
    // The entry `oldName` now goes by record.name: the row of the new name is added or overwritten and the
    // rows of the old name go, all in one transaction.
    IoResult rename(const DirRecord& record, SaveWrite write, const QString& oldName) const;

private:
    db::Database m_db;
};

} // namespace velkor::directory
