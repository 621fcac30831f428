#include "calendar/month_browser_window.h"
#include "calendar/month_calendar_window.h"
#include "fakes/fake_services.h"
#include "fakes/file_helpers.h"
#include "lang/language_aware.h"
#include "lang/vocabulary.h"
#include "shell/bookkeeping.h"
#include "shell/main_form.h"
#include "shell/tray_events.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace velkor;
using velkor::testing::readAll;
using velkor::testing::writeAll;
using namespace velkor::shell;
using velkor::testing::TestContext;

namespace {

QAction* item(MainForm& form, const char* name) {
    return form.menu()->findChild<QAction*>(QString::fromLatin1(name));
}

// A window that only records what the shell asks of it.
class FakeWindow final : public QWidget, public lang::LanguageAware {
public:
    explicit FakeWindow(int code) : m_code(code) {}
    int windowCode() const override { return m_code; }
    void applyLanguage(Language language) override { applied.append(language); }
    QList<Language> applied;

private:
    int m_code;
};

void rightClick(QWidget* window) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), window->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(window, &event);
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void firstStartThenSecondStartThenCleanExit() {
        TestContext t;
        {
            MainForm form(t.ctx);
            QVERIFY(form.start());
            QCOMPARE(readAll(t.file(QStringLiteral("myfile.kyt"))), QByteArray());
            // The start mark 3000,1,1,1,1 is replaced by the first reminder tick's stamp.
            QCOMPARE(readAll(t.file(QStringLiteral("tarih.kyt"))), QByteArray("2026,3,5,9,0\r\n"));
            QCOMPARE(readAll(t.file(QStringLiteral("sc.kyt"))), QByteArray("1\r\n"));
            QCOMPARE(readAll(t.file(QStringLiteral("options.prg"))), QByteArray("\"tr\"\r\n"));
            QCOMPARE(t.autostart.registered.size(), 1);
            QCOMPARE(form.iconDay(), 5);
            QCOMPARE(form.trayTip(), QStringLiteral("5.3.2026"));
            QVERIFY(!form.trayIcon()->icon().availableSizes().isEmpty()); // the shipped icon was found
            QVERIFY(t.prompter.boxes.isEmpty());
        }
        MainForm form(t.ctx);
        QVERIFY(form.start());
        QCOMPARE(t.autostart.registered.size(), 1); // not a first start any more
        t.clock.set(QDateTime(QDate(2026, 11, 14), QTime(23, 59, 42)));
        form.reminders().tick();
        QVERIFY(form.finish());
        QVERIFY(form.finish()); // a second call (e.g. aboutToQuit after kpt) changes nothing
        QCOMPARE(readAll(t.file(QStringLiteral("tarih.kyt"))), QByteArray("2026,11,14,23,59\r\n"));

        // The next start appends its mark after the exit record; only the first record counts.
        const Bookkeeping files(t.ctx.dataDir);
        QVERIFY(files.stampStart().ok());
        QCOMPARE(readAll(t.file(QStringLiteral("tarih.kyt"))),
                 QByteArray("2026,11,14,23,59\r\n3000,1,1,1,1\r\n"));
        QCOMPARE(files.readLastExit(), QDateTime(QDate(2026, 11, 14), QTime(23, 59)));
    }

    void interruptedRewriteOfAnOlderReleaseIsRestored() {
        TestContext t;
        QFile temp(t.file(QStringLiteral("temp.kyt")));
        QVERIFY(temp.open(QIODevice::WriteOnly));
        temp.write("3,15,9,30,\"Dentist\"\r\n");
        temp.close();
        MainForm form(t.ctx);
        QVERIFY(form.start());
        QCOMPARE(readAll(t.file(QStringLiteral("myfile.kyt"))), QByteArray("3,15,9,30,\"Dentist\"\r\n"));
        QVERIFY(!QFile::exists(t.file(QStringLiteral("temp.kyt"))));
    }

    void unusableDataFileStopsWithOneClearMessage() {
        TestContext t;
        QVERIFY(QDir(t.dir.path()).mkdir(QStringLiteral("myfile.kyt")));
        MainForm form(t.ctx);
        QVERIFY(!form.start());
        QCOMPARE(t.prompter.boxes.size(), 1);
        QCOMPARE(t.prompter.boxes[0].kind, BoxKind::Critical);
        QVERIFY(t.prompter.boxes[0].text.contains(QStringLiteral("myfile.kyt")));
    }

    void trayEventsAreFiltered_data() {
        QTest::addColumn<int>("reason");
        QTest::addColumn<bool>("planEntryOpen");
        QTest::addColumn<bool>("dirEditorOpen");
        QTest::addColumn<int>("action");
        QTest::newRow("double click")
            << int(QSystemTrayIcon::DoubleClick) << false << false << int(TrayAction::ToggleCalendar);
        QTest::newRow("right button")
            << int(QSystemTrayIcon::Context) << false << false << int(TrayAction::ShowMenu);
        QTest::newRow("left click") << int(QSystemTrayIcon::Trigger) << false << false
                                    << int(TrayAction::None);
        QTest::newRow("middle click")
            << int(QSystemTrayIcon::MiddleClick) << false << false << int(TrayAction::None);
        QTest::newRow("plan entry open")
            << int(QSystemTrayIcon::Context) << true << false << int(TrayAction::None);
        QTest::newRow("dir editor open")
            << int(QSystemTrayIcon::DoubleClick) << false << true << int(TrayAction::None);
    }
    void trayEventsAreFiltered() {
        QFETCH(int, reason);
        QFETCH(bool, planEntryOpen);
        QFETCH(bool, dirEditorOpen);
        QFETCH(int, action);
        SharedState state;
        state.planEntryOpen = planEntryOpen;
        state.dirEditorOpen = dirEditorOpen;
        QCOMPARE(int(trayActionFor(QSystemTrayIcon::ActivationReason(reason), state)), action);
    }

    void rightButtonOpensTheMenuOnlyWhenNoEditorIsOpen() {
        TestContext t;
        MainForm form(t.ctx);
        QVERIFY(form.start());
        t.ctx.state.planEntryOpen = true;
        form.handleTrayEvent(QSystemTrayIcon::Context);
        QVERIFY(!form.menu()->isVisible());
        t.ctx.state.planEntryOpen = false;
        form.handleTrayEvent(QSystemTrayIcon::Context);
        QVERIFY(form.menu()->isVisible());
        form.menu()->hide();
    }

    void menuMarksFollowTheirWindows() {
        TestContext t;
        MainForm form(t.ctx);
        QVERIFY(form.start());
        form.windows().setFactory(lang::Help, [] { return new FakeWindow(lang::Help); });
        QAction* hlp = item(form, "hlp");

        hlp->trigger();
        QVERIFY(hlp->isChecked());
        QPointer<QWidget> window = form.windows().loaded(lang::Help);
        QVERIFY(window && window->isVisible());

        hlp->trigger();
        QVERIFY(!hlp->isChecked());
        QVERIFY(!form.windows().loaded(lang::Help));
        QTRY_VERIFY(window.isNull()); // destroyed, not merely hidden

        // The window's own close clears the mark too.
        hlp->trigger();
        form.windows().loaded(lang::Help)->close();
        QTRY_VERIFY(!hlp->isChecked());

        // Items whose windows cannot be made never show a mark.
        form.windows().setFactory(lang::Directory, []() -> QWidget* { return nullptr; });
        item(form, "rhbr")->trigger();
        QVERIFY(!item(form, "rhbr")->isChecked());
        item(form, "mkpt")->trigger();
        QVERIFY(t.prompter.boxes.isEmpty());
    }

    void languageSwitchChangesWordsOnlyAndLoadsNoWindow() {
        TestContext t;
        MainForm form(t.ctx);
        QVERIFY(form.start());
        form.windows().setFactory(lang::Help, [] { return new FakeWindow(lang::Help); });
        form.windows().setFactory(lang::About, [] { return new FakeWindow(lang::About); });
        item(form, "hlp")->trigger();

        item(form, "eng")->trigger();
        QCOMPARE(readAll(t.file(QStringLiteral("options.prg"))), QByteArray("\"eng\"\r\n"));
        QVERIFY(item(form, "eng")->isChecked());
        QVERIFY(!item(form, "trk")->isChecked());
        QCOMPARE(item(form, "plnlr")->text(), QStringLiteral("Records"));
        QCOMPARE(item(form, "kpt")->text(), QStringLiteral("Exit program"));
        QCOMPARE(form.menu()->findChild<QMenu*>(QStringLiteral("Lngg"))->title(), QStringLiteral("Dil"));
        QCOMPARE(static_cast<FakeWindow*>(form.windows().loaded(lang::Help))->applied,
                 QList<Language>{Language::English});
        QVERIFY(!form.windows().loaded(lang::About));
        QVERIFY(form.windows().loaded(lang::Help)->isVisible());

        item(form, "trk")->trigger();
        QCOMPARE(item(form, "plnlr")->text(), QString::fromUtf8("Kayıtlar"));
        QCOMPARE(item(form, "trk")->text(), QStringLiteral("Turkish"));

        // The choice is read back at the next start.
        item(form, "eng")->trigger();
        MainForm next(t.ctx);
        t.ctx.state.language = Language::Turkish;
        QVERIFY(next.start());
        QCOMPARE(t.ctx.state.language, Language::English);
        QCOMPARE(next.menu()->findChild<QAction*>(QStringLiteral("ntd"))->text(), QStringLiteral("Notebook"));
    }

    void trayTogglesTheCalendarAndHidesTheBrowser() {
        TestContext t;
        MainForm form(t.ctx);
        form.setTrayProbe([] { return true; });
        QVERIFY(form.start());
        QVERIFY(!form.windows().loaded(lang::MonthCalendar)); // not shown at start while a tray is there
        QAction* tkvm = item(form, "tkvm");

        form.handleTrayEvent(QSystemTrayIcon::DoubleClick);
        QPointer<QWidget> calendar = form.windows().loaded(lang::MonthCalendar);
        QVERIFY(calendar && calendar->isVisible() && tkvm->isChecked());
        QPushButton* caret = calendar->findChild<QPushButton*>(QStringLiteral("Command5"));
        caret->click();
        QWidget* browser = form.windows().loaded(lang::MonthBrowser);
        QVERIFY(browser && browser->isVisible());
        caret->click();
        QVERIFY(!browser->isVisible());
        caret->click();
        rightClick(calendar); // with a tray the icon has the menu
        QVERIFY(!form.menu()->isVisible());

        tkvm->trigger();
        QVERIFY(!calendar->isVisible() && !tkvm->isChecked() && !browser->isVisible());
        QCOMPARE(form.windows().loaded(lang::MonthCalendar), calendar.data()); // hidden, still loaded

        form.handleTrayEvent(QSystemTrayIcon::DoubleClick);
        QCOMPARE(form.windows().loaded(lang::MonthCalendar), calendar.data());
        QVERIFY(calendar->isVisible() && tkvm->isChecked());

        // The language follows into both windows; their months stay.
        item(form, "eng")->trigger();
        QCOMPARE(calendar->findChild<QLabel*>(QStringLiteral("Label2_48"))->text(), QStringLiteral("M"));
        QCOMPARE(browser->windowTitle(), QStringLiteral("MARCH2026"));

        calendar->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        QTRY_VERIFY(calendar.isNull());
        QVERIFY(!tkvm->isChecked());
        QCOMPARE(form.windows().loaded(lang::MonthBrowser), browser); // keeps its month for next time
        QVERIFY(!browser->isVisible());
    }

    void withoutATrayTheCalendarStandsInForTheIcon() {
        TestContext t;
        bool tray = false;
        MainForm form(t.ctx);
        form.setTrayProbe([&tray] { return tray; });
        QVERIFY(form.start());
        QWidget* calendar = form.windows().loaded(lang::MonthCalendar);
        QAction* tkvm = item(form, "tkvm");
        QVERIFY(calendar && calendar->isVisible() && tkvm->isChecked());

        rightClick(calendar);
        QVERIFY(form.menu()->isVisible());
        form.menu()->hide();

        // Nothing could bring it back, so it stays.
        tkvm->trigger();
        calendar->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        QCOMPARE(form.windows().loaded(lang::MonthCalendar), calendar);
        QVERIFY(calendar->isVisible() && tkvm->isChecked());

        tray = true; // a tray has appeared
        rightClick(calendar);
        QVERIFY(!form.menu()->isVisible());
        form.handleTrayEvent(QSystemTrayIcon::DoubleClick);
        QVERIFY(!calendar->isVisible() && !tkvm->isChecked());
    }

    void exitItemEndsWithStatusZero() {
        TestContext t;
        MainForm form(t.ctx);
        QVERIFY(form.start());
        QSignalSpy exits(&form, &MainForm::exitRequested);
        item(form, "kpt")->trigger();
        QCOMPARE(exits.size(), 1);
        QCOMPARE(exits[0][0].toInt(), 0);
        QCOMPARE(readAll(t.file(QStringLiteral("tarih.kyt"))), QByteArray("2026,3,5,9,0\r\n"));
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
