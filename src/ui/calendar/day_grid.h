#pragma once

#include "core/plans/month_grid.h"
#include "ui/common/app_context.h"

#include <QColor>
#include <QLabel>
#include <QList>
#include <QSet>

namespace velkor::calendar {

// A day cell: a coloured label that reports a left click on itself, or Space or Return while it has the
// keyboard; the arrow keys move to the day beside, above or below.
class DayCell final : public QLabel {
    Q_OBJECT
public:
    DayCell(int index, QWidget* parent);
    int index() const { return m_index; }

signals:
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int m_index;
    bool m_pressed = false;
};

// Black or white, whichever stands out more on `background`.
QColor readableOn(const QColor& background);

struct GridColours {
    QColor head;
    QColor weekday; // columns 0 to 4
    QColor weekend; // columns 5 and 6
};

// The weekday heads and the 37 day cells both calendars lay out on their windows, with their looks.
class DayGrid {
public:
    // The cells are named `<cellArray>_0` … `<cellArray>_36`, the heads `<headArray>_48` (Monday) down to
    // `<headArray>_42` (Sunday), as the windows' control arrays.
    DayGrid(QWidget* window, const QString& cellArray, const QString& headArray, const GridColours& colours);

    // Numbers the cells for `grid`, the days of `month` in `year`; cells outside the month are hidden.
    void fill(const MonthGrid& grid, int year, int month);
    // Gives one cell today's looks; fill() takes them away again.
    void markToday(int cell);
    void setHeads();
    // Numbers the days that have plans in bold, the others plain.
    void markPlans(const QSet<int>& days);
    // Names each cell by its date in the program's language, for a screen reader.
    void nameCells();

    DayCell* cell(int index) const { return m_cells.at(index); }
    const QList<DayCell*>& cells() const { return m_cells; }
    const QList<QLabel*>& heads() const { return m_heads; }

    static constexpr int FirstHead = 42; // Sunday
    static constexpr int LastHead = 48;  // Monday

private:
    QList<DayCell*> m_cells;
    QList<QLabel*> m_heads; // in column order, Monday first
    GridColours m_colours;
    MonthGrid m_grid;
    int m_year = 0;
    int m_month = 0;
};

// Hands a clicked day to plan entry as a new plan and opens it modally over `parent`.
void openPlanEntryFor(AppContext& ctx, int day, int month, QWidget* parent);

// The font the windows are drawn in: Tahoma 8.25 pt.
QFont windowFont(bool bold = false);

} // namespace velkor::calendar
