#include "fakes/fake_services.h"
#include "shell/autostart_writer.h"
#include "shell/bookkeeping.h"
#include "shell/main_form.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

using namespace velkor;
using namespace velkor::shell;
using namespace Qt::StringLiterals;
using velkor::testing::TestContext;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString entryLine(const QByteArray& entry, const QString& key) {
    for (const QString& line : QString::fromUtf8(entry).split(u'\n')) {
        if (line.startsWith(key + u'='))
            return line.mid(key.size() + 1);
    }
    return {};
}

// Points the XDG autostart folder at a temporary place for one test.
struct TemporaryConfigHome {
    QTemporaryDir dir;
    QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    TemporaryConfigHome() { qputenv("XDG_CONFIG_HOME", dir.path().toUtf8()); }
    ~TemporaryConfigHome() { qputenv("XDG_CONFIG_HOME", saved); }
    QString entry() const { return dir.filePath(u"autostart/Velkor.desktop"_s); }
};

} // namespace

class TestFirstStart : public QObject {
    Q_OBJECT
private slots:
    void execLineQuotesWhatTheDesktopWouldSplit_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << u"/opt/velkor/velkor"_s << u"/opt/velkor/velkor"_s;
        QTest::newRow("blank") << u"/home/a b/velkor"_s << u"\"/home/a b/velkor\""_s;
        QTest::newRow("dollar") << u"/x$y/velkor"_s << u"\"/x\\\\$y/velkor\""_s;
        QTest::newRow("percent") << u"/100%/velkor"_s << u"/100%%/velkor"_s;
        QTest::newRow("backslash") << u"/a\\b/velkor"_s << u"\"/a\\\\\\\\b/velkor\""_s;
    }
    void execLineQuotesWhatTheDesktopWouldSplit() {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(entryLine(XdgAutostartWriter::desktopEntry(program), u"Exec"_s), exec);
    }

    void firstStartRegistersOnceAtTheRealPath() {
        TemporaryConfigHome config;
        QTemporaryDir elsewhere;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path())); // started from another directory
        TestContext t;
        XdgAutostartWriter writer;
        t.ctx.autostart = &writer;
        {
            MainForm form(t.ctx);
            QVERIFY(form.start());
        }
        QDir::setCurrent(previous);
        const QByteArray entry = readAll(config.entry());
        const QFileInfo program(QCoreApplication::applicationFilePath());
        QCOMPARE(entryLine(entry, u"Exec"_s), program.canonicalFilePath());
        QCOMPARE(entryLine(entry, u"Path"_s), program.canonicalPath());
        QCOMPARE(entryLine(entry, u"Name"_s), u"Velkor"_s);
        QCOMPARE(entryLine(entry, u"Type"_s), u"Application"_s);
        QVERIFY(!entryLine(entry, u"Icon"_s).isEmpty());
        QVERIFY(!entry.contains(elsewhere.path().toUtf8()));
        QVERIFY(t.prompter.boxes.isEmpty());

        QVERIFY(QFile::remove(config.entry()));
        MainForm second(t.ctx);
        QVERIFY(second.start());
        QVERIFY(!QFile::exists(config.entry())); // removed by the user: not made again
    }

    void failureIsToldOnceAndStartGoesOn() {
        TemporaryConfigHome config;
        writeAll(config.dir.filePath(u"autostart"_s), "not a folder");
        TestContext t;
        XdgAutostartWriter writer;
        t.ctx.autostart = &writer;
        {
            MainForm form(t.ctx);
            QVERIFY(form.start());
        }
        QCOMPARE(t.prompter.boxes.size(), 1);
        QCOMPARE(t.prompter.boxes[0].kind, BoxKind::Warning);
        QVERIFY(t.prompter.boxes[0].text.contains(u"autostart"_s));
        MainForm second(t.ctx);
        QVERIFY(second.start());
        QCOMPARE(t.prompter.boxes.size(), 1); // not tried again
    }

    void olderFilesTakeOverOnlyWhatHoldsNoData_data() {
        QTest::addColumn<QByteArray>("plans");  // myfile.kyt before the start; null: none
        QTest::addColumn<QByteArray>("exits");  // tarih.kyt before the start
        QTest::addColumn<QByteArray>("marker"); // sc.kyt before the start
        QTest::addColumn<bool>("plansTaken");
        QTest::addColumn<bool>("exitTaken");
        QTest::addColumn<bool>("markerTaken");
        const QByteArray none;
        QTest::newRow("fresh start") << none << none << none << true << true << true;
        QTest::newRow("empty plan file, start records only")
            << QByteArray("") << QByteArray("3000,1,1,1,1\r\n") << none << true << true << true;
        QTest::newRow("plans and an exit of our own")
            << QByteArray("5,1,25,0,\"ours\"\r\n") << QByteArray("2026,2,1,10,0\r\n") << none << false
            << false << true;
        QTest::newRow("not a first start") << none << none << QByteArray("1\r\n") << false << false << false;
    }
    void olderFilesTakeOverOnlyWhatHoldsNoData() {
        QFETCH(QByteArray, plans);
        QFETCH(QByteArray, exits);
        QFETCH(QByteArray, marker);
        QFETCH(bool, plansTaken);
        QFETCH(bool, exitTaken);
        QFETCH(bool, markerTaken);
        TestContext t;
        const QByteArray oldPlans = "3,4,9,30,\"from the older release\"\r\n";
        const QByteArray oldExit = "2026,3,1,18,0\r\n";
        const QByteArray oldMarker = "1\r\n";
        writeAll(t.file(u"myfile.dat"_s), oldPlans);
        writeAll(t.file(u"tarih.dat"_s), oldExit);
        writeAll(t.file(u"sc.dat"_s), oldMarker);
        if (!plans.isNull())
            writeAll(t.file(u"myfile.kyt"_s), plans);
        if (!exits.isNull())
            writeAll(t.file(u"tarih.kyt"_s), exits);
        if (!marker.isNull())
            writeAll(t.file(u"sc.kyt"_s), marker);

        MainForm form(t.ctx);
        QVERIFY(form.start());

        QCOMPARE(readAll(t.file(u"myfile.kyt"_s)) == oldPlans, plansTaken);
        QCOMPARE(QFile::exists(t.file(u"myfile.dat"_s)), !plansTaken);
        QCOMPARE(readAll(t.file(u"tarih.kyt"_s)) == oldExit, exitTaken);
        QCOMPARE(QFile::exists(t.file(u"tarih.dat"_s)), !exitTaken);
        QCOMPARE(QFile::exists(t.file(u"sc.dat"_s)), !markerTaken);
        if (!plans.isEmpty())
            QVERIFY(readAll(t.file(u"myfile.kyt"_s)).startsWith(plans));
        if (exitTaken) // the catch-up starts from the older release's last exit
            QCOMPARE(Bookkeeping(t.ctx.dataDir).readLastExit(), QDateTime(QDate(2026, 3, 1), QTime(18, 0)));
    }
};

QTEST_MAIN(TestFirstStart)
#include "tst_first_start.moc"
