#include "diary/diary_store.h"
#include "fakes/file_helpers.h"

#include <QTemporaryDir>
#include <QTest>

using namespace velkor;
using velkor::testing::readAll;
using velkor::testing::writeAll;
using namespace velkor::diary;

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

DiaryEntry entry(const char* subject, const char* day = "05") {
    return {-1, s(subject), s(subject) + s(" content"), s(day), s("06"), s("2003")};
}

// The entry with the number the store gave it.
DiaryEntry added(const DiaryStore& store, DiaryEntry entry) {
    entry.recordNo = store.addEntry(entry).value;
    return entry;
}

} // namespace

class TestDiaryStore : public QObject {
    Q_OBJECT
private slots:
    void entriesAreStoredAsTypedInOrderAndUpdatedOneByOne() {
        QTemporaryDir dir;
        const DiaryStore store{QDir(dir.path())};
        QCOMPARE(store.updateNewRecordNumber().value, std::nullopt);
        const DiaryEntry typed = added(
            store, {-1, s("Ali'nin 'doğum' günü"), s("line 1\r\nit's line 2"), s("31"), s("02"), s("'03")});
        QCOMPARE(store.updateNewRecordNumber().value, std::optional<qint32>(typed.recordNo));
        const DiaryEntry first = added(store, entry("Toplantı"));
        const DiaryEntry second = added(store, entry("Toplantı"));
        QVERIFY(typed.recordNo < first.recordNo && first.recordNo < second.recordNo);
        QCOMPARE(store.updateNewRecordNumber().value, std::optional<qint32>(second.recordNo));
        QCOMPARE(store.findEntry(typed.recordNo).value, std::optional<DiaryEntry>(typed));
        QCOMPARE(store.findEntry(second.recordNo + 1).value, std::nullopt);

        DiaryEntry changed = entry("new 'one'", "01");
        changed.recordNo = first.recordNo;
        QVERIFY(store.updateEntry(first.recordNo, changed).ok());
        // Saving over an entry that is gone must not claim success, nor add a row.
        QVERIFY(store.updateEntry(second.recordNo + 1, changed).error.contains(s("history.mdb")));
        QCOMPARE(store.readEntries().value, (QList<DiaryEntry>{typed, changed, second}));
        DiaryEntry heading = typed;
        heading.content.clear();
        QCOMPARE(store.readEntries(EntryFields::WithoutContent).value.first(), heading);
    }

    void filesAreLinkedOncePerEntryAndDetachedPerEntry() {
        QTemporaryDir dir;
        const DiaryStore store{QDir(dir.path())};
        const QString shared = s("/home/u/O'Neil's report.doc");
        const QString other = s("/home/u/plan.xls");
        QCOMPARE(store.attachFile(1, shared).value, true);
        QCOMPARE(store.attachFile(1, shared).value, false); // twice: stored once
        QCOMPARE(store.attachFile(1, other).value, true);
        QCOMPARE(store.attachFile(2, shared).value, true);           // the same file for another entry
        QCOMPARE(store.attachFile(1, shared.toUpper()).value, true); // paths compare with case
        QVERIFY(store.detachFile(1, shared).ok());
        QCOMPARE(store.listFiles(1).value, (QStringList{other, shared.toUpper()}));
        QCOMPARE(store.listFiles(2).value, QStringList{shared});
    }

    // Tables made by another tool: numbers kept as text (9 sorts after 10), or a RecordNo that SQLite does
    // not fill in itself.
    void foreignNumberColumnsStillNumberAndLinkEntries_data() {
        QTest::addColumn<QString>("declaration");
        QTest::newRow("ours") << s("INTEGER PRIMARY KEY AUTOINCREMENT");
        QTest::newRow("INTEGER without key") << s("INTEGER");
        QTest::newRow("no type, text numbers") << QString();
        QTest::newRow("TEXT") << s("TEXT");
    }
    void foreignNumberColumnsStillNumberAndLinkEntries() {
        QFETCH(QString, declaration);
        QTemporaryDir dir;
        // Rows 10 and 9 (the last is not the largest), the number as text in every column.
        const auto seed = [&](const char* file, const QStringList& others) {
            QList<db::Column> columns{{s("RecordNo"), declaration}};
            for (const QString& name : others)
                columns.append({name, {}});
            const QString insert = s("INSERT INTO Table1 VALUES (?%1)").arg(s(", ?").repeated(others.size()));
            const db::Database foreign(QDir(dir.path()), s(file), columns);
            for (const char* number : {"10", "9"})
                QVERIFY(foreign.change({{insert, QVariantList(others.size() + 1, s(number))}}).ok());
        };
        seed("history.mdb",
             {s("RecordSubject"), s("RecordContent"), s("RecordDay"), s("RecordMonth"), s("RecordYear")});
        seed("files.mdb", {s("FilePath")});
        const DiaryStore store{QDir(dir.path())};

        const DiaryEntry first = added(store, entry("a"));
        const DiaryEntry second = added(store, entry("b"));
        QCOMPARE(QList<qint32>({first.recordNo, second.recordNo}), QList<qint32>({11, 12}));
        DiaryEntry changed = entry("changed");
        changed.recordNo = first.recordNo;
        QVERIFY(store.updateEntry(first.recordNo, changed).ok());
        QCOMPARE(store.findEntry(first.recordNo).value, std::optional<DiaryEntry>(changed));
        QCOMPARE(store.findEntry(10).value->subject, s("10"));
        QCOMPARE(store.attachFile(10, s("10")).value, false); // the link stored as text is found
        QVERIFY(store.attachFile(first.recordNo, s("/a")).value && store.detachFile(10, s("10")).ok());
        QCOMPARE(store.listFiles(first.recordNo).value, QStringList{s("/a")});
        QCOMPARE(store.listFiles(9).value, QStringList{s("9")});
        QCOMPARE(store.listFiles(10).value, QStringList{});
    }

    void foreignDatabasesAreLeftAloneWithAClearError() {
        QTemporaryDir dir;
        const DiaryStore store{QDir(dir.path())};
        const QByteArray jet =
            QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(500, '\x01');
        const QByteArray garbage("not a database at all");
        QVERIFY(writeAll(store.history().path(), jet) && writeAll(store.files().path(), garbage));
        for (const QString& error :
             {store.readEntries().error, store.findEntry(1).error, store.addEntry(entry("x")).error,
              store.updateEntry(1, entry("x")).error, store.updateNewRecordNumber().error})
            QVERIFY2(error.contains(s("history.mdb")), qPrintable(error));
        for (const QString& error : {store.listFiles(1).error, store.attachFile(1, s("/a")).error,
                                     store.detachFile(1, s("/a")).error})
            QVERIFY2(error.contains(s("files.mdb")), qPrintable(error));
        QCOMPARE(readAll(store.history().path()), jet);
        QCOMPARE(readAll(store.files().path()), garbage);
    }
};

QTEST_GUILESS_MAIN(TestDiaryStore)
#include "tst_diary_store.moc"
