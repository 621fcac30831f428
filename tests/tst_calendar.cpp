#include "core/lang/vocabulary.h"
#include "core/plans/month_grid.h"
#include "core/plans/plan_store.h"
#include "fakes/fake_services.h"
#include "fakes/window_helpers.h"
#include "ui/calendar/month_browser_window.h"
#include "ui/calendar/month_calendar_window.h"

#include <QtWidgets>

#include <cmath>

#include <limits>

using namespace velkor::calendar;

namespace {

const QColor Orange(255, 192, 128), DeepOrange(255, 128, 0), Green(0, 192, 0), DeepGreen(0, 128, 0);

// The contrast ratio of two colours (1 to 21), as the web's accessibility guidelines count it.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Checks the cells lay out `month`: numbered, empty ones hidden, coloured by column, at most today marked;
// every number and head can be read on its colour (4.5:1 at least).
void verifyMonth(const DayGrid& grid, const MonthGrid& month, const QColor& weekday, const QColor& weekend,
                 int todayCell = -1) {
    for (const DayCell* cell : grid.cells()) {
        const int i = cell->index();
        const QColor colour = i == todayCell ? QColor(200, 90, 90) : i % 7 < 5 ? weekday : weekend;
        QCOMPARE(cell->isHidden(), month.dayAt(i) == 0);
        QCOMPARE(cell->text(), QString::number(month.dayAt(i)));
        QCOMPARE(cell->palette().color(QPalette::Window), colour);
        QCOMPARE(cell->frameShape() == QFrame::Box, i == todayCell);
        QVERIFY2(contrast(cell->palette().color(QPalette::WindowText), colour) >= 4.5,
                 qPrintable(cell->text()));
    }
    for (const QLabel* head : grid.heads()) {
        const QPalette& p = head->palette();
        QVERIFY2(contrast(p.color(QPalette::Active, QPalette::WindowText), p.color(QPalette::Window)) >= 4.5,
                 qPrintable(head->text()));
    }
}

// The month shown first; the buttons pressed (- and + the month, < and > the year); the month and year shown
// after.
using Presses = std::tuple<int, QString, int, int>;

} // namespace

class TestCalendar : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The caption must not follow the desktop's date form.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void shownMonthIsGregorianForAnyYear() {
        // The grid's own rule from 1901 to 2099, the Gregorian calendar past both ends.
        QList<int> years{
            std::numeric_limits<int>::min(), -4713, -1, 0, 1, 1582, 1800, 1897, 1900, 2100, 2400, 9999,
            std::numeric_limits<int>::max()};
        for (int year = 1901; year <= 2099; ++year)
            years.append(year);
        for (int year : std::as_const(years)) {
            for (int month = 1; month <= 12; ++month) {
                const MonthGrid grid = MonthGrid::shown(year, month);
                QVERIFY(grid.firstCell() >= 0 && grid.firstCell() <= 6 && grid.cellOf(grid.dayCount()) < 37);
                if (year == std::numeric_limits<int>::min())
                    continue;
                // Year 0 is 1 BC, as the year buttons count.
                const QDate first(year > 0 ? year : year - 1, month, 1);
                if (grid.firstCell() != first.dayOfWeek() - 1 || grid.dayCount() != first.daysInMonth())
                    QFAIL(qPrintable(u"%1-%2"_s.arg(year).arg(month)));
            }
        }
    }

    void newDateMovesTheMark_data() {
        QTest::addColumn<QDateTime>("before");
        QTest::addColumn<QDate>("after");
        QTest::addColumn<int>("todayCell");
        const QTime lastTick(23, 59, 59, 990);
        QTest::newRow("midnight into a new year")
            << QDateTime(QDate(2003, 12, 31), lastTick) << QDate(2004, 1, 1) << 3;
        QTest::newRow("into the last cell")
            << QDateTime(QDate(2004, 8, 30), lastTick) << QDate(2004, 8, 31) << 36;
        QTest::newRow("clock set on by a month, same day")
            << QDateTime(QDate(2026, 3, 5), QTime(9, 0, 59, 990)) << QDate(2026, 4, 5) << 6;
    }
    void newDateMovesTheMark() {
        QFETCH(QDateTime, before);
        QFETCH(QDate, after);
        QFETCH(int, todayCell);
        TestContext t;
        t.clock.set(before);
        MonthCalendarWindow window(t.ctx);
        t.clock.set(QDateTime(after, QTime(before.time().hour(), before.time().minute()).addSecs(60)));
        QTRY_COMPARE(window.windowTitle(), after.toString(u"dd.MM.yyyy"_s));
        verifyMonth(window.grid(), MonthGrid::shown(after.year(), after.month()), Orange, DeepOrange,
                    todayCell);
    }

    void dayClicksOpenPlanEntry() {
        TestContext t;
        t.ctx.doors = &t.doors;
        QStringList calls; // "day/month/mode" and the window plan entry opens over
        t.doors.planEntryOpened = [&](QWidget* over) {
            const SharedState& s = *t.ctx.state;
            const QString mode = s.entryMode == EntryMode::New ? "new" : "other";
            calls.append(u"%1/%2/%3/"_s.arg(s.selDay).arg(s.selMonth).arg(mode) + over->objectName());
        };
        t.clock.set(QDateTime(QDate(2003, 12, 20), QTime(10, 0)));
        MonthCalendarWindow calendar(t.ctx);
        QTest::mouseClick(calendar.grid().cell(4), Qt::LeftButton);
        QTest::mouseClick(calendar.grid().cell(4), Qt::RightButton);
        QCOMPARE(calls, QStringList{u"5/12/new/Form1"_s});

        t.clock.set(QDateTime(QDate(2004, 2, 10), QTime(10, 0)));
        MonthBrowserWindow browser(t.ctx);
        QTest::mouseClick(browser.grid().cell(6 + 28), Qt::LeftButton);
        QCOMPARE(calls.last(), u"29/2/new/Form2"_s); // day entry 28, month entry 1
    }

    // Days with plans stand out in bold in both calendars, and follow the plan file whoever changes it.
    void daysWithPlansAreMarkedAndFollowTheFile() {
        TestContext t;
        const plans::PlanStore store(plans::planFileIn(t.ctx.dataDir));
        QVERIFY(store.appendPlan({12, 15, 9, 30, u"Dişçi"_s}) && store.appendPlan({1, 2, 25, 0, u"Ocak"_s}));
        t.clock.set(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        MonthCalendarWindow calendar(t.ctx);
        MonthBrowserWindow browser(t.ctx);
        const auto bold = [](const DayGrid& grid) {
            QList<int> days;
            for (const DayCell* cell : grid.cells())
                if (cell->font().bold() && !cell->isHidden())
                    days.append(cell->text().toInt());
            return days;
        };
        QTRY_COMPARE(bold(calendar.grid()), QList<int>{15});
        QTRY_COMPARE(bold(browser.grid()), QList<int>{15});
        QVERIFY(store.appendPlan({12, 20, 25, 0, u"Yılbaşı alışverişi"_s}));
        QTRY_COMPARE(bold(calendar.grid()), (QList<int>{15, 20}));
        QTRY_COMPARE(bold(browser.grid()), (QList<int>{15, 20}));
        named<QPushButton>(&browser, u"Sonraki ay"_s)->click(); // January 2027
        QTRY_COMPARE(bold(browser.grid()), QList<int>{2});
    }

    // Both calendars name their month and year inside the window, in the program's language, by the date.
    void monthAndYearShownInside() {
        TestContext t;
        t.clock.set(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 900)));
        MonthCalendarWindow calendar(t.ctx);
        const auto caption = [](QWidget& window) { return window.findChild<QLabel*>(u"monthCaption"_s); };
        QCOMPARE(caption(calendar)->text(), u"Aralık 2026"_s);
        QCOMPARE(calendar.windowTitle(), u"31.12.2026"_s);
        QVERIFY(caption(calendar)->geometry().bottom() < calendar.grid().heads().first()->y());
        t.clock.set(QDateTime(QDate(2027, 1, 1), QTime(0, 0, 1)));
        QTRY_COMPARE(caption(calendar)->text(), u"Ocak 2027"_s);

        MonthBrowserWindow browser(t.ctx);
        named<QPushButton>(&browser, u"Önceki ay"_s)->click();
        QTRY_COMPARE(caption(browser)->text(), u"Aralık 2026"_s);
        lang::useLanguage(Language::English);
        QCOMPARE(caption(browser)->text(), u"December 2026"_s);
        QCOMPARE(calendar.windowTitle(), u"01/01/2027"_s);
        lang::useLanguage(Language::Turkish);
    }

    void browserButtons_data() {
        QTest::addColumn<Presses>("row");
        QTest::newRow("January to December") << Presses{1, "+++++++++++", 12, 2003};
        QTest::newRow("June, back to January") << Presses{6, "-----", 1, 2003};
        QTest::newRow("+ in December: January of the next year") << Presses{12, "+", 1, 2004};
        QTest::newRow("- in January: December of the year before") << Presses{1, "-", 12, 2002};
        QTest::newRow("a year on keeps the month") << Presses{1, ">", 1, 2004};
        QTest::newRow("back through year 0, far past the rule") << Presses{3, QString(2004, u'<'), 3, -1};
    }
    void browserButtons() {
        QFETCH(Presses, row);
        const auto& [startMonth, presses, month, year] = row;
        TestContext t;
        t.clock.set(QDateTime(QDate(2003, startMonth, 10), QTime(10, 0)));
        MonthBrowserWindow browser(t.ctx);
        const QString buttons[] = {u"Önceki ay"_s, u"Sonraki ay"_s, u"Önceki yıl"_s, u"Sonraki yıl"_s};
        for (QChar press : presses)
            named<QPushButton>(&browser, buttons[u"-+<>"_s.indexOf(press)])->click();
        QVERIFY(named(&browser, u"Önceki ay"_s)->isEnabled() &&
                named(&browser, u"Sonraki ay"_s)->isEnabled());
        QCOMPARE(named<QLabel>(&browser, u"Ay"_s)->text() + u' ' + named<QLabel>(&browser, u"Yıl"_s)->text(),
                 u"%1 %2"_s.arg(month).arg(year));
        QTRY_COMPARE(browser.windowTitle(),
                     lang::upperMonthNames()[month - 1] + u' ' + QString::number(year));
        verifyMonth(browser.grid(), MonthGrid::shown(year, month), Green, DeepGreen);
    }
};

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
