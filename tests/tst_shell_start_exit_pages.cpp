#include "fakes/fake_services.h"
#include "fakes/file_helpers.h"
#include "lang/vocabulary.h"
#include "shell/about_window.h"
#include "shell/autostart_writer.h"
#include "shell/bookkeeping.h"
#include "shell/exit_signals.h"
#include "shell/help_window.h"
#include "shell/main_form.h"
#include "support/unsaved_work.h"

#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

#include <csignal>

using namespace velkor;
using velkor::testing::readAll;
using velkor::testing::writeAll;
using namespace velkor::shell;
using namespace Qt::StringLiterals;
using velkor::testing::TestContext;

namespace {

QString shown(QWidget& window) {
    return window.findChild<QTextBrowser*>(u"w1"_s)->toPlainText();
}

QString entryLine(const QByteArray& entry, const QString& key) {
    for (const QString& line : QString::fromUtf8(entry).split(u'\n')) {
        if (line.startsWith(key + u'='))
            return line.mid(key.size() + 1);
    }
    return {};
}

// The XDG autostart folder in a temporary place for one test.
struct TemporaryConfigHome {
    QTemporaryDir dir;
    QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    TemporaryConfigHome() { qputenv("XDG_CONFIG_HOME", dir.path().toUtf8()); }
    ~TemporaryConfigHome() { qputenv("XDG_CONFIG_HOME", saved); }
    QString entry() const { return dir.filePath(u"autostart/Velkor.desktop"_s); }
};

// Opens the notebook from the menu and types into it.
QPointer<QWidget> typeIntoNotebook(MainForm& form, const QString& text) {
    form.menu()->findChild<QAction*>(u"ntd"_s)->trigger();
    QWidget* notebook = form.windows().loaded(lang::Notebook);
    QTest::keyClicks(notebook->findChild<QPlainTextEdit*>(u"Text1"_s), text);
    return notebook;
}

const QByteArray kStartOnly = "3000,1,1,1,1\r\n";
const QByteArray kExitMoment = "2026,3,5,9,0\r\n";

} // namespace

class TestStartExitPages : public QObject {
    Q_OBJECT
private slots:
    void pagesAndTitlesFollowTheLanguage_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("turkishPage");
        QTest::addColumn<QString>("turkishTitle");
        QTest::addColumn<QString>("englishPage");
        QTest::addColumn<QString>("englishTitle");
        QTest::newRow("Form6") << int(lang::Help) << u"help/tr/help_tr.htm"_s << u"Yardım"_s
                               << u"help/eng/help_eng.htm"_s << u"Help"_s;
        QTest::newRow("Form7") << int(lang::About) << u"help/about_tr.htm"_s << u"Velkor Hakkına"_s
                               << u"help/about_eng.htm"_s << u"About Velkor"_s;
    }
    void pagesAndTitlesFollowTheLanguage() {
        QFETCH(int, code);
        QFETCH(QString, turkishPage);
        QFETCH(QString, turkishTitle);
        QFETCH(QString, englishPage);
        QFETCH(QString, englishTitle);
        TestContext t;
        QTemporaryDir programDir; // the pages live beside the program, not with the data
        t.ctx.programDir = programDir.path();
        for (const QString& page : {turkishPage, englishPage})
            QVERIFY(writeAll(programDir.filePath(page), "<p>page " + page.toUtf8() + "</p>"));
        std::unique_ptr<PageWindow> window;
        if (code == lang::Help)
            window = std::make_unique<HelpWindow>(t.ctx);
        else
            window = std::make_unique<AboutWindow>(t.ctx);
        QCOMPARE(window->objectName(), QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(window->windowTitle(), turkishTitle);
        QCOMPARE(shown(*window), u"page "_s + turkishPage);

        window->applyLanguage(Language::English);
        QCOMPARE(window->windowTitle(), englishTitle);
        QCOMPARE(shown(*window), u"page "_s + englishPage);
    }

    void missingPageSaysWhichFile() {
        TestContext t;
        HelpWindow window(t.ctx);
        QVERIFY(shown(window).startsWith(u"page not found"_s));
        QVERIFY(shown(window).contains(QDir::toNativeSeparators(t.dir.filePath(u"help/tr/help_tr.htm"_s))));
    }

    void shippedPagesCoverMenuVersionAndLicence_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("about");
        QTest::newRow("tr") << int(Language::Turkish) << u"help/tr/help_tr.htm"_s << u"help/about_tr.htm"_s;
        QTest::newRow("eng") << int(Language::English) << u"help/eng/help_eng.htm"_s
                             << u"help/about_eng.htm"_s;
    }
    void shippedPagesCoverMenuVersionAndLicence() {
        QFETCH(int, language);
        QFETCH(QString, help);
        QFETCH(QString, about);
        const QString helpText = QString::fromUtf8(readAll(QStringLiteral(VELKOR_SOURCE_DIR "/") + help));
        for (const lang::Caption& caption : lang::captions(lang::MainMenu))
            QVERIFY2(helpText.contains(caption.in(Language(language))), qPrintable(caption.control));
        const QString aboutText = QString::fromUtf8(readAll(QStringLiteral(VELKOR_SOURCE_DIR "/") + about));
        QVERIFY(aboutText.contains(QStringLiteral(VELKOR_VERSION)));
        QVERIFY(aboutText.contains(u"MIT"_s));
    }

    void execLineQuotesWhatTheDesktopWouldSplit_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << u"/opt/velkor/velkor"_s << u"/opt/velkor/velkor"_s;
        QTest::newRow("blank") << u"/home/a b/velkor"_s << u"\"/home/a b/velkor\""_s;
        QTest::newRow("dollar") << u"/x$y/velkor"_s << u"\"/x\\\\$y/velkor\""_s;
        QTest::newRow("percent") << u"/100%/velkor"_s << u"/100%%/velkor"_s;
        QTest::newRow("backslash") << u"/a\\b/velkor"_s << u"\"/a\\\\\\\\b/velkor\""_s;
    }
    void execLineQuotesWhatTheDesktopWouldSplit() {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(entryLine(XdgAutostartWriter::desktopEntry(program), u"Exec"_s), exec);
    }

    void firstStartRegistersOnceAtTheRealPath() {
        TemporaryConfigHome config;
        QTemporaryDir elsewhere;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        TestContext t;
        XdgAutostartWriter writer;
        t.ctx.autostart = &writer;
        QVERIFY(MainForm(t.ctx).start());
        QDir::setCurrent(previous);
        const QByteArray entry = readAll(config.entry());
        const QFileInfo program(QCoreApplication::applicationFilePath());
        QCOMPARE(entryLine(entry, u"Exec"_s), program.canonicalFilePath());
        QCOMPARE(entryLine(entry, u"Path"_s), program.canonicalPath());
        QCOMPARE(entryLine(entry, u"Name"_s), u"Velkor"_s);
        QVERIFY(!entryLine(entry, u"Icon"_s).isEmpty());
        QVERIFY(!entry.contains(elsewhere.path().toUtf8()));

        QVERIFY(QFile::remove(config.entry()));
        QVERIFY(MainForm(t.ctx).start());
        QVERIFY(!QFile::exists(config.entry())); // removed by the user: not made again
        QVERIFY(t.prompter.boxes.isEmpty());
    }

    void autostartFailureIsToldOnceAndStartGoesOn() {
        TemporaryConfigHome config;
        QVERIFY(writeAll(config.dir.filePath(u"autostart"_s), "not a folder"));
        TestContext t;
        XdgAutostartWriter writer;
        t.ctx.autostart = &writer;
        QVERIFY(MainForm(t.ctx).start());
        QVERIFY(MainForm(t.ctx).start());
        QCOMPARE(t.prompter.boxes.size(), 1);
        QCOMPARE(t.prompter.boxes[0].kind, BoxKind::Warning);
        QVERIFY(t.prompter.boxes[0].text.contains(u"autostart"_s));
    }

    void olderFilesTakeOverOnlyWhatHoldsNoData_data() {
        QTest::addColumn<QByteArray>("plans");  // myfile.kyt before the start; null: none
        QTest::addColumn<QByteArray>("exits");  // tarih.kyt before the start
        QTest::addColumn<QByteArray>("marker"); // sc.kyt before the start
        QTest::addColumn<QList<bool>>("taken"); // sc, myfile, tarih
        const QByteArray none;
        QTest::newRow("fresh") << none << none << none << QList<bool>{true, true, true};
        QTest::newRow("empty plans, start records only")
            << QByteArray("") << kStartOnly << none << QList<bool>{true, true, true};
        QTest::newRow("plans and an exit of our own")
            << QByteArray("5,1,25,0,\"ours\"\r\n") << QByteArray("2026,2,1,10,0\r\n") << none
            << QList<bool>{true, false, false};
        QTest::newRow("not a first start")
            << none << none << QByteArray("1\r\n") << QList<bool>{false, false, false};
    }
    void olderFilesTakeOverOnlyWhatHoldsNoData() {
        QFETCH(QByteArray, plans);
        QFETCH(QByteArray, exits);
        QFETCH(QByteArray, marker);
        QFETCH(QList<bool>, taken);
        TestContext t;
        const QStringList names{u"sc"_s, u"myfile"_s, u"tarih"_s};
        const QList<QByteArray> older{"1\r\n", "3,4,9,30,\"from the older release\"\r\n",
                                      "2026,3,1,18,0\r\n"};
        const QList<QByteArray> ours{marker, plans, exits};
        for (int i = 0; i < 3; ++i) {
            QVERIFY(writeAll(t.file(names[i] + u".dat"_s), older[i]));
            if (!ours[i].isNull())
                QVERIFY(writeAll(t.file(names[i] + u".kyt"_s), ours[i]));
        }
        QVERIFY(MainForm(t.ctx).start());
        QCOMPARE(readAll(t.file(u"myfile.kyt"_s)) == older[1], taken[1]);
        if (!taken[1] && !plans.isEmpty()) // what was ours is still there
            QVERIFY(readAll(t.file(u"myfile.kyt"_s)).startsWith(plans));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(QFile::exists(t.file(names[i] + u".dat"_s)), !taken[i]);
        // The catch-up starts from the older release's last exit (1 March): its plan of 4 March is announced.
        const bool announced =
            !t.prompter.boxes.isEmpty() && t.prompter.boxes.last().text == u"from the older release"_s;
        QCOMPARE(announced, taken[1] && taken[2]);
    }

    void exitItemAsksAboutTypedText_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saveFails");
        QTest::addColumn<QByteArray>("notes");
        QTest::newRow("Yes") << int(Answer::Yes) << false << QByteArray("\"typed\"\r\n");
        QTest::newRow("No") << int(Answer::No) << false << QByteArray();
        QTest::newRow("Yes, but the save fails") << int(Answer::Yes) << true << QByteArray();
    }
    void exitItemAsksAboutTypedText() {
        QFETCH(int, answer);
        QFETCH(bool, saveFails);
        QFETCH(QByteArray, notes);
        TestContext t;
        MainForm form(t.ctx);
        QVERIFY(form.start());
        QPointer<QWidget> notebook = typeIntoNotebook(form, u"typed"_s);
        if (saveFails) {
            QVERIFY(QFile::remove(t.file(u"notes.kyt"_s)));
            QVERIFY(QDir(t.dir.path()).mkdir(u"notes.kyt"_s));
        }
        QSignalSpy exits(&form, &MainForm::exitRequested);
        t.prompter.answers.enqueue(Answer(answer));
        const QByteArray stampBefore = readAll(t.file(u"tarih.kyt"_s));

        form.menu()->findChild<QAction*>(u"kpt"_s)->trigger();

        QVERIFY(!t.prompter.boxes.isEmpty());
        QCOMPARE(t.prompter.boxes.first().title, u"UYARI"_s);
        if (saveFails) {
            // The text stays on screen and the program goes on.
            QCOMPARE(exits.size(), 0);
            QVERIFY(notebook && notebook->isVisible());
            QCOMPARE(readAll(t.file(u"tarih.kyt"_s)), stampBefore); // no exit step
            return;
        }
        QCOMPARE(exits.size(), 1);
        QCOMPARE(readAll(t.file(u"notes.kyt"_s)), notes);
        QCOMPARE(readAll(t.file(u"tarih.kyt"_s)), kExitMoment);
        QTRY_VERIFY(notebook.isNull());
    }

    void nobodyToAskMeansSaved_data() {
        QTest::addColumn<bool>("sigterm");
        QTest::newRow("SIGTERM") << true;
        QTest::newRow("session about to end") << false;
    }
    void nobodyToAskMeansSaved() {
        QFETCH(bool, sigterm);
        TestContext t;
        MainForm form(t.ctx);
        QVERIFY(form.start());
        QPointer<QWidget> notebook = typeIntoNotebook(form, u"typed"_s);
        if (sigterm) {
            ExitSignals exitSignals;
            bool done = false;
            connect(&exitSignals, &ExitSignals::exitRequested, &form, [&] { done = form.exitUnattended(); });
            std::raise(SIGTERM);
            QTRY_VERIFY(done);
            QCOMPARE(readAll(t.file(u"tarih.kyt"_s)), kExitMoment);
            QVERIFY(!dynamic_cast<UnsavedWork*>(notebook.data())->hasUnsavedChanges());
        } else {
            QVERIFY(form.windows().saveUnsavedWork());
            QVERIFY(notebook && notebook->isVisible()); // the session may yet go on
        }
        QVERIFY(t.prompter.boxes.isEmpty());
        QCOMPARE(readAll(t.file(u"notes.kyt"_s)), QByteArray("\"typed\"\r\n"));
    }
};

QTEST_MAIN(TestStartExitPages)
#include "tst_shell_start_exit_pages.moc"
