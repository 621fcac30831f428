#include "core/directory/modem_commands.h"

#include <QList>

#include <utility>

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

ModemResult modemResult(const QByteArray& reply) {
    static const QList<std::pair<QByteArray, ModemResult>> failures{{"ERROR", ModemResult::Error},
                                                                    {"BUSY", ModemResult::Busy},
                                                                    {"NO DIALTONE", ModemResult::NoDialtone},
                                                                    {"NO DIAL TONE", ModemResult::NoDialtone},
                                                                    {"NO CARRIER", ModemResult::NoCarrier},
                                                                    {"NO ANSWER", ModemResult::NoAnswer}};
    QList<QByteArray> lines = QByteArray(reply).replace('\r', '\n').split('\n');
    lines.removeLast(); // not ended yet: "NO" may still become any of them
    for (const QByteArray& line : std::as_const(lines)) {
        for (const auto& [word, result] : failures) {
            if (line.trimmed() == word)
                return result;
        }
    }
    return reply.contains("OK") ? ModemResult::Ok : ModemResult::Pending;
}

} // namespace velkor::directory
