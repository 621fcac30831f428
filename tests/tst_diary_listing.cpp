#include "diary/diary_listing.h"

#include <QLocale>
#include <QTest>

using namespace velkor::diary;

namespace {

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

DiaryEntry entry(qint32 no, const char* day, const char* month, const char* year, const char* subject) {
    return {no, u8(subject), QString(), u8(day), u8(month), u8(year)};
}

// Stored in this order (table order); neither it nor the numbers follow the dates, on purpose.
const QList<DiaryEntry>& diary() {
    static const QList<DiaryEntry> entries{
        entry(10, "05", "06", "2003", "Toplantı"),       entry(1, "05", "06", "2003", "Toplantı"),
        entry(2, "17", "06", "2003", "İstanbul gezisi"), entry(3, "01", "06", " 2003", "Boşluklu yıl"),
        entry(4, "09", "07", "2003", "Temmuz"),          entry(5, "28", "12", "2002", "Eski"),
        entry(6, "02", "01", "2004", "Yeni yıl"),        entry(7, "10", "06", "abc", "Yazısız yıl"),
        entry(8, "03", "06", "2003", "istanbul"),        entry(9, "15", "06", "985", "Kısa yıl"),
    };
    return entries;
}

} // namespace

class TestDiaryListing : public QObject {
    Q_OBJECT
private slots:
    // The Turkish fold must not come from the locale.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void filtersAndOrder_data() {
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QList<qint32>>("listed");
        using L = QList<qint32>;
        const QString y2003 = QStringLiteral("2003");
        // Dates as numbers, newest first; same date: the later entry first; a year like 985 is older than
        // 2002, not newer; a year that is not a number goes last.
        QTest::newRow("all") << 0 << 6 << y2003 << QString() << L{6, 4, 2, 10, 1, 8, 3, 5, 9, 7};
        QTest::newRow("date: month and exact year text") << 1 << 6 << y2003 << QString() << L{2, 10, 1, 8};
        QTest::newRow("date: year text compared as text") << 1 << 6 << u8("abc") << QString() << L{7};
        QTest::newRow("year") << 2 << 1 << y2003 << QString() << L{4, 2, 10, 1, 8, 3, 7};
        QTest::newRow("year: fraction rounds down")
            << 2 << 1 << u8("2003.7") << QString() << L{4, 2, 10, 1, 8, 3, 7};
        QTest::newRow("year and before") << 3 << 1 << y2003 << QString() << L{4, 2, 10, 1, 8, 3, 5, 9, 7};
        QTest::newRow("year and after") << 4 << 1 << y2003 << QString() << L{6, 4, 2, 10, 1, 8, 3, 7};
        QTest::newRow("year box not a number: all pass")
            << 4 << 1 << u8("yıl") << QString() << L{6, 4, 2, 10, 1, 8, 3, 5, 9, 7};
        QTest::newRow("ist finds both istanbuls") << 0 << 1 << y2003 << u8("ist") << L{2, 8};
        QTest::newRow("only the start of the subject") << 0 << 1 << y2003 << u8("gezi") << L{};
        QTest::newRow("search and period together") << 2 << 1 << y2003 << u8("t") << L{4, 10, 1};
    }
    void filtersAndOrder() {
        QFETCH(int, period);
        QFETCH(int, month);
        QFETCH(QString, year);
        QFETCH(QString, search);
        QFETCH(QList<qint32>, listed);
        const Listing listing = buildListing(diary(), {period, month, year, search});
        QCOMPARE(listing.recordNumbers, listed);
    }
};

QTEST_GUILESS_MAIN(TestDiaryListing)
#include "tst_diary_listing.moc"
