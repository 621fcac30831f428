#include "core/base/record_file.h"

#include "core/base/legacy_text.h"
#include "core/base/link_target.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace velkor {

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

class RecordParser {
public:
    explicit RecordParser(QByteArrayView data) : m_data(data) {}

    bool atEnd() const { return m_pos >= m_data.size(); }

    // Skips empty lines; returns false when only line ends were left.
    bool skipBlankLines() {
        while (!atEnd() && (m_data[m_pos] == '\r' || m_data[m_pos] == '\n'))
            ++m_pos;
        return !atEnd();
    }

    // The next record's bytes; `fields` is left empty when they are not a record we understand.
    QByteArrayView next(std::optional<Fields>& fields) {
        const qsizetype start = m_pos;
        Fields parsed;
        if (parseRecord(parsed)) {
            fields = std::move(parsed);
            return m_data.sliced(start, m_pos - start);
        }
        fields.reset();
        // Not a record we understand: keep its first physical line as it is and resume after it.
        m_pos = start;
        while (!atEnd() && m_data[m_pos] != '\n')
            ++m_pos;
        if (!atEnd())
            ++m_pos;
        return m_data.sliced(start, m_pos - start);
    }

private:
    bool parseRecord(Fields& fields) {
        while (true) {
            skipBlanks();
            if (atEnd())
                return false;
            if (m_data[m_pos] == '"') {
                QString text;
                if (!parseString(text))
                    return false;
                fields.append(std::move(text));
            } else {
                qint64 number = 0;
                if (!parseNumber(number))
                    return false;
                fields.append(number);
            }
            skipBlanks();
            if (atEnd())
                return true; // last record without a line end
            const char c = m_data[m_pos];
            if (c == ',') {
                ++m_pos;
                continue;
            }
            if (c == '\n') {
                ++m_pos;
                return true;
            }
            if (c == '\r') {
                ++m_pos;
                if (!atEnd() && m_data[m_pos] == '\n')
                    ++m_pos;
                return true;
            }
            return false;
        }
    }

    bool parseString(QString& text) {
        ++m_pos;
        const qsizetype close = m_data.indexOf('"', m_pos);
        if (close < 0)
            return false; // torn: the closing quote never came
        const QByteArrayView inside = m_data.sliced(m_pos, close - m_pos);
        if (inside.contains('\r')) {
            // Line breaks inside a string are kept as LF, whatever the file used.
            QByteArray bytes = inside.toByteArray();
            bytes.replace("\r\n", "\n");
            text = decodeStoredText(bytes);
        } else {
            text = decodeStoredText(inside);
        }
        m_pos = close + 1;
        return true;
    }

    bool parseNumber(qint64& number) {
        const qsizetype start = m_pos;
        if (!atEnd() && m_data[m_pos] == '-')
            ++m_pos;
        const qsizetype digits = m_pos;
        while (!atEnd() && m_data[m_pos] >= '0' && m_data[m_pos] <= '9')
            ++m_pos;
        if (m_pos == digits || m_pos - digits > 15)
            return false;
        bool ok = false;
        number = m_data.sliced(start, m_pos - start).toLongLong(&ok);
        return ok;
    }

    void skipBlanks() {
        while (!atEnd() && isBlank(m_data[m_pos]))
            ++m_pos;
    }

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

} // namespace

void scanRecords(QByteArrayView contents, const RecordVisitor& visit) {
    if (contents.startsWith(kUtf8Bom))
        contents = contents.sliced(3);
    RecordParser parser(contents);
    std::optional<Fields> fields;
    while (parser.skipBlankLines()) {
        const QByteArrayView raw = parser.next(fields);
        visit(raw, fields);
    }
}

QList<RecordEntry> parseRecords(QByteArrayView contents) {
    QList<RecordEntry> entries;
    scanRecords(contents, [&entries](QByteArrayView raw, std::optional<Fields>& fields) {
        entries.append({raw.toByteArray(), std::move(fields)});
    });
    return entries;
}

QByteArray encodeRecord(const Fields& fields) {
    QByteArray out;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        if (const auto* number = std::get_if<qint64>(&fields[i])) {
            out += QByteArray::number(*number);
        } else {
            // Every line break of the text is written CR LF; the reader turns CR LF back into one break.
            QByteArray text = std::get<QString>(fields[i]).toUtf8();
            text.replace('\n', "\r\n");
            out += '"';
            out += text;
            out += '"';
        }
    }
    out += "\r\n";
    return out;
}

QByteArray entryBytes(const RecordEntry& entry) {
    // A parsed record ends at a lone CR too; a damaged line only at LF, or it would swallow the next one.
    const bool ended = entry.raw.endsWith('\n') || (entry.fields && entry.raw.endsWith('\r'));
    return ended ? entry.raw : entry.raw + "\r\n";
}

IoResult scanRecordFile(const QString& path, const RecordVisitor& visit) {
    QFile file(path);
    // A link whose file has gone reads as missing too (QFile::exists would see the link).
    if (!QFileInfo(path).exists())
        return IoResult::success();
    if (QFileInfo(path).isDir())
        return IoResult::failure(aboutFile(path, QObject::tr("is a folder, not a data file.")));
    if (!file.open(QIODevice::ReadOnly))
        return IoResult::failure(aboutFile(path, QObject::tr("cannot be read: %1").arg(file.errorString())));
    // Read, not mapped: another program cutting the file short must not bring this one down.
    const QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return IoResult::failure(aboutFile(path, QObject::tr("cannot be read: %1").arg(file.errorString())));
    scanRecords(contents, visit);
    return IoResult::success();
}

Loaded<QList<RecordEntry>> readRecordFile(const QString& path) {
    QList<RecordEntry> entries;
    const IoResult read = scanRecordFile(path, [&entries](QByteArrayView raw, std::optional<Fields>& fields) {
        entries.append({raw.toByteArray(), std::move(fields)});
    });
    if (!read)
        return {{}, read.error};
    return {std::move(entries), {}};
}

IoResult rewriteRecordFile(const QString& link, const QByteArray& input) {
    // The new file takes the place of the linked one, not of the link.
    const Loaded<QString> resolved = pathToWrite(link);
    if (!resolved.ok())
        return IoResult::failure(resolved.error);
    const QString& path = resolved.value;
    // Replacing a folder or a device by a file of ours would destroy what stands there.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return IoResult::failure(aboutFile(path, QObject::tr("is not a data file.")));
    QByteArray contents = input;
    // A reader takes leading BOM bytes for an encoding mark; data that starts with them keeps them behind
    // one.
    if (contents.startsWith(kUtf8Bom))
        contents.prepend(kUtf8Bom);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return IoResult::failure(
            aboutFile(path, QObject::tr("cannot be written: %1").arg(file.errorString())));
    if (file.write(contents) != contents.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return IoResult::failure(aboutFile(path, QObject::tr("cannot be written: %1").arg(reason)));
    }
    if (!file.commit())
        return IoResult::failure(aboutFile(path, QObject::tr("cannot be saved: %1").arg(file.errorString())));
    return IoResult::success();
}

IoResult rewriteRecordFile(const QString& path, const QList<QByteArray>& records) {
    qsizetype total = 0;
    for (const QByteArray& r : records)
        total += r.size();
    QByteArray contents;
    contents.reserve(total);
    for (const QByteArray& r : records)
        contents += r;
    return rewriteRecordFile(path, contents);
}

static bool endsInsideLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential() || file.size() == 0)
        return false;
    char last = 0;
    return file.seek(file.size() - 1) && file.getChar(&last) && last != '\n';
}

IoResult appendRecord(const QString& link, const Fields& fields) {
    const Loaded<QString> resolved = pathToWrite(link);
    if (!resolved.ok())
        return IoResult::failure(resolved.error);
    const QString& path = resolved.value;
    QByteArray bytes = encodeRecord(fields);
    if (endsInsideLine(path))
        bytes.prepend("\r\n");
    // Unbuffered: the record goes to the system in one write, so a crash leaves all of it or none.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return IoResult::failure(
            aboutFile(path, QObject::tr("cannot be opened: %1").arg(file.errorString())));
    const qint64 sizeBefore = file.size();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        // A full disk may have taken part of the record: cut it off again rather than leave a torn line.
        if (!file.isSequential())
            file.resize(sizeBefore);
        return IoResult::failure(aboutFile(path, QObject::tr("cannot be written: %1").arg(reason)));
    }
    return IoResult::success();
}

IoResult touchFile(const QString& link) {
    const Loaded<QString> resolved = pathToWrite(link);
    if (!resolved.ok())
        return IoResult::failure(resolved.error);
    const QString& path = resolved.value;
    if (QFileInfo(path).isDir())
        return IoResult::failure(aboutFile(path, QObject::tr("is a folder, not a data file.")));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return IoResult::failure(
            aboutFile(path, QObject::tr("cannot be opened: %1").arg(file.errorString())));
    return IoResult::success();
}

std::optional<qint64> numberAt(const Fields& fields, qsizetype index) {
    if (index < 0 || index >= fields.size())
        return std::nullopt;
    if (const auto* n = std::get_if<qint64>(&fields[index]))
        return *n;
    return std::nullopt;
}

std::optional<QString> stringAt(const Fields& fields, qsizetype index) {
    if (index < 0 || index >= fields.size())
        return std::nullopt;
    if (const auto* s = std::get_if<QString>(&fields[index]))
        return *s;
    return std::nullopt;
}

} // namespace velkor
