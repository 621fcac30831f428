#include "core/base/user_checks.h"
#include "fakes/test_support.h"
#include "shell/single_instance.h"

#include <QLocalSocket>

#include <csignal>
#include <cstdio>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Hands the request to the copy running on the folder and prints what came back.
int hand(const QString& dir, const QString& request) {
    const SingleInstance::Handover handover = SingleInstance(dir).acquireOrHand(request.toUtf8() + '\n');
    std::printf("%d:%s", int(handover.outcome), handover.answer.constData());
    return 0;
}

// Runs as `nobody` where the test runs as root: another local user.
QProcess* startChild(const QStringList& args, QObject* parent, bool asNobody = false) {
    auto* child = new QProcess(parent);
    const QStringList self{QCoreApplication::applicationFilePath()};
    const QStringList nobody{"--reuid=65534", "--regid=65534", "--clear-groups"};
    child->start(asNobody ? "setpriv" : self[0], (asNobody ? nobody + self : QStringList()) + args);
    return child;
}

// A folder `nobody` may use: the test's own are root's and private.
bool giveToNobody(const QString& dir) {
    return ::chown(QFile::encodeName(dir).constData(), 65534, 65534) == 0;
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void lockOfALiveCopyHoldsWhateverItsAgeAndOfAKilledOneGoesAtOnce() {
        QTemporaryDir dir;
        QProcess* holder = startChild({u"--hold"_s, dir.path()}, this);
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
        QVERIFY(writeAll(QDir(other.path()).filePath(SingleInstance::lockFileName()),
                         QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                             QCoreApplication::applicationName().toUtf8() + '\n' +
                             QSysInfo::machineHostName().toUtf8() + '\n'));
        QCOMPARE(SingleInstance(other.path()).acquire(), SingleInstance::Outcome::First);
    }

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

    // Only a socket in a folder of this user's own is trusted, and only one whose other end is this user.
    void peerUser() {
        int pair[2];
        QCOMPARE(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
        QCOMPARE(peerUserId(pair[0]), std::optional<uint>(::getuid()));
        QVERIFY(peerIsThisUser(pair[1]));
        int pipeEnds[2];
        QCOMPARE(::pipe(pipeEnds), 0);
        QCOMPARE(peerUserId(pipeEnds[0]), std::nullopt); // no socket: nobody to tell
        QVERIFY(!peerIsThisUser(-1));
        for (int fd : {pair[0], pair[1], pipeEnds[0], pipeEnds[1]})
            ::close(fd);
    }

    void privateFolder_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("trusted");
        QTest::newRow("the user's own") << "own" << true;
        for (const char* kind : {"group may read", "others may enter", "a link to the user's own", "a file",
                                 "missing", "another user's"})
            QTest::newRow(kind) << kind << false;
    }
    void privateFolder() {
        QFETCH(QString, kind);
        QFETCH(bool, trusted);
        QTemporaryDir dir;
        const QString own = dir.filePath("own"), tested = dir.filePath(kind);
        QVERIFY(QDir().mkpath(own) &&
                QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const auto modeOf = [&](mode_t mode) {
            return QDir().mkpath(tested) && ::chmod(qPrintable(tested), mode) == 0;
        };
        if (kind == "group may read")
            QVERIFY(modeOf(0750));
        else if (kind == "others may enter")
            QVERIFY(modeOf(0701));
        else if (kind == "a link to the user's own")
            QVERIFY(QFile::link(own, tested));
        else if (kind == "a file")
            QVERIFY(writeAll(tested, {}));
        else if (kind == "another user's") {
            if (::getuid() != 0)
                QSKIP("only root can give a folder to another user");
            QVERIFY(modeOf(0700) && giveToNobody(tested));
        }
        QCOMPARE(isPrivateFolder(tested), trusted);
    }

    // The socket is in the session's runtime folder only when it is the user's own, else in one of its own.
    void socketFolder_data() {
        QTest::addColumn<QString>("runtime");
        QTest::newRow("none") << "";
        QTest::newRow("the user's own") << "0700";
        QTest::newRow("open to others") << "0777";
    }
    void socketFolder() {
        QFETCH(QString, runtime);
        QTemporaryDir dir, runtimeDir;
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        const auto restore = qScopeGuard(
            [&] { saved.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", saved); });
        qputenv("XDG_RUNTIME_DIR", runtime.isEmpty() ? QByteArray() : runtimeDir.path().toUtf8());
        QVERIFY(::chmod(qPrintable(runtimeDir.path()), runtime.toUInt(nullptr, 8)) == 0);
        QString folder;
        {
            SingleInstance running(dir.path());
            QCOMPARE(running.acquire(), SingleInstance::Outcome::First);
            folder = QFileInfo(SingleInstance::serverName(dir.path())).path();
            QVERIFY(isPrivateFolder(folder));
            QCOMPARE(folder == runtimeDir.path(), runtime == "0700");
        }
        QCOMPARE(QFileInfo::exists(folder), runtime == "0700");
        QCOMPARE(SingleInstance::serverName(dir.path()), QString());
    }

    // The command line run by another local user is not answered by root's copy, and root asking another
    // user's copy directly is not heard: only its own user's request is.
    void otherUsersAreRefusedBothWays() {
        if (::getuid() != 0)
            QSKIP("another user can be played by root only");
        QTemporaryDir rootsDir;
        QVERIFY(::chmod(qPrintable(rootsDir.path()), 01777) == 0); // nobody reads the lock, removes nothing
        SingleInstance running(rootsDir.path());
        QCOMPARE(running.acquire(), SingleInstance::Outcome::First);
        int handled = 0;
        running.setRequestHandler([&](QByteArrayView) { return ++handled, QByteArray("done\n"); });
        QProcess* stranger = startChild({"--hand", rootsDir.path(), "export /tmp/x.ics"}, this, true);
        if (!stranger->waitForStarted(10000) ||
            (stranger->waitForFinished(20000), stranger->exitCode() == 127))
            QSKIP("nobody cannot run this test program here");
        QCOMPARE(stranger->readAllStandardOutput(), "1:"); // already running, no answer
        QVERIFY(stranger->readAllStandardError().contains("not this user's own"));
        QCOMPARE(handled, 0);

        QTemporaryDir nobodysDir;
        QVERIFY(giveToNobody(nobodysDir.path()));
        QProcess* holder = startChild({"--hold", nobodysDir.path()}, this, true);
        QVERIFY(holder->waitForReadyRead(10000));
        QCOMPARE(holder->readAll(), QByteArray("held\n"));
        QLocalSocket root;
        root.connectToServer(SingleInstance::serverName(nobodysDir.path()));
        QVERIFY(root.waitForConnected(10000));
        root.write("show\n");
        QTRY_COMPARE(root.state(), QLocalSocket::UnconnectedState); // dropped unread
        // nobody's own start is heard: the one "asked" that follows is its, not root's.
        QProcess* own = startChild({"--hand", nobodysDir.path(), "show"}, this, true);
        QVERIFY(own->waitForFinished(20000));
        QCOMPARE(own->readAllStandardOutput(), "1:");
        holder->kill();
        QVERIFY(holder->waitForFinished(10000));
        QCOMPARE(holder->readAll(), QByteArray("asked\n"));
    }

    void twoStartsAtOnceLeaveOneRunning() {
        QTemporaryDir dir;
        QProcess* a = startChild({u"--hold"_s, dir.path()}, this);
        QProcess* b = startChild({u"--hold"_s, dir.path()}, this);
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
    if (args.size() == 4 && args[1] == QLatin1String("--hand"))
        return hand(args[2], args[3]);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_single_instance.moc"
