#include "core/diary/diary_store.h"

#include <QObject>

namespace velkor::diary {

namespace {

QList<db::Column> historyColumns() {
    const QString text = QStringLiteral("TEXT");
    return {
        {QStringLiteral("RecordNo"), QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT")},
        {QStringLiteral("RecordSubject"), text},
        {QStringLiteral("RecordContent"), text},
        {QStringLiteral("RecordDay"), text},
        {QStringLiteral("RecordMonth"), text},
        {QStringLiteral("RecordYear"), text},
    };
}

QList<db::Column> filesColumns() {
    return {{QStringLiteral("RecordNo"), QStringLiteral("INTEGER")},
            {QStringLiteral("FilePath"), QStringLiteral("TEXT")}};
}

QStringList entryColumns(EntryFields fields) {
    QStringList columns{QStringLiteral("RecordNo"),      QStringLiteral("RecordSubject"),
                        QStringLiteral("RecordContent"), QStringLiteral("RecordDay"),
                        QStringLiteral("RecordMonth"),   QStringLiteral("RecordYear")};
    if (fields == EntryFields::WithoutContent)
        columns[2] = QStringLiteral("''"); // keeps the positions, skips the reading
    return columns;
}

DiaryEntry toEntry(const db::RowView& row) {
    return {
        static_cast<qint32>(row.number(0)), row.text(1), row.text(2), row.text(3), row.text(4), row.text(5)};
}

QVariantList entryValues(const DiaryEntry& entry) {
    return {entry.subject, entry.content, entry.day, entry.month, entry.year};
}

// RecordNo compared as a number, whatever the column's declaration: a table made by another tool may hold
// the numbers as text in a column without type, where neither 12 nor '12' alone finds both forms. Offering
// both, rather than a cast, keeps the lookup on the key of our own table.
const QString NumberIs = QStringLiteral("RecordNo IN (?, ?)");

QVariantList numberValues(qint32 recordNo) {
    return {recordNo, QString::number(recordNo)};
}

template <typename T> Loaded<T> failed(const QString& error) {
    return {{}, error};
}

} // namespace

DiaryStore::DiaryStore(const QDir& dataDir)
    : m_history(dataDir, QStringLiteral("history.mdb"), historyColumns()),
      m_files(dataDir, QStringLiteral("files.mdb"), filesColumns()) {}

Loaded<std::optional<DiaryEntry>> DiaryStore::findEntry(qint32 recordNo) const {
    Loaded<std::optional<DiaryEntry>> result;
    const IoResult walked = m_history.walk({entryColumns(EntryFields::All), NumberIs, numberValues(recordNo)},
                                           [&](const db::RowView& row) {
                                               if (!result.value)
                                                   result.value = toEntry(row);
                                           });
    if (!walked)
        return failed<std::optional<DiaryEntry>>(walked.error);
    return result;
}

Loaded<QList<DiaryEntry>> DiaryStore::readEntries(EntryFields fields) const {
    Loaded<QList<DiaryEntry>> result;
    const IoResult walked = m_history.walk(
        {entryColumns(fields), {}, {}}, [&](const db::RowView& row) { result.value.append(toEntry(row)); });
    if (!walked)
        return failed<QList<DiaryEntry>>(walked.error);
    return result;
}

Loaded<qint32> DiaryStore::addEntry(const DiaryEntry& entry) const {
    // The number is chosen inside the insert, so no other writer can take it in between, and it is chosen
    // by us: a table made by another tool may not number its rows itself. Text numbers count as numbers.
    const Loaded<db::ChangeOutcome> added = m_history.change(
        {{QStringLiteral(
              "INSERT INTO Table1 (RecordNo, RecordSubject, RecordContent, RecordDay, RecordMonth, "
              "RecordYear) SELECT coalesce(max(CAST(RecordNo AS INTEGER)), 0) + 1, ?, ?, ?, ?, ? "
              "FROM Table1 RETURNING RecordNo"),
          entryValues(entry)}});
    if (!added.ok())
        return failed<qint32>(added.error);
    return {added.value.returned.toInt(), {}};
}

Loaded<std::optional<qint32>> DiaryStore::addEntries(const QList<EntryWithFiles>& entries) const {
    if (entries.isEmpty())
        return {};
    // A links file that cannot take the links (an old Jet file) is found before any entry goes in.
    if (const IoResult usable = m_files.walk({{QStringLiteral("1")}, QStringLiteral("0"), {}}, [](auto&) {});
        !usable)
        return failed<std::optional<qint32>>(usable.error);
    // The first number as addEntry chooses it; each next one follows the row just added, which the rowid
    // finds at once where a maximum would scan the table for every row.
    const QString insert = QStringLiteral(
        "INSERT INTO Table1 (RecordNo, RecordSubject, RecordContent, RecordDay, RecordMonth, RecordYear) ");
    const QString firstNumber = QStringLiteral("SELECT coalesce(max(CAST(RecordNo AS INTEGER)), 0) + 1, ?, "
                                               "?, ?, ?, ? FROM Table1 RETURNING RecordNo");
    const QString nextNumber =
        QStringLiteral("SELECT CAST(RecordNo AS INTEGER) + 1, ?, ?, ?, ?, ? FROM Table1 "
                       "WHERE rowid = last_insert_rowid() RETURNING RecordNo");
    QList<db::Statement> inserts;
    inserts.reserve(entries.size());
    for (const EntryWithFiles& added : entries)
        inserts.append({insert + (inserts.isEmpty() ? firstNumber : nextNumber), entryValues(added.entry)});
    const Loaded<db::ChangeOutcome> added = m_history.change(inserts);
    if (!added.ok())
        return failed<std::optional<qint32>>(added.error);
    const qint32 last = added.value.returned.toInt();
    const qint32 first = last - qint32(entries.size()) + 1;

    QList<db::Statement> links;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        for (const QString& path : entries[i].files)
            links.append({QStringLiteral("INSERT INTO Table1 (RecordNo, FilePath) VALUES (?, ?)"),
                          {first + qint32(i), path}});
    }
    if (links.isEmpty())
        return {first, {}};
    const Loaded<db::ChangeOutcome> linked = m_files.change(links);
    if (linked.ok())
        return {first, {}};
    // The two files cannot share one transaction: the entries just added go again.
    m_history.change({{QStringLiteral("DELETE FROM Table1 WHERE CAST(RecordNo AS INTEGER) BETWEEN ? AND ?"),
                       {first, last}}});
    return failed<std::optional<qint32>>(linked.error);
}

Loaded<std::optional<qint32>> DiaryStore::updateNewRecordNumber() const {
    Loaded<std::optional<qint32>> result;
    const IoResult walked = m_history.walk(
        {{QStringLiteral("RecordNo")}, QStringLiteral("rowid = (SELECT max(rowid) FROM Table1)"), {}},
        [&](const db::RowView& row) { result.value = static_cast<qint32>(row.number(0)); });
    if (!walked)
        return failed<std::optional<qint32>>(walked.error);
    return result;
}

IoResult DiaryStore::updateEntry(qint32 recordNo, const DiaryEntry& entry) const {
    const QVariantList values = entryValues(entry) + numberValues(recordNo);
    const Loaded<db::ChangeOutcome> updated = m_history.change(
        {{QStringLiteral(
              "UPDATE Table1 SET RecordSubject = ?, RecordContent = ?, RecordDay = ?, RecordMonth = ?, "
              "RecordYear = ? WHERE ") +
              NumberIs,
          values}});
    if (!updated.ok())
        return IoResult::failure(updated.error);
    if (updated.value.rowsAffected == 0) {
        return IoResult::failure(aboutFile(
            m_history.path(),
            QObject::tr("holds no diary entry number %1 any more; nothing was saved.").arg(recordNo)));
    }
    return IoResult::success();
}

Loaded<QStringList> DiaryStore::listFiles(qint32 recordNo) const {
    Loaded<QStringList> result;
    const IoResult walked = m_files.walk({{QStringLiteral("FilePath")}, NumberIs, numberValues(recordNo)},
                                         [&](const db::RowView& row) { result.value.append(row.text(0)); });
    if (!walked)
        return failed<QStringList>(walked.error);
    return result;
}

Loaded<bool> DiaryStore::attachFile(qint32 recordNo, const QString& path) const {
    // The test and the insert are one statement, so a link cannot be doubled between them.
    const Loaded<db::ChangeOutcome> added = m_files.change(
        {{QStringLiteral("INSERT INTO Table1 (RecordNo, FilePath) SELECT ?, ? WHERE NOT EXISTS "
                         "(SELECT 1 FROM Table1 WHERE FilePath = ? AND ") +
              NumberIs + QLatin1Char(')'),
          QVariantList{recordNo, path, path} + numberValues(recordNo)}});
    if (!added.ok())
        return failed<bool>(added.error);
    return {added.value.rowsAffected > 0, {}};
}

IoResult DiaryStore::detachFile(qint32 recordNo, const QString& path) const {
    const Loaded<db::ChangeOutcome> removed =
        m_files.change({{QStringLiteral("DELETE FROM Table1 WHERE FilePath = ? AND ") + NumberIs,
                         QVariantList{path} + numberValues(recordNo)}});
    return removed.ok() ? IoResult::success() : IoResult::failure(removed.error);
}

} // namespace velkor::diary
