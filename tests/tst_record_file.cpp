#include "fakes/file_helpers.h"
#include "support/record_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace velkor;
using velkor::testing::readAll;
using velkor::testing::writeAll;

class TestRecordFile : public QObject {
    Q_OBJECT
private slots:
    void encodesNumbersBareAndStringsQuoted() {
        QCOMPARE(encodeRecord({qint64(3), qint64(15), qint64(9), qint64(30), QStringLiteral("Dentist")}),
                 QByteArray("3,15,9,30,\"Dentist\"\r\n"));
        QCOMPARE(encodeRecord({QStringLiteral("tr")}), QByteArray("\"tr\"\r\n"));
    }

    void parsesLayoutVariants_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("lastText");
        QTest::newRow("crlf") << QByteArray("1,2,\"a\"\r\n3,4,\"b\"\r\n") << 2 << "b";
        QTest::newRow("lf only") << QByteArray("1,2,\"a\"\n3,4,\"b\"\n") << 2 << "b";
        QTest::newRow("bom and blank lines")
            << QByteArray("\xEF\xBB\xBF\r\n1,2,\"a\"\r\n\r\n\n3,4,\"b\"") << 2 << "b";
        QTest::newRow("multi-line string")
            << QByteArray("1,2,\"first\r\nsecond\"\r\n") << 1 << "first\nsecond";
        QTest::newRow("utf-8 turkish") << QByteArray("1,\"\xC4\xB0stanbul \xC5\x9F"
                                                     "eker \xC4\x9F\xC4\xB1\"\r\n")
                                       << 1 << QString::fromUtf8("İstanbul şeker ğı");
        QTest::newRow("windows-1254 turkish") << QByteArray("1,\"\xDDstanbul \xFE"
                                                            "eker \xF0\xFD\"\r\n")
                                              << 1 << QString::fromUtf8("İstanbul şeker ğı");
        // An overlong form is no UTF-8: the code page's letters, not a hidden ">".
        QTest::newRow("windows-1254 that looks overlong")
            << QByteArray("1,\"\xC0\xBE\"\r\n") << 1 << QString::fromUtf8("À¾");
    }
    void parsesLayoutVariants() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, records);
        QFETCH(QString, lastText);
        const QList<RecordEntry> entries = parseRecords(bytes);
        QCOMPARE(entries.size(), records);
        QVERIFY(entries.last().fields.has_value());
        QCOMPARE(stringAt(*entries.last().fields, entries.last().fields->size() - 1), lastText);
    }

    void mixedEncodingsDecodePerSequenceAndRewriteUnchanged() {
        // UTF-8 and code-page bytes in one string, a BOM inside a text, LF alone, a number with a leading
        // zero: read for display, and written back exactly as found.
        const QByteArray bytes("\"\xC3\xBC\",\"\xFC\"\r\n"
                               "1,\"G\xC3\xBCne\xFE \xC4\xB0zmir \xDDzmir \xEF\xBB\xBF\xED\xA0\x80\"\n"
                               "007,\"x\"");
        const auto entries = parseRecords(bytes);
        QCOMPARE(entries.size(), 3);
        QCOMPARE(stringAt(*entries[0].fields, 0), QString::fromUtf8("ü"));
        QCOMPARE(stringAt(*entries[0].fields, 1), QString::fromUtf8("ü"));
        // ED A0 80 would be a surrogate: not UTF-8, so three code-page characters.
        QCOMPARE(stringAt(*entries[1].fields, 1), QString::fromUtf8("Güneş İzmir İzmir \uFEFFí\u00A0€"));
        QCOMPARE(numberAt(*entries[2].fields, 0), 7);
        QByteArray rewritten;
        for (const auto& e : entries)
            rewritten += entryBytes(e);
        QCOMPARE(rewritten, bytes + "\r\n");
    }

    void damagedLinesAreKeptAndParsingResumes() {
        // A torn record (no closing quote), garbage, and a good record after each.
        const QByteArray bytes(
            "3,15,9,30,\"Dent\n3,1,25,0,\"ok\"\r\n\x01\x02garbage,,\r\n4,2,25,0,\"two\nlines\"\r\n");
        const QList<RecordEntry> entries = parseRecords(bytes);
        QCOMPARE(entries.size(), 4);
        QVERIFY(!entries[0].fields);
        QCOMPARE(entries[0].raw, QByteArray("3,15,9,30,\"Dent\n"));
        QCOMPARE(stringAt(*entries[1].fields, 4), QStringLiteral("ok"));
        QVERIFY(!entries[2].fields);
        QCOMPARE(stringAt(*entries[3].fields, 4), QStringLiteral("two\nlines"));
        // Written back, the damaged lines are byte for byte what they were.
        QByteArray rewritten;
        for (const auto& e : entries)
            rewritten += entryBytes(e);
        QCOMPARE(rewritten, bytes);
    }

    void tornLastRecordIsKeptAndAppendStartsAFreshLine() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("myfile.kyt"));
        QVERIFY(writeAll(path, "1,1,25,0,\"whole\"\r\n2,2,25,0,\"tor"));
        QVERIFY(
            appendRecord(path, {qint64(3), qint64(3), qint64(25), qint64(0), QStringLiteral("new")}).ok());
        const auto read = readRecordFile(path);
        QVERIFY(read.ok());
        QCOMPARE(read.value.size(), 3);
        QVERIFY(!read.value[1].fields);
        QCOMPARE(read.value[1].raw, QByteArray("2,2,25,0,\"tor\r\n"));
        QCOMPARE(stringAt(*read.value[2].fields, 4), QStringLiteral("new"));
    }

    void rewriteFailureKeepsOldContentAndNamesTheFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tarih.kyt"));
        QVERIFY(writeAll(path, "2026,1,1,1,1\r\n"));
        QVERIFY(rewriteRecordFile(path, encodeRecord({qint64(7)})).ok());
        QCOMPARE(readAll(path), QByteArray("7\r\n"));

        // A folder in the way of the file: nothing can be written there, and the error says where.
        const QString blocked = dir.filePath(QStringLiteral("sc.kyt"));
        QVERIFY(QDir().mkdir(blocked));
        const IoResult failed = rewriteRecordFile(blocked, encodeRecord({qint64(1)}));
        QVERIFY(!failed.ok());
        QVERIFY(failed.error.contains(QStringLiteral("sc.kyt")));
        QVERIFY(QFileInfo(blocked).isDir());
        QVERIFY(!readRecordFile(blocked).ok());
        QVERIFY(!appendRecord(blocked, {qint64(1)}).ok());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("tarih.kyt")});
    }
};

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_record_file.moc"
