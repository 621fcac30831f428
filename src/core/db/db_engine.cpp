#include "core/db/db_engine.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace velkor::db {

namespace {

// Waiting this long for another program's lock keeps the window responsive while still riding out a
// short write by a second copy of the program.
constexpr int BusyTimeoutMs = 1000;

// SQLite's primary result codes, in words a user can act on.
QString explain(const QSqlError& error) {
    bool isNumber = false;
    const int code = error.nativeErrorCode().toInt(&isNumber) & 0xff;
    if (isNumber) {
        switch (code) {
        case 5: // busy
        case 6: // locked
            return QObject::tr("is in use by another program. Please try again when it has finished.");
        case 8:
            return QObject::tr("cannot be changed: the file is read-only.");
        case 10:
            return QObject::tr("could not be read or written (input/output error).");
        case 11: // corrupt
        case 26: // not a database
            return QObject::tr("is damaged and cannot be used as a database.");
        case 13:
            return QObject::tr("cannot be written: the disk is full. Nothing was changed.");
        case 14:
            return QObject::tr("cannot be opened.");
        default:
            break;
        }
    }
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QObject::tr("failed with an unknown database error.") : text;
}

// Looks at a file before SQLite may see it: anything but an SQLite database (or an empty file, which
// SQLite takes as a fresh one) is refused and left exactly as it is.
std::optional<QString> refuseForeign(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir())
        return aboutFile(path, QObject::tr("is a folder, not a database."));
    if (info.size() == 0)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return aboutFile(path, QObject::tr("cannot be opened: %1").arg(file.errorString()));
    static const QByteArray magic("SQLite format 3\0", 16);
    if (file.read(magic.size()) != magic) {
        return aboutFile(path,
                         QObject::tr("is not a database this version of Velkor can use (it may come from "
                                     "an older release). It has been left unchanged."));
    }
    return std::nullopt;
}

// One named connection for the length of one operation; the file is released when it goes.
class Connection {
public:
    // Readers open read-write too: only then can SQLite roll back a change that a crash left half done.
    explicit Connection(const QString& path) : m_name(QStringLiteral("velkor-db-%1").arg(++s_serial)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
        if (!db.open())
            m_error = db.lastError();
    }
    ~Connection() {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool isOpen() const { return !m_error.isValid(); }
    const QSqlError& error() const { return m_error; }
    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }

private:
    static inline int s_serial = 0;
    QString m_name;
    QSqlError m_error;
};

bool hasTable(const QSqlDatabase& db, QSqlError& error) {
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral(
            "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'Table1' COLLATE NOCASE"))) {
        error = query.lastError();
        return false;
    }
    return query.next();
}

void bindAll(QSqlQuery& query, const QVariantList& values) {
    for (const QVariant& value : values) {
        // A null QString would be bound as SQL NULL; an empty text box means the empty text.
        if (value.typeId() == QMetaType::QString && value.toString().isNull())
            query.addBindValue(QStringLiteral(""));
        else
            query.addBindValue(value);
    }
}

} // namespace

QVariant RowView::value(int column) const {
    return m_query.value(column);
}

QString RowView::text(int column) const {
    return m_query.value(column).toString();
}

qint64 RowView::number(int column) const {
    return m_query.value(column).toLongLong();
}

Database::Database(const QDir& dataDir, QString fileName, QList<Column> columns)
    : m_path(dataDir.filePath(fileName)), m_fileName(std::move(fileName)), m_columns(std::move(columns)) {}

QString Database::path() const {
    return m_path;
}

QString Database::createStatement() const {
    QStringList definitions;
    for (const Column& column : m_columns)
        definitions.append(column.name + QLatin1Char(' ') + column.declaration);
    return QStringLiteral("CREATE TABLE IF NOT EXISTS Table1 (%1)")
        .arg(definitions.join(QStringLiteral(", ")));
}

QString Database::selectStatement(const Selection& selection) const {
    QStringList names = selection.columns;
    if (names.isEmpty()) {
        for (const Column& column : m_columns)
            names.append(column.name);
    }
    QString sql = QStringLiteral("SELECT %1 FROM Table1").arg(names.join(QStringLiteral(", ")));
    if (!selection.where.isEmpty())
        sql += QStringLiteral(" WHERE ") + selection.where;
    return sql + QStringLiteral(" ORDER BY rowid");
}

IoResult Database::walk(const Selection& selection, const std::function<void(const RowView&)>& visit) const {
    if (!QFileInfo::exists(m_path))
        return IoResult::success();
    if (const std::optional<QString> refused = refuseForeign(m_path))
        return IoResult::failure(*refused);

    const auto cannotRead = [this](const QSqlError& error) {
        return IoResult::failure(aboutFile(m_path, QObject::tr("cannot be read: %1").arg(explain(error))));
    };
    Connection connection(m_path);
    if (!connection.isOpen())
        return cannotRead(connection.error());
    const QSqlDatabase db = connection.database();
    QSqlError error;
    if (!hasTable(db, error))
        return error.isValid() ? cannotRead(error) : IoResult::success();

    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(selectStatement(selection)))
        return cannotRead(query.lastError());
    bindAll(query, selection.values);
    if (!query.exec())
        return cannotRead(query.lastError());
    const RowView row(query);
    while (query.next())
        visit(row);
    // A damaged page ends the walk early; that must not pass for the end of the table.
    if (query.lastError().isValid())
        return cannotRead(query.lastError());
    return IoResult::success();
}

Loaded<QList<Row>> Database::read(const Selection& selection) const {
    Loaded<QList<Row>> result;
    const qsizetype width = selection.columns.isEmpty() ? m_columns.size() : selection.columns.size();
    const IoResult walked = walk(selection, [&](const RowView& view) {
        Row row;
        row.reserve(width);
        for (int i = 0; i < width; ++i)
            row.append(view.value(i));
        result.value.append(std::move(row));
    });
    if (!walked) {
        result.value.clear();
        result.error = walked.error;
    }
    return result;
}

Loaded<ChangeOutcome> Database::change(const QList<Statement>& statements) const {
    return changeFrom([&statements](const StatementRunner& run) {
        for (const Statement& statement : statements) {
            if (!run(statement))
                return;
        }
    });
}

Loaded<ChangeOutcome>
Database::changeFrom(const std::function<void(const StatementRunner& run)>& feed) const {
    if (QFileInfo::exists(m_path)) {
        if (const std::optional<QString> refused = refuseForeign(m_path))
            return {{}, *refused};
    }
    const auto cannotWrite = [this](const QSqlError& error) {
        return Loaded<ChangeOutcome>{
            {}, aboutFile(m_path, QObject::tr("cannot be changed: %1").arg(explain(error)))};
    };
    Connection connection(m_path);
    if (!connection.isOpen())
        return cannotWrite(connection.error());
    QSqlDatabase db = connection.database();
    if (!db.transaction())
        return cannotWrite(db.lastError());

    ChangeOutcome outcome;
    bool rowGone = false;
    // A run of statements with the same text (many rows inserted at once) is prepared once.
    QSqlQuery query(db);
    QString prepared;
    const auto run = [&](const Statement& statement) -> std::optional<QSqlError> {
        if (statement.sql != prepared) {
            prepared.clear();
            if (!query.prepare(statement.sql))
                return query.lastError();
            prepared = statement.sql;
        }
        bindAll(query, statement.values);
        if (!query.exec())
            return query.lastError();
        const int affected = query.numRowsAffected();
        outcome.rowsAffected += std::max(0, affected);
        if (query.isSelect() && query.next())
            outcome.returned = query.value(0);
        // Finished before the next statement, so nothing is pending at the commit.
        query.finish();
        rowGone = statement.needsRow && affected <= 0;
        return std::nullopt;
    };
    std::optional<QSqlError> failed = run({createStatement(), {}});
    if (!failed)
        feed([&](const Statement& statement) {
            failed = run(statement);
            return !failed && !rowGone;
        });
    query = QSqlQuery();
    if (rowGone) {
        db.rollback();
        ChangeOutcome none;
        none.rowGone = true;
        return {none, {}};
    }
    // Committed by statement: the driver's own commit drops SQLite's error code, and with it the words.
    if (QSqlQuery commit(db); !failed && !commit.exec(QStringLiteral("COMMIT")))
        failed = commit.lastError();
    if (failed) {
        db.rollback();
        return cannotWrite(*failed);
    }
    return {outcome, {}};
}

QByteArray Database::fingerprint() const {
    QByteArray print;
    for (const QString& path : {m_path, m_path + QStringLiteral("-wal")}) {
        const QFileInfo info(path);
        if (!info.exists()) {
            print += "-;";
            continue;
        }
        print += QByteArray::number(info.size()) + ':' +
                 QByteArray::number(info.lastModified().toMSecsSinceEpoch()) + ';';
    }
    QFile file(m_path);
    if (file.open(QIODevice::ReadOnly))
        print += file.read(28).mid(24); // the header's change counter, bumped by every commit
    // With a write-ahead log the commits go to the log instead, and the header of its index counts them.
    if (QFile index(m_path + QStringLiteral("-shm")); index.open(QIODevice::ReadOnly))
        print += ';' + index.read(48);
    return print;
}

} // namespace velkor::db
