#include "core/plans/plan_line_model.h"
#include "core/plans/plan_store.h"
#include "fakes/fake_services.h"
#include "fakes/window_helpers.h"
#include "shell/main_form.h"
#include "shell/window_code.h"
#include "ui/calendar/day_grid.h"
#include "ui/plans/plan_entry_window.h"
#include "ui/plans/plan_query_window.h"

#include <QtWidgets>

using namespace velkor::plans;

namespace {

// The plan's text: the entry's box, or the query's detail panel.
QPlainTextEdit* textBox(QWidget* window) {
    return named<QPlainTextEdit>(window, spoken(u"Kayıt metni"_s, u"Record text"_s));
}
void typeInto(QWidget* entry, const QString& text) {
    textBox(entry)->clear();
    QTest::keyClicks(textBox(entry), text);
}
QString textOf(QWidget* window) {
    return textBox(window)->toPlainText();
}

struct Query {
    TestContext t;
    PlanStore store{t.file("myfile.kyt")};
    std::unique_ptr<PlanQueryWindow> window;

    explicit Query(const QList<PlanRecord>& plans = {}) {
        touchFile(store.path()); // as the shell does at start
        for (const PlanRecord& plan : plans)
            store.appendPlan(plan);
        window = std::make_unique<PlanQueryWindow>(t.ctx);
        window->show();
    }
    QByteArray fileBytes() const { return readAll(store.path()); }
    void choose(int row) { clickRow(named<QListWidget>(window.get(), spoken(u"Aylar"_s, u"Months"_s)), row); }
    QListView* lines() const { return named<QListView>(window.get(), spoken(u"Kayıtlar"_s, u"Records"_s)); }
    QStringList shown() const { return rowsOf(lines()); }
    void select(int row) { lines()->setCurrentIndex(window->lineModel()->index(row)); }
    void tick(int row) {
        window->lineModel()->setData(window->lineModel()->index(row), Qt::Checked, Qt::CheckStateRole);
    }
    bool enabled(const QString& name) const { return named(window.get(), name)->isEnabled(); }
    PlanEntryWindow* press(const QString& button) {
        testing::press(window.get(), button);
        return window->findChild<PlanEntryWindow*>();
    }
};

const PlanRecord Jan{1, 20, 14, 0, "january"};
const PlanRecord MarAllDay{3, 5, NoHour, 0, "all day"};
const PlanRecord MarEarly{3, 5, 0, 30, "early"};
const PlanRecord MarNextDay{3, 6, NoHour, 0, QString(200, 'w') + "end"};   // longer than a list line
const PlanRecord MarNextTwin{3, 6, NoHour, 0, QString(200, 'w') + "twin"}; // shows as the same line
const PlanRecord Dec{12, 1, 9, 30, "december"};

// The plan edited (none: a new one for the calendar's 9 March), the text typed (null: none), what the plan
// file gains (kept aside when it cannot be written), whether it cannot.
using UnattendedExit = std::tuple<QList<PlanRecord>, QString, QList<PlanRecord>, bool>;

} // namespace

class TestPlanWindows : public QObject {
    Q_OBJECT
private slots:
    void entryControlsEnableInTurn() {
        Query q;
        q.t.ctx.state->entryMode = EntryMode::New; // a calendar that chose no day
        QPointer<PlanEntryWindow> entry = openPlanEntry(q.t.ctx, q.window.get());
        QVERIFY(!named<QComboBox>(entry, u"Ay"_s)->isEnabled());
        named<QComboBox>(entry, u"Gün"_s)->setCurrentIndex(30);
        QVERIFY(named<QComboBox>(entry, u"Ay"_s)->isEnabled() && !textBox(entry)->isEnabled());
        named<QComboBox>(entry, u"Ay"_s)->setCurrentIndex(1); // 31 February is stored as chosen
        QVERIFY(textBox(entry)->isEnabled() && named(entry, u"Saat"_s)->isEnabled() &&
                !named(entry, u"Ekle"_s)->isEnabled());
        typeInto(entry, "  "); // blanks are a text
        press(entry, u"Ekle"_s);
        QTRY_VERIFY(entry.isNull());
        QCOMPARE(q.store.readPlans().value, (QList<PlanRecord>{{2, 31, NoHour, 0, "  "}}));

        // The window under an open entry goes and takes it along: the reminders go on.
        const bool& paused = q.t.doors.paused;
        q.t.ctx.doors = &q.t.doors;
        q.t.ctx.state->selDay = 1; // the first of January, chosen on a calendar
        q.t.ctx.state->selMonth = 1;
        entry = openPlanEntry(q.t.ctx, q.window.get());
        QVERIFY(entry && paused && q.t.ctx.state->planEntryOpen);
        QCOMPARE(named<QComboBox>(entry, u"Ay"_s)->currentText(), "01");
        typeInto(entry, "x");
        QVERIFY(named(entry, u"Ekle"_s)->isEnabled());
        q.window.reset();
        QVERIFY(entry.isNull() && !paused && !q.t.ctx.state->planEntryOpen);
    }

    // The plan edited has a twin listed after it as the same line.
    void editSavesInOneRewriteAndCancelLeavesTheFile_data() {
        QTest::addColumn<bool>("save");
        QTest::addColumn<bool>("vanish"); // removed behind the window's back while it is edited
        QTest::newRow("save: the twin stays") << true << false;
        QTest::newRow("cancel") << false << false;
        QTest::newRow("vanished: text kept, twin stays") << true << true;
    }
    void editSavesInOneRewriteAndCancelLeavesTheFile() {
        QFETCH(bool, save);
        QFETCH(bool, vanish);
        const QString text = QString(150, 'e') + "1";
        const PlanRecord edited{3, 5, 0, 30, text};
        QList<PlanRecord> others{Jan, MarNextDay, {3, 5, 0, 30, QString(150, 'e') + "2"}};
        Query q(QList<PlanRecord>{edited} + others);
        const QByteArray before = q.fileBytes();
        q.choose(2);
        q.select(0);
        QPointer<PlanEntryWindow> entry = q.press(u"Düzelt"_s);
        QVERIFY(entry && named(entry, u"Saat"_s)->isVisible());
        QCOMPARE((QStringList{entry->windowTitle(), named<QComboBox>(entry, u"Saat"_s)->currentText(),
                              textOf(entry)}),
                 (QStringList{"Kayıt Düzeltme", "00:30", text}));
        QCOMPARE(q.fileBytes(), before); // the plan stays in the file while the window is open
        if (vanish)
            QVERIFY(q.store.removePlans({edited}).value.isEmpty());

        typeInto(entry, "changed");
        named<QComboBox>(entry, u"Saat"_s)->setCurrentIndex(0);
        save ? press(entry, u"Kaydet"_s) : void(entry->close());
        QTRY_VERIFY(entry.isNull());
        QCOMPARE(q.t.prompter.texts().contains("yeni bir plan"), vanish); // the user hears of it
        others.append({3, 5, NoHour, 0, "changed"});
        if (save)
            QCOMPARE(q.store.readPlans().value, others);
        else
            QVERIFY(q.fileBytes() == before && q.shown().contains(yazim(edited)));
    }

    // Editing hands the plan's date on; an odd date from a hand-edited file hands none on, yet is edited.
    void editHandsOnOnlyARealDate() {
        const PlanRecord zero{3, 0, NoHour, 0, "zero"}, odd{3, 123, 9, 0, "odd"},
            negative{3, -5, 9, 0, "neg"};
        Query q({zero, odd, negative, MarEarly});
        const QByteArray before = q.fileBytes();
        q.choose(2);
        for (const PlanRecord& plan : {zero, odd, MarEarly}) {
            q.t.ctx.state->selDay = 9; // as a calendar left them
            q.t.ctx.state->selMonth = 4;
            const PlanList listed = q.window->lineModel()->plans();
            const auto row = std::ranges::find(listed, plan, &ListedPlan::plan);
            QVERIFY(row != listed.end());
            q.select(int(row - listed.begin()));
            QPointer<PlanEntryWindow> entry = q.press(u"Düzelt"_s);
            QVERIFY(entry && entry->editing() && textOf(entry) == plan.text);
            const bool real = plan == MarEarly;
            QCOMPARE(q.t.ctx.state->selDay, real ? 5 : 9);
            QCOMPARE(q.t.ctx.state->selMonth, real ? 3 : 4);
            entry->close();
            QTRY_VERIFY(entry.isNull());
        }
        QCOMPARE(q.fileBytes(), before);
    }

    // At SIGTERM or the session's end nobody can answer: what the open entry holds is stored as its button
    // would store it, once, or kept beside a plan file that cannot take it.
    void entryOpenAtAnUnattendedExit_data() {
        QTest::addColumn<UnattendedExit>("row");
        using L = QList<PlanRecord>;
        const PlanRecord midnight{3, 5, 0, 0, "midnight"}; // a time no slot shows
        const PlanRecord typedOn9th{3, 9, NoHour, 0, "typed"};
        QTest::newRow("new") << UnattendedExit{L{}, "typed", L{typedOn9th}, false};
        QTest::newRow("new, nothing typed") << UnattendedExit{L{}, QString(), L{}, false};
        QTest::newRow("edit") << UnattendedExit{L{MarEarly}, "said \"so\"", L{{3, 5, 0, 30, "said ''so''"}},
                                                false};
        QTest::newRow("edit, untouched") << UnattendedExit{L{midnight}, QString(), L{midnight}, false};
        QTest::newRow("plan file cannot be written") << UnattendedExit{L{}, "typed", L{typedOn9th}, true};
    }
    void entryOpenAtAnUnattendedExit() {
        QFETCH(UnattendedExit, row);
        const auto& [edited, typed, added, fileFails] = row;
        TestContext t;
        shell::MainForm form(t.ctx);
        QVERIFY(form.start());
        const PlanStore store(t.file("myfile.kyt"));
        for (const PlanRecord& plan : QList<PlanRecord>{Jan} + edited)
            QVERIFY(store.appendPlan(plan));
        QPointer<PlanEntryWindow> entry;
        const auto closeEntry = qScopeGuard([&] { delete entry; }); // before the context it works on
        if (edited.isEmpty()) {
            calendar::openPlanEntryFor(t.ctx, 9, 3, nullptr);
            entry = qobject_cast<PlanEntryWindow*>(QApplication::activeModalWidget());
        } else {
            t.ctx.state->entryMode = EntryMode::Old;
            entry = new PlanEntryWindow(t.ctx);
            entry->editPlan(edited[0]);
            entry->openModal();
        }
        if (!typed.isNull())
            typeInto(entry, typed);
        if (fileFails)
            QVERIFY(blockWithFolder(store.path()));

        // SIGTERM, then the quit after it: the work is stored once; a failure ends the program in error.
        QCOMPARE(form.exitUnattended(), !fileFails);
        QVERIFY(form.exitUnattended());
        QCOMPARE(store.readPlans().value, fileFails ? QList<PlanRecord>{} : QList<PlanRecord>{Jan} + added);
        const QStringList aside = QDir(t.dir.path()).entryList({"myfile-*.kyt"});
        QCOMPARE(aside.size(), fileFails ? 1 : 0);
        if (fileFails)
            QCOMPARE(PlanStore(t.file(aside[0])).readPlans().value, added);
        QVERIFY(entry && entry->isVisible() && t.prompter.boxes.isEmpty());
    }

    void monthBlocksTodayAndANewPlan() {
        Query q({MarNextDay, Jan, MarEarly, Dec, MarAllDay, MarNextTwin});
        const QStringList jan{yazim(Jan)}, dec{yazim(Dec)};
        const QStringList mar{yazim(MarAllDay), yazim(MarEarly), yazim(MarNextDay), yazim(MarNextTwin)};
        for (int month : {2, 0, 2}) // a month already shown is not added again
            q.choose(month);
        QCOMPARE(q.shown(), mar + jan);
        q.choose(11);
        q.window->reList(); // as after a stored plan
        QCOMPARE(q.shown(), dec + mar + jan);
        q.choose(PlanQueryWindow::ClearList);
        QVERIFY(q.shown().isEmpty() && !q.enabled(u"Düzelt"_s) && !q.enabled(u"Detay"_s));
        q.choose(PlanQueryWindow::AllPlans);
        QCOMPARE(q.shown(), jan + mar + dec);
        QVERIFY(q.enabled(u"Düzelt"_s) && q.enabled(u"Detay"_s));
        q.select(4); // the second of two plans showing the same line: the panel shows its whole text
        QWidget* frame = named<QGroupBox>(q.window.get(), u"Detay paneli"_s);
        q.press(u"Detay"_s);
        QVERIFY(frame->y() == 0 && textOf(frame) == MarNextTwin.text);
        press(frame, u"Kapat"_s);
        QVERIFY(frame->y() > 0);

        q.choose(PlanQueryWindow::Today); // 5 March
        QCOMPARE(q.shown(), (QStringList{yazim(MarAllDay), yazim(MarEarly)}));

        QPointer<PlanEntryWindow> entry = q.press(u"Yeni"_s);
        QVERIFY(entry && entry->isVisible() && entry->windowModality() == Qt::ApplicationModal);
        typeInto(entry, "say \"hi\"");
        press(entry, u"Saati göster veya gizle"_s);
        named<QComboBox>(entry, u"Saat"_s)->setCurrentIndex(20); // 10:00
        press(entry, u"Saati göster veya gizle"_s);              // hidden, still chosen
        QVERIFY(!named(entry, u"Saat"_s)->isVisible());
        const QByteArray before = q.fileBytes();
        QVERIFY(blockWithFolder(q.store.path()));
        press(entry, u"Ekle"_s);
        // What was typed is not thrown away.
        QVERIFY(entry && entry->isVisible() && q.t.prompter.boxes.size() == 1);
        QVERIFY(q.t.prompter.boxes[0].text.contains("myfile.kyt"));
        QVERIFY(QDir(q.t.dir.path()).rmdir("myfile.kyt") && writeAll(q.store.path(), before));
        press(entry, u"Ekle"_s);
        QCOMPARE(textOf(entry), "say ''hi''");
        QTRY_VERIFY(entry.isNull());
        QCOMPARE(q.fileBytes(), before + "3,5,10,0,\"say ''hi''\"\r\n");
        QVERIFY(!q.t.ctx.state->planEntryOpen && q.shown().isEmpty()); // no month was flagged

        // A month that cannot be read is said so, not shown empty.
        QVERIFY(blockWithFolder(q.store.path()));
        q.choose(5);
        QVERIFY(q.t.prompter.boxes.size() == 2 && q.t.prompter.boxes[1].text.contains("myfile.kyt"));
    }

    void ticksDeleteSelectedAndDeleteAllAsksFirst() {
        Query q({MarNextDay, Jan, MarEarly, MarEarly});
        q.choose(2);
        q.choose(0);
        q.tick(0); // one of two identical plans
        q.tick(3); // January
        q.press(u"Seçilenleri Sil"_s);
        QCOMPARE(q.store.readPlans().value, (QList<PlanRecord>{MarNextDay, MarEarly}));
        QCOMPARE(q.shown(), (QStringList{yazim(MarEarly), yazim(MarNextDay)}));
        QVERIFY(!q.enabled(u"Seçilenleri Sil"_s) && q.t.prompter.boxes.isEmpty());

        // Another program replaces a listed plan by one showing the same line: deleting it and another
        // plan removes only the other and says so, and the list shows the file again.
        QVERIFY(q.store.replacePlan(MarNextDay, MarNextTwin).value);
        lang::useLanguage(Language::English);
        q.tick(0);
        q.tick(1);
        q.press(u"Delete Selected"_s);
        QCOMPARE(q.store.readPlans().value, QList<PlanRecord>{MarNextTwin});
        QVERIFY(q.t.prompter.boxes.size() == 1 && q.t.prompter.texts().contains("www") &&
                q.t.prompter.texts().contains("deleted"));
        const PlanList listed = q.window->lineModel()->plans();
        QVERIFY(listed.size() == 1 && listed[0].plan == MarNextTwin);
        q.t.prompter.boxes.clear();

        q.t.prompter.answers << Answer::No << Answer::Yes;
        const QByteArray before = q.fileBytes();
        q.press(u"Delete All Records"_s);
        QVERIFY(q.fileBytes() == before && q.shown().size() == 1);
        q.press(u"Delete All Records"_s);
        QVERIFY(q.fileBytes().isEmpty() && q.shown().isEmpty());
        QCOMPARE(q.t.prompter.boxes.size(), 2);
        QCOMPARE(q.t.prompter.boxes[0].kind, BoxKind::RiskyQuestion); // Return keeps the plans
        QVERIFY(q.window->monthFlags()[1] && q.enabled(u"Edit"_s));   // flags and buttons stay
        // The buttons left enabled over an empty list do nothing.
        QVERIFY(!q.press(u"Edit"_s) && !q.press(u"Detail"_s) &&
                named(q.window.get(), u"Detail panel"_s)->y() > 0);

        // Ten ticked plans gone behind the window's back are all named, and no more are hinted at.
        for (int day = 1; day <= 10; ++day)
            QVERIFY(q.store.appendPlan({5, day, 9, 0, u"plan %1"_s.arg(day)}));
        q.choose(4);
        for (int row = 0; row < 10; ++row)
            q.tick(row);
        QVERIFY(writeAll(q.store.path(), ""));
        q.press(u"Delete Selected"_s);
        const QString told = q.t.prompter.boxes.constLast().text;
        QVERIFY2(q.t.prompter.boxes.size() == 3 && told.contains("plan 1\n") && told.contains("plan 10") &&
                     !told.contains(u'…'),
                 qPrintable(told));
    }

    void calendarsReachPlanEntryAndItKeepsItsWords() {
        TestContext t;
        shell::MainForm form(t.ctx);
        QVERIFY(form.start());
        PlanStore(t.file("myfile.kyt")).appendPlan(MarEarly);
        form.menu()->findChild<QAction*>("plnlr")->trigger();
        auto* query = qobject_cast<PlanQueryWindow*>(form.windows().loaded(shell::PlanQuery));
        QVERIFY(query);
        auto* lines = named<QListView>(query, u"Kayıtlar"_s);
        clickRow(named<QListWidget>(query, u"Aylar"_s), 2);
        form.menu()->findChild<QAction*>("eng")->trigger();

        // A calendar day opens plan entry through the shell; the stored plan shows in the open list.
        calendar::openPlanEntryFor(t.ctx, 9, 3, nullptr);
        QPointer<PlanEntryWindow> entry = qobject_cast<PlanEntryWindow*>(QApplication::activeModalWidget());
        QVERIFY(entry && form.reminders().paused());
        QCOMPARE(entry->windowTitle(), "Add Record");
        typeInto(entry, "from the calendar");
        press(entry, u"Add"_s);
        QTRY_VERIFY(entry.isNull());
        QVERIFY(!form.reminders().paused());
        QCOMPARE(rowsOf(lines), (QStringList{yazim(MarEarly), yazim(3, 9, NoHour, 0, "from the calendar")}));

        // The query's words stay its own: the entry it opened keeps its "Add" when the language changes.
        press(query, u"New"_s);
        auto* fromQuery = qobject_cast<PlanEntryWindow*>(QApplication::activeModalWidget());
        QVERIFY(fromQuery);
        // Found before the switch: their names follow their captions.
        auto* add = named<QPushButton>(fromQuery, u"Add"_s);
        auto* newButton = named<QPushButton>(query, u"New"_s);
        form.menu()->findChild<QAction*>("trk")->trigger();
        QCOMPARE(add->text(), "Ekle");
        QCOMPARE(newButton->text(), "Yeni");
        // The program ending with plan entry open: the windows go with the form, nothing reaches back.
        QVERIFY(t.ctx.state->planEntryOpen);
    }
};

QTEST_MAIN(TestPlanWindows)
#include "tst_plan_windows.moc"
