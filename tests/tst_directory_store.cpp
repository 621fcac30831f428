#include "directory/directory_search.h"
#include "directory/record_saver.h"
#include "fakes/fake_services.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using namespace velkor;
using namespace velkor::directory;
using velkor::testing::TestContext;

Q_DECLARE_METATYPE(velkor::directory::DirRecord)

namespace {

using Rows = QList<DirRecord>;

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

DirRecord rec(const char* name, const char* tel = "", const char* address = "") {
    return {s(name), s(tel), s(address)};
}

// Splits "name/tel/address;name/tel/address" into rows.
Rows rows(const char* text) {
    Rows result;
    for (const QString& row : s(text).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList f = row.split(QLatin1Char('/'));
        result.append({f.value(0), f.value(1), f.value(2)});
    }
    return result;
}

void seed(const DirectoryStore& store, const Rows& entries) {
    for (const DirRecord& entry : entries)
        QVERIFY(store.save(entry, SaveWrite::Insert).ok());
}

} // namespace

class TestDirectoryStore : public QObject {
    Q_OBJECT
private slots:
    void search_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("in: dotted i, both cases") << s("in") << s("ince|İnce");
        QTest::newRow("IN: dotless capital") << s("IN") << s("INCE");
        QTest::newRow("ıl: dotless i, both cases") << s("ıl") << s("Ilgın|ılık");
        QTest::newRow("05: numbers, whatever the name") << s("05") << s("Ali'nin|Zeki");
        QTest::newRow("Ac: a letter never looks at numbers") << s("Ac") << QString();
        QTest::newRow("apostrophe typed") << s("ali'") << s("Ali'nin");
        QTest::newRow("ß folds to SS") << s("gross") << s("Großmann");
        QTest::newRow("empty: everyone, Turkish order")
            << QString() << s("Ali'nin|Großmann|Ilgın|ılık|INCE|İlk|ince|İnce|Zeki");
    }
    void search() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const Rows records = rows("İnce;ince;INCE;Ilgın;ılık;İlk/0212;Ali'nin/0532 1;Zeki/05 Acil;Großmann");
        QCOMPARE(matchingNames(records, text), expected.split(QLatin1Char('|'), Qt::SkipEmptyParts));
    }

    void textsAreStoredAsTypedAndDeletedByExactName() {
        TestContext t;
        const DirectoryStore store(t.ctx.dataDir);
        const DirRecord typed{s("O'Brien 'Jr'"), s("0'5"), s("it's\r\nline 2")};
        seed(store, {typed, rec("Kaya", "1"), rec("kaya", "2"), rec("Kaya", "3")});
        QCOMPARE(store.entriesNamed(typed.name).value, Rows{typed});
        QVERIFY(store.remove(s("Kaya")).ok());
        QVERIFY(store.remove(typed.name).ok());
        QCOMPARE(store.readAll().value, Rows{rec("kaya", "2")});
    }

    void renameHappensWholeOrNotAtAll() {
        TestContext t;
        const DirectoryStore store(t.ctx.dataDir);
        seed(store, {rec("Ada", "1")});
        {
            // A trigger that refuses the delete of the old row: the new row must not stay either.
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("veto"));
            db.setDatabaseName(store.database().path());
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral(
                "CREATE TRIGGER keep BEFORE DELETE ON Table1 BEGIN SELECT RAISE(ABORT, 'kept'); END")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("veto"));
        QVERIFY(store.rename(rec("Deniz", "9"), SaveWrite::Insert, s("Ada")).error.contains(s("rehber.mdb")));
        QCOMPARE(store.readAll().value, Rows{rec("Ada", "1")});
    }

    void missingOrForeignFilesFailInOrder() {
        TestContext t;
        const DirectoryStore store(t.ctx.dataDir);
        const QString path = t.file(QStringLiteral("rehber.mdb"));
        QVERIFY(store.readAll().ok());
        QVERIFY(store.remove(s("Ada")).error.contains(s("rehber.mdb")));
        QVERIFY(!QFile::exists(path));

        QFile jet(path);
        QVERIFY(jet.open(QIODevice::WriteOnly));
        jet.write(QByteArray("\x00\x01\x00\x00Standard Jet DB", 19));
        jet.close();
        for (const QString& error :
             {store.readAll().error, store.ensureCreated().error, store.remove(s("A")).error})
            QVERIFY2(error.contains(s("rehber.mdb")), qPrintable(error));
        QCOMPARE(QFileInfo(path).size(), 19);
    }

    void saverOutcomes_data() {
        QTest::addColumn<bool>("change");
        QTest::addColumn<QString>("oldName");
        QTest::addColumn<DirRecord>("boxes");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QString>("shown"); // the texts of the boxes, in order
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("oldNameAfter");
        const QList<Answer> none, yes{Answer::Yes}, no{Answer::No};
        const QString ask = s("Uyarı!: Yazdığınız isim zaten rehberde kayıtlı. Üstüne kayıt yapılsın mı?");
        const QString before = s("Ada/1;Kaya/1/x");

        QTest::newRow("blank name") << true << s("Kaya") << rec("", "5") << none
                                    << s("İsim alanı boş bırakılamaz. Kayıt yapılmadı.") << before
                                    << s("Kaya");
        QTest::newRow("new, name taken, No")
            << false << QString() << rec("Kaya", "2") << no << ask << before << QString();
        QTest::newRow("new, name taken, Yes")
            << false << QString() << rec("Kaya", "2", "y") << yes << ask + s("|Kayıt Yapıldı")
            << s("Ada/1;Kaya/2/y") << QString();
        QTest::newRow("new, kaya is not Kaya") << false << QString() << rec("kaya", "2") << none
                                               << s("Kayıt Yapıldı") << before + s(";kaya/2") << QString();
        QTest::newRow("change number only") << true << s("Kaya") << rec("Kaya", "9", "x") << none
                                            << s("Kayıt Güncellendi") << s("Ada/1;Kaya/9/x") << s("Kaya");
        QTest::newRow("rename to a new name") << true << s("Kaya") << rec("Deniz", "1", "x") << none
                                              << s("Kayıt Güncellendi") << s("Ada/1;Deniz/1/x") << s("Deniz");
        QTest::newRow("rename onto another entry, Yes")
            << true << s("Kaya") << rec("Ada", "7") << yes << ask + s("|Kayıt Güncellendi") << s("Ada/7")
            << s("Ada");
        QTest::newRow("rename onto another entry, No")
            << true << s("Kaya") << rec("Ada", "7") << no << ask << before << s("Kaya");
    }
    void saverOutcomes() {
        QFETCH(bool, change);
        QFETCH(QString, oldName);
        QFETCH(DirRecord, boxes);
        QFETCH(QList<Answer>, answers);
        QFETCH(QString, shown);
        QFETCH(QString, after);
        QFETCH(QString, oldNameAfter);
        TestContext t;
        const DirectoryStore store(t.ctx.dataDir);
        seed(store, rows("Ada/1;Kaya/1/x"));
        t.prompter.answers.append(answers);
        RecordSaver(t.ctx).save(change ? EditorMode::Change : EditorMode::NewEntry, boxes, oldName);
        QStringList texts;
        for (const auto& box : t.prompter.boxes)
            texts.append(box.kind == BoxKind::Question ? box.title + s(": ") + box.text : box.text);
        QCOMPARE(texts.join(QLatin1Char('|')), shown);
        QCOMPARE(store.readAll().value, rows(after.toUtf8().constData()));
        QCOMPARE(oldName, oldNameAfter);
    }

    void renamingTwiceKeepsTheEntryInHand() {
        TestContext t;
        t.ctx.state.language = Language::English;
        seed(DirectoryStore(t.ctx.dataDir), rows("Ada/1;Bora/2"));
        RecordSaver saver(t.ctx);
        QString inHand = s("Ada");
        QVERIFY(saver.save(EditorMode::Change, rec("Deniz", "1"), inHand));
        // Named back: the entry in hand is Deniz now, so no question, and the new row is not deleted.
        QVERIFY(saver.save(EditorMode::Change, rec("Ada", "1"), inHand));
        QVERIFY(!saver.save(EditorMode::Change, rec("Bora", "1"), inHand));
        QCOMPARE(DirectoryStore(t.ctx.dataDir).readAll().value, rows("Bora/2;Ada/1"));
        QCOMPARE(t.prompter.boxes.size(), 3);
        QCOMPARE(t.prompter.boxes[1].text, s("Record Updated"));
        QCOMPARE(t.prompter.boxes[2].title + t.prompter.boxes[2].text,
                 s("Uyarı!This name  already exists. Do you want to replace it?"));
    }
};

QTEST_GUILESS_MAIN(TestDirectoryStore)
#include "tst_directory_store.moc"
