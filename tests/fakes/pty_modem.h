#pragma once

#include "core/base/serial_line.h"

#include <QtCore>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

namespace velkor::testing {

// A pseudo-terminal whose master end plays the modem; the program opens the slave end by its path.
class PtyModem {
public:
    PtyModem() {
        char name[256] = {};
        termios raw{};
        cfmakeraw(&raw);
        if (openpty(&m_master, &m_slave, name, &raw, nullptr) == 0)
            m_path = QString::fromLocal8Bit(name);
        fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    }
    ~PtyModem() {
        ::close(m_master);
        ::close(m_slave);
    }
    PtyModem(const PtyModem&) = delete;
    PtyModem& operator=(const PtyModem&) = delete;

    const QString& path() const { return m_path; }
    // Everything the program has written so far.
    const QByteArray& received() {
        char buffer[512];
        for (ssize_t n; (n = ::read(m_master, buffer, sizeof buffer)) > 0;)
            m_received.append(buffer, n);
        return m_received;
    }
    void send(const QByteArray& bytes) { (void)!::write(m_master, bytes.constData(), size_t(bytes.size())); }
    // Descriptors of this process, other than the modem's own, that hold the line open.
    int openedByProgram() const {
        const QDir fds(QStringLiteral("/proc/self/fd"));
        int count = 0;
        for (const QString& fd : fds.entryList(QDir::System))
            count += fd.toInt() != m_slave && QFileInfo(fds.filePath(fd)).symLinkTarget() == m_path;
        return count;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    QByteArray m_received;
};

// The real serial adapter, opening one device whatever port it is asked for; it notes what was asked.
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
