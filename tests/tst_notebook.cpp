#include "fakes/fake_services.h"
#include "fakes/window_helpers.h"
#include "ui/common/typed_text.h"
#include "ui/notebook/notebook_window.h"

#include <QtWidgets>

#include <csignal>
#include <sys/resource.h>

using namespace velkor::notebook;

namespace {

// One test's data directory and notebook window, the note file written first when given (sparse to `size`).
struct Notebook {
    TestContext t;
    std::unique_ptr<NotebookWindow> window;
    QPlainTextEdit* text = nullptr;
    QPushButton *save = nullptr, *undo = nullptr;

    explicit Notebook(const QByteArray& file = {}, qint64 size = 0) {
        if (!file.isNull())
            writeAll(path(), file);
        if (size > file.size())
            QFile(path()).resize(size);
        open();
    }
    void open() {
        window = std::make_unique<NotebookWindow>(t.ctx);
        text = named<QPlainTextEdit>(window.get(), u"Not"_s);
        save = named<QPushButton>(window.get(), u"Kaydet"_s);
        undo = named<QPushButton>(window.get(), u"Değişiklikleri Geri Al"_s);
    }
    QString path() const { return t.file(u"notes.kyt"_s); }
};

} // namespace

class TestNotebook : public QObject {
    Q_OBJECT
private slots:
    // What the user saved comes back; a file written elsewhere shows whole and is saved as shown.
    void fileRoundTrips_data() {
        QTest::addColumn<QString>("typed"); // null: the file is written by hand
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("shown");
        QTest::newRow("double quote")
            << u"say \"hi\""_s << QByteArray("\"say ''hi''\"\r\n") << u"say ''hi''"_s;
        QTest::newRow("lines, a break within a line, non-breaking space")
            << u"10\u00a0km\u2028b\n\nd"_s << u"\"10\u00a0km\r\nb\r\n\r\nd\"\r\n"_s.toUtf8()
            << u"10\u00a0km\nb\n\nd"_s;
        QTest::newRow("quotes inside")
            << QString() << QByteArray("say \"hi\"\r\nthen go\r\n") << u"say \"hi\"\nthen go"_s;
        QTest::newRow("a quoted first line, then more")
            << QString() << QByteArray("\"Alışveriş\"\r\nsüt\r\n") << u"\"Alışveriş\"\nsüt"_s;
        QTest::newRow("older code page") << QString() << QByteArray("\"\xDE\xFD\xF0\"\r\n") << u"Şığ"_s;
        QTest::newRow("torn before the closing quote") << QString() << QByteArray("\"torn\r\n") << u"torn"_s;
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
        QCOMPARE(typedText(*nb.text), shown);
        QVERIFY(!nb.undo->isEnabled()); // opening alone is no change
        if (typed.isNull()) {
            nb.save->click();
            nb.open();
            QCOMPARE(typedText(*nb.text), QString(shown).replace(u'"', u"''"_s));
        }
        nb.text->moveCursor(QTextCursor::End);
        QTest::keyClicks(nb.text, u"x\b"_s); // typed and deleted: no change
        QVERIFY(!nb.window->hasUnsavedChanges());
        QTest::keyClicks(nb.text, u"y"_s);
        nb.undo->click(); // back to the note as saved
        QVERIFY(!nb.window->hasUnsavedChanges());
        QTest::keyClicks(nb.text, u"x"_s);
        const QByteArray saved = readAll(nb.path());
        const qsizetype told = nb.t.prompter.boxes.size();
        QVERIFY(nb.window->close()); // answered No: there is no way to stay
        QVERIFY(nb.t.prompter.boxes.size() == told + 1 && readAll(nb.path()) == saved);
    }

    // Another program wrote the file meanwhile: the user picks the note that stays; at session end both do.
    void fileChangedElsewhere_data() {
        QTest::addColumn<int>("pick"); // 0 by the save button, 1 and 2 at closing; -1 at session end
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("shown");
        const QByteArray theirs("\"new\"\r\n");
        QTest::newRow("keep mine") << 0 << QByteArray("\"mine\"\r\n") << u"mine"_s;
        QTest::newRow("take the file's, closing") << 1 << theirs << u"new"_s;
        QTest::newRow("cancel, closing") << 2 << theirs << u"mine"_s;
        QTest::newRow("session end") << -1 << theirs << u"mine"_s;
    }
    void fileChangedElsewhere() {
        QFETCH(int, pick);
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        Notebook nb("\"old\"\r\n");
        nb.text->setPlainText(u"mine"_s);
        QVERIFY(writeAll(nb.path(), "\"new\"\r\n")); // as long as before: only the content tells
        nb.t.prompter.answers << Answer::Yes;
        nb.t.prompter.picks << pick;
        if (pick < 0)
            QVERIFY(nb.window->saveUnsavedChanges());
        else if (pick > 0)
            QCOMPARE(nb.window->close(), pick != 2); // called off: the typed note stays open
        else
            nb.save->click();
        QCOMPARE(readAll(nb.path()), file);
        QCOMPARE(typedText(*nb.text), shown);
        QCOMPARE(nb.undo->isEnabled(), shown == u"mine"_s && pick != 0);
        const QStringList aside = QDir(nb.t.dir.path()).entryList({u"notes-*"_s});
        QCOMPARE(aside, pick < 0 ? QStringList{u"notes-20260305-090000.kyt"_s} : QStringList());
        if (pick < 0)
            QCOMPARE(readAll(nb.t.file(aside[0])), QByteArray("\"mine\"\r\n"));
        QCOMPARE(
            nb.t.prompter.offered,
            QList<QStringList>(pick < 0 ? 0 : 1, {u"Benimkini kaydet"_s, u"Dosyadakini al"_s, u"Vazgeç"_s}));
    }

    // A line too long to wrap quickly is shown unwrapped; many short lines wrap, a first empty one too.
    void onlyShortLinesWrap_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("wraps");
        QTest::newRow("one long line") << "\"" + QByteArray(70000, 'w') + "\"\r\n" << false;
        QTest::newRow("short lines after an empty one")
            << "\"\r\n" + QByteArray("short\r\n").repeated(12000) + "\"\r\n"
            << true;
    }
    void onlyShortLinesWrap() {
        QFETCH(QByteArray, file);
        QFETCH(bool, wraps);
        const Notebook nb(file);
        QCOMPARE(nb.text->lineWrapMode() == QPlainTextEdit::WidgetWidth, wraps);
    }

    // A save that failed (the disk full) changed nothing on disk: the next one is no conflict.
    void saveAfterAFailedSaveIsNoConflict() {
        Notebook nb("\"old\"\r\n");
        const QString typed(5000, u'n');
        nb.text->setPlainText(typed);
        rlimit limit{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &limit) == 0);
        const rlimit full{1024, limit.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &full) == 0);
        nb.save->click();
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
        QCOMPARE(readAll(nb.path()), QByteArray("\"old\"\r\n"));
        QVERIFY(nb.undo->isEnabled());
        nb.save->click();
        QCOMPARE(readAll(nb.path()), "\"" + typed.toUtf8() + "\"\r\n");
        QVERIFY(nb.t.prompter.offered.isEmpty());
        QCOMPARE(nb.t.prompter.boxes.size(), 2); // the failure, then "saved"
    }

    // Too large a file is told and left as it is, and one of gigabytes is not even read.
    void noteTooLargeToShowIsKept_data() {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<qint64>("size");
        const QByteArray longNote = "\"" + QByteArray((1 << 20) + 1, 'n') + "\"\r\n";
        QTest::newRow("longer than the text box takes") << longNote << qint64(longNote.size());
        QTest::newRow("a terabyte") << QByteArray("\"n\"\r\n") << (qint64(1) << 40);
    }
    void noteTooLargeToShowIsKept() {
        QFETCH(QByteArray, head);
        QFETCH(qint64, size);
        Notebook nb(head, size);
        QVERIFY(nb.t.prompter.boxes.size() == 1 && nb.t.prompter.boxes[0].text.contains(u"notes.kyt"_s));
        QTest::keyClicks(nb.text, u"x"_s);
        nb.save->click();
        QVERIFY(nb.text->toPlainText().isEmpty() && !nb.window->hasUnsavedChanges() && nb.window->close());
        QFile file(nb.path());
        QVERIFY(nb.t.prompter.boxes.size() == 1 && file.size() == size); // nothing saved or asked
        QVERIFY(file.open(QIODevice::ReadOnly) && file.read(head.size()) == head);
    }
};

QTEST_MAIN(TestNotebook)
#include "tst_notebook.moc"
