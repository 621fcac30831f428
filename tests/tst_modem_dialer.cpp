#include "directory/modem_commands.h"
#include "directory/modem_dialer.h"
#include "directory/port_choice.h"
#include "fakes/pty_modem.h"

#include <QSignalSpy>
#include <QTest>

using namespace velkor;
using namespace velkor::directory;
using velkor::testing::PtyModem;

class TestModemDialer : public QObject {
    Q_OBJECT
private slots:
    void commandsAndDevices() {
        QCOMPARE(dialCommand(QStringLiteral("1\t2\0333\177")), QByteArray("ATDT123;\r")); // ESC, DEL
#ifndef Q_OS_WIN
        QCOMPARE(serialDeviceName(QStringLiteral("COM5")), QStringLiteral("/dev/ttyS4"));
#endif
    }

    // The reply gathers every read of one dial; "OK" lets the user pick up, a failure line ends the dial
    // at once, hung up. The last piece only completes it.
    void replyEndsTheWait_data() {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("last");
        QTest::addColumn<int>("result"); // ModemResult
        const QByteArray echo = "ATDT0 123;\r";
        QTest::newRow("echo, then OK split over two reads")
            << echo + "\r\nO" << QByteArray("K\r\n") << int(ModemResult::Ok);
        QTest::newRow("ERROR") << echo + "\r\nERR" << QByteArray("OR\r\n") << int(ModemResult::Error);
        QTest::newRow("BUSY") << echo + "\r\nBUSY" << QByteArray("\r\n") << int(ModemResult::Busy);
        QTest::newRow("NO DIALTONE") << echo + "\r\nNO" << QByteArray(" DIALTONE\r\n")
                                     << int(ModemResult::NoDialtone);
        QTest::newRow("NO CARRIER") << echo + "\r\nNO " << QByteArray("CARRIER\r")
                                    << int(ModemResult::NoCarrier);
        QTest::newRow("NO ANSWER") << echo + "\r\nNO ANS" << QByteArray("WER\n")
                                   << int(ModemResult::NoAnswer);
    }
    void replyEndsTheWait() {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, last);
        QFETCH(int, result);
        PtyModem modem;
        QtSerialLine* line = nullptr;
        ModemDialer dialer([&] {
            auto made = std::make_unique<QtSerialLine>();
            line = made.get();
            return made;
        });
        QSignalSpy answered(&dialer, &ModemDialer::answered);
        QSignalSpy refused(&dialer, &ModemDialer::refused);
        QVERIFY2(dialer.dial(modem.path(), QStringLiteral("0 123")), qPrintable(dialer.errorString()));
        QTRY_COMPARE(modem.received(), QByteArray("ATDT0 123;\r"));
        QCOMPARE(modem.openedByProgram(), 1);

        QSignalSpy reads(line, &SerialLine::readyRead);
        modem.send(first);
        QTRY_VERIFY(reads.count() >= 1);
        QCoreApplication::processEvents();
        QVERIFY(answered.isEmpty() && refused.isEmpty() && dialer.isActive());
        modem.send(last);
        if (result == int(ModemResult::Ok)) {
            QTRY_COMPARE(answered.count(), 1);
            dialer.hangUp();
        } else {
            QTRY_COMPARE(refused.count(), 1);
            QCOMPARE(refused.first().first().value<ModemResult>(), ModemResult(result));
            QVERIFY(answered.isEmpty() && !dialer.isActive());
        }
        QCOMPARE(modem.received(), QByteArray("ATDT0 123;\rATH\r"));
        QCOMPARE(modem.openedByProgram(), 0);
    }
};

QTEST_GUILESS_MAIN(TestModemDialer)
#include "tst_modem_dialer.moc"
