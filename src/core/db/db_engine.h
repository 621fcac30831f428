#pragma once

#include "core/base/io_result.h"

#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class QSqlQuery;

namespace velkor::db {

// One column of a database's Table1: its name and its SQLite declaration ("TEXT",
// "INTEGER PRIMARY KEY AUTOINCREMENT", ...).
struct Column {
    QString name;
    QString declaration;
};

// One statement of a change. Its values are bound in order to the ? placeholders, never spliced into the
// text, so an apostrophe is stored as typed.
struct Statement {
    QString sql;
    QVariantList values;
    // The statement is about one row that must still be there: touching none voids the whole change.
    bool needsRow = false;
};

// Which rows and columns a read wants: no columns means every column of the table, no condition every row.
struct Selection {
    QStringList columns;
    QString where;
    QVariantList values;
};

// The current row of a walk; columns by their position in the selection.
class RowView {
public:
    explicit RowView(const QSqlQuery& query) : m_query(query) {}
    QVariant value(int column) const;
    QString text(int column) const;
    // The column as a whole number; 0 when it does not hold one.
    qint64 number(int column) const;

private:
    const QSqlQuery& m_query;
};

using Row = QVariantList;

struct ChangeOutcome {
    QVariant returned;       // first value of the last statement that returned a row (RETURNING)
    qint64 rowsAffected = 0; // summed over all statements
    bool rowGone = false;    // a statement's row was not there: nothing was changed
};

// A database file in DataDir holding one table, Table1, opened for each call and closed before it returns.
// The file is created with its table by the first change; reading a missing file gives no rows. A file at
// that name that is not an SQLite database (an old Jet file, anything else) is never opened by SQLite, so
// it stays byte for byte as it was: every call then fails with a message naming it.
class Database {
public:
    Database(const QDir& dataDir, QString fileName, QList<Column> columns);

    const QString& fileName() const { return m_fileName; }
    const QList<Column>& columns() const { return m_columns; }
    QString path() const;

    // Calls `visit` for each selected row in the order the rows were added.
    IoResult walk(const Selection& selection, const std::function<void(const RowView&)>& visit) const;
    Loaded<QList<Row>> read(const Selection& selection = {}) const;

    // Runs the statements in one transaction: either all of them take effect or none does (an error, or
    // rowGone when a statement found no row it needs).
    Loaded<ChangeOutcome> change(const QList<Statement>& statements) const;
    // The same for statements made one at a time: `feed` hands each to `run` and stops when it answers
    // false. A large change then never holds all its statements at once.
    using StatementRunner = std::function<bool(const Statement&)>;
    Loaded<ChangeOutcome> changeFrom(const std::function<void(const StatementRunner& run)>& feed) const;

    // Differs whenever the file may hold other rows than when it was taken (SQLite's change counter, the
    // sizes and times of the file and of a write-ahead log, the transaction counter of the log's index),
    // so a reader can keep what it read meanwhile.
    QByteArray fingerprint() const;

private:
    QString createStatement() const;
    QString selectStatement(const Selection& selection) const;

    QString m_path;
    QString m_fileName;
    QList<Column> m_columns;
};

} // namespace velkor::db
