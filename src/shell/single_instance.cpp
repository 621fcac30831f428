#include "shell/single_instance.h"

#include "core/base/console.h"
#include "core/base/user_checks.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QPointer>
#include <QSaveFile>
#include <QThread>

#include <utility>

namespace velkor::shell {

namespace {

const QByteArray ShowRequest = "show\n";
// A request is one line naming a file; anything longer is no request of ours.
constexpr qint64 MaxRequestBytes = 64 * 1024;
// How long a later start waits for the running copy to answer: it may itself be starting.
constexpr int AnswerWaitMs = 5000;
// The socket file names one path.
constexpr qint64 MaxSocketFileBytes = 4096;

// The socket's name in the user's runtime folder: from the data folder's real path, so that two portable
// copies run side by side.
QString socketName(const QString& dataDir) {
    const QFileInfo info(dataDir);
    const QString path =
        info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    return QStringLiteral("velkor-%1")
        .arg(QString::fromLatin1(
            QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(24)));
}

} // namespace

SingleInstance::SingleInstance(const QString& dataDir, QObject* parent)
    : QObject(parent), m_dataDir(dataDir), m_lock(QDir(dataDir).filePath(lockFileName())) {
    // A running copy's lock never goes stale with age; only one left by a process that is gone does.
    m_lock.setStaleLockTime(0);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
}

SingleInstance::~SingleInstance() {
    close();
}

QString SingleInstance::serverName(const QString& dataDir) {
    QFile file(QDir(dataDir).filePath(socketFileName()));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray line = file.read(MaxSocketFileBytes);
    if (line.endsWith('\n'))
        line.chop(1);
    const QString path = QFile::decodeName(line);
    return QDir::isAbsolutePath(path) ? path : QString();
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
            tellConsole(QStringLiteral("the data folder cannot be locked; running unguarded."));
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
            tellConsole(QStringLiteral("another Velkor holds this data folder but does not answer."));
            return Outcome::AlreadyRunning;
        }
        QThread::msleep(50);
    }
}

void SingleInstance::listen() {
    // The runtime folder the session gave is the user's own, unless someone else made it first; otherwise a
    // folder of our own, made where nobody can have prepared it.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString name;
    if (QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime)) {
        name = QDir(runtime).filePath(socketName(m_dataDir));
    } else {
        m_privateFolder = makePrivateFolder(QDir::tempPath());
        if (!m_privateFolder.isEmpty())
            name = QDir(m_privateFolder).filePath(QStringLiteral("socket"));
    }
    // We hold the lock, so a socket of that name is a leftover of a copy that crashed.
    if (!name.isEmpty())
        QLocalServer::removeServer(name);
    if (name.isEmpty() || !m_server.listen(name)) {
        tellConsole(QStringLiteral("later starts cannot reach this one: %1")
                        .arg(name.isEmpty() ? QStringLiteral("no private folder for the socket")
                                            : m_server.errorString()));
        close();
        return;
    }
    m_listening = m_server.fullServerName();
    // Whole or not at all: a later start must never read half a path.
    QSaveFile file(QDir(m_dataDir).filePath(socketFileName()));
    if (!file.open(QIODevice::WriteOnly) || file.write(QFile::encodeName(m_listening) + '\n') < 0 ||
        !file.commit()) {
        tellConsole(QStringLiteral("later starts cannot reach this one: %1").arg(file.errorString()));
        close();
        return;
    }
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            // Another user's program is not heard at all.
            if (!peerIsThisUser(socket->socketDescriptor())) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

void SingleInstance::close() {
    m_server.close();
    // Only while it still names our socket: it is the running copy's word to later starts.
    if (!m_listening.isEmpty() && serverName(m_dataDir) == m_listening)
        QFile::remove(QDir(m_dataDir).filePath(socketFileName()));
    m_listening.clear();
    if (!m_privateFolder.isEmpty())
        QDir(m_privateFolder).removeRecursively();
    m_privateFolder.clear();
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
    const QPointer<QLocalSocket> asking(socket);
    const auto answer = [asking](const QByteArray& text) {
        if (!asking)
            return;
        asking->write(text);
        asking->flush();
        asking->disconnectFromServer();
    };
    if (request == ShowRequest) {
        emit activationRequested();
    } else if (request.endsWith('\n') && m_later && m_later(request, answer)) {
        return;
    } else if (m_handler && request.endsWith('\n')) {
        // The work may ask the user (a box runs its own loop): the socket may be gone by the answer.
        return answer(m_handler(request));
    }
    socket->disconnectFromServer();
}

bool SingleInstance::askRunningCopy(const QByteArray& request, QByteArray* answer) const {
    // The path comes from the data folder, whatever this start's environment says.
    const QString name = serverName(m_dataDir);
    if (name.isEmpty())
        return false;
    const auto stranger = [this] {
        if (!std::exchange(m_strangerTold, true))
            tellConsole(QStringLiteral("the socket named in this data folder is not this user's own; it is "
                                       "not asked."));
        return false;
    };
    const QFileInfo folder(QFileInfo(name).path());
    if (!folder.exists() && !folder.isSymbolicLink())
        return false; // left by a copy that has ended
    if (!isPrivateFolder(folder.filePath()))
        return stranger();
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(1000))
        return false;
    if (!peerIsThisUser(socket.socketDescriptor())) {
        socket.abort();
        return stranger();
    }
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
