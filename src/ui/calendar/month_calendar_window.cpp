#include "ui/calendar/month_calendar_window.h"

#include "core/lang/vocabulary.h"
#include "core/plans/plan_store.h"
#include "ui/calendar/month_browser_window.h"
#include "ui/calendar/month_caption.h"
#include "ui/common/fit_layout.h"
#include "ui/common/geometry.h"
#include "ui/common/keyboard.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace velkor::calendar {

namespace {

const GridColours Colours{QColor(128, 64, 0), QColor(255, 192, 128), QColor(255, 128, 0)};
constexpr int MinuteMs = 60'000;

} // namespace

MonthCalendarWindow::MonthCalendarWindow(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_ctx(ctx),
      m_cells(this, QStringLiteral("Label1"), QStringLiteral("Label2"), Colours),
      m_marks(plans::planFileIn(ctx.dataDir)), m_watchTimer(this) {
    connect(&m_marks, &PlanMarks::changed, this,
            [this] { m_cells.markPlans(m_marks.daysWithPlans(m_shown.year(), m_shown.month())); });
    // Label1_0 … Label1_36 are the day cells, Label2_48 … Label2_42 the heads Monday to Sunday.
    setObjectName(QStringLiteral("Form1"));
    setFont(windowFont());
    setFixedSize(px(1680), px(1665));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    m_browserButton = new QPushButton(QStringLiteral("^"), this);
    m_browserButton->setObjectName(QStringLiteral("Command5"));
    m_browserButton->setGeometry(twipsRect(750, 1440, 435, 210));
    connect(m_browserButton, &QPushButton::clicked, this, &MonthCalendarWindow::toggleBrowser);

    m_closeButton = new QPushButton(QStringLiteral("x"), this);
    m_closeButton->setObjectName(QStringLiteral("Command1"));
    m_closeButton->setGeometry(twipsRect(1230, 1440, 435, 210));
    connect(m_closeButton, &QPushButton::clicked, this, &MonthCalendarWindow::close);

    for (DayCell* cell : m_cells.cells()) {
        connect(cell, &DayCell::clicked, this,
                [this](int index) { openPlanEntryFor(m_ctx, m_grid.dayAt(index), m_shown.month(), this); });
    }

    m_caption = addMonthCaption(this, Colours.head);
    placeNearTray();
    build();

    // One wake-up a minute, on the minute; precise, as a coarse timer may wake early and miss midnight.
    m_watchTimer.setObjectName(QStringLiteral("Timer1"));
    m_watchTimer.setSingleShot(true);
    m_watchTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_watchTimer, &QTimer::timeout, this, &MonthCalendarWindow::watchDate);
    scheduleWatch();

    // Worded in both languages on the way, so it fits either.
    lang::fitLayout(this);
    useKeyboard(this);
    placeNearTray();
}

void MonthCalendarWindow::retranslate() {
    m_cells.setHeads();
    setWindowTitle(lang::dateText(m_shown));
    setMonthCaption(m_caption, m_shown.year(), m_shown.month());
    m_cells.nameCells();
    // The captions are signs; a screen reader says what they do.
    m_browserButton->setAccessibleName(tr("Other months"));
    m_closeButton->setAccessibleName(tr("Close"));
}

void MonthCalendarWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void MonthCalendarWindow::placeNearTray() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const double left = area.width() - width() - area.width() / 15.0;
    const double top = area.height() - height() - area.height() / 10.0;
    move(area.x() + qRound(left), area.y() + qRound(top));
}

void MonthCalendarWindow::build() {
    m_shown = m_ctx.clock->now().date();
    m_grid = MonthGrid::shown(m_shown.year(), m_shown.month());
    m_cells.fill(m_grid, m_shown.year(), m_shown.month());
    m_cells.markToday(m_grid.cellOf(m_shown.day()));
    m_cells.markPlans(m_marks.daysWithPlans(m_shown.year(), m_shown.month()));
    setWindowTitle(lang::dateText(m_shown));
    setMonthCaption(m_caption, m_shown.year(), m_shown.month());
}

void MonthCalendarWindow::watchDate() {
    // Any other date, not only another day of the month: a clock set back or on by a month counts too.
    if (m_ctx.clock->now().date() != m_shown)
        build();
    scheduleWatch();
}

void MonthCalendarWindow::scheduleWatch() {
    const QTime now = m_ctx.clock->now().time();
    m_watchTimer.start(MinuteMs - (now.second() * 1000 + now.msec()));
}

void MonthCalendarWindow::toggleBrowser() {
    if (!m_ctx.doors)
        return;
    auto* browser = qobject_cast<MonthBrowserWindow*>(m_ctx.doors->loadedMonthBrowser());
    if (browser && browser->isVisible())
        browser->hide();
    else
        browser = qobject_cast<MonthBrowserWindow*>(m_ctx.doors->showMonthBrowser());
    if (browser)
        browser->requestRedraw();
}

void MonthCalendarWindow::closeEvent(QCloseEvent* event) {
    if (m_pinned && m_pinned()) {
        event->ignore();
        return;
    }
    if (QWidget* browser = m_ctx.doors ? m_ctx.doors->loadedMonthBrowser() : nullptr)
        browser->hide();
    QWidget::closeEvent(event);
}

void MonthCalendarWindow::contextMenuEvent(QContextMenuEvent* event) {
    emit menuRequested(event->globalPos());
}

} // namespace velkor::calendar
