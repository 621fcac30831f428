#include "fakes/file_helpers.h"
#include "shell/single_instance.h"

#include <QCoreApplication>
#include <QLocalSocket>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>

using namespace velkor;
using shell::SingleInstance;

namespace {

// Child modes of this program: the other processes of a test.
int holdForever(const QString& dir) {
    SingleInstance instance(dir);
    if (instance.acquire() != SingleInstance::Outcome::First)
        return 2;
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // the test reads each line as it comes
    QObject::connect(&instance, &SingleInstance::activationRequested, [] { std::puts("asked"); });
    std::puts("held");
    return QCoreApplication::exec();
}

QProcess* startChild(const QStringList& args, QObject* parent) {
    auto* child = new QProcess(parent);
    child->start(QCoreApplication::applicationFilePath(), args);
    return child;
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void lockOfALiveCopyHoldsWhateverItsAgeAndOfAKilledOneGoesAtOnce() {
        QTemporaryDir dir;
        QProcess* holder = startChild({QStringLiteral("--hold"), dir.path()}, this);
        QVERIFY(holder->waitForReadyRead(10000));
        QCOMPARE(holder->readAll(), QByteArray("held\n"));
        // A copy that has run for a day still holds the folder.
        QFile lock(QDir(dir.path()).filePath(SingleInstance::lockFileName()));
        QVERIFY(lock.open(QIODevice::ReadWrite) && lock.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                                                    QFileDevice::FileModificationTime));
        lock.close();
        QCOMPARE(SingleInstance(dir.path()).acquire(), SingleInstance::Outcome::AlreadyRunning);
        QVERIFY(holder->waitForReadyRead(10000));
        QCOMPARE(holder->readAll(), QByteArray("asked\n"));
        ::kill(pid_t(holder->processId()), SIGKILL);
        QVERIFY(holder->waitForFinished(5000));

        SingleInstance next(dir.path());
        QCOMPARE(next.acquire(), SingleInstance::Outcome::First);

        // In a container every start may get the same process id: a lock left naming ours is not ours.
        QTemporaryDir other;
        QVERIFY(testing::writeAll(QDir(other.path()).filePath(SingleInstance::lockFileName()),
                                  QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                                      QCoreApplication::applicationName().toUtf8() + '\n' +
                                      QSysInfo::machineHostName().toUtf8() + '\n'));
        QCOMPARE(SingleInstance(other.path()).acquire(), SingleInstance::Outcome::First);
    }

    // A later start's request may reach the running copy in pieces: it is served once, whole.
    void requestInPiecesIsServedWhole() {
        QTemporaryDir dir;
        SingleInstance running(dir.path());
        QCOMPARE(running.acquire(), SingleInstance::Outcome::First);
        QByteArrayList handled;
        running.setRequestHandler([&](QByteArrayView request) {
            handled.append(request.toByteArray());
            return QByteArray("done\n");
        });
        int shown = 0;
        connect(&running, &SingleInstance::activationRequested, this, [&] { ++shown; });
        const QByteArrayList requests{"show\n", "import /tmp/a b.ics\n"};
        for (qsizetype i = 0; i < requests.size(); ++i) {
            QLocalSocket later;
            later.connectToServer(SingleInstance::serverName(dir.path()));
            QVERIFY(later.waitForConnected(10000));
            later.write(requests[i].left(3));
            QVERIFY(later.waitForBytesWritten(10000));
            QTest::qWait(100); // lets the first piece arrive alone
            later.write(requests[i].mid(3));
            QVERIFY(later.waitForBytesWritten(10000));
            QTRY_VERIFY(shown + handled.size() > i || later.state() != QLocalSocket::ConnectedState);
            if (i == 1) {
                QTRY_VERIFY(later.canReadLine() || later.state() != QLocalSocket::ConnectedState);
                QCOMPARE(later.readAll(), QByteArray("done\n"));
            }
        }
        QCOMPARE(shown, 1);
        QCOMPARE(handled, QByteArrayList{"import /tmp/a b.ics\n"});
    }

    void twoStartsAtOnceLeaveOneRunning() {
        QTemporaryDir dir;
        QProcess* a = startChild({QStringLiteral("--hold"), dir.path()}, this);
        QProcess* b = startChild({QStringLiteral("--hold"), dir.path()}, this);
        QTRY_VERIFY_WITH_TIMEOUT(a->state() == QProcess::NotRunning || b->state() == QProcess::NotRunning,
                                 10000);
        QProcess* held = a->state() == QProcess::NotRunning ? b : a;
        QCOMPARE((held == a ? b : a)->exitCode(), 2); // refused
        QTRY_COMPARE(held->peek(5), QByteArray("held\n"));
        QCOMPARE(held->state(), QProcess::Running);
        held->close();
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--hold"))
        return holdForever(args[2]);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_single_instance.moc"
