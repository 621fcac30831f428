#include "diary/db_engine.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace velkor;
using namespace velkor::diary;

namespace {

const QList<Column> kColumns{
    {QStringLiteral("RecordNo"), QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT")},
    {QStringLiteral("Name"), QStringLiteral("TEXT")},
};

Statement insertName(const QString& name) {
    return {QStringLiteral("INSERT INTO Table1 (Name) VALUES (?)"), {name}};
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList names(const Loaded<QList<Row>>& rows) {
    QStringList result;
    for (const Row& row : rows.value)
        result.append(row.at(1).toString());
    return result;
}

} // namespace

class TestDbEngine : public QObject {
    Q_OBJECT
private slots:
    void missingFileReadsEmptyAndIsCreatedByTheFirstChange() {
        QTemporaryDir dir;
        const Database db(QDir(dir.path()), QStringLiteral("history.mdb"), kColumns);
        const Loaded<QList<Row>> before = db.read();
        QVERIFY(before.ok());
        QVERIFY(before.value.isEmpty());
        QVERIFY(!QFile::exists(db.path())); // reading creates nothing

        const Loaded<ChangeOutcome> added = db.change({insertName(QStringLiteral("a"))});
        QVERIFY2(added.ok(), qPrintable(added.error));
        QCOMPARE(added.value.lastInsertId, 1);
        QVERIFY(readAll(db.path()).startsWith("SQLite format 3"));
    }

    void rowsComeBackInInsertionOrderAndNumbersAreNeverReused() {
        QTemporaryDir dir;
        const Database db(QDir(dir.path()), QStringLiteral("history.mdb"), kColumns);
        QVERIFY(db.change({insertName(QStringLiteral("z")), insertName(QStringLiteral("a"))}).ok());
        const Loaded<ChangeOutcome> third = db.change({insertName(QStringLiteral("m"))});
        QCOMPARE(third.value.lastInsertId, 3);
        QCOMPARE(names(db.read()),
                 (QStringList{QStringLiteral("z"), QStringLiteral("a"), QStringLiteral("m")}));

        QVERIFY(db.change({{QStringLiteral("DELETE FROM Table1 WHERE RecordNo = ?"), {3}}}).ok());
        QCOMPARE(db.change({insertName(QStringLiteral("n"))}).value.lastInsertId, 4);
    }

    void valuesAreStoredAsTyped_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("apostrophes") << QStringLiteral("O'Brien's 'quoted'");
        QTest::newRow("statement-like") << QStringLiteral("x'); DROP TABLE Table1; --");
        QTest::newRow("double quotes") << QStringLiteral("say \"hi\"");
        QTest::newRow("turkish and line breaks") << QString::fromUtf8("Işık\r\nçiğdem\n");
        QTest::newRow("empty") << QString();
    }
    void valuesAreStoredAsTyped() {
        QFETCH(QString, value);
        QTemporaryDir dir;
        const Database db(QDir(dir.path()), QStringLiteral("files.mdb"), kColumns);
        QVERIFY(db.change({insertName(value)}).ok());
        const Loaded<QList<Row>> found =
            db.read({{QStringLiteral("Name")}, QStringLiteral("Name = ?"), {value}});
        QVERIFY(found.ok());
        QCOMPARE(found.value.size(), 1);
        QCOMPARE(found.value.first().first().toString(), value);
    }

    void aFailingStatementUndoesTheWholeChange() {
        QTemporaryDir dir;
        const Database db(QDir(dir.path()), QStringLiteral("history.mdb"), kColumns);
        QVERIFY(db.change({insertName(QStringLiteral("kept"))}).ok());
        const Loaded<ChangeOutcome> failed =
            db.change({insertName(QStringLiteral("lost")),
                       {QStringLiteral("INSERT INTO Table1 (RecordNo, Name) VALUES (?, ?)"),
                        {1, QStringLiteral("x")}}});
        QVERIFY(!failed.ok());
        QVERIFY(failed.error.contains(QStringLiteral("history.mdb")));
        QCOMPARE(names(db.read()), QStringList{QStringLiteral("kept")});
    }

    void foreignFilesAreRefusedAndLeftUntouched_data() {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray jet("\x00\x01\x00\x00Standard Jet DB\x00", 20);
        jet.append(QByteArray(2048 - jet.size(), '\x5a'));
        QTest::newRow("jet file") << jet;
        QTest::newRow("text") << QByteArray("RecordNo,RecordSubject\r\n1,\"x\"\r\n");
        QTest::newRow("shorter than a header") << QByteArray("SQLite");
    }
    void foreignFilesAreRefusedAndLeftUntouched() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const Database db(QDir(dir.path()), QStringLiteral("rehber.mdb"), kColumns);
        writeFile(db.path(), bytes);

        const Loaded<QList<Row>> read = db.read();
        QVERIFY(!read.ok());
        QVERIFY(read.error.contains(QStringLiteral("rehber.mdb")));
        QVERIFY(read.error.contains(QStringLiteral("left unchanged")));
        const Loaded<ChangeOutcome> changed = db.change({insertName(QStringLiteral("a"))});
        QVERIFY(!changed.ok());
        QCOMPARE(changed.error, read.error);
        QCOMPARE(readAll(db.path()), bytes);
        QVERIFY(!QFile::exists(db.path() + QStringLiteral("-journal")));
    }

    void damagedDatabaseIsReportedNotReadAsEmpty() {
        QTemporaryDir dir;
        const Database db(QDir(dir.path()), QStringLiteral("history.mdb"), kColumns);
        QList<Statement> many;
        for (int i = 0; i < 200; ++i)
            many.append(insertName(QString(100, QLatin1Char('x'))));
        QVERIFY(db.change(many).ok());
        QFile f(db.path());
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.seek(100); // keep the header, spoil the pages behind it
        f.write(QByteArray(8192, '\xff'));
        f.close();

        const Loaded<QList<Row>> read = db.read();
        QVERIFY(!read.ok());
        QVERIFY(read.error.contains(QStringLiteral("history.mdb")));
        QVERIFY(!db.change({insertName(QStringLiteral("a"))}).ok());
    }

    void lockedDatabaseFailsWithAClearMessageAndChangesNothing() {
        QTemporaryDir dir;
        const Database db(QDir(dir.path()), QStringLiteral("history.mdb"), kColumns);
        QVERIFY(db.change({insertName(QStringLiteral("a"))}).ok());
        {
            QSqlDatabase other =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            other.setDatabaseName(db.path());
            QVERIFY(other.open());
            QSqlQuery lock(other);
            QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));

            const Loaded<ChangeOutcome> changed = db.change({insertName(QStringLiteral("b"))});
            QVERIFY(!changed.ok());
            QVERIFY(changed.error.contains(QStringLiteral("in use by another program")));
            QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
            other.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        QCOMPARE(names(db.read()), QStringList{QStringLiteral("a")});
    }

    void folderAtTheNameIsReported() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("files.mdb")));
        const Database db(QDir(dir.path()), QStringLiteral("files.mdb"), kColumns);
        QVERIFY(db.read().error.contains(QStringLiteral("folder")));
        QVERIFY(db.change({insertName(QStringLiteral("a"))}).error.contains(QStringLiteral("folder")));
    }
};

QTEST_GUILESS_MAIN(TestDbEngine)
#include "tst_db_engine.moc"
