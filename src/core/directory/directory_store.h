#pragma once

#include "core/base/io_result.h"
#include "core/db/db_engine.h"
#include "core/directory/dir_record.h"

#include <QDir>
#include <QList>

#include <functional>
#include <optional>
#include <utility>

namespace velkor::directory {

// How a save writes the entry it is given.
enum class SaveWrite {
    Insert,    // a new row; for the entry in hand, its own row takes the texts
    Overwrite, // number and address of every row of that name; the entry in hand's own row then goes
};

// What a change of one row came to.
enum class RowChange { Done, Gone };

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
    // Row, name and number of every entry in the order added, without gathering them (the search's read).
    IoResult walkNamesAndNumbers(
        const std::function<void(qint64 rowId, const QString& name, const QString& tel)>& visit) const;
    // The rows of exactly that name, in the order added.
    Loaded<QList<RowRef>> rowsNamed(const QString& name) const;
    // The entry of that row; nullopt when the row has gone or holds another name now.
    Loaded<std::optional<DirRecord>> entryAt(const RowRef& row) const;

    // Deletes that one row. A missing file is an error: there is nothing to delete from.
    Loaded<RowChange> remove(const RowRef& row) const;
    // A new entry.
    IoResult save(const DirRecord& record, SaveWrite write) const;
    // Several, in order, in one transaction: all of them or none.
    IoResult saveAll(const QList<std::pair<DirRecord, SaveWrite>>& saves) const;
    // The entry in hand, read from `row`, now holds `record`. A name of no other row is written into the
    // row itself; Overwrite puts the texts into the rows of the new name and deletes `row`, in one
    // transaction. Gone, with nothing written, when `row` is no longer there.
    Loaded<RowChange> change(const RowRef& row, const DirRecord& record, SaveWrite write) const;

private:
    db::Database m_db;
};

} // namespace velkor::directory
