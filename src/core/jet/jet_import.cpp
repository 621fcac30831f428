#include "core/jet/jet_import.h"

#include "core/base/link_target.h"
#include "core/jet/import_files.h"
#include "core/jet/jet_format.h"

#include <QDateTime>
#include <QFileInfo>
#include <QObject>

#include <algorithm>
#include <cmath>
#include <optional>

namespace velkor::jet {

namespace {

const QString JetTable = QStringLiteral("Table1");

bool isIntegerColumn(const db::Column& column) {
    return column.declaration.startsWith(QLatin1String("INTEGER"), Qt::CaseInsensitive);
}

// SQLite keeps the rows of a table whose key is an INTEGER PRIMARY KEY in the key's order.
std::optional<qsizetype> rowidColumn(const QList<db::Column>& columns) {
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (isIntegerColumn(columns[i]) && columns[i].declaration.contains(QLatin1String("PRIMARY KEY")))
            return i;
    }
    return std::nullopt;
}

// A value as the new table keeps it: numbers in a number column stay numbers (a number stored as text
// too, as SQLite would make it), everything else is text; NULL stays NULL.
QVariant storedForm(const QVariant& value, const db::Column& column) {
    if (value.isNull())
        return {};
    if (isIntegerColumn(column) && value.typeId() != QMetaType::Bool) {
        bool isNumber = false;
        const double number = value.typeId() == QMetaType::QString
                                  ? value.toString().trimmed().toDouble(&isNumber)
                                  : value.toDouble(&isNumber);
        if (isNumber && std::isfinite(number)) {
            const qlonglong whole = value.toString().trimmed().toLongLong(&isNumber);
            if (isNumber)
                return whole;
            if (std::trunc(number) == number && std::abs(number) < 9e15)
                return qlonglong(number);
            return number;
        }
    }
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return value.toString();
}

bool sameValue(const QVariant& stored, const QVariant& readBack) {
    if (stored.isNull() || readBack.isNull())
        return stored.isNull() && readBack.isNull();
    switch (stored.typeId()) {
    case QMetaType::LongLong:
        return (readBack.typeId() == QMetaType::LongLong || readBack.typeId() == QMetaType::Int) &&
               readBack.toLongLong() == stored.toLongLong();
    case QMetaType::Double:
        return readBack.typeId() == QMetaType::Double && readBack.toDouble() == stored.toDouble();
    default:
        return readBack.typeId() == QMetaType::QString && readBack.toString() == stored.toString();
    }
}

using Rows = QList<db::Row>;

// Size and time of last change, taken at once (QFileInfo would look only when first asked).
using FileStamp = std::pair<qint64, QDateTime>;

FileStamp stampOf(const QString& path) {
    const QFileInfo info(path);
    return {info.size(), info.lastModified()};
}

class FileImport {
public:
    // `path`: the target's file, a link followed to the file it names.
    FileImport(const db::Database& target, const QString& path, JetReader& reader, const StepHook& step)
        : m_target(target), m_reader(reader), m_step(step), m_path(path),
          m_staged(QFileInfo(stagingPath(m_path)).absoluteDir(), QFileInfo(stagingPath(m_path)).fileName(),
                   target.columns()) {}

    Loaded<Carried> run() {
        Loaded<Carried> result;
        if (lockedByOtherProgram(m_path)) {
            result.error = aboutFile(
                m_path, QObject::tr("is in use by another program. Please try again when it has finished."));
            return result;
        }
        const FileStamp before = stampOf(m_path);
        const Loaded<Rows> rows = readTable();
        if (!rows.ok()) {
            result.error = rows.error;
            return result;
        }
        if (const IoResult staged = stage(rows.value); !staged) {
            result.error = staged.error;
            return finish(result);
        }
        m_step(ImportStep::Staged);
        if (const IoResult checked = check(); !checked) {
            result.error = checked.error;
            return finish(result);
        }
        m_step(ImportStep::Checked);

        if (stampOf(m_path) != before) {
            result.error = aboutFile(m_path, QObject::tr("changed while it was being carried over."));
            return finish(result);
        }
        const Loaded<KeptOriginal> kept = keepOriginal(m_path);
        if (!kept.ok()) {
            result.error = aboutFile(m_path, kept.error);
            return finish(result);
        }
        m_step(ImportStep::OriginalKept);
        if (const IoResult replaced = replaceWithStaged(m_path); !replaced) {
            if (kept.value.madeNow)
                QFile::remove(kept.value.path);
            result.error = aboutFile(
                m_path, QObject::tr("could not be replaced by the new database: %1").arg(replaced.error));
            return finish(result);
        }
        m_step(ImportStep::Replaced);
        result.value = {m_target.fileName(), rows.value.size(), kept.value.path};
        return result;
    }

private:
    // Reads Table1 afresh: the second read opens the file again rather than trusting the first one's state.
    Loaded<Rows> readTable() {
        Loaded<Rows> result;
        const auto failed = [&](const QString& error) {
            m_reader.close();
            result.error = error;
            return result;
        };
        if (const IoResult opened = m_reader.open(m_path); !opened)
            return failed(opened.error);
        const Loaded<QStringList> tables = m_reader.tables();
        if (!tables.ok())
            return failed(tables.error);
        const auto table = std::find_if(tables.value.begin(), tables.value.end(), [](const QString& name) {
            return name.compare(JetTable, Qt::CaseInsensitive) == 0;
        });
        if (table == tables.value.end())
            return failed(aboutFile(m_path, QObject::tr("holds no table named %1.").arg(JetTable)));
        const Loaded<QStringList> columns = m_reader.columns(*table);
        if (!columns.ok())
            return failed(columns.error);
        // Jet names are not case-sensitive: the old program's RecordNo may be spelt recordno.
        QStringList wanted;
        for (const db::Column& column : m_target.columns()) {
            const auto found =
                std::find_if(columns.value.begin(), columns.value.end(), [&](const QString& name) {
                    return name.compare(column.name, Qt::CaseInsensitive) == 0;
                });
            if (found == columns.value.end())
                return failed(aboutFile(
                    m_path, QObject::tr("has no column %1 in its table %2.").arg(column.name, *table)));
            wanted.append(*found);
        }
        const QList<db::Column>& targetColumns = m_target.columns();
        const IoResult read = m_reader.readRows(*table, wanted, [&](const JetRow& jetRow) {
            db::Row row;
            row.reserve(targetColumns.size());
            for (qsizetype i = 0; i < targetColumns.size(); ++i)
                row.append(storedForm(i < jetRow.size() ? jetRow[i] : QVariant(), targetColumns[i]));
            result.value.append(std::move(row));
        });
        m_reader.close();
        if (!read) {
            result.value.clear();
            result.error = read.error;
        }
        return result;
    }

    IoResult stage(const Rows& rows) {
        QStringList names;
        for (const db::Column& column : m_target.columns())
            names.append(column.name);
        const QString insert =
            QStringLiteral("INSERT INTO Table1 (%1) VALUES (%2)")
                .arg(names.join(QLatin1Char(',')),
                     QStringList(names.size(), QStringLiteral("?")).join(QLatin1Char(',')));
        QList<db::Statement> statements;
        statements.reserve(rows.size());
        for (const db::Row& row : rows)
            statements.append({insert, row});
        // An empty table is created too: the database then exists with its table.
        const Loaded<db::ChangeOutcome> written = m_staged.change(statements);
        if (!written.ok())
            return IoResult::failure(
                aboutFile(m_path, QObject::tr("could not be carried over:\n%1").arg(written.error)));
        return IoResult::success();
    }

    // Every row of a second read of the original must be in the new database, and nothing else.
    IoResult check() {
        Loaded<Rows> expected = readTable();
        if (!expected.ok())
            return IoResult::failure(expected.error);
        if (const std::optional<qsizetype> key = rowidColumn(m_target.columns())) {
            std::stable_sort(expected.value.begin(), expected.value.end(),
                             [k = *key](const db::Row& a, const db::Row& b) {
                                 return a[k].toLongLong() < b[k].toLongLong();
                             });
        }
        const Loaded<Rows> written = m_staged.read();
        if (!written.ok())
            return IoResult::failure(
                aboutFile(m_path, QObject::tr("could not be carried over:\n%1").arg(written.error)));
        if (written.value.size() != expected.value.size())
            return IoResult::failure(
                aboutFile(m_path, QObject::tr("could not be carried over: the new database holds %1 rows, "
                                              "the original %2.")
                                      .arg(written.value.size())
                                      .arg(expected.value.size())));
        for (qsizetype r = 0; r < expected.value.size(); ++r) {
            const db::Row& want = expected.value[r];
            const db::Row& got = written.value[r];
            for (qsizetype c = 0; c < want.size(); ++c) {
                if (c >= got.size() || !sameValue(want[c], got[c]))
                    return IoResult::failure(aboutFile(
                        m_path, QObject::tr("could not be carried over: row %1 of the new database differs "
                                            "from the original.")
                                    .arg(r + 1)));
            }
        }
        return IoResult::success();
    }

    // Whatever failed, nothing of the import stays beside the original.
    Loaded<Carried> finish(Loaded<Carried> result) {
        removeLeftovers(m_path);
        return result;
    }

    const db::Database& m_target;
    JetReader& m_reader;
    const StepHook& m_step;
    QString m_path;
    db::Database m_staged;
};

} // namespace

ImportOutcome importJetFiles(const QList<db::Database>& targets, JetReader& reader, const StepHook& step) {
    ImportOutcome outcome;
    const StepHook noStep = [](ImportStep) {};
    for (const db::Database& target : targets) {
        // A linked database is carried over where it lies: the link stays.
        const QString path = pathToWrite(target.path()).value;
        if (path.isEmpty())
            continue;
        removeLeftovers(path);
        if (!QFileInfo(path).isFile() || jetFormatOfFile(path) == JetFormat::None)
            continue;
        const Loaded<Carried> carried = FileImport(target, path, reader, step ? step : noStep).run();
        if (carried.ok())
            outcome.carried.append(carried.value);
        else
            outcome.failures.append(carried.error);
    }
    return outcome;
}

} // namespace velkor::jet
