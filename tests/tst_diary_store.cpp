#include "core/diary/diary_listing.h"
#include "core/diary/diary_store.h"
#include "fakes/test_support.h"

using namespace velkor::diary;

namespace {

DiaryEntry entry(const char* subject, const char* day = "05") {
    return {-1, subject, QString(subject) + " content", day, "06", "2003"};
}

// The entry with the number the store gave it.
DiaryEntry added(const DiaryStore& store, DiaryEntry entry) {
    entry.recordNo = store.addEntry(entry).value;
    return entry;
}

DiaryEntry dated(qint32 no, const char* day, const char* month, const char* year, const char* subject) {
    return {no, subject, QString(), day, month, year};
}

} // namespace

class TestDiaryStore : public QObject {
    Q_OBJECT
private slots:
    void entriesAreStoredAsTypedInOrderAndUpdatedOneByOne() {
        QTemporaryDir dir;
        const DiaryStore store{QDir(dir.path())};
        QCOMPARE(store.updateNewRecordNumber().value, std::nullopt);
        const DiaryEntry typed =
            added(store, {-1, "Ali'nin 'doğum' günü", "line 1\r\nit's line 2", "31", "02", "'03"});
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
        QVERIFY(store.updateEntry(second.recordNo + 1, changed).error.contains("history.mdb"));
        QCOMPARE(store.readEntries().value, (QList<DiaryEntry>{typed, changed, second}));
        DiaryEntry heading = typed;
        heading.content.clear();
        QCOMPARE(store.readEntries(EntryFields::WithoutContent).value.first(), heading);
        // Nor may a new entry that could not be stored.
        QVERIFY(QFile::remove(store.history().path()) && QDir().mkdir(store.history().path()));
        QVERIFY(store.addEntry(entry("lost")).error.contains("history.mdb"));
    }

    // Tables made by another tool: numbers kept as text (9 sorts after 10), a RecordNo SQLite leaves empty.
    void foreignNumberColumnsStillNumberAndLinkEntries_data() {
        QTest::addColumn<QString>("declaration");
        QTest::newRow("INTEGER without key") << QString("INTEGER");
        QTest::newRow("no type, text numbers") << QString();
        QTest::newRow("TEXT") << QString("TEXT");
    }
    void foreignNumberColumnsStillNumberAndLinkEntries() {
        QFETCH(QString, declaration);
        QTemporaryDir dir;
        // Rows 10 and 9 (the last is not the largest), the number as text in every column.
        const auto seed = [&](const char* file, const QStringList& others) {
            QList<db::Column> columns{{"RecordNo", declaration}};
            for (const QString& name : others)
                columns.append({name, {}});
            const QString insert =
                QString("INSERT INTO Table1 VALUES (?%1)").arg(QString(", ?").repeated(others.size()));
            const db::Database foreign(QDir(dir.path()), file, columns);
            for (const char* number : {"10", "9"})
                QVERIFY(foreign.change({{insert, QVariantList(others.size() + 1, QString(number))}}).ok());
        };
        seed("history.mdb", {"RecordSubject", "RecordContent", "RecordDay", "RecordMonth", "RecordYear"});
        seed("files.mdb", {"FilePath"});
        const DiaryStore store{QDir(dir.path())};

        const DiaryEntry first = added(store, entry("a"));
        const DiaryEntry second = added(store, entry("b"));
        QCOMPARE(QList<qint32>({first.recordNo, second.recordNo}), QList<qint32>({11, 12}));
        QCOMPARE(store.findEntry(10).value->subject, "10");
        QCOMPARE(store.attachFile(10, "10").value, false); // the link stored as text is found
        QVERIFY(store.attachFile(first.recordNo, "/a").value && store.detachFile(10, "10").ok());
        QCOMPARE(store.listFiles(first.recordNo).value, QStringList{"/a"});
        QCOMPARE(store.listFiles(9).value, QStringList{"9"});
        QCOMPARE(store.listFiles(10).value, QStringList{});
    }

    // The Turkish fold must not come from the locale.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void filtersAndOrder_data() {
        QTest::addColumn<ListingQuery>("query");
        QTest::addColumn<QList<qint32>>("listed");
        using L = QList<qint32>;
        using Q = ListingQuery;
        const QString y2003 = u"2003"_s;
        // Dates as numbers, newest first; same date: the later entry first; a year like 985 is older than
        // 2002, not newer; a year that is not a number goes last.
        QTest::newRow("all") << Q{0, 6, y2003, {}} << L{6, 4, 2, 10, 1, 8, 3, 5, 9, 7};
        QTest::newRow("date: month and exact year text") << Q{1, 6, y2003, {}} << L{2, 10, 1, 8};
        QTest::newRow("date: year text compared as text") << Q{1, 6, "abc", {}} << L{7};
        QTest::newRow("year") << Q{2, 1, y2003, {}} << L{4, 2, 10, 1, 8, 3, 7};
        QTest::newRow("year and before") << Q{3, 1, y2003, {}} << L{4, 2, 10, 1, 8, 3, 5, 9, 7};
        QTest::newRow("year and after") << Q{4, 1, y2003, {}} << L{6, 4, 2, 10, 1, 8, 3, 7};
        QTest::newRow("year box not a number: all pass")
            << Q{4, 1, "yıl", {}} << L{6, 4, 2, 10, 1, 8, 3, 5, 9, 7};
        QTest::newRow("ist finds both istanbuls") << Q{0, 1, y2003, "ist"} << L{2, 8};
        QTest::newRow("a later word of the subject") << Q{0, 1, y2003, "gezi"} << L{2};
        QTest::newRow("from the start first, then by a later word")
            << Q{0, 1, y2003, "y"} << L{6, 7, 3, 5, 9};
        QTest::newRow("YIL: a later word, Turkish fold") << Q{0, 1, y2003, "YIL"} << L{6, 3, 5, 9, 7};
        QTest::newRow("yil: the dotted i is another letter") << Q{0, 1, y2003, "yil"} << L{};
        QTest::newRow("after a hyphen") << Q{0, 1, y2003, "sonu"} << L{5};
        QTest::newRow("not inside a word") << Q{0, 1, y2003, "tanbul"} << L{};
        QTest::newRow("search and period together") << Q{2, 1, y2003, "t"} << L{4, 10, 1};
    }
    void filtersAndOrder() {
        QFETCH(ListingQuery, query);
        QFETCH(QList<qint32>, listed);
        // Stored in this order (table order); neither it nor the numbers follow the dates, on purpose.
        const QList<DiaryEntry> stored{
            dated(10, "05", "06", "2003", "Toplantı"),       dated(1, "05", "06", "2003", "Toplantı"),
            dated(2, "17", "06", "2003", "İstanbul gezisi"), dated(3, "01", "06", " 2003", "Boşluklu yıl"),
            dated(4, "09", "07", "2003", "Temmuz"),          dated(5, "28", "12", "2002", "Eski (yıl-sonu)"),
            dated(6, "02", "01", "2004", "Yeni yıl"),        dated(7, "10", "06", "abc", "Yazısız yıl"),
            dated(8, "03", "06", "2003", "istanbul"),        dated(9, "15", "06", "985", "Kısa yıl"),
        };
        QCOMPARE(buildListing(stored, query).recordNumbers, listed);
    }
};

QTEST_GUILESS_MAIN(TestDiaryStore)
#include "tst_diary_store.moc"
