#include "core/plans/plan_record.h"

#include "core/lang/vocabulary.h"

#include <QCoreApplication>

namespace velkor::plans {

namespace {

// A blank and two digits: " 05", " 12".
QString twoDigitField(int n) {
    if (n < 10)
        return QStringLiteral(" 0") + QString::number(n);
    return QLatin1Char(' ') + QString::number(n);
}

// Two ASCII digits at `at`, or -1.
int twoDigits(QStringView line, qsizetype at) {
    const auto digit = [&](qsizetype i) {
        const char16_t c = line[i].unicode();
        return c >= u'0' && c <= u'9' ? int(c - u'0') : -1;
    };
    const int tens = digit(at);
    const int units = digit(at + 1);
    return tens < 0 || units < 0 ? -1 : tens * 10 + units;
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
    line += QLatin1Char(' ') + lang::dayMonthText(day, month) + QLatin1Char(' ');
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

std::optional<LineDate> lineDate(QStringView line) {
    // " dd.mm " or " dd/mm ", as either language writes it: a day or month of other widths moves the columns.
    constexpr qsizetype DateEnd = 6;
    if (line.size() < DateEnd || line[0] != u' ' || (line[3] != u'.' && line[3] != u'/') ||
        (line.size() > DateEnd && line[DateEnd] != u' '))
        return std::nullopt;
    const int day = twoDigits(line, 1);
    const int month = twoDigits(line, 4);
    if (day < 1 || day > 31 || month < 1 || month > 12)
        return std::nullopt;
    return LineDate{day, month};
}

QString quoteSafe(QString text) {
    return text.replace(QLatin1Char('"'), QStringLiteral("''"));
}

} // namespace velkor::plans
