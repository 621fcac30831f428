#include "core/jet/mdb_reader.h"

#include "core/jet/jet_format.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>

#include <mdbtools.h>

#include <cmath>
#include <optional>
#include <vector>

namespace velkor::jet {

namespace {

// Row offsets on a data page carry two flag bits above the offset.
constexpr int RowOffsetMask = 0x1fff;

QString damaged() {
    return QObject::tr("is damaged or encrypted and cannot be read.");
}

// libmdb picks its text conversion from MDBICONV and MDB_JET3_CHARSET, and for Jet 3 from the code page in
// the header (1252 in files made on a western Windows). Its handles are replaced by fixed ones, so that the
// same file reads the same for every user.
bool useFixedCharsets(MdbHandle* mdb) {
    mdb_iconv_close(mdb);
    const char* stored = mdb->f->jet_version == MDB_VER_JET3 ? "WINDOWS-1254" : "UCS-2LE";
    mdb->iconv_in = iconv_open("UTF-8", stored);
    mdb->iconv_out = iconv_open(stored, "UTF-8");
    const auto failed = reinterpret_cast<iconv_t>(-1);
    return mdb->iconv_in != failed && mdb->iconv_out != failed;
}

QString decodeText(MdbHandle* mdb, const char* bytes, size_t size) {
    if (size == 0)
        return QStringLiteral("");
    // A stored byte (Jet 3) or UTF-16 unit (Jet 4) never takes more than three bytes of UTF-8.
    QByteArray utf8(qsizetype(size) * 3 + 4, Qt::Uninitialized);
    const int length = mdb_unicode2ascii(mdb, bytes, size, utf8.data(), size_t(utf8.size() - 1));
    return QString::fromUtf8(utf8.constData(), length);
}

quint32 uint32At(const void* buffer, int offset) {
    return static_cast<quint32>(mdb_get_int32(const_cast<void*>(buffer), offset));
}

// The bytes of a memo or OLE field: kept in the row itself, on one page of its own, or as a chain of
// pages. nullopt when the chain cannot be followed to the length the field states.
std::optional<QByteArray> readLongValue(MdbHandle* mdb, int start, int size) {
    if (size < MDB_MEMO_OVERHEAD)
        return QByteArray();
    const quint32 head = uint32At(mdb->pg_buf, start);
    const quint32 length = head & 0x3fffffff;
    const auto readPage = [mdb](quint32 pageRow, QByteArrayView& bytes) {
        void* page = nullptr;
        int offset = 0;
        size_t rowSize = 0;
        if (mdb_find_pg_row(mdb, static_cast<int>(pageRow), &page, &offset, &rowSize) != 0)
            return false;
        bytes = QByteArrayView(static_cast<const char*>(page) + offset, qsizetype(rowSize));
        return true;
    };
    const quint32 firstRow = uint32At(mdb->pg_buf, start + 4);
    QByteArray value;
    if (head & 0x80000000) {
        value = QByteArray(reinterpret_cast<const char*>(mdb->pg_buf) + start + MDB_MEMO_OVERHEAD,
                           size - MDB_MEMO_OVERHEAD);
    } else if (head & 0x40000000) {
        QByteArrayView bytes;
        if (!readPage(firstRow, bytes))
            return std::nullopt;
        value = bytes.toByteArray();
    } else if ((head & 0xff000000) == 0) {
        // Each page of the chain starts with the page and row of the next one.
        for (quint32 next = firstRow; next != 0;) {
            QByteArrayView bytes;
            if (!readPage(next, bytes) || bytes.size() < 4 || value.size() + bytes.size() - 4 > length)
                return std::nullopt;
            next = uint32At(bytes.data(), 0);
            value.append(bytes.sliced(4));
        }
    } else {
        return std::nullopt;
    }
    if (quint32(value.size()) != length)
        return std::nullopt;
    return value;
}

QDateTime dateTimeOf(double stamp) {
    // Days since 30 December 1899; the fraction is the time of day, counted forward also before that day.
    const double days = std::trunc(stamp);
    const auto msecs = std::llround(std::abs(stamp - days) * 86400000.0);
    return QDateTime(QDate(1899, 12, 30).addDays(qint64(days)), QTime(0, 0), Qt::UTC).addMSecs(msecs);
}

struct TableDeleter {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using Table = std::unique_ptr<MdbTableDef, TableDeleter>;

MdbColumn* columnAt(MdbTableDef* table, unsigned index) {
    return static_cast<MdbColumn*>(g_ptr_array_index(table->columns, index));
}

} // namespace

struct MdbReader::File {
    QString path;
    MdbHandle* mdb = nullptr;

    ~File() { mdb_close(mdb); }

    QString failure(const QString& what) const { return aboutFile(path, what); }

    // The table with its columns read; null when there is none of that name or it cannot be read.
    Table table(const QString& name, QString& error) const {
        MdbCatalogEntry* entry = mdb_get_catalogentry_by_name(mdb, name.toUtf8().constData());
        if (!entry || entry->object_type != MDB_TABLE) {
            error = failure(QObject::tr("holds no table named %1.").arg(name));
            return nullptr;
        }
        Table table(mdb_read_table(entry));
        if (!table || !mdb_read_columns(table.get())) {
            error = failure(damaged());
            return nullptr;
        }
        return table;
    }

    // One field of the current row; nullopt when it cannot be read.
    std::optional<QVariant> value(const MdbColumn* column, const MdbField& field) const {
        if (column->col_type == MDB_BOOL)
            return QVariant(!field.is_null); // a yes/no field keeps its value in the null bit
        if (field.is_null)
            return QVariant();
        const int start = field.start;
        const int size = field.siz;
        if (start < 0 || size < 0 || start + size > mdb->fmt->pg_size)
            return std::nullopt;
        void* page = mdb->pg_buf;
        const char* bytes = reinterpret_cast<const char*>(mdb->pg_buf) + start;
        switch (column->col_type) {
        case MDB_BYTE:
            return QVariant(int(mdb_get_byte(page, start)));
        case MDB_INT:
            return QVariant(int(static_cast<qint16>(mdb_get_int16(page, start))));
        case MDB_LONGINT:
        case MDB_COMPLEX:
            return QVariant(static_cast<qint32>(mdb_get_int32(page, start)));
        case MDB_FLOAT:
            return QVariant(double(mdb_get_single(page, start)));
        case MDB_DOUBLE:
            return QVariant(mdb_get_double(page, start));
        case MDB_DATETIME: {
            const double stamp = mdb_get_double(page, start);
            // Beyond the years Access can show the value is no date: it is handed on as it is.
            if (!std::isfinite(stamp) || std::abs(stamp) > 3e6)
                return QVariant(stamp);
            return QVariant(dateTimeOf(stamp));
        }
        case MDB_TEXT:
            return QVariant(decodeText(mdb, bytes, size_t(size)));
        case MDB_MEMO:
        case MDB_OLE: {
            const std::optional<QByteArray> stored = readLongValue(mdb, start, size);
            if (!stored)
                return std::nullopt;
            if (column->col_type == MDB_OLE)
                return QVariant(*stored);
            return QVariant(decodeText(mdb, stored->constData(), size_t(stored->size())));
        }
        case MDB_BINARY:
            return QVariant(QByteArray(bytes, size));
        case MDB_MONEY:
        case MDB_REPID: {
            char* text = mdb_col_to_string(mdb, page, start, column->col_type, size);
            const QString result = QString::fromUtf8(text);
            g_free(text);
            return QVariant(result);
        }
        default:
            // Decimal (NUMERIC) fields among them: the library reads them only into its own exports.
            return QVariant(QByteArray(bytes, size));
        }
    }
};

MdbReader::MdbReader() = default;

MdbReader::~MdbReader() = default;

IoResult MdbReader::open(const QString& path) {
    close();
    // libmdb would look for a missing file along MDBPATH, and reports nothing of why a file cannot be read.
    QFile probe(path);
    if (!QFileInfo(path).isFile() || !probe.open(QIODevice::ReadOnly))
        return IoResult::failure(
            aboutFile(path, QObject::tr("cannot be opened: %1").arg(probe.errorString())));
    probe.close();
    if (jetFormatOfFile(path) == JetFormat::None)
        return IoResult::failure(aboutFile(path, QObject::tr("is not an Access database.")));

    auto file = std::make_unique<File>();
    file->path = path;
    file->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!file->mdb || !useFixedCharsets(file->mdb) || !mdb_read_catalog(file->mdb, MDB_TABLE))
        return IoResult::failure(aboutFile(path, damaged()));
    m_file = std::move(file);
    return IoResult::success();
}

void MdbReader::close() {
    m_file.reset();
}

Loaded<QStringList> MdbReader::tables() const {
    Loaded<QStringList> result;
    if (!m_file)
        return result;
    GPtrArray* catalog = m_file->mdb->catalog;
    for (guint i = 0; catalog && i < catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry))
            result.value.append(QString::fromUtf8(entry->object_name));
    }
    return result;
}

Loaded<QStringList> MdbReader::columns(const QString& name) const {
    Loaded<QStringList> result;
    if (!m_file)
        return result;
    const Table table = m_file->table(name, result.error);
    for (unsigned i = 0; table && i < table->num_cols; ++i)
        result.value.append(QString::fromUtf8(columnAt(table.get(), i)->name));
    return result;
}

IoResult MdbReader::readRows(const QString& name, const QStringList& wanted,
                             const std::function<void(const JetRow&)>& visit) {
    if (!m_file)
        return IoResult::failure(QObject::tr("No database is open."));
    const File& file = *m_file;
    QString error;
    const Table table = file.table(name, error);
    if (!table)
        return IoResult::failure(error);

    std::vector<unsigned> picked;
    for (const QString& column : wanted) {
        unsigned i = 0;
        while (i < table->num_cols && QString::fromUtf8(columnAt(table.get(), i)->name) != column)
            ++i;
        if (i == table->num_cols)
            return IoResult::failure(
                file.failure(QObject::tr("has no column %1 in its table %2.").arg(column, name)));
        picked.push_back(i);
    }

    MdbHandle* mdb = file.mdb;
    std::vector<MdbField> fields(table->num_cols);
    // Where each column's field stands among the fields of a row.
    std::vector<int> fieldOf(table->num_cols, -1);
    unsigned count = 0;
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        // The fetch leaves NULL and empty text alike; the row is taken apart again to tell them apart.
        int rowStart = 0;
        size_t rowSize = 0;
        if (mdb_find_row(mdb, int(table->cur_row) - 1, &rowStart, &rowSize) != 0)
            return IoResult::failure(file.failure(damaged()));
        const int cracked = mdb_crack_row(table.get(), rowStart & RowOffsetMask, rowSize, fields.data());
        if (cracked < 0)
            return IoResult::failure(file.failure(damaged()));
        std::fill(fieldOf.begin(), fieldOf.end(), -1);
        for (int f = 0; f < int(table->num_cols); ++f) {
            if (fields[f].colnum >= 0 && unsigned(fields[f].colnum) < table->num_cols)
                fieldOf[fields[f].colnum] = f;
        }
        JetRow row;
        row.reserve(qsizetype(picked.size()));
        for (const unsigned column : picked) {
            const int f = fieldOf[column];
            const std::optional<QVariant> value =
                f < 0 ? std::nullopt : file.value(columnAt(table.get(), column), fields[f]);
            if (!value)
                return IoResult::failure(file.failure(damaged()));
            row.append(*value);
        }
        visit(row);
        ++count;
    }
    // A page that cannot be read ends the fetch as if the table ended there.
    if (count != table->num_rows)
        return IoResult::failure(
            file.failure(QObject::tr("is damaged: %1 of the %2 rows of its table %3 could be read.")
                             .arg(count)
                             .arg(table->num_rows)
                             .arg(name)));
    return IoResult::success();
}

} // namespace velkor::jet
