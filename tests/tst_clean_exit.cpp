#include "fakes/fake_services.h"
#include "lang/vocabulary.h"
#include "shell/exit_signals.h"
#include "shell/main_form.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <csignal>

using namespace velkor;
using namespace velkor::shell;
using namespace Qt::StringLiterals;
using velkor::testing::TestContext;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QAction* item(MainForm& form, const char* name) {
    return form.menu()->findChild<QAction*>(QString::fromLatin1(name));
}

// Opens the notebook from the menu and types into it.
QWidget* typeIntoNotebook(MainForm& form, const QString& text) {
    item(form, "ntd")->trigger();
    QWidget* notebook = form.windows().loaded(lang::Notebook);
    if (notebook)
        QTest::keyClicks(notebook->findChild<QPlainTextEdit*>(u"Text1"_s), text);
    return notebook;
}

const QByteArray kStartOnly = "3000,1,1,1,1\r\n";

} // namespace

class TestCleanExit : public QObject {
    Q_OBJECT
private slots:
    void exitItemAsksAboutTypedText_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saveFails");
        QTest::addColumn<QByteArray>("notes");
        QTest::addColumn<bool>("exited");
        QTest::newRow("Yes") << int(Answer::Yes) << false << QByteArray("\"typed\"\r\n") << true;
        QTest::newRow("No") << int(Answer::No) << false << QByteArray() << true;
        QTest::newRow("Yes, but the save fails") << int(Answer::Yes) << true << QByteArray() << false;
    }
    void exitItemAsksAboutTypedText() {
        QFETCH(int, answer);
        QFETCH(bool, saveFails);
        QFETCH(QByteArray, notes);
        QFETCH(bool, exited);
        TestContext t;
        MainForm form(t.ctx);
        QVERIFY(form.start());
        QPointer<QWidget> notebook = typeIntoNotebook(form, u"typed"_s);
        QVERIFY(notebook);
        if (saveFails) {
            QVERIFY(QFile::remove(t.file(u"notes.kyt"_s)));
            QVERIFY(QDir(t.dir.path()).mkdir(u"notes.kyt"_s));
        }
        QSignalSpy exits(&form, &MainForm::exitRequested);
        t.prompter.answers.enqueue(Answer(answer));

        item(form, "kpt")->trigger();

        QVERIFY(!t.prompter.boxes.isEmpty());
        QCOMPARE(t.prompter.boxes.first().title, u"UYARI"_s);
        QCOMPARE(exits.size(), exited ? 1 : 0);
        if (!saveFails)
            QCOMPARE(readAll(t.file(u"notes.kyt"_s)), notes);
        if (exited) {
            QCOMPARE(readAll(t.file(u"tarih.kyt"_s)), QByteArray("2026,3,5,9,0\r\n"));
            QTRY_VERIFY(notebook.isNull());
        } else {
            // The text is still on screen and the program still running.
            QVERIFY(notebook && notebook->isVisible());
            QCOMPARE(readAll(t.file(u"tarih.kyt"_s)), kStartOnly);
            QVERIFY(item(form, "ntd")->isChecked());
        }
    }

    void nobodyToAskMeansSaved_data() {
        QTest::addColumn<bool>("viaSignal");
        QTest::newRow("SIGTERM") << true;
        QTest::newRow("session about to end") << false;
    }
    void nobodyToAskMeansSaved() {
        QFETCH(bool, viaSignal);
        TestContext t;
        MainForm form(t.ctx);
        QVERIFY(form.start());
        QPointer<QWidget> notebook = typeIntoNotebook(form, u"typed"_s);
        if (viaSignal) {
            ExitSignals signalsToExit;
            bool done = false;
            connect(&signalsToExit, &ExitSignals::exitRequested, &form,
                    [&] { done = form.exitUnattended(); });
            std::raise(SIGTERM);
            QTRY_VERIFY(done);
            QCOMPARE(readAll(t.file(u"tarih.kyt"_s)), QByteArray("2026,3,5,9,0\r\n"));
            QTRY_VERIFY(notebook.isNull());
        } else {
            QVERIFY(form.windows().saveUnsavedWork());
            QVERIFY(notebook && notebook->isVisible()); // the session may yet go on
            QCOMPARE(readAll(t.file(u"tarih.kyt"_s)), kStartOnly);
        }
        QVERIFY(t.prompter.boxes.isEmpty());
        QCOMPARE(readAll(t.file(u"notes.kyt"_s)), QByteArray("\"typed\"\r\n"));
    }
};

QTEST_MAIN(TestCleanExit)
#include "tst_clean_exit.moc"
