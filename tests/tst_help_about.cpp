#include "fakes/fake_services.h"
#include "lang/vocabulary.h"
#include "shell/about_window.h"
#include "shell/help_window.h"
#include "shell/main_form.h"

#include <QFile>
#include <QTest>
#include <QTextBrowser>

#include <memory>

using namespace velkor;
using namespace velkor::shell;
using namespace Qt::StringLiterals;
using velkor::testing::TestContext;

namespace {

std::unique_ptr<PageWindow> makeWindow(int code, AppContext& ctx) {
    if (code == lang::Help)
        return std::make_unique<HelpWindow>(ctx);
    return std::make_unique<AboutWindow>(ctx);
}

QString shownText(PageWindow& window) {
    return window.findChild<QTextBrowser*>(u"w1"_s)->toPlainText();
}

QString readPage(const QString& relative) {
    QFile f(QStringLiteral(VELKOR_SOURCE_DIR "/") + relative);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

class TestHelpAbout : public QObject {
    Q_OBJECT
private slots:
    void pagesAndTitlesFollowTheLanguage_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("turkishPage");
        QTest::addColumn<QString>("turkishTitle");
        QTest::addColumn<QString>("englishPage");
        QTest::addColumn<QString>("englishTitle");
        QTest::newRow("help") << int(lang::Help) << u"Form6"_s << u"help/tr/help_tr.htm"_s << u"Yardım"_s
                              << u"help/eng/help_eng.htm"_s << u"Help"_s;
        QTest::newRow("about") << int(lang::About) << u"Form7"_s << u"help/about_tr.htm"_s
                               << u"Velkor Hakkına"_s << u"help/about_eng.htm"_s << u"About Velkor"_s;
    }
    void pagesAndTitlesFollowTheLanguage() {
        QFETCH(int, code);
        QFETCH(QString, form);
        QFETCH(QString, turkishPage);
        QFETCH(QString, turkishTitle);
        QFETCH(QString, englishPage);
        QFETCH(QString, englishTitle);
        TestContext t;
        // The pages live beside the program, which is not where the data is.
        QTemporaryDir programDir;
        t.ctx.programDir = programDir.path();
        for (const QString& page : {turkishPage, englishPage}) {
            QDir(programDir.path()).mkpath(QFileInfo(page).path());
            QFile f(QDir(programDir.path()).filePath(page));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<html><body><p>page " + page.toUtf8() + "</p></body></html>");
        }

        auto window = makeWindow(code, t.ctx);
        QCOMPARE(window->objectName(), form);
        QCOMPARE(window->windowTitle(), turkishTitle);
        QCOMPARE(shownText(*window), u"page "_s + turkishPage);
        QCOMPARE(window->pagePath(), QDir(programDir.path()).filePath(turkishPage));

        window->applyLanguage(Language::English);
        QCOMPARE(window->windowTitle(), englishTitle);
        QCOMPARE(shownText(*window), u"page "_s + englishPage);
    }

    void missingPageSaysWhichFile() {
        TestContext t;
        t.ctx.state.language = Language::English;
        HelpWindow window(t.ctx);
        QVERIFY(shownText(window).contains(u"page not found"_s));
        QVERIFY(shownText(window).contains(QDir::toNativeSeparators(window.pagePath())));
        QVERIFY(window.pagePath().endsWith(u"help/eng/help_eng.htm"_s));
        QCOMPARE(window.windowTitle(), u"Help"_s);
    }

    void shippedHelpNamesEveryMenuItem_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("page");
        QTest::newRow("turkish") << int(Language::Turkish) << u"help/tr/help_tr.htm"_s;
        QTest::newRow("english") << int(Language::English) << u"help/eng/help_eng.htm"_s;
    }
    void shippedHelpNamesEveryMenuItem() {
        QFETCH(int, language);
        QFETCH(QString, page);
        const QString text = readPage(page);
        QVERIFY(!text.isEmpty());
        for (const lang::Caption& caption : lang::captions(lang::MainMenu))
            QVERIFY2(text.contains(caption.in(Language(language))), qPrintable(caption.control));
        for (const char* file : {"myfile.kyt", "notes.kyt", "history.mdb", "rehber.mdb", "options.prg"})
            QVERIFY2(text.contains(QLatin1String(file)), file);
    }

    void shippedAboutPagesCarryVersionAndLicence() {
        for (const QString& page : {u"help/about_tr.htm"_s, u"help/about_eng.htm"_s}) {
            const QString text = readPage(page);
            QVERIFY2(text.contains(QStringLiteral(VELKOR_VERSION)), qPrintable(page));
            QVERIFY2(text.contains(u"MIT"_s), qPrintable(page));
        }
    }

    void menuOpensTheRealWindows() {
        TestContext t;
        MainForm form(t.ctx);
        QVERIFY(form.start());
        const std::pair<const char*, int> items[] = {
            {"ntd", lang::Notebook}, {"hlp", lang::Help}, {"about", lang::About}};
        for (const auto& [name, code] : items) {
            QAction* item = form.menu()->findChild<QAction*>(QString::fromLatin1(name));
            item->trigger();
            QWidget* window = form.windows().loaded(code);
            QVERIFY(window && window->isVisible());
            QCOMPARE(window->objectName(), u"Form"_s + QString::number(code));
            window->close(); // its own close box clears the mark
            QTRY_VERIFY(!item->isChecked());
        }
    }
};

QTEST_MAIN(TestHelpAbout)
#include "tst_help_about.moc"
