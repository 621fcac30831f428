#pragma once

#include <QByteArray>
#include <QString>

namespace velkor::directory {

// The number as the modem may see it: control characters (CR, LF, anything below a blank, DEL) taken
// out, since a stored CR would end the command early and let the rest through as a command of its own.
QString dialableNumber(const QString& shown);

// "ATDT", the number, ";" and CR: a voice call, the modem back in command mode once it has dialled.
QByteArray dialCommand(const QString& number);
QByteArray hangUpCommand();

// What the modem has said so far since the dial command: "OK" anywhere, or a failure as a whole result
// line, so that digits or letters of the echoed command never read as one.
enum class ModemResult { Pending, Ok, Error, Busy, NoDialtone, NoCarrier, NoAnswer };
ModemResult modemResult(const QByteArray& reply);

} // namespace velkor::directory
