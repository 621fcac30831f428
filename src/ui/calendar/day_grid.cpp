#include "ui/calendar/day_grid.h"

#include "core/lang/vocabulary.h"
#include "ui/common/geometry.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <cmath>

namespace velkor::calendar {

namespace {

constexpr int CellPitch = 240; // twips, across and down
constexpr int GridTop = 240;   // the first row of days, under the heads
constexpr int TodayPointSize = 7;
const QColor TodayBackground(200, 90, 90);

QRect cellRect(int column, int top) {
    return twipsRect(CellPitch * column, top, column == 0 ? 230 : 225, 210);
}

void setBackground(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, readableOn(colour));
    label->setPalette(palette);
}

// Relative luminance as the web's accessibility guidelines define it.
double luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

// Black or white, whichever stands out more on `background`: on every given colour that reaches 4.5:1.
QColor readableOn(const QColor& background) {
    const double l = luminance(background);
    return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? QColor(Qt::black) : QColor(Qt::white);
}

DayCell::DayCell(int index, QWidget* parent) : QLabel(parent), m_index(index) {
    setFocusPolicy(Qt::StrongFocus);
}

void DayCell::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit clicked(m_index);
        return;
    }
    const int step = key == Qt::Key_Left    ? -1
                     : key == Qt::Key_Right ? 1
                     : key == Qt::Key_Up    ? -7
                     : key == Qt::Key_Down  ? 7
                                            : 0;
    if (step == 0) {
        QLabel::keyPressEvent(event);
        return;
    }
    // To the next day shown that way; the edge of the month stops it.
    const QString array = objectName().section(u'_', 0, 0);
    for (int next = m_index + step; next >= 0 && next < MonthGrid::CellCount; next += step) {
        auto* cell = parentWidget()->findChild<DayCell*>(QStringLiteral("%1_%2").arg(array).arg(next),
                                                         Qt::FindDirectChildrenOnly);
        if (cell && !cell->isHidden()) {
            cell->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

// The cell with the keyboard is underlined, as a link is under the pointer.
void DayCell::focusInEvent(QFocusEvent* event) {
    QFont shown = font();
    shown.setUnderline(true);
    setFont(shown);
    QLabel::focusInEvent(event);
}

void DayCell::focusOutEvent(QFocusEvent* event) {
    QFont shown = font();
    shown.setUnderline(false);
    setFont(shown);
    QLabel::focusOutEvent(event);
}

void DayCell::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void DayCell::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release on the same cell.
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked(m_index);
}

QFont windowFont(bool bold) {
    QFont font = tahoma(8, bold);
    font.setPointSizeF(8.25);
    return font;
}

DayGrid::DayGrid(QWidget* window, const QString& cellArray, const QString& headArray,
                 const GridColours& colours)
    : m_colours(colours) {
    const QColor headText = readableOn(colours.head);

    for (int column = 0; column < 7; ++column) {
        const int index = LastHead - column;
        auto* head = new QLabel(lang::weekdayHead(index), window);
        head->setObjectName(QStringLiteral("%1_%2").arg(headArray).arg(index));
        head->setGeometry(cellRect(column, 0));
        head->setAlignment(Qt::AlignCenter);
        head->setFont(windowFont(true));
        head->setAutoFillBackground(true);
        QPalette palette = head->palette();
        palette.setColor(QPalette::Window, colours.head);
        // A disabled head keeps the system's greyed text.
        palette.setColor(QPalette::Active, QPalette::WindowText, headText);
        palette.setColor(QPalette::Inactive, QPalette::WindowText, headText);
        head->setPalette(palette);
        m_heads.append(head);
    }

    for (int index = 0; index < MonthGrid::CellCount; ++index) {
        auto* cell = new DayCell(index, window);
        cell->setObjectName(QStringLiteral("%1_%2").arg(cellArray).arg(index));
        cell->setGeometry(cellRect(index % 7, GridTop + CellPitch * (index / 7)));
        cell->setAlignment(Qt::AlignCenter);
        cell->setAutoFillBackground(true);
        m_cells.append(cell);
    }
    fill(MonthGrid(), 0, 0);
}

void DayGrid::fill(const MonthGrid& grid, int year, int month) {
    m_grid = grid;
    m_year = year;
    m_month = month;
    for (DayCell* cell : std::as_const(m_cells)) {
        const int day = grid.dayAt(cell->index());
        cell->setText(QString::number(day));
        setBackground(cell, cell->index() % 7 < 5 ? m_colours.weekday : m_colours.weekend);
        cell->setFrameShape(QFrame::NoFrame);
        cell->setFont(windowFont());
        cell->setVisible(day != 0);
    }
    nameCells();
}

void DayGrid::nameCells() {
    const QStringList months = lang::monthNames();
    for (DayCell* cell : std::as_const(m_cells)) {
        const int day = m_grid.dayAt(cell->index());
        // Day, month's name, year: the same order in both languages.
        cell->setAccessibleName(
            day == 0 ? QCoreApplication::translate("velkor::calendar::DayGrid", "Empty day")
                     : QStringLiteral("%1 %2 %3").arg(day).arg(months.value(m_month - 1)).arg(m_year));
    }
}

void DayGrid::markToday(int index) {
    if (index < 0 || index >= m_cells.size())
        return;
    DayCell* cell = m_cells.at(index);
    setBackground(cell, TodayBackground);
    cell->setFrameShape(QFrame::Box);
    cell->setLineWidth(1);
    QFont font = cell->font();
    font.setPointSize(TodayPointSize);
    cell->setFont(font);
}

void DayGrid::markPlans(const QSet<int>& days) {
    for (DayCell* cell : std::as_const(m_cells)) {
        QFont font = cell->font();
        font.setBold(days.contains(m_grid.dayAt(cell->index())));
        cell->setFont(font);
    }
}

void DayGrid::setHeads() {
    for (int column = 0; column < m_heads.size(); ++column)
        m_heads.at(column)->setText(lang::weekdayHead(LastHead - column));
}

void openPlanEntryFor(AppContext& ctx, int day, int month, QWidget* parent) {
    if (day < 1)
        return; // an empty cell
    ctx.state->selDay = day;
    ctx.state->selMonth = month;
    ctx.state->entryMode = EntryMode::New;
    if (ctx.doors)
        ctx.doors->openPlanEntry(parent);
}

} // namespace velkor::calendar
