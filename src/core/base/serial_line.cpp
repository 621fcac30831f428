#include "core/base/serial_line.h"

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
    if (!m_port->open(QIODevice::ReadWrite))
        return false;
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
