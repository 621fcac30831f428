#include "core/directory/directory_store.h"

#include <QFileInfo>
#include <QObject>

namespace velkor::directory {

namespace {

using db::RowView;
using db::Statement;

QList<db::Column> columns() {
    const QString text = QStringLiteral("TEXT");
    return {{QStringLiteral("RecordName"), text},
            {QStringLiteral("RecordTel"), text},
            {QStringLiteral("RecordAddress"), text}};
}

const QStringList AllColumns{QStringLiteral("RecordName"), QStringLiteral("RecordTel"),
                             QStringLiteral("RecordAddress")};

DirRecord toRecord(const RowView& row) {
    return {row.text(0), row.text(1), row.text(2)};
}

QList<Statement> writeStatements(const DirRecord& record, SaveWrite write) {
    const Statement insert{
        QStringLiteral("INSERT INTO Table1 (RecordName, RecordTel, RecordAddress) VALUES (?, ?, ?)"),
        {record.name, record.tel, record.address}};
    if (write == SaveWrite::Insert)
        return {insert};
    // Should the row have gone since the caller looked (another copy of the program), the entry is
    // added instead: an overwrite never ends without the row, which matters when a rename follows.
    return {{QStringLiteral("UPDATE Table1 SET RecordTel = ?, RecordAddress = ? WHERE RecordName = ?"),
             {record.tel, record.address, record.name}},
            {QStringLiteral("INSERT INTO Table1 (RecordName, RecordTel, RecordAddress) SELECT ?, ?, ? "
                            "WHERE NOT EXISTS (SELECT 1 FROM Table1 WHERE RecordName = ?)"),
             {record.name, record.tel, record.address, record.name}}};
}

const QString RowIs = QStringLiteral("rowid = ? AND RecordName = ?");

QVariantList rowValues(const RowRef& row) {
    return {row.rowId, row.name};
}

Statement deleteRow(const RowRef& row) {
    return {QStringLiteral("DELETE FROM Table1 WHERE ") + RowIs, rowValues(row), true};
}

Loaded<RowChange> rowChange(const Loaded<db::ChangeOutcome>& changed) {
    if (!changed.ok())
        return {{}, changed.error};
    return {changed.value.rowGone ? RowChange::Gone : RowChange::Done, {}};
}

IoResult outcome(const Loaded<db::ChangeOutcome>& changed) {
    return changed.ok() ? IoResult::success() : IoResult::failure(changed.error);
}

} // namespace

DirectoryStore::DirectoryStore(const QDir& dataDir)
    : m_db(dataDir, QStringLiteral("rehber.mdb"), columns()) {}

IoResult DirectoryStore::ensureCreated() const {
    return outcome(m_db.change({}));
}

Loaded<QList<DirRecord>> DirectoryStore::readAll() const {
    Loaded<QList<DirRecord>> result;
    const IoResult walked =
        m_db.walk({AllColumns, {}, {}}, [&](const RowView& row) { result.value.append(toRecord(row)); });
    if (!walked)
        return {{}, walked.error};
    return result;
}

Loaded<QList<RowRef>> DirectoryStore::rowsNamed(const QString& name) const {
    Loaded<QList<RowRef>> result;
    const IoResult walked = m_db.walk(
        {{QStringLiteral("rowid"), QStringLiteral("RecordName")}, QStringLiteral("RecordName = ?"), {name}},
        [&](const RowView& row) {
            result.value.append({row.number(0), row.text(1)});
        });
    if (!walked)
        return {{}, walked.error};
    return result;
}

Loaded<std::optional<DirRecord>> DirectoryStore::entryAt(const RowRef& row) const {
    Loaded<std::optional<DirRecord>> result;
    const IoResult walked = m_db.walk({AllColumns, RowIs, rowValues(row)},
                                      [&](const RowView& found) { result.value = toRecord(found); });
    if (!walked)
        return {{}, walked.error};
    return result;
}

IoResult DirectoryStore::walkNamesAndNumbers(
    const std::function<void(qint64 rowId, const QString& name, const QString& tel)>& visit) const {
    return m_db.walk(
        {{QStringLiteral("rowid"), QStringLiteral("RecordName"), QStringLiteral("RecordTel")}, {}, {}},
        [&](const RowView& row) { visit(row.number(0), row.text(1), row.text(2)); });
}

Loaded<RowChange> DirectoryStore::remove(const RowRef& row) const {
    if (!QFileInfo::exists(m_db.path())) {
        return {{}, aboutFile(m_db.path(), QObject::tr("cannot be found. Nothing was deleted."))};
    }
    return rowChange(m_db.change({deleteRow(row)}));
}

IoResult DirectoryStore::save(const DirRecord& record, SaveWrite write) const {
    return outcome(m_db.change(writeStatements(record, write)));
}

IoResult DirectoryStore::saveAll(const QList<std::pair<DirRecord, SaveWrite>>& saves) const {
    return outcome(m_db.changeFrom([&saves](const db::Database::StatementRunner& run) {
        for (const auto& [record, write] : saves) {
            for (const Statement& statement : writeStatements(record, write)) {
                if (!run(statement))
                    return;
            }
        }
    }));
}

Loaded<RowChange> DirectoryStore::change(const RowRef& row, const DirRecord& record, SaveWrite write) const {
    if (write == SaveWrite::Insert || record.name == row.name) {
        return rowChange(m_db.change(
            {{QStringLiteral("UPDATE Table1 SET RecordName = ?, RecordTel = ?, RecordAddress = ? WHERE ") +
                  RowIs,
              QVariantList{record.name, record.tel, record.address} + rowValues(row), true}}));
    }
    // DeleteOld, guarded first: with the entry in hand gone, the other rows must not change either.
    return rowChange(m_db.change(QList<Statement>{deleteRow(row)} + writeStatements(record, write)));
}

} // namespace velkor::directory
