#include "directory/modem_commands.h"

namespace velkor::directory {

QString dialableNumber(const QString& shown) {
    QString number;
    number.reserve(shown.size());
    for (const QChar c : shown) {
        if (c.unicode() >= 0x20 && c.unicode() != 0x7f)
            number.append(c);
    }
    return number;
}

QByteArray dialCommand(const QString& number) {
    return "ATDT" + dialableNumber(number).toLatin1() + ";\r";
}

QByteArray hangUpCommand() {
    return QByteArrayLiteral("ATH\r");
}

bool replyHasOk(const QByteArray& reply) {
    return reply.contains("OK");
}

} // namespace velkor::directory
