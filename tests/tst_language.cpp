#include "fakes/file_helpers.h"
#include "lang/language_setting.h"
#include "lang/vocabulary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace velkor;
using velkor::testing::readAll;
using velkor::testing::writeAll;
using namespace velkor::lang;

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void settingFileRules_data() {
        QTest::addColumn<QByteArray>("content"); // "<missing>" for no file
        QTest::addColumn<int>("expected");       // 0 Turkish, 1 English, -1 no change
        QTest::addColumn<QByteArray>("afterwards");
        QTest::newRow("missing") << QByteArray("<missing>") << 0 << QByteArray("\"tr\"\r\n");
        QTest::newRow("empty") << QByteArray() << 0 << QByteArray("\"tr\"\r\n");
        QTest::newRow("tr") << QByteArray("\"tr\"\r\n") << 0 << QByteArray("\"tr\"\r\n");
        QTest::newRow("eng, LF only") << QByteArray("\"eng\"\n") << 1 << QByteArray("\"eng\"\n");
        QTest::newRow("other word left alone")
            << QByteArray("\"ENG\"\r\n") << -1 << QByteArray("\"ENG\"\r\n");
        QTest::newRow("garbage left alone") << QByteArray("\x01\xff") << -1 << QByteArray("\x01\xff");
    }
    void settingFileRules() {
        QFETCH(QByteArray, content);
        QFETCH(int, expected);
        QFETCH(QByteArray, afterwards);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("options.prg"));
        if (content != "<missing>") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        const LanguageSetting setting = readLanguageSetting(path);
        QVERIFY(setting.error.isEmpty());
        QCOMPARE(setting.language.has_value() ? int(*setting.language) : -1, expected);
        QCOMPARE(readAll(path), afterwards);
        QVERIFY(writeLanguageSetting(path, Language::English).ok());
        QCOMPARE(readAll(path), QByteArray("\"eng\"\r\n"));
    }

    void conditionalCaptionsTranslateOnlyWhatTheyKnow() {
        QCOMPARE(planEntryTitle(QString::fromUtf8("Kayıt Düzeltme"), Language::English),
                 QStringLiteral("Edit Record"));
        QCOMPARE(planEntryTitle(QStringLiteral("Something"), Language::English), QStringLiteral("Something"));
        QCOMPARE(planEntryButton(QStringLiteral("Ekle"), Language::English), QStringLiteral("Add"));
        QCOMPARE(planEntryButton(QStringLiteral("Kaydet"), Language::English), QStringLiteral("Save"));
        QCOMPARE(planEntryButton(QStringLiteral("Save"), Language::Turkish), QStringLiteral("Kaydet"));
        QCOMPARE(diaryEditorTitle(QStringLiteral("Edit Record"), Language::Turkish),
                 QString::fromUtf8("Kayıt Düzeltme"));
        QCOMPARE(diaryEditorButton(QString::fromUtf8("Güncelle"), Language::English),
                 QStringLiteral("Update"));
        QCOMPARE(diaryEditorButton(QStringLiteral("Add"), Language::Turkish), QStringLiteral("Ekle"));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
