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
    void rowsComeBackInInsertionOrderAndNumbersAreNeverReused() {
        QTemporaryDir dir;
        const Database db(QDir(dir.path()), QStringLiteral("history.mdb"), kColumns);
        QVERIFY(db.read().ok() && db.read().value.isEmpty());
        QVERIFY(!QFile::exists(db.path())); // reading a missing file creates nothing
        QVERIFY(db.change({insertName(QStringLiteral("z")), insertName(QStringLiteral("a"))}).ok());
        const Loaded<ChangeOutcome> third = db.change({insertName(QStringLiteral("m"))});
        QCOMPARE(third.value.lastInsertId, 3);
        QCOMPARE(names(db.read()),
                 (QStringList{QStringLiteral("z"), QStringLiteral("a"), QStringLiteral("m")}));

        const QByteArray print = db.fingerprint();
        QCOMPARE(db.fingerprint(), print);
        QVERIFY(db.change({{QStringLiteral("DELETE FROM Table1 WHERE RecordNo = ?"), {3}}}).ok());
        QVERIFY(db.fingerprint() != print);
        QCOMPARE(db.change({insertName(QStringLiteral("n"))}).value.lastInsertId, 4);
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
};

QTEST_GUILESS_MAIN(TestDbEngine)
#include "tst_db_engine.moc"
