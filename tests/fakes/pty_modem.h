#pragma once

#include "support/serial_line.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace velkor::testing {

// A pseudo-terminal whose master end plays the modem; the program opens the slave end by its path, as it
// would open a serial port.
class PtyModem {
public:
    PtyModem() {
        char name[256] = {};
        if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
            return;
        m_path = QString::fromLocal8Bit(name);
        termios raw{};
        tcgetattr(m_slave, &raw);
        cfmakeraw(&raw);
        tcsetattr(m_slave, TCSANOW, &raw);
        fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    }
    ~PtyModem() {
        if (m_master >= 0)
            ::close(m_master);
        if (m_slave >= 0)
            ::close(m_slave);
    }
    PtyModem(const PtyModem&) = delete;
    PtyModem& operator=(const PtyModem&) = delete;

    bool isValid() const { return !m_path.isEmpty(); }
    const QString& path() const { return m_path; }

    // Everything the program has written so far, gathered across calls.
    const QByteArray& received() {
        char buffer[512];
        for (;;) {
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n <= 0)
                break;
            m_received.append(buffer, n);
        }
        return m_received;
    }
    void send(const QByteArray& bytes) { (void)::write(m_master, bytes.constData(), size_t(bytes.size())); }

    // How many descriptors of this process other than the modem's own have the line open.
    int openedByProgram() const {
        int count = 0;
        const QDir fds(QStringLiteral("/proc/self/fd"));
        for (const QString& fd : fds.entryList(QDir::Files | QDir::System)) {
            if (fd.toInt() == m_slave)
                continue;
            if (QFileInfo(fds.filePath(fd)).symLinkTarget() == m_path)
                ++count;
        }
        return count;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    QByteArray m_received;
};

// The real serial adapter, opening a given device whatever port name it is asked for; it notes the names.
class RedirectedLine final : public SerialLine {
public:
    RedirectedLine(QString device, QStringList* asked) : m_device(std::move(device)), m_asked(asked) {
        connect(&m_line, &SerialLine::readyRead, this, &SerialLine::readyRead);
    }
    bool open(const QString& portName) override {
        m_asked->append(portName);
        return m_line.open(m_device);
    }
    bool write(const QByteArray& bytes) override { return m_line.write(bytes); }
    QByteArray readAll() override { return m_line.readAll(); }
    void close() override { m_line.close(); }
    QString errorString() const override { return m_line.errorString(); }

private:
    QtSerialLine m_line;
    QString m_device;
    QStringList* m_asked;
};

} // namespace velkor::testing
