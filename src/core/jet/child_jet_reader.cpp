#include "core/jet/child_jet_reader.h"

#include "core/foreign/plain_file.h"
#include "core/jet/mdb_reader.h"

#include <QDataStream>
#include <QDir>
#include <QObject>

namespace velkor::jet {

namespace {

enum Tag : quint8 { TableTag = 1, RowTag, EndTag };

// The kinds of value a Jet row may hold (see JetRow).
bool isJetValue(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::UnknownType:
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::QDateTime:
        return true;
    default:
        return false;
    }
}

bool writeEnd(foreign::FrameWriter& out, const QString& error) {
    return out.write([&](QDataStream& s) { s << EndTag << error; });
}

} // namespace

IoResult ChildJetReader::run(const QStringList& arguments,
                             const std::function<bool(QDataStream&, quint8)>& take) {
    QString error;
    bool ended = false;
    const foreign::ReaderOutcome outcome = foreign::runReader(
        m_program, arguments,
        [&](const QByteArray& frame) {
            foreign::FrameIn received(frame);
            QDataStream& in = received.stream();
            const quint8 tag = received.tag<quint8>();
            if (ended)
                return false;
            if (tag == EndTag) {
                in >> error;
                ended = true;
            } else if (!take(in, tag)) {
                return false;
            }
            return received.whole();
        },
        m_limits);
    if (!outcome.ok() || !ended)
        return IoResult::failure(aboutFile(
            m_path, QObject::tr("could not be read: %1").arg(foreign::readerFailure(outcome, m_limits))));
    return error.isEmpty() ? IoResult::success() : IoResult::failure(error);
}

IoResult ChildJetReader::open(const QString& path) {
    close();
    if (const QString why = foreign::whyNotPlain(path); !why.isEmpty())
        return IoResult::failure(aboutFile(path, why));
    m_path = path;
    const IoResult read = run({QStringLiteral("jet-tables"), path}, [this](QDataStream& in, quint8 tag) {
        if (tag != TableTag)
            return false;
        QString table;
        QStringList columns;
        in >> table >> columns;
        m_tables.append(table);
        m_columns.insert(table, columns);
        return true;
    });
    if (!read)
        close();
    return read;
}

void ChildJetReader::close() {
    m_path.clear();
    m_tables.clear();
    m_columns.clear();
}

Loaded<QStringList> ChildJetReader::tables() const {
    return {m_tables, {}};
}

Loaded<QStringList> ChildJetReader::columns(const QString& table) const {
    if (!m_columns.contains(table))
        return {{}, aboutFile(m_path, QObject::tr("has no table named %1.").arg(table))};
    return {m_columns.value(table), {}};
}

IoResult ChildJetReader::readRows(const QString& table, const QStringList& columns,
                                  const std::function<void(const JetRow&)>& visit) {
    return run(QStringList{QStringLiteral("jet-rows"), m_path, table} + columns,
               [&](QDataStream& in, quint8 tag) {
                   if (tag != RowTag)
                       return false;
                   JetRow row;
                   in >> row;
                   if (row.size() != columns.size() || !std::all_of(row.cbegin(), row.cend(), isJetValue))
                       return false;
                   visit(row);
                   return true;
               });
}

bool writeJetTables(const QString& path, foreign::FrameWriter& out) {
    MdbReader reader;
    IoResult result = reader.open(path);
    const Loaded<QStringList> tables = result ? reader.tables() : Loaded<QStringList>{};
    if (!tables.ok())
        result = IoResult::failure(tables.error);
    for (const QString& table : tables.value) {
        const Loaded<QStringList> columns = reader.columns(table);
        if (!columns.ok())
            return writeEnd(out, columns.error);
        if (!out.write([&](QDataStream& s) { s << TableTag << table << columns.value; }))
            return false;
    }
    return writeEnd(out, result.error);
}

bool writeJetRows(const QString& path, const QString& table, const QStringList& columns,
                  foreign::FrameWriter& out) {
    MdbReader reader;
    IoResult result = reader.open(path);
    bool written = true;
    if (result)
        result = reader.readRows(table, columns, [&](const JetRow& row) {
            written = written && out.write([&](QDataStream& s) { s << RowTag << row; });
        });
    return written && writeEnd(out, result.error);
}

} // namespace velkor::jet
