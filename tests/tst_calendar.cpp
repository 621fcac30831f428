#include "calendar/month_browser_window.h"
#include "calendar/month_calendar_window.h"
#include "calendar/month_grid.h"
#include "fakes/fake_services.h"

#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <limits>
#include <memory>

using namespace velkor;
using namespace velkor::calendar;
using velkor::testing::TestContext;

namespace {

const QColor Today(200, 90, 90);

struct PlanEntryCall {
    QString day;
    QString month;
    QString mode;
    QWidget* parent;
};

// Plan entry as the calendars see it: the hook, recording the state it is opened with.
QList<PlanEntryCall>* recordPlanEntries(TestContext& t) {
    auto* calls = new QList<PlanEntryCall>;
    t.ctx.openPlanEntry = [&t, calls](QWidget* parent) {
        calls->append({t.ctx.state.selDay, t.ctx.state.selMonth, t.ctx.state.entryMode, parent});
    };
    return calls;
}

QPushButton* button(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

QColor background(const QWidget* cell) {
    return cell->palette().color(QPalette::Window);
}

// The cells showing today's looks.
QList<int> todayCells(const DayGrid& grid) {
    QList<int> marked;
    for (const DayCell* cell : grid.cells()) {
        if (background(cell) == Today)
            marked.append(cell->index());
    }
    return marked;
}

// Checks the grid lays out `expected` with its weekday colours and empty cells hidden.
void verifyMonth(const DayGrid& grid, const MonthGrid& expected, const QColor& weekday, const QColor& weekend,
                 int todayCell) {
    for (const DayCell* cell : grid.cells()) {
        const int i = cell->index();
        const int day = i - expected.firstCell() + 1;
        const bool inMonth = day >= 1 && day <= expected.dayCount();
        QCOMPARE(cell->isHidden(), !inMonth);
        if (inMonth)
            QCOMPARE(cell->text(), QString::number(day));
        if (i == todayCell) {
            QCOMPARE(cell->frameShape(), QFrame::Box);
            QCOMPARE(cell->font().pointSize(), 7);
        } else {
            QCOMPARE(background(cell), i % 7 < 5 ? weekday : weekend);
            QCOMPARE(cell->frameShape(), QFrame::NoFrame);
        }
    }
    QCOMPARE(todayCells(grid), todayCell < 0 ? QList<int>() : QList<int>{todayCell});
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
        QTest::newRow("anchor, January 2001") << 2001 << 1 << 0 << 31;
        QTest::newRow("December 2003 starts on Monday") << 2003 << 12 << 0 << 31;
        QTest::newRow("February 2004, leap") << 2004 << 2 << 6 << 29;
        QTest::newRow("February 2003") << 2003 << 2 << 5 << 28;
        QTest::newRow("January 2005") << 2005 << 1 << 5 << 31;
        QTest::newRow("August 2004 fills up to cell 36") << 2004 << 8 << 6 << 31;
        QTest::newRow("January 1901") << 1901 << 1 << 1 << 31;
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
        for (int year : {std::numeric_limits<int>::min(), -4713, -100, -1, 0, 1, 100, 1582, 1600, 1800, 1897,
                         1900, 2000, 2100, 2400, 9999, 123456, std::numeric_limits<int>::max()})
            QTest::addRow("%d", year) << year;
    }
    void shownMonthIsGregorianForAnyYear() {
        QFETCH(int, year);
        for (int month = 1; month <= 12; ++month) {
            const MonthGrid grid = MonthGrid::shown(year, month);
            QVERIFY(grid.firstCell() >= 0 && grid.firstCell() <= 6);
            QCOMPARE(grid.cellOf(1), grid.firstCell());
            QVERIFY(grid.cellOf(grid.dayCount()) <= MonthGrid::CellCount - 1);
            // Year 0 is 1 BC, as the year buttons count.
            if (year == std::numeric_limits<int>::min())
                continue;
            const QDate first(year > 0 ? year : year - 1, month, 1);
            QVERIFY(first.isValid());
            QCOMPARE(grid.firstCell(), first.dayOfWeek() - 1);
            QCOMPARE(grid.dayCount(), first.daysInMonth());
        }
    }

    void calendarShowsTodaysMonth_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("todayCell");
        QTest::addColumn<QString>("caption");
        QTest::newRow("5 December 2003") << QDate(2003, 12, 5) << 4 << QStringLiteral("05.12.2003");
        QTest::newRow("last of August 2004") << QDate(2004, 8, 31) << 36 << QStringLiteral("31.08.2004");
        QTest::newRow("29 February 2004") << QDate(2004, 2, 29) << 34 << QStringLiteral("29.02.2004");
        QTest::newRow("1 March 2100, past the rule")
            << QDate(2100, 3, 1) << 0 << QStringLiteral("01.03.2100");
        QTest::newRow("1850, before the rule") << QDate(1850, 6, 30) << 34 << QStringLiteral("30.06.1850");
    }
    void calendarShowsTodaysMonth() {
        QFETCH(QDate, today);
        QFETCH(int, todayCell);
        QFETCH(QString, caption);
        TestContext t;
        t.clock.set(QDateTime(today, QTime(14, 30)));
        MonthCalendarWindow window(t.ctx);
        QCOMPARE(window.windowTitle(), caption);
        verifyMonth(window.grid(), MonthGrid::shown(today.year(), today.month()), QColor(255, 192, 128),
                    QColor(255, 128, 0), todayCell);
        QCOMPARE(background(window.grid().cell(todayCell)), Today);
    }

    void watchWakesOnTheMinute_data() {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<int>("interval");
        QTest::newRow("on the minute") << QTime(9, 0) << 60000;
        QTest::newRow("half a second before") << QTime(9, 0, 59, 500) << 500;
        QTest::newRow("mid-minute") << QTime(9, 0, 30, 250) << 29750;
    }
    void watchWakesOnTheMinute() {
        QFETCH(QTime, now);
        QFETCH(int, interval);
        TestContext t;
        t.clock.set(QDateTime(QDate(2026, 3, 5), now));
        MonthCalendarWindow window(t.ctx);
        const QList<QTimer*> timers = window.findChildren<QTimer*>();
        QCOMPARE(timers.size(), 1); // one timer, not a poll beside it
        QVERIFY(timers[0]->isActive());
        QVERIFY(timers[0]->isSingleShot());
        QCOMPARE(timers[0]->interval(), interval);
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
        t.clock.set(after); // the watch wakes 10 ms from now
        const QString caption = after.date().toString(QStringLiteral("dd.MM.yyyy"));
        QTRY_COMPARE(window.windowTitle(), caption);
        verifyMonth(window.grid(), MonthGrid::shown(after.date().year(), after.date().month()),
                    QColor(255, 192, 128), QColor(255, 128, 0), todayCell);
        QCOMPARE(window.findChild<QTimer*>()->interval(), 60000);
    }

    void languageChangesHeadsOnly() {
        TestContext t;
        t.clock.set(QDateTime(QDate(2003, 12, 5), QTime(10, 0)));
        MonthCalendarWindow window(t.ctx);
        auto head = [&](int i) {
            return window.findChild<QLabel*>(QStringLiteral("Label2_%1").arg(i))->text();
        };
        QCOMPARE(head(48), QStringLiteral("Pt"));
        QCOMPARE(head(46), QString::fromUtf8("Ç"));
        t.clock.set(QDateTime(QDate(2003, 12, 6), QTime(10, 0)));
        window.applyLanguage(Language::English);
        QCOMPARE(head(48), QStringLiteral("M"));
        QCOMPARE(head(42), QStringLiteral("Su"));
        QCOMPARE(window.windowTitle(), QStringLiteral("05.12.2003"));
        QCOMPARE(todayCells(window.grid()), QList<int>{4});
    }

    void calendarDayClickOpensPlanEntry() {
        TestContext t;
        std::unique_ptr<QList<PlanEntryCall>> calls(recordPlanEntries(t));
        t.clock.set(QDateTime(QDate(2003, 12, 20), QTime(10, 0)));
        MonthCalendarWindow window(t.ctx);
        window.show();
        QTest::mouseClick(window.grid().cell(4), Qt::LeftButton);
        QCOMPARE(calls->size(), 1);
        QCOMPARE(calls->at(0).day, QStringLiteral("5"));
        QCOMPARE(calls->at(0).month, QStringLiteral("12"));
        QCOMPARE(calls->at(0).mode, QStringLiteral("new"));
        QCOMPARE(calls->at(0).parent, &window);
        QTest::mouseClick(window.grid().cell(4), Qt::RightButton);
        QCOMPARE(calls->size(), 1);
    }

    void caretShowsAndHidesTheBrowser() {
        TestContext t;
        t.clock.set(QDateTime(QDate(2003, 12, 5), QTime(10, 0)));
        std::unique_ptr<MonthBrowserWindow> browser;
        const BrowserLink link{[&] { return browser.get(); },
                               [&] {
                                   if (!browser)
                                       browser = std::make_unique<MonthBrowserWindow>(t.ctx);
                                   browser->show();
                                   return browser.get();
                               }};
        MonthCalendarWindow window(t.ctx, link);
        window.show();
        bool pinned = false;
        window.setPinned([&] { return pinned; });

        button(&window, "Command5")->click();
        QVERIFY(browser && browser->isVisible());
        QCOMPARE(browser->windowTitle(), QStringLiteral("ARALIK2003"));
        button(&window, "Command5")->click();
        QVERIFY(!browser->isVisible());
        button(&window, "Command5")->click();
        QVERIFY(browser->isVisible());

        pinned = true; // the only way into the program stays open
        button(&window, "Command1")->click();
        QVERIFY(window.isVisible());
        QVERIFY(browser->isVisible());
        pinned = false;
        button(&window, "Command1")->click();
        QVERIFY(!window.isVisible());
        QVERIFY(!browser->isVisible());
    }

    void browserMonthButtons_data() {
        QTest::addColumn<int>("startMonth");
        QTest::addColumn<QString>("presses");
        QTest::addColumn<int>("month");
        QTest::addColumn<bool>("previousEnabled");
        QTest::addColumn<bool>("nextEnabled");
        QTest::addColumn<QString>("title");
        QTest::newRow("loaded in December") << 12 << "" << 12 << true << false << "ARALIK2003";
        QTest::newRow("December, back one") << 12 << "-" << 11 << true << true << "KASIM2003";
        QTest::newRow("loaded in January") << 1 << "" << 1 << false << true << "OCAK2003";
        QTest::newRow("January, on and back") << 1 << "+-" << 1 << false << true << "OCAK2003";
        QTest::newRow("January to December") << 1 << "+++++++++++" << 12 << true << false << "ARALIK2003";
        QTest::newRow("June, back to January") << 6 << "-----" << 1 << false << true << "OCAK2003";
    }
    void browserMonthButtons() {
        QFETCH(int, startMonth);
        QFETCH(QString, presses);
        QFETCH(int, month);
        QFETCH(bool, previousEnabled);
        QFETCH(bool, nextEnabled);
        QFETCH(QString, title);
        TestContext t;
        t.clock.set(QDateTime(QDate(2003, startMonth, 10), QTime(10, 0)));
        MonthBrowserWindow browser(t.ctx);
        browser.show();
        for (QChar press : presses)
            button(&browser, press == u'-' ? "Command1" : "Command2")->click();
        QCOMPARE(browser.month(), month);
        QCOMPARE(browser.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QString::number(month));
        QCOMPARE(button(&browser, "Command1")->isEnabled(), previousEnabled);
        QCOMPARE(button(&browser, "Command2")->isEnabled(), nextEnabled);
        QTRY_COMPARE(browser.windowTitle(), title);
        verifyMonth(browser.grid(), MonthGrid(2003, month), QColor(0, 192, 0), QColor(0, 128, 0), -1);
    }

    void browserYearButtonsKeepTheMonth() {
        TestContext t;
        t.clock.set(QDateTime(QDate(2004, 1, 10), QTime(10, 0)));
        MonthBrowserWindow browser(t.ctx);
        button(&browser, "Command4")->click();
        QCOMPARE(browser.findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("2005"));
        QTRY_COMPARE(browser.windowTitle(), QStringLiteral("OCAK2005"));
        QCOMPARE(browser.grid().cell(5)->text(), QStringLiteral("1")); // a Saturday
        QVERIFY(browser.grid().cell(4)->isHidden());
        for (int i = 0; i < 2006; ++i) // through year 0 to 1 BC, past the rule
            button(&browser, "Command3")->click();
        QCOMPARE(browser.year(), -1);
        QTRY_COMPARE(browser.windowTitle(), QStringLiteral("OCAK-1"));
        verifyMonth(browser.grid(), MonthGrid::shown(-1, 1), QColor(0, 192, 0), QColor(0, 128, 0), -1);
    }

    void browserTitleInBothLanguages_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("switched");
        const int tr = int(Language::Turkish), en = int(Language::English);
        QTest::newRow("ARALIK") << QDate(2003, 12, 5) << tr << "ARALIK2003"
                                << "DECEMBER2003";
        QTest::newRow("OCAK") << QDate(2004, 1, 5) << tr << "OCAK2004"
                              << "JANUARY2004";
        QTest::newRow("JUN") << QDate(2004, 6, 5) << en << "JUN2004"
                             << "HAZİRAN2004";
        QTest::newRow("AUGUST") << QDate(2004, 8, 5) << en << "AUGUST2004"
                                << "AĞUSTOS2004";
    }
    void browserTitleInBothLanguages() {
        QFETCH(QDate, today);
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, switched);
        TestContext t;
        t.clock.set(QDateTime(today, QTime(10, 0)));
        t.ctx.state.language = Language(language);
        MonthBrowserWindow browser(t.ctx);
        QCOMPARE(browser.windowTitle(), title);
        button(&browser, "Command4")->click(); // chosen, not yet drawn
        browser.applyLanguage(language == int(Language::Turkish) ? Language::English : Language::Turkish);
        QCOMPARE(browser.windowTitle(), switched);
        QCOMPARE(browser.year(), today.year() + 1);
        QCOMPARE(browser.month(), today.month());
    }

    void browserDayClickHandsTheShownMonth() {
        TestContext t;
        std::unique_ptr<QList<PlanEntryCall>> calls(recordPlanEntries(t));
        t.clock.set(QDateTime(QDate(2004, 3, 10), QTime(10, 0)));
        MonthBrowserWindow browser(t.ctx);
        browser.show();
        button(&browser, "Command1")->click();
        QTRY_COMPARE(browser.windowTitle(), QString::fromUtf8("ŞUBAT2004"));

        QTest::mouseClick(browser.grid().cell(6 + 28), Qt::LeftButton);
        QCOMPARE(calls->size(), 1);
        QCOMPARE(calls->at(0).day.toInt() - 1, 28);
        QCOMPARE(calls->at(0).month.toInt() - 1, 1);
        QCOMPARE(calls->at(0).mode, QStringLiteral("new"));
        QCOMPARE(calls->at(0).parent, &browser);

        for (int i = 42; i <= 48; ++i) {
            QLabel* head = browser.findChild<QLabel*>(QStringLiteral("Label1_%1").arg(i));
            QVERIFY(head && !head->isEnabled());
            QTest::mouseClick(head, Qt::LeftButton);
        }
        QCOMPARE(calls->size(), 1);
    }
};

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
