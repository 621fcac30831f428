// Times carrying 100,000 old diary entries over (through a reader that makes the rows) against writing the
// same rows into the diary in one transaction, and a full read of nwind.mdb through libmdb against reading
// the file's bytes.
// Prints: name<TAB>value<TAB>unit<TAB>baseline-name<TAB>baseline-value

#include "bench_util.h"
#include "core/diary/diary_store.h"
#include "core/jet/jet_import.h"
#include "core/jet/mdb_reader.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

using namespace velkor;

namespace {

constexpr int EntryCount = 100000;
constexpr int Runs = 5;

// Table1 of an old history.mdb with entries of everyday length, made afresh for every read.
class MadeUpDiary final : public jet::JetReader {
public:
    IoResult open(const QString&) override { return IoResult::success(); }
    void close() override {}
    Loaded<QStringList> tables() const override { return {{QStringLiteral("Table1")}, {}}; }
    Loaded<QStringList> columns(const QString&) const override {
        return {{QStringLiteral("RecordNo"), QStringLiteral("RecordSubject"), QStringLiteral("RecordContent"),
                 QStringLiteral("RecordDay"), QStringLiteral("RecordMonth"), QStringLiteral("RecordYear")},
                {}};
    }
    IoResult readRows(const QString&, const QStringList&,
                      const std::function<void(const jet::JetRow&)>& visit) override {
        for (int i = 0; i < EntryCount; ++i)
            visit(row(i));
        return IoResult::success();
    }
    static jet::JetRow row(int i) {
        return {i + 1,
                QStringLiteral("Toplantı %1").arg(i),
                QStringLiteral("Bugün İstanbul'da uzun bir gün geçti; akşam eve döndük. %1").arg(i),
                QStringLiteral("%1").arg(i % 28 + 1, 2, 10, QLatin1Char('0')),
                QStringLiteral("%1").arg(i % 12 + 1, 2, 10, QLatin1Char('0')),
                QStringLiteral("2003")};
    }
};

double importMs() {
    return bench::medianMs(Runs, [] {
        QTemporaryDir dir;
        QFile jet(QDir(dir.path()).filePath(QStringLiteral("history.mdb")));
        jet.open(QIODevice::WriteOnly);
        jet.write(QByteArray("\x00\x01\x00\x00Standard Jet DB\x00\x01\x00\x00\x00", 24));
        jet.close();
        MadeUpDiary reader;
        const diary::DiaryStore store{QDir(dir.path())};
        if (jet::importJetFiles({store.history()}, reader).carried.isEmpty())
            std::fprintf(stderr, "bench_jet: the import failed\n");
    });
}

double plainWriteMs() {
    return bench::medianMs(Runs, [] {
        QTemporaryDir dir;
        const diary::DiaryStore store{QDir(dir.path())};
        QList<db::Statement> inserts;
        inserts.reserve(EntryCount);
        for (int i = 0; i < EntryCount; ++i)
            inserts.append(
                {QStringLiteral("INSERT INTO Table1 VALUES (?, ?, ?, ?, ?, ?)"), MadeUpDiary::row(i)});
        store.history().change(inserts);
    });
}

double readNwindMs(const QString& path) {
    return bench::medianMs(Runs, [&path] {
        jet::MdbReader reader;
        reader.open(path);
        qint64 fields = 0;
        for (const QString& table : reader.tables().value) {
            reader.readRows(table, reader.columns(table).value,
                            [&fields](const jet::JetRow& row) { fields += row.size(); });
        }
        if (fields == 0)
            std::fprintf(stderr, "bench_jet: nothing read from %s\n", qPrintable(path));
    });
}

double readBytesMs(const QString& path) {
    return bench::medianMs(Runs, [&path] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        if (file.readAll().isEmpty())
            std::fprintf(stderr, "bench_jet: cannot read %s\n", qPrintable(path));
    });
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bench::report("carry over 100,000 old diary entries", importMs(), "ms", "write them in one transaction",
                  plainWriteMs());
    const QString nwind = QStringLiteral(VELKOR_JET_DATA "/nwind.mdb");
    bench::report("read all of nwind.mdb through libmdb", readNwindMs(nwind), "ms", "read the file's bytes",
                  readBytesMs(nwind));
    return 0;
}
