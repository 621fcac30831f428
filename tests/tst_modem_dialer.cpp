#include "directory/modem_commands.h"
#include "directory/modem_dialer.h"
#include "directory/port_choice.h"
#include "fakes/pty_modem.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace velkor;
using namespace velkor::directory;
using velkor::testing::PtyModem;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The real adapter, remembered so a test can watch its reads.
struct Lines {
    QtSerialLine* last = nullptr;
    SerialLineFactory factory() {
        return [this] {
            auto line = std::make_unique<QtSerialLine>();
            last = line.get();
            return line;
        };
    }
};

} // namespace

class TestModemDialer : public QObject {
    Q_OBJECT
private slots:
    void dialCommandCarriesTheNumberAsShownWithoutControls_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("blanks kept") << QStringLiteral("0 123 45 67") << QByteArray("ATDT0 123 45 67;\r");
        QTest::newRow("stored line break") << QStringLiteral("0532\r\nATZ") << QByteArray("ATDT0532ATZ;\r");
        QTest::newRow("tab, escape, DEL") << QStringLiteral("1\t2\x1b"
                                                            "3\x7f")
                                          << QByteArray("ATDT123;\r");
        QTest::newRow("pause and star") << QStringLiteral("0,*21#") << QByteArray("ATDT0,*21#;\r");
    }
    void dialCommandCarriesTheNumberAsShownWithoutControls() {
        QFETCH(QString, number);
        QFETCH(QByteArray, command);
        QCOMPARE(dialCommand(number), command);
        QCOMPARE(hangUpCommand(), QByteArray("ATH\r"));
    }

    void onlyControlCharactersCountAsNoNumber() {
        QCOMPARE(dialableNumber(QStringLiteral("\r\n\t")), QString());
        QCOMPARE(dialableNumber(QStringLiteral(" ")), QStringLiteral(" "));
    }

    void portNamesMapToDevices_data() {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("device");
#ifdef Q_OS_WIN
        QTest::newRow("COM3") << QStringLiteral("COM3") << QStringLiteral("COM3");
#else
        QTest::newRow("COM1") << QStringLiteral("COM1") << QStringLiteral("/dev/ttyS0");
        QTest::newRow("COM5") << QStringLiteral("COM5") << QStringLiteral("/dev/ttyS4");
        QTest::newRow("COM0 is no COM port") << QStringLiteral("COM0") << QStringLiteral("COM0");
#endif
        QTest::newRow("a path passes through")
            << QStringLiteral("/dev/pts/7") << QStringLiteral("/dev/pts/7");
    }
    void portNamesMapToDevices() {
        QFETCH(QString, port);
        QFETCH(QString, device);
        QCOMPARE(serialDeviceName(port), device);
    }

    void portChoiceFile_data() {
        QTest::addColumn<QByteArray>("stored"); // "-" for no file
        QTest::addColumn<int>("index");
        QTest::newRow("no file") << QByteArray("-") << 0;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("COM3") << QByteArray("2\r\n") << 2;
        QTest::newRow("COM5, LF only") << QByteArray("4\n") << 4;
        QTest::newRow("out of range") << QByteArray("5\r\n") << 0;
        QTest::newRow("negative") << QByteArray("-1\r\n") << 0;
        QTest::newRow("not a number") << QByteArray("\"COM2\"\r\n") << 0;
    }
    void portChoiceFile() {
        QFETCH(QByteArray, stored);
        QFETCH(int, index);
        QTemporaryDir dir;
        const QString path = dir.filePath(portChoiceFileName());
        if (stored != "-")
            writeFile(path, stored);
        QCOMPARE(loadPortIndex(path), index);
        QVERIFY(QFile::exists(path));
        QVERIFY(savePortIndex(path, 3).ok());
        QCOMPARE(readAll(path), QByteArray("3\r\n"));
        QCOMPARE(loadPortIndex(path), 3);
    }

    void echoThenOkOnALaterReadEndsTheWait() {
        PtyModem modem;
        QVERIFY(modem.isValid());
        Lines lines;
        ModemDialer dialer(lines.factory());
        QSignalSpy answered(&dialer, &ModemDialer::answered);
        QVERIFY2(dialer.dial(modem.path(), QStringLiteral("0 123 45 67")), qPrintable(dialer.errorString()));
        QTRY_COMPARE(modem.received(), QByteArray("ATDT0 123 45 67;\r"));
        QCOMPARE(modem.openedByProgram(), 1);

        // The echo, and the answer split across two reads.
        QSignalSpy reads(lines.last, &SerialLine::readyRead);
        modem.send("ATDT0 123 45 67;\r\r\nO");
        QTRY_VERIFY(reads.count() >= 1);
        QCoreApplication::processEvents();
        QCOMPARE(answered.count(), 0);
        modem.send("K\r\n");
        QTRY_COMPARE(answered.count(), 1);
        QVERIFY(dialer.isActive());
        QCOMPARE(modem.received(), QByteArray("ATDT0 123 45 67;\r")); // no hang-up before the user says so

        dialer.hangUp();
        QCOMPARE(modem.received(), QByteArray("ATDT0 123 45 67;\rATH\r"));
        QCOMPARE(modem.openedByProgram(), 0);
        QVERIFY(!dialer.isActive());
    }

    void cancelWhileWaitingHangsUpAtOnce() {
        PtyModem modem;
        QVERIFY(modem.isValid());
        Lines lines;
        ModemDialer dialer(lines.factory());
        QSignalSpy answered(&dialer, &ModemDialer::answered);
        QVERIFY(dialer.dial(modem.path(), QStringLiteral("5")));
        QTRY_COMPARE(modem.received(), QByteArray("ATDT5;\r"));
        dialer.hangUp();
        QCOMPARE(modem.received(), QByteArray("ATDT5;\rATH\r"));
        QCOMPARE(modem.openedByProgram(), 0);
        // A late answer reaches nobody.
        modem.send("OK\r\n");
        QCoreApplication::processEvents();
        QCOMPARE(answered.count(), 0);
    }

    void aModemThatNeverAnswersIsGivenUp() {
        PtyModem modem;
        QVERIFY(modem.isValid());
        Lines lines;
        ModemDialer dialer(lines.factory());
        dialer.setTimeout(std::chrono::milliseconds(1));
        QSignalSpy timedOut(&dialer, &ModemDialer::timedOut);
        QSignalSpy answered(&dialer, &ModemDialer::answered);
        QVERIFY(dialer.dial(modem.path(), QStringLiteral("5")));
        modem.send("ATDT5;\r\r\nNO DIALTONE\r\n");
        QTRY_COMPARE(timedOut.count(), 1);
        QCOMPARE(modem.received(), QByteArray("ATDT5;\rATH\r"));
        QCOMPARE(modem.openedByProgram(), 0);
        QCOMPARE(answered.count(), 0);
    }

    void destroyingTheDialerHangsUp() {
        PtyModem modem;
        QVERIFY(modem.isValid());
        Lines lines;
        {
            ModemDialer dialer(lines.factory());
            QVERIFY(dialer.dial(modem.path(), QStringLiteral("5")));
            QTRY_COMPARE(modem.openedByProgram(), 1);
        }
        QCOMPARE(modem.received(), QByteArray("ATDT5;\rATH\r"));
        QCOMPARE(modem.openedByProgram(), 0);
    }

    void aMissingPortSendsNothing() {
        Lines lines;
        ModemDialer dialer(lines.factory());
        QVERIFY(!dialer.dial(QStringLiteral("/dev/velkor-no-such-port"), QStringLiteral("5")));
        QVERIFY(!dialer.isActive());
        QVERIFY(!dialer.errorString().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestModemDialer)
#include "tst_modem_dialer.moc"
