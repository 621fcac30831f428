#pragma once

#include "support/io_result.h"

#include <QString>

namespace velkor::directory {

// The modem's port: index 0..4 in the port list, COM1..COM5, kept in comayar.kyt.
constexpr int PortCount = 5;

QString portChoiceFileName();

// The stored index. The file is created empty when missing; 0 (COM1) when it holds no index 0..4.
int loadPortIndex(const QString& path);
// Replaces the file with the index as its only record.
IoResult savePortIndex(const QString& path, int index);

// "COM1" for index 0, up to "COM5".
QString portName(int index);

// What the serial layer opens for a port name: COMn is /dev/ttyS<n-1> on Linux and COMn on Windows.
// Anything else, such as a device path, is used as given.
QString serialDeviceName(const QString& port);

} // namespace velkor::directory
