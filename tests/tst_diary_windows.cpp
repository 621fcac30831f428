#include "core/lang/vocabulary.h"
#include "fakes/fake_services.h"
#include "fakes/window_helpers.h"
#include "shell/main_form.h"
#include "shell/window_code.h"
#include "ui/common/typed_text.h"
#include "ui/diary/diary_editor_window.h"

#include <QtWidgets>

using namespace velkor::diary;

namespace {

// The diary as the tray menu reaches it, on a fresh data directory (today is 5 March 2026).
struct Diary {
    TestContext t;
    mutable shell::MainForm form{t.ctx};
    DiaryStore store{t.ctx.dataDir};
    QAction* gnlk = form.menu()->findChild<QAction*>(u"gnlk"_s);

    explicit Diary(Language language = Language::Turkish) { lang::useLanguage(language); }
    ~Diary() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    qint32 add(QString day, QString month, QString year, QString subject, QString content = {}) {
        return store.addEntry({-1, subject, content, day, month, year}).value;
    }
    QWidget* browser() const { return form.windows().loaded(shell::DiaryBrowser); }
    DiaryEditorWindow* editor() const {
        return qobject_cast<DiaryEditorWindow*>(form.windows().loaded(shell::DiaryEditor));
    }
    QListView* list() const { return named<QListView>(browser(), spoken(u"Konular"_s, u"Subjects"_s)); }
    QStringList subjects() const {
        QStringList result;
        for (const QString& line : rowsOf(list()))
            result.append(line.section(u"     "_s, 1));
        return result;
    }
    QWidget* openBrowser(int lines = 0) {
        gnlk->trigger();
        if (!browser() || !QTest::qWaitForWindowExposed(browser()))
            return nullptr;
        return QTest::qWaitFor([&] { return list()->model()->rowCount() == lines; }) ? browser() : nullptr;
    }
};

// A file opened from the entry panel: language, path, what the desktop would answer if asked, and the box
// (kind, title|text; empty when it opens).
using Opening = std::tuple<Language, QString, FileOpener::Outcome, BoxKind, QString>;

} // namespace

class TestDiaryWindows : public QObject {
    Q_OBJECT
private slots:
    void browserFollowsEveryFilter() {
        Diary d;
        d.add("05", "03", "2026", "Toplantı");
        d.add("17", "03", "2026", "İstanbul gezisi");
        d.add("01", "03", "2025", "Geçen yıl");
        d.add("03", "03", "2026", "istanbul");
        QWidget* browser = d.openBrowser(3);
        QVERIFY(browser && d.gnlk->isChecked() && d.t.ctx.state->diaryBrowserOpen);
        QCOMPARE(d.subjects(), (QStringList{u"İstanbul gezisi"_s, u"Toplantı"_s, u"istanbul"_s}));
        QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason); // current, not chosen
        QCoreApplication::sendEvent(d.list(), &tabbedIn);
        QVERIFY(d.list()->currentIndex().isValid() && !named(browser, u"Değiştir"_s)->isEnabled());

        auto* period = named<QComboBox>(browser, u"Dönem"_s);
        auto* month = named<QComboBox>(browser, u"Ay"_s);
        auto* bar = named<QScrollBar>(browser, u"Yılı değiştir"_s);
        period->setCurrentIndex(0);
        QVERIFY(!month->isEnabled() && !bar->isEnabled());
        QTRY_COMPARE(d.subjects().size(), 4);
        period->setCurrentIndex(2);
        QVERIFY(month->isEnabled() && bar->isEnabled());
        bar->setValue(bar->value() + 1); // the bar's upper end is the later year
        QTRY_COMPARE(d.subjects(), QStringList{u"Geçen yıl"_s});

        period->setCurrentIndex(0);
        auto* search = named<QLineEdit>(browser, u"Ara"_s);
        QGuiApplication::clipboard()->setText(u"top"_s);
        QTest::keyClick(search, Qt::Key_V, Qt::ControlModifier); // pasted text counts like typed text
        QTRY_COMPARE(d.subjects(), QStringList{u"Toplantı"_s});
        d.add("06", "03", "2026", "Topaz"); // saved meanwhile by another copy of the program
        QTest::keyClicks(search, u"a"_s);
        QTRY_COMPARE(d.subjects(), QStringList{u"Topaz"_s});

        period->setCurrentIndex(4);
        month->setCurrentIndex(4);
        QTRY_COMPARE(d.subjects(), QStringList{u"Topaz"_s});
    }

    void entryPanelOpensFilesOrSaysWhy_data() {
        QTest::addColumn<Opening>("row");
        const auto tr = Language::Turkish, en = Language::English;
        const QString noProgram = u"Error|Cannot find an appropriate program On This Computer."_s;
        using O = FileOpener::Outcome;
        QTest::newRow("opened") << Opening{tr, u"/d/notes.txt"_s, O::Opened, BoxKind::Critical, QString()};
        QTest::newRow("doc") << Opening{tr, u"/d/r.doc"_s, O::NoProgram, BoxKind::Warning,
                                        u"Hata|Bilgisayarınızda Word programı yüklü değil."_s};
        QTest::newRow("docx") << Opening{en, u"/d/r.docx"_s, O::NoProgram, BoxKind::Critical, noProgram};
        QTest::newRow("too short for a path, never handed on")
            << Opening{en, u"ab"_s, O::Opened, BoxKind::Critical, noProgram};
        // A file that moved is not a missing program: the box says so and names where it was.
        QTest::newRow("moved") << Opening{
            tr, u"/d/taşındı.doc"_s, O::NotFound, BoxKind::Warning,
            u"Hata|Dosya bulunamıyor; taşınmış ya da silinmiş olabilir:\n/d/taşındı.doc"_s};
        QTest::newRow("no opener") << Opening{
            en, u"/d/notes.txt"_s, O::NoOpener, BoxKind::Warning,
            u"Error|Files cannot be opened: the desktop's opener xdg-open is not "
            u"installed (Debian package xdg-utils)."_s};
    }
    void entryPanelOpensFilesOrSaysWhy() {
        QFETCH(Opening, row);
        const auto& [language, path, outcome, kind, text] = row;
        const bool opens = outcome == FileOpener::Outcome::Opened;
        Diary d(language);
        d.t.opener.outcome = outcome;
        const qint32 no = d.add("05", "03", "2026", QString(50, u'a') + u"cut off"_s, u"içerik"_s);
        d.store.attachFile(no, path);
        QWidget* browser = d.openBrowser(1);
        QVERIFY(browser);
        clickRow(d.list(), 0, true);
        auto* panel = named<QGroupBox>(browser, spoken(u"Konu detayı"_s, u"Subject detail"_s));
        QVERIFY(d.t.ctx.state->diaryRecordNo == no && panel->isVisible());
        QCOMPARE(panel->title(), QString(50, u'a') + u" 05/03/2026"_s);
        QCOMPARE(named<QPlainTextEdit>(browser, spoken(u"İçerik"_s, u"Content"_s))->toPlainText(),
                 u"içerik"_s);
        // Nothing the panel covers shows through it: taking the list and its headings away changes no pixel.
        // By designer name: the headings and the rule between the columns are drawn, not used.
        const QImage covering = browser->grab(panel->geometry()).toImage();
        for (const char* under : {"List1", "Frame1", "Label1", "Label2", "Label4"})
            child<QWidget>(browser, under)->hide();
        QVERIFY(browser->grab(panel->geometry()).toImage() == covering);
        for (const char* under : {"List1", "Frame1", "Label1", "Label2", "Label4"})
            child<QWidget>(browser, under)->show();

        clickRow(named<QListWidget>(browser, spoken(u"Dosyalar"_s, u"Files"_s)), 0);
        press(browser, spoken(u"Aç"_s, u"Open"_s));
        const bool asked = text.isEmpty() || !opens;
        QCOMPARE(d.t.opener.opened, asked ? QStringList{path} : QStringList{});
        const QString programDir = QDir(d.t.ctx.programDir).absolutePath();
        QCOMPARE(d.t.opener.directories, asked ? QStringList{programDir} : QStringList{});
        QVERIFY(QDir::currentPath() != programDir); // put back afterwards
        const QList<ShownBox>& boxes = d.t.prompter.boxes;
        QCOMPARE(boxes.isEmpty() ? QString() : boxes.first().title + u'|' + boxes.first().text, text);
        QCOMPARE(boxes.value(0, {kind, {}, {}}).kind, kind);

        // Closed, and opened again on an entry deleted meanwhile: nothing of the last one shows.
        press(panel, spoken(u"Kapat"_s, u"Close"_s));
        for (const db::Database& table : {d.store.history(), d.store.files()})
            QVERIFY(table.change({{u"DELETE FROM Table1"_s, {}}}).ok());
        clickRow(d.list(), 0, true);
        QVERIFY(panel->isVisible() &&
                named<QPlainTextEdit>(browser, spoken(u"İçerik"_s, u"Content"_s))->toPlainText().isEmpty() &&
                named<QListWidget>(browser, spoken(u"Dosyalar"_s, u"Files"_s))->count() == 0);
    }

    // The answer No on closing is the update test's.
    void addWithEmptySubjectSavesOneRowThenClosingAsks() {
        Diary d(Language::English);
        QVERIFY(d.openBrowser());
        press(d.browser(), u"Add New"_s);
        DiaryEditorWindow* editor = d.editor();
        QVERIFY(editor && !d.browser() && d.gnlk->isChecked() && !editor->hasUnsavedChanges());
        QVERIFY(!named(editor, u"Add File"_s)->isEnabled()); // files need the entry's number
        auto* content = named<QPlainTextEdit>(editor, u"Content"_s);
        QTest::keyClicks(content, u"it's"_s);
        press(editor, u"Add"_s);
        DiaryEntry stored{d.t.ctx.state->diaryRecordNo, u"Unnamed"_s, u"it's"_s, u"05"_s, u"03"_s, u"2026"_s};
        QCOMPARE(d.store.readEntries().value, QList<DiaryEntry>{stored});
        QVERIFY(!editor->hasUnsavedChanges() && named(editor, u"New"_s)->isEnabled());
        QVERIFY(named(editor, u"Add File"_s)->isEnabled());

        // Saving for the exit step asks nothing and also updates the same row.
        QTest::keyClicks(content, u"?"_s);
        QVERIFY(editor->saveUnsavedChanges() && !editor->hasUnsavedChanges());
        stored.content = u"it's?"_s;
        QCOMPARE(d.store.readEntries().value, QList<DiaryEntry>{stored});

        QTest::keyClicks(content, u"."_s);
        d.t.prompter.answers.enqueue(Answer::Yes);
        d.form.windows().unload(shell::DiaryEditor);
        QCOMPARE(d.t.prompter.texts(),
                 u"The Subject field cannot be blank. The record will be named as Unnamed.|Record Saved|"
                 u"Do you want to save your changes?|Record Updated"_s);
        stored.content = u"it's?."_s;
        QCOMPARE(d.store.readEntries().value, QList<DiaryEntry>{stored});
        QVERIFY(!d.t.ctx.state->diaryEditorOpen && !d.editor());
        QVERIFY(d.browser() && d.browser()->isVisible() && d.gnlk->isChecked());
        d.gnlk->trigger(); // the item unloads whichever window is loaded
        QVERIFY(!d.browser() && !d.gnlk->isChecked() && !d.t.ctx.state->diaryBrowserOpen);
    }

    void updateModeUndoesKeepsFilesOfItsEntryAndAsksOnTheMenuItem() {
        Diary d;
        // Stored longer than one may type, with a non-breaking space: both come back as they were.
        const QString longSubject = u"Toplantı "_s + QString(52, u'x'), notes = u"10\u00a0km"_s;
        const qint32 no = d.add("05", "03", "2026", longSubject, notes);
        QVERIFY(d.openBrowser(1));
        d.list()->setCurrentIndex(d.list()->model()->index(0, 0));
        press(d.browser(), u"Değiştir"_s);
        DiaryEditorWindow* editor = d.editor();
        QVERIFY(editor && !d.browser() && !editor->hasUnsavedChanges());
        auto* subject = named<QLineEdit>(editor, u"Konu"_s);
        auto* month = named<QComboBox>(editor, u"Ay"_s);
        auto* year = named<QLineEdit>(editor, u"Yıl"_s);
        auto* content = named<QPlainTextEdit>(editor, u"Detay"_s);
        const auto shown = [&] {
            return QStringList{subject->text(), month->currentText(), year->text(), typedText(*content)};
        };
        const QStringList stored{longSubject, u"03"_s, u"2026"_s, notes};
        QCOMPARE(shown(), stored);
        QCOMPARE(month->count(), 12);
        month->setCurrentIndex(11);
        auto* years = named<QScrollBar>(editor, u"Yılı değiştir"_s); // fifty years either side of this one
        years->setValue(years->minimum());
        QCOMPARE(year->text(), u"2076"_s);
        years->setValue(years->maximum());
        QCOMPARE(year->text(), u"1976"_s);
        content->setPlainText(u"changed"_s);
        press(editor, u"Değişiklikleri Geri Al"_s);
        QCOMPARE(shown(), stored);
        QVERIFY(!editor->hasUnsavedChanges() && !named(editor, u"Değişiklikleri Geri Al"_s)->isEnabled());
        month->setCurrentIndex(11);
        press(editor, u"Güncelle"_s);
        QCOMPARE(d.store.readEntries().value,
                 (QList<DiaryEntry>{{no, longSubject, notes, u"05"_s, u"12"_s, u"2026"_s}}));

        const QString file = u"/d/O'Neil.doc"_s;
        d.t.chooser.paths << file << file;
        for (int i = 0; i < 3; ++i) // the third time the dialog is left without a file
            press(editor, u"Dosya Ekle"_s);
        auto* files = named<QListWidget>(editor, u"Dosyalar"_s);
        QCOMPARE(files->count(), 1);
        QCOMPARE(d.store.listFiles(no).value, QStringList{file});
        clickRow(files, 0);
        press(editor, u"Dosya Çıkar"_s);
        QVERIFY(files->count() == 0 && d.store.listFiles(no).value.isEmpty());
        // The attached files' database cannot be written: told, and nothing listed.
        QVERIFY(blockWithFolder(d.t.file(u"files.mdb"_s)));
        d.t.chooser.paths << file;
        press(editor, u"Dosya Ekle"_s);
        QVERIFY(files->count() == 0 && d.t.prompter.boxes.size() == 2 &&
                d.t.prompter.boxes.last().text.contains(u"files.mdb"_s));
        d.t.prompter.boxes.removeLast();

        const QPointer<QWidget> updated(editor);
        press(editor, u"Yeni"_s); // an empty entry takes its place
        QTRY_VERIFY(updated.isNull() && d.editor());
        content = named<QPlainTextEdit>(d.editor(), u"Detay"_s);
        QVERIFY(content->toPlainText().isEmpty() && d.t.ctx.state->diaryRecordNo == -1);
        QTest::keyClicks(content, u"typed"_s);
        d.gnlk->trigger(); // asks about the typed work (No), then both go
        QCOMPARE(d.t.prompter.texts(),
                 u"Kayıt Güncellendi|Yaptığınız değişiklikleri kaydetmek istiyor musunuz?"_s);
        QVERIFY(!d.editor() && !d.browser() && !d.gnlk->isChecked() && !d.t.ctx.state->diaryEditorOpen);
        QVERIFY(d.openBrowser() && d.gnlk->isChecked());
    }
};

QTEST_MAIN(TestDiaryWindows)
#include "tst_diary_windows.moc"
