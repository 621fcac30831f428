#include "calendar/month_browser_window.h"
#include "calendar/month_calendar_window.h"
#include "calendar/month_grid.h"
#include "fakes/fake_services.h"
#include "lang/vocabulary.h"

#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <limits>

using namespace velkor;
using namespace velkor::calendar;
using velkor::testing::TestContext;

namespace {

const QColor Today(200, 90, 90);
const QColor Orange(255, 192, 128), DeepOrange(255, 128, 0), Green(0, 192, 0), DeepGreen(0, 128, 0);

// Plan entry as the calendars reach it: records "day/month/mode" and the window it opened over.
struct PlanEntrySpy {
    explicit PlanEntrySpy(AppContext& ctx) {
        ctx.openPlanEntry = [this, &ctx](QWidget* over) {
            calls.append(
                QStringLiteral("%1/%2/%3").arg(ctx.state.selDay, ctx.state.selMonth, ctx.state.entryMode));
            parent = over;
        };
    }
    QStringList calls;
    QWidget* parent = nullptr;
};

void click(QWidget* window, const char* button) {
    window->findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

// Checks the cells lay out `month`: numbered, empty ones hidden, coloured by column, at most today marked.
void verifyMonth(const DayGrid& grid, const MonthGrid& month, const QColor& weekday, const QColor& weekend,
                 int todayCell) {
    for (const DayCell* cell : grid.cells()) {
        const int i = cell->index();
        const int day = month.dayAt(i);
        QCOMPARE(cell->isHidden(), day == 0);
        QCOMPARE(cell->text(), QString::number(day));
        const bool today = i == todayCell;
        QCOMPARE(cell->palette().color(QPalette::Window), today ? Today : i % 7 < 5 ? weekday : weekend);
        QCOMPARE(cell->frameShape(), today ? QFrame::Box : QFrame::NoFrame);
        QCOMPARE(cell->font().pointSize(), today ? 7 : 8);
    }
}

} // namespace

class TestCalendar : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The caption must not follow the desktop's date form.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void ruleIsTheRealCalendarFrom1901To2099() {
        for (int year = 1901; year <= 2099; ++year) {
            for (int month = 1; month <= 12; ++month) {
                const QDate first(year, month, 1);
                const MonthGrid grid(year, month);
                if (grid.firstCell() != first.dayOfWeek() - 1 || grid.dayCount() != first.daysInMonth())
                    QFAIL(qPrintable(first.toString(Qt::ISODate)));
            }
        }
    }

    void ruleExamples_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("firstCell");
        QTest::addColumn<int>("days");
        QTest::newRow("December 2003 starts on Monday") << 2003 << 12 << 0 << 31;
        QTest::newRow("February 2004, leap") << 2004 << 2 << 6 << 29;
        QTest::newRow("February 2003") << 2003 << 2 << 5 << 28;
        QTest::newRow("January 2005") << 2005 << 1 << 5 << 31;
        QTest::newRow("August 2004 fills up to cell 36") << 2004 << 8 << 6 << 31;
        // Outside its range the rule departs from the calendar: 1900 is no leap year.
        QTest::newRow("rule: February 1900") << 1900 << 2 << 2 << 29;
    }
    void ruleExamples() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, firstCell);
        QFETCH(int, days);
        const MonthGrid grid(year, month);
        QCOMPARE(grid.firstCell(), firstCell);
        QCOMPARE(grid.dayCount(), days);
    }

    void shownMonthIsGregorianForAnyYear_data() {
        QTest::addColumn<int>("year");
        for (int year : {std::numeric_limits<int>::min(), -4713, -1, 0, 1, 1582, 1800, 1897, 1900, 2100, 2400,
                         9999, std::numeric_limits<int>::max()})
            QTest::addRow("%d", year) << year;
    }
    void shownMonthIsGregorianForAnyYear() {
        QFETCH(int, year);
        for (int month = 1; month <= 12; ++month) {
            const MonthGrid grid = MonthGrid::shown(year, month);
            QVERIFY(grid.cellOf(1) >= 0 && grid.cellOf(1) <= 6);
            QVERIFY(grid.cellOf(grid.dayCount()) <= MonthGrid::CellCount - 1);
            if (year == std::numeric_limits<int>::min())
                continue;
            const QDate first(year > 0 ? year : year - 1, month, 1); // year 0 is 1 BC, as the buttons count
            QCOMPARE(grid.firstCell(), first.dayOfWeek() - 1);
            QCOMPARE(grid.dayCount(), first.daysInMonth());
        }
    }

    void calendarShowsTodaysMonth_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("todayCell");
        QTest::newRow("5 December 2003") << QDate(2003, 12, 5) << 4;
        QTest::newRow("last of August 2004") << QDate(2004, 8, 31) << 36;
        QTest::newRow("29 February 2004") << QDate(2004, 2, 29) << 34;
        QTest::newRow("1 March 2100, past the rule") << QDate(2100, 3, 1) << 0;
        QTest::newRow("1850, before the rule") << QDate(1850, 6, 30) << 34;
    }
    void calendarShowsTodaysMonth() {
        QFETCH(QDate, today);
        QFETCH(int, todayCell);
        TestContext t;
        t.clock.set(QDateTime(today, QTime(14, 30)));
        MonthCalendarWindow window(t.ctx);
        QCOMPARE(window.windowTitle(), today.toString(QStringLiteral("dd.MM.yyyy")));
        verifyMonth(window.grid(), MonthGrid::shown(today.year(), today.month()), Orange, DeepOrange,
                    todayCell);
    }

    void newDateMovesTheMark_data() {
        QTest::addColumn<QDateTime>("before");
        QTest::addColumn<QDateTime>("after");
        QTest::addColumn<int>("todayCell");
        QTest::newRow("midnight into a new year") << QDateTime(QDate(2003, 12, 31), QTime(23, 59, 59, 990))
                                                  << QDateTime(QDate(2004, 1, 1), QTime(0, 0)) << 3;
        QTest::newRow("clock set on by a month, same day")
            << QDateTime(QDate(2026, 3, 5), QTime(9, 0, 59, 990)) << QDateTime(QDate(2026, 4, 5), QTime(9, 1))
            << 6;
    }
    void newDateMovesTheMark() {
        QFETCH(QDateTime, before);
        QFETCH(QDateTime, after);
        QFETCH(int, todayCell);
        TestContext t;
        t.clock.set(before);
        MonthCalendarWindow window(t.ctx);
        const QList<QTimer*> timers = window.findChildren<QTimer*>();
        QCOMPARE(timers.size(), 1); // one timer, no poll beside it
        QVERIFY(timers[0]->isActive() && timers[0]->isSingleShot());
        QCOMPARE(timers[0]->interval(), 10); // on the next full minute
        t.clock.set(after);
        QTRY_COMPARE(window.windowTitle(), after.date().toString(QStringLiteral("dd.MM.yyyy")));
        verifyMonth(window.grid(), MonthGrid::shown(after.date().year(), after.date().month()), Orange,
                    DeepOrange, todayCell);
        QCOMPARE(timers[0]->interval(), 60000);
    }

    void dayClicksOpenPlanEntry() {
        TestContext t;
        PlanEntrySpy planEntry(t.ctx);
        t.clock.set(QDateTime(QDate(2003, 12, 20), QTime(10, 0)));
        MonthCalendarWindow calendar(t.ctx);
        calendar.show();
        QTest::mouseClick(calendar.grid().cell(4), Qt::LeftButton);
        QTest::mouseClick(calendar.grid().cell(4), Qt::RightButton);
        QCOMPARE(planEntry.calls, QStringList{QStringLiteral("5/12/new")});
        QCOMPARE(planEntry.parent, &calendar);

        t.clock.set(QDateTime(QDate(2004, 3, 10), QTime(10, 0)));
        MonthBrowserWindow browser(t.ctx);
        browser.show();
        click(&browser, "Command1");
        QTRY_COMPARE(browser.windowTitle(), QString::fromUtf8("ŞUBAT2004"));
        QTest::mouseClick(browser.grid().cell(6 + 28), Qt::LeftButton); // 29 February
        for (int i = 42; i <= 48; ++i) {
            QLabel* head = browser.findChild<QLabel*>(QStringLiteral("Label1_%1").arg(i));
            QVERIFY(!head->isEnabled());
            QTest::mouseClick(head, Qt::LeftButton);
        }
        QCOMPARE(planEntry.calls.last(), QStringLiteral("29/02/new")); // day entry 28, month entry 1
        QCOMPARE(planEntry.calls.size(), 2);
        QCOMPARE(planEntry.parent, &browser);
    }

    void browserMonthButtons_data() {
        QTest::addColumn<int>("startMonth");
        QTest::addColumn<QString>("presses");
        QTest::addColumn<int>("month");
        QTest::addColumn<bool>("previousEnabled");
        QTest::addColumn<bool>("nextEnabled");
        QTest::newRow("loaded in December") << 12 << "" << 12 << true << false;
        QTest::newRow("December, back one") << 12 << "-" << 11 << true << true;
        QTest::newRow("loaded in January") << 1 << "" << 1 << false << true;
        QTest::newRow("January, on and back") << 1 << "+-" << 1 << false << true;
        QTest::newRow("January to December") << 1 << "+++++++++++" << 12 << true << false;
        QTest::newRow("June, back to January") << 6 << "-----" << 1 << false << true;
    }
    void browserMonthButtons() {
        QFETCH(int, startMonth);
        QFETCH(QString, presses);
        QFETCH(int, month);
        QFETCH(bool, previousEnabled);
        QFETCH(bool, nextEnabled);
        TestContext t;
        t.clock.set(QDateTime(QDate(2003, startMonth, 10), QTime(10, 0)));
        MonthBrowserWindow browser(t.ctx);
        for (QChar press : presses)
            click(&browser, press == u'-' ? "Command1" : "Command2");
        QCOMPARE(browser.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QString::number(month));
        QCOMPARE(browser.findChild<QPushButton*>(QStringLiteral("Command1"))->isEnabled(), previousEnabled);
        QCOMPARE(browser.findChild<QPushButton*>(QStringLiteral("Command2"))->isEnabled(), nextEnabled);
        QTRY_COMPARE(browser.windowTitle(),
                     lang::upperMonthNames(Language::Turkish)[month - 1] + QStringLiteral("2003"));
        verifyMonth(browser.grid(), MonthGrid(2003, month), Green, DeepGreen, -1);
    }

    void browserYearButtonsKeepTheMonth() {
        TestContext t;
        t.clock.set(QDateTime(QDate(2004, 1, 10), QTime(10, 0)));
        MonthBrowserWindow browser(t.ctx);
        click(&browser, "Command4");
        QCOMPARE(browser.findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("2005"));
        QTRY_COMPARE(browser.windowTitle(), QStringLiteral("OCAK2005"));
        QCOMPARE(browser.grid().cell(5)->text(), QStringLiteral("1")); // a Saturday
        for (int i = 0; i < 2006; ++i)                                 // through year 0, far past the rule
            click(&browser, "Command3");
        QTRY_COMPARE(browser.windowTitle(), QStringLiteral("OCAK-1"));
        verifyMonth(browser.grid(), MonthGrid::shown(-1, 1), Green, DeepGreen, -1);
    }

    void browserTitleInBothLanguages_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("switched");
        QTest::newRow("ARALIK") << QDate(2003, 12, 5) << Language::Turkish << "ARALIK2003"
                                << "DECEMBER2003";
        QTest::newRow("OCAK") << QDate(2004, 1, 5) << Language::Turkish << "OCAK2004"
                              << "JANUARY2004";
        QTest::newRow("JUN") << QDate(2004, 6, 5) << Language::English << "JUN2004"
                             << "HAZİRAN2004";
    }
    void browserTitleInBothLanguages() {
        QFETCH(QDate, today);
        QFETCH(Language, language);
        QFETCH(QString, title);
        QFETCH(QString, switched);
        TestContext t;
        t.clock.set(QDateTime(today, QTime(10, 0)));
        t.ctx.state.language = language;
        MonthBrowserWindow browser(t.ctx);
        QCOMPARE(browser.windowTitle(), title);
        click(&browser, "Command4"); // chosen, not drawn yet: a switch changes words only
        browser.applyLanguage(language == Language::Turkish ? Language::English : Language::Turkish);
        QCOMPARE(browser.windowTitle(), switched);
        QCOMPARE(browser.findChild<QLabel*>(QStringLiteral("Label1_48"))->text(),
                 language == Language::Turkish ? QStringLiteral("M") : QStringLiteral("Pt"));
        QCOMPARE(browser.year(), today.year() + 1);
    }
};

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
