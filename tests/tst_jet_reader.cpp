// The libmdb reader on real Access files (tests/data/jet, see SOURCES.md there) and damaged copies of them.
#include "fakes/file_helpers.h"
#include "jet/mdb_reader.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace velkor;
using testing::readAll;
using testing::writeAll;

namespace {

QString dataFile(const QString& name) {
    return QStringLiteral(VELKOR_JET_DATA "/") + name;
}

enum class Damage { None, Truncated, PageOverwritten, NotAccess, Missing };

} // namespace

class TestJetReader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // What libmdb would take from the environment must change nothing.
        qputenv("MDB_JET3_CHARSET", "CP1252");
        qputenv("MDBICONV", "ISO-8859-1");
        QVERIFY(m_dir.isValid());
    }

    void readsRealFiles_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("turkish"); // a copy with the í of Bolívar made 0xFD, ı in Windows-1254
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QVariant>("expected"); // an int for a binary field: its size

        const QString nwind = "nwind.mdb";
        const QString dates = "DateTestDatabase.mdb";
        QTest::newRow("jet3 accented text") << nwind << false << "Customers" << 91 << "Address" << 1
                                            << QVariant("Avda. de la Constitución 2222");
        QTest::newRow("jet3 NULL stays null")
            << nwind << false << "Customers" << 91 << "Region" << 0 << QVariant();
        QTest::newRow("jet3 memo") << nwind << false << "Categories" << 8 << "Description" << 0
                                   << QVariant("Soft drinks, coffees, teas, beers, and ales");
        QTest::newRow("jet3 OLE over several pages")
            << nwind << false << "Employees" << 9 << "Photo" << 0 << QVariant(21626);
        QTest::newRow("jet3 table named with ä")
            << nwind << false << "Umsätze" << 830 << "ShipAddress" << 0
            << QVariant("Carrera 52 con Ave. Bolívar #65-98 Llano Largo");
        QTest::newRow("jet3 Windows-1254") << nwind << true << "Umsätze" << 830 << "ShipAddress" << 0
                                           << QVariant("Carrera 52 con Ave. Bolıvar #65-98 Llano Largo");
        QTest::newRow("jet4 number") << dates << false << "DateTest" << 6 << "IDCol" << 0 << QVariant(1);
        QTest::newRow("jet4 date") << dates << false << "DateTest" << 6 << "DateTimeCol" << 1
                                   << QVariant(QDateTime(QDate(9999, 1, 1), QTime(0, 0), Qt::UTC));
        QTest::newRow("jet4 memo with line break")
            << dates << false << "DateTest" << 6 << "LongTextCol" << 5 << QVariant("New line\r\nin field");
    }

    void readsRealFiles() {
        QFETCH(QString, file);
        QFETCH(bool, turkish);
        QFETCH(QString, table);
        QFETCH(int, rows);
        QFETCH(QString, column);
        QFETCH(int, row);
        QFETCH(QVariant, expected);
        QString path = dataFile(file);
        if (turkish) {
            path = m_dir.filePath("turkish.mdb");
            QVERIFY(writeAll(path, readAll(dataFile(file)).replace("Bol\xedvar", "Bol\xfdvar")));
        }
        jet::MdbReader reader;
        QVERIFY(reader.open(path).ok());
        const QStringList tables = reader.tables().value;
        QVERIFY(tables.contains(table));
        QVERIFY(!tables.contains("MSysObjects"));
        QVERIFY(reader.columns(table).value.contains(column));
        QVariantList values;
        const IoResult read = reader.readRows(
            table, {column}, [&](const jet::JetRow& fields) { values.append(fields.value(0)); });
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(values.size(), rows);
        const QVariant value = values.at(row);
        if (value.typeId() == QMetaType::QByteArray)
            QCOMPARE(value.toByteArray().size(), expected.toInt());
        else
            QCOMPARE(value, expected);
    }

    void refusesDamagedFiles_data() {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QString>("read"); // table/column
        QTest::addColumn<QString>("reason");
        QTest::newRow("truncated") << Damage::Truncated << "Umsätze/OrderID"
                                   << "damaged or encrypted";
        QTest::newRow("overwritten page") << Damage::PageOverwritten << "Orders/OrderID"
                                          << "813 of the 830 rows";
        QTest::newRow("not an Access file") << Damage::NotAccess << "Orders/OrderID"
                                            << "not an Access";
        QTest::newRow("missing") << Damage::Missing << "Orders/OrderID"
                                 << "cannot be opened";
        QTest::newRow("no such table") << Damage::None << "Table1/RecordNo"
                                       << "no table named Table1";
        QTest::newRow("no such column") << Damage::None << "Orders/RecordNo"
                                        << "no column RecordNo";
    }

    void refusesDamagedFiles() {
        QFETCH(Damage, damage);
        QFETCH(QString, read);
        QFETCH(QString, reason);
        QByteArray bytes = readAll(dataFile("nwind.mdb"));
        if (damage == Damage::Truncated)
            bytes.truncate(bytes.size() / 2);
        else if (damage == Damage::PageOverwritten)
            bytes.replace(0x100000, 2048, QByteArray(2048, '\xa5'));
        else if (damage == Damage::NotAccess)
            bytes.replace(0, 16, QByteArray("SQLite format 3\0", 16));
        const QString path = m_dir.filePath("damaged.mdb");
        QFile::remove(path);
        if (damage != Damage::Missing)
            QVERIFY(writeAll(path, bytes));

        jet::MdbReader reader;
        IoResult result = reader.open(path);
        if (result.ok())
            result =
                reader.readRows(read.section('/', 0, 0), {read.section('/', 1)}, [](const jet::JetRow&) {});
        QVERIFY(result.error.contains(reason));
        QVERIFY(result.error.startsWith(path));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestJetReader)
#include "tst_jet_reader.moc"
