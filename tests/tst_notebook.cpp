#include "fakes/fake_services.h"
#include "fakes/file_helpers.h"
#include "notebook/notebook_window.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace velkor;
using velkor::testing::readAll;
using velkor::testing::writeAll;
using namespace velkor::notebook;
using velkor::testing::TestContext;
using namespace Qt::StringLiterals;

namespace {

// One test's data directory and notebook window, with the note file written first when given.
struct Notebook {
    TestContext t;
    std::unique_ptr<NotebookWindow> window;
    QPlainTextEdit* text = nullptr;
    QPushButton *save = nullptr, *undo = nullptr;

    explicit Notebook(const QByteArray& file = {}) {
        if (!file.isNull())
            writeAll(path(), file);
        open();
    }
    void open() {
        window = std::make_unique<NotebookWindow>(t.ctx);
        text = window->findChild<QPlainTextEdit*>(u"Text1"_s);
        save = window->findChild<QPushButton*>(u"Command1"_s);
        undo = window->findChild<QPushButton*>(u"Command2"_s);
    }
    QString path() const { return t.file(u"notes.kyt"_s); }
};

} // namespace

class TestNotebook : public QObject {
    Q_OBJECT
private slots:
    // What the user saved comes back; a file written elsewhere shows from its first quoted string.
    void fileRoundTrips_data() {
        QTest::addColumn<QString>("typed"); // null: the file is written by hand
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("shown");
        QTest::newRow("several lines")
            << u"a\nb\n\nd"_s << QByteArray("\"a\r\nb\r\n\r\nd\"\r\n") << u"a\nb\n\nd"_s;
        QTest::newRow("double quote")
            << u"say \"hi\""_s << QByteArray("\"say ''hi''\"\r\n") << u"say ''hi''"_s;
        QTest::newRow("turkish letters") << u"çğıöşü İ"_s << u"\"çğıöşü İ\"\r\n"_s.toUtf8() << u"çğıöşü İ"_s;
        QTest::newRow("only the first string") << QString() << QByteArray("\"a\",\"b\"\r\n") << u"a"_s;
        QTest::newRow("older code page") << QString() << QByteArray("\"\xDE\xFD\xF0\"\r\n") << u"Şığ"_s;
        QTest::newRow("torn before the closing quote") << QString() << QByteArray("\"torn\r\n") << u"torn"_s;
        QTest::newRow("not quoted at all") << QString() << QByteArray("plain\r\n") << u"plain"_s;
    }
    void fileRoundTrips() {
        QFETCH(QString, typed);
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        Notebook nb(typed.isNull() ? file : QByteArray());
        if (!typed.isNull()) {
            nb.text->setPlainText(typed);
            nb.save->click();
            QCOMPARE(readAll(nb.path()), file);
            QVERIFY(!nb.undo->isEnabled() && nb.window->close()); // saved: nothing to ask
            QCOMPARE(nb.t.prompter.boxes.size(), 1);              // only the "saved" message
            nb.open();
        }
        QCOMPARE(nb.text->toPlainText(), shown);
        QVERIFY(!nb.undo->isEnabled()); // opening alone is no change
    }

    void firstStartOpensAnEmptyNoteInItsDesignCaptions() {
        Notebook nb;                                 // the first window makes the file
        nb.t.ctx.state.language = Language::English; // the notebook follows only a switch
        nb.open();
        QVERIFY(QFile::exists(nb.path()) && nb.text->toPlainText().isEmpty() && !nb.undo->isEnabled());
        QCOMPARE(nb.window->windowTitle(), u"Not Defteri"_s);

        nb.text->setPlainText(u"saved"_s);
        nb.save->click();
        QCOMPARE(nb.t.prompter.boxes.last().text, u"Record Saved"_s);
        nb.text->setPlainText(u"changed"_s);
        nb.window->applyLanguage(Language::English);
        QCOMPARE(nb.window->windowTitle(), u"Notebook"_s);
        QCOMPARE(nb.text->toPlainText(), u"changed"_s); // words only
        nb.undo->click();
        QVERIFY(nb.text->toPlainText() == u"saved"_s && !nb.undo->isEnabled());
    }

    void closeAsksOnlyAboutRealChanges_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("asked");
        QTest::newRow("typed and deleted") << u"x\b"_s << false;
        QTest::newRow("answered No") << u"x"_s << true;
    }
    void closeAsksOnlyAboutRealChanges() {
        QFETCH(QString, keys);
        QFETCH(bool, asked);
        Notebook nb("\"old\"\r\n");
        nb.text->moveCursor(QTextCursor::End);
        QTest::keyClicks(nb.text, keys); // a backspace deletes
        QVERIFY(nb.window->close());     // answered No: there is no way to stay
        QCOMPARE(nb.t.prompter.boxes.size(), asked ? 1 : 0);
        QCOMPARE(readAll(nb.path()), QByteArray("\"old\"\r\n"));
    }

    void failedSaveIsToldAndKeepsTheText() {
        Notebook nb;
        QVERIFY(QFile::remove(nb.path()) && QDir(nb.t.dir.path()).mkdir(u"notes.kyt"_s));
        nb.text->setPlainText(u"precious"_s);
        nb.save->click();
        QCOMPARE(nb.t.prompter.boxes.size(), 1); // never "saved"
        QVERIFY(nb.t.prompter.boxes[0].kind == BoxKind::Critical &&
                nb.t.prompter.boxes[0].text.contains(u"notes.kyt"_s));
        QVERIFY(nb.undo->isEnabled() && nb.text->toPlainText() == u"precious"_s);
    }

    void noteTooLargeToShowIsKept() {
        const QByteArray big = "\"" + QByteArray((1 << 20) + 1, 'n') + "\"\r\n";
        Notebook nb(big);
        QVERIFY(nb.t.prompter.boxes.size() == 1 && nb.t.prompter.boxes[0].text.contains(u"notes.kyt"_s));
        QTest::keyClicks(nb.text, u"x"_s);
        nb.save->click();
        QVERIFY(nb.text->toPlainText().isEmpty() && !nb.window->hasUnsavedChanges() && nb.window->close());
        QVERIFY(nb.t.prompter.boxes.size() == 1 && readAll(nb.path()) == big); // nothing saved or asked
    }
};

QTEST_MAIN(TestNotebook)
#include "tst_notebook.moc"
