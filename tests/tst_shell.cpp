#include "fakes/fake_services.h"
#include "fakes/file_helpers.h"
#include "lang/vocabulary.h"
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

// A started shell on a fresh data directory; `tray` answers whether the desktop shows a tray.
struct Shell {
    TestContext t;
    bool tray;
    MainForm form{t.ctx};
    explicit Shell(bool withTray = true) : tray(withTray) {
        form.setTrayProbe([this] { return tray; });
        if (!form.start())
            qFatal("the shell did not start");
    }
    QAction* item(const char* name) const { return form.menu()->findChild<QAction*>(name); }
    QWidget* loaded(int code) { return form.windows().loaded(code); }
};

void rightClick(QWidget* window) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), window->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(window, &event);
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void startThenExitFromTheMenu() {
        TestContext t;
        QVERIFY(writeAll(t.file("temp.kyt"), "3,15,9,30,\"Dentist\"\r\n")); // an older release's torn rewrite
        MainForm form(t.ctx);
        QVERIFY(form.start());
        QCOMPARE(readAll(t.file("myfile.kyt")), QByteArray("3,15,9,30,\"Dentist\"\r\n"));
        QVERIFY(!QFile::exists(t.file("temp.kyt")));
        // The start mark 3000,1,1,1,1 is replaced by the first reminder tick's stamp.
        QCOMPARE(readAll(t.file("tarih.kyt")), QByteArray("2026,3,5,9,0\r\n"));
        QVERIFY(!form.trayIcon()->icon().availableSizes().isEmpty()); // the shipped icon was found
        t.clock.set(QDateTime(QDate(2026, 11, 14), QTime(23, 59, 42)));
        form.reminders().tick();
        QSignalSpy exits(&form, &MainForm::exitRequested);
        form.menu()->findChild<QAction*>("kpt")->trigger();
        QVERIFY(exits.size() == 1 && exits[0][0].toInt() == 0);
        QCOMPARE(readAll(t.file("tarih.kyt")), QByteArray("2026,11,14,23,59\r\n"));
        // A second call (aboutToQuit after kpt) writes nothing, so it cannot fail.
        QVERIFY(QFile::remove(t.file("tarih.kyt")) && QDir(t.dir.path()).mkdir("tarih.kyt"));
        QVERIFY(form.finish());
    }

    void trayEventsAreFiltered_data() {
        QTest::addColumn<TrayProtocol>("protocol");
        QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
        QTest::addColumn<int>("editorOpen"); // 1: plan entry, 2: directory record editor
        QTest::addColumn<TrayAction>("action");
        const auto x = TrayProtocol::XEmbed, sni = TrayProtocol::StatusNotifier;
        QTest::newRow("double click") << x << QSystemTrayIcon::DoubleClick << 0 << TrayAction::ToggleCalendar;
        QTest::newRow("plan entry open") << x << QSystemTrayIcon::Context << 1 << TrayAction::None;
        QTest::newRow("dir editor open") << x << QSystemTrayIcon::DoubleClick << 2 << TrayAction::None;
        // A StatusNotifier host activates with one click and never sends a double click.
        QTest::newRow("SNI, plan entry open") << sni << QSystemTrayIcon::Trigger << 1 << TrayAction::None;
    }
    void trayEventsAreFiltered() {
        QFETCH(TrayProtocol, protocol);
        QFETCH(QSystemTrayIcon::ActivationReason, reason);
        QFETCH(int, editorOpen);
        QFETCH(TrayAction, action);
        Shell s;
        s.form.useTrayProtocol(protocol);
        s.t.ctx.state.planEntryOpen = editorOpen == 1;
        s.t.ctx.state.dirEditorOpen = editorOpen == 2;
        s.form.handleTrayEvent(reason); // with a tray the calendar is not shown at start
        QCOMPARE(s.form.menu()->isVisible(), action == TrayAction::ShowMenu);
        QCOMPARE(s.loaded(lang::MonthCalendar) != nullptr, action == TrayAction::ToggleCalendar);
    }

    void languageSwitchChangesWordsOnlyAndLoadsNoWindow() {
        Shell s;
        // Items whose windows cannot be made never show a mark.
        s.form.windows().setFactory(lang::Directory, []() -> QWidget* { return nullptr; });
        s.item("rhbr")->trigger();
        QVERIFY(!s.item("rhbr")->isChecked() && s.t.prompter.boxes.isEmpty());
        s.item("hlp")->trigger();
        QPointer<QWidget> help = s.loaded(lang::Help);
        s.item("eng")->trigger();
        QCOMPARE(readAll(s.t.file("options.prg")), QByteArray("\"eng\"\r\n"));
        QVERIFY(s.item("eng")->isChecked() && !s.item("trk")->isChecked());
        QCOMPARE(s.form.windows().loadedWindows(), QList<QWidget*>{help}); // still shown, in English
        QVERIFY(help->isVisible() && help->windowTitle() == "Help");

        // The choice is read back at the next start.
        MainForm next(s.t.ctx);
        QVERIFY(next.start());
        QCOMPARE(next.menu()->findChild<QAction*>("ntd")->text(), "Notebook");
        s.item("hlp")->trigger();
        QVERIFY(!s.item("hlp")->isChecked() && !s.loaded(lang::Help));
        QTRY_VERIFY(help.isNull()); // destroyed, not merely hidden
    }

    // Without a tray nothing else shows the program: the calendar stands in for the icon.
    void calendarHidesOnlyWhereTheTrayCanBringItBack_data() {
        QTest::addColumn<bool>("tray");
        QTest::newRow("tray") << true;
        QTest::newRow("no tray") << false;
    }
    void calendarHidesOnlyWhereTheTrayCanBringItBack() {
        QFETCH(bool, tray);
        Shell s(tray);
        QAction* tkvm = s.item("tkvm");
        QCOMPARE(s.loaded(lang::MonthCalendar) != nullptr, !tray);
        s.form.handleTrayEvent(QSystemTrayIcon::DoubleClick);
        QPointer<QWidget> calendar = s.loaded(lang::MonthCalendar);
        QVERIFY(calendar && calendar->isVisible() && tkvm->isChecked());
        rightClick(calendar);
        QCOMPARE(s.form.menu()->isVisible(), !tray);
        s.form.menu()->hide();
        QPushButton* caret = calendar->findChild<QPushButton*>("Command5");
        caret->click();
        QWidget* browser = s.loaded(lang::MonthBrowser);
        QVERIFY(browser && browser->isVisible());

        tkvm->trigger();
        QVERIFY(calendar->isVisible() != tray && tkvm->isChecked() != tray && !browser->isVisible());
        s.form.handleTrayEvent(QSystemTrayIcon::DoubleClick);
        QVERIFY(s.loaded(lang::MonthCalendar) == calendar && calendar->isVisible() && tkvm->isChecked());

        QPushButton* close = calendar->findChild<QPushButton*>("Command1");
        close->click();
        if (!tray) {
            QVERIFY(s.loaded(lang::MonthCalendar) == calendar && calendar->isVisible() && tkvm->isChecked());
            s.tray = true; // a tray has appeared
            rightClick(calendar);
            QVERIFY(!s.form.menu()->isVisible());
            close->click();
        }
        QTRY_VERIFY(calendar.isNull());
        QVERIFY(!tkvm->isChecked() && !browser->isVisible());
        QCOMPARE(s.loaded(lang::MonthBrowser), browser); // keeps its month for next time
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
