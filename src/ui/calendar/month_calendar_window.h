#pragma once

#include "core/plans/month_grid.h"
#include "ui/calendar/day_grid.h"
#include "ui/calendar/plan_marks.h"
#include "ui/common/app_context.h"
#include "ui/common/fit_layout.h"

#include <QDate>
#include <QTimer>
#include <QWidget>

#include <functional>

class QPushButton;

namespace velkor::calendar {

// Form1: this month near the tray, today marked, following the date by itself.
class MonthCalendarWindow final : public QWidget {
    Q_OBJECT
public:
    explicit MonthCalendarWindow(AppContext& ctx, QWidget* parent = nullptr);

    // The date the grid was last built for.
    QDate shownDate() const { return m_shown; }
    const DayGrid& grid() const { return m_cells; }

    // While this answers true the window is the program's only way in, and it refuses to close.
    void setPinned(std::function<bool()> pinned) { m_pinned = std::move(pinned); }

signals:
    // The right button went down on the window.
    void menuRequested(const QPoint& globalPos);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void retranslate();
    void placeNearTray();
    void build();
    void watchDate();
    void scheduleWatch();
    void toggleBrowser();

    AppContext& m_ctx;
    std::function<bool()> m_pinned;
    DayGrid m_cells;
    PlanMarks m_marks;
    MonthGrid m_grid;
    QDate m_shown;
    QTimer m_watchTimer;
    QPushButton* m_browserButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    QLabel* m_caption = nullptr;
};

} // namespace velkor::calendar
