#include "core/directory/directory_search.h"
#include "core/directory/port_choice.h"
#include "core/lang/messages.h"
#include "core/lang/vocabulary.h"
#include "fakes/fake_services.h"
#include "fakes/pty_modem.h"
#include "fakes/window_helpers.h"
#include "shell/main_form.h"
#include "shell/window_code.h"
#include "ui/directory/directory_editor_window.h"
#include "ui/directory/directory_window.h"

#include <QtWidgets>

using namespace velkor::directory;

namespace {

// The visible text of a control, or of several joined by "|", by what a screen reader calls them.
QString text(QWidget* window, std::initializer_list<QString> names) {
    QStringList texts;
    for (const QString& name : names) {
        const QWidget* c = named(window, name);
        texts.append(c->property(c->inherits("QPlainTextEdit") ? "plainText" : "text").toString());
    }
    return texts.join(u'|');
}

QStringList listed(QWidget* window) {
    return rowsOf(named<QListView>(window, u"İsimler"_s));
}
void clickName(QWidget* window, const QString& name, bool twice = false) {
    clickRow(named<QListView>(window, u"İsimler"_s), int(listed(window).indexOf(name)), twice);
}

void seed(const TestContext& t) {
    for (const DirRecord& entry : QList<DirRecord>{{u"Kaya"_s, u"0212"_s, u"Ankara"_s},
                                                   {u"ince"_s, u"0532"_s, u"İzmir"_s},
                                                   {u"Ali'nin"_s, QString(), u"Muğla\nMerkez"_s},
                                                   {u"Kaya"_s, u"0 123"_s, {}},
                                                   {u"Ilgın"_s, u"05\r\nATZ"_s, {}},
                                                   {u"Kontrol"_s, u"\r\n"_s, {}}})
        QVERIFY(DirectoryStore(t.ctx.dataDir).save(entry, SaveWrite::Insert).ok());
}

const QStringList AllNames{u"Ali'nin"_s, u"Ilgın"_s, u"ince"_s, u"Kaya"_s, u"Kaya"_s, u"Kontrol"_s};

// A directory window on a seeded data directory, its modem on a pseudo-terminal.
struct Opened {
    TestContext t;
    PtyModem modem;
    QString device = modem.path();
    QStringList asked;
    QPointer<DirectoryWindow> window;

    Opened() {
        t.ctx.serialLines = [this] { return std::make_unique<RedirectedLine>(device, &asked); };
        seed(t);
        window = new DirectoryWindow(t.ctx);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    }
    ~Opened() { delete window; }
    QWidget* w() const { return window.data(); }
    void dial(const QString& name) {
        QVERIFY(QTest::qWaitFor([&] { return listed(w()).size() == AllNames.size(); }));
        clickName(w(), name);
        press(w(), u"Çevir"_s);
    }
};

} // namespace

class TestDirectoryWindows : public QObject {
    Q_OBJECT
private slots:
    // A number is shown whole from its first digit: in a smaller face when it is wide, and only past the
    // smallest face cut in the middle, the whole number in the tip.
    void longNumbersShowFromTheirStart() {
        TestContext t;
        const QString international = u"+90 212 555 01 23"_s;
        const QString huge = u"+90 212 555 01 23 dahili 4567 8901 2345 6789"_s;
        for (const DirRecord& entry : QList<DirRecord>{{u"Ayşe"_s, international, {}}, {u"Uzun"_s, huge, {}}})
            QVERIFY(DirectoryStore(t.ctx.dataDir).save(entry, SaveWrite::Insert).ok());
        DirectoryWindow window(t.ctx);
        window.show();
        QTRY_COMPARE(listed(&window).size(), 2);
        auto* box = named<QLineEdit>(&window, u"Telefon"_s);
        const auto fits = [box] {
            return QFontMetrics(box->font()).horizontalAdvance(box->text()) <= box->width() - 8;
        };
        clickName(&window, u"Ayşe"_s);
        QVERIFY(box->text() == international && box->toolTip().isEmpty() && fits());
        clickName(&window, u"Uzun"_s);
        QVERIFY(box->text().startsWith(u"+90 212"_s) && box->text().endsWith(u"6789"_s) &&
                box->text().contains(u'…') && fits());
        QCOMPARE(box->toolTip(), huge);
    }

    void searchChooseShowAddressAndDelete() {
        Opened o;
        QWidget* w = o.w();
        QTRY_COMPARE(listed(w), AllNames); // the first tick lists everyone
        QVERIFY(!named(w, u"Çevir"_s)->isEnabled() && !named(w, u"Sil"_s)->isEnabled());
        // Tabbing in makes the first line current, yet chooses nothing; the keyboard's selection does.
        auto* list = named<QListView>(w, u"İsimler"_s);
        QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(list, &tabbedIn);
        QVERIFY(list->currentIndex().isValid() && !named(w, u"Sil"_s)->isEnabled());
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(text(w, {u"Seçilen isim"_s}), AllNames.at(1));
        auto* search = named<QLineEdit>(w, u"Ara"_s);
        QTest::keyClicks(search, u"k"_s);   // what matches is the store's test
        QCOMPARE(listed(w), QStringList{}); // emptied at once, filled by the timer
        QTRY_COMPARE(listed(w), (QStringList{u"Kaya"_s, u"Kaya"_s, u"Kontrol"_s}));
        clickName(w, u"Kaya"_s); // two rows of that name: each line shows its own
        QCOMPARE(text(w, {u"Seçilen isim"_s, u"Telefon"_s}), u"Kaya|0212"_s);
        QVERIFY(named(w, u"Çevir"_s)->isEnabled() && named(w, u"Sil"_s)->isEnabled());

        press(w, u"Adres"_s); // the shown row's address
        press(w, u"Sil"_s);   // that row only
        QCOMPARE(o.t.prompter.texts(), u"Ankara|Kayıt silindi."_s);
        QCOMPARE(text(w, {u"Seçilen isim"_s, u"Telefon"_s}), u"|"_s);
        QVERIFY(!named(w, u"Çevir"_s)->isEnabled() && !named(w, u"Sil"_s)->isEnabled());
        QTRY_COMPARE(listed(w), (QStringList{u"Kaya"_s, u"Kontrol"_s})); // searched again with the same text

        // A search empties the list, but the entry shown is still the one a delete takes.
        clickName(w, u"Kontrol"_s);
        QTest::keyClicks(search, u"x"_s);
        press(w, u"Sil"_s);
        QCOMPARE(DirectoryStore(o.t.ctx.dataDir).readAll().value.size(), 4);
        QVERIFY(!matchingNames(DirectoryStore(o.t.ctx.dataDir).readAll().value, {}).contains(u"Kontrol"_s));
    }

    // Another program changes the rows behind the window's back: the lines still listed stand for rows
    // that are gone; choosing, editing or deleting them says so and writes nothing.
    void rowsGoneBehindTheWindowsBack_data() {
        QTest::addColumn<QStringList>("sql"); // on the rows of the first Kaya and of Ilgın
        QTest::newRow("deleted") << QStringList{u"DELETE FROM Table1 WHERE rowid IN (1, 5)"_s};
        QTest::newRow("their rowids given to new rows")
            << QStringList{u"DELETE FROM Table1 WHERE rowid IN (1, 5)"_s,
                           u"INSERT INTO Table1 (rowid, RecordName) VALUES (1, 'Kaya2'), (5, 'Yeni')"_s};
    }
    void rowsGoneBehindTheWindowsBack() {
        QFETCH(QStringList, sql);
        Opened o;
        QWidget* w = o.w();
        QTRY_COMPARE(listed(w), AllNames);
        clickName(w, u"Ilgın"_s);
        const DirectoryStore store(o.t.ctx.dataDir);
        for (const QString& statement : sql)
            QVERIFY(store.database().change({{statement, {}}}).ok());
        const QList<DirRecord> theirs = store.readAll().value;
        QSignalSpy editing(o.window.data(), &DirectoryWindow::editorRequested);

        clickName(w, u"Kaya"_s); // the first Kaya
        QCOMPARE(o.t.prompter.boxes.size(), 1);
        clickName(w, u"Kaya"_s, true); // the double click that follows adds no second message
        press(w, u"Sil"_s);            // Ilgın
        const QString gone = lang::directory::rowGone();
        QCOMPARE(o.t.prompter.texts(), gone + u'|' + gone);
        QCOMPARE(editing.count(), 0);
        QCOMPARE(text(w, {u"Seçilen isim"_s}), u"Ilgın"_s);
        QCOMPARE(store.readAll().value, theirs);
        QTRY_VERIFY(!listed(w).contains(u"Ilgın"_s)); // searched again
    }

    void directoryAndEditorTakeEachOthersPlace() {
        TestContext t;
        seed(t);
        shell::MainForm form(t.ctx);
        QVERIFY(form.start());
        QAction* rhbr = form.menu()->findChild<QAction*>(u"rhbr"_s);
        rhbr->trigger();
        QPointer<QWidget> directory = form.windows().loaded(shell::Directory);
        QTRY_COMPARE(listed(directory), AllNames);

        clickName(directory, u"ince"_s, true);
        QTRY_VERIFY(!directory);
        QPointer<QWidget> editor = form.windows().loaded(shell::DirectoryEditor);
        QVERIFY(editor && editor->isVisible() && !rhbr->isChecked() && t.ctx.state->dirEditorOpen);
        QCOMPARE(text(editor, {u"İsim"_s, u"Telefon"_s, u"Adres"_s, u"Güncelle"_s}),
                 u"ince|0532|İzmir|Güncelle"_s);
        for (const QString& name : {QString(), u"Kaya"_s, u"İnce"_s}) { // blank, taken (No), a new name
            named<QLineEdit>(editor, u"İsim"_s)->setText(name);
            press(editor, u"Güncelle"_s);
        }
        QCOMPARE(t.prompter.texts(),
                 u"İsim alanı boş bırakılamaz. Kayıt yapılmadı.|"
                 u"Yazdığınız isim zaten rehberde kayıtlı. Üstüne kayıt yapılsın mı?|Kayıt Güncellendi"_s);

        editor->close();
        QTRY_VERIFY(!editor);
        directory = form.windows().loaded(shell::Directory);
        QVERIFY(directory && directory->isVisible() && rhbr->isChecked() && !t.ctx.state->dirEditorOpen);
        QTRY_COMPARE(listed(directory),
                     (QStringList{u"Ali'nin"_s, u"Ilgın"_s, u"İnce"_s, u"Kaya"_s, u"Kaya"_s, u"Kontrol"_s}));
        press(directory, u"Yeni"_s); // an empty editor
        QTRY_VERIFY(editor = form.windows().loaded(shell::DirectoryEditor));
        QCOMPARE(text(editor, {u"İsim"_s, u"Kaydet"_s}), u"|Kaydet"_s);
        named<QLineEdit>(editor, u"İsim"_s)->setText(u"Kaya"_s);
        t.prompter.answers.enqueue(Answer::Yes);
        press(editor, u"Kaydet"_s);
        QCOMPARE(t.prompter.boxes.last().text, u"Kayıt Yapıldı"_s);
        const QList<DirRecord> all = DirectoryStore(t.ctx.dataDir).readAll().value;
        QCOMPARE(all.count(DirRecord{u"Kaya"_s, {}, {}}), 2); // both rows of the name
    }

    // A dial waits for OK, asks for the handset, then hangs up; cancelling or closing hangs up at once.
    void dialHangsUpHoweverItEnds_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK, then the handset") << u"ok"_s;
        QTest::newRow("cancel button") << u"cancel"_s;
        QTest::newRow("window closed while waiting for OK") << u"close"_s;
        QTest::newRow("window closed while the pick-up message is up") << u"close while asking"_s;
    }
    void dialHangsUpHoweverItEnds() {
        QFETCH(QString, how);
        Opened o;
        QCOMPARE(readAll(o.t.file(u"comayar.kyt"_s)), QByteArray("0\r\n")); // written at load
        named<QComboBox>(o.w(), u"Modem portu"_s)->setCurrentIndex(2);
        QCOMPARE(DirectoryWindow(o.t.ctx).findChild<QComboBox*>()->currentText(), u"COM3"_s); // kept
        // Found while idle: its name follows its caption, which a dial turns to "Vazgeç".
        auto* dial = named<QPushButton>(o.w(), u"Çevir"_s);
        o.dial(u"Kontrol"_s); // a number of nothing but CR LF is not dialled
        QVERIFY(o.asked.isEmpty() && dial->text() == u"Çevir"_s);
        o.dial(u"Ilgın"_s);
        QTRY_COMPARE(o.modem.received(), QByteArray("ATDT05ATZ;\r"));
        QCOMPARE(o.asked, QStringList{serialDeviceName(u"COM3"_s)});
        QCOMPARE(dial->text(), u"Vazgeç"_s);
        QByteArray sentWhileAsking;
        o.t.prompter.onShow = [&] {
            sentWhileAsking = o.modem.received();
            if (how == u"close while asking") {
                o.window->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        };
        const bool answered = how == u"ok" || how == u"close while asking";
        if (how == u"cancel")
            press(o.w(), u"Vazgeç"_s);
        else if (how == u"close")
            o.window->close(); // hangs up as it closes, not only once destroyed
        else
            o.modem.send("ATDT05ATZ;\r\r\nOK\r\n");
        if (answered) {
            QTRY_COMPARE(o.t.prompter.texts(), u"Lütfen telefonu açın ve Tamam tuşuna basın."_s);
            QVERIFY(o.t.beeper.count == 1 && sentWhileAsking == "ATDT05ATZ;\r");
        }
        QCOMPARE(o.modem.received(), QByteArray("ATDT05ATZ;\rATH\r"));
        QCOMPARE(o.modem.openedByProgram(), 0);
        QVERIFY(how.startsWith(u"close") || dial->text() == u"Çevir"_s);
        o.modem.send("OK\r\n"); // too late: the dial is over
        QCoreApplication::processEvents();
        QCOMPARE(o.t.prompter.boxes.size(), answered ? 1 : 0);
    }
};

QTEST_MAIN(TestDirectoryWindows)
#include "tst_directory_windows.moc"
