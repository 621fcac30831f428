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

// The modem's answer, anywhere in what it has sent since the dial command.
bool replyHasOk(const QByteArray& reply);

} // namespace velkor::directory
