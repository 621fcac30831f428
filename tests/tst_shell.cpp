#include "core/lang/vocabulary.h"
#include "fakes/fake_services.h"
#include "fakes/window_helpers.h"
#include "shell/autostart_writer.h"
#include "shell/data_folder.h"
#include "shell/exit_signals.h"
#include "shell/help_window.h"
#include "shell/main_form.h"
#include "shell/single_instance.h"
#include "shell/window_code.h"

#include <QtWidgets>

#include <csignal>

using namespace velkor::shell;

namespace {

QString shown(QWidget& window) {
    return window.findChild<QTextBrowser*>()->toPlainText(); // the page, the window's one browser
}

QString entryLine(const QByteArray& entry, const QString& key) {
    const QRegularExpression line(u"^"_s + key + u"=(.*)$"_s, QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(entry)).captured(1);
}

// The XDG autostart folder in a temporary place, and a context whose starts write the real entry there.
struct TemporaryConfigHome {
    QTemporaryDir dir;
    QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    bool set = qputenv("XDG_CONFIG_HOME", dir.path().toUtf8()); // before the writer reads it
    XdgAutostartWriter writer;
    TestContext t;
    TemporaryConfigHome() { t.ctx.autostart = &writer; }
    ~TemporaryConfigHome() { qputenv("XDG_CONFIG_HOME", saved); }
    QString entry() const { return dir.filePath(u"autostart/Velkor.desktop"_s); }
};

// A started shell with a tray, on a fresh data directory.
struct Shell {
    TestContext t;
    MainForm form{t.ctx};
    Shell() {
        form.setTrayProbe([] { return true; });
        if (!form.start())
            qFatal("the shell did not start");
    }
    QAction* item(const char* name) const { return form.menu()->findChild<QAction*>(name); }
    QWidget* loaded(int code) { return form.windows().loaded(code); }
};

// Whether the program folder is writable, the user folder's plans before (null: nothing yet) and after, what
// is told.
using Handover = std::tuple<bool, QByteArray, QByteArray, QString>;

// How the program is left, whether the save fails, the note file after, whether the program ends.
using UnsavedExit = std::tuple<int, bool, QByteArray, bool>;

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
        QVERIFY(blockWithFolder(t.file("tarih.kyt")));
        QVERIFY(form.finish());
    }

    void languageSwitchChangesWordsOnlyAndLoadsNoWindow() {
        Shell s;
        // Items whose windows cannot be made never show a mark.
        s.form.windows().setFactory(shell::Directory, []() -> QWidget* { return nullptr; });
        s.item("rhbr")->trigger();
        QVERIFY(!s.item("rhbr")->isChecked() && s.t.prompter.boxes.isEmpty());
        s.item("hlp")->trigger();
        QPointer<QWidget> help = s.loaded(shell::Help);
        s.item("eng")->trigger();
        QCOMPARE(readAll(s.t.file("options.prg")), QByteArray("\"eng\"\r\n"));
        QVERIFY(s.item("eng")->isChecked() && !s.item("trk")->isChecked());
        QCOMPARE(s.form.windows().loadedWindows(), QList<QWidget*>{help}); // still shown, in English
        QVERIFY(help->isVisible() && help->windowTitle() == "Help");
        s.item("hlp")->trigger();
        QVERIFY(!s.item("hlp")->isChecked() && !s.loaded(shell::Help));
        QTRY_VERIFY(help.isNull()); // destroyed, not merely hidden
    }

    // The calendar hides and comes back from the tray; its month browser is kept for next time.
    void calendarHidesAndComesBackFromTheTray() {
        Shell s;
        QAction* tkvm = s.item("tkvm");
        QVERIFY(!s.loaded(shell::MonthCalendar)); // with a tray it is not shown at start
        s.form.handleTrayEvent(QSystemTrayIcon::DoubleClick);
        QPointer<QWidget> calendar = s.loaded(shell::MonthCalendar);
        QVERIFY(calendar && calendar->isVisible() && tkvm->isChecked());
        auto* browserButton = named<QPushButton>(calendar, u"Diğer aylar"_s);
        browserButton->click(); // the month browser; a second click hides it, a third shows it again
        QWidget* browser = s.loaded(shell::MonthBrowser);
        QVERIFY(browser && browser->isVisible());
        browserButton->click();
        QVERIFY(!browser->isVisible());
        browserButton->click();
        QVERIFY(s.loaded(shell::MonthBrowser) == browser && browser->isVisible());

        tkvm->trigger();
        QVERIFY(!calendar->isVisible() && !tkvm->isChecked() && !browser->isVisible());
        s.form.handleTrayEvent(QSystemTrayIcon::DoubleClick);
        QVERIFY(s.loaded(shell::MonthCalendar) == calendar && calendar->isVisible() && tkvm->isChecked());
        named<QPushButton>(calendar, u"Kapat"_s)->click();
        QTRY_VERIFY(calendar.isNull());
        QVERIFY(!tkvm->isChecked() && !browser->isVisible());
        QCOMPARE(s.loaded(shell::MonthBrowser), browser); // keeps its month for next time

        // Without a tray the calendar's right button opens the tray's menu; with one, it does not.
        bool tray = true;
        s.form.setTrayProbe([&] { return tray; });
        s.form.handleTrayEvent(QSystemTrayIcon::DoubleClick);
        for (bool withTray : {true, false}) {
            tray = withTray;
            QContextMenuEvent rightButton(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
            QCoreApplication::sendEvent(s.loaded(shell::MonthCalendar), &rightButton);
            QCOMPARE(s.form.menu()->isVisible(), !withTray);
        }
        s.form.menu()->hide();
    }

    // Installed (bin/velkor), the pages are in share/velkor, not with the data; a missing one is named.
    void pagesFollowTheLanguage() {
        TestContext t;
        QTemporaryDir root;
        const QDir pages(root.filePath(u"Kurulum ğış/share/velkor"_s));
        t.ctx.programDir = root.filePath(u"Kurulum ğış/bin"_s);
        QVERIFY(QDir().mkpath(t.ctx.programDir) && pages.mkpath(u"help/eng/help_eng.htm"_s));
        QVERIFY(writeAll(pages.filePath(u"help/tr/help_tr.htm"_s), "<p>yardım</p>"));
        HelpWindow window(t.ctx);
        QCOMPARE(shown(window), u"yardım"_s);
        lang::useLanguage(Language::English); // a folder stands where the page should be
        QCOMPARE(shown(window), u"page cannot be read: "_s +
                                    QDir::toNativeSeparators(pages.filePath(u"help/eng/help_eng.htm"_s)));
    }

    // The first start registers the real path, once; an entry that cannot be written is told once.
    void autostartRegisteredOnceAtTheRealPath() {
        TemporaryConfigHome config;
        QTemporaryDir elsewhere;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        QVERIFY(MainForm(config.t.ctx).start());
        QDir::setCurrent(previous);
        const QByteArray entry = readAll(config.entry());
        const QFileInfo program(QCoreApplication::applicationFilePath());
        QCOMPARE(entryLine(entry, u"Exec"_s), program.canonicalFilePath());
        QCOMPARE(entryLine(entry, u"Path"_s), program.canonicalPath());
        QVERIFY(!entry.contains(elsewhere.path().toUtf8()));
        // A path the desktop would split or expand is quoted.
        QCOMPARE(entryLine(XdgAutostartWriter::desktopEntry(u"/x$y/velkor"_s), u"Exec"_s),
                 u"\"/x\\\\$y/velkor\""_s);
        QVERIFY(QFile::remove(config.entry()));
        QVERIFY(MainForm(config.t.ctx).start());
        QVERIFY(!QFile::exists(config.entry())); // removed by the user: not made again
        QVERIFY(config.t.prompter.boxes.isEmpty());

        TemporaryConfigHome failing;
        QVERIFY(writeAll(failing.dir.filePath(u"autostart"_s), "not a folder"));
        QVERIFY(MainForm(failing.t.ctx).start() && MainForm(failing.t.ctx).start());
        QCOMPARE(failing.t.prompter.boxes.size(), 1);
        QVERIFY(failing.t.prompter.boxes[0].text.contains(u"autostart"_s));
    }

    void olderFilesTakeOverOnlyWhatHoldsNoData_data() {
        QTest::addColumn<QList<QByteArray>>("ours"); // sc, myfile, tarih before the start; null: none
        QTest::addColumn<QList<bool>>("taken");
        const QByteArray none;
        QTest::newRow("fresh") << QList<QByteArray>{none, none, none} << QList<bool>{true, true, true};
        QTest::newRow("plans and an exit of our own")
            << QList<QByteArray>{none, "5,1,25,0,\"ours\"\r\n", "2026,2,1,10,0\r\n"}
            << QList<bool>{true, false, false};
        QTest::newRow("not a first start")
            << QList<QByteArray>{"1\r\n", none, none} << QList<bool>{false, false, false};
    }
    void olderFilesTakeOverOnlyWhatHoldsNoData() {
        QFETCH(QList<QByteArray>, ours);
        QFETCH(QList<bool>, taken);
        TestContext t;
        const QStringList names{u"sc"_s, u"myfile"_s, u"tarih"_s};
        const QList<QByteArray> older{"1\r\n", "3,4,9,30,\"from the older release\"\r\n",
                                      "2026,3,1,18,0\r\n"};
        for (int i = 0; i < 3; ++i) {
            QVERIFY(writeAll(t.file(names[i] + u".dat"_s), older[i]));
            if (!ours[i].isNull())
                QVERIFY(writeAll(t.file(names[i] + u".kyt"_s), ours[i]));
        }
        QVERIFY(MainForm(t.ctx).start());
        QCOMPARE(readAll(t.file(u"myfile.kyt"_s)) == older[1], taken[1]);
        if (!taken[1] && !ours[1].isEmpty()) // what was ours is still there
            QVERIFY(readAll(t.file(u"myfile.kyt"_s)).startsWith(ours[1]));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(QFile::exists(t.file(names[i] + u".dat"_s)), !taken[i]);
        // The catch-up starts from the older release's last exit (1 March): its plan of 4 March is announced.
        const bool announced =
            !t.prompter.boxes.isEmpty() && t.prompter.boxes.last().text == u"from the older release"_s;
        QCOMPARE(announced, taken[1] && taken[2]);
    }

    // A read-only program folder that holds the user's data: the data moves with them, told once.
    void readOnlyProgramFolderHandsItsDataOver_data() {
        QTest::addColumn<Handover>("row");
        const QByteArray program = "3,4,9,30,\"program folder\"\r\n";
        const QByteArray user = "5,6,25,0,\"user folder\"\r\n";
        QTest::newRow("portable") << Handover{true, QByteArray(), program, QString()};
        QTest::newRow("installed, user folder empty") << Handover{false, QByteArray(), program, u"copied"_s};
        QTest::newRow("installed, both hold data") << Handover{false, user, user, u"uses"_s};
        // The user folder's settings file is a folder: the copy fails half way, undone, and nothing starts.
        QTest::newRow("installed, the copy fails")
            << Handover{false, QByteArray("<folder>"), QByteArray(), u"cannot start"_s};
    }
    void readOnlyProgramFolderHandsItsDataOver() {
        QFETCH(Handover, row);
        const auto& [programWritable, userPlans, plansAfter, told] = row;
        QTemporaryDir programDir, home;
        const QString userDir = home.filePath(u"share/Velkor"_s);
        const QString programPath = programDir.path();
        QVERIFY(writeAll(programPath + u"/myfile.kyt"_s, "3,4,9,30,\"program folder\"\r\n"));
        QVERIFY(writeAll(programPath + u"/sc.kyt"_s, "1\r\n") &&
                writeAll(programPath + u"/options.prg"_s, "\"eng\"\r\n"));
        // The diary, its attached files and the directory go with the plans.
        for (const QString& name : {u"history.mdb"_s, u"files.mdb"_s, u"rehber.mdb"_s})
            QVERIFY(writeAll(programPath + u'/' + name, name.toUtf8().repeated(50)));
        const QStringList programFiles = QDir(programPath).entryList(QDir::Files);
        if (userPlans == "<folder>") {
            QVERIFY(QDir().mkpath(QDir(userDir).filePath(u"options.prg"_s)));
        } else if (!userPlans.isNull()) {
            QVERIFY(writeAll(userDir + u"/myfile.kyt"_s, userPlans) &&
                    writeAll(userDir + u"/options.prg"_s, "\"eng\"\r\n"));
        }
        const WritableProbe probe = [&](const QString& dir) { return programWritable || dir != programPath; };
        QCOMPARE(chooseDataDir(programPath, userDir, [](const QString&) { return false; }).dir, QString());

        for (int start = 0; start < 2; ++start) {
            const DataDirChoice choice = chooseDataDir(programPath, userDir, probe);
            QCOMPARE(choice.dir, programWritable ? programPath : userDir);
            TestContext t;
            const bool fails = userPlans == "<folder>";
            SingleInstance instance(choice.dir);
            QCOMPARE(takeDataFolder(choice, instance, t.prompter),
                     fails ? FolderTaken::CannotStart : FolderTaken::Run);
            QCOMPARE(readAll(QDir(choice.dir).filePath(u"myfile.kyt"_s)), plansAfter);
            if (told == u"copied"_s) {
                for (const QString& name : programFiles)
                    QCOMPARE(readAll(QDir(userDir).filePath(name)),
                             readAll(QDir(programPath).filePath(name)));
            } else if (fails) { // what was copied before the failure is taken back
                QCOMPARE(QDir(userDir).entryList(QDir::Files),
                         QStringList({SingleInstance::lockFileName(), SingleInstance::socketFileName()}));
            }
            // Said at the first start only (a failure at every start), naming both folders.
            QCOMPARE(t.prompter.boxes.size(), (start == 0 || fails) && !told.isEmpty() ? 1 : 0);
            for (const QString& part :
                 {told, QDir::toNativeSeparators(programPath), QDir::toNativeSeparators(userDir)})
                QVERIFY(t.prompter.boxes.isEmpty() || t.prompter.texts().contains(part));
            // The carried-over marker means no first start: autostart is not registered again.
            if (!programWritable && userPlans.isNull())
                QCOMPARE(readAll(QDir(userDir).filePath(u"sc.kyt"_s)), QByteArray("1\r\n"));
        }
    }

    // Typed notebook text at the end: asked about where someone can answer, saved where nobody can.
    void exitWithUnsavedNotebookText_data() {
        QTest::addColumn<UnsavedExit>("row");
        // The choice taken at the exit item's question; -1 SIGTERM, -2 session end.
        const QByteArray typed = "\"typed\"\r\n";
        QTest::newRow("Save") << UnsavedExit{0, false, typed, true};
        QTest::newRow("Cancel: the program goes on") << UnsavedExit{2, false, QByteArray(), false};
        QTest::newRow("Save, but the save fails") << UnsavedExit{0, true, QByteArray(), false};
        QTest::newRow("SIGTERM") << UnsavedExit{-1, false, typed, true};
        QTest::newRow("session about to end") << UnsavedExit{-2, false, typed, false};
    }
    void exitWithUnsavedNotebookText() {
        QFETCH(UnsavedExit, row);
        const auto& [how, saveFails, notes, ends] = row;
        TestContext t;
        MainForm form(t.ctx);
        QVERIFY(form.start());
        form.menu()->findChild<QAction*>(u"ntd"_s)->trigger();
        QPointer<QWidget> notebook = form.windows().loaded(shell::Notebook);
        QTest::keyClicks(named<QPlainTextEdit>(notebook, u"Not"_s), u"typed"_s);
        form.menu()->findChild<QAction*>(u"ntd"_s)->trigger(); // holding typed text: comes to the front
        QVERIFY(notebook && notebook->isVisible() && t.prompter.boxes.isEmpty());
        if (saveFails)
            QVERIFY(blockWithFolder(t.file(u"notes.kyt"_s)));
        if (how == -1) {
            ExitSignals exitSignals;
            connect(&exitSignals, &ExitSignals::exitRequested, &form,
                    [&] { QVERIFY(form.exitUnattended()); });
            std::raise(SIGTERM);
            QTRY_VERIFY(form.finished());
        } else if (how == -2) {
            QVERIFY(form.windows().saveUnsavedWork());
        } else {
            t.prompter.picks.enqueue(how);
            form.menu()->findChild<QAction*>(u"kpt"_s)->trigger();
            QVERIFY(t.prompter.boxes.first().text.startsWith(u"«Not Defteri» penceresinde"_s));
            QCOMPARE(t.prompter.offered.first().size(), 3);
        }
        QCOMPARE(form.finished(), ends);               // the exit step runs only at the end
        QCOMPARE(t.prompter.boxes.isEmpty(), how < 0); // asked only where someone can answer
        QCOMPARE(readAll(t.file(u"notes.kyt"_s)), notes);
        if (how >= 0 && ends)
            QTRY_VERIFY(notebook.isNull());
        else
            QVERIFY(notebook && notebook->isVisible()); // the text stays on screen
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
