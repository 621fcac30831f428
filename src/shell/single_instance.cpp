#include "shell/single_instance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>

#include <cstdio>

namespace velkor::shell {

namespace {

const QByteArray ShowRequest = "show\n";
// A request is one line naming a file; anything longer is no request of ours.
constexpr qint64 MaxRequestBytes = 64 * 1024;
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
    return take(ShowRequest, true, nullptr);
}

SingleInstance::Handover SingleInstance::acquireOrHand(const QByteArray& request) {
    Handover handover{Outcome::First, {}};
    handover.outcome = take(request, false, &handover.answer);
    return handover;
}

SingleInstance::Outcome SingleInstance::take(const QByteArray& request, bool serve, QByteArray* answer) {
    const QDeadlineTimer deadline(AnswerWaitMs);
    while (true) {
        if (m_lock.tryLock(0)) {
            if (serve)
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
        if (askRunningCopy(request, answer))
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
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

void SingleInstance::serve(QLocalSocket* socket) {
    // A request may come in pieces: wait for its whole line.
    if (!socket->canReadLine() && socket->bytesAvailable() < MaxRequestBytes)
        return;
    // Served once, though more bytes may follow while the work runs.
    if (socket->property("velkorServed").toBool())
        return;
    socket->setProperty("velkorServed", true);
    const QByteArray request = socket->readLine(MaxRequestBytes);
    if (request == ShowRequest) {
        emit activationRequested();
    } else if (m_handler && request.endsWith('\n')) {
        // The work may ask the user (a box runs its own loop): the socket may be gone by the answer.
        const QPointer<QLocalSocket> asking(socket);
        const QByteArray answer = m_handler(request);
        if (!asking)
            return;
        socket->write(answer);
        socket->flush();
    }
    socket->disconnectFromServer();
}

bool SingleInstance::askRunningCopy(const QByteArray& request, QByteArray* answer) const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(request);
    const bool sent = socket.waitForBytesWritten(1000);
    if (sent && answer) {
        // The running copy answers when its work is done, however long that takes; it closes the
        // connection after its answer, or at once when it cannot serve the request.
        while (!socket.canReadLine() && socket.waitForReadyRead(-1)) {
        }
        *answer = socket.readLine(MaxRequestBytes);
        return true;
    }
    // Wait for the running copy to take the request: leaving at once could drop it unread.
    if (sent && socket.state() == QLocalSocket::ConnectedState)
        socket.waitForDisconnected(1000);
    return sent;
}

} // namespace velkor::shell
