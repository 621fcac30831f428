#pragma once

#include "core/plans/month_grid.h"
#include "ui/calendar/day_grid.h"
#include "ui/common/app_context.h"
#include "ui/common/language_aware.h"

#include <QDate>
#include <QTimer>
#include <QWidget>

#include <functional>

class QPushButton;

namespace velkor::calendar {

// Form1: this month near the tray, today marked, following the date by itself.
class MonthCalendarWindow final : public QWidget, public lang::LanguageAware {
    Q_OBJECT
public:
    explicit MonthCalendarWindow(AppContext& ctx, QWidget* parent = nullptr);

    int windowCode() const override;
    void applyLanguage(Language language) override;

    // The date the grid was last built for.
    QDate shownDate() const { return m_shown; }
    const DayGrid& grid() const { return m_cells; }

    // While this answers true the window is the program's only way in, and it refuses to close.
    void setPinned(std::function<bool()> pinned) { m_pinned = std::move(pinned); }

signals:
    // The right button went down on the window.
    void menuRequested(const QPoint& globalPos);

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void placeNearTray();
    void build();
    void watchDate();
    void scheduleWatch();
    void toggleBrowser();

    AppContext& m_ctx;
    std::function<bool()> m_pinned;
    DayGrid m_cells;
    MonthGrid m_grid;
    QDate m_shown;
    QTimer m_watch;
    QPushButton* m_browserButton = nullptr;
    QPushButton* m_closeButton = nullptr;
};

} // namespace velkor::calendar
