#include "support/turkish_upper.h"

#include <QLocale>
#include <QTest>

using namespace velkor;

class TestTurkishUpper : public QObject {
    Q_OBJECT
private slots:
    void foldsByTurkishRulesInAnyLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        const auto s = [](const char* utf8) { return QString::fromUtf8(utf8); };
        for (const char* locale : {"C", "en_US", "tr_TR"}) {
            const QString name = QString::fromLatin1(locale);
            QTest::addRow("%s dotted small i", locale) << name << s("istanbul") << s("İSTANBUL");
            QTest::addRow("%s dotted capital", locale)
                << name << s("İstanbul gezisi") << s("İSTANBUL GEZİSİ");
            QTest::addRow("%s dotless small", locale) << name << s("ılık") << s("ILIK");
            QTest::addRow("%s dotless capital", locale) << name << s("Işık") << s("IŞIK");
            QTest::addRow("%s other letters", locale) << name << s("çiğdem öğüş") << s("ÇİĞDEM ÖĞÜŞ");
            QTest::addRow("%s empty", locale) << name << QString() << QString();
        }
    }
    void foldsByTurkishRulesInAnyLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QString, folded);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const QString result = turkishUpper(text);
        QLocale::setDefault(before);
        QCOMPARE(result, folded);
    }

    void prefixTestComparesOnlyTheStart_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("search");
        QTest::addColumn<bool>("matches");
        const auto s = [](const char* utf8) { return QString::fromUtf8(utf8); };
        QTest::newRow("small i finds capital İ") << s("İstanbul gezisi") << s("ist") << true;
        QTest::newRow("small i finds small i") << s("istanbul") << s("ist") << true;
        QTest::newRow("not in the middle") << s("İstanbul gezisi") << s("gezi") << false;
        QTest::newRow("dotless I is another letter") << s("Istanbul") << s("ist") << false;
        QTest::newRow("empty search passes all") << s("anything") << QString() << true;
        QTest::newRow("longer than the field") << s("ev") << s("evler") << false;
    }
    void prefixTestComparesOnlyTheStart() {
        QFETCH(QString, field);
        QFETCH(QString, search);
        QFETCH(bool, matches);
        QCOMPARE(startsWithFolded(field, turkishUpper(search)), matches);
    }
};

QTEST_GUILESS_MAIN(TestTurkishUpper)
#include "tst_turkish_upper.moc"
