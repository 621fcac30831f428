#include "fakes/fake_services.h"
#include "plans/plan_entry_window.h"
#include "plans/plan_line_model.h"
#include "plans/plan_query_window.h"
#include "plans/plan_store.h"
#include "shell/main_form.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace velkor;
using namespace velkor::plans;
using velkor::testing::TestContext;

namespace {

template <typename T = QWidget> T* control(QWidget* window, const char* name) {
    auto* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void click(QWidget* window, const char* name) {
    QTest::mouseClick(control(window, name), Qt::LeftButton);
}

// One test's data directory, plan file and plan query window.
struct Query {
    TestContext t;
    PlanStore store{t.file(QStringLiteral("myfile.kyt"))};
    std::unique_ptr<PlanQueryWindow> window;
    QList<bool> paused;

    explicit Query(const QList<PlanRecord>& plans = {}) {
        QVERIFY(touchFile(store.path()).ok()); // as the shell does at start
        for (const PlanRecord& plan : plans)
            store.appendPlan(plan);
        t.ctx.pauseReminders = [this](bool pause) { paused.append(pause); };
        window = std::make_unique<PlanQueryWindow>(t.ctx);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    QByteArray fileBytes() const {
        QFile f(store.path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    // A mouse press on a chooser entry, as the user makes it.
    void choose(int index) {
        auto* chooser = control<QListWidget>(window.get(), "List2");
        chooser->scrollToItem(chooser->item(index));
        QTest::mousePress(chooser->viewport(), Qt::LeftButton, {},
                          chooser->visualItemRect(chooser->item(index)).center());
        QTest::mouseRelease(chooser->viewport(), Qt::LeftButton, {},
                            chooser->visualItemRect(chooser->item(index)).center());
    }
    QStringList shown() const { return window->lineModel()->lines(); }
    void select(int row) {
        auto* list = control<QListView>(window.get(), "List1");
        list->setCurrentIndex(list->model()->index(row, 0));
    }
    void tick(int row, bool on = true) {
        window->lineModel()->setData(window->lineModel()->index(row), on ? Qt::Checked : Qt::Unchecked,
                                     Qt::CheckStateRole);
    }
    bool enabled(const char* name) const { return control(window.get(), name)->isEnabled(); }
    PlanEntryWindow* entry() const { return window->findChild<PlanEntryWindow*>(); }
};

void typeInto(PlanEntryWindow* entry, const QString& text) {
    auto* box = control<QPlainTextEdit>(entry, "Text1");
    box->clear();
    QTest::keyClicks(box, text);
}

const PlanRecord Jan{1, 20, 14, 0, QStringLiteral("january")};
const PlanRecord MarAllDay{3, 5, NoHour, 0, QStringLiteral("all day")};
const PlanRecord MarEarly{3, 5, 0, 30, QStringLiteral("early")};
const PlanRecord MarNextDay{3, 6, NoHour, 0, QStringLiteral("next day")};
const PlanRecord Dec{12, 1, 9, 30, QStringLiteral("december")};

} // namespace

class TestPlanWindows : public QObject {
    Q_OBJECT
private slots:
    void todayButtonAddsAPlanWithTheQuoteAndSlotRules() {
        Query q({MarNextDay});
        q.choose(2);
        click(q.window.get(), "Command2");
        QPointer<PlanEntryWindow> entry = q.entry();
        QVERIFY(entry && entry->isVisible());
        QCOMPARE(entry->windowModality(), Qt::ApplicationModal);
        QCOMPARE(entry->windowTitle(), QString::fromUtf8("Kayıt Ekleme"));
        QVERIFY(q.t.ctx.state.planEntryOpen);
        QCOMPARE(q.paused, QList<bool>{true});
        QCOMPARE(control<QComboBox>(entry, "Combo1")->currentIndex(), 4); // today, 5 March
        QCOMPARE(control<QComboBox>(entry, "Combo2")->currentIndex(), 2);
        QVERIFY(!control(entry, "Combo3")->isVisible());
        QVERIFY(!control(entry, "Command2")->isEnabled());

        typeInto(entry, QStringLiteral("say \"hi\""));
        click(entry, "Label3");
        QVERIFY(control(entry, "Combo3")->isVisible());
        control<QComboBox>(entry, "Combo3")->setCurrentIndex(20); // 10:00
        click(entry, "Label3");                                   // hidden, still chosen
        click(entry, "Command2");
        QCOMPARE(control<QPlainTextEdit>(entry, "Text1")->toPlainText(), QStringLiteral("say ''hi''"));
        QTRY_VERIFY(entry.isNull());
        QCOMPARE(q.fileBytes(), QByteArray("3,6,25,0,\"next day\"\r\n3,5,10,0,\"say ''hi''\"\r\n"));
        QVERIFY(!q.t.ctx.state.planEntryOpen);
        QCOMPARE(q.paused, (QList<bool>{true, false}));
        QCOMPARE(q.shown(),
                 (QStringList{yazim(3, 5, 10, 0, QStringLiteral("say ''hi''")), yazim(MarNextDay)}));
    }

    void slotRule_data() {
        QTest::addColumn<int>("slot"); // -2: the time box is never shown
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::newRow("box never shown") << -2 << NoHour << 0;
        QTest::newRow("yok") << 0 << NoHour << 0;
        QTest::newRow("00:30") << 1 << 0 << 30;
        QTest::newRow("23:30") << 47 << 23 << 30;
    }
    void slotRule() {
        QFETCH(int, slot);
        QFETCH(int, hour);
        QFETCH(int, minute);
        Query q;
        q.t.ctx.state.entryMode = QStringLiteral("new");
        q.t.ctx.state.selDay = QStringLiteral("14");
        q.t.ctx.state.selMonth = QStringLiteral("12");
        PlanEntryWindow* entry = openPlanEntry(q.t.ctx, q.window.get());
        if (slot >= -1) {
            click(entry, "Label3");
            control<QComboBox>(entry, "Combo3")->setCurrentIndex(slot);
        }
        typeInto(entry, QStringLiteral("   ")); // blanks are a text
        click(entry, "Command2");
        QCOMPARE(q.store.readPlans().value,
                 (QList<PlanRecord>{{12, 14, hour, minute, QStringLiteral("   ")}}));
    }

    void enablingChainAndCancelledNewPlan() {
        Query q;
        q.t.ctx.state.entryMode = QStringLiteral("new");
        q.t.ctx.state.selDay = q.t.ctx.state.selMonth = QString(); // nothing chosen by an opener
        QPointer<PlanEntryWindow> entry = openPlanEntry(q.t.ctx, q.window.get());
        QSignalSpy relist(entry.data(), &PlanEntryWindow::reListWanted);
        QVERIFY(!control(entry, "Combo2")->isEnabled());
        control<QComboBox>(entry, "Combo1")->setCurrentIndex(30);
        QVERIFY(control(entry, "Combo2")->isEnabled());
        QVERIFY(!control(entry, "Text1")->isEnabled() && !control(entry, "Combo3")->isEnabled());
        control<QComboBox>(entry, "Combo2")->setCurrentIndex(1);
        QVERIFY(control(entry, "Text1")->isEnabled() && control(entry, "Combo3")->isEnabled());
        typeInto(entry, QStringLiteral("x"));
        QVERIFY(control(entry, "Command2")->isEnabled());
        typeInto(entry, QString());
        QVERIFY(!control(entry, "Command2")->isEnabled());
        typeInto(entry, QStringLiteral("x"));
        entry->close();
        QTRY_VERIFY(entry.isNull());
        QCOMPARE(q.fileBytes(), QByteArray());
        QCOMPARE(relist.size(), 0);
        QCOMPARE(q.paused, (QList<bool>{true, false}));
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
        QCOMPARE(q.shown().count(yazim(MarEarly)), twins ? 2 : 1);
        q.select(0);
        click(q.window.get(), "Command3");
        QPointer<PlanEntryWindow> entry = q.entry();
        QVERIFY(entry);
        QCOMPARE(q.t.ctx.state.entryMode, QStringLiteral("old"));
        QCOMPARE(q.t.ctx.state.selHour, QStringLiteral("00:30"));
        QCOMPARE(entry->windowTitle(), QString::fromUtf8("Kayıt Düzeltme"));
        QCOMPARE(control<QPushButton>(entry, "Command2")->text(), QStringLiteral("Kaydet"));
        QCOMPARE(control<QComboBox>(entry, "Combo1")->currentIndex(), 4);
        QCOMPARE(control<QComboBox>(entry, "Combo2")->currentIndex(), 2);
        QCOMPARE(control<QComboBox>(entry, "Combo3")->currentIndex(), 1);
        QVERIFY(control(entry, "Combo3")->isVisible());
        QCOMPARE(control<QPlainTextEdit>(entry, "Text1")->toPlainText(), MarEarly.text);
        QCOMPARE(q.fileBytes(), before); // nothing leaves the file while the window is open

        typeInto(entry, QStringLiteral("changed"));
        control<QComboBox>(entry, "Combo3")->setCurrentIndex(0);
        if (save)
            click(entry, "Command2");
        else
            entry->close();
        QTRY_VERIFY(entry.isNull());
        const PlanRecord changed{3, 5, NoHour, 0, QStringLiteral("changed")};
        if (save) {
            QCOMPARE(q.store.readPlans().value, (QList<PlanRecord>{Jan, MarNextDay, changed}));
            QCOMPARE(q.shown(), (QStringList{yazim(changed), yazim(MarNextDay)}));
        } else {
            QCOMPARE(q.fileBytes(), before);
            QCOMPARE(q.shown().count(yazim(MarEarly)), twins ? 2 : 1);
        }
        QVERIFY(!q.t.ctx.state.planEntryOpen);
    }

    void monthBlocksTodayAndAllPlans() {
        Query q({MarNextDay, Jan, MarEarly, Dec, MarAllDay});
        const QStringList jan{yazim(Jan)}, dec{yazim(Dec)};
        const QStringList mar{yazim(MarAllDay), yazim(MarEarly), yazim(MarNextDay)};
        QVERIFY(!q.enabled("Command3") && !q.enabled("Command4"));
        q.choose(2);
        q.choose(0);
        q.choose(2); // a month already shown is not added again
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
        typeInto(q.entry(), QStringLiteral("new"));
        click(q.entry(), "Command2");
        QTRY_VERIFY(q.shown().isEmpty()); // no month was flagged

        q.choose(2);
        q.choose(PlanQueryWindow::ClearList);
        QVERIFY(q.shown().isEmpty());
        QVERIFY(!q.enabled("Command3") && !q.enabled("Command4"));
        q.window->reList();
        QVERIFY(q.shown().isEmpty());
    }

    void ticksEnableDeleteSelected() {
        Query q({MarNextDay, Jan, MarEarly, MarEarly});
        q.choose(2);
        QVERIFY(!q.enabled("Command6"));
        q.tick(2);
        QVERIFY(q.enabled("Command6"));
        q.tick(2, false);
        QVERIFY(!q.enabled("Command6"));
        q.tick(2);
        q.choose(0); // a new block clears the ticks, the button keeps its state
        QVERIFY(!q.window->lineModel()->anyTicked());
        QVERIFY(q.enabled("Command6"));
        click(q.window.get(), "Command6");
        QVERIFY(!q.enabled("Command6"));
        QCOMPARE(q.store.readPlans().value.size(), 4);

        q.tick(0); // one of the two identical lines
        q.tick(3); // January
        click(q.window.get(), "Command6");
        QCOMPARE(q.store.readPlans().value, QList<PlanRecord>{MarNextDay});
        QCOMPARE(q.shown(), QStringList{yazim(MarNextDay)});
        QVERIFY(!q.enabled("Command6"));
        QVERIFY(q.t.prompter.boxes.isEmpty());
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
        QCOMPARE(q.t.prompter.boxes[0].title, QStringLiteral("UYARI!"));
        QCOMPARE(q.t.prompter.boxes[0].text,
                 QString::fromUtf8("Tüm planlarınızı silmek istediğinizden emin misiniz?"));
        QCOMPARE(q.fileBytes(), yes ? QByteArray() : before);
        QCOMPARE(q.shown().size(), yes ? 0 : 2);
        QVERIFY(q.t.ctx.state.monthFlags[1] && q.enabled("Command3")); // flags and buttons stay

        // Buttons left enabled over an empty list, or with no line selected, do nothing.
        click(q.window.get(), "Command3");
        click(q.window.get(), "Command4");
        QVERIFY(!q.entry());
        QCOMPARE(control(q.window.get(), "Frame3")->y(), 3500 / 15);
    }

    void detailPanelShowsTheWholeText() {
        const PlanRecord longPlan{3, 7, 8, 0, QString(200, QLatin1Char('w')) + QStringLiteral("end")};
        Query q({longPlan, MarEarly});
        q.choose(2);
        q.select(1);
        auto* frame = control<QGroupBox>(q.window.get(), "Frame3");
        click(q.window.get(), "Command4");
        QCOMPARE(frame->y(), 0);
        QCOMPARE(control<QPlainTextEdit>(frame, "Text1")->toPlainText(), longPlan.text);
        click(frame, "Command5");
        QCOMPARE(frame->y(), 3500 / 15);

        QVERIFY(q.store.removePlansByLine({yazim(longPlan)}).ok()); // changed behind the window's back
        click(q.window.get(), "Command4");
        QCOMPARE(control<QPlainTextEdit>(frame, "Text1")->toPlainText(), QString());
    }

    void englishEntryWindow_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("button");
        QTest::newRow("new") << QStringLiteral("new") << QStringLiteral("Add Record")
                             << QStringLiteral("Add");
        QTest::newRow("old") << QStringLiteral("old") << QStringLiteral("Edit Record")
                             << QStringLiteral("Save");
    }
    void englishEntryWindow() {
        QFETCH(QString, mode);
        QFETCH(QString, title);
        QFETCH(QString, button);
        TestContext t;
        t.ctx.state.language = Language::English;
        t.ctx.state.entryMode = mode;
        PlanEntryWindow entry(t.ctx);
        QCOMPARE(entry.windowTitle(), title);
        QCOMPARE(control<QPushButton>(&entry, "Command2")->text(), button);
        QCOMPARE(control<QLabel>(&entry, "Label3")->text(), QStringLiteral("Hour"));
    }

    void fileErrorsAreReportedNamingTheFile() {
        Query q;
        click(q.window.get(), "Command2");
        QPointer<PlanEntryWindow> entry = q.entry();
        typeInto(entry, QStringLiteral("keep me"));
        QVERIFY(QFile::remove(q.store.path()) && QDir(q.t.dir.path()).mkdir(QStringLiteral("myfile.kyt")));
        click(entry, "Command2");
        QVERIFY(entry && entry->isVisible()); // typed text is not thrown away
        q.choose(2);
        q.choose(PlanQueryWindow::AllPlans);
        QCOMPARE(q.t.prompter.boxes.size(), 3);
        for (const auto& box : q.t.prompter.boxes) {
            QCOMPARE(box.kind, BoxKind::Critical);
            QVERIFY(box.text.contains(QStringLiteral("myfile.kyt")));
        }
        QVERIFY(q.shown().isEmpty());
        entry->close();
    }

    void trayMenuWindowFollowsTheLanguageAndTheCalendarsReachIt() {
        TestContext t;
        shell::MainForm form(t.ctx);
        QVERIFY(form.start());
        PlanStore(t.file(QStringLiteral("myfile.kyt"))).appendPlan(MarEarly);
        QAction* plnlr = form.menu()->findChild<QAction*>(QStringLiteral("plnlr"));
        plnlr->trigger();
        QPointer<QWidget> window = form.windows().loaded(lang::PlanQuery);
        QVERIFY(window && window->objectName() == QStringLiteral("Form5") && plnlr->isChecked());
        auto* chooser = control<QListWidget>(window, "List2");
        QCOMPARE(chooser->count(), 15);
        auto* query = static_cast<PlanQueryWindow*>(window.data());
        chooser->setCurrentRow(2);
        chooser->scrollToItem(chooser->item(2));
        QTest::mousePress(chooser->viewport(), Qt::LeftButton, {},
                          chooser->visualItemRect(chooser->item(2)).center());
        query->lineModel()->setData(query->lineModel()->index(0), Qt::Checked, Qt::CheckStateRole);

        form.menu()->findChild<QAction*>(QStringLiteral("eng"))->trigger();
        QCOMPARE(window->windowTitle(), QStringLiteral("Record Query"));
        QCOMPARE(control<QLabel>(window, "Label8")->text(), QStringLiteral("      Date    Hour    Record"));
        QCOMPARE(control<QPushButton>(window, "Command6")->text(), QStringLiteral("Delete Selected"));
        QCOMPARE(chooser->count(), 15);
        QCOMPARE(chooser->item(14)->text(), QStringLiteral("Clear List"));
        QCOMPARE(chooser->currentRow(), 2);
        QVERIFY(chooser->item(2)->isSelected());
        QCOMPARE(query->lineModel()->lines(), QStringList{yazim(MarEarly)});
        QVERIFY(query->lineModel()->ticked(0));
        QVERIFY(window->isVisible());

        // A calendar day opens plan entry through the context; the stored plan shows in the open list.
        t.ctx.state.entryMode = QStringLiteral("new");
        t.ctx.state.selDay = QStringLiteral("9");
        t.ctx.state.selMonth = QStringLiteral("03");
        t.ctx.openPlanEntry(nullptr);
        QPointer<PlanEntryWindow> entry;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* e = qobject_cast<PlanEntryWindow*>(w); e && e->isVisible())
                entry = e;
        QVERIFY(entry);
        QCOMPARE(entry->windowTitle(), QStringLiteral("Add Record"));
        typeInto(entry, QStringLiteral("from the calendar"));
        click(entry, "Command2");
        QTRY_VERIFY(entry.isNull());
        QCOMPARE(query->lineModel()->lines(),
                 (QStringList{yazim(MarEarly), yazim(3, 9, NoHour, 0, QStringLiteral("from the calendar"))}));

        window->close();
        QTRY_VERIFY(window.isNull());
        QVERIFY(!plnlr->isChecked());
    }
};

QTEST_MAIN(TestPlanWindows)
#include "tst_plan_windows.moc"
