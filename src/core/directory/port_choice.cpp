#include "core/directory/port_choice.h"

#include "core/base/record_file.h"

#include <QRegularExpression>
#include <QSerialPortInfo>

namespace velkor::directory {

QString portChoiceFileName() {
    return QStringLiteral("comayar.kyt");
}

PortChoice loadPortChoice(const QString& path) {
    touchFile(path);
    const Loaded<QList<RecordEntry>> records = readRecordFile(path);
    if (!records.ok() || records.value.isEmpty() || !records.value.front().fields)
        return {};
    const Fields& fields = *records.value.front().fields;
    const std::optional<qint64> index = numberAt(fields, 0);
    PortChoice choice;
    if (index && *index >= 0 && *index < PortCount)
        choice.index = int(*index);
    choice.device = stringAt(fields, 1).value_or(QString());
    if (!choice.device.isEmpty())
        choice.index = 0;
    return choice;
}

IoResult savePortChoice(const QString& path, const PortChoice& choice) {
    if (choice.device.isEmpty())
        return rewriteRecordFile(path, encodeRecord({qint64(choice.index)}));
    return rewriteRecordFile(path, encodeRecord({qint64(0), choice.device}));
}

QString portName(int index) {
    return QStringLiteral("COM%1").arg(index + 1);
}

QString serialDeviceName(const QString& port) {
#ifdef Q_OS_WIN
    return port;
#else
    static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]{0,2})$"));
    const QRegularExpressionMatch match = com.match(port);
    if (!match.hasMatch())
        return port;
    return QStringLiteral("/dev/ttyS%1").arg(match.captured(1).toInt() - 1);
#endif
}

QList<PortOffer> machinePorts() {
    QList<PortOffer> offers;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        const QString name = port.portName();
#ifndef Q_OS_WIN
        // Other kinds (consoles, Bluetooth, pseudo-terminals) are no place for a modem.
        if (!name.startsWith(u"ttyS") && !name.startsWith(u"ttyUSB") && !name.startsWith(u"ttyACM"))
            continue;
#endif
        bool isCom = false;
        for (int i = 0; i < PortCount; ++i)
            isCom = isCom || serialDeviceName(portName(i)) == port.systemLocation();
        if (isCom)
            continue;
        const QString description = port.description().isEmpty() ? port.manufacturer() : port.description();
        offers.append({port.systemLocation(),
                       description.isEmpty() ? name : QStringLiteral("%1 – %2").arg(name, description)});
    }
    return offers;
}

} // namespace velkor::directory
