#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>

namespace velkor::shell {

// One running Velkor per data folder: a lock file in the folder, and a local socket by which a later start
// asks the running copy to show itself instead of running a second tray icon, timer and writer. The socket
// lies in a folder only the user controls, and its path is written beside the lock, so that a start from
// another environment (cron, su, ssh) reaches the same copy; both ends check that the other runs as the
// same user before they trust what it says.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        First,          // this copy holds the folder; later starts reach it
        AlreadyRunning, // another copy holds the folder and has been asked to show itself
        Unguarded,      // the lock could not be made at all; the copy runs without it
    };

    explicit SingleInstance(const QString& dataDir, QObject* parent = nullptr);
    ~SingleInstance() override;

    Outcome acquire();

    // For work that must not run beside a running copy (the command line's transfers): takes the folder's
    // lock without listening, so that a start meanwhile waits for it; or, when a copy runs, hands it
    // `request` (one line) and gives back its one-line answer, empty when it gave none.
    struct Handover {
        Outcome outcome;
        QByteArray answer;
    };
    Handover acquireOrHand(const QByteArray& request);

    // Answers the requests of later runs other than being shown.
    using RequestHandler = std::function<QByteArray(QByteArrayView request)>;
    void setRequestHandler(RequestHandler handler) { m_handler = std::move(handler); }
    // Takes the requests it returns true for, before the handler above, and answers each once, when its
    // work is done; meanwhile the event loop goes on.
    using Answer = std::function<void(const QByteArray& answer)>;
    using LaterHandler = std::function<bool(QByteArrayView request, Answer answer)>;
    void setLaterHandler(LaterHandler handler) { m_later = std::move(handler); }

    // The socket the copy running on the data folder listens on, as it wrote it there; empty when the folder
    // names none.
    static QString serverName(const QString& dataDir);
    static QString lockFileName() { return QStringLiteral("velkor.lock"); }
    static QString socketFileName() { return QStringLiteral("velkor.socket"); }

    // Stops listening and removes the socket, its private folder and its file in the data folder. Touches
    // neither the display nor the event loop, so it may run when the program is made to end.
    void close();

signals:
    // A later start on the same folder asked to be shown.
    void activationRequested();

private:
    Outcome take(const QByteArray& request, bool serve, QByteArray* answer);
    void listen();
    void serve(class QLocalSocket* socket);
    bool askRunningCopy(const QByteArray& request, QByteArray* answer) const;
    bool lockHeldByThisProcessId() const;

    QString m_dataDir;
    QString m_privateFolder; // made for the socket; removed again at the end
    QString m_listening;     // the socket's path while this copy listens
    mutable bool m_strangerTold = false;
    QLockFile m_lock;
    QLocalServer m_server;
    RequestHandler m_handler;
    LaterHandler m_later;
};

} // namespace velkor::shell
