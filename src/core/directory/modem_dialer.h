#pragma once

#include "core/base/serial_line.h"
#include "core/directory/modem_commands.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>

namespace velkor::directory {

// One voice call at a time through a Hayes modem: the dial command goes out, the reply is gathered from
// the line's readyRead until "OK" or a failure arrives, and the caller hangs up once the user has the
// handset. All of it is driven by signals; nothing waits in a loop.
class ModemDialer final : public QObject {
    Q_OBJECT
public:
    // With ";" the modem answers as soon as it has dialled: a few seconds for a dial tone and the digits,
    // well under a minute even for long numbers with pauses. Past that the modem is off, unplugged or not
    // a modem, and the line must not stay open on a dial that never ends.
    static constexpr std::chrono::milliseconds DefaultTimeout{60000};

    explicit ModemDialer(SerialLineFactory lines, QObject* parent = nullptr);
    // A dial still under way is hung up and its port closed.
    ~ModemDialer() override;

    // Opens the device and sends the dial command. False when the port could not be opened; then nothing
    // was sent and errorString() says why.
    bool dial(const QString& device, const QString& number);
    // Sends the hang-up and closes the port; nothing when no dial is under way. Ends a waiting dial at
    // once (a cancel) as well as an answered one.
    void hangUp();

    bool isActive() const { return m_line != nullptr; }
    QString errorString() const { return m_error; }
    // Why the last dial could not open its port.
    PortProblem openProblem() const { return m_problem; }
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout.setInterval(timeout); }

signals:
    // The modem said "OK": the user can pick up. The line stays open until hangUp().
    void answered();
    // No "OK" in time; the modem has been hung up already.
    void timedOut();
    // The modem gave up on the dial (busy, no dial tone, ...); it has been hung up already.
    void refused(velkor::directory::ModemResult result);

private:
    void onReadyRead();
    void onTimeout();

    SerialLineFactory m_lines;
    std::unique_ptr<SerialLine> m_line;
    QByteArray m_reply;
    QTimer m_timeout;
    QString m_error;
    PortProblem m_problem = PortProblem::Other;
    bool m_answered = false;
};

} // namespace velkor::directory
