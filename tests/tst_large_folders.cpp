// Keeping large folders quick changes nothing seen: the kept index lists what a walk of the file lists, in
// its order, and sees changes made behind it; the reminders' kept plans give way to any plan file change.
#include "core/directory/directory_index.h"
#include "core/directory/directory_search.h"
#include "core/plans/plan_store.h"
#include "fakes/fake_services.h"
#include "fakes/window_helpers.h"
#include "shell/reminder_timer.h"
#include "ui/directory/directory_window.h"

#include <QtSql>
#include <QtWidgets>

using namespace velkor::directory;

namespace {

// Turkish and plain letters, cases, a fold that grows (ß), a surrogate pair, short and empty names, and
// names that share a head of four letters but not the rest.
const QStringList Mixed = {
    u"Çiğdem Işık"_s, u"cemal"_s, u"Cem"_s,     u"İsmail"_s,  u"ismet"_s,  u"Ilgaz"_s,  u"ılık"_s,
    u"Straße"_s,      u"ßen"_s,   u"Şule Öz"_s, u"sule oz"_s, u"Üzüm"_s,   u"u"_s,      u""_s,
    u"😀 Gülen"_s,     u"Öykü"_s,  u"Oğuz"_s,    u"ogün"_s,    u"Zeynep"_s, u"Velkor"_s, u"Velkorian"_s,
    u"VELKOR-2"_s,    u"Ahmet"_s, u"ahmet"_s,   u"Ahmet"_s,   u"a"_s,      u"İİ"_s,     u"ii"_s,
};

// Each of them several times over with a number, so that the whole list is too long to be sorted at once.
void fillMixed(const DirectoryStore& store) {
    QList<std::pair<DirRecord, SaveWrite>> saves;
    for (int round = 0; round < 12; ++round) {
        for (qsizetype i = 0; i < Mixed.size(); ++i) {
            const QString name = round == 0 ? Mixed[i] : u"%1 %2"_s.arg(Mixed[i]).arg((round * 37 + i) % 50);
            saves.append({{name, u"0%1 %2"_s.arg(530 + round).arg(i), {}}, SaveWrite::Insert});
        }
    }
    QVERIFY(store.saveAll(saves).ok());
}

} // namespace

class TstLargeFolders : public QObject {
    Q_OBJECT
private slots:
    void indexFindsWhatTheWalkFinds_data() {
        QTest::addColumn<QString>("text");
        for (const char* text :
             {"",     "a",  "ahmet", "AHMET 1", "c",      "ç",       "Çİ",      "i",    "İ",   "ı",
              "I",    "is", "ıl",    "s",       "ss",     "strass",  "ş",       "ŞULE", "ö",   "o",
              "oğ",   "ü",  "u",     "velk",    "velkor", "VELKORİ", "velkor-", "😀",    "😀 g", "gül",
              "ışık", "öz", "0",     "053",     "0531 1", "0541",    "x",       " "})
            QTest::addRow("\"%s\"", text) << QString::fromUtf8(text);
    }
    void indexFindsWhatTheWalkFinds() {
        QFETCH(QString, text);
        TestContext t;
        const DirectoryStore store(t.ctx.dataDir);
        fillMixed(store);
        DirectoryIndex index(store);
        const Loaded<FoundNames> found = index.find(text);
        QVERIFY(found.ok());
        const QList<RowRef> walked = findNames(store, text).value;
        QCOMPARE(found.value.toList(), walked);
        // Lines asked for from the end put the list in the same order as from the start.
        const Loaded<FoundNames> again = DirectoryIndex(store).find(text);
        for (qsizetype line = again.value.size() - 1; line >= 0; --line)
            QCOMPARE(again.value.at(line), walked.at(line));
    }

    // Another program writes rows between two keys typed into the search, with and without a write-ahead
    // log (whose commits leave the database file as it was).
    void outsideChangeSeenAtNextKey_data() {
        QTest::addColumn<bool>("writeAheadLog");
        QTest::newRow("rollback journal") << false;
        QTest::newRow("write-ahead log") << true;
    }
    void outsideChangeSeenAtNextKey() {
        QFETCH(bool, writeAheadLog);
        TestContext t;
        const DirectoryStore store(t.ctx.dataDir);
        fillMixed(store);
        // Another program's connection, held open: the log stays, the database file is not written back.
        QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"held"_s);
        other.setDatabaseName(store.database().path());
        QVERIFY(other.open());
        QSqlQuery mode(other);
        QVERIFY(mode.exec(u"PRAGMA journal_mode"_s + (writeAheadLog ? u"=WAL"_s : QString())) && mode.next());
        QCOMPARE(mode.value(0).toString(), writeAheadLog ? u"wal"_s : u"delete"_s);
        mode.finish();

        DirectoryWindow window(t.ctx);
        window.show();
        auto* search = named<QLineEdit>(&window, u"Ara"_s);
        auto* list = named<QListView>(&window, u"İsimler"_s);
        QTest::keyClicks(search, u"ve"_s);
        QTRY_COMPARE(rowsOf(list), matchingNames(store.readAll().value, u"ve"_s));
        QVERIFY(!rowsOf(list).isEmpty());

        for (const QString& sql : {u"INSERT INTO Table1 VALUES ('Velkorova', '1', '')"_s,
                                   u"DELETE FROM Table1 WHERE RecordName = 'Velkorian'"_s,
                                   u"UPDATE Table1 SET RecordName = 'Vela' WHERE RecordName = 'Velkor'"_s})
            QVERIFY(QSqlQuery(other).exec(sql));
        QTest::keyClicks(search, u"l"_s);
        const QStringList expected = matchingNames(store.readAll().value, u"vel"_s);
        QVERIFY(expected.contains(u"Velkorova"_s) && expected.contains(u"Vela"_s) &&
                !expected.contains(u"Velkorian"_s));
        QTRY_COMPARE(rowsOf(list), expected);
        other.close();
        other = {};
        QSqlDatabase::removeDatabase(u"held"_s);
    }

    // The plan of the next minute, written in each way a plan file changes after a tick has read it.
    void changedPlanFileSeenAtNextTick_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("rewritten in place, same size, old times put back") << 0;
        QTest::newRow("replaced by rename") << 1;
        QTest::newRow("appended to") << 2;
    }
    void changedPlanFileSeenAtNextTick() {
        QFETCH(int, way);
        TestContext t;
        const QString path = t.file(u"myfile.kyt"_s);
        const plans::PlanStore store(path);
        QVERIFY(store.addPlans({{3, 5, 9, 1, u"Plan A"_s}}).ok());
        t.clock.set(QDateTime(QDate(2026, 3, 5), QTime(9, 0, 30)));
        shell::ReminderTimer timer(t.ctx, path, t.file(u"later.kyt"_s));
        timer.start(t.clock.now());
        t.clock.set(QDateTime(QDate(2026, 3, 5), QTime(9, 1, 0, 20)));
        timer.tick();
        QCOMPARE(t.prompter.texts(), u"Plan A"_s);

        const plans::PlanRecord next{3, 5, 9, 2, u"Plan B"_s};
        if (way == 0) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            const QDateTime modified = file.fileTime(QFileDevice::FileModificationTime);
            const QByteArray bytes = encodeRecord(plans::PlanStore::toFields(next));
            QCOMPARE(bytes.size(), file.size());
            QVERIFY(file.write(bytes) == bytes.size() && file.flush());
            QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        } else if (way == 1) {
            QVERIFY(store.replacePlan({3, 5, 9, 1, u"Plan A"_s}, next).value);
        } else {
            QVERIFY(store.appendPlan(next).ok());
        }
        t.clock.set(QDateTime(QDate(2026, 3, 5), QTime(9, 2, 0, 20)));
        timer.tick();
        QCOMPARE(t.prompter.texts(), u"Plan A|Plan B"_s);
    }
};

QTEST_MAIN(TstLargeFolders)
#include "tst_large_folders.moc"
