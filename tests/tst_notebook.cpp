#include "fakes/fake_services.h"
#include "fakes/file_helpers.h"
#include "notebook/notebook_window.h"
#include "notebook/notes_file.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace velkor;
using velkor::testing::readAll;
using velkor::testing::writeAll;
using namespace velkor::notebook;
using velkor::testing::TestContext;
using namespace Qt::StringLiterals;

namespace {

struct Notebook {
    std::unique_ptr<NotebookWindow> window;
    QPlainTextEdit* text;
    QPushButton* save;
    QPushButton* undo;

    explicit Notebook(AppContext& ctx)
        : window(std::make_unique<NotebookWindow>(ctx)),
          text(window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))),
          save(window->findChild<QPushButton*>(QStringLiteral("Command1"))),
          undo(window->findChild<QPushButton*>(QStringLiteral("Command2"))) {}
};

} // namespace

class TestNotebook : public QObject {
    Q_OBJECT
private slots:
    void readsTheFirstQuotedString_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("note");
        QTest::newRow("lines kept") << QByteArray("\"one\r\ntwo\r\n\r\nfour\"\r\n") << u"one\ntwo\n\nfour"_s;
        QTest::newRow("only the first string") << QByteArray("\"a\",\"b\"\r\n") << u"a"_s;
        QTest::newRow("older code page") << QByteArray("\"\xDE\xFD\xF0\"\r\n") << u"Şığ"_s;
        QTest::newRow("torn before the closing quote") << QByteArray("\"half a note\r\n") << u"half a note"_s;
        QTest::newRow("not quoted at all") << QByteArray("plain\r\n") << u"plain"_s;
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void readsTheFirstQuotedString() {
        QFETCH(QByteArray, file);
        QFETCH(QString, note);
        QCOMPARE(noteFromBytes(file), note);
    }

    void savedNoteComesBackInTheNextWindow_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("reopened");
        QTest::newRow("several lines")
            << u"first\nsecond\n\nfourth"_s << QByteArray("\"first\r\nsecond\r\n\r\nfourth\"\r\n")
            << u"first\nsecond\n\nfourth"_s;
        QTest::newRow("double quote")
            << u"say \"hi\""_s << QByteArray("\"say ''hi''\"\r\n") << u"say ''hi''"_s;
        QTest::newRow("turkish letters") << u"çğıöşü İ"_s << u"\"çğıöşü İ\"\r\n"_s.toUtf8() << u"çğıöşü İ"_s;
    }
    void savedNoteComesBackInTheNextWindow() {
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        QFETCH(QString, reopened);
        TestContext t;
        {
            Notebook nb(t.ctx);
            nb.text->setPlainText(typed);
            nb.save->click();
            QCOMPARE(readAll(t.file(u"notes.kyt"_s)), stored);
            QVERIFY(!nb.undo->isEnabled());
            QVERIFY(nb.window->close()); // saved: nothing to ask
        }
        Notebook nb(t.ctx);
        QCOMPARE(nb.text->toPlainText(), reopened);
        QVERIFY(!nb.undo->isEnabled());
        QCOMPARE(t.prompter.boxes.size(), 1); // only the "saved" message
        QCOMPARE(t.prompter.boxes[0].text, u"Kayıt Yapıldı"_s);
    }

    void firstStartOpensAnEmptyNoteWithItsDesignCaptions() {
        TestContext t;
        t.ctx.state.language = Language::English; // the notebook follows only a switch
        Notebook nb(t.ctx);
        QVERIFY(QFile::exists(t.file(u"notes.kyt"_s)));
        QVERIFY(nb.text->toPlainText().isEmpty());
        QVERIFY(!nb.undo->isEnabled());
        QCOMPARE(nb.window->windowTitle(), u"Not Defteri"_s);
        QCOMPARE(nb.save->text(), u"Kaydet"_s);

        nb.text->setPlainText(u"saved"_s);
        nb.save->click();
        QCOMPARE(t.prompter.boxes.last().text, u"Record Saved"_s);
        nb.text->setPlainText(u"changed"_s);
        nb.window->applyLanguage(Language::English);
        QCOMPARE(nb.window->windowTitle(), u"Notebook"_s);
        QCOMPARE(nb.undo->text(), u"Undo Changes"_s);
        QCOMPARE(nb.text->toPlainText(), u"changed"_s); // words only
        nb.undo->click();
        QCOMPARE(nb.text->toPlainText(), u"saved"_s);
        QVERIFY(!nb.undo->isEnabled());
    }

    void closeAsksOnlyAboutRealChanges_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QByteArray>("fileAfter");
        QTest::newRow("typed and deleted")
            << u"x\b"_s << int(Answer::No) << false << QByteArray("\"old\"\r\n");
        QTest::newRow("answered No") << u"x"_s << int(Answer::No) << true << QByteArray("\"old\"\r\n");
        QTest::newRow("answered Yes") << u"x"_s << int(Answer::Yes) << true << QByteArray("\"oldx\"\r\n");
    }
    void closeAsksOnlyAboutRealChanges() {
        QFETCH(QString, keys);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(QByteArray, fileAfter);
        TestContext t;
        QVERIFY(writeAll(t.file(u"notes.kyt"_s), "\"old\"\r\n"));
        Notebook nb(t.ctx);
        nb.text->moveCursor(QTextCursor::End);
        for (const QChar c : keys) {
            if (c == u'\b')
                QTest::keyClick(nb.text, Qt::Key_Backspace);
            else
                QTest::keyClicks(nb.text, QString(c));
        }
        t.prompter.answers.enqueue(Answer(answer));
        QVERIFY(nb.window->close()); // no way to stay
        QCOMPARE(t.prompter.boxes.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(t.prompter.boxes[0].kind, BoxKind::Question);
            QCOMPARE(t.prompter.boxes[0].title, u"UYARI"_s);
        }
        QCOMPARE(readAll(t.file(u"notes.kyt"_s)), fileAfter);
    }

    void failedSaveKeepsTheTextAndTheWindow() {
        TestContext t;
        Notebook nb(t.ctx);
        QVERIFY(QFile::remove(t.file(u"notes.kyt"_s)));
        QVERIFY(QDir(t.dir.path()).mkdir(u"notes.kyt"_s)); // no file can be written there now
        nb.text->setPlainText(u"precious"_s);
        nb.save->click();
        QCOMPARE(t.prompter.boxes.size(), 1);
        QCOMPARE(t.prompter.boxes[0].kind, BoxKind::Critical);
        QVERIFY(t.prompter.boxes[0].text.contains(u"notes.kyt"_s));
        QVERIFY(nb.undo->isEnabled());
        QVERIFY(!nb.window->saveUnsavedChanges());

        t.prompter.answers.enqueue(Answer::Yes);
        QVERIFY(!nb.window->close());
        QCOMPARE(nb.text->toPlainText(), u"precious"_s);
    }
};

QTEST_MAIN(TestNotebook)
#include "tst_notebook.moc"
