#include "diary/diary_browser_window.h"
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
using velkor::testing::TestContext;

namespace {

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

template <typename T> T* child(QWidget* window, const char* name) {
    T* found = window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!found)
        qFatal("no control %s", name);
    return found;
}

QPushButton* button(QWidget* window, const char* name) {
    return child<QPushButton>(window, name);
}

class CwdRecordingOpener final : public FileOpener {
public:
    bool open(const QString& path) override {
        opened.append(path);
        directories.append(QDir::currentPath());
        return succeed;
    }
    QStringList opened;
    QStringList directories;
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

// The program's diary as the tray menu reaches it, on a fresh data directory.
struct Diary {
    TestContext t;
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
               const QString& content = {}) {
        return store.addEntry({-1, u8(subject), content, u8(day), u8(month), u8(year)}).value;
    }
    QWidget* browser() const { return form.windows().loaded(lang::DiaryBrowser); }
    DiaryEditorWindow* editor() const {
        return qobject_cast<DiaryEditorWindow*>(form.windows().loaded(lang::DiaryEditor));
    }
    QStringList lines() const {
        auto* model = child<QListView>(browser(), "List1")->model();
        QStringList result;
        for (int row = 0; row < model->rowCount(); ++row)
            result.append(model->index(row, 0).data().toString());
        return result;
    }
    QStringList subjects() const {
        QStringList result;
        for (const QString& line : lines())
            result.append(line.section(QStringLiteral("     "), 1));
        return result;
    }
    QWidget* openBrowser() {
        gnlk->trigger();
        QWidget* window = browser();
        if (window && !QTest::qWaitForWindowExposed(window))
            return nullptr;
        return window;
    }
    void chooseLine(int row) {
        auto* list = child<QListView>(browser(), "List1");
        list->setCurrentIndex(list->model()->index(row, 0));
    }
    void doubleClickLine(int row) {
        auto* list = child<QListView>(browser(), "List1");
        const QModelIndex index = list->model()->index(row, 0);
        const QPoint at = list->visualRect(index).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at); // a double click starts as a click
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    DiaryEditorWindow* editEntry(int row) {
        chooseLine(row);
        button(browser(), "Command3")->click();
        return editor();
    }
};

void clickItem(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

} // namespace

class TestDiaryWindows : public QObject {
    Q_OBJECT
private slots:
    void browserOpensOnTheCurrentMonthNewestFirst() {
        Diary d;
        d.add("05", "03", "2026", "Toplantı");
        d.add("17", "03", "2026", "İstanbul gezisi");
        d.add("20", "02", "2026", "Şubat notu");
        d.add("03", "03", "2026", "istanbul");
        QWidget* browser = d.openBrowser();
        QVERIFY(browser);
        QCOMPARE(browser->objectName(), QStringLiteral("Form8"));
        QCOMPARE(browser->windowTitle(), u8("Günlük"));
        QVERIFY(d.gnlk->isChecked());
        QVERIFY(d.t.ctx.state.diaryBrowserOpen);
        QCOMPARE(child<QComboBox>(browser, "Combo4")->currentText(), u8("tarihine eşit"));
        QCOMPARE(child<QComboBox>(browser, "Combo1")->currentText(), u8("Mart"));
        QCOMPARE(child<QLineEdit>(browser, "Text2")->text(), QStringLiteral("2026"));
        QTRY_COMPARE(d.lines(), (QStringList{u8("17/03/2026     İstanbul gezisi"),
                                             u8("05/03/2026     Toplantı"), u8("03/03/2026     istanbul")}));
        QVERIFY(!button(browser, "Command3")->isEnabled());
        QVERIFY(d.t.prompter.boxes.isEmpty());
    }

    void filtersYearBarAndSearchRefreshTheList() {
        Diary d;
        d.add("05", "03", "2026", "Toplantı");
        d.add("17", "03", "2026", "İstanbul gezisi");
        d.add("01", "03", "2025", "Geçen yıl");
        d.add("03", "03", "2026", "istanbul");
        QWidget* browser = d.openBrowser();
        QVERIFY(browser);
        auto* period = child<QComboBox>(browser, "Combo4");
        auto* year = child<QLineEdit>(browser, "Text2");
        auto* bar = child<QScrollBar>(browser, "vs1");
        auto* search = child<QLineEdit>(browser, "Text1");

        period->setCurrentIndex(0);
        QVERIFY(!child<QComboBox>(browser, "Combo1")->isEnabled() && !year->isEnabled() && !bar->isEnabled());
        QTRY_COMPARE(d.subjects(),
                     (QStringList{u8("İstanbul gezisi"), u8("Toplantı"), u8("istanbul"), u8("Geçen yıl")}));

        period->setCurrentIndex(2);
        QVERIFY(year->isEnabled() && bar->isEnabled());
        bar->setValue(bar->minimum());
        QCOMPARE(year->text(), QStringLiteral("2076"));
        bar->setValue(bar->maximum());
        QCOMPARE(year->text(), QStringLiteral("1976"));
        bar->setValue(51);
        QCOMPARE(year->text(), QStringLiteral("2025"));
        QTRY_COMPARE(d.subjects(), QStringList{u8("Geçen yıl")});

        period->setCurrentIndex(0);
        QTest::keyClicks(search, QStringLiteral("ist"));
        QTRY_COMPARE(d.subjects(), (QStringList{u8("İstanbul gezisi"), u8("istanbul")}));
        QTest::keyClicks(search, QStringLiteral("x"));
        QTRY_VERIFY(!child<QTimer>(browser, "Timer1")->isActive());
        QVERIFY(d.lines().isEmpty());
        QTest::keyClick(search, Qt::Key_Backspace);
        QTRY_COMPARE(d.subjects().size(), 2);

        // Pasted text counts like typed text.
        search->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("top"));
        QTest::keyClick(search, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(search->text(), QStringLiteral("top"));
        QTRY_COMPARE(d.subjects(), QStringList{u8("Toplantı")});
    }

    void languageSwitchChangesWordsOnly() {
        Diary d;
        d.add("05", "05", "2026", "istanbul");
        QWidget* browser = d.openBrowser();
        QVERIFY(browser);
        auto* period = child<QComboBox>(browser, "Combo4");
        auto* month = child<QComboBox>(browser, "Combo1");
        period->setCurrentIndex(3);
        month->setCurrentIndex(4);
        QTest::keyClicks(child<QLineEdit>(browser, "Text1"), QStringLiteral("is"));
        QTRY_COMPARE(d.subjects(), QStringList{u8("istanbul")});

        d.form.switchLanguage(Language::English);
        QCOMPARE(browser->windowTitle(), QStringLiteral("Daily"));
        QCOMPARE(button(browser, "Command2")->text(), QStringLiteral("Add New"));
        QCOMPARE(period->currentText(), QStringLiteral("selected year and before"));
        QCOMPARE(month->currentText(), QStringLiteral("May"));
        QCOMPARE(month->count(), 12);
        QCOMPARE(month->itemText(7), QStringLiteral("Agust"));
        QCOMPARE(child<QLineEdit>(browser, "Text1")->text(), QStringLiteral("is"));
        QVERIFY(!child<QTimer>(browser, "Timer1")->isActive());
        QCOMPARE(d.subjects(), QStringList{u8("istanbul")});
        QVERIFY(!d.editor()); // a switch loads no window

        DiaryEditorWindow* editor = d.editEntry(0);
        QVERIFY(editor);
        QCOMPARE(editor->windowTitle(), QStringLiteral("Record Update"));
        child<QComboBox>(editor, "Combo1")->setCurrentIndex(9);
        d.form.switchLanguage(Language::Turkish);
        QCOMPARE(editor->windowTitle(), u8("Kayıt Düzeltme"));
        QCOMPARE(button(editor, "Command1")->text(), u8("Güncelle"));
        QCOMPARE(button(editor, "Command4")->text(), u8("Dosya Ekle"));
        d.form.switchLanguage(Language::English);
        QCOMPARE(editor->windowTitle(), QStringLiteral("Edit Record"));
        QCOMPARE(button(editor, "Command1")->text(), QStringLiteral("Update"));
        QCOMPARE(child<QComboBox>(editor, "Combo1")->currentIndex(), 9); // not today's day
        QVERIFY(button(editor, "Command1")->isEnabled());                // still unsaved
    }

    void entryPanelShowsSubjectDateContentAndFiles() {
        Diary d;
        const QString subject = QString(50, QLatin1Char('a')) + QString(10, QLatin1Char('b'));
        const qint32 no =
            d.store.addEntry({-1, subject, u8("içerik\nikinci satır"), u8("05"), u8("03"), u8("2026")}).value;
        d.store.attachFile(no, QStringLiteral("/d/one.pdf"));
        d.store.attachFile(no, QStringLiteral("/d/two.doc"));
        QWidget* browser = d.openBrowser();
        QVERIFY(browser);
        QTRY_COMPARE(d.lines().size(), 1);
        auto* panel = child<QGroupBox>(browser, "Frame2");
        QVERIFY(!panel->isVisible());

        d.doubleClickLine(0);
        QCOMPARE(d.t.ctx.state.diaryRecordNo, no);
        QVERIFY(button(browser, "Command3")->isEnabled());
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->title(), QString(50, QLatin1Char('a')) + QStringLiteral(" 05/03/2026"));
        QCOMPARE(child<QPlainTextEdit>(browser, "Text3")->toPlainText(), u8("içerik\nikinci satır"));
        auto* files = child<QListWidget>(browser, "List2");
        QCOMPARE(files->count(), 2);
        QCOMPARE(files->item(1)->text(), QStringLiteral("/d/two.doc"));

        button(browser, "Command1")->click();
        QVERIFY(!panel->isVisible());
        QCOMPARE(files->count(), 0);
        QVERIFY(child<QPlainTextEdit>(browser, "Text3")->toPlainText().isEmpty());
    }

    void openingAFileUsesTheProgramDirectoryOrSaysWhy_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const int warning = int(BoxKind::Warning), critical = int(BoxKind::Critical);
        const auto tr = Language::Turkish, en = Language::English;
        QTest::newRow("opened") << tr << QStringLiteral("/d/notes.txt") << true << -1 << QString()
                                << QString();
        QTest::newRow("doc") << tr << QStringLiteral("/d/rapor.doc") << false << warning << u8("Hata")
                             << u8("Bilgisayarınızda Word programı yüklü değil.");
        QTest::newRow("xls english") << en << QStringLiteral("/d/t.xls") << false << warning << u8("Error")
                                     << u8("Cannot find Microsoft Excel On This Computer.");
        QTest::newRow("ppt") << tr << QStringLiteral("/d/s.ppt") << false << warning << u8("Hata")
                             << u8("Bilgisayarınızda Power Point programı yüklü değil.");
        QTest::newRow("pdf english") << en << QStringLiteral("/d/k.pdf") << false << warning << u8("Error")
                                     << u8("Cannot find Adobe Acrobat On This Computer.");
        QTest::newRow("DOC compared with case")
            << tr << QStringLiteral("/d/rapor.DOC") << false << critical << u8("Hata")
            << u8("Bilgisayarınızda dosyayı açmak için uygun bir program "
                  "bulunamadı.");
        QTest::newRow("docx english")
            << en << QStringLiteral("/d/rapor.docx") << false << critical << u8("Error")
            << u8("Cannot find an appropriate program On This Computer.");
    }
    void openingAFileUsesTheProgramDirectoryOrSaysWhy() {
        QFETCH(Language, language);
        QFETCH(QString, path);
        QFETCH(bool, opens);
        QFETCH(int, kind);
        QFETCH(QString, title);
        QFETCH(QString, text);
        Diary d(language);
        QTemporaryDir programDir;
        d.t.ctx.programDir = programDir.path();
        CwdRecordingOpener opener;
        opener.succeed = opens;
        d.t.ctx.fileOpener = &opener;
        d.store.attachFile(d.add("05", "03", "2026", "Dosyalı"), path);
        QWidget* browser = d.openBrowser();
        QVERIFY(browser);
        QTRY_COMPARE(d.lines().size(), 1);
        d.doubleClickLine(0);
        auto* files = child<QListWidget>(browser, "List2");
        QVERIFY(!button(browser, "Command4")->isEnabled());
        clickItem(files, 0);
        button(browser, "Command4")->click();

        QCOMPARE(opener.opened, QStringList{path});
        QCOMPARE(opener.directories, QStringList{QDir(programDir.path()).absolutePath()});
        QVERIFY(QDir::currentPath() != opener.directories.first()); // put back afterwards
        if (opens) {
            QVERIFY(d.t.prompter.boxes.isEmpty());
            return;
        }
        QCOMPARE(d.t.prompter.boxes.size(), 1);
        QCOMPARE(int(d.t.prompter.boxes.first().kind), kind);
        QCOMPARE(d.t.prompter.boxes.first().title, title);
        QCOMPARE(d.t.prompter.boxes.first().text, text);

        // Closing the panel and opening it again leaves no line chosen: the general message, no opening.
        button(browser, "Command1")->click();
        d.doubleClickLine(0);
        button(browser, "Command4")->click();
        QCOMPARE(opener.opened.size(), 1);
        QCOMPARE(int(d.t.prompter.boxes.last().kind), int(BoxKind::Critical));
    }

    void addWithEmptySubjectThenSecondSaveUpdatesTheSameRow_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("turkish") << Language::Turkish
                                 << QStringList{
                                        u8("Konu alanı boş bırakılamaz. Kayıt Konusuz olarak tanımlanacak."),
                                        u8("Kayıt Yapıldı"),
                                        u8("Kayıt Güncellendi"),
                                        u8("Konusuz"),
                                        u8("Güncelle"),
                                        u8("Kayıt Ekleme")};
        QTest::newRow("english") << Language::English
                                 << QStringList{
                                        u8("The Subject field cannot be blank. The record will be named as "
                                           "Unnamed."),
                                        u8("Record Saved"),
                                        u8("Record Updated"),
                                        u8("Unnamed"),
                                        u8("Update"),
                                        u8("Add Record")};
    }
    void addWithEmptySubjectThenSecondSaveUpdatesTheSameRow() {
        QFETCH(Language, language);
        QFETCH(QStringList, texts);
        Diary d(language);
        QVERIFY(d.openBrowser());
        button(d.browser(), "Command2")->click();
        DiaryEditorWindow* editor = d.editor();
        QVERIFY(editor);
        QVERIFY(!d.browser());
        QVERIFY(d.gnlk->isChecked());
        QCOMPARE(editor->windowTitle(), texts.at(5));
        QCOMPARE(d.t.ctx.state.diaryRecordNo, -1);
        for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5"})
            QVERIFY2(!button(editor, name)->isEnabled(), name);
        QCOMPARE(child<QComboBox>(editor, "Combo1")->currentText(), QStringLiteral("05"));
        QCOMPARE(child<QComboBox>(editor, "Combo2")->currentText(), QStringLiteral("03"));
        QCOMPARE(child<QLineEdit>(editor, "Text2")->text(), QStringLiteral("2026"));

        QTest::keyClicks(child<QPlainTextEdit>(editor, "Text3"), QStringLiteral("it's"));
        QVERIFY(button(editor, "Command1")->isEnabled() && button(editor, "Command2")->isEnabled());
        button(editor, "Command1")->click();
        QCOMPARE(d.t.prompter.boxes.size(), 2);
        QCOMPARE(d.t.prompter.boxes.at(0).text, texts.at(0));
        QCOMPARE(d.t.prompter.boxes.at(1).text, texts.at(1));
        QCOMPARE(int(d.t.prompter.boxes.at(1).kind), int(BoxKind::Information));
        const QList<DiaryEntry> stored = d.store.readEntries().value;
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored.first(),
                 (DiaryEntry{stored.first().recordNo, texts.at(3), QStringLiteral("it's"),
                             QStringLiteral("05"), QStringLiteral("03"), QStringLiteral("2026")}));
        QCOMPARE(d.t.ctx.state.diaryRecordNo, stored.first().recordNo);
        QCOMPARE(button(editor, "Command1")->text(), texts.at(4));
        QVERIFY(!button(editor, "Command1")->isEnabled());
        QVERIFY(button(editor, "Command3")->isEnabled() && button(editor, "Command4")->isEnabled());

        QTest::keyClicks(child<QPlainTextEdit>(editor, "Text3"), QStringLiteral("!"));
        button(editor, "Command1")->click();
        QCOMPARE(d.t.prompter.boxes.last().text, texts.at(2));
        QCOMPARE(d.store.readEntries().value.size(), 1);
        QCOMPARE(d.store.readEntries().value.first().content, QStringLiteral("it's!"));
    }

    void closingWithChangesAsksAndAlwaysShowsTheBrowser_data() {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("stored");
        QTest::newRow("no stores nothing") << Answer::No << 0;
        QTest::newRow("yes saves") << Answer::Yes << 1;
    }
    void closingWithChangesAsksAndAlwaysShowsTheBrowser() {
        QFETCH(Answer, answer);
        QFETCH(int, stored);
        Diary d;
        QVERIFY(d.openBrowser());
        button(d.browser(), "Command2")->click();
        QTest::keyClicks(child<QLineEdit>(d.editor(), "Text1"), QStringLiteral("Yeni"));
        d.t.prompter.answers.enqueue(answer);
        QVERIFY(d.editor()->close());
        QCOMPARE(d.t.prompter.boxes.first().kind, BoxKind::Question);
        QCOMPARE(d.t.prompter.boxes.first().title, u8("UYARI"));
        QCOMPARE(d.t.prompter.boxes.first().text, u8("Yaptığınız değişiklikleri kaydetmek istiyor musunuz?"));
        QCOMPARE(d.store.readEntries().value.size(), stored);
        QVERIFY(!d.t.ctx.state.diaryEditorOpen);
        QVERIFY(d.browser() && d.browser()->isVisible());
        QVERIFY(d.gnlk->isChecked());
    }

    void undoInUpdateModeRestoresTheStoredEntry() {
        Diary d;
        d.add("05", "03", "2026", "Toplantı", QStringLiteral("notes"));
        QVERIFY(d.openBrowser());
        QTRY_COMPARE(d.lines().size(), 1);
        DiaryEditorWindow* editor = d.editEntry(0);
        QVERIFY(editor);
        QVERIFY(!d.browser());
        QCOMPARE(editor->windowTitle(), u8("Kayıt Düzeltme"));
        QCOMPARE(button(editor, "Command1")->text(), u8("Güncelle"));
        QVERIFY(button(editor, "Command4")->isEnabled());
        QVERIFY(!button(editor, "Command1")->isEnabled());
        QCOMPARE(child<QLineEdit>(editor, "Text1")->text(), u8("Toplantı"));

        QTest::keyClicks(child<QLineEdit>(editor, "Text1"), QStringLiteral(" 2"));
        child<QComboBox>(editor, "Combo2")->setCurrentIndex(11);
        child<QLineEdit>(editor, "Text2")->setText(QStringLiteral("1999"));
        child<QPlainTextEdit>(editor, "Text3")->setPlainText(QStringLiteral("changed"));
        QVERIFY(button(editor, "Command2")->isEnabled());
        button(editor, "Command2")->click();
        QCOMPARE(child<QLineEdit>(editor, "Text1")->text(), u8("Toplantı"));
        QCOMPARE(child<QComboBox>(editor, "Combo2")->currentText(), QStringLiteral("03"));
        QCOMPARE(child<QLineEdit>(editor, "Text2")->text(), QStringLiteral("2026"));
        QCOMPARE(child<QPlainTextEdit>(editor, "Text3")->toPlainText(), QStringLiteral("notes"));
        QVERIFY(!button(editor, "Command1")->isEnabled() && !button(editor, "Command2")->isEnabled());
        QVERIFY(!editor->hasUnsavedChanges());
        QVERIFY(d.t.prompter.boxes.isEmpty());
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
        QTRY_COMPARE(d.lines().size(), 2);
        DiaryEditorWindow* editor = d.editEntry(0);
        QVERIFY(editor);
        QCOMPARE(d.t.ctx.state.diaryRecordNo, mine);

        chooser.paths << shared << shared;
        for (int i = 0; i < 3; ++i) // the third time the dialog is left without a file
            button(editor, "Command4")->click();
        QCOMPARE(chooser.filters.first(), QStringLiteral("All Files (*.*)"));
        auto* files = child<QListWidget>(editor, "List1");
        QCOMPARE(files->count(), 1);
        QCOMPARE(d.store.listFiles(mine).value, QStringList{shared});

        QVERIFY(!button(editor, "Command5")->isEnabled());
        clickItem(files, 0);
        button(editor, "Command5")->click();
        QCOMPARE(files->count(), 0);
        QVERIFY(d.store.listFiles(mine).value.isEmpty());
        QCOMPARE(d.store.listFiles(other).value, QStringList{shared});
        QVERIFY(d.t.prompter.boxes.isEmpty());
    }

    void diaryItemUnloadsWhicheverWindowIsOpenOrOpensTheBrowser() {
        Diary d;
        QVERIFY(d.openBrowser());
        d.gnlk->trigger();
        QVERIFY(!d.browser() && !d.gnlk->isChecked() && !d.t.ctx.state.diaryBrowserOpen);

        QVERIFY(d.openBrowser());
        button(d.browser(), "Command2")->click();
        QTest::keyClicks(child<QLineEdit>(d.editor(), "Text1"), QStringLiteral("typed"));
        d.gnlk->trigger(); // asks about the typed work (No), then both go
        QCOMPARE(d.t.prompter.boxes.size(), 1);
        QVERIFY(!d.editor() && !d.browser());
        QVERIFY(!d.t.ctx.state.diaryBrowserOpen && !d.t.ctx.state.diaryEditorOpen);
        QVERIFY(!d.gnlk->isChecked());
        QVERIFY(d.store.readEntries().value.isEmpty());

        QVERIFY(d.openBrowser());
        QVERIFY(d.gnlk->isChecked());
    }

    void foreignHistoryFileIsReportedOnceAndLeftAlone() {
        Diary d;
        const QByteArray jet =
            QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(300, '\x07');
        QFile file(d.t.file(QStringLiteral("history.mdb")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(jet) == jet.size());
        file.close();

        QWidget* browser = d.openBrowser();
        QVERIFY(browser);
        QTRY_COMPARE(d.t.prompter.boxes.size(), 1);
        QVERIFY(d.t.prompter.boxes.first().text.contains(QStringLiteral("history.mdb")));
        QTest::keyClicks(child<QLineEdit>(browser, "Text1"), QStringLiteral("ab"));
        QTRY_VERIFY(!child<QTimer>(browser, "Timer1")->isActive());
        QCOMPARE(d.t.prompter.boxes.size(), 1); // not once per key

        button(browser, "Command2")->click();
        DiaryEditorWindow* editor = d.editor();
        QTest::keyClicks(child<QLineEdit>(editor, "Text1"), QStringLiteral("kept"));
        button(editor, "Command1")->click();
        QCOMPARE(d.t.prompter.boxes.last().kind, BoxKind::Critical);
        QVERIFY(d.t.prompter.boxes.last().text.contains(QStringLiteral("history.mdb")));
        QVERIFY(editor->hasUnsavedChanges()); // the typed work is still there to save later
        QCOMPARE(editor->mode(), EditorMode::Add);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), jet);
    }

    void unsavedWorkIsSavedWithoutBoxes() {
        Diary d;
        QVERIFY(d.openBrowser());
        button(d.browser(), "Command2")->click();
        DiaryEditorWindow* editor = d.editor();
        QVERIFY(!editor->hasUnsavedChanges());
        QTest::keyClicks(child<QPlainTextEdit>(editor, "Text3"), QStringLiteral("a"));
        QVERIFY(editor->hasUnsavedChanges());
        QVERIFY(editor->saveUnsavedChanges());
        QTest::keyClicks(child<QPlainTextEdit>(editor, "Text3"), QStringLiteral("b"));
        QVERIFY(editor->saveUnsavedChanges());
        QVERIFY(!editor->hasUnsavedChanges());
        QVERIFY(d.t.prompter.boxes.isEmpty());
        const QList<DiaryEntry> stored = d.store.readEntries().value;
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored.first().subject, u8("Konusuz"));
        QCOMPARE(stored.first().content, QStringLiteral("ab"));
    }
};

QTEST_MAIN(TestDiaryWindows)
#include "tst_diary_windows.moc"
