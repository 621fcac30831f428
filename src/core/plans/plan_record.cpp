#include "core/plans/plan_record.h"

#include <QCoreApplication>

namespace velkor::plans {

namespace {

// A blank and two digits: " 05", " 12".
QString twoDigitField(int n) {
    if (n < 10)
        return QStringLiteral(" 0") + QString::number(n);
    return QLatin1Char(' ') + QString::number(n);
}

} // namespace

QString noTimeSlot() {
    return QCoreApplication::translate("TimeSlots", "none",
                                       "the time list's entry for a plan without a time");
}

QStringList timeSlots() {
    QStringList list{noTimeSlot()};
    for (int k = 1; k < SlotCount; ++k)
        list.append(QStringLiteral("%1:%2")
                        .arg(k / 2, 2, 10, QLatin1Char('0'))
                        .arg(k % 2 ? 30 : 0, 2, 10, QLatin1Char('0')));
    return list;
}

SlotTime slotTime(int slot) {
    // 0 is "none"; -1 (nothing chosen) and anything off the list mean no time as well.
    if (slot < 1 || slot >= SlotCount)
        return {NoHour, 0};
    return {slot / 2, slot % 2 != 0 ? 30 : 0};
}

int slotIndex(const QString& timeText) {
    if (timeText.trimmed().isEmpty())
        return 0;
    const int hour = timeText.left(2).toInt();
    const int minute = timeText.mid(3, 2).toInt();
    return hour * 2 + minute / 30;
}

QString yazim(int month, int day, int hour, int minute, const QString& text) {
    QString line;
    line.reserve(22 + text.size());
    line += twoDigitField(day);
    line += QLatin1Char('.');
    line += twoDigitField(month);
    if (hour != NoHour) {
        if (minute == 30)
            line += QLatin1Char(' ') + twoDigitField(hour) + QStringLiteral(":30");
        else if (minute == 0)
            line += QLatin1Char(' ') + twoDigitField(hour) + QStringLiteral(":00");
    } else {
        line += QString(11, QLatin1Char(' '));
    }
    line += QStringLiteral("   ");
    line += text;
    line.truncate(PlanLineLength);
    return line;
}

QString quoteSafe(QString text) {
    return text.replace(QLatin1Char('"'), QStringLiteral("''"));
}

} // namespace velkor::plans
