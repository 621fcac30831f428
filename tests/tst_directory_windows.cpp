#include "directory/directory_editor_window.h"
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
#include <QTest>

using namespace velkor;
using namespace velkor::directory;
using velkor::testing::PtyModem;
using velkor::testing::RedirectedLine;
using velkor::testing::TestContext;

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

template <typename T = QWidget> T* child(QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

// The visible text of a control, or of several joined by "|".
QString text(QWidget* window, std::initializer_list<const char*> names) {
    QStringList texts;
    for (const char* name : names) {
        QWidget* c = child(window, name);
        if (auto* b = qobject_cast<QPushButton*>(c))
            texts.append(b->text());
        else if (auto* l = qobject_cast<QLabel*>(c))
            texts.append(l->text());
        else if (auto* e = qobject_cast<QLineEdit*>(c))
            texts.append(e->text());
        else if (auto* p = qobject_cast<QPlainTextEdit*>(c))
            texts.append(p->toPlainText());
    }
    return texts.join(QLatin1Char('|'));
}

QStringList listed(QWidget* window) {
    QAbstractItemModel* model = child<QListView>(window, "List1")->model();
    QStringList names;
    for (int row = 0; row < model->rowCount(); ++row)
        names.append(model->index(row, 0).data().toString());
    return names;
}

void clickName(QWidget* window, const QString& name, bool twice = false) {
    auto* list = child<QListView>(window, "List1");
    const QPoint at = list->visualRect(list->model()->index(int(listed(window).indexOf(name)), 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

void press(QWidget* window, const char* button) {
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

QString boxes(const TestContext& t) {
    QStringList texts;
    for (const auto& box : t.prompter.boxes)
        texts.append(box.text);
    return texts.join(QLatin1Char('|'));
}

void seed(const TestContext& t) {
    const DirectoryStore store(t.ctx.dataDir);
    const QList<DirRecord> entries{{s("Kaya"), s("0 123"), s("Ankara")},
                                   {s("ince"), s("0532"), s("İzmir")},
                                   {s("Ali'nin"), QString(), s("Muğla\nMerkez")},
                                   {s("Kaya"), s("0212"), {}},
                                   {s("Ilgın"), s("05\r\nATZ"), {}},
                                   {s("Kontrol"), s("\r\n"), {}}};
    for (const DirRecord& entry : entries)
        QVERIFY(store.save(entry, SaveWrite::Insert).ok());
}

const QStringList AllNames{s("Ali'nin"), s("Ilgın"), s("ince"), s("Kaya"), s("Kaya"), s("Kontrol")};

// A directory window on a seeded data directory, its modem on a pseudo-terminal.
struct Opened {
    TestContext t;
    PtyModem modem;
    QString device = modem.path();
    QStringList asked;
    QPointer<DirectoryWindow> window;

    explicit Opened(Language language = Language::Turkish) {
        t.ctx.state.language = language;
        t.ctx.serialLines = [this] { return std::make_unique<RedirectedLine>(device, &asked); };
        seed(t);
        window = new DirectoryWindow(t.ctx);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    }
    ~Opened() { delete window; }
    QWidget* w() const { return window.data(); }
    // Chooses an entry once the list is there and presses the dial button.
    void dial(const QString& name) {
        QVERIFY(QTest::qWaitFor([&] { return listed(w()).size() == AllNames.size(); }));
        clickName(w(), name);
        press(w(), "Command2");
    }
};

} // namespace

class TestDirectoryWindows : public QObject {
    Q_OBJECT
private slots:
    void opensAsDesignedAndKeepsThePortChoice() {
        Opened o;
        QWidget* w = o.w();
        QCOMPARE(w->objectName() + w->windowTitle(), s("Form10Rehber"));
        QCOMPARE(w->size(), QSize(312, 411));
        QCOMPARE(child(w, "List1")->geometry(), QRect(4, 28, 305, 316));
        QCOMPARE(text(w, {"Label3", "Label4", "Command1", "Command2", "Command3", "Command4"}),
                 s("Ara: | Düzeltmek için çift tıklayın...|Yeni|Çevir|Adres|Sil"));
        QVERIFY(!child(w, "Command2")->isEnabled() && !child(w, "Command3")->isEnabled());
        QVERIFY(!child(w, "Command4")->isEnabled());
        QTRY_COMPARE(listed(w), AllNames);
        QCOMPARE(child<QComboBox>(w, "Combo1")->currentText(), s("COM1"));
        QFile ports(o.t.file(QStringLiteral("comayar.kyt")));
        QVERIFY(ports.open(QIODevice::ReadOnly));
        QCOMPARE(ports.readAll(), QByteArray("0\r\n"));
        child<QComboBox>(w, "Combo1")->setCurrentIndex(3);
        QCOMPARE(DirectoryWindow(o.t.ctx).findChild<QComboBox*>()->currentText(), s("COM4"));
    }

    void typingSearchesAMomentAfterEachKey_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("name, Turkish fold") << s("i") << QStringList{s("ince")};
        QTest::newRow("number prefix") << s("05") << QStringList{s("Ilgın"), s("ince")};
    }
    void typingSearchesAMomentAfterEachKey() {
        QFETCH(QString, keys);
        QFETCH(QStringList, expected);
        Opened o;
        QTRY_COMPARE(listed(o.w()), AllNames);
        QTest::keyClicks(child(o.w(), "Text1"), keys);
        QCOMPARE(listed(o.w()), QStringList{}); // emptied at once, filled by the timer
        QTRY_COMPARE(listed(o.w()), expected);
    }

    void chooseShowAddressAndDelete() {
        Opened o(Language::English);
        QWidget* w = o.w();
        QTest::keyClicks(child(w, "Text1"), s("k"));
        QTRY_COMPARE(listed(w).size(), 3);
        clickName(w, s("Kaya")); // two rows of that name: the last one is shown
        QCOMPARE(text(w, {"Label1", "Text2"}), s("Kaya|0212"));
        QVERIFY(child(w, "Command2")->isEnabled() && child(w, "Command4")->isEnabled());
        press(w, "Command3");
        QCOMPARE(o.t.prompter.boxes.last().title, s("Adres"));
        press(w, "Command4");
        QCOMPARE(boxes(o.t), s("|Record Deleted"));
        QCOMPARE(text(w, {"Label1", "Text2"}), s("|"));
        QVERIFY(!child(w, "Command2")->isEnabled() && !child(w, "Command4")->isEnabled());
        QTRY_COMPARE(listed(w), QStringList{s("Kontrol")}); // searched again with the same text

        // A search empties the list, but the entry shown is still the one a delete takes.
        clickName(w, s("Kontrol"));
        QTest::keyClicks(child(w, "Text1"), s("x"));
        press(w, "Command4");
        QCOMPARE(DirectoryStore(o.t.ctx.dataDir).readAll().value.size(), 3);
        QVERIFY(DirectoryStore(o.t.ctx.dataDir).entriesNamed(s("Kontrol")).value.isEmpty());
    }

    void unusableDatabasesGiveAnEmptyListAndClearMessages() {
        Opened o;
        QTRY_COMPARE(listed(o.w()), AllNames);
        clickName(o.w(), s("ince"));
        QVERIFY(QFile::remove(o.t.file(QStringLiteral("rehber.mdb"))));
        press(o.w(), "Command4");
        QCOMPARE(o.t.prompter.boxes.size(), 1);
        QVERIFY(o.t.prompter.boxes[0].kind == BoxKind::Critical && boxes(o.t).contains(s("rehber.mdb")));

        QFile jet(o.t.file(QStringLiteral("rehber.mdb")));
        QVERIFY(jet.open(QIODevice::WriteOnly) &&
                jet.write(QByteArray("\x00\x01\x00\x00Standard Jet DB", 19)) > 0);
        jet.close();
        DirectoryWindow w(o.t.ctx);
        QTRY_COMPARE(o.t.prompter.boxes.size(), 2);
        QTest::keyClicks(child(&w, "Text1"), s("ab"));
        QTRY_VERIFY(!child<QTimer>(&w, "Timer1")->isActive());
        QCOMPARE(listed(&w), QStringList{});
        QCOMPARE(o.t.prompter.boxes.size(), 2); // told once, not at every key
    }

    void languageSwitchChangesWordsOnly() {
        Opened o;
        QTest::keyClicks(child(o.w(), "Text1"), s("k"));
        QTRY_COMPARE(listed(o.w()).size(), 3);
        clickName(o.w(), s("Kontrol"));
        o.window->applyLanguage(Language::English);
        QCOMPARE(o.w()->windowTitle(), s("Directory"));
        QCOMPARE(text(o.w(), {"Label3", "Label4", "Command1", "Command2", "Command3", "Command4", "Text1",
                              "Label1"}),
                 s("Search: | Double click to edit...|New|Dial|Address|Delete|k|Kontrol"));
        QCOMPARE(child<QListView>(o.w(), "List1")->currentIndex().data().toString(), s("Kontrol"));
    }

    void editorOpensInTheCurrentLanguage_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("caption"); // given for a change, empty for a new entry
        QTest::addColumn<QString>("shown");   // title, labels, button
        QTest::newRow("Turkish, new") << false << QString() << s("Kayıt| İsim| Telefon| Adres|Kaydet");
        QTest::newRow("English, change") << true << s("Update") << s("Record|Name|Telephone|Address|Update");
    }
    void editorOpensInTheCurrentLanguage() {
        QFETCH(bool, english);
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        TestContext t;
        t.ctx.state.language = english ? Language::English : Language::Turkish;
        {
            DirectoryEditorWindow editor(t.ctx, {{}, {}, caption});
            QCOMPARE(editor.objectName(), s("Form11"));
            QCOMPARE(editor.windowTitle() + QLatin1Char('|') +
                         text(&editor, {"Label1", "Label2", "Label3", "Command1"}),
                     shown);
            QCOMPARE(child<QLineEdit>(&editor, "Text1")->maxLength(), 50);
            QVERIFY(t.ctx.state.dirEditorOpen);
        }
        QVERIFY(!t.ctx.state.dirEditorOpen);
    }

    void editorKeepsALongStoredNameWhole() {
        TestContext t;
        const DirRecord longOne{QString(60, u'a'), s("0123456789012345678901"), QString()};
        QVERIFY(DirectoryStore(t.ctx.dataDir).save(longOne, SaveWrite::Insert).ok());
        DirectoryEditorWindow editor(t.ctx, {longOne, longOne.name, s("Güncelle")});
        press(&editor, "Command1");
        QCOMPARE(boxes(t), s("Kayıt Güncellendi"));
        QCOMPARE(DirectoryStore(t.ctx.dataDir).readAll().value, QList<DirRecord>{longOne});
    }

    void directoryAndEditorTakeEachOthersPlace() {
        TestContext t;
        seed(t);
        shell::MainForm form(t.ctx);
        QVERIFY(form.start());
        QAction* rhbr = form.menu()->findChild<QAction*>(s("rhbr"));
        rhbr->trigger();
        QPointer<QWidget> directory = form.windows().loaded(lang::Directory);
        QTRY_COMPARE(listed(directory), AllNames);

        clickName(directory, s("ince"), true);
        QTRY_VERIFY(!directory);
        QVERIFY(!rhbr->isChecked());
        QPointer<QWidget> editor = form.windows().loaded(EditorWindowCode);
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(text(editor, {"Text1", "Text2", "Text3", "Command1"}), s("ince|0532|İzmir|Güncelle"));
        QCOMPARE(shell::trayActionFor(QSystemTrayIcon::Context, t.ctx.state), shell::TrayAction::None);
        child<QLineEdit>(editor, "Text1")->setText(s("İnce"));
        press(editor, "Command1");
        QCOMPARE(boxes(t), s("Kayıt Güncellendi"));

        editor->close();
        QTRY_VERIFY(!editor);
        directory = form.windows().loaded(lang::Directory);
        QVERIFY(directory && directory->isVisible() && rhbr->isChecked() && !t.ctx.state.dirEditorOpen);
        QTRY_COMPARE(listed(directory),
                     (QStringList{s("Ali'nin"), s("Ilgın"), s("İnce"), s("Kaya"), s("Kaya"), s("Kontrol")}));
        press(directory, "Command1"); // "Yeni": an empty editor
        QTRY_VERIFY(form.windows().loaded(EditorWindowCode));
        QCOMPARE(text(form.windows().loaded(EditorWindowCode), {"Text1", "Command1"}), s("|Kaydet"));
    }

    void dialWaitsForOkThenAsksForTheHandsetThenHangsUp() {
        Opened o;
        child<QComboBox>(o.w(), "Combo1")->setCurrentIndex(2);
        o.dial(s("Kaya"));
        QTRY_COMPARE(o.modem.received(), QByteArray("ATDT0212;\r"));
        QCOMPARE(o.asked, QStringList{serialDeviceName(s("COM3"))});
        QCOMPARE(text(o.w(), {"Command2"}), s("Vazgeç"));
        o.window->applyLanguage(Language::English);
        QCOMPARE(text(o.w(), {"Command2"}), s("Cancel")); // the word changes, the dial goes on
        o.window->applyLanguage(Language::Turkish);

        QByteArray sentWhileAsking;
        o.t.prompter.onShow = [&] { sentWhileAsking = o.modem.received(); };
        o.modem.send("ATDT0212;\r\r\nOK\r\n");
        QTRY_COMPARE(boxes(o.t), s("Lütfen telefonu açın ve Tamam tuşuna basın."));
        QCOMPARE(o.t.beeper.count, 1);
        QCOMPARE(sentWhileAsking, QByteArray("ATDT0212;\r"));
        QCOMPARE(o.modem.received(), QByteArray("ATDT0212;\rATH\r"));
        QCOMPARE(o.modem.openedByProgram(), 0);
        QCOMPARE(text(o.w(), {"Command2"}), s("Çevir"));
    }

    void closingTheWindowDuringADialHangsUp_data() {
        QTest::addColumn<bool>("whileAsking"); // closed while the pick-up message is up
        QTest::newRow("waiting for OK") << false;
        QTest::newRow("pick-up message up") << true;
    }
    void closingTheWindowDuringADialHangsUp() {
        QFETCH(bool, whileAsking);
        Opened o;
        o.dial(s("ince"));
        QTRY_COMPARE(o.modem.received(), QByteArray("ATDT0532;\r"));
        o.t.prompter.onShow = [&] {
            o.window->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        if (whileAsking) {
            o.modem.send("OK");
            QTRY_VERIFY(!o.window);
        } else {
            o.window->close(); // hangs up as it closes, not only once destroyed
        }
        QCOMPARE(o.modem.received(), QByteArray("ATDT0532;\rATH\r"));
        QCOMPARE(o.modem.openedByProgram(), 0);
    }

    void controlCharactersNeverReachTheModemAndAPressCancels() {
        Opened o(Language::English);
        QTRY_COMPARE(listed(o.w()), AllNames);
        clickName(o.w(), s("Kontrol")); // a number of nothing but CR LF
        press(o.w(), "Command2");
        QVERIFY(o.asked.isEmpty() && text(o.w(), {"Command2"}) == s("Dial"));
        o.dial(s("Ilgın"));
        QTRY_COMPARE(o.modem.received(), QByteArray("ATDT05ATZ;\r"));
        QCOMPARE(text(o.w(), {"Command2"}), s("Cancel"));
        press(o.w(), "Command2");
        QCOMPARE(text(o.w(), {"Command2"}), s("Dial"));
        QCOMPARE(o.modem.received(), QByteArray("ATDT05ATZ;\rATH\r"));
        QCOMPARE(o.modem.openedByProgram(), 0);
        o.modem.send("OK\r\n");
        QCoreApplication::processEvents();
        QVERIFY(o.t.prompter.boxes.isEmpty());
    }

    void aPortThatCannotBeOpenedIsNamed() {
        Opened o;
        o.device = s("/dev/velkor-none");
        child<QComboBox>(o.w(), "Combo1")->setCurrentIndex(2);
        o.dial(s("ince"));
        QCOMPARE(boxes(o.t), s("COM3 : erişilemiyor. COM port ayarını değiştirip deneyin."));
        QCOMPARE(text(o.w(), {"Command2"}), s("Çevir"));
    }

    void aSilentModemIsGivenUpWithAMessage() {
        Opened o;
        o.window->dialer().setTimeout(std::chrono::milliseconds(1));
        o.dial(s("ince"));
        QTRY_VERIFY(boxes(o.t).startsWith(s("Modem yanıt vermedi")));
        QCOMPARE(o.modem.received(), QByteArray("ATDT0532;\rATH\r"));
        QCOMPARE(o.modem.openedByProgram(), 0);
        QCOMPARE(text(o.w(), {"Command2"}), s("Çevir"));
    }
};

QTEST_MAIN(TestDirectoryWindows)
#include "tst_directory_windows.moc"
