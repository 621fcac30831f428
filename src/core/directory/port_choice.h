#pragma once

#include "core/base/io_result.h"

#include <QList>
#include <QString>

namespace velkor::directory {

// The modem's port: index 0..4 in the port list, COM1..COM5, kept in comayar.kyt; or a serial device the
// machine reports (a USB modem), kept as its path beside index 0, so that a reader knowing only the index
// still finds a valid one.
constexpr int PortCount = 5;

struct PortChoice {
    int index = 0;
    QString device; // empty for COM1..COM5
    bool operator==(const PortChoice&) const = default;
};

QString portChoiceFileName();

// The stored choice. The file is created empty when missing; COM1 when it holds no index 0..4.
PortChoice loadPortChoice(const QString& path);
// Replaces the file with the choice as its only record: the index alone, or 0 and the device path.
IoResult savePortChoice(const QString& path, const PortChoice& choice);

// "COM1" for index 0, up to "COM5".
QString portName(int index);

// What the serial layer opens for a port name: COMn is /dev/ttyS<n-1> on Linux and COMn on Windows.
// Anything else, such as a device path, is used as given.
QString serialDeviceName(const QString& port);

// A serial port the machine has, where a modem may sit: its device and a label with its description.
struct PortOffer {
    QString device;
    QString label;
};
// /dev/ttyS*, /dev/ttyUSB* and /dev/ttyACM*, leaving out those that are COM1..COM5 already.
QList<PortOffer> machinePorts();

} // namespace velkor::directory
