// Carrying old Jet databases over, through a scripted reader: the mapping, the checks, the renames, every
// failure, and kills (a child process of this program stopped at each step).
#include "core/diary/diary_store.h"
#include "core/directory/directory_store.h"
#include "core/jet/jet_import.h"
#include "fakes/test_support.h"

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>

namespace {

struct FakeTable {
    QStringList columns;
    QList<jet::JetRow> rows;
};

// Serves Table1 of each file from memory; `tamper` may change the rows of the n-th read (1, 2, ...).
class FakeJetReader final : public jet::JetReader {
public:
    QHash<QString, FakeTable> files; // by file name
    QString openError;
    std::function<void(int, QList<jet::JetRow>&)> tamper;

    IoResult open(const QString& path) override {
        m_open = QFileInfo(path).fileName();
        return openError.isEmpty() ? IoResult::success() : IoResult::failure(openError);
    }
    void close() override { m_open.clear(); }
    Loaded<QStringList> tables() const override {
        return {files.contains(m_open) ? QStringList{"table1", "Other"} : QStringList{"Other"}, {}};
    }
    Loaded<QStringList> columns(const QString&) const override { return {files.value(m_open).columns, {}}; }
    IoResult readRows(const QString&, const QStringList& wanted,
                      const std::function<void(const jet::JetRow&)>& visit) override {
        const FakeTable& table = files[m_open];
        QList<jet::JetRow> rows = table.rows;
        if (tamper)
            tamper(++m_reads, rows);
        for (const jet::JetRow& row : rows) {
            jet::JetRow picked;
            for (const QString& column : wanted)
                picked.append(row.value(table.columns.indexOf(column)));
            visit(picked);
        }
        return IoResult::success();
    }

private:
    QString m_open;
    int m_reads = 0;
};

const QString LongMemo = QString("Satır bir\r\nŞİŞLİ ığüşöç ").repeated(3000);

// The diary as the old release left it: numbers with gaps and out of order, NULL and empty fields, a long
// memo; files.mdb with its numbers as text, two of them no whole number; rehber.mdb with a name twice.
FakeJetReader oldRelease(int extraEntries = 0) {
    FakeJetReader reader;
    FakeTable history{
        {"recordno", "RecordSubject", "RecordContent", "RecordDay", "RecordMonth", "RecordYear"},
        {{12, "İlk", LongMemo, "05", "06", "2003"},
         {5, QVariant(), "", "31", "02", "2001"},
         {7, "Don't", "x", "01", "01", "1999"}}};
    for (int i = 0; i < extraEntries; ++i)
        history.rows.append({100 + i, QString("entry %1").arg(i), QString(500, 'x'), "01", "01", "2000"});
    reader.files["history.mdb"] = history;
    reader.files["files.mdb"] = {
        {"RecordNo", "FilePath"},
        {{"12", "C:\\Belgeler\\Şubat ığ.doc"}, {"5", "a.txt"}, {"x", "b"}, {"12.5", "c"}}};
    reader.files["rehber.mdb"] = {{"RecordName", "RecordTel", "RecordAddress"},
                                  {{"Ayşe", "0212", "Kadıköy\r\nİstanbul"}, {"Ayşe", QVariant(), ""}}};
    return reader;
}

QList<db::Database> targets(const QDir& dir) {
    const diary::DiaryStore diary(dir);
    return {diary.history(), diary.files(), directory::DirectoryStore(dir).database()};
}

// A file that starts like a Jet 4 database; the rest tells the files apart.
QByteArray jetFile(const QString& name) {
    QByteArray bytes("\x00\x01\x00\x00Standard Jet DB\x00\x01\x00\x00\x00", 24);
    return bytes + name.toUtf8().repeated(100);
}

// Everything in the folder, by name, with its bytes.
QMap<QString, QByteArray> folder(const QDir& dir) {
    QMap<QString, QByteArray> files;
    for (const QString& name : dir.entryList(QDir::Files))
        files[name] = readAll(dir.filePath(name));
    return files;
}

enum class Fault { NoTable, OpenFails, ReadDiffers, Locked, Changed, DiskFull };

} // namespace

class TestJetImport : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_dir.emplace();
        m_data = QDir(m_dir->path());
    }

    void carriesOverDiaryAndDirectory() {
        for (const char* name : {"history.mdb", "files.mdb", "rehber.mdb"})
            QVERIFY(writeAll(m_data.filePath(name), jetFile(name)));
        // An earlier import's original keeps its name; this one's takes the next free one.
        // Of the same size as this original, so only the bytes tell them apart.
        QVERIFY(writeAll(m_data.filePath("history.mdb.jet"), jetFile("HISTORY.MDB")));
        const QMap<QString, QByteArray> originals = folder(m_data);
        FakeJetReader reader = oldRelease();
        const jet::ImportOutcome outcome = jet::importJetFiles(targets(m_data), reader);
        QVERIFY2(outcome.failures.isEmpty(), qPrintable(outcome.failures.join('\n')));
        QCOMPARE(outcome.carried.size(), 3);
        QCOMPARE(outcome.carried[0].rows, qint64(3));
        for (const jet::Carried& carried : outcome.carried)
            QCOMPARE(readAll(carried.keptAs), originals[carried.fileName]);
        QCOMPARE(outcome.carried[0].keptAs, m_data.filePath("history.mdb.2.jet"));
        QCOMPARE(readAll(m_data.filePath("history.mdb.jet")), jetFile("HISTORY.MDB"));
        QCOMPARE(m_data.entryList(QDir::Files).size(), 7); // nothing else left behind

        const diary::DiaryStore diary(m_data);
        const auto entry = diary.findEntry(12).value;
        QVERIFY(entry && entry->content == LongMemo && entry->subject == "İlk");
        QCOMPARE(diary.findEntry(5).value->subject, QString());
        // Numbers that are no whole numbers link no entry.
        QCOMPARE(diary.listFiles(12).value, QStringList{"C:\\Belgeler\\Şubat ığ.doc"});
        QVERIFY(diary.listFiles(0).value.isEmpty());
        QCOMPARE(diary.addEntry({-1, "new", "", "01", "01", "2024"}).value, 13);
        const QList<directory::DirRecord> names = directory::DirectoryStore(m_data).readAll().value;
        QCOMPARE(names.size(), 2);
        QCOMPARE(names[0].address, QString("Kadıköy\r\nİstanbul"));
        // The new databases are the program's own now: a second start leaves them alone.
        QVERIFY(jet::importJetFiles(targets(m_data), reader).carried.isEmpty());
    }

    void failureLeavesOriginal_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no Table1") << Fault::NoTable << "no table named Table1";
        QTest::newRow("damaged or encrypted") << Fault::OpenFails << "encrypted";
        QTest::newRow("second read differs") << Fault::ReadDiffers << "row 1 of the new database differs";
        QTest::newRow("locked by another program") << Fault::Locked << "in use by another program";
        QTest::newRow("changed meanwhile") << Fault::Changed << "changed while";
        QTest::newRow("disk full") << Fault::DiskFull << "could not be carried over";
    }

    void failureLeavesOriginal() {
        QFETCH(Fault, fault);
        QFETCH(QString, reason);
        const QString path = m_data.filePath("history.mdb");
        QVERIFY(writeAll(path, jetFile("history.mdb")));
        FakeJetReader reader = oldRelease();
        QFile locked(path);
        if (fault == Fault::NoTable)
            reader.files.remove("history.mdb");
        else if (fault == Fault::OpenFails)
            reader.openError = path + "\nis damaged or encrypted and cannot be read.";
        else if (fault == Fault::ReadDiffers)
            reader.tamper = [](int read, QList<jet::JetRow>& r) { r[1][1] = read == 2 ? "changed" : "same"; };
        else if (fault == Fault::Changed)
            reader.tamper = [&path](int read, QList<jet::JetRow>&) {
                QVERIFY(read != 2 || writeAll(path, jetFile("changed by another program")));
            };
        struct flock lock {};
        lock.l_type = F_RDLCK;
        if (fault == Fault::Locked)
            QVERIFY(locked.open(QIODevice::ReadOnly) && ::fcntl(locked.handle(), F_OFD_SETLK, &lock) == 0);
        QStringList failures;
        if (fault == Fault::DiskFull) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                        {"--import", m_data.path(), "limit", "65536"});
            QVERIFY(child.waitForFinished());
            failures.append(QString::fromUtf8(child.readAllStandardOutput()));
        } else {
            failures = jet::importJetFiles(targets(m_data), reader).failures;
        }
        QCOMPARE(failures.size(), 1);
        QVERIFY2(failures[0].startsWith(path) && failures[0].contains(reason), qPrintable(failures[0]));
        const QByteArray expected =
            jetFile(fault == Fault::Changed ? "changed by another program" : "history.mdb");
        QCOMPARE(folder(m_data), (QMap<QString, QByteArray>{{"history.mdb", expected}}));
    }

    void killLeavesOriginalOrImport_data() {
        QTest::addColumn<int>("step");
        QTest::newRow("while reading") << -1;
        QTest::newRow("staged") << int(jet::ImportStep::Staged);
        QTest::newRow("checked") << int(jet::ImportStep::Checked);
        QTest::newRow("original kept: its copy is kept once") << int(jet::ImportStep::OriginalKept);
        QTest::newRow("replaced") << int(jet::ImportStep::Replaced);
    }

    void killLeavesOriginalOrImport() {
        QFETCH(int, step);
        const QString path = m_data.filePath("history.mdb");
        const QByteArray original = jetFile("history.mdb");
        QVERIFY(writeAll(path, original));
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {"--import", m_data.path(), "kill", QString::number(step)});
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const bool replaced = step == int(jet::ImportStep::Replaced);
        QCOMPARE(readAll(path) == original, !replaced);

        // The next start finishes the work: one kept original, no leftovers, every entry there once.
        FakeJetReader reader = oldRelease(200);
        QCOMPARE(jet::importJetFiles(targets(m_data), reader).carried.size(), replaced ? 0 : 1);
        QCOMPARE(m_data.entryList(QDir::Files), (QStringList{"history.mdb", "history.mdb.jet"}));
        QCOMPARE(readAll(path + ".jet"), original);
        QCOMPARE(diary::DiaryStore(m_data).readEntries().value.size(), 203);
    }

private:
    std::optional<QTemporaryDir> m_dir;
    QDir m_data;
};

// The child run of the kill and disk-full cases: `--import <dir> kill <step>` dies at that step,
// `--import <dir> limit <bytes>` imports with files limited to that size and prints the failures.
int importChild(char** argv) {
    int argc = 1;
    QCoreApplication app(argc, argv);
    const QDir dir(QString::fromLocal8Bit(argv[2]));
    const bool kill = qstrcmp(argv[3], "kill") == 0;
    const int value = QByteArray(argv[4]).toInt();
    FakeJetReader reader = oldRelease(200);
    if (kill && value < 0)
        reader.tamper = [](int, QList<jet::JetRow>&) { std::raise(SIGKILL); };
    if (!kill) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{rlim_t(value), rlim_t(value)};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    const jet::ImportOutcome outcome = jet::importJetFiles(targets(dir), reader, [&](jet::ImportStep step) {
        if (kill && int(step) == value)
            std::raise(SIGKILL);
    });
    std::fputs(outcome.failures.join('\n').toUtf8().constData(), stdout);
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 5 && qstrcmp(argv[1], "--import") == 0)
        return importChild(argv);
    QCoreApplication app(argc, argv);
    TestJetImport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_jet_import.moc"
