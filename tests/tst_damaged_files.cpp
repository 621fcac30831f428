#include "core/plans/plan_store.h"
#include "fakes/fake_services.h"
#include "fakes/window_helpers.h"
#include "shell/main_form.h"

#include <QtWidgets>

#include <algorithm>

namespace {

const QByteArray kFolder = "<folder>";
const QByteArray kDangling = "<dangling>"; // a link to a place that does not exist

QByteArray garbage(int size) {
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes += char((i * 131 + 7) % 256);
    return bytes;
}

using Files = QMap<QString, QByteArray>;

// The files, one some box must name (empty: no box at all), those left untouched, the plans listed.
using Damage = std::tuple<Files, QString, QStringList, int>;

} // namespace

// The real program started on data folders holding foreign or damaged files: it never crashes, says so
// where the user must know, goes on with what it can read, and overwrites nothing it did not understand.
class TestDamagedFiles : public QObject {
    Q_OBJECT
private slots:
    void startsAndOpensEveryWindow_data() {
        QTest::addColumn<Damage>("row");

        const QByteArray good = "3,15,9,30,\"Dentist\"\r\n";
        QTest::newRow("garbage plans")
            << Damage{Files{{"myfile.kyt", garbage(3000)}}, QString(), QStringList{"myfile.kyt"}, 0};
        QTest::newRow("numbers out of range") << Damage{
            Files{{"myfile.kyt", "300,1,1,1,\"x\"\r\n13,99,77,45,\"y\"\r\n-1,5,25,0,\"z\"\r\n" + good}},
            QString(), QStringList{"myfile.kyt"}, 1}; // month 13 is in no month's list
        QTest::newRow("garbage bookkeeping and settings")
            << Damage{Files{{"tarih.kyt", garbage(200)},
                            {"sc.kyt", garbage(50)},
                            {"options.prg", garbage(80)},
                            {"notes.kyt", garbage(500)},
                            {"myfile.kyt", good}},
                      "tarih.kyt", QStringList{"options.prg", "notes.kyt", "myfile.kyt"}, 1};
        QTest::newRow("exit moment past 9999")
            << Damage{Files{{"tarih.kyt", "20000,1,1,0,0\r\n"}, {"sc.kyt", "1\r\n"}}, "tarih.kyt", {}, 0};
        QTest::newRow("exit moment cut short")
            << Damage{Files{{"tarih.kyt", "2026,3\r\n"}, {"sc.kyt", "1\r\n"}}, "tarih.kyt", {}, 0};
        QTest::newRow("exit hour -1")
            << Damage{Files{{"tarih.kyt", "2026,3,4,-1,0\r\n"}, {"sc.kyt", "1\r\n"}}, "tarih.kyt", {}, 0};
        QTest::newRow("dangling bookkeeping")
            << Damage{Files{{"tarih.kyt", kDangling}, {"sc.kyt", kDangling}}, "sc.kyt", {}, 0};
        const QByteArray jet = QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + garbage(4000);
        // The start tries to carry them over and says why it could not, once.
        QTest::newRow("old Jet diary")
            << Damage{Files{{"history.mdb", jet}, {"files.mdb", jet}}, "history.mdb\nbozuk ya da şifreli",
                      QStringList{"history.mdb", "files.mdb"}, 0};
        QTest::newRow("garbage databases")
            << Damage{Files{{"history.mdb", garbage(5000)}, {"rehber.mdb", garbage(9000)}}, "rehber.mdb",
                      QStringList{"history.mdb", "rehber.mdb"}, 0};
        QTest::newRow("folder for the plans") << Damage{Files{{"myfile.kyt", kFolder}}, "myfile.kyt", {}, 0};
        QTest::newRow("folder for the settings and the note")
            << Damage{Files{{"options.prg", kFolder}, {"notes.kyt", kFolder}}, "options.prg", {}, 0};
    }
    void startsAndOpensEveryWindow() {
        QFETCH(Damage, row);
        const auto& [files, toldAbout, untouched, plansListed] = row;

        TestContext t;
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            if (it.value() == kFolder)
                QVERIFY(QDir(t.dir.path()).mkdir(it.key()));
            else if (it.value() == kDangling)
                QVERIFY(QFile::link(t.file("missing/") + it.key(), t.file(it.key())));
            else
                QVERIFY(writeAll(t.file(it.key()), it.value()));
        }

        const bool starts = files.value("myfile.kyt") != kFolder; // nothing can stand in for the plans
        shell::MainForm form(t.ctx);
        form.setTrayProbe([] { return true; });
        QCOMPARE(form.start(), starts);
        if (starts) {
            for (const char* item : {"tkvm", "plnlr", "gnlk", "rhbr", "ntd", "hlp", "about", "snc"})
                form.menu()->findChild<QAction*>(QString::fromLatin1(item))->trigger();
            // The diary and directory fill their lists just after opening, from a 10 ms timer.
            const auto fills = [](const QTimer* each) { return each->isActive() && each->interval() <= 10; };
            QVERIFY(QTest::qWaitFor([&] {
                return std::ranges::none_of(form.windows().loadedWindows(), [&](const QWidget* window) {
                    return std::ranges::any_of(window->findChildren<QTimer*>(), fills);
                });
            }));
            QWidget* query = form.windows().loaded(5);
            QVERIFY(query);
            clickRow(named<QListWidget>(query, u"Aylar"_s), 13); // "Tüm Planlar"
            QCOMPARE(named<QListView>(query, u"Kayıtlar"_s)->model()->rowCount(), plansListed);

            // What can be read still works: a new plan is stored and read back.
            const plans::PlanStore store(t.file("myfile.kyt"));
            QVERIFY(store.appendPlan({6, 1, 25, 0, "added"}).ok());
            QCOMPARE(store.readPlans().value.last().text, u"added"_s);
            form.finish();
        }
        // Told once, however often the program meets the file; with no file to name, every box counts.
        const auto told = std::count_if(t.prompter.boxes.cbegin(), t.prompter.boxes.cend(),
                                        [&](const auto& box) { return box.text.contains(toldAbout); });
        QVERIFY2(told == (toldAbout.isEmpty() ? 0 : 1),
                 qPrintable(u"%1: %2"_s.arg(toldAbout, t.prompter.texts())));
        for (const QString& name : untouched)
            QVERIFY2(readAll(t.file(name)).startsWith(files.value(name)), qPrintable(name));
    }
};

QTEST_MAIN(TestDamagedFiles)
#include "tst_damaged_files.moc"
