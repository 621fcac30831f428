// The libmdb reader on real Access files (tests/data/jet, see SOURCES.md there) and damaged copies of them.
#include "core/jet/mdb_reader.h"
#include "fakes/file_helpers.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace velkor;
using namespace velkor::testing;

namespace {

QString dataFile(const QString& name) {
    return QStringLiteral(VELKOR_JET_DATA "/") + name;
}

enum class Damage { Truncated, PageOverwritten, NotAccess };

} // namespace

class TestJetReader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // What libmdb would take from the environment must change nothing.
        qputenv("MDB_JET3_CHARSET", "CP1252");
        qputenv("MDBICONV", "ISO-8859-1");
    }

    void readsRealFiles_data() {
        QTest::addColumn<QString>("file"); // turkish.mdb: nwind with the í of Bolívar as 0xFD, ı in cp1254
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("read"); // table/column
        QTest::addColumn<int>("row");
        QTest::addColumn<QVariant>("expected"); // an int for a binary field: its size
        const QString nwind = "nwind.mdb";
        QTest::newRow("jet3 NULL stays null") << nwind << 91 << "Customers/Region" << 0 << QVariant();
        QTest::newRow("jet3 OLE over several pages")
            << nwind << 9 << "Employees/Photo" << 0 << QVariant(21626);
        QTest::newRow("jet3 yes/no, kept in the null bit")
            << nwind << 77 << "Products/Discontinued" << 4 << QVariant(true);
        QTest::newRow("jet3 Windows-1254, table named with ä")
            << QString("turkish.mdb") << 830 << "Umsätze/ShipAddress" << 0
            << QVariant("Carrera 52 con Ave. Bolıvar #65-98 Llano Largo");
        QTest::newRow("jet4 memo with line break")
            << QString("DateTestDatabase.mdb") << 6 << "DateTest/LongTextCol" << 5
            << QVariant("New line\r\nin field");
    }

    void readsRealFiles() {
        QFETCH(QString, file);
        QFETCH(int, rows);
        QFETCH(QString, read);
        QFETCH(int, row);
        QFETCH(QVariant, expected);
        const QString table = read.section('/', 0, 0);
        const QString column = read.section('/', 1);
        QString path = dataFile(file);
        if (file == "turkish.mdb") {
            path = m_dir.filePath(file);
            QVERIFY(writeAll(path, readAll(dataFile("nwind.mdb")).replace("Bol\xedvar", "Bol\xfdvar")));
        }
        jet::MdbReader reader;
        QVERIFY(reader.open(path).ok());
        const QStringList tables = reader.tables().value;
        QVERIFY(tables.contains(table) && !tables.contains("MSysObjects"));
        QVERIFY(reader.columns(table).value.contains(column));
        QVariantList values;
        const IoResult result = reader.readRows(
            table, {column}, [&](const jet::JetRow& fields) { values.append(fields.value(0)); });
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(values.size(), rows);
        const QVariant value = values.at(row);
        if (value.typeId() == QMetaType::QByteArray)
            QCOMPARE(value.toByteArray().size(), expected.toInt());
        else
            QCOMPARE(value, expected);
    }

    void refusesDamagedFiles_data() {
        QTest::addColumn<QString>("read"); // table/column
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("truncated") << "Umsätze/OrderID" << Damage::Truncated << "damaged or encrypted";
        QTest::newRow("overwritten page")
            << "Orders/OrderID" << Damage::PageOverwritten << "813 of the 830 rows";
        QTest::newRow("not an Access file") << "Orders/OrderID" << Damage::NotAccess << "not an Access";
    }

    void refusesDamagedFiles() {
        QFETCH(QString, read);
        QFETCH(Damage, damage);
        QFETCH(QString, reason);
        QByteArray bytes = readAll(dataFile("nwind.mdb"));
        if (damage == Damage::Truncated)
            bytes.truncate(bytes.size() / 2);
        else if (damage == Damage::PageOverwritten)
            bytes.replace(0x100000, 2048, QByteArray(2048, '\xa5'));
        else if (damage == Damage::NotAccess)
            bytes.replace(0, 16, QByteArray("SQLite format 3\0", 16));
        const QString path = m_dir.filePath("damaged.mdb");
        QVERIFY(writeAll(path, bytes));

        jet::MdbReader reader;
        IoResult result = reader.open(path);
        if (result.ok())
            result =
                reader.readRows(read.section('/', 0, 0), {read.section('/', 1)}, [](const jet::JetRow&) {});
        QVERIFY2(result.error.startsWith(path) && result.error.contains(reason), qPrintable(result.error));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestJetReader)
#include "tst_jet_reader.moc"
