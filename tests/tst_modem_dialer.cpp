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

    void echoThenOkOnALaterReadEndsTheWait() {
        PtyModem modem;
        QtSerialLine* line = nullptr;
        ModemDialer dialer([&] {
            auto made = std::make_unique<QtSerialLine>();
            line = made.get();
            return made;
        });
        QSignalSpy answered(&dialer, &ModemDialer::answered);
        QVERIFY2(dialer.dial(modem.path(), QStringLiteral("0 123")), qPrintable(dialer.errorString()));
        QTRY_COMPARE(modem.received(), QByteArray("ATDT0 123;\r"));
        QCOMPARE(modem.openedByProgram(), 1);

        // The echo, and the answer split over two reads.
        QSignalSpy reads(line, &SerialLine::readyRead);
        modem.send("ATDT0 123;\r\r\nO");
        QTRY_VERIFY(reads.count() >= 1);
        QCoreApplication::processEvents();
        QCOMPARE(answered.count(), 0);
        modem.send("K\r\n");
        QTRY_COMPARE(answered.count(), 1);
        dialer.hangUp();
        QCOMPARE(modem.received(), QByteArray("ATDT0 123;\rATH\r"));
        QCOMPARE(modem.openedByProgram(), 0);
    }
};

QTEST_GUILESS_MAIN(TestModemDialer)
#include "tst_modem_dialer.moc"
