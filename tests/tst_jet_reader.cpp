// The libmdb reader on real Access files (tests/data/jet, see SOURCES.md there) and damaged copies of them.
#include "core/jet/mdb_reader.h"
#include "fakes/test_support.h"

namespace {

QString dataFile(const QString& name) {
    return QStringLiteral(VELKOR_JET_DATA "/") + name;
}

// What is done to the copy that is read: Turkish is nwind with the í of Bolívar as 0xFD, ı in cp1254.
enum class Change { None, Turkish, Truncated, PageOverwritten, NotAccess };

// `rows` rows (-1: the copy refused), the one at `row` being `expected`: a binary's size, or a refusal's why.
struct Read {
    QString file;
    Change change;
    QString table, column;
    int rows, row;
    QVariant expected;
};

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
        QTest::addColumn<Read>("read");
        const QString nwind = "nwind.mdb";
        const QString sales = "Umsätze", address = "Carrera 52 con Ave. Bolıvar #65-98 Llano Largo";
        using C = Change;
        QTest::newRow("jet3 NULL stays null") << Read{nwind, C::None, "Customers", "Region", 91, 0, {}};
        QTest::newRow("jet3 OLE over several pages")
            << Read{nwind, C::None, "Employees", "Photo", 9, 0, 21626};
        QTest::newRow("jet3 yes/no, kept in the null bit")
            << Read{nwind, C::None, "Products", "Discontinued", 77, 4, true};
        QTest::newRow("jet3 Windows-1254, table named with ä")
            << Read{nwind, C::Turkish, sales, "ShipAddress", 830, 0, address};
        QTest::newRow("jet4 memo with line break")
            << Read{"DateTestDatabase.mdb", C::None, "DateTest", "LongTextCol", 6, 5, "New line\r\nin field"};
        QTest::newRow("truncated") << Read{nwind, C::Truncated,          sales, "OrderID", -1,
                                           0,     "damaged or encrypted"};
        QTest::newRow("overwritten page")
            << Read{nwind, C::PageOverwritten, "Orders", "OrderID", -1, 0, "813 of the 830 rows"};
        QTest::newRow("not an Access file")
            << Read{nwind, C::NotAccess, "Orders", "OrderID", -1, 0, "not an Access"};
    }

    void readsCopies() {
        QFETCH(Read, read);
        const auto& [file, change, table, column, rows, row, expected] = read;
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
