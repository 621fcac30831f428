#include "fakes/fake_services.h"
#include "fakes/file_helpers.h"
#include "lang/language_setting.h"
#include "notebook/notes_file.h"
#include "plans/plan_store.h"
#include "shell/bookkeeping.h"
#include "support/record_file.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace velkor;
using velkor::testing::readAll;
using velkor::testing::writeAll;

namespace {

// A place where every write fails with "no space left": a small filesystem of its own filled to the last
// byte where mounting is allowed, else a limit on file sizes (no root needed) that stops every write
// beyond what is already there.
class FullDisk {
public:
    explicit FullDisk(bool mount) {
        if (mount && m_dir.isValid())
            m_mounted = QProcess::execute(QStringLiteral("mount"),
                                          {"-t", "tmpfs", "-o", "size=256k", "tmpfs", m_dir.path()}) == 0;
    }
    ~FullDisk() {
        if (m_limited)
            setrlimit(RLIMIT_FSIZE, &m_oldLimit);
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    bool usable() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return QDir(path()).filePath(name); }
    bool fill() {
        if (!m_mounted) {
            std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the process
            rlimit none{};
            getrlimit(RLIMIT_FSIZE, &m_oldLimit);
            none.rlim_max = m_oldLimit.rlim_max;
            return m_limited = setrlimit(RLIMIT_FSIZE, &none) == 0;
        }
        QFile filler(file(QStringLiteral("filler")));
        filler.open(QIODevice::WriteOnly);
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        QFile last(file(QStringLiteral("filler2")));
        last.open(QIODevice::WriteOnly);
        while (last.write("x", 1) == 1 && last.flush()) {
        }
        return true;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    bool m_limited = false;
    rlimit m_oldLimit{};
};

} // namespace

class TestWriteFailures : public QObject {
    Q_OBJECT
private slots:
    // On a full disk every store says which file failed and leaves the old content as it was.
    void fullDiskKeepsOldContent_data() {
        QTest::addColumn<bool>("mount");
        QTest::newRow("full filesystem") << true;
        QTest::newRow("file size limit") << false;
    }
    void fullDiskKeepsOldContent() {
        QFETCH(bool, mount);
        FullDisk disk(mount);
        QVERIFY(disk.usable());
        const QByteArray plans("3,15,9,30,\"Dentist\"\r\n12,31,25,0,\"New year\"\r\n");
        QVERIFY(writeAll(disk.file("myfile.kyt"), plans));
        QVERIFY(writeAll(disk.file("tarih.kyt"), "2026,3,5,9,0\r\n"));
        QVERIFY(writeAll(disk.file("options.prg"), "\"tr\"\r\n"));
        QVERIFY(writeAll(disk.file("notes.kyt"), "\"old note\"\r\n"));
        QVERIFY(disk.fill());

        const plans::PlanStore store(disk.file("myfile.kyt"));
        const QList<IoResult> results{
            store.appendPlan({1, 1, 25, 0, QString(9000, QLatin1Char('x'))}),
            IoResult::failure(store.removePlans({{3, 15, 9, 30, "Dentist"}}).error),
            shell::Bookkeeping(QDir(disk.path())).writeLastExit(QDateTime(QDate(2026, 4, 1), QTime(8, 0))),
            lang::writeLanguageSetting(disk.file("options.prg"), Language::English),
            notebook::writeNote(disk.file("notes.kyt"), QString(8000, QLatin1Char('n'))),
        };
        const QStringList names{"myfile.kyt", "myfile.kyt", "tarih.kyt", "options.prg", "notes.kyt"};
        for (int i = 0; i < results.size(); ++i) {
            QVERIFY2(!results[i].ok(), qPrintable(names[i]));
            QVERIFY2(results[i].error.contains(names[i]), qPrintable(results[i].error));
        }
        QCOMPARE(readAll(disk.file("myfile.kyt")), plans);
        QCOMPARE(readAll(disk.file("tarih.kyt")), QByteArray("2026,3,5,9,0\r\n"));
        QCOMPARE(readAll(disk.file("options.prg")), QByteArray("\"tr\"\r\n"));
        QCOMPARE(readAll(disk.file("notes.kyt")), QByteArray("\"old note\"\r\n"));
    }

    // A device that refuses every write (here /dev/full): the error reaches the caller, and a rewrite
    // never puts a file of ours in the device's place.
    void failingDeviceIsReported() {
        if (!QFileInfo("/dev/full").exists() || QFileInfo("/dev/full").isFile())
            QSKIP("no /dev/full device here");
        const IoResult appended = appendRecord("/dev/full", {qint64(1)});
        QVERIFY(!appended.ok());
        QVERIFY(appended.error.contains("/dev/full"));
        QVERIFY(!rewriteRecordFile("/dev/full", encodeRecord({qint64(1)})).ok());
        QVERIFY(!QFileInfo("/dev/full").isFile());
    }
};

QTEST_GUILESS_MAIN(TestWriteFailures)
#include "tst_write_failures.moc"
