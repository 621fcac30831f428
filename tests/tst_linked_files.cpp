#include "core/diary/diary_store.h"
#include "core/notebook/notes_file.h"
#include "core/plans/plan_store.h"
#include "fakes/test_support.h"
#include "shell/bookkeeping.h"
#include "shell/legacy_files.h"

#include <functional>

namespace {

enum class Link { ToFile, Dangling, Loop };

// Each writer of a data file, and what its file holds afterwards. `write` tells whether it wrote.
struct Writer {
    const char* file;
    std::function<bool(const QDir&)> write;
    QByteArray holds;
    bool onlyWhenMissing = false; // it writes only where the data file is missing
};

const QMap<QString, Writer>& writers() {
    static const QMap<QString, Writer> all{
        {"plans rewritten",
         {"myfile.kyt",
          [](const QDir& d) {
              const plans::PlanStore store(d.filePath("myfile.kyt"));
              const plans::PlanRecord plan{3, 15, 9, 30, "Dentist"};
              return store.appendPlan(plan).ok() && store.replacePlan(plan, {3, 15, 9, 30, "Doctor"}).value;
          },
          "3,15,9,30,\"Doctor\""}},
        {"plans taken back from temp.kyt",
         {"myfile.kyt",
          [](const QDir& d) {
              return writeAll(d.filePath("temp.kyt"), "1,2,3,4,\"Kept\"\r\n") &&
                     shell::Bookkeeping(d).ensurePlanFile().ok() && !QFile::exists(d.filePath("temp.kyt"));
          },
          "1,2,3,4,\"Kept\"", true}},
        {"start stamped",
         {"tarih.kyt", [](const QDir& d) { return shell::Bookkeeping(d).stampStart().ok(); },
          "3000,1,1,1,1"}},
        {"exit taken from tarih.dat",
         {"tarih.kyt",
          [](const QDir& d) {
              if (!writeAll(d.filePath("tarih.dat"), "2020,1,2,3,4\r\n"))
                  return false;
              shell::adoptLegacyFiles(d);
              return !QFile::exists(d.filePath("tarih.dat"));
          },
          "2020,1,2,3,4"}},
        {"note saved",
         {"notes.kyt",
          [](const QDir& d) {
              return notebook::writeNote(d.filePath(notebook::notesFileName()), "typed").ok();
          },
          "\"typed\""}},
        {"diary entry added",
         {"history.mdb",
          [](const QDir& d) {
              return diary::DiaryStore(d).addEntry({-1, "Linked", "", "05", "06", "2003"}).ok();
          },
          "Linked"}},
    };
    return all;
}

} // namespace

class TestLinkedFiles : public QObject {
    Q_OBJECT
private slots:
    // A data file kept elsewhere and linked into the data folder: every write reaches the linked file and
    // the link stays; a loop of links is refused, the links left as they were.
    void writeGoesThroughTheLink_data() {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<Link>("link");
        for (auto it = writers().cbegin(); it != writers().cend(); ++it) {
            if (!it->onlyWhenMissing)
                QTest::addRow("%s, to a file", qPrintable(it.key())) << it.key() << Link::ToFile;
            QTest::addRow("%s, dangling", qPrintable(it.key())) << it.key() << Link::Dangling;
            QTest::addRow("%s, in a loop", qPrintable(it.key())) << it.key() << Link::Loop;
        }
    }
    void writeGoesThroughTheLink() {
        QFETCH(QString, writer);
        QFETCH(Link, link);
        const Writer& w = writers()[writer];
        QTemporaryDir data, synced;
        const QDir dir(data.path());
        const QString linkPath = dir.filePath(w.file);
        // Relative, as people make them: resolved from the link's own folder.
        const QString target = "../" + QFileInfo(synced.path()).fileName() + "/sub/" + w.file;
        QVERIFY(QDir(synced.path()).mkpath("sub"));
        if (link == Link::ToFile)
            QVERIFY(writeAll(QDir(synced.path()).filePath(QString("sub/") + w.file), {}));
        if (link == Link::Loop)
            QVERIFY(QFile::link(linkPath, QDir(synced.path()).filePath(QString("sub/") + w.file)));
        QVERIFY(QFile::link(target, linkPath));

        QCOMPARE(w.write(dir), link != Link::Loop);
        QVERIFY(QFileInfo(linkPath).isSymLink());
        QCOMPARE(QFileInfo(linkPath).symLinkTarget(), QDir::cleanPath(dir.filePath(target)));
        if (link != Link::Loop)
            QVERIFY2(readAll(linkPath).contains(w.holds), readAll(linkPath).constData());
        // Nothing left beside the linked file but itself.
        QCOMPARE(QDir(synced.path() + "/sub").entryList(QDir::Files | QDir::System | QDir::Hidden),
                 QStringList{w.file});
    }
};

QTEST_GUILESS_MAIN(TestLinkedFiles)
#include "tst_linked_files.moc"
