#pragma once

#include <QObject>

class QSocketNotifier;

namespace velkor::shell {

// Turns SIGTERM, SIGINT and SIGHUP (logout, shutdown, Ctrl+C) into a Qt signal on the UI thread, so that
// they end the program as cleanly as its own exit item.
class ExitSignals final : public QObject {
    Q_OBJECT
public:
    explicit ExitSignals(QObject* parent = nullptr);
    ~ExitSignals() override;

signals:
    void exitRequested();

private:
    void onReadable();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace velkor::shell
