#include "directory/directory_search.h"
#include "directory/directory_store.h"
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

void seed(const DirectoryStore& store, const Rows& rows) {
    for (const DirRecord& row : rows)
        QVERIFY2(store.save(row, SaveWrite::Insert).ok(), "seeding failed");
}

Rows rows(const DirectoryStore& store) {
    const Loaded<Rows> all = store.readAll();
    if (!all.ok())
        qWarning("%s", qPrintable(all.error));
    return all.value;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestDirectoryStore : public QObject {
    Q_OBJECT
private slots:
    void search_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("in: dotted i both cases") << s("in") << QStringList{s("ince"), s("İnce")};
        QTest::newRow("İN: the same fold") << s("İN") << QStringList{s("ince"), s("İnce")};
        QTest::newRow("IN: dotless capital") << s("IN") << QStringList{s("INCE")};
        QTest::newRow("ıl: dotless i both cases") << s("ıl") << QStringList{s("Ilgın"), s("ılık")};
        QTest::newRow("05: numbers, whatever the name") << s("05") << QStringList{s("Ali'nin"), s("Zeki")};
        QTest::newRow("0532: longer prefix") << s("0532") << QStringList{s("Ali'nin")};
        QTest::newRow("Ac: a letter never looks at numbers") << s("Ac") << QStringList{};
        QTest::newRow("ali': apostrophe typed") << s("ali'") << QStringList{s("Ali'nin")};
        QTest::newRow("incel: longer than every name") << s("incel") << QStringList{};
        QTest::newRow("gross: ß folds to SS") << s("gross") << QStringList{s("Großmann")};
        QTest::newRow("groß: sharp s typed") << s("groß") << QStringList{s("Großmann")};
        QTest::newRow("empty: everyone, Turkish order")
            << QString() << QStringList{s("Ali'nin"), s("Großmann"), s("Ilgın"), s("ılık"), s("INCE"),
                                        s("İlk"),     s("ince"),     s("İnce"),  s("Zeki")};
    }
    void search() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        const Rows records{rec("İnce"),
                           rec("ince"),
                           rec("INCE"),
                           rec("Ilgın"),
                           rec("ılık"),
                           rec("İlk", "0212"),
                           rec("Ali'nin", "0532 111"),
                           rec("Zeki", "05 Acil"),
                           rec("Großmann")};
        QCOMPARE(matchingNames(records, text), expected);
    }

    void numberSearchStartsWithADigitOnly_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("byNumber");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("0") << s("0") << true;
        QTest::newRow("9x") << s("9x") << true;
        QTest::newRow("blank first") << s(" 05") << false;
        QTest::newRow("plus") << s("+90") << false;
        QTest::newRow("arabic-indic digit") << s("٠٥") << false;
    }
    void numberSearchStartsWithADigitOnly() {
        QFETCH(QString, text);
        QFETCH(bool, byNumber);
        QCOMPARE(searchesByNumber(text), byNumber);
    }

    void namesSortAlphabeticallyByTurkishRules() {
        QStringList names{s("Zeynep"), s("çiğdem"), s("Cem"), s("Şule"), s("Selin"), s("ışık"),
                          s("İpek"),   s("Ilgaz"),  s("ali"), s("Kaya"), s("kaya"),  s("Ümit")};
        sortNames(names);
        QCOMPARE(names, (QStringList{s("ali"), s("Cem"), s("çiğdem"), s("Ilgaz"), s("ışık"), s("İpek"),
                                     s("kaya"), s("Kaya"), s("Selin"), s("Şule"), s("Ümit"), s("Zeynep")}));
    }

    void apostrophesAndLineBreaksAreStoredAsTyped() {
        TestContext t;
        const DirectoryStore store(t.ctx.dataDir);
        const DirRecord typed{s("O'Brien 'Jr'"), s("0'5"), s("it's\r\nline 2")};
        QVERIFY(store.save(typed, SaveWrite::Insert).ok());
        QCOMPARE(rows(store), Rows{typed});
        QCOMPARE(store.entriesNamed(typed.name).value, Rows{typed});
        QVERIFY(store.remove(typed.name).ok());
        QCOMPARE(rows(store), Rows{});
    }

    void deleteRemovesEveryRowOfExactlyThatName() {
        TestContext t;
        const DirectoryStore store(t.ctx.dataDir);
        seed(store, {rec("Kaya", "1"), rec("kaya", "2"), rec("Kaya", "3"), rec("Kaya ", "4")});
        QCOMPARE(store.entriesNamed(s("Kaya")).value, (Rows{rec("Kaya", "1"), rec("Kaya", "3")}));
        QVERIFY(store.remove(s("Kaya")).ok());
        QCOMPARE(rows(store), (Rows{rec("kaya", "2"), rec("Kaya ", "4")}));
    }

    void overwriteChangesNumberAndAddressOfTheName() {
        TestContext t;
        const DirectoryStore store(t.ctx.dataDir);
        seed(store, {rec("Ada", "1", "a"), rec("Bora", "2", "b")});
        QVERIFY(store.save(rec("Bora", "22", "bb"), SaveWrite::Overwrite).ok());
        QCOMPARE(rows(store), (Rows{rec("Ada", "1", "a"), rec("Bora", "22", "bb")}));
        // The row gone meanwhile (another copy of the program): the entry is kept all the same.
        QVERIFY(store.save(rec("Cem", "3"), SaveWrite::Overwrite).ok());
        QCOMPARE(rows(store).size(), 3);
    }

    void renameLeavesOneRowUnderTheNewName() {
        TestContext t;
        const DirectoryStore store(t.ctx.dataDir);
        seed(store, {rec("Ada", "1"), rec("Bora", "2")});
        QVERIFY(store.rename(rec("Deniz", "9"), SaveWrite::Insert, s("Ada")).ok());
        QCOMPARE(rows(store), (Rows{rec("Bora", "2"), rec("Deniz", "9")}));
        QVERIFY(store.rename(rec("Bora", "7"), SaveWrite::Overwrite, s("Deniz")).ok());
        QCOMPARE(rows(store), (Rows{rec("Bora", "7")}));
    }

    void renameHappensWholeOrNotAtAll() {
        TestContext t;
        const DirectoryStore store(t.ctx.dataDir);
        seed(store, {rec("Ada", "1")});
        {
            // The old row cannot go: then the new one must not stay either.
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("veto"));
            db.setDatabaseName(store.database().path());
            QVERIFY(db.open());
            QSqlQuery veto(db);
            QVERIFY(veto.exec(QStringLiteral(
                "CREATE TRIGGER keep BEFORE DELETE ON Table1 BEGIN SELECT RAISE(ABORT, 'kept'); END")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("veto"));
        const IoResult renamed = store.rename(rec("Deniz", "9"), SaveWrite::Insert, s("Ada"));
        QVERIFY(!renamed.ok());
        QVERIFY(renamed.error.contains(QStringLiteral("rehber.mdb")));
        QCOMPARE(rows(store), Rows{rec("Ada", "1")});
    }

    void missingDatabaseReadsEmptyAndRefusesDeletes() {
        TestContext t;
        const DirectoryStore store(t.ctx.dataDir);
        const Loaded<Rows> all = store.readAll();
        QVERIFY(all.ok() && all.value.isEmpty());
        const IoResult removed = store.remove(s("Ada"));
        QVERIFY(!removed.ok());
        QVERIFY(removed.error.contains(QStringLiteral("rehber.mdb")));
        QVERIFY(!QFile::exists(t.file(QStringLiteral("rehber.mdb"))));
        QVERIFY(store.ensureCreated().ok());
        QVERIFY(store.remove(s("Ada")).ok());
    }

    void foreignFileIsRefusedAndLeftAlone() {
        TestContext t;
        const QByteArray jet = QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(2000, 'x');
        QFile file(t.file(QStringLiteral("rehber.mdb")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(jet);
        file.close();
        const DirectoryStore store(t.ctx.dataDir);
        for (const QString& error :
             {store.readAll().error, store.ensureCreated().error, store.remove(s("A")).error,
              store.save(rec("A"), SaveWrite::Insert).error})
            QVERIFY2(error.contains(QStringLiteral("rehber.mdb")), qPrintable(error));
        QCOMPARE(readAll(file.fileName()), jet);
    }

    void saverOutcomes_data() {
        QTest::addColumn<Rows>("before");
        QTest::addColumn<bool>("change");
        QTest::addColumn<QString>("oldName");
        QTest::addColumn<DirRecord>("boxes");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("boxesShown"); // titles and texts of the boxes, in order
        QTest::addColumn<Rows>("after");
        QTest::addColumn<QString>("oldNameAfter");

        const QString saved = s("Kayıt Yapıldı");
        const QString updated = s("Kayıt Güncellendi");
        const QString asked = s("Uyarı!|Yazdığınız isim zaten rehberde kayıtlı. Üstüne kayıt yapılsın mı?");
        const QString blank = s("İsim alanı boş bırakılamaz. Kayıt yapılmadı.");
        const Rows kaya{rec("Kaya", "1", "x")};

        QTest::newRow("new, blank name") << kaya << false << QString() << rec("", "5") << QList<Answer>{}
                                         << QStringList{blank} << kaya << QString();
        QTest::newRow("change, blank name") << kaya << true << s("Kaya") << rec("", "5") << QList<Answer>{}
                                            << QStringList{blank} << kaya << s("Kaya");
        QTest::newRow("new, name taken, No")
            << kaya << false << QString() << rec("Kaya", "2", "y") << QList<Answer>{Answer::No}
            << QStringList{asked} << kaya << QString();
        QTest::newRow("new, name taken, Yes")
            << kaya << false << QString() << rec("Kaya", "2", "y") << QList<Answer>{Answer::Yes}
            << QStringList{asked, saved} << Rows{rec("Kaya", "2", "y")} << QString();
        QTest::newRow("new, kaya is not Kaya")
            << kaya << false << QString() << rec("kaya", "2") << QList<Answer>{} << QStringList{saved}
            << Rows{rec("Kaya", "1", "x"), rec("kaya", "2")} << QString();
        QTest::newRow("change number only")
            << Rows{rec("Ada", "1"), rec("Kaya", "1", "x")} << true << s("Kaya") << rec("Kaya", "9", "x")
            << QList<Answer>{} << QStringList{updated} << Rows{rec("Ada", "1"), rec("Kaya", "9", "x")}
            << s("Kaya");
        QTest::newRow("change, apostrophe keeps its row")
            << Rows{rec("Ali'nin", "1")} << true << s("Ali'nin") << rec("Ali'nin", "2") << QList<Answer>{}
            << QStringList{updated} << Rows{rec("Ali'nin", "2")} << s("Ali'nin");
        QTest::newRow("rename to a new name")
            << Rows{rec("Ada", "1"), rec("Kaya", "1", "x")} << true << s("Kaya") << rec("Deniz", "1", "x")
            << QList<Answer>{} << QStringList{updated} << Rows{rec("Ada", "1"), rec("Deniz", "1", "x")}
            << s("Deniz");
        QTest::newRow("rename onto another entry, Yes")
            << Rows{rec("Ada", "1"), rec("Kaya", "1", "x")} << true << s("Kaya") << rec("Ada", "7", "z")
            << QList<Answer>{Answer::Yes} << QStringList{asked, updated} << Rows{rec("Ada", "7", "z")}
            << s("Ada");
        QTest::newRow("rename onto another entry, No")
            << Rows{rec("Ada", "1"), rec("Kaya", "1", "x")} << true << s("Kaya") << rec("Ada", "7", "z")
            << QList<Answer>{Answer::No} << QStringList{asked} << Rows{rec("Ada", "1"), rec("Kaya", "1", "x")}
            << s("Kaya");
    }
    void saverOutcomes() {
        QFETCH(Rows, before);
        QFETCH(bool, change);
        QFETCH(QString, oldName);
        QFETCH(DirRecord, boxes);
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, boxesShown);
        QFETCH(Rows, after);
        QFETCH(QString, oldNameAfter);

        TestContext t;
        const DirectoryStore store(t.ctx.dataDir);
        seed(store, before);
        for (Answer a : answers)
            t.prompter.answers.enqueue(a);
        RecordSaver saver(t.ctx);
        saver.save(change ? EditorMode::Change : EditorMode::NewEntry, boxes, oldName);

        QStringList shown;
        for (const auto& box : t.prompter.boxes)
            shown.append(box.kind == BoxKind::Question ? box.title + QLatin1Char('|') + box.text : box.text);
        QCOMPARE(shown, boxesShown);
        QCOMPARE(rows(store), after);
        QCOMPARE(oldName, oldNameAfter);
    }

    void savingTwiceAsNewAsksTheSecondTimeInEnglish() {
        TestContext t;
        t.ctx.state.language = Language::English;
        RecordSaver saver(t.ctx);
        QString none;
        QVERIFY(saver.save(EditorMode::NewEntry, rec("Ada", "1"), none));
        QVERIFY(!saver.save(EditorMode::NewEntry, rec("Ada", "2"), none));
        QCOMPARE(t.prompter.boxes.size(), 2);
        QCOMPARE(t.prompter.boxes[0].text, s("Record Saved"));
        QCOMPARE(t.prompter.boxes[1].kind, BoxKind::Question);
        QCOMPARE(t.prompter.boxes[1].title, s("Uyarı!"));
        QCOMPARE(t.prompter.boxes[1].text, s("This name  already exists. Do you want to replace it?"));
        QCOMPARE(rows(DirectoryStore(t.ctx.dataDir)), Rows{rec("Ada", "1")});
    }

    void renamingBackAfterARenameKeepsTheEntry() {
        TestContext t;
        const DirectoryStore store(t.ctx.dataDir);
        seed(store, {rec("Ada", "1")});
        RecordSaver saver(t.ctx);
        QString inHand = s("Ada");
        QVERIFY(saver.save(EditorMode::Change, rec("Deniz", "1"), inHand));
        // The same entry, named back: no question, and the row it becomes is not deleted again.
        QVERIFY(saver.save(EditorMode::Change, rec("Ada", "1"), inHand));
        QCOMPARE(rows(store), Rows{rec("Ada", "1")});
        QCOMPARE(t.prompter.boxes.size(), 2);
    }

    void unreadableDatabaseSavesNothingAndSaysWhy() {
        TestContext t;
        QFile file(t.file(QStringLiteral("rehber.mdb")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a database at all");
        file.close();
        RecordSaver saver(t.ctx);
        QString none;
        QVERIFY(!saver.save(EditorMode::NewEntry, rec("Ada", "1"), none));
        QCOMPARE(t.prompter.boxes.size(), 1);
        QCOMPARE(t.prompter.boxes[0].kind, BoxKind::Critical);
        QVERIFY(t.prompter.boxes[0].text.contains(QStringLiteral("rehber.mdb")));
        QCOMPARE(readAll(file.fileName()), QByteArray("not a database at all"));
    }

    void modeIsReadFromTheSaveCaption_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("change");
        QTest::newRow("Kaydet") << s("Kaydet") << false;
        QTest::newRow("Save") << s("Save") << false;
        QTest::newRow("Güncelle") << s("Güncelle") << true;
        QTest::newRow("Update") << s("Update") << true;
    }
    void modeIsReadFromTheSaveCaption() {
        QFETCH(QString, caption);
        QFETCH(bool, change);
        QCOMPARE(editorModeFromCaption(caption) == EditorMode::Change, change);
    }
};

QTEST_GUILESS_MAIN(TestDirectoryStore)
#include "tst_directory_store.moc"
