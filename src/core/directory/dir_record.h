#pragma once

#include <QString>

namespace velkor::directory {

// The texts of one directory entry, as rehber.mdb holds them.
struct DirRecord {
    QString name;
    QString tel;
    QString address;

    friend bool operator==(const DirRecord&, const DirRecord&) = default;
};

// One row of rehber.mdb as a read found it. Two rows may share a name: SQLite's rowid tells them apart, and
// the name guards against a rowid that another program has since given to a new row.
struct RowRef {
    qint64 rowId = -1; // -1: no row, a new entry
    QString name;

    friend bool operator==(const RowRef&, const RowRef&) = default;
};

} // namespace velkor::directory
