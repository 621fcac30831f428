#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QSerialPort;

namespace velkor {

// Why a port did not open, in the terms the user can act on.
enum class PortProblem { Missing, InUse, NoPermission, Other };

// A serial line to a modem, as the dialer needs it: open at 9600,N,8,1, write, read what arrived, close.
class SerialLine : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual bool open(const QString& portName) = 0;
    // After an open that failed.
    virtual PortProblem problem() const { return PortProblem::Other; }
    virtual bool write(const QByteArray& bytes) = 0;
    virtual QByteArray readAll() = 0;
    virtual void close() = 0;
    virtual QString errorString() const = 0;

signals:
    void readyRead();
};

using SerialLineFactory = std::function<std::unique_ptr<SerialLine>()>;

class QtSerialLine final : public SerialLine {
    Q_OBJECT
public:
    QtSerialLine();
    ~QtSerialLine() override;
    bool open(const QString& portName) override;
    PortProblem problem() const override { return m_problem; }
    bool write(const QByteArray& bytes) override;
    QByteArray readAll() override;
    void close() override;
    QString errorString() const override;

private:
    QSerialPort* m_port;
    PortProblem m_problem = PortProblem::Other;
};

} // namespace velkor
