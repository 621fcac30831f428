#include "diary/diary_editor_window.h"
#include "fakes/fake_services.h"
#include "lang/vocabulary.h"
#include "shell/main_form.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace velkor;
using namespace velkor::diary;

namespace {

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

template <typename T = QPushButton> T* child(QWidget* window, const char* name) {
    T* found = window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!found)
        qFatal("no control %s", name);
    return found;
}

class CwdRecordingOpener final : public FileOpener {
public:
    bool open(const QString& path) override {
        opened.append(path);
        directories.append(QDir::currentPath());
        return succeed;
    }
    QStringList opened, directories;
    bool succeed = true;
};

class FilterRecordingChooser final : public FileChooser {
public:
    std::optional<QString> choose(QWidget*, const QString&, const QString& filter) override {
        filters.append(filter);
        return paths.isEmpty() ? std::nullopt : std::optional<QString>(paths.dequeue());
    }
    QQueue<QString> paths;
    QStringList filters;
};

void clickItem(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// The diary as the tray menu reaches it, on a fresh data directory (today is 5 March 2026).
struct Diary {
    testing::TestContext t;
    mutable shell::MainForm form{t.ctx};
    DiaryStore store{t.ctx.dataDir};
    QAction* gnlk = form.menu()->findChild<QAction*>(QStringLiteral("gnlk"));

    explicit Diary(Language language = Language::Turkish) { t.ctx.state.language = language; }
    ~Diary() {
        for (QWidget* window : form.windows().loadedWindows())
            delete window;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    qint32 add(const char* day, const char* month, const char* year, const char* subject,
               QString content = {}) {
        return store.addEntry({-1, u8(subject), content, u8(day), u8(month), u8(year)}).value;
    }
    QWidget* browser() const { return form.windows().loaded(lang::DiaryBrowser); }
    DiaryEditorWindow* editor() const {
        return qobject_cast<DiaryEditorWindow*>(form.windows().loaded(lang::DiaryEditor));
    }
    QListView* list() const { return child<QListView>(browser(), "List1"); }
    QStringList subjects() const {
        QStringList result;
        for (int row = 0; row < list()->model()->rowCount(); ++row)
            result.append(
                list()->model()->index(row, 0).data().toString().section(QStringLiteral("     "), 1));
        return result;
    }
    QWidget* openBrowser() {
        gnlk->trigger();
        return browser() && QTest::qWaitForWindowExposed(browser()) ? browser() : nullptr;
    }
    void doubleClickLine(int row) {
        const QPoint at = list()->visualRect(list()->model()->index(row, 0)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at); // a double click starts as a click
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
    }
    DiaryEditorWindow* editLine(int row) {
        list()->setCurrentIndex(list()->model()->index(row, 0));
        child(browser(), "Command3")->click();
        return editor();
    }
    DiaryEditorWindow* addNew() {
        child(browser(), "Command2")->click();
        return editor();
    }
};

} // namespace

class TestDiaryWindows : public QObject {
    Q_OBJECT
private slots:
    void browserListsTheCurrentMonthAndFollowsEveryFilter() {
        Diary d;
        d.add("05", "03", "2026", "Toplantı");
        d.add("17", "03", "2026", "İstanbul gezisi");
        d.add("01", "03", "2025", "Geçen yıl");
        d.add("03", "03", "2026", "istanbul");
        QWidget* browser = d.openBrowser();
        QVERIFY(browser && d.gnlk->isChecked() && d.t.ctx.state.diaryBrowserOpen);
        QCOMPARE(child<QComboBox>(browser, "Combo1")->currentText(), u8("Mart"));
        QTRY_COMPARE(d.subjects(), (QStringList{u8("İstanbul gezisi"), u8("Toplantı"), u8("istanbul")}));
        QCOMPARE(d.list()->model()->index(1, 0).data().toString(), u8("05/03/2026     Toplantı"));

        auto* period = child<QComboBox>(browser, "Combo4");
        auto* year = child<QLineEdit>(browser, "Text2");
        auto* bar = child<QScrollBar>(browser, "vs1");
        period->setCurrentIndex(0);
        QVERIFY(!year->isEnabled() && !bar->isEnabled() && !child<QComboBox>(browser, "Combo1")->isEnabled());
        QTRY_COMPARE(d.subjects().size(), 4);
        period->setCurrentIndex(2);
        bar->setValue(bar->minimum());
        QCOMPARE(year->text(), QStringLiteral("2076"));
        bar->setValue(bar->maximum());
        QCOMPARE(year->text(), QStringLiteral("1976"));
        bar->setValue(51);
        QTRY_COMPARE(d.subjects(), QStringList{u8("Geçen yıl")});

        period->setCurrentIndex(0);
        auto* search = child<QLineEdit>(browser, "Text1");
        QTest::keyClicks(search, QStringLiteral("ist"));
        QTRY_COMPARE(d.subjects(), (QStringList{u8("İstanbul gezisi"), u8("istanbul")}));
        search->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("top"));
        QTest::keyClick(search, Qt::Key_V, Qt::ControlModifier); // pasted text counts like typed text
        QTRY_COMPARE(d.subjects(), QStringList{u8("Toplantı")});
        d.add("06", "03", "2026", "Topaz"); // saved meanwhile by another copy of the program
        QTest::keyClicks(search, QStringLiteral("a"));
        QTRY_COMPARE(d.subjects(), QStringList{u8("Topaz")});
    }

    void languageSwitchChangesWordsOnly() {
        Diary d;
        d.add("05", "05", "2026", "istanbul");
        QWidget* browser = d.openBrowser();
        QVERIFY(browser);
        child<QComboBox>(browser, "Combo4")->setCurrentIndex(3);
        child<QComboBox>(browser, "Combo1")->setCurrentIndex(4);
        QTest::keyClicks(child<QLineEdit>(browser, "Text1"), QStringLiteral("is"));
        QTRY_COMPARE(d.subjects(), QStringList{u8("istanbul")});

        d.form.switchLanguage(Language::English);
        QCOMPARE(browser->windowTitle(), QStringLiteral("Daily"));
        QCOMPARE(child<QComboBox>(browser, "Combo4")->currentText(),
                 QStringLiteral("selected year and before"));
        QCOMPARE(child<QComboBox>(browser, "Combo1")->currentText(), QStringLiteral("May"));
        QCOMPARE(child<QComboBox>(browser, "Combo1")->count(), 12);
        QVERIFY(!child<QTimer>(browser, "Timer1")->isActive());
        QCOMPARE(d.subjects(), QStringList{u8("istanbul")});
        QVERIFY(!d.editor()); // a switch loads no window

        DiaryEditorWindow* editor = d.editLine(0);
        QCOMPARE(editor->windowTitle(), QStringLiteral("Record Update"));
        child<QComboBox>(editor, "Combo1")->setCurrentIndex(9);
        d.form.switchLanguage(Language::Turkish);
        QCOMPARE(editor->windowTitle(), u8("Kayıt Düzeltme"));
        QCOMPARE(child(editor, "Command1")->text(), u8("Güncelle"));
        d.form.switchLanguage(Language::English);
        QCOMPARE(editor->windowTitle(), QStringLiteral("Edit Record"));
        QCOMPARE(child(editor, "Command1")->text(), QStringLiteral("Update"));
        QCOMPARE(child<QComboBox>(editor, "Combo1")->currentIndex(), 9); // not today's day
        QVERIFY(editor->hasUnsavedChanges());
    }

    void entryPanelOpensFilesOrSaysWhy_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<BoxKind>("kind");
        QTest::addColumn<QString>("text");
        const auto tr = Language::Turkish, en = Language::English;
        const auto warning = BoxKind::Warning, critical = BoxKind::Critical;
        QTest::newRow("opened") << tr << u8("/d/notes.txt") << true << critical << QString();
        QTest::newRow("doc") << tr << u8("/d/r.doc") << false << warning
                             << u8("Bilgisayarınızda Word programı yüklü değil.");
        QTest::newRow("xls") << en << u8("/d/t.xls") << false << warning
                             << u8("Cannot find Microsoft Excel On This Computer.");
        QTest::newRow("ppt") << tr << u8("/d/s.ppt") << false << warning
                             << u8("Bilgisayarınızda Power Point programı yüklü değil.");
        QTest::newRow("pdf") << en << u8("/d/k.pdf") << false << warning
                             << u8("Cannot find Adobe Acrobat On This Computer.");
        QTest::newRow("DOC has case")
            << tr << u8("/d/r.DOC") << false << critical
            << u8("Bilgisayarınızda dosyayı açmak için uygun bir program bulunamadı.");
        QTest::newRow("docx") << en << u8("/d/r.docx") << false << critical
                              << u8("Cannot find an appropriate program On This Computer.");
    }
    void entryPanelOpensFilesOrSaysWhy() {
        QFETCH(Language, language);
        QFETCH(QString, path);
        QFETCH(bool, opens);
        QFETCH(BoxKind, kind);
        QFETCH(QString, text);
        Diary d(language);
        QTemporaryDir programDir;
        d.t.ctx.programDir = programDir.path();
        CwdRecordingOpener opener;
        opener.succeed = opens;
        d.t.ctx.fileOpener = &opener;
        const QString subject = QString(50, QLatin1Char('a')) + QStringLiteral("cut off");
        const qint32 no = d.store.addEntry({-1, subject, u8("içerik"), u8("05"), u8("03"), u8("2026")}).value;
        d.store.attachFile(no, path);
        QWidget* browser = d.openBrowser();
        QTRY_COMPARE(d.subjects().size(), 1);
        d.doubleClickLine(0);
        QCOMPARE(d.t.ctx.state.diaryRecordNo, no);
        QVERIFY(child(browser, "Command3")->isEnabled());
        QVERIFY(child<QGroupBox>(browser, "Frame2")->isVisible());
        QCOMPARE(child<QGroupBox>(browser, "Frame2")->title(),
                 QString(50, QLatin1Char('a')) + u8(" 05/03/2026"));
        QCOMPARE(child<QPlainTextEdit>(browser, "Text3")->toPlainText(), u8("içerik"));

        clickItem(child<QListWidget>(browser, "List2"), 0);
        child(browser, "Command4")->click();
        QCOMPARE(opener.opened, QStringList{path});
        QCOMPARE(opener.directories, QStringList{QDir(programDir.path()).absolutePath()});
        QVERIFY(QDir::currentPath() != opener.directories.first()); // put back afterwards
        QCOMPARE(d.t.prompter.boxes.size(), opens ? 0 : 1);
        if (!opens) {
            QCOMPARE(d.t.prompter.boxes.first().kind, kind);
            QCOMPARE(d.t.prompter.boxes.first().title,
                     language == Language::Turkish ? u8("Hata") : u8("Error"));
            QCOMPARE(d.t.prompter.boxes.first().text, text);
        }
        // Closed and opened again, the panel has no file line chosen: the general message, nothing opened.
        child(browser, "Command1")->click();
        QVERIFY(!child<QGroupBox>(browser, "Frame2")->isVisible());
        d.doubleClickLine(0);
        QCOMPARE(child<QListWidget>(browser, "List2")->count(), 1);
        child(browser, "Command4")->click();
        QCOMPARE(opener.opened.size(), 1);
        QCOMPARE(d.t.prompter.boxes.last().kind, BoxKind::Critical);
    }

    void addWithEmptySubjectThenSecondSaveUpdatesTheSameRow_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("turkish") << Language::Turkish
                                 << QStringList{
                                        u8("Konu alanı boş bırakılamaz. Kayıt Konusuz olarak tanımlanacak."),
                                        u8("Kayıt Yapıldı"), u8("Kayıt Güncellendi"), u8("Konusuz"),
                                        u8("Güncelle")};
        QTest::newRow("english") << Language::English
                                 << QStringList{
                                        u8("The Subject field cannot be blank. The record will be named as "
                                           "Unnamed."),
                                        u8("Record Saved"), u8("Record Updated"), u8("Unnamed"),
                                        u8("Update")};
    }
    void addWithEmptySubjectThenSecondSaveUpdatesTheSameRow() {
        QFETCH(Language, language);
        QFETCH(QStringList, texts);
        Diary d(language);
        QVERIFY(d.openBrowser());
        DiaryEditorWindow* editor = d.addNew();
        QVERIFY(editor && !d.browser() && d.gnlk->isChecked());
        QCOMPARE(d.t.ctx.state.diaryRecordNo, -1);
        for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5"})
            QVERIFY2(!child(editor, name)->isEnabled(), name);

        QTest::keyClicks(child<QPlainTextEdit>(editor, "Text3"), QStringLiteral("it's"));
        child(editor, "Command1")->click();
        QCOMPARE(d.t.prompter.boxes.size(), 2);
        QCOMPARE(d.t.prompter.boxes.at(0).text, texts.at(0));
        QCOMPARE(d.t.prompter.boxes.at(1).text, texts.at(1));
        const QList<DiaryEntry> stored = d.store.readEntries().value;
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored.first(),
                 (DiaryEntry{d.t.ctx.state.diaryRecordNo, texts.at(3), QStringLiteral("it's"),
                             QStringLiteral("05"), QStringLiteral("03"), QStringLiteral("2026")}));
        QCOMPARE(child(editor, "Command1")->text(), texts.at(4));
        QVERIFY(!child(editor, "Command1")->isEnabled());
        QVERIFY(child(editor, "Command3")->isEnabled() && child(editor, "Command4")->isEnabled());

        QTest::keyClicks(child<QPlainTextEdit>(editor, "Text3"), QStringLiteral("!"));
        child(editor, "Command1")->click();
        QCOMPARE(d.t.prompter.boxes.last().text, texts.at(2));
        QCOMPARE(d.store.readEntries().value.size(), 1);
        QCOMPARE(d.store.readEntries().value.first().content, QStringLiteral("it's!"));

        // Saving for the exit step asks nothing and also updates the same row.
        QTest::keyClicks(child<QPlainTextEdit>(editor, "Text3"), QStringLiteral("?"));
        QVERIFY(editor->saveUnsavedChanges() && !editor->hasUnsavedChanges());
        QCOMPARE(d.t.prompter.boxes.size(), 3);
        QCOMPARE(d.store.readEntries().value.size(), 1);
    }

    void closingWithChangesAsksThenShowsTheBrowser_data() {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("stored");
        QTest::newRow("no stores nothing") << Answer::No << 0;
        QTest::newRow("yes saves") << Answer::Yes << 1;
    }
    void closingWithChangesAsksThenShowsTheBrowser() {
        QFETCH(Answer, answer);
        QFETCH(int, stored);
        Diary d;
        QVERIFY(d.openBrowser());
        QTest::keyClicks(child<QLineEdit>(d.addNew(), "Text1"), QStringLiteral("Yeni"));
        d.t.prompter.answers.enqueue(answer);
        d.form.windows().unload(lang::DiaryEditor);
        QCOMPARE(d.t.prompter.boxes.first().kind, BoxKind::Question);
        QCOMPARE(d.t.prompter.boxes.first().title, u8("UYARI"));
        QCOMPARE(d.t.prompter.boxes.first().text, u8("Yaptığınız değişiklikleri kaydetmek istiyor musunuz?"));
        QCOMPARE(d.store.readEntries().value.size(), stored);
        QVERIFY(!d.t.ctx.state.diaryEditorOpen && !d.editor());
        QVERIFY(d.browser() && d.browser()->isVisible() && d.gnlk->isChecked());
    }

    void undoInUpdateModeRestoresTheStoredEntry() {
        Diary d;
        d.add("05", "03", "2026", "Toplantı", QStringLiteral("notes"));
        QVERIFY(d.openBrowser());
        QTRY_COMPARE(d.subjects().size(), 1);
        DiaryEditorWindow* editor = d.editLine(0);
        QVERIFY(editor && !d.browser());
        QVERIFY(child(editor, "Command4")->isEnabled() && !editor->hasUnsavedChanges());
        QTest::keyClicks(child<QLineEdit>(editor, "Text1"), QStringLiteral(" 2"));
        child<QComboBox>(editor, "Combo2")->setCurrentIndex(11);
        child<QLineEdit>(editor, "Text2")->setText(QStringLiteral("1999"));
        child<QPlainTextEdit>(editor, "Text3")->setPlainText(QStringLiteral("changed"));
        child(editor, "Command2")->click();
        QCOMPARE(child<QLineEdit>(editor, "Text1")->text(), u8("Toplantı"));
        QCOMPARE(child<QComboBox>(editor, "Combo2")->currentText(), QStringLiteral("03"));
        QCOMPARE(child<QLineEdit>(editor, "Text2")->text(), QStringLiteral("2026"));
        QCOMPARE(child<QPlainTextEdit>(editor, "Text3")->toPlainText(), QStringLiteral("notes"));
        QVERIFY(!child(editor, "Command1")->isEnabled() && !child(editor, "Command2")->isEnabled());
    }

    void filesAreAttachedOnceAndRemovedFromThisEntryOnly() {
        Diary d;
        FilterRecordingChooser chooser;
        d.t.ctx.fileChooser = &chooser;
        const qint32 mine = d.add("05", "03", "2026", "Mine");
        const qint32 other = d.add("04", "03", "2026", "Other");
        const QString shared = QStringLiteral("/d/O'Neil.doc");
        d.store.attachFile(other, shared);
        QVERIFY(d.openBrowser());
        QTRY_COMPARE(d.subjects().size(), 2);
        DiaryEditorWindow* editor = d.editLine(0);
        QCOMPARE(d.t.ctx.state.diaryRecordNo, mine);

        chooser.paths << shared << shared;
        for (int i = 0; i < 3; ++i) // the third time the dialog is left without a file
            child(editor, "Command4")->click();
        QCOMPARE(chooser.filters.first(), QStringLiteral("All Files (*.*)"));
        auto* files = child<QListWidget>(editor, "List1");
        QCOMPARE(files->count(), 1);
        QCOMPARE(d.store.listFiles(mine).value, QStringList{shared});

        clickItem(files, 0);
        child(editor, "Command5")->click();
        QCOMPARE(files->count(), 0);
        QVERIFY(d.store.listFiles(mine).value.isEmpty());
        QCOMPARE(d.store.listFiles(other).value, QStringList{shared});
    }

    void diaryItemUnloadsWhicheverWindowIsLoadedOrOpensTheBrowser() {
        Diary d;
        QVERIFY(d.openBrowser());
        d.gnlk->trigger();
        QVERIFY(!d.browser() && !d.gnlk->isChecked() && !d.t.ctx.state.diaryBrowserOpen);

        QVERIFY(d.openBrowser());
        QTest::keyClicks(child<QLineEdit>(d.addNew(), "Text1"), QStringLiteral("typed"));
        d.gnlk->trigger(); // asks about the typed work (No), then both go
        QCOMPARE(d.t.prompter.boxes.size(), 1);
        QVERIFY(!d.editor() && !d.browser() && !d.gnlk->isChecked());
        QVERIFY(!d.t.ctx.state.diaryBrowserOpen && !d.t.ctx.state.diaryEditorOpen);
        QVERIFY(d.openBrowser() && d.gnlk->isChecked());
    }

    void foreignHistoryFileIsReportedOnceAndKeepsTypedWork() {
        Diary d;
        const QByteArray jet =
            QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(300, '\x07');
        QFile file(d.t.file(QStringLiteral("history.mdb")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(jet) == jet.size());
        file.close();

        QWidget* browser = d.openBrowser();
        QTRY_COMPARE(d.t.prompter.boxes.size(), 1);
        QVERIFY(d.t.prompter.boxes.first().text.contains(QStringLiteral("history.mdb")));
        QTest::keyClicks(child<QLineEdit>(browser, "Text1"), QStringLiteral("ab"));
        QTRY_VERIFY(!child<QTimer>(browser, "Timer1")->isActive());
        QCOMPARE(d.t.prompter.boxes.size(), 1); // not once per key

        DiaryEditorWindow* editor = d.addNew();
        QTest::keyClicks(child<QLineEdit>(editor, "Text1"), QStringLiteral("kept"));
        child(editor, "Command1")->click();
        QCOMPARE(d.t.prompter.boxes.last().kind, BoxKind::Critical);
        QVERIFY(editor->hasUnsavedChanges() && editor->mode() == EditorMode::Add);
        QVERIFY(!editor->saveUnsavedChanges());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), jet);
    }
};

QTEST_MAIN(TestDiaryWindows)
#include "tst_diary_windows.moc"
