#include "core/db/db_engine.h"
#include "fakes/test_support.h"

#include <QtSql>

using namespace velkor::db;

namespace {

struct Fixture {
    QTemporaryDir dir;
    Database db{QDir(dir.path()),
                u"history.mdb"_s,
                {{u"No"_s, u"INTEGER PRIMARY KEY AUTOINCREMENT"_s}, {u"Name"_s, u"TEXT"_s}}};
};

Statement insertName(const QString& name, const QString& returning = {}) {
    return {u"INSERT INTO Table1 (Name) VALUES (?) "_s + returning, {name}};
}

} // namespace

class TestDbEngine : public QObject {
    Q_OBJECT
private slots:
    void changesAreWholeOrNothingAndRowsComeBackInOrderAsBound() {
        const Fixture f;
        QVERIFY(f.db.read().ok() && f.db.read().value.isEmpty());
        QVERIFY(!QFile::exists(f.db.path())); // reading a missing file creates nothing
        const QString typed = u"x'); DROP TABLE Table1; --"_s;
        QVERIFY(f.db.change({insertName(typed), insertName(QString())}).ok());
        QCOMPARE(f.db.change({insertName(u"it's"_s, u"RETURNING No"_s)}).value.returned.toInt(), 3);
        QVERIFY(!f.db.read().value.at(1).at(1).toString().isNull()); // an empty text box is no NULL

        const Statement takenNumber{u"INSERT INTO Table1 (No, Name) VALUES (?, ?)"_s, {1, u"x"_s}};
        QVERIFY(f.db.change({insertName(u"lost"_s), takenNumber}).error.contains(u"history.mdb"_s));
        QVERIFY(f.db.change({{u"DELETE FROM Table1 WHERE No = ?"_s, {3}}}).ok());
        QCOMPARE(f.db.change({insertName(u"n"_s, u"RETURNING No"_s)}).value.returned.toInt(),
                 4); // never reused
        QCOMPARE(f.db.read().value, (QList<Row>{{1, typed}, {2, QString()}, {4, u"n"_s}}));
    }

    void unusableFilesFailByNameAndStayAsTheyWere_data() {
        QTest::addColumn<qint64>("at");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("says");
        QTest::newRow("not SQLite: an old Jet file")
            << qint64(0) << QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) << u"left unchanged"_s;
        // The table list itself cannot be read: no table must not pass for an empty one.
        QTest::newRow("a damaged schema") << qint64(100) << QByteArray(8, '\x7f') << u"damaged"_s;
        // The rows before it must not pass for the whole table.
        QTest::newRow("a damaged page late in the table")
            << qint64(-4096) << QByteArray(4096, '\xff') << u"damaged"_s;
    }
    void unusableFilesFailByNameAndStayAsTheyWere() {
        QFETCH(qint64, at);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, says);
        const Fixture f;
        QVERIFY(f.db.change(QList<Statement>(200, insertName(QString(100, u'x')))).ok());
        QFile file(f.db.path());
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(at < 0 ? file.size() + at : at) &&
                file.write(bytes) == bytes.size());
        file.close();
        const QByteArray before = readAll(f.db.path());
        for (const QString& error : {f.db.read().error, f.db.change({insertName(u"a"_s)}).error})
            QVERIFY2(error.contains(u"history.mdb"_s) && error.contains(says), qPrintable(error));
        QCOMPARE(readAll(f.db.path()), before);
    }

    // Another program reading in a transaction of its own lets a change run but not commit; one writing
    // holds off even the table list. Either way the file is named, and nothing reads as empty.
    void lockedDatabaseFailsWithAClearMessageAndChangesNothing() {
        const Fixture f;
        QVERIFY(f.db.change({insertName(u"a"_s)}).ok());
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
            other.setDatabaseName(f.db.path());
            QVERIFY(other.open());
            QVERIFY(QSqlQuery(other).exec(u"BEGIN"_s) &&
                    QSqlQuery(other).exec(u"SELECT count(*) FROM Table1"_s));
            const QString error = f.db.change({insertName(u"b"_s)}).error;
            QVERIFY2(error.contains(u"in use by another program"_s), qPrintable(error));
            QVERIFY(QSqlQuery(other).exec(u"COMMIT"_s) && QSqlQuery(other).exec(u"BEGIN EXCLUSIVE"_s));
            const Loaded<QList<Row>> read = f.db.read();
            QVERIFY2(read.error.contains(u"history.mdb"_s) && read.error.contains(u"in use"_s),
                     qPrintable(read.error));
            other.close(); // rolls the lock back
        }
        QSqlDatabase::removeDatabase(u"other"_s);
        QCOMPARE(f.db.read().value, (QList<Row>{{1, u"a"_s}}));
    }
};

QTEST_GUILESS_MAIN(TestDbEngine)
#include "tst_db_engine.moc"
