#include "shell/single_instance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <cstdio>

namespace velkor::shell {

namespace {

const QByteArray ShowRequest = "show\n";
// How long a later start waits for the running copy to answer: it may itself be starting.
constexpr int AnswerWaitMs = 5000;

QString userName() {
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return user.isEmpty() ? QDir::homePath() : user;
}

} // namespace

SingleInstance::SingleInstance(const QString& dataDir, QObject* parent)
    : QObject(parent), m_name(serverName(dataDir)), m_lock(QDir(dataDir).filePath(lockFileName())) {
    // A running copy's lock never goes stale with age; only one left by a process that is gone does.
    m_lock.setStaleLockTime(0);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
}

SingleInstance::~SingleInstance() {
    m_server.close();
}

QString SingleInstance::serverName(const QString& dataDir) {
    const QFileInfo info(dataDir);
    const QString path =
        info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    const QByteArray key = (userName() + QLatin1Char('\n') + path).toUtf8();
    const QString name = QStringLiteral("velkor-%1")
                             .arg(QString::fromLatin1(
                                 QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24)));
    // The user's private runtime folder keeps other users away from the socket.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : QDir(runtime).filePath(name);
}

bool SingleInstance::lockHeldByThisProcessId() const {
    qint64 pid = 0;
    QString host, app;
    // In a container every start may get the same small process id: a lock naming our own id is not ours.
    return m_lock.getLockInfo(&pid, &host, &app) && pid == QCoreApplication::applicationPid();
}

SingleInstance::Outcome SingleInstance::acquire() {
    const QDeadlineTimer deadline(AnswerWaitMs);
    while (true) {
        if (m_lock.tryLock(0)) {
            listen();
            return Outcome::First;
        }
        if (m_lock.error() != QLockFile::LockFailedError) {
            std::fprintf(stderr, "velkor: the data folder cannot be locked; running unguarded.\n");
            return Outcome::Unguarded;
        }
        if (lockHeldByThisProcessId()) {
            m_lock.removeStaleLockFile();
            continue;
        }
        if (askRunningCopy())
            return Outcome::AlreadyRunning;
        // The holder may have locked a moment ago and not be listening yet, or have just ended.
        if (deadline.hasExpired()) {
            std::fprintf(stderr, "velkor: another Velkor holds this data folder but does not answer.\n");
            return Outcome::AlreadyRunning;
        }
        QThread::msleep(50);
    }
}

void SingleInstance::listen() {
    // We hold the lock, so a socket of that name is a leftover of a copy that crashed.
    QLocalServer::removeServer(m_name);
    if (!m_server.listen(m_name)) {
        std::fprintf(stderr, "velkor: later starts cannot reach this one: %s\n",
                     qPrintable(m_server.errorString()));
        return;
    }
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->canReadLine() && socket->readLine(64) == ShowRequest)
                    emit activationRequested();
                socket->disconnectFromServer();
            });
        }
    });
}

bool SingleInstance::askRunningCopy() const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(ShowRequest);
    const bool sent = socket.waitForBytesWritten(1000);
    // Wait for the running copy to take the request: leaving at once could drop it unread.
    if (sent && socket.state() == QLocalSocket::ConnectedState)
        socket.waitForDisconnected(1000);
    return sent;
}

} // namespace velkor::shell
