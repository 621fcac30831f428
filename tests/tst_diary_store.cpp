#include "diary/diary_store.h"
#include "fakes/file_helpers.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace velkor;
using velkor::testing::readAll;
using velkor::testing::writeAll;
using namespace velkor::diary;

namespace {

DiaryEntry entry(const QString& subject, const QString& day = QStringLiteral("05"),
                 const QString& month = QStringLiteral("06"), const QString& year = QStringLiteral("2003")) {
    return {-1, subject, subject + QStringLiteral(" content"), day, month, year};
}

} // namespace

class TestDiaryStore : public QObject {
    Q_OBJECT
private slots:
    void addedEntriesAreFoundAsTyped_data() {
        QTest::addColumn<DiaryEntry>("typed");
        const auto s = [](const char* utf8) { return QString::fromUtf8(utf8); };
        QTest::newRow("apostrophes") << DiaryEntry{
            -1, s("Ali'nin 'doğum' günü"), s("line 1\r\nit's line 2"), s("31"), s("02"), s("'03")};
        QTest::newRow("statement-like, empty content")
            << DiaryEntry{-1, s("x'); DROP TABLE Table1; --"), QString(), s("01"), s("01"), s("2003")};
    }
    void addedEntriesAreFoundAsTyped() {
        QFETCH(DiaryEntry, typed);
        QTemporaryDir dir;
        const DiaryStore store{QDir(dir.path())};
        QCOMPARE(store.updateNewRecordNumber().value, std::nullopt);
        const Loaded<qint32> added = store.addEntry(typed);
        QVERIFY2(added.ok(), qPrintable(added.error));
        QCOMPARE(store.updateNewRecordNumber().value, std::optional<qint32>(added.value));

        typed.recordNo = added.value;
        QCOMPARE(store.findEntry(added.value).value, std::optional<DiaryEntry>(typed));
        QVERIFY(!store.findEntry(added.value).value->content.isNull()); // stored as empty text, not NULL
        QCOMPARE(store.findEntry(added.value + 1).value, std::nullopt);
    }

    void sameDateAndSubjectAreTwoEntriesInOrder() {
        QTemporaryDir dir;
        const DiaryStore store{QDir(dir.path())};
        const qint32 first = store.addEntry(entry(QStringLiteral("Toplantı"))).value;
        const qint32 second = store.addEntry(entry(QStringLiteral("Toplantı"))).value;
        QVERIFY(second > first);
        QCOMPARE(store.updateNewRecordNumber().value, std::optional<qint32>(second));

        const Loaded<QList<DiaryEntry>> all = store.readEntries();
        QCOMPARE(all.value.size(), 2);
        QCOMPARE(all.value.at(0).recordNo, first);
        QCOMPARE(all.value.at(1).recordNo, second);
        const Loaded<QList<DiaryEntry>> headings = store.readEntries(EntryFields::WithoutContent);
        QCOMPARE(headings.value.at(1).subject, QStringLiteral("Toplantı"));
        QVERIFY(headings.value.at(1).content.isEmpty());
    }

    void updateChangesOnlyItsEntry() {
        QTemporaryDir dir;
        const DiaryStore store{QDir(dir.path())};
        const qint32 kept = store.addEntry(entry(QStringLiteral("kept"))).value;
        const qint32 changed = store.addEntry(entry(QStringLiteral("old"))).value;
        QVERIFY(store.updateEntry(changed, entry(QStringLiteral("new 'one'"), QStringLiteral("01"))).ok());
        QCOMPARE(store.findEntry(changed).value->subject, QStringLiteral("new 'one'"));
        QCOMPARE(store.findEntry(changed).value->day, QStringLiteral("01"));
        QCOMPARE(store.findEntry(kept).value->subject, QStringLiteral("kept"));

        // Saving over an entry that is gone must not claim success.
        const IoResult missing = store.updateEntry(changed + 10, entry(QStringLiteral("x")));
        QVERIFY(!missing.ok());
        QVERIFY(missing.error.contains(QStringLiteral("history.mdb")));
        QCOMPARE(store.readEntries().value.size(), 2);
    }

    void filesAreLinkedOncePerEntryAndDetachedPerEntry() {
        QTemporaryDir dir;
        const DiaryStore store{QDir(dir.path())};
        const QString shared = QStringLiteral("/home/u/O'Neil's report.doc");
        const QString other = QStringLiteral("/home/u/plan.xls");
        QCOMPARE(store.attachFile(1, shared).value, true);
        QCOMPARE(store.attachFile(1, shared).value, false); // twice: stored once
        QCOMPARE(store.attachFile(1, other).value, true);
        QCOMPARE(store.attachFile(2, shared).value, true);           // the same file for another entry
        QCOMPARE(store.attachFile(1, shared.toUpper()).value, true); // paths compare with case
        QCOMPARE(store.listFiles(1).value, (QStringList{shared, other, shared.toUpper()}));

        QVERIFY(store.detachFile(1, shared).ok());
        QCOMPARE(store.listFiles(1).value, (QStringList{other, shared.toUpper()}));
        QCOMPARE(store.listFiles(2).value, QStringList{shared});
        QVERIFY(store.listFiles(3).value.isEmpty());
    }

    void foreignDatabasesAreLeftAloneWithAClearError_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray jet =
            QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(500, '\x01');
        QTest::newRow("jet history") << QStringLiteral("history.mdb") << jet;
        QTest::newRow("garbage history")
            << QStringLiteral("history.mdb") << QByteArray("not a database at all");
        QTest::newRow("jet files") << QStringLiteral("files.mdb") << jet;
    }
    void foreignDatabasesAreLeftAloneWithAClearError() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const DiaryStore store{QDir(dir.path())};
        const QString path = QDir(dir.path()).filePath(name);
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        const bool history = name == QStringLiteral("history.mdb");
        const QList<QString> errors =
            history
                ? QList<QString>{store.readEntries().error, store.findEntry(1).error,
                                 store.addEntry(entry(QStringLiteral("x"))).error,
                                 store.updateEntry(1, entry(QStringLiteral("x"))).error,
                                 store.updateNewRecordNumber().error}
                : QList<QString>{store.listFiles(1).error, store.attachFile(1, QStringLiteral("/a")).error,
                                 store.detachFile(1, QStringLiteral("/a")).error};
        for (const QString& error : errors)
            QVERIFY2(error.contains(name), qPrintable(error));
        QCOMPARE(readAll(path), bytes);
        // The other database works on.
        if (history)
            QVERIFY(store.attachFile(1, QStringLiteral("/a")).ok());
        else
            QVERIFY(store.addEntry(entry(QStringLiteral("x"))).ok());
    }
};

QTEST_GUILESS_MAIN(TestDiaryStore)
#include "tst_diary_store.moc"
