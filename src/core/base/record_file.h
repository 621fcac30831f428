#pragma once

#include "core/base/io_result.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <variant>

namespace velkor {

// One field of a comma-separated record: a bare whole number or a quoted string.
using Field = std::variant<qint64, QString>;
using Fields = QList<Field>;

// One record as found in a file. `raw` holds its bytes exactly as read (line end included when there was
// one); `fields` is empty when the bytes could not be parsed. A rewrite writes `raw` back as it is, so a
// record nobody changed keeps its bytes (and its encoding) whatever the reader made of them.
struct RecordEntry {
    QByteArray raw;
    std::optional<Fields> fields;
};

// Sees each record of some contents in turn without keeping them: `raw` is the record's bytes, `fields` what
// was parsed (empty for a damaged line), which the visitor may take.
using RecordVisitor = std::function<void(QByteArrayView raw, std::optional<Fields>& fields)>;
void scanRecords(QByteArrayView contents, const RecordVisitor& visit);
IoResult scanRecordFile(const QString& path, const RecordVisitor& visit);

// Splits file contents into records. Never fails: what cannot be parsed becomes an unparsed entry of one
// physical line, and parsing goes on with the next line.
QList<RecordEntry> parseRecords(QByteArrayView contents);

// The bytes of one record: numbers bare, strings quoted and UTF-8, fields joined by commas, CR LF at the end.
// A double quote inside a string cannot be stored; callers replace it before writing.
QByteArray encodeRecord(const Fields& fields);

// The bytes to write back for an entry: its raw bytes, with a line end added when the file's last record had
// none.
QByteArray entryBytes(const RecordEntry& entry);

// Reads every record of a file. A missing file reads as empty; a file that exists but cannot be read is an
// error naming the file.
Loaded<QList<RecordEntry>> readRecordFile(const QString& path);

// Replaces the whole file atomically: the old content stays until the new one is complete on disk.
IoResult rewriteRecordFile(const QString& path, const QList<QByteArray>& records);
IoResult rewriteRecordFile(const QString& path, const QByteArray& contents);

// Adds one record at the end in a single write, creating the file when missing. When the file ends in the
// middle of a line, the record starts on a new line so that it cannot be glued to the torn one.
IoResult appendRecord(const QString& path, const Fields& fields);

// Creates the file empty when it does not exist; leaves an existing file untouched.
IoResult touchFile(const QString& path);

// Field access that tolerates foreign records: nullopt when the field is missing or of the other kind.
std::optional<qint64> numberAt(const Fields& fields, qsizetype index);
std::optional<QString> stringAt(const Fields& fields, qsizetype index);

} // namespace velkor
