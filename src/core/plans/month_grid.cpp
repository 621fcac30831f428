#include "core/plans/month_grid.h"

#include <QDate>

#include <algorithm>

namespace velkor::calendar {

namespace {

constexpr int DaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr int MonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// January's sum is lifted by a multiple of 7 so that it stays positive long before 2001.
constexpr qint64 JanuaryLift = 7 * 630'000;

// The Gregorian calendar repeats itself, weekdays included, every 400 years.
constexpr qint64 GregorianCycle = 400;

} // namespace

MonthGrid::MonthGrid(int year, int month) {
    const int m = std::clamp(month, 1, 12) - 1;
    // 64 bits, so no year of an int overflows; % and / truncate toward zero as the rule wants.
    const qint64 fromAnchor = qint64{year} - 2001;
    const qint64 shift = fromAnchor % 7;
    const qint64 leapDays = fromAnchor >= 0 ? fromAnchor / 4 : (qint64{year} - 2000) / 4 - 1;
    const int leap = year % 4 == 0 ? 1 : 0;

    qint64 sum = shift + leapDays + DaysBefore[m] + (m >= 2 ? leap : 0);
    if (m == 0)
        sum += JanuaryLift;
    m_first = static_cast<int>(sum % 7);
    m_days = MonthLength[m] + (m == 1 ? leap : 0);
}

MonthGrid MonthGrid::shown(int year, int month) {
    if (year >= 1901 && year <= 2099)
        return MonthGrid(year, month);
    // Moved into 2000..2399 by whole cycles, so QDate answers for any year. A year 0 (1 BC) counts as any
    // other: the year buttons step through it.
    const qint64 inCycle = ((qint64{year} - 2000) % GregorianCycle + GregorianCycle) % GregorianCycle;
    const QDate first(static_cast<int>(2000 + inCycle), std::clamp(month, 1, 12), 1);
    MonthGrid grid;
    grid.m_first = first.dayOfWeek() - 1;
    grid.m_days = first.daysInMonth();
    return grid;
}

int MonthGrid::dayAt(int cell) const {
    const int day = cell - m_first + 1;
    return day >= 1 && day <= m_days ? day : 0;
}

int MonthGrid::cellOf(int day) const {
    return day >= 1 && day <= m_days ? m_first + day - 1 : -1;
}

} // namespace velkor::calendar
