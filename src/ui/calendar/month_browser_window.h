#pragma once

#include "core/plans/month_grid.h"
#include "ui/calendar/day_grid.h"
#include "ui/calendar/plan_marks.h"
#include "ui/common/app_context.h"
#include "ui/common/fit_layout.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace velkor::calendar {

// Form2: any month of any year, beside the month calendar; a click on a day opens plan entry for it.
class MonthBrowserWindow final : public QWidget {
    Q_OBJECT
public:
    explicit MonthBrowserWindow(AppContext& ctx, QWidget* parent = nullptr);

    // Draws the grid once, just after the current event; several requests make one redraw.
    void requestRedraw();

    // The month and year chosen with the buttons (drawn at the next redraw).
    int month() const { return m_month; }
    int year() const { return m_year; }
    const DayGrid& grid() const { return m_cells; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void retranslate();
    void placeBesideCalendar();
    void redraw();
    void retitle();
    void stepMonth(int by);
    void stepYear(int by);
    QPushButton* makeButton(const char* name, const QString& caption, const QRect& geometry, bool bold);

    AppContext& m_ctx;
    DayGrid m_cells;
    PlanMarks m_marks;
    MonthGrid m_grid;
    int m_month = 1;
    int m_year = 2001;
    int m_drawnMonth = 1; // the month and year the cells show
    int m_drawnYear = 2001;
    QTimer m_redrawTimer;
    QLabel* m_monthLabel = nullptr;
    QLabel* m_yearLabel = nullptr;
    QPushButton* m_previousMonthButton = nullptr;
    QPushButton* m_nextMonthButton = nullptr;
    QPushButton* m_previousYearButton = nullptr;
    QPushButton* m_nextYearButton = nullptr;
    QPushButton* m_hideButton = nullptr;
    QLabel* m_caption = nullptr;
};

} // namespace velkor::calendar
