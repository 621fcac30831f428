#include "core/directory/directory_store.h"
#include "core/plans/plan_store.h"
#include "fakes/fake_services.h"
#include "fakes/window_helpers.h"
#include "ui/calendar/month_calendar_window.h"
#include "ui/directory/directory_window.h"
#include "ui/notebook/notebook_window.h"
#include "ui/plans/plan_entry_window.h"
#include "ui/plans/plan_query_window.h"

#include <QtWidgets>

namespace {

// Shows a window and waits until it has the keyboard.
void activate(QWidget* window) {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Tab until `target` has the focus; false when a whole round of the window never reaches it.
bool tabTo(QWidget* window, QWidget* target) {
    for (int i = 0; i < 40 && !target->hasFocus(); ++i)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Tab);
    return target->hasFocus();
}

} // namespace

// Each window is walked with the keyboard alone, as on the older desktop: Tab leaves a text box (Ctrl+Tab
// types a tab), Return presses the focused button, Escape closes, Ctrl+S saves.
class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void notebookIsTypedSavedAndClosedByKeys() {
        TestContext t;
        auto* window = new notebook::NotebookWindow(t.ctx);
        QPointer<QWidget> alive(window);
        activate(window);
        auto* note = named<QPlainTextEdit>(window, u"Not"_s);
        QVERIFY(tabTo(window, note));
        QTest::keyClicks(note, u"alis"_s);
        QTest::keyClick(note, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClicks(note, u"veris"_s);
        QTest::keyClick(note, Qt::Key_Tab); // out of the box, to the save button
        QVERIFY(named(window, u"Kaydet"_s)->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(t.prompter.texts(), u"Kayıt Yapıldı"_s);
        QVERIFY(readAll(t.file(u"notes.kyt"_s)).contains("alis\tveris"));
        QVERIFY(tabTo(window, note));
        QTest::keyClicks(note, u"!"_s);
        QTest::keyClick(note, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(t.prompter.boxes.size(), 2);
        window->setAttribute(Qt::WA_DeleteOnClose);
        QTest::keyClick(note, Qt::Key_Escape);
        QTRY_VERIFY(!alive);
    }

    void directorySearchGoesDownIntoTheNames() {
        TestContext t;
        for (const char* name : {"Kaya", "Kara", "Ali"})
            QVERIFY(directory::DirectoryStore(t.ctx.dataDir)
                        .save({QString::fromUtf8(name), u"0212"_s, {}}, directory::SaveWrite::Insert)
                        .ok());
        directory::DirectoryWindow window(t.ctx);
        activate(&window);
        auto* search = named<QLineEdit>(&window, u"Ara"_s);
        QVERIFY(tabTo(&window, search));
        QTest::keyClicks(search, u"Ka"_s);
        QTRY_COMPARE(rowsOf(named<QListView>(&window, u"İsimler"_s)).size(), 2);
        QTest::keyClick(search, Qt::Key_Down);
        QVERIFY(named(&window, u"İsimler"_s)->hasFocus());
        QCOMPARE(named<QLabel>(&window, u"Seçilen isim"_s)->text(), u"Kara"_s);
    }

    // Tab reaches the first day, the arrows move by a day or a week, Return opens plan entry for the day.
    void calendarDaysAreWalkedWithTheArrows() {
        TestContext t;
        FakeDoors doors;
        t.ctx.doors = &doors;
        int opened = 0;
        doors.planEntryOpened = [&](QWidget*) { ++opened; };
        t.clock.set(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        calendar::MonthCalendarWindow window(t.ctx);
        activate(&window);
        for (int i = 0; i < 40 && !qobject_cast<calendar::DayCell*>(QApplication::focusWidget()); ++i)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, Qt::Key_Tab);
        auto* day = qobject_cast<calendar::DayCell*>(QApplication::focusWidget());
        QVERIFY(day && day->text() == u"1"_s);
        for (const Qt::Key key :
             {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up, Qt::Key_Up})
            QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(qobject_cast<calendar::DayCell*>(QApplication::focusWidget())->text(),
                 u"2"_s); // stopped at the top
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(opened, 1);
        QVERIFY(t.ctx.state->selDay == 9 && t.ctx.state->selMonth == 12);
    }

    void planEntryReachesItsHourAndQueryKeepsPlansOnReturn() {
        TestContext t;
        const plans::PlanStore store(t.file(u"myfile.kyt"_s));
        QVERIFY(store.appendPlan({3, 15, 9, 30, u"Dişçi"_s}));
        t.ctx.state->entryMode = EntryMode::New;
        t.ctx.state->selDay = 9;
        t.ctx.state->selMonth = 3;
        {
            plans::PlanEntryWindow entry(t.ctx);
            activate(&entry);
            auto* hour = named(&entry, u"Saati göster veya gizle"_s);
            QVERIFY(tabTo(&entry, hour));
            QTest::keyClick(hour, Qt::Key_Space); // shows the hidden time box
            QVERIFY(named<QComboBox>(&entry, u"Saat"_s)->isVisible());
        }
        plans::PlanQueryWindow query(t.ctx);
        activate(&query);
        QWidget* deleteAll = named(&query, u"Tüm Kayıtları Sil"_s);
        QVERIFY(tabTo(&query, deleteAll));
        QTest::keyClick(deleteAll, Qt::Key_Return); // asks; the scripted answer is No
        QTRY_COMPARE(t.prompter.boxes.size(), 1);
        QCOMPARE(store.readPlans().value.size(), 1);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
