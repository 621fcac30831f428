// The libmdb reader on real Access files (tests/data/jet, see SOURCES.md there) and damaged copies of them.
#include "core/jet/mdb_reader.h"
#include "fakes/file_helpers.h"

#include <QtTest>

using namespace velkor;
using namespace velkor::testing;

namespace {

QString dataFile(const QString& name) {
    return QStringLiteral(VELKOR_JET_DATA "/") + name;
}

// What is done to the copy that is read: Turkish is nwind with the í of Bolívar as 0xFD, ı in cp1254.
enum class Change { None, Turkish, Truncated, PageOverwritten, NotAccess };

} // namespace

class TestJetReader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // What libmdb would take from the environment must change nothing.
        qputenv("MDB_JET3_CHARSET", "CP1252");
        qputenv("MDBICONV", "ISO-8859-1");
    }

    // Real files and changed copies of them; damaged copies are refused, naming the file and why.
    void readsCopies_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("read"); // table/column
        QTest::addColumn<int>("rows");     // -1: refused
        QTest::addColumn<int>("row");
        QTest::addColumn<QVariant>("expected"); // an int for a binary field: its size; or why it was refused
        const QString nwind = "nwind.mdb";
        QTest::newRow("jet3 NULL stays null")
            << nwind << Change::None << "Customers/Region" << 91 << 0 << QVariant();
        QTest::newRow("jet3 OLE over several pages")
            << nwind << Change::None << "Employees/Photo" << 9 << 0 << QVariant(21626);
        QTest::newRow("jet3 yes/no, kept in the null bit")
            << nwind << Change::None << "Products/Discontinued" << 77 << 4 << QVariant(true);
        QTest::newRow("jet3 Windows-1254, table named with ä")
            << nwind << Change::Turkish << "Umsätze/ShipAddress" << 830 << 0
            << QVariant("Carrera 52 con Ave. Bolıvar #65-98 Llano Largo");
        QTest::newRow("jet4 memo with line break")
            << QString("DateTestDatabase.mdb") << Change::None << "DateTest/LongTextCol" << 6 << 5
            << QVariant("New line\r\nin field");
        QTest::newRow("truncated") << nwind << Change::Truncated << "Umsätze/OrderID" << -1 << 0
                                   << QVariant("damaged or encrypted");
        QTest::newRow("overwritten page") << nwind << Change::PageOverwritten << "Orders/OrderID" << -1 << 0
                                          << QVariant("813 of the 830 rows");
        QTest::newRow("not an Access file")
            << nwind << Change::NotAccess << "Orders/OrderID" << -1 << 0 << QVariant("not an Access");
    }

    void readsCopies() {
        QFETCH(QString, file);
        QFETCH(Change, change);
        QFETCH(QString, read);
        QFETCH(int, rows);
        QFETCH(int, row);
        QFETCH(QVariant, expected);
        const QString table = read.section('/', 0, 0);
        const QString column = read.section('/', 1);
        QByteArray bytes = readAll(dataFile(file));
        if (change == Change::Turkish)
            bytes.replace("Bol\xedvar", "Bol\xfdvar");
        else if (change == Change::Truncated)
            bytes.truncate(bytes.size() / 2);
        else if (change == Change::PageOverwritten)
            bytes.replace(0x100000, 2048, QByteArray(2048, '\xa5'));
        else if (change == Change::NotAccess)
            bytes.replace(0, 16, QByteArray("SQLite format 3\0", 16));
        const QString path = m_dir.filePath(file);
        QVERIFY(writeAll(path, bytes));

        jet::MdbReader reader;
        IoResult result = reader.open(path);
        QVariantList values;
        if (result.ok())
            result =
                reader.readRows(table, {column}, [&](const jet::JetRow& f) { values.append(f.value(0)); });
        if (rows < 0) {
            QVERIFY2(result.error.startsWith(path) && result.error.contains(expected.toString()),
                     qPrintable(result.error));
            return;
        }
        QVERIFY2(result.ok(), qPrintable(result.error));
        const QStringList tables = reader.tables().value;
        QVERIFY(tables.contains(table) && !tables.contains("MSysObjects"));
        QVERIFY(reader.columns(table).value.contains(column));
        QCOMPARE(values.size(), rows);
        const QVariant value = values.at(row);
        if (value.typeId() == QMetaType::QByteArray)
            QCOMPARE(value.toByteArray().size(), expected.toInt());
        else
            QCOMPARE(value, expected);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestJetReader)
#include "tst_jet_reader.moc"
