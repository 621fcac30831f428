#include "core/lang/translations.h"
#include "fakes/test_support.h"
#include "ui/common/desktop_services.h"
#include "ui/common/file_dialog.h"

#include <QtWidgets>

namespace {

// Runs `act` on the modal window about to open, from inside its own event loop.
template <typename Window = QWidget> void whenOpen(std::type_identity_t<std::function<void(Window*)>> act) {
    QTimer::singleShot(0, qApp, [act] { act(qobject_cast<Window*>(QApplication::activeModalWidget())); });
}

} // namespace

class TestMessageBoxes : public QObject {
    Q_OBJECT
private slots:
    // Whatever the user's text, the box fits the screen and shows it as typed: a long one starts in the
    // label, and all of it is in a list below, one row a line (a very long line goes on in the next row).
    void boxShowsUserTextPlainAndFitsTheScreen_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("choices"); // empty: an information box
        QTest::addColumn<int>("rows");            // of the list with the whole text; 0: none
        QString lines = u"\n"_s;                  // an empty first line is one of the lines shown
        for (int i = 0; i < 200000; ++i)
            lines += u"line %1\n"_s.arg(i);
        lines.chop(1);
        QTest::newRow("markup in an address") << u"Apt <B blok>\nNo 5"_s << QStringList() << 0;
        QTest::newRow("five megabytes on one line") << QString(5'000'000, u'x') << QStringList() << 5000;
        QTest::newRow("many lines, three choices")
            << lines << QStringList{u"Keep"_s, u"Take"_s, u"Cancel"_s} << 200001;
    }
    void boxShowsUserTextPlainAndFitsTheScreen() {
        QFETCH(QString, text);
        QFETCH(QStringList, choices);
        QFETCH(int, rows);
        QSize size, available;
        QString labelText, whole;
        QMap<int, QString> buttonsFromLeft;
        int format = -1, rowCount = 0;
        // Looked at and closed from inside the box's own event loop; checked once it is gone.
        whenOpen<QMessageBox>([&](QMessageBox* box) {
            size = box->frameGeometry().size();
            available = box->screen()->availableGeometry().size();
            const QLabel* label = box->findChild<QLabel*>(u"qt_msgbox_label"_s);
            labelText = label->text().remove(QChar(0x200B)); // places to wrap
            format = label->textFormat();
            if (auto* list = box->findChild<QAbstractItemView*>()) {
                rowCount = list->model()->rowCount();
                for (int row = 0; row < rowCount; ++row)
                    whole += list->model()->index(row, 0).data().toString();
            }
            for (QAbstractButton* button : box->buttons())
                buttonsFromLeft[button->mapTo(box, QPoint()).x()] = button->text();
            for (QAbstractButton* button : box->buttons())
                if (choices.isEmpty() || button->text() == choices[0])
                    button->click();
        });
        lang::useLanguage(Language::English);
        QtPrompter prompter;
        if (choices.isEmpty())
            QCOMPARE(prompter.show(BoxKind::Information, QString(), text), Answer::Ok);
        else
            QCOMPARE(prompter.choose(QString(), text, choices), 0);
        QCOMPARE(size.boundedTo(available), size);
        QCOMPARE(format, int(Qt::PlainText));
        QVERIFY(labelText.size() < 1000 && text.startsWith(labelText.chopped(rows ? 1 : 0)));
        QCOMPARE(labelText.count(u'\n'), std::min<qsizetype>(text.count(u'\n'), 11)); // twelve lines at most
        QCOMPARE(rowCount, rows);
        if (!choices.isEmpty()) // in the order given, the way out last
            QCOMPARE(buttonsFromLeft.values(), choices);
        if (rows == 5000) // one line cut: its first 600 characters, then the ellipsis
            QCOMPARE(labelText, text.left(600) + u'…');
        if (rows)
            QCOMPARE(whole, QString(text).remove(u'\n'));
    }

    // Return answers a question with its default: Yes to an ordinary one, No to one whose Yes destroys data
    // (delete all, overwrite); the buttons speak the program's language.
    void returnKeepsDataOnARiskyQuestion_data() {
        QTest::addColumn<BoxKind>("kind");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("question") << BoxKind::Question << Answer::Yes;
        QTest::newRow("risky question") << BoxKind::RiskyQuestion << Answer::No;
    }
    void returnKeepsDataOnARiskyQuestion() {
        QFETCH(BoxKind, kind);
        QFETCH(Answer, answer);
        QStringList buttons;
        whenOpen<QMessageBox>([&](QMessageBox* box) {
            for (QAbstractButton* button : box->buttons())
                buttons.append(button->text());
            QTest::keyClick(box, Qt::Key_Return);
        });
        lang::useLanguage(Language::Turkish);
        QtPrompter prompter;
        QCOMPARE(prompter.show(kind, QString(), u"Tüm planlarınızı silmek istediğinizden emin misiniz?"_s),
                 answer);
        buttons.sort();
        QCOMPARE(buttons, (QStringList{u"Evet"_s, u"Hayır"_s}));
    }

    // A reminder is put off from its box, or from the list of many row by row, through a "Later" menu in the
    // program's language; Return is OK and puts nothing off.
    void remindersArePutOffFromTheirBoxOrList() {
        lang::useLanguage(Language::Turkish);
        QtPrompter prompter;
        const QList<int> later{5, 10, 30, 60};
        const auto laterMenu = [](QWidget* window) {
            return window->findChild<QPushButton*>(u"later"_s)->menu()->actions();
        };
        QStringList words;
        whenOpen([&](QWidget* box) {
            for (const QAction* item : laterMenu(box))
                words.append(item->text());
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(prompter.remind(u"05.03.2026  9:30"_s, u"Dişçi"_s, later), 0);
        QCOMPARE(words, (QStringList{u"5 dakika sonra"_s, u"10 dakika sonra"_s, u"30 dakika sonra"_s,
                                     u"Bir saat sonra"_s}));
        whenOpen([&](QWidget* box) { laterMenu(box).at(1)->trigger(); });
        QCOMPARE(prompter.remind(u"05.03.2026  9:30"_s, u"Dişçi"_s, later), 10);

        QList<QStringList> rows;
        for (int i = 0; i < 6; ++i)
            rows.append({u"5 Mart 2026, Perşembe"_s, u"09:30"_s, u"plan %1"_s.arg(i)});
        whenOpen([&](QWidget* window) {
            auto* table = window->findChild<QTableView*>(u"listRows"_s);
            table->selectRow(1);
            laterMenu(window).at(0)->trigger();
            table->selectRow(3);
            laterMenu(window).at(3)->trigger();
            QVERIFY(table->isRowHidden(1) && table->isRowHidden(3) && !table->isRowHidden(2));
            QTest::keyClick(window, Qt::Key_Return);
        });
        QCOMPARE(prompter.remindList({}, {}, {u"Tarih"_s, u"Saat"_s, u"Plan"_s}, rows, later),
                 (QMap<int, int>{{1, 5}, {3, 60}}));
    }

    // Many lines at once: every row in its order, in a window that fits the screen.
    void listShowsEveryRowAndFitsTheScreen() {
        QList<QStringList> rows;
        for (int i = 0; i < 2000; ++i)
            rows.append({u"%1.3.2026"_s.arg(i), u"09:30"_s, u"plan %1"_s.arg(i)});
        QSize size, available;
        QList<QStringList> shown;
        bool firstChosen = false;
        QStringList headings;
        whenOpen<QDialog>([&](QDialog* window) {
            size = window->frameGeometry().size();
            available = window->screen()->availableGeometry().size();
            const auto* view = window->findChild<QTableView*>(u"listRows"_s);
            const QAbstractItemModel* table = view->model();
            firstChosen = view->selectionModel()->isRowSelected(0); // ready for the keys
            for (int column = 0; column < 3; ++column)
                headings.append(table->headerData(column, Qt::Horizontal).toString());
            for (int row = 0; row < table->rowCount(); ++row)
                shown.append({table->index(row, 0).data().toString(), table->index(row, 1).data().toString(),
                              table->index(row, 2).data().toString()});
            window->reject();
        });
        lang::useLanguage(Language::Turkish);
        QtPrompter prompter;
        rows[1][2] = u"two\r\nlines\nand\tmore"_s; // one arrow a line break, a blank for a tab
        prompter.showList(QString(), u"Missed plans"_s, {u"Date"_s, u"Time"_s, u"Plan"_s}, rows);
        QCOMPARE(size.boundedTo(available), size);
        rows[1][2] = u"two\u21B5lines\u21B5and more"_s;
        QVERIFY(firstChosen && headings == QStringList({u"Date"_s, u"Time"_s, u"Plan"_s}));
        QCOMPARE(shown, rows);
    }

    // The file dialogs: the file chosen comes back whole, a dialog cancelled gives nothing.
    void fileChooserGivesTheChosenFileOrNothing() {
        QTemporaryDir dir;
        const QString existing = dir.filePath(u"eski plan.ics"_s), fresh = dir.filePath(u"yeni plan.ics"_s);
        QVERIFY(writeAll(existing, "x"));
        DialogFileChooser chooser;
        for (bool save : {false, true}) {
            for (bool accept : {true, false}) {
                const QString chosen = save ? fresh : existing;
                whenOpen<QFileDialog>([&](QFileDialog* dialog) {
                    if (!save) // files without a dot in their names are listed too
                        QCOMPARE(dialog->nameFilters(), QStringList{u"(*)"_s});
                    dialog->selectFile(chosen);
                    accept ? static_cast<QDialog*>(dialog)->accept() : dialog->reject();
                });
                const std::optional<QString> path = save ? chooser.chooseSave(nullptr, {}, {}, u"a.ics"_s)
                                                         : chooser.choose(nullptr, {}, u"(*.*)"_s);
                QCOMPARE(path, accept ? std::optional(chosen) : std::nullopt);
            }
        }
    }

    // The dialog speaks the program's language: folder and file kinds in its words, dates in its one form
    // (Qt's catalogue lacks the kinds in Turkish, and dates files in the system's form).
    void fileDialogInTheProgramsWords() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"Belgeler"_s) && writeAll(dir.filePath(u"not.txt"_s), "x"));
        QFile file(dir.filePath(u"not.txt"_s));
        QVERIFY(
            file.open(QIODevice::ReadWrite) &&
            file.setFileTime(QDateTime(QDate(2026, 12, 7), QTime(9, 5)), QFileDevice::FileModificationTime));
        file.close();
        lang::useLanguage(Language::Turkish);
        const std::unique_ptr<QFileDialog> dialog(
            makeFileDialog(nullptr, {}, u"(*)"_s, QFileDialog::AcceptOpen, dir.path()));
        const auto* files = qobject_cast<QFileSystemModel*>(dialog->proxyModel()->sourceModel());
        const auto shown = [&](const QString& name, int column) {
            return dialog->proxyModel()
                ->mapFromSource(files->index(dir.filePath(name), column))
                .data()
                .toString();
        };
        QTRY_COMPARE(shown(u"Belgeler"_s, 2), u"Klasör"_s);
        QTRY_COMPARE(shown(u"not.txt"_s, 2), u"txt dosyası"_s);
        QTRY_COMPARE(shown(u"not.txt"_s, 3), u"07.12.2026 09:05"_s);
        lang::useLanguage(Language::English);
        QCOMPARE(shown(u"Belgeler"_s, 2), u"Folder"_s);
        QCOMPARE(shown(u"not.txt"_s, 3), u"07/12/2026 09:05"_s);
        lang::useLanguage(Language::Turkish);
    }

    // The desktop's opener is a program: its exit status tells whether the file found a program; a file
    // that is not there, or an opener that is not installed, is told apart.
    void fileOpenerGoesByTheOpenersExitStatus_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<FileOpener::Outcome>("outcome");
        using O = FileOpener::Outcome;
        QTest::newRow("opener succeeds") << u"exit 0"_s << true << O::Opened;
        QTest::newRow("no program for the file") << u"exit 3"_s << true << O::NoProgram;
        QTest::newRow("no opener at all") << QString() << true << O::NoOpener;
        QTest::newRow("file missing: opener not run") << u"exit 0"_s << false << O::NotFound;
    }
    void fileOpenerGoesByTheOpenersExitStatus() {
        QFETCH(QString, opener);
        QFETCH(bool, fileThere);
        QFETCH(FileOpener::Outcome, outcome);
        QTemporaryDir dir;
        const QString script = dir.filePath(u"opener"_s), document = dir.filePath(u"rapor.pdf"_s);
        if (fileThere)
            QVERIFY(writeAll(document, "%PDF"));
        if (!opener.isNull())
            QVERIFY(writeScript(script, "echo \"$1\" > \"$0.ran\"\n" + opener.toUtf8()));
        QCOMPARE(DesktopFileOpener({script}).open(document), outcome);
        QCOMPARE(readAll(script + u".ran"_s), fileThere && !opener.isNull() ? document.toUtf8() + "\n" : "");
    }
};

QTEST_MAIN(TestMessageBoxes)
#include "tst_message_boxes.moc"
