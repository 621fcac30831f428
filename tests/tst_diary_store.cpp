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
