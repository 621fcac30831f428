#include "directory/directory_store.h"

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

Statement deleteByName(const QString& name) {
    return {QStringLiteral("DELETE FROM Table1 WHERE RecordName = ?"), {name}};
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

Loaded<QList<DirRecord>> DirectoryStore::entriesNamed(const QString& name) const {
    Loaded<QList<DirRecord>> result;
    const IoResult walked = m_db.walk({AllColumns, QStringLiteral("RecordName = ?"), {name}},
                                      [&](const RowView& row) { result.value.append(toRecord(row)); });
    if (!walked)
        return {{}, walked.error};
    return result;
}

IoResult DirectoryStore::walkNamesAndNumbers(
    const std::function<void(const QString& name, const QString& tel)>& visit) const {
    return m_db.walk({{QStringLiteral("RecordName"), QStringLiteral("RecordTel")}, {}, {}},
                     [&](const RowView& row) { visit(row.text(0), row.text(1)); });
}

IoResult DirectoryStore::remove(const QString& name) const {
    if (!QFileInfo::exists(m_db.path())) {
        return IoResult::failure(QStringLiteral("%1\n%2").arg(
            QDir::toNativeSeparators(m_db.path()), QObject::tr("cannot be found. Nothing was deleted.")));
    }
    return outcome(m_db.change({deleteByName(name)}));
}

IoResult DirectoryStore::save(const DirRecord& record, SaveWrite write) const {
    return outcome(m_db.change(writeStatements(record, write)));
}

IoResult DirectoryStore::rename(const DirRecord& record, SaveWrite write, const QString& oldName) const {
    QList<Statement> statements = writeStatements(record, write);
    // DeleteOld; renaming an entry to its own name must not delete what was just written.
    if (oldName != record.name)
        statements.append(deleteByName(oldName));
    return outcome(m_db.change(statements));
}

} // namespace velkor::directory
