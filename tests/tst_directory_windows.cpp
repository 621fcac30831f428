#include "directory/directory_editor_window.h"
#include "directory/directory_store.h"
#include "directory/directory_window.h"
#include "directory/port_choice.h"
#include "fakes/fake_services.h"
#include "fakes/pty_modem.h"
#include "lang/vocabulary.h"
#include "shell/main_form.h"
#include "shell/tray_events.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace velkor;
using namespace velkor::directory;
using velkor::testing::PtyModem;
using velkor::testing::RedirectedLine;
using velkor::testing::TestContext;

Q_DECLARE_METATYPE(velkor::Language)

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

template <typename T> T* child(QObject* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qWarning("no control %s", name);
    return found;
}

QString text(QWidget* window, const char* name) {
    QObject* control = window->findChild<QObject*>(QString::fromLatin1(name));
    if (auto* b = qobject_cast<QPushButton*>(control))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(control))
        return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(control))
        return e->text();
    if (auto* p = qobject_cast<QPlainTextEdit*>(control))
        return p->toPlainText();
    return QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

bool enabled(QWidget* window, const char* name) {
    return child<QWidget>(window, name)->isEnabled();
}

QStringList listed(QWidget* window) {
    QAbstractItemModel* model = child<QListView>(window, "List1")->model();
    QStringList names;
    for (int row = 0; row < model->rowCount(); ++row)
        names.append(model->index(row, 0).data().toString());
    return names;
}

QModelIndex itemOf(QWidget* window, const QString& name) {
    auto* list = child<QListView>(window, "List1");
    const int row = int(listed(window).indexOf(name));
    return row < 0 ? QModelIndex() : list->model()->index(row, 0);
}

void clickName(QWidget* window, const QString& name) {
    auto* list = child<QListView>(window, "List1");
    const QModelIndex item = itemOf(window, name);
    QVERIFY2(item.isValid(), qPrintable(name));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
}

void doubleClickName(QWidget* window, const QString& name) {
    auto* list = child<QListView>(window, "List1");
    const QModelIndex item = itemOf(window, name);
    QVERIFY2(item.isValid(), qPrintable(name));
    const QPoint at = list->visualRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

void press(QWidget* window, const char* button) {
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

QStringList boxTexts(const TestContext& t) {
    QStringList texts;
    for (const auto& box : t.prompter.boxes)
        texts.append(box.text);
    return texts;
}

const QList<DirRecord> Entries{
    {s("Kaya"), s("0 123 45 67"), s("Ankara")},    {s("ince"), s("0532 111"), s("İzmir")},
    {s("Ali'nin"), QString(), s("Muğla\nMerkez")}, {s("Kaya"), s("0212"), s("Bursa")},
    {s("Ilgın"), s("05\r\nATZ"), QString()},       {s("Kontrol"), s("\r\n"), QString()},
};

void seed(const TestContext& t, const QList<DirRecord>& entries = Entries) {
    const DirectoryStore store(t.ctx.dataDir);
    for (const DirRecord& entry : entries)
        QVERIFY(store.save(entry, SaveWrite::Insert).ok());
}

QList<DirRecord> stored(const TestContext& t) {
    return DirectoryStore(t.ctx.dataDir).readAll().value;
}

const QStringList AllNames{s("Ali'nin"), s("Ilgın"), s("ince"), s("Kaya"), s("Kaya"), s("Kontrol")};

// A directory window on a data directory, its modem on a pseudo-terminal.
struct Opened {
    TestContext t;
    PtyModem modem;
    QStringList asked;
    QPointer<DirectoryWindow> window;

    explicit Opened(Language language = Language::Turkish, bool withEntries = true) {
        t.ctx.state.language = language;
        t.ctx.serialLines = [this] { return std::make_unique<RedirectedLine>(modem.path(), &asked); };
        if (withEntries)
            seed(t);
        window = new DirectoryWindow(t.ctx);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    }
    ~Opened() { delete window; }
    QWidget* w() const { return window.data(); }
};

} // namespace

class TestDirectoryWindows : public QObject {
    Q_OBJECT
private slots:
    void opensAsDesignedAndListsEveryone() {
        Opened o(Language::Turkish, false);
        QWidget* w = o.w();
        QCOMPARE(w->objectName(), QStringLiteral("Form10"));
        QCOMPARE(w->windowTitle(), s("Rehber"));
        QCOMPARE(w->size(), QSize(312, 411));
        QCOMPARE(w->palette().color(QPalette::Window), QColor(0, 0, 128));
        QCOMPARE(child<QListView>(w, "List1")->geometry(), QRect(4, 28, 305, 316));
        QCOMPARE(text(w, "Label3"), s("Ara: "));
        QCOMPARE(text(w, "Label4"), s(" Düzeltmek için çift tıklayın..."));
        QCOMPARE(text(w, "Command1"), s("Yeni"));
        QCOMPARE(text(w, "Command2"), s("Çevir"));
        QCOMPARE(text(w, "Command3"), s("Adres"));
        QCOMPARE(text(w, "Command4"), s("Sil"));
        QVERIFY(!enabled(w, "Command2") && !enabled(w, "Command3") && !enabled(w, "Command4"));
        QVERIFY(child<QLineEdit>(w, "Text2")->isReadOnly());
        // The missing database is made, empty, and the missing port file holds COM1.
        QVERIFY(QFile::exists(o.t.file(QStringLiteral("rehber.mdb"))));
        QCOMPARE(child<QComboBox>(w, "Combo1")->currentText(), QStringLiteral("COM1"));
        QCOMPARE(child<QComboBox>(w, "Combo1")->count(), 5);
        QCOMPARE(readAll(o.t.file(QStringLiteral("comayar.kyt"))), QByteArray("0\r\n"));

        seed(o.t);
        DirectoryWindow again(o.t.ctx);
        QTRY_COMPARE(listed(&again), AllNames);
        QVERIFY(o.t.prompter.boxes.isEmpty());
    }

    void portChoiceIsKeptForTheNextOpening() {
        Opened o;
        child<QComboBox>(o.w(), "Combo1")->setCurrentIndex(3);
        QCOMPARE(readAll(o.t.file(QStringLiteral("comayar.kyt"))), QByteArray("3\r\n"));
        DirectoryWindow again(o.t.ctx);
        QCOMPARE(child<QComboBox>(&again, "Combo1")->currentText(), QStringLiteral("COM4"));
    }

    void typingSearchesAMomentAfterEachKey_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("name, Turkish fold") << s("i") << QStringList{s("ince")};
        QTest::newRow("name, capital I is dotless") << s("I") << QStringList{s("Ilgın")};
        QTest::newRow("number prefix") << s("05") << QStringList{s("Ilgın"), s("ince")};
        QTest::newRow("apostrophe") << s("ali'") << QStringList{s("Ali'nin")};
        QTest::newRow("nothing") << s("xyz") << QStringList{};
    }
    void typingSearchesAMomentAfterEachKey() {
        QFETCH(QString, keys);
        QFETCH(QStringList, expected);
        Opened o;
        QTRY_COMPARE(listed(o.w()), AllNames);
        QTest::keyClicks(child<QLineEdit>(o.w(), "Text1"), keys);
        QCOMPARE(listed(o.w()), QStringList{}); // emptied at once, filled by the timer
        QTRY_COMPARE(listed(o.w()), expected);
        for (qsizetype i = 0; i < keys.size(); ++i)
            QTest::keyClick(child<QLineEdit>(o.w(), "Text1"), Qt::Key_Backspace);
        QTRY_COMPARE(listed(o.w()), AllNames);
    }

    void choosingAnEntryShowsItsNumberAndAddress() {
        Opened o;
        QWidget* w = o.w();
        QTRY_COMPARE(listed(w), AllNames);
        clickName(w, s("Ali'nin")); // no number: the dial button stays as it was
        QCOMPARE(text(w, "Label1"), s("Ali'nin"));
        QCOMPARE(text(w, "Text2"), QString());
        QVERIFY(!enabled(w, "Command2") && enabled(w, "Command3") && enabled(w, "Command4"));
        press(w, "Command3");
        QCOMPARE(o.t.prompter.boxes.size(), 1);
        QCOMPARE(o.t.prompter.boxes[0].kind, BoxKind::Information);
        QCOMPARE(o.t.prompter.boxes[0].title, s("Adres"));
        QCOMPARE(o.t.prompter.boxes[0].text, s("Muğla\nMerkez"));

        clickName(w, s("Kaya")); // two rows of that name: the last one is shown
        QCOMPARE(text(w, "Text2"), s("0212"));
        QVERIFY(enabled(w, "Command2"));
        clickName(w, s("Ali'nin"));
        QVERIFY(enabled(w, "Command2"));
    }

    void deleteRemovesEveryRowOfTheNameAtOnce_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("Turkish") << Language::Turkish << s("Kayıt silindi.");
        QTest::newRow("English") << Language::English << s("Record Deleted");
    }
    void deleteRemovesEveryRowOfTheNameAtOnce() {
        QFETCH(Language, language);
        QFETCH(QString, message);
        Opened o(language);
        QWidget* w = o.w();
        QTest::keyClicks(child<QLineEdit>(w, "Text1"), s("k"));
        QTRY_COMPARE(listed(w), (QStringList{s("Kaya"), s("Kaya"), s("Kontrol")}));
        clickName(w, s("Kaya"));
        press(w, "Command4");
        QCOMPARE(boxTexts(o.t), QStringList{message});
        QCOMPARE(o.t.prompter.boxes[0].kind, BoxKind::Information);
        QCOMPARE(stored(o.t).size(), Entries.size() - 2);
        QCOMPARE(text(w, "Label1"), QString());
        QCOMPARE(text(w, "Text2"), QString());
        QVERIFY(!enabled(w, "Command2") && !enabled(w, "Command3") && !enabled(w, "Command4"));
        QTRY_COMPARE(listed(w), QStringList{s("Kontrol")}); // searched again with the same text
    }

    void deleteAfterTheListWasEmptiedDeletesTheShownEntry() {
        Opened o;
        QWidget* w = o.w();
        QTRY_COMPARE(listed(w), AllNames);
        clickName(w, s("ince"));
        QTest::keyClicks(child<QLineEdit>(w, "Text1"), s("k"));
        QCOMPARE(listed(w), QStringList{});
        press(w, "Command4");
        QCOMPARE(boxTexts(o.t), QStringList{s("Kayıt silindi.")});
        QVERIFY(DirectoryStore(o.t.ctx.dataDir).entriesNamed(s("ince")).value.isEmpty());
        QCOMPARE(stored(o.t).size(), Entries.size() - 1);
    }

    void aDatabaseThatIsNoDatabaseGivesAnEmptyListAndOneMessage() {
        TestContext t;
        const QByteArray jet("\x00\x01\x00\x00Standard Jet DB", 19);
        QFile file(t.file(QStringLiteral("rehber.mdb")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(jet);
        file.close();
        DirectoryWindow w(t.ctx);
        QTRY_COMPARE(t.prompter.boxes.size(), 1);
        QVERIFY(t.prompter.boxes[0].text.contains(QStringLiteral("rehber.mdb")));
        QTest::keyClicks(child<QLineEdit>(&w, "Text1"), s("ab"));
        QTRY_VERIFY(!child<QTimer>(&w, "Timer1")->isActive());
        QCOMPARE(listed(&w), QStringList{});
        QCOMPARE(t.prompter.boxes.size(), 1); // said once, not at every key
        QCOMPARE(readAll(file.fileName()), jet);
    }

    void deletingFromAVanishedDatabaseSaysSo() {
        Opened o;
        QWidget* w = o.w();
        QTRY_COMPARE(listed(w), AllNames);
        clickName(w, s("ince"));
        QVERIFY(QFile::remove(o.t.file(QStringLiteral("rehber.mdb"))));
        press(w, "Command4");
        QCOMPARE(o.t.prompter.boxes.size(), 1);
        QCOMPARE(o.t.prompter.boxes[0].kind, BoxKind::Critical);
        QVERIFY(o.t.prompter.boxes[0].text.contains(QStringLiteral("rehber.mdb")));
        QCOMPARE(text(w, "Label1"), s("ince"));
        QVERIFY(!QFile::exists(o.t.file(QStringLiteral("rehber.mdb"))));
    }

    void languageSwitchChangesWordsOnly() {
        Opened o;
        QWidget* w = o.w();
        QTest::keyClicks(child<QLineEdit>(w, "Text1"), s("k"));
        QTRY_COMPARE(listed(w).size(), 3);
        clickName(w, s("Kontrol"));
        o.window->applyLanguage(Language::English);
        QCOMPARE(w->windowTitle(), s("Directory"));
        QCOMPARE(text(w, "Label3"), s("Search: "));
        QCOMPARE(text(w, "Label4"), s(" Double click to edit..."));
        QCOMPARE(text(w, "Command1") + text(w, "Command2") + text(w, "Command3") + text(w, "Command4"),
                 s("NewDialAddressDelete"));
        QCOMPARE(text(w, "Text1"), s("k"));
        QCOMPARE(child<QListView>(w, "List1")->currentIndex().data().toString(), s("Kontrol"));
        QCOMPARE(text(w, "Label1"), s("Kontrol"));
        QCOMPARE(listed(w).size(), 3);
    }

    void editorOpensInTheCurrentLanguage_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<bool>("change");
        QTest::addColumn<QStringList>("captions"); // title, the three labels, the button
        QTest::newRow("Turkish, new")
            << Language::Turkish << false
            << QStringList{s("Kayıt"), s(" İsim"), s(" Telefon"), s(" Adres"), s("Kaydet")};
        QTest::newRow("Turkish, change")
            << Language::Turkish << true
            << QStringList{s("Kayıt"), s(" İsim"), s(" Telefon"), s(" Adres"), s("Güncelle")};
        QTest::newRow("English, new")
            << Language::English << false
            << QStringList{s("Record"), s("Name"), s("Telephone"), s("Address"), s("Save")};
        QTest::newRow("English, change")
            << Language::English << true
            << QStringList{s("Record"), s("Name"), s("Telephone"), s("Address"), s("Update")};
    }
    void editorOpensInTheCurrentLanguage() {
        QFETCH(Language, language);
        QFETCH(bool, change);
        QFETCH(QStringList, captions);
        TestContext t;
        t.ctx.state.language = language;
        EditorRequest request;
        if (change)
            request = {{s("Kaya"), s("0212"), s("Bursa")}, s("Kaya"), captions.last()};
        {
            DirectoryEditorWindow editor(t.ctx, request);
            QCOMPARE(editor.objectName(), QStringLiteral("Form11"));
            QCOMPARE(editor.size(), QSize(312, 266));
            QCOMPARE((QStringList{editor.windowTitle(), text(&editor, "Label1"), text(&editor, "Label2"),
                                  text(&editor, "Label3"), text(&editor, "Command1")}),
                     captions);
            QCOMPARE(text(&editor, "Text1"), change ? s("Kaya") : QString());
            QCOMPARE(editor.oldName(), change ? s("Kaya") : QString());
            QCOMPARE(child<QLineEdit>(&editor, "Text1")->maxLength(), 50);
            QCOMPARE(child<QLineEdit>(&editor, "Text2")->maxLength(), 20);
            QVERIFY(t.ctx.state.dirEditorOpen);
            QCOMPARE(shell::trayActionFor(QSystemTrayIcon::Context, t.ctx.state), shell::TrayAction::None);
        }
        QVERIFY(!t.ctx.state.dirEditorOpen);
    }

    void editorKeepsALongStoredNameWhole() {
        TestContext t;
        seed(t, {{QString(60, u'a'), s("012345678901234567890123"), QString()}});
        const DirRecord longOne = stored(t).front();
        DirectoryEditorWindow editor(t.ctx, {longOne, longOne.name, s("Güncelle")});
        QCOMPARE(text(&editor, "Text1"), longOne.name);
        QCOMPARE(text(&editor, "Text2"), longOne.tel);
        press(&editor, "Command1");
        QCOMPARE(boxTexts(t), QStringList{s("Kayıt Güncellendi")});
        QCOMPARE(stored(t), QList<DirRecord>{longOne});
    }

    void directoryAndEditorTakeEachOthersPlace() {
        TestContext t;
        seed(t);
        shell::MainForm form(t.ctx);
        QVERIFY(form.start());
        QAction* rhbr = form.menu()->findChild<QAction*>(QStringLiteral("rhbr"));
        rhbr->trigger();
        QPointer<QWidget> directory = form.windows().loaded(lang::Directory);
        QVERIFY(directory && directory->isVisible() && rhbr->isChecked());
        QTRY_COMPARE(listed(directory), AllNames);

        // Double click: the editor takes the entry in hand, the directory goes.
        doubleClickName(directory, s("ince"));
        QTRY_VERIFY(!directory);
        QVERIFY(!rhbr->isChecked());
        QPointer<QWidget> editor = form.windows().loaded(EditorWindowCode);
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(text(editor, "Text1") + text(editor, "Text2") + text(editor, "Text3"),
                 s("ince0532 111İzmir"));
        QCOMPARE(text(editor, "Command1"), s("Güncelle"));
        QVERIFY(t.ctx.state.dirEditorOpen);
        QCOMPARE(shell::trayActionFor(QSystemTrayIcon::DoubleClick, t.ctx.state), shell::TrayAction::None);

        child<QLineEdit>(editor, "Text1")->setText(s("İnce"));
        press(editor, "Command1");
        QCOMPARE(boxTexts(t), QStringList{s("Kayıt Güncellendi")});
        editor->close();
        QTRY_VERIFY(!editor);
        QVERIFY(!t.ctx.state.dirEditorOpen);
        directory = form.windows().loaded(lang::Directory);
        QVERIFY(directory && directory->isVisible() && rhbr->isChecked());
        QTRY_VERIFY(listed(directory).contains(s("İnce")));
        QVERIFY(!listed(directory).contains(s("ince")));

        // "Yeni": an empty editor in its design mode.
        press(directory, "Command1");
        QTRY_VERIFY(!directory);
        editor = form.windows().loaded(EditorWindowCode);
        QVERIFY(editor);
        QCOMPARE(text(editor, "Text1") + text(editor, "Command1"), s("Kaydet"));
        editor->close();
        QTRY_VERIFY(form.windows().loaded(lang::Directory));
    }

    void dialWaitsForOkThenAsksForTheHandsetThenHangsUp() {
        Opened o;
        QVERIFY(o.modem.isValid());
        QWidget* w = o.w();
        child<QComboBox>(w, "Combo1")->setCurrentIndex(2);
        QTRY_COMPARE(listed(w), AllNames);
        clickName(w, s("Kaya"));
        press(w, "Command2");
        QCOMPARE(text(w, "Command2"), s("Vazgeç"));
        QCOMPARE(o.asked, QStringList{serialDeviceName(QStringLiteral("COM3"))});
        QTRY_COMPARE(o.modem.received(), QByteArray("ATDT0212;\r"));
        o.window->applyLanguage(Language::English);
        QCOMPARE(text(w, "Command2"), s("Cancel")); // the word changes, the state stays
        o.window->applyLanguage(Language::Turkish);

        QByteArray whileAsking;
        int openWhileAsking = -1;
        o.t.prompter.onShow = [&] {
            whileAsking = o.modem.received();
            openWhileAsking = o.modem.openedByProgram();
        };
        o.modem.send("ATDT0212;\r\r\nOK\r\n");
        QTRY_COMPARE(o.t.prompter.boxes.size(), 1);
        QCOMPARE(o.t.prompter.boxes[0].text, s("Lütfen telefonu açın ve Tamam tuşuna basın."));
        QCOMPARE(o.t.beeper.count, 1);
        QCOMPARE(whileAsking, QByteArray("ATDT0212;\r"));
        QCOMPARE(openWhileAsking, 1);
        QCOMPARE(o.modem.received(), QByteArray("ATDT0212;\rATH\r"));
        QCOMPARE(o.modem.openedByProgram(), 0);
        QCOMPARE(text(w, "Command2"), s("Çevir"));
    }

    void pressWhileDialingCancelsAtOnce() {
        Opened o(Language::English);
        QWidget* w = o.w();
        QTRY_COMPARE(listed(w), AllNames);
        clickName(w, s("ince"));
        press(w, "Command2");
        QCOMPARE(text(w, "Command2"), s("Cancel"));
        QTRY_COMPARE(o.modem.received(), QByteArray("ATDT0532 111;\r"));
        press(w, "Command2");
        QCOMPARE(text(w, "Command2"), s("Dial"));
        QCOMPARE(o.modem.received(), QByteArray("ATDT0532 111;\rATH\r"));
        QCOMPARE(o.modem.openedByProgram(), 0);
        o.modem.send("OK\r\n");
        QCoreApplication::processEvents();
        QVERIFY(o.t.prompter.boxes.isEmpty());
        QCOMPARE(o.t.beeper.count, 0);
    }

    void closingTheWindowDuringADialHangsUp() {
        Opened o;
        QTRY_COMPARE(listed(o.w()), AllNames);
        clickName(o.w(), s("ince"));
        press(o.w(), "Command2");
        QTRY_COMPARE(o.modem.received(), QByteArray("ATDT0532 111;\r"));
        o.window->close();
        QCOMPARE(o.modem.received(), QByteArray("ATDT0532 111;\rATH\r"));
        QCOMPARE(o.modem.openedByProgram(), 0);
        QTRY_VERIFY(!o.window);
    }

    void closingTheWindowWhileThePickUpMessageIsUpHangsUp() {
        Opened o;
        QTRY_COMPARE(listed(o.w()), AllNames);
        clickName(o.w(), s("ince"));
        press(o.w(), "Command2");
        QTRY_COMPARE(o.modem.received(), QByteArray("ATDT0532 111;\r"));
        o.t.prompter.onShow = [&] {
            o.window->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        o.modem.send("OK");
        QTRY_COMPARE(o.t.prompter.boxes.size(), 1);
        QTRY_VERIFY(!o.window);
        QCOMPARE(o.modem.received(), QByteArray("ATDT0532 111;\rATH\r"));
        QCOMPARE(o.modem.openedByProgram(), 0);
    }

    void aPortThatCannotBeOpenedIsNamed_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("Turkish") << Language::Turkish
                                 << s("COM3 : erişilemiyor. COM port ayarını değiştirip deneyin.");
        QTest::newRow("English") << Language::English
                                 << s("COM3 : not available. Change the COM port to another port.");
    }
    void aPortThatCannotBeOpenedIsNamed() {
        QFETCH(Language, language);
        QFETCH(QString, message);
        TestContext t;
        t.ctx.state.language = language;
        QStringList asked;
        t.ctx.serialLines = [&] {
            return std::make_unique<RedirectedLine>(QStringLiteral("/dev/velkor-no-such-port"), &asked);
        };
        seed(t);
        DirectoryWindow w(t.ctx);
        w.show();
        child<QComboBox>(&w, "Combo1")->setCurrentIndex(2);
        QTRY_COMPARE(listed(&w), AllNames);
        clickName(&w, s("ince"));
        press(&w, "Command2");
        QCOMPARE(boxTexts(t), QStringList{message});
        QCOMPARE(text(&w, "Command2"), language == Language::Turkish ? s("Çevir") : s("Dial"));
        QVERIFY(!w.dialer().isActive());
    }

    void controlCharactersNeverReachTheModem() {
        Opened o;
        QWidget* w = o.w();
        QTRY_COMPARE(listed(w), AllNames);
        clickName(w, s("Kontrol")); // a number of nothing but CR LF
        press(w, "Command2");
        QCOMPARE(text(w, "Command2"), s("Çevir"));
        QVERIFY(o.asked.isEmpty());
        QVERIFY(o.t.prompter.boxes.isEmpty());

        clickName(w, s("Ilgın"));
        press(w, "Command2");
        QTRY_COMPARE(o.modem.received(), QByteArray("ATDT05ATZ;\r"));
        press(w, "Command2");
    }

    void aSilentModemIsGivenUpWithAMessage() {
        Opened o;
        QWidget* w = o.w();
        o.window->dialer().setTimeout(std::chrono::milliseconds(1));
        QTRY_COMPARE(listed(w), AllNames);
        clickName(w, s("ince"));
        press(w, "Command2");
        QTRY_COMPARE(o.t.prompter.boxes.size(), 1);
        QVERIFY(o.t.prompter.boxes[0].text.startsWith(s("Modem yanıt vermedi")));
        QCOMPARE(o.modem.received(), QByteArray("ATDT0532 111;\rATH\r"));
        QCOMPARE(o.modem.openedByProgram(), 0);
        QCOMPARE(text(w, "Command2"), s("Çevir"));
        QCOMPARE(o.t.beeper.count, 0);
    }
};

QTEST_MAIN(TestDirectoryWindows)
#include "tst_directory_windows.moc"
