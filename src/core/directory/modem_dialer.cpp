#include "core/directory/modem_dialer.h"

#include "core/directory/modem_commands.h"

namespace velkor::directory {

ModemDialer::ModemDialer(SerialLineFactory lines, QObject* parent)
    : QObject(parent), m_lines(std::move(lines)) {
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(DefaultTimeout);
    connect(&m_timeout, &QTimer::timeout, this, &ModemDialer::onTimeout);
}

ModemDialer::~ModemDialer() {
    hangUp();
}

bool ModemDialer::dial(const QString& device, const QString& number) {
    hangUp();
    m_error.clear();
    m_reply.clear();
    m_answered = false;
    std::unique_ptr<SerialLine> line = m_lines ? m_lines() : nullptr;
    if (!line) {
        m_error = tr("No serial port is available.");
        m_problem = PortProblem::Missing;
        return false;
    }
    if (!line->open(device)) {
        m_error = line->errorString();
        m_problem = line->problem();
        return false;
    }
    m_line = std::move(line);
    connect(m_line.get(), &SerialLine::readyRead, this, &ModemDialer::onReadyRead);
    // A failed write is not fatal: the wait then ends by the user, or by the timeout.
    m_line->write(dialCommand(number));
    m_timeout.start();
    return true;
}

void ModemDialer::onReadyRead() {
    if (!m_line || m_answered)
        return;
    // The echo of the command and the answer may come in separate pieces.
    m_reply += m_line->readAll();
    const ModemResult result = modemResult(m_reply);
    if (result == ModemResult::Pending)
        return;
    if (result != ModemResult::Ok) {
        // Nothing more will come: the wait ends now, not at the timeout.
        hangUp();
        QTimer::singleShot(0, this, [this, result] { emit refused(result); });
        return;
    }
    m_answered = true;
    m_timeout.stop();
    // Told from the event loop, not from inside the port's notification: the listener shows a modal box
    // and then hangs up, which closes the very port that is still emitting.
    QTimer::singleShot(0, this, [this] {
        if (m_line && m_answered)
            emit answered();
    });
}

void ModemDialer::onTimeout() {
    if (!m_line || m_answered)
        return;
    hangUp();
    emit timedOut();
}

void ModemDialer::hangUp() {
    m_timeout.stop();
    if (!m_line)
        return;
    // Taken out first, so nothing the line emits while closing can reach this dial.
    std::unique_ptr<SerialLine> line = std::move(m_line);
    line->disconnect(this);
    line->write(hangUpCommand());
    line->close();
    m_answered = false;
    // We may be inside one of the line's own signals.
    line.release()->deleteLater();
}

} // namespace velkor::directory
