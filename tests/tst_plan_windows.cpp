#include "fakes/fake_services.h"
#include "plans/plan_entry_window.h"
#include "plans/plan_line_model.h"
#include "plans/plan_query_window.h"
#include "plans/plan_store.h"
#include "shell/main_form.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace velkor;
using namespace velkor::plans;
using velkor::testing::TestContext;

namespace {

template <typename T = QWidget> T* control(QWidget* window, const char* name) {
    auto* found = window->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", name);
    return found;
}
void click(QWidget* window, const char* name) {
    QTest::mouseClick(control(window, name), Qt::LeftButton);
}
int comboIndex(QWidget* window, const char* name) {
    return control<QComboBox>(window, name)->currentIndex();
}
void typeInto(QWidget* entry, const QString& text) {
    control<QPlainTextEdit>(entry, "Text1")->clear();
    QTest::keyClicks(control(entry, "Text1"), text);
}
// A mouse press on a chooser entry, as the user makes it.
void pressChoice(QWidget* query, int row) {
    auto* chooser = control<QListWidget>(query, "List2");
    chooser->scrollToItem(chooser->item(row));
    QTest::mousePress(chooser->viewport(), Qt::LeftButton, {},
                      chooser->visualItemRect(chooser->item(row)).center());
}

// One test's data directory, plan file and plan query window.
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
    QByteArray fileBytes() const {
        QFile f(store.path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : "<unreadable>";
    }
    void choose(int row) { pressChoice(window.get(), row); }
    QStringList shown() const { return window->lineModel()->lines(); }
    void select(int row) {
        control<QListView>(window.get(), "List1")->setCurrentIndex(window->lineModel()->index(row));
    }
    void tick(int row, bool on = true) {
        window->lineModel()->setData(window->lineModel()->index(row), on ? Qt::Checked : Qt::Unchecked,
                                     Qt::CheckStateRole);
    }
    bool enabled(const char* name) const { return control(window.get(), name)->isEnabled(); }
    PlanEntryWindow* entry() const { return window->findChild<PlanEntryWindow*>(); }
};

const PlanRecord Jan{1, 20, 14, 0, "january"};
const PlanRecord MarAllDay{3, 5, NoHour, 0, "all day"};
const PlanRecord MarEarly{3, 5, 0, 30, "early"};
const PlanRecord MarNextDay{3, 6, NoHour, 0, "next day"};
const PlanRecord Dec{12, 1, 9, 30, "december"};

} // namespace

class TestPlanWindows : public QObject {
    Q_OBJECT
private slots:
    void newButtonAddsTodaysPlanWithQuotesReplaced() {
        Query q({MarNextDay});
        QList<bool> paused;
        q.t.ctx.pauseReminders = [&paused](bool pause) { paused.append(pause); };
        q.choose(2);
        click(q.window.get(), "Command2");
        QPointer<PlanEntryWindow> entry = q.entry();
        QVERIFY(entry && entry->isVisible() && entry->windowModality() == Qt::ApplicationModal);
        QCOMPARE(entry->windowTitle(), "Kayıt Ekleme");
        QVERIFY(q.t.ctx.state.planEntryOpen);
        QCOMPARE(paused, QList<bool>{true});
        QCOMPARE(comboIndex(entry, "Combo1"), 4); // today, 5 March
        QCOMPARE(comboIndex(entry, "Combo2"), 2);
        QVERIFY(!control(entry, "Combo3")->isVisible() && !control(entry, "Command2")->isEnabled());

        typeInto(entry, "say \"hi\"");
        click(entry, "Label3");
        control<QComboBox>(entry, "Combo3")->setCurrentIndex(20); // 10:00
        click(entry, "Label3");                                   // hidden, still chosen
        QVERIFY(!control(entry, "Combo3")->isVisible());
        click(entry, "Command2");
        QCOMPARE(control<QPlainTextEdit>(entry, "Text1")->toPlainText(), "say ''hi''");
        QTRY_VERIFY(entry.isNull());
        QCOMPARE(q.fileBytes(), "3,6,25,0,\"next day\"\r\n3,5,10,0,\"say ''hi''\"\r\n");
        QVERIFY(!q.t.ctx.state.planEntryOpen);
        QCOMPARE(paused, (QList<bool>{true, false}));
        QCOMPARE(q.shown(), (QStringList{yazim(3, 5, 10, 0, "say ''hi''"), yazim(MarNextDay)}));
    }

    void enablingChainAndSlotRule_data() {
        QTest::addColumn<int>("slot"); // -2: the time box is never shown
        QTest::addColumn<bool>("save");
        QTest::addColumn<QList<PlanRecord>>("stored");
        QTest::newRow("box never shown") << -2 << true << QList<PlanRecord>{{2, 31, NoHour, 0, "  "}};
        QTest::newRow("yok") << 0 << true << QList<PlanRecord>{{2, 31, NoHour, 0, "  "}};
        QTest::newRow("00:30") << 1 << true << QList<PlanRecord>{{2, 31, 0, 30, "  "}};
        QTest::newRow("23:30") << 47 << true << QList<PlanRecord>{{2, 31, 23, 30, "  "}};
        QTest::newRow("closed unsaved") << 3 << false << QList<PlanRecord>{};
    }
    void enablingChainAndSlotRule() {
        QFETCH(int, slot);
        QFETCH(bool, save);
        QFETCH(QList<PlanRecord>, stored);
        Query q;
        q.t.ctx.state.entryMode = "new"; // a calendar that chose no day
        QPointer<PlanEntryWindow> entry = openPlanEntry(q.t.ctx, q.window.get());
        QVERIFY(!control(entry, "Combo2")->isEnabled());
        control<QComboBox>(entry, "Combo1")->setCurrentIndex(30);
        QVERIFY(control(entry, "Combo2")->isEnabled() && !control(entry, "Text1")->isEnabled());
        control<QComboBox>(entry, "Combo2")->setCurrentIndex(1); // 31 February is stored as chosen
        QVERIFY(control(entry, "Text1")->isEnabled() && control(entry, "Combo3")->isEnabled());
        if (slot >= -1) {
            click(entry, "Label3");
            control<QComboBox>(entry, "Combo3")->setCurrentIndex(slot);
        }
        typeInto(entry, "  "); // blanks are a text
        QVERIFY(control(entry, "Command2")->isEnabled());
        if (save)
            click(entry, "Command2");
        else
            entry->close();
        QTRY_VERIFY(entry.isNull());
        QCOMPARE(q.store.readPlans().value, stored);
    }

    void editSavesInOneRewriteAndCancelLeavesTheFile_data() {
        QTest::addColumn<bool>("save");
        QTest::addColumn<bool>("twins");
        QTest::newRow("save") << true << false;
        QTest::newRow("cancel") << false << false;
        QTest::newRow("two identical plans, save") << true << true;
        QTest::newRow("two identical plans, cancel") << false << true;
    }
    void editSavesInOneRewriteAndCancelLeavesTheFile() {
        QFETCH(bool, save);
        QFETCH(bool, twins);
        QList<PlanRecord> plans{MarEarly, Jan, MarNextDay};
        if (twins)
            plans.append(MarEarly);
        Query q(plans);
        const QByteArray before = q.fileBytes();
        q.choose(2);
        q.select(0);
        click(q.window.get(), "Command3");
        QPointer<PlanEntryWindow> entry = q.entry();
        QVERIFY(entry);
        QCOMPARE(q.t.ctx.state.selHour, "00:30");
        QCOMPARE(entry->windowTitle(), "Kayıt Düzeltme");
        QCOMPARE(control<QPushButton>(entry, "Command2")->text(), "Kaydet");
        QCOMPARE((QList<int>{comboIndex(entry, "Combo1"), comboIndex(entry, "Combo2"),
                             comboIndex(entry, "Combo3")}),
                 (QList<int>{4, 2, 1}));
        QVERIFY(control(entry, "Combo3")->isVisible());
        QCOMPARE(control<QPlainTextEdit>(entry, "Text1")->toPlainText(), MarEarly.text);
        QCOMPARE(q.fileBytes(), before); // the plan stays in the file while the window is open

        typeInto(entry, "changed");
        control<QComboBox>(entry, "Combo3")->setCurrentIndex(0);
        save ? click(entry, "Command2") : void(entry->close());
        QTRY_VERIFY(entry.isNull());
        const PlanRecord changed{3, 5, NoHour, 0, "changed"};
        if (save) {
            QCOMPARE(q.store.readPlans().value, (QList<PlanRecord>{Jan, MarNextDay, changed}));
            QCOMPARE(q.shown(), (QStringList{yazim(changed), yazim(MarNextDay)}));
        } else {
            QCOMPARE(q.fileBytes(), before);
            QCOMPARE(q.shown().count(yazim(MarEarly)), twins ? 2 : 1);
        }
    }

    void monthBlocksTodayAndAllPlans() {
        Query q({MarNextDay, Jan, MarEarly, Dec, MarAllDay});
        const QStringList jan{yazim(Jan)}, dec{yazim(Dec)};
        const QStringList mar{yazim(MarAllDay), yazim(MarEarly), yazim(MarNextDay)};
        QVERIFY(!q.enabled("Command3") && !q.enabled("Command4"));
        for (int month : {2, 0, 2}) // a month already shown is not added again
            q.choose(month);
        QCOMPARE(q.shown(), mar + jan);
        QVERIFY(q.enabled("Command3") && q.enabled("Command4"));
        q.choose(11);
        q.window->reList(); // as after a stored plan
        QCOMPARE(q.shown(), dec + mar + jan);
        q.choose(PlanQueryWindow::AllPlans);
        QCOMPARE(q.shown(), jan + mar + dec);

        q.choose(PlanQueryWindow::Today); // 5 March
        QCOMPARE(q.shown(), (QStringList{yazim(MarAllDay), yazim(MarEarly)}));
        click(q.window.get(), "Command2");
        typeInto(q.entry(), "new");
        click(q.entry(), "Command2");
        QTRY_VERIFY(q.shown().isEmpty()); // no month was flagged

        q.choose(2);
        q.choose(PlanQueryWindow::ClearList);
        QVERIFY(q.shown().isEmpty() && !q.enabled("Command3") && !q.enabled("Command4"));
    }

    void ticksEnableDeleteSelected() {
        Query q({MarNextDay, Jan, MarEarly, MarEarly});
        q.choose(2);
        q.tick(2);
        QVERIFY(q.enabled("Command6"));
        q.tick(2, false);
        QVERIFY(!q.enabled("Command6"));
        q.tick(2);
        q.choose(0); // a new block clears the ticks; the button keeps its state
        QVERIFY(!q.window->lineModel()->anyTicked() && q.enabled("Command6"));
        click(q.window.get(), "Command6");
        QVERIFY(!q.enabled("Command6"));
        QCOMPARE(q.store.readPlans().value.size(), 4);

        q.tick(0); // one of two identical lines
        q.tick(3); // January
        click(q.window.get(), "Command6");
        QCOMPARE(q.store.readPlans().value, QList<PlanRecord>{MarNextDay});
        QCOMPARE(q.shown(), QStringList{yazim(MarNextDay)});
        QVERIFY(!q.enabled("Command6") && q.t.prompter.boxes.isEmpty());
    }

    void deleteAllAsksFirst_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void deleteAllAsksFirst() {
        QFETCH(bool, yes);
        Query q({Jan, MarEarly});
        q.t.ctx.state.language = Language::English; // the question is Turkish in both languages
        q.choose(PlanQueryWindow::AllPlans);
        const QByteArray before = q.fileBytes();
        q.t.prompter.answers.enqueue(yes ? Answer::Yes : Answer::No);
        click(q.window.get(), "Command1");
        QCOMPARE(q.t.prompter.boxes.size(), 1);
        QCOMPARE(q.t.prompter.boxes[0].kind, BoxKind::Question);
        QCOMPARE(q.t.prompter.boxes[0].title, "UYARI!");
        QCOMPARE(q.t.prompter.boxes[0].text, "Tüm planlarınızı silmek istediğinizden emin misiniz?");
        QCOMPARE(q.fileBytes(), yes ? QByteArray() : before);
        QCOMPARE(q.shown().size(), yes ? 0 : 2);
        QVERIFY(q.t.ctx.state.monthFlags[1] && q.enabled("Command3")); // flags and buttons stay

        // The buttons left enabled with no line selected, or over an empty list, do nothing.
        click(q.window.get(), "Command3");
        click(q.window.get(), "Command4");
        QVERIFY(!q.entry());
        QCOMPARE(control(q.window.get(), "Frame3")->y(), 3500 / 15);
    }

    void detailPanelShowsTheWholeText() {
        const PlanRecord longPlan{3, 7, 8, 0, QString(200, 'w') + "end"};
        Query q({longPlan, MarEarly});
        q.choose(2);
        q.select(1);
        QWidget* frame = control(q.window.get(), "Frame3");
        click(q.window.get(), "Command4");
        QCOMPARE(frame->y(), 0);
        QCOMPARE(control<QPlainTextEdit>(frame, "Text1")->toPlainText(), longPlan.text);
        click(frame, "Command5");
        QCOMPARE(frame->y(), 3500 / 15);

        QVERIFY(q.store.removePlansByLine({yazim(longPlan)}).ok()); // changed behind the window's back
        click(q.window.get(), "Command4");
        QCOMPARE(control<QPlainTextEdit>(frame, "Text1")->toPlainText(), QString());
    }

    void fileErrorsAreReportedNamingTheFile() {
        Query q;
        click(q.window.get(), "Command2");
        QPointer<PlanEntryWindow> entry = q.entry();
        typeInto(entry, "keep me");
        QVERIFY(QFile::remove(q.store.path()) && QDir(q.t.dir.path()).mkdir("myfile.kyt"));
        click(entry, "Command2");
        QVERIFY(entry && entry->isVisible()); // what was typed is not thrown away
        q.choose(2);
        q.choose(PlanQueryWindow::AllPlans);
        QCOMPARE(q.t.prompter.boxes.size(), 3);
        for (const auto& box : q.t.prompter.boxes)
            QVERIFY(box.kind == BoxKind::Critical && box.text.contains("myfile.kyt"));
        QVERIFY(q.shown().isEmpty());
        entry->close();
    }

    void trayMenuWindowFollowsTheLanguageAndCalendarsReachIt() {
        TestContext t;
        shell::MainForm form(t.ctx);
        QVERIFY(form.start());
        PlanStore(t.file("myfile.kyt")).appendPlan(MarEarly);
        QAction* plnlr = form.menu()->findChild<QAction*>("plnlr");
        plnlr->trigger();
        QPointer<QWidget> window = form.windows().loaded(lang::PlanQuery);
        QVERIFY(window && window->objectName() == "Form5" && plnlr->isChecked());
        auto* query = static_cast<PlanQueryWindow*>(window.data());
        auto* chooser = control<QListWidget>(window, "List2");
        pressChoice(window, 2);
        query->lineModel()->setData(query->lineModel()->index(0), Qt::Checked, Qt::CheckStateRole);

        form.menu()->findChild<QAction*>("eng")->trigger();
        QCOMPARE(window->windowTitle(), "Record Query");
        QCOMPARE(control<QLabel>(window, "Label8")->text(), "      Date    Hour    Record");
        QCOMPARE(control<QPushButton>(window, "Command6")->text(), "Delete Selected");
        QCOMPARE(chooser->count(), 15);
        QCOMPARE(chooser->item(14)->text(), "Clear List");
        QVERIFY(chooser->currentRow() == 2 && chooser->item(2)->isSelected());
        QCOMPARE(query->lineModel()->lines(), QStringList{yazim(MarEarly)});
        QVERIFY(query->lineModel()->ticked(0) && window->isVisible());

        // A calendar day opens plan entry through the context; the stored plan shows in the open list.
        t.ctx.state.entryMode = "new";
        t.ctx.state.selDay = "9";
        t.ctx.state.selMonth = "03";
        t.ctx.openPlanEntry(nullptr);
        QPointer<PlanEntryWindow> entry;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* e = qobject_cast<PlanEntryWindow*>(w); e && e->isVisible())
                entry = e;
        QVERIFY(entry && form.reminders().paused());
        QCOMPARE(entry->windowTitle(), "Add Record");
        QCOMPARE(control<QLabel>(entry, "Label3")->text(), "Hour");
        typeInto(entry, "from the calendar");
        click(entry, "Command2");
        QTRY_VERIFY(entry.isNull());
        QVERIFY(!form.reminders().paused());
        QCOMPARE(query->lineModel()->lines(),
                 (QStringList{yazim(MarEarly), yazim(3, 9, NoHour, 0, "from the calendar")}));

        window->close();
        QTRY_VERIFY(window.isNull());
        QVERIFY(!plnlr->isChecked());

        // The program ending with plan entry open: the windows go with the form, nothing reaches back.
        plnlr->trigger();
        click(form.windows().loaded(lang::PlanQuery), "Command2");
        QVERIFY(t.ctx.state.planEntryOpen);
    }
};

QTEST_MAIN(TestPlanWindows)
#include "tst_plan_windows.moc"
