#include "core/base/serial_line.h"

#include <QFileInfo>
#include <QSerialPort>

namespace velkor {

QtSerialLine::QtSerialLine() : m_port(new QSerialPort(this)) {
    connect(m_port, &QSerialPort::readyRead, this, &SerialLine::readyRead);
}

QtSerialLine::~QtSerialLine() {
    close();
}

bool QtSerialLine::open(const QString& portName) {
    m_port->setPortName(portName);
    if (!m_port->open(QIODevice::ReadWrite)) {
        // Qt says "permission" both for a device another program holds and for one the user may not use.
        const QFileInfo device(portName);
        if (m_port->error() == QSerialPort::DeviceNotFoundError)
            m_problem = PortProblem::Missing;
        else if (m_port->error() == QSerialPort::PermissionError)
            m_problem =
                device.isReadable() && device.isWritable() ? PortProblem::InUse : PortProblem::NoPermission;
        else
            m_problem = PortProblem::Other;
        return false;
    }
    m_port->setBaudRate(QSerialPort::Baud9600);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    m_port->clear();
    return true;
}

bool QtSerialLine::write(const QByteArray& bytes) {
    return m_port->write(bytes) == bytes.size() && m_port->flush();
}

QByteArray QtSerialLine::readAll() {
    return m_port->readAll();
}

void QtSerialLine::close() {
    if (m_port->isOpen())
        m_port->close();
}

QString QtSerialLine::errorString() const {
    return m_port->errorString();
}

} // namespace velkor
