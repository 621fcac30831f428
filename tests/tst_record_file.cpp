#include "core/base/record_file.h"
#include "core/lang/language_setting.h"
#include "core/notebook/notes_file.h"
#include "core/plans/plan_store.h"
#include "fakes/test_support.h"
#include "shell/bookkeeping.h"

#include <csignal>
#include <sys/resource.h>

class TestRecordFile : public QObject {
    Q_OBJECT
private slots:
    // The last string of each record ("-" for one that cannot be read); written back, every entry gives its
    // bytes as found, an unended last line only gaining its end.
    void parsesAndRewritesAsFound_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<bool>("asFound"); // else blank lines and the BOM are left out
        QTest::newRow("lf only, last line unended") << QByteArray("1,2,\"a\"\n3,4,\"b\"") << "a|b" << true;
        QTest::newRow("bom and blank lines")
            << QByteArray("\xEF\xBB\xBF\r\n1,2,\"a\"\r\n\r\n\n3,4,\"b\"\r\n") << "a|b" << false;
        QTest::newRow("multi-line string")
            << QByteArray("1,2,\"first\r\nsecond\"\r\n") << "first\nsecond" << true;
        // An overlong form is no UTF-8: the code page's letters, not a hidden ">".
        QTest::newRow("windows-1254 that looks overlong")
            << QByteArray("1,\"\xC0\xBE\"\r\n") << QString::fromUtf8("À¾") << true;
        // UTF-8 and code-page letters, a BOM inside; ED A0 80 would be a surrogate: three code-page letters.
        QTest::newRow("mixed encodings")
            << QByteArray("007,\"G\xC3\xBCne\xFE \xC4\xB0zmir \xDDzmir \xEF\xBB\xBF\xED\xA0\x80\"\r\n")
            << QString::fromUtf8("Güneş İzmir İzmir \uFEFFí\u00A0€") << true;
        QTest::newRow("torn record and garbage")
            << QByteArray(
                   "3,15,9,30,\"Dent\n3,1,25,0,\"ok\"\r\n\x01\x02garbage,,\r\n4,2,25,0,\"two\nlines\"\r\n")
            << "-|ok|-|two\nlines" << true;
    }
    void parsesAndRewritesAsFound() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, texts);
        QFETCH(bool, asFound);
        QStringList read;
        QByteArray rewritten;
        for (const RecordEntry& e : parseRecords(bytes)) {
            read.append(e.fields ? stringAt(*e.fields, e.fields->size() - 1).value_or("#") : u"-"_s);
            rewritten += entryBytes(e);
        }
        QCOMPARE(read.join(u'|'), texts);
        if (asFound)
            QCOMPARE(rewritten, bytes.endsWith('\n') ? bytes : bytes + "\r\n");
    }

    void appendAfterATornLastRecordStartsAFreshLine() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"myfile.kyt"_s);
        QVERIFY(writeAll(path, "1,1,25,0,\"whole\"\r\n2,2,25,0,\"tor"));
        QVERIFY(appendRecord(path, {qint64(3), u"new"_s}).ok());
        QCOMPARE(readAll(path), QByteArray("1,1,25,0,\"whole\"\r\n2,2,25,0,\"tor\r\n3,\"new\"\r\n"));
    }

    // The options file, a record of one word: the language it names; what it cannot read is left as it is.
    void settingFileRules_data() {
        QTest::addColumn<QByteArray>("content"); // "<missing>" for no file
        QTest::addColumn<int>("expected");       // 0 Turkish, 1 English, -1 no change
        QTest::addColumn<QByteArray>("afterwards");
        QTest::newRow("missing") << QByteArray("<missing>") << 0 << QByteArray("\"tr\"\r\n");
        QTest::newRow("eng, LF only") << QByteArray("\"eng\"\n") << 1 << QByteArray("\"eng\"\n");
        QTest::newRow("other word left alone")
            << QByteArray("\"ENG\"\r\n") << -1 << QByteArray("\"ENG\"\r\n");
        QTest::newRow("garbage left alone") << QByteArray("\x01\xff") << -1 << QByteArray("\x01\xff");
    }
    void settingFileRules() {
        QFETCH(QByteArray, content);
        QFETCH(int, expected);
        QFETCH(QByteArray, afterwards);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"options.prg"_s);
        if (content != "<missing>")
            QVERIFY(writeAll(path, content));
        const lang::LanguageSetting setting = lang::readLanguageSetting(path);
        QVERIFY(setting.error.isEmpty());
        QCOMPARE(setting.language.has_value() ? int(*setting.language) : -1, expected);
        QCOMPARE(readAll(path), afterwards);
    }

    // On a full disk every store says which file failed and leaves the old content as it was. The disk is a
    // small filesystem of its own filled to the last byte (a write may still fill its file's last page, so
    // an append can be torn), or, where mounting is not allowed, a file size limit that stops every write.
    void fullDiskKeepsOldContent_data() {
        QTest::addColumn<bool>("mount");
        QTest::newRow("full filesystem") << true;
        QTest::newRow("file size limit") << false;
    }
    void fullDiskKeepsOldContent() {
        QFETCH(bool, mount);
        QTemporaryDir dir;
        if (mount && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=256k", "tmpfs", dir.path()}) != 0)
            QSKIP("no right to mount a filesystem here");
        const auto unmount = qScopeGuard([&] { mount&& QProcess::execute("umount", {dir.path()}); });
        const QMap<QString, QByteArray> old{
            {"myfile.kyt", "3,15,9,30,\"Dentist\"\r\n12,31,25,0,\"New year\"\r\n"},
            {"tarih.kyt", "2026,3,5,9,0\r\n"},
            {"options.prg", "\"tr\"\r\n"},
            {"notes.kyt", "\"old note\"\r\n"}};
        for (auto it = old.cbegin(); it != old.cend(); ++it)
            QVERIFY(writeAll(dir.filePath(it.key()), it.value()));
        for (const auto& [name, block] : {std::pair{"filler", 4096}, std::pair{"filler2", 1}}) {
            QFile filler(dir.filePath(name));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            while (mount && filler.write(QByteArray(block, 'x')) == block && filler.flush()) {
            }
        }
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit none{0, unlimited.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the process
        QVERIFY(mount || setrlimit(RLIMIT_FSIZE, &none) == 0);
        const auto lift = qScopeGuard([&] { setrlimit(RLIMIT_FSIZE, &unlimited); });

        const plans::PlanStore store(dir.filePath("myfile.kyt"));
        const QList<std::pair<IoResult, const char*>> results{
            {store.appendPlan({1, 1, 25, 0, QString(9000, 'x')}), "myfile.kyt"},
            {IoResult::failure(store.removePlans({{3, 15, 9, 30, "Dentist"}}).error), "myfile.kyt"},
            {shell::Bookkeeping(QDir(dir.path())).writeLastExit(QDateTime(QDate(2026, 4, 1), QTime(8, 0))),
             "tarih.kyt"},
            {lang::writeLanguageSetting(dir.filePath("options.prg"), Language::English), "options.prg"},
            {notebook::writeNote(dir.filePath("notes.kyt"), QString(8000, 'n')), "notes.kyt"},
        };
        for (const auto& [result, name] : results)
            QVERIFY2(result.error.contains(name), qPrintable(name + (": " + result.error)));
        for (auto it = old.cbegin(); it != old.cend(); ++it)
            QCOMPARE(readAll(dir.filePath(it.key())), it.value());
    }

    // A device that refuses every write (here /dev/full): the error reaches the caller, and a rewrite
    // never puts a file of ours in the device's place.
    void failingDeviceIsReported() {
        if (!QFileInfo("/dev/full").exists() || QFileInfo("/dev/full").isFile())
            QSKIP("no /dev/full device here");
        QVERIFY(appendRecord("/dev/full", {qint64(1)}).error.contains("/dev/full"));
        QVERIFY(!rewriteRecordFile("/dev/full", encodeRecord({qint64(1)})).ok());
        QVERIFY(!QFileInfo("/dev/full").isFile());
    }
};

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_record_file.moc"
