#include "directory/directory_search.h"
#include "directory/record_saver.h"
#include "fakes/fake_services.h"

#include <QTest>

using namespace velkor;
using namespace velkor::directory;
using velkor::testing::TestContext;

namespace {

using Rows = QList<DirRecord>;

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
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

// Unchecked saves: every test compares the whole table afterwards.
DirectoryStore seeded(const TestContext& t, const char* entries) {
    const DirectoryStore store(t.ctx.dataDir);
    for (const DirRecord& entry : rows(entries))
        store.save(entry, SaveWrite::Insert);
    return store;
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

    void removeTakesExactlyThatNameAndAFailedRenameNothing() {
        TestContext t;
        const DirectoryStore store = seeded(t, "Kaya/1;kaya/2;Kaya/3");
        QVERIFY(store.remove(s("Kaya")).ok());
        QCOMPARE(store.readAll().value, rows("kaya/2"));
        // A trigger that refuses the delete of the old row: the new row must not stay either.
        const QString veto =
            s("CREATE TRIGGER keep BEFORE DELETE ON Table1 BEGIN SELECT RAISE(ABORT, 'x'); END");
        QVERIFY(store.database().change({{veto, {}}}).ok());
        QVERIFY(store.rename(rows("Deniz").value(0), SaveWrite::Insert, s("kaya"))
                    .error.contains(s("rehber.mdb")));
        QCOMPARE(store.readAll().value, rows("kaya/2"));
    }

    void saverOutcomes_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("oldName"); // empty for a new entry
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QString>("shown"); // the texts of the boxes, in order
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("oldNameAfter");
        const auto tr = Language::Turkish;
        const QString ask = s("Uyarı!: Yazdığınız isim zaten rehberde kayıtlı. Üstüne kayıt yapılsın mı?");
        const QString before = s("Ali'nin/1;Kaya/1/it's\r\n2");

        QTest::newRow("new, name taken, No")
            << tr << QString() << s("Kaya/2") << QList<Answer>{Answer::No} << ask << before << QString();
        QTest::newRow("new, kaya is not Kaya") << tr << QString() << s("kaya/2") << QList<Answer>{}
                                               << s("Kayıt Yapıldı") << before + s(";kaya/2") << QString();
        QTest::newRow("change number only") << tr << s("Kaya") << s("Kaya/9/x") << QList<Answer>{}
                                            << s("Kayıt Güncellendi") << s("Ali'nin/1;Kaya/9/x") << s("Kaya");
        QTest::newRow("rename to a new name leaves one row")
            << tr << s("Kaya") << s("Deniz/1/x") << QList<Answer>{} << s("Kayıt Güncellendi")
            << s("Ali'nin/1;Deniz/1/x") << s("Deniz");
        QTest::newRow("rename onto another entry, Yes")
            << Language::English << s("Kaya") << s("Ali'nin/7") << QList<Answer>{Answer::Yes}
            << s("Uyarı!: This name  already exists. Do you want to replace it?|Record Updated")
            << s("Ali'nin/7") << s("Ali'nin");
    }
    void saverOutcomes() {
        QFETCH(Language, language);
        QFETCH(QString, oldName);
        QFETCH(QString, boxes);
        QFETCH(QList<Answer>, answers);
        QFETCH(QString, shown);
        QFETCH(QString, after);
        QFETCH(QString, oldNameAfter);
        TestContext t;
        t.ctx.state.language = language;
        const DirectoryStore store = seeded(t, "Ali'nin/1;Kaya/1/it's\r\n2");
        t.prompter.answers.append(answers);
        const EditorMode mode = oldName.isEmpty() ? EditorMode::NewEntry : EditorMode::Change;
        RecordSaver(t.ctx).save(mode, rows(boxes.toUtf8().constData()).value(0), oldName);
        QStringList texts;
        for (const auto& box : t.prompter.boxes)
            texts.append(box.kind == BoxKind::Question ? box.title + s(": ") + box.text : box.text);
        QCOMPARE(texts.join(QLatin1Char('|')), shown);
        QCOMPARE(store.readAll().value, rows(after.toUtf8().constData()));
        QCOMPARE(oldName, oldNameAfter);
    }
};

QTEST_GUILESS_MAIN(TestDirectoryStore)
#include "tst_directory_store.moc"
