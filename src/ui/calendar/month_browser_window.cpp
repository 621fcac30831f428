#include "ui/calendar/month_browser_window.h"

#include "core/lang/vocabulary.h"
#include "core/plans/plan_store.h"
#include "ui/calendar/month_caption.h"
#include "ui/common/fit_layout.h"
#include "ui/common/geometry.h"
#include "ui/common/keyboard.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace velkor::calendar {

namespace {

const GridColours Colours{QColor(0, 64, 0), QColor(0, 192, 0), QColor(0, 128, 0)};
constexpr int RedrawDelayMs = 10;

} // namespace

MonthBrowserWindow::MonthBrowserWindow(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_ctx(ctx),
      m_cells(this, QStringLiteral("Label1"), QStringLiteral("Label1"), Colours),
      m_marks(plans::planFileIn(ctx.dataDir)), m_redrawTimer(this) {
    connect(&m_marks, &PlanMarks::changed, this,
            [this] { m_cells.markPlans(m_marks.daysWithPlans(m_drawnYear, m_drawnMonth)); });
    // One control array as designed: Label1_0 … Label1_36 the days, Label1_48 … Label1_42 the heads.
    setObjectName(QStringLiteral("Form2"));
    setFont(windowFont());
    setFixedSize(px(1665), px(1995));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    for (QLabel* head : m_cells.heads())
        head->setEnabled(false);

    const QDate today = m_ctx.clock->now().date();
    m_month = today.month();
    m_year = today.year();

    m_previousMonthButton = makeButton("Command1", QStringLiteral("-"), twipsRect(540, 1470, 225, 210), true);
    m_monthLabel = new QLabel(QString::number(m_month), this);
    m_monthLabel->setObjectName(QStringLiteral("Label2"));
    m_monthLabel->setGeometry(twipsRect(915, 1470, 345, 210));
    m_monthLabel->setAlignment(Qt::AlignCenter);
    m_nextMonthButton = makeButton("Command2", QStringLiteral("+"), twipsRect(1410, 1470, 225, 210), true);
    m_previousYearButton = makeButton("Command3", QStringLiteral("-"), twipsRect(540, 1770, 225, 210), true);
    m_yearLabel = new QLabel(QString::number(m_year), this);
    m_yearLabel->setObjectName(QStringLiteral("Label3"));
    m_yearLabel->setGeometry(twipsRect(870, 1770, 435, 210));
    m_yearLabel->setAlignment(Qt::AlignCenter);
    m_nextYearButton = makeButton("Command4", QStringLiteral("+"), twipsRect(1410, 1770, 225, 210), true);
    m_hideButton = makeButton("Command5", QStringLiteral("x"), twipsRect(30, 1710, 405, 285), false);

    connect(m_previousMonthButton, &QPushButton::clicked, this, [this] { stepMonth(-1); });
    connect(m_nextMonthButton, &QPushButton::clicked, this, [this] { stepMonth(1); });
    connect(m_previousYearButton, &QPushButton::clicked, this, [this] { stepYear(-1); });
    connect(m_nextYearButton, &QPushButton::clicked, this, [this] { stepYear(1); });
    connect(m_hideButton, &QPushButton::clicked, this, &QWidget::hide);

    for (DayCell* cell : m_cells.cells()) {
        connect(cell, &DayCell::clicked, this,
                [this](int index) { openPlanEntryFor(m_ctx, m_grid.dayAt(index), m_drawnMonth, this); });
    }

    m_redrawTimer.setObjectName(QStringLiteral("Timer1"));
    m_redrawTimer.setSingleShot(true);
    m_redrawTimer.setInterval(RedrawDelayMs);
    connect(&m_redrawTimer, &QTimer::timeout, this, &MonthBrowserWindow::redraw);

    m_caption = addMonthCaption(this, Colours.head);
    // Worded in both languages on the way, so it fits either.
    lang::fitLayout(this);
    useKeyboard(this);
    placeBesideCalendar();
    // Drawn at once, so the window never shows an empty grid.
    redraw();
}

QPushButton* MonthBrowserWindow::makeButton(const char* name, const QString& caption, const QRect& geometry,
                                            bool bold) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFont(windowFont(bold));
    return button;
}

void MonthBrowserWindow::retranslate() {
    m_cells.setHeads();
    m_cells.nameCells();
    retitle();
    // The captions are signs; a screen reader says what they do, and what the two numbers are.
    m_previousMonthButton->setAccessibleName(tr("Previous month"));
    m_nextMonthButton->setAccessibleName(tr("Next month"));
    m_previousYearButton->setAccessibleName(tr("Previous year"));
    m_nextYearButton->setAccessibleName(tr("Next year"));
    m_hideButton->setAccessibleName(tr("Hide"));
    m_monthLabel->setAccessibleName(tr("Month"));
    m_yearLabel->setAccessibleName(tr("Year"));
}

void MonthBrowserWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void MonthBrowserWindow::placeBesideCalendar() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const double top = area.height() - height() - area.height() / 8.0;
    move(area.x() + area.width() - 3 * width(), area.y() + qRound(top));
}

void MonthBrowserWindow::requestRedraw() {
    m_redrawTimer.start();
}

void MonthBrowserWindow::redraw() {
    m_redrawTimer.stop();
    m_drawnMonth = m_month;
    m_drawnYear = m_year;
    m_grid = MonthGrid::shown(m_year, m_month);
    m_cells.fill(m_grid, m_drawnYear, m_drawnMonth);
    m_cells.markPlans(m_marks.daysWithPlans(m_drawnYear, m_drawnMonth));
    retitle();
}

void MonthBrowserWindow::retitle() {
    // The month's name in capitals, then the year: ARALIK 2003.
    setWindowTitle(lang::upperMonthNames().value(m_drawnMonth - 1) + u' ' + QString::number(m_drawnYear));
    if (m_caption && m_drawnMonth >= 1)
        setMonthCaption(m_caption, m_drawnYear, m_drawnMonth);
}

void MonthBrowserWindow::stepMonth(int by) {
    // Past December comes January of the next year, before January December of the year before.
    const int month = m_month + by;
    if (month < 1 || month > 12) {
        const int year = m_year;
        stepYear(month < 1 ? -1 : 1);
        if (m_year == year)
            return; // the last year there is
    }
    m_month = (month + 11) % 12 + 1;
    m_monthLabel->setText(QString::number(m_month));
    requestRedraw();
}

void MonthBrowserWindow::stepYear(int by) {
    constexpr int lowest = std::numeric_limits<int>::min();
    constexpr int highest = std::numeric_limits<int>::max();
    if ((by < 0 && m_year == lowest) || (by > 0 && m_year == highest))
        return;
    m_year += by;
    m_yearLabel->setText(QString::number(m_year));
    requestRedraw();
}

void MonthBrowserWindow::closeEvent(QCloseEvent* event) {
    // Closed from its title bar it only hides, as its own "x" does, and keeps its month for next time.
    if (event->spontaneous()) {
        event->ignore();
        hide();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace velkor::calendar
