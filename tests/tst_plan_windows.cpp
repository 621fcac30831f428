#include "core/plans/plan_line_model.h"
#include "core/plans/plan_store.h"
#include "fakes/fake_services.h"
#include "fakes/window_helpers.h"
#include "shell/main_form.h"
#include "shell/window_code.h"
#include "ui/plans/plan_entry_window.h"
#include "ui/plans/plan_query_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

using namespace velkor;
using namespace velkor::plans;
using namespace velkor::testing;

namespace {

void typeInto(QWidget* entry, const QString& text) {
    child<QPlainTextEdit>(entry, "Text1")->clear();
    QTest::keyClicks(child(entry, "Text1"), text);
}
QString textOf(QWidget* window) {
    return child<QPlainTextEdit>(window, "Text1")->toPlainText();
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
    void choose(int row) { clickRow(child<QListWidget>(window.get(), "List2"), row); }
    QStringList shown() const { return rowsOf(child<QListView>(window.get(), "List1")); }
    void select(int row) {
        child<QListView>(window.get(), "List1")->setCurrentIndex(window->lineModel()->index(row));
    }
    void tick(int row) {
        window->lineModel()->setData(window->lineModel()->index(row), Qt::Checked, Qt::CheckStateRole);
    }
    bool enabled(const char* name) const { return child(window.get(), name)->isEnabled(); }
    PlanEntryWindow* press(const char* button) {
        click(window.get(), button);
        return window->findChild<PlanEntryWindow*>();
    }
};

const PlanRecord Jan{1, 20, 14, 0, "january"};
const PlanRecord MarAllDay{3, 5, NoHour, 0, "all day"};
const PlanRecord MarEarly{3, 5, 0, 30, "early"};
const PlanRecord MarNextDay{3, 6, NoHour, 0, QString(200, 'w') + "end"};   // longer than a list line
const PlanRecord MarNextTwin{3, 6, NoHour, 0, QString(200, 'w') + "twin"}; // shows as the same line
const PlanRecord Dec{12, 1, 9, 30, "december"};

} // namespace

class TestPlanWindows : public QObject {
    Q_OBJECT
private slots:
    void entryControlsEnableInTurn() {
        Query q;
        q.t.ctx.state->entryMode = EntryMode::New; // a calendar that chose no day
        QPointer<PlanEntryWindow> entry = openPlanEntry(q.t.ctx, q.window.get());
        QVERIFY(!child<QComboBox>(entry, "Combo2")->isEnabled());
        child<QComboBox>(entry, "Combo1")->setCurrentIndex(30);
        QVERIFY(child<QComboBox>(entry, "Combo2")->isEnabled() && !child(entry, "Text1")->isEnabled());
        child<QComboBox>(entry, "Combo2")->setCurrentIndex(1); // 31 February is stored as chosen
        QVERIFY(child(entry, "Text1")->isEnabled() && child(entry, "Combo3")->isEnabled() &&
                !child(entry, "Command2")->isEnabled());
        typeInto(entry, "  "); // blanks are a text
        click(entry, "Command2");
        QTRY_VERIFY(entry.isNull());
        QCOMPARE(q.store.readPlans().value, (QList<PlanRecord>{{2, 31, NoHour, 0, "  "}}));

        // The window under an open entry goes and takes it along: the reminders go on.
        const bool& paused = q.t.doors.paused;
        q.t.ctx.doors = &q.t.doors;
        q.t.ctx.state->selDay = 1; // the first of January, chosen on a calendar
        q.t.ctx.state->selMonth = 1;
        entry = openPlanEntry(q.t.ctx, q.window.get());
        QVERIFY(entry && paused && q.t.ctx.state->planEntryOpen);
        QCOMPARE(child<QComboBox>(entry, "Combo2")->currentText(), "01");
        typeInto(entry, "x");
        QVERIFY(child(entry, "Command2")->isEnabled());
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
        QPointer<PlanEntryWindow> entry = q.press("Command3");
        QVERIFY(entry && child(entry, "Combo3")->isVisible());
        QCOMPARE((QStringList{entry->windowTitle(), child<QComboBox>(entry, "Combo3")->currentText(),
                              textOf(entry)}),
                 (QStringList{"Kayıt Düzeltme", "00:30", text}));
        QCOMPARE(q.fileBytes(), before); // the plan stays in the file while the window is open
        if (vanish)
            QVERIFY(q.store.removePlans({edited}).value.isEmpty());

        typeInto(entry, "changed");
        child<QComboBox>(entry, "Combo3")->setCurrentIndex(0);
        save ? click(entry, "Command2") : void(entry->close());
        QTRY_VERIFY(entry.isNull());
        QCOMPARE(q.t.prompter.texts().contains("yeni bir plan"), vanish); // the user hears of it
        others.append({3, 5, NoHour, 0, "changed"});
        if (save)
            QCOMPARE(q.store.readPlans().value, others);
        else
            QVERIFY(q.fileBytes() == before && q.shown().contains(yazim(edited)));
    }

    // Editing hands the listed plan's date on; a plan of an odd date from a hand-edited file hands none on
    // and is edited all the same.
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
            const auto row = std::find_if(listed.begin(), listed.end(),
                                          [&](const ListedPlan& l) { return l.plan == plan; });
            QVERIFY(row != listed.end());
            q.select(int(row - listed.begin()));
            QPointer<PlanEntryWindow> entry = q.press("Command3");
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
        QTest::addColumn<QList<PlanRecord>>("edited"); // none: a new plan from the calendar's 9 March
        QTest::addColumn<QString>("typed");            // null: nothing typed
        QTest::addColumn<QList<PlanRecord>>("added");  // to the plan file; kept aside if it cannot be written
        QTest::addColumn<bool>("fileFails");
        using L = QList<PlanRecord>;
        const PlanRecord midnight{3, 5, 0, 0, "midnight"}; // a time no slot shows
        const PlanRecord typedOn9th{3, 9, NoHour, 0, "typed"};
        QTest::newRow("new") << L{} << "typed" << L{typedOn9th} << false;
        QTest::newRow("new, nothing typed") << L{} << QString() << L{} << false;
        QTest::newRow("edit") << L{MarEarly} << "said \"so\"" << L{{3, 5, 0, 30, "said ''so''"}} << false;
        QTest::newRow("edit, untouched") << L{midnight} << QString() << L{midnight} << false;
        QTest::newRow("plan file cannot be written") << L{} << "typed" << L{typedOn9th} << true;
    }
    void entryOpenAtAnUnattendedExit() {
        QFETCH(QList<PlanRecord>, edited);
        QFETCH(QString, typed);
        QFETCH(QList<PlanRecord>, added);
        QFETCH(bool, fileFails);
        TestContext t;
        shell::MainForm form(t.ctx);
        QVERIFY(form.start());
        const PlanStore store(t.file("myfile.kyt"));
        for (const PlanRecord& plan : QList<PlanRecord>{Jan} + edited)
            QVERIFY(store.appendPlan(plan));
        QPointer<PlanEntryWindow> entry;
        const auto closeEntry = qScopeGuard([&] { delete entry; }); // before the context it works on
        if (edited.isEmpty()) {
            t.ctx.state->entryMode = EntryMode::New;
            t.ctx.state->selDay = 9;
            t.ctx.state->selMonth = 3;
            t.ctx.doors->openPlanEntry(nullptr);
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
            QVERIFY(QFile::remove(store.path()) && QDir(t.dir.path()).mkdir("myfile.kyt"));

        // SIGTERM, then the quit that follows it: the work is stored once, a failure ends the program in
        // error.
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
        QVERIFY(q.shown().isEmpty() && !q.enabled("Command3") && !q.enabled("Command4"));
        q.choose(PlanQueryWindow::AllPlans);
        QCOMPARE(q.shown(), jan + mar + dec);
        QVERIFY(q.enabled("Command3") && q.enabled("Command4")); // edit and details
        q.select(4); // the second of two plans showing the same line: the panel shows its whole text
        QWidget* frame = child(q.window.get(), "Frame3");
        click(q.window.get(), "Command4");
        QVERIFY(frame->y() == 0 && textOf(frame) == MarNextTwin.text);
        click(frame, "Command5");
        QVERIFY(frame->y() > 0);

        q.choose(PlanQueryWindow::Today); // 5 March
        QCOMPARE(q.shown(), (QStringList{yazim(MarAllDay), yazim(MarEarly)}));

        QPointer<PlanEntryWindow> entry = q.press("Command2");
        QVERIFY(entry && entry->isVisible() && entry->windowModality() == Qt::ApplicationModal);
        typeInto(entry, "say \"hi\"");
        click(entry, "Label3");
        child<QComboBox>(entry, "Combo3")->setCurrentIndex(20); // 10:00
        click(entry, "Label3");                                 // hidden, still chosen
        QVERIFY(!child(entry, "Combo3")->isVisible());
        const QByteArray before = q.fileBytes();
        QVERIFY(QFile::remove(q.store.path()) && QDir(q.t.dir.path()).mkdir("myfile.kyt"));
        click(entry, "Command2");
        // What was typed is not thrown away.
        QVERIFY(entry && entry->isVisible() && q.t.prompter.boxes.size() == 1);
        QVERIFY(q.t.prompter.boxes[0].text.contains("myfile.kyt"));
        QVERIFY(QDir(q.t.dir.path()).rmdir("myfile.kyt") && writeAll(q.store.path(), before));
        click(entry, "Command2");
        QCOMPARE(textOf(entry), "say ''hi''");
        QTRY_VERIFY(entry.isNull());
        QCOMPARE(q.fileBytes(), before + "3,5,10,0,\"say ''hi''\"\r\n");
        QVERIFY(!q.t.ctx.state->planEntryOpen && q.shown().isEmpty()); // no month was flagged

        // A month that cannot be read is said so, not shown empty.
        QVERIFY(QFile::remove(q.store.path()) && QDir(q.t.dir.path()).mkdir("myfile.kyt"));
        q.choose(5);
        QVERIFY(q.t.prompter.boxes.size() == 2 && q.t.prompter.boxes[1].text.contains("myfile.kyt"));
    }

    void ticksDeleteSelectedAndDeleteAllAsksFirst() {
        Query q({MarNextDay, Jan, MarEarly, MarEarly});
        q.choose(2);
        q.choose(0);
        q.tick(0); // one of two identical plans
        q.tick(3); // January
        click(q.window.get(), "Command6");
        QCOMPARE(q.store.readPlans().value, (QList<PlanRecord>{MarNextDay, MarEarly}));
        QCOMPARE(q.shown(), (QStringList{yazim(MarEarly), yazim(MarNextDay)}));
        QVERIFY(!q.enabled("Command6") && q.t.prompter.boxes.isEmpty());

        // Another program replaces a listed plan by one showing the same line: deleting it and another
        // plan removes only the other and says so, and the list shows the file again.
        QVERIFY(q.store.replacePlan(MarNextDay, MarNextTwin).value);
        lang::useLanguage(Language::English);
        q.tick(0);
        q.tick(1);
        click(q.window.get(), "Command6");
        QCOMPARE(q.store.readPlans().value, QList<PlanRecord>{MarNextTwin});
        QVERIFY(q.t.prompter.boxes.size() == 1 && q.t.prompter.texts().contains("www") &&
                q.t.prompter.texts().contains("deleted"));
        const PlanList listed = q.window->lineModel()->plans();
        QVERIFY(listed.size() == 1 && listed[0].plan == MarNextTwin);
        q.t.prompter.boxes.clear();

        q.t.prompter.answers << Answer::No << Answer::Yes;
        const QByteArray before = q.fileBytes();
        click(q.window.get(), "Command1");
        QVERIFY(q.fileBytes() == before && q.shown().size() == 1);
        click(q.window.get(), "Command1");
        QVERIFY(q.fileBytes().isEmpty() && q.shown().isEmpty());
        QCOMPARE(q.t.prompter.boxes.size(), 2);
        QVERIFY(q.window->monthFlags()[1] && q.enabled("Command3")); // flags and buttons stay
        // The buttons left enabled over an empty list do nothing.
        QVERIFY(!q.press("Command3") && !q.press("Command4") && child(q.window.get(), "Frame3")->y() > 0);
    }

    // Ten ticked plans gone behind the window's back are all named, and no more are hinted at.
    void tickedPlansGoneAreNamed() {
        QList<PlanRecord> plans;
        for (int day = 1; day <= 10; ++day)
            plans.append({5, day, 9, 0, QStringLiteral("plan %1").arg(day)});
        Query q(plans);
        q.choose(4);
        for (int row = 0; row < 10; ++row)
            q.tick(row);
        QVERIFY(writeAll(q.store.path(), ""));
        click(q.window.get(), "Command6");
        QCOMPARE(q.t.prompter.boxes.size(), 1);
        const QString told = q.t.prompter.boxes[0].text;
        QVERIFY2(told.contains("plan 1\n") && told.contains("plan 10") && !told.contains(u'…'),
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
        auto* lines = child<QListView>(query, "List1");
        clickRow(child<QListWidget>(query, "List2"), 2);
        form.menu()->findChild<QAction*>("eng")->trigger();

        // A calendar day opens plan entry through the context; the stored plan shows in the open list.
        t.ctx.state->entryMode = EntryMode::New;
        t.ctx.state->selDay = 9;
        t.ctx.state->selMonth = 3;
        t.ctx.doors->openPlanEntry(nullptr);
        QPointer<PlanEntryWindow> entry = qobject_cast<PlanEntryWindow*>(QApplication::activeModalWidget());
        QVERIFY(entry && form.reminders().paused());
        QCOMPARE(entry->windowTitle(), "Add Record");
        typeInto(entry, "from the calendar");
        click(entry, "Command2");
        QTRY_VERIFY(entry.isNull());
        QVERIFY(!form.reminders().paused());
        QCOMPARE(rowsOf(lines), (QStringList{yazim(MarEarly), yazim(3, 9, NoHour, 0, "from the calendar")}));

        // The query's words stay its own: the entry it opened keeps its "Add" when the language changes.
        click(query, "Command2");
        auto* fromQuery = qobject_cast<PlanEntryWindow*>(QApplication::activeModalWidget());
        QVERIFY(fromQuery);
        form.menu()->findChild<QAction*>("trk")->trigger();
        QCOMPARE(child<QPushButton>(fromQuery, "Command2")->text(), "Ekle");
        QCOMPARE(child<QPushButton>(query, "Command2")->text(), "Yeni");
        // The program ending with plan entry open: the windows go with the form, nothing reaches back.
        QVERIFY(t.ctx.state->planEntryOpen);
    }
};

QTEST_MAIN(TestPlanWindows)
#include "tst_plan_windows.moc"
