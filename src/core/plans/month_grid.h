#pragma once

namespace velkor::calendar {

// Where the days of a month stand in the calendars' grid of 37 cells: seven columns from Monday to Sunday,
// cell i in column i % 7 and row i / 7.
class MonthGrid {
public:
    static constexpr int CellCount = 37;

    // An empty month: no day in any cell.
    MonthGrid() = default;

    // The calendars' own rule: anchored on Monday 1 January 2001, every fourth year a leap year. It is the
    // real calendar from 1901 to 2099 only; for some months before 1898 the first cell comes out negative.
    MonthGrid(int year, int month);

    // What the windows lay out: the rule where it is the real calendar, the Gregorian month everywhere else,
    // so every day has a cell from 0 to 36 for any year.
    static MonthGrid shown(int year, int month);

    int firstCell() const { return m_first; }
    int dayCount() const { return m_days; }
    // The day standing in `cell`, 0 when the cell is outside the month.
    int dayAt(int cell) const;
    // The cell of `day`, -1 when the month has no such day.
    int cellOf(int day) const;

private:
    int m_first = 0;
    int m_days = 0;
};

} // namespace velkor::calendar
