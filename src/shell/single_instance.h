#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace velkor::shell {

// One running Velkor per data folder: a lock file in the folder, and a local socket by which a later start
// asks the running copy to show itself instead of running a second tray icon, timer and writer.
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

    // Derived from the user and the folder's real path, so two portable copies run side by side.
    static QString serverName(const QString& dataDir);
    static QString lockFileName() { return QStringLiteral("velkor.lock"); }

signals:
    // A later start on the same folder asked to be shown.
    void activationRequested();

private:
    void listen();
    bool askRunningCopy() const;
    bool lockHeldByThisProcessId() const;

    QString m_name;
    QLockFile m_lock;
    QLocalServer m_server;
};

} // namespace velkor::shell
