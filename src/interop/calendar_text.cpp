#include "interop/calendar_text.h"

#include <QStringList>

namespace velkor::interop {

QString summaryOf(const QString& text) {
    for (const QStringView line : QStringView(text).split(u'\n')) {
        if (!line.trimmed().isEmpty())
            return line.trimmed().toString();
    }
    return {};
}

QString joinedText(const QString& summary, const QString& description) {
    if (description.isEmpty() || summaryOf(description) == summary.trimmed())
        return description.isEmpty() ? summary : description;
    if (summary.trimmed().isEmpty())
        return description;
    return summary + u'\n' + description;
}

QString planTextOut(const QString& text) {
    return QString(text).replace(QStringLiteral("''"), QStringLiteral("\""));
}

} // namespace velkor::interop
