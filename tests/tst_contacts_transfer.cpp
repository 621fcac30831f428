// The directory to and from vCard files: real files of phones and mail programs, the round trip, names
// already present, and files that cannot be imported.
#include "core/directory/directory_store.h"
#include "core/interop/contacts_transfer.h"
#include "core/lang/vocabulary.h"
#include "fakes/fake_services.h"
#include "fakes/window_helpers.h"
#include "shell/main_form.h"
#include "shell/window_code.h"

#include <QtWidgets>

#include <sys/resource.h>

using namespace velkor::interop;
using directory::DirectoryStore;
using directory::DirRecord;
using directory::SaveWrite;

namespace {

QString dataFile(const QString& name) {
    return QStringLiteral(VELKOR_VCF_DIR "/") + name;
}

QString written(const TestContext& t, const QByteArray& bytes) {
    return writeAll(t.file(u"in.vcf"_s), bytes) ? t.file(u"in.vcf"_s) : QString();
}

QList<DirRecord> directoryOf(const TestContext& t) {
    return DirectoryStore(t.ctx.dataDir).readAll().value;
}

QStringList namesAndNumbers(const TestContext& t) {
    QStringList out;
    for (const DirRecord& entry : directoryOf(t))
        out.append(entry.name + u'=' + entry.tel);
    return out;
}

void seed(const TestContext& t, const QList<DirRecord>& entries) {
    QList<std::pair<DirRecord, SaveWrite>> saves;
    for (const DirRecord& entry : entries)
        saves.append({entry, SaveWrite::Insert});
    QVERIFY(DirectoryStore(t.ctx.dataDir).saveAll(saves).ok());
}

long peakMemoryKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A file (or its bytes) into an empty directory: source, entries, one entry's name and number, a part of its
// address.
using RealFile = std::tuple<QByteArray, int, QString, QString, QString>;

// The file, the choice made (-1: nothing is asked), the directory after, a part of the summary.
using Namesakes = std::tuple<QByteArray, int, QStringList, QString>;

} // namespace

class TestContactsTransfer : public QObject {
    Q_OBJECT
private slots:
    // Each file into an empty directory: how many entries, the one named with its number, and a part of its
    // address text. The Gmail list (no number, no final line break) is the window's test file.
    void realFiles_data() {
        QTest::addColumn<RealFile>("row");
        QTest::newRow("Android 2.1: QP soft breaks, photo, e-mail only cards")
            << RealFile{"ezvcard__John_Doe_ANDROID.vcf"_ba, 6, u"Ñ Ñ Ñ Ñ Ñ Ñ Ñ Ñ Ñ Ñ Ñ"_s, u"123456"_s,
                        u"Tel: (home) 45678901"_s};
        QTest::newRow("Outlook 2.1: ADR taken over its QP LABEL")
            << RealFile{"ezvcard__John_Doe_MS_OUTLOOK.vcf"_ba, 1, u"Mr. John Richter James Doe Sr."_s,
                        u"(905) 555-1234"_s, u"(work) Cresent moon drive\n12345 Albaney\nNew York\n"_s};
        QTest::newRow("Nextcloud 3.0: escaped number, quoted types")
            << RealFile{"icaljs__escape_semicolon.vcf"_ba, 1, u"First Last NextCloud"_s, u"11111111"_s,
                        u"Tel: (work, fax) 205246;;,;"_s};
        QTest::newRow("KAddressBook 4.0: tel URIs, PREF=1")
            << RealFile{"kcontacts__testfullvcard.vcf"_ba, 1, u"Sherlock Holmes"_s,
                        u"+44-555-555-5555;ext=5555"_s, u"Tel: (cell, text) +44-555-555-6666"_s};
        QTest::newRow("phone 2.1: QP line break inside an ADR part, ORG for a name")
            << RealFile{"kcontacts__vcard10.vcf"_ba, 5, u"Bike Shop"_s, QString(),
                        u"(work) DDDDDDDDDDDDDDD-Staße 2\n00000 DDDDDDDDDD"_s};
        QTest::newRow("a name from its parts, in the order people say it")
            << RealFile{"BEGIN:VCARD\r\nVERSION:3.0\r\nN:Kaya;Ayşe;Nur;Dr.;Jr.\r\nTEL:1\r\nEND:VCARD\r\n"_ba,
                        1, u"Dr. Ayşe Nur Kaya Jr."_s, u"1"_s, QString()};
        QTest::newRow("Turkish code pages, BOM, TAB fold, a quoted colon, nameless card")
            << RealFile{"\xEF\xBB\xBF"
                        "BEGIN:VCARD\r\r\nVERSION:2.1\r\n"
                        "FN;CHARSET=windows-1254;ENCODING=QUOTED-PRINTABLE:=DE=FCkr=FC =C7a=F0=FD=\r\nlar\r\n"
                        "TEL;TYPE=,HOME:0212\r\nTEL;WORK;PREF;X-NOTE=\"a: b; c\":0216\r\nFN:a second name\r\n"
                        "ADR;CHARSET=ISO-8859-9:;;\xDDstiklal\r\n\t Cad.;\xDEi\xFEli;;34000;\r\nEND:VCARD\r\n"
                        "BEGIN:VCARD\r\nVERSION:3.0\r\nNOTE:nothing to list\r\nEND:VCARD\r\n"_ba,
                        1, u"Şükrü Çağılar"_s, u"0216"_s, u"İstiklal Cad.\n34000 Şişli\nTel: (home) 0212"_s};
    }

    void realFiles() {
        QFETCH(RealFile, row);
        const auto& [source, count, name, tel, address] = row;
        TestContext t(Language::English);
        const QString file =
            source.endsWith(".vcf") ? dataFile(QString::fromLatin1(source)) : written(t, source);
        const TransferResult result = importContacts(file, t.ctx);
        QVERIFY2(result.ok, qPrintable(result.summary));
        const QList<DirRecord> entries = directoryOf(t);
        QCOMPARE(entries.size(), count);
        const qsizetype at = namesAndNumbers(t).indexOf(name + u'=' + tel);
        QVERIFY2(at >= 0, qPrintable(namesAndNumbers(t).join(u" | ")));
        QVERIFY2(entries[at].address.contains(address), qPrintable(entries[at].address));
        QVERIFY(t.prompter.boxes.isEmpty()); // nothing to ask with an empty directory
    }

    // Exported and imported anew: every entry back exactly, through escapes and folds of whole characters.
    void roundTrip() {
        const QList<DirRecord> entries{
            {u"Ters\\bölü, noktalı;virgül"_s, QString(), u"C:\\yol\\n\\, \\;"_s},
            {u"Uzun"_s, u"0"_s, u"ığüşöçİĞÜŞÖÇ"_s.repeated(20) + u"\n€𝄞"_s.repeated(30)},
        };
        TestContext from;
        seed(from, entries);
        const QString file = from.file(u"rehber.vcf"_s);
        const TransferResult exported = exportContacts(file, from.ctx);
        QVERIFY2(exported.ok, qPrintable(exported.summary));
        QCOMPARE(exported.summary, u"2 kayıt %1 dosyasına aktarıldı."_s.arg(file));

        const QList<QByteArray> lines = readAll(file).split('\n');
        for (const QByteArray& line : lines) {
            QVERIFY2(line.isEmpty() || line.endsWith('\r'), line.constData());
            QVERIFY2(line.size() <= 76, line.constData());                   // 75 octets and the CR
            QVERIFY2(QUtf8StringView(line).isValidUtf8(), line.constData()); // no character cut by a fold
        }

        TestContext to;
        const TransferResult imported = importContacts(file, to.ctx);
        QVERIFY2(imported.ok, qPrintable(imported.summary));
        QCOMPARE(directoryOf(to), entries);
    }

    // The directory holds Ayşe, Berk, Can and "Can (2)" kept by an earlier import. The file brings Ayşe and
    // Can with numbers already there (written differently), Berk with another number, and Deniz twice.
    // A file that cannot be imported changes nothing, and the message says why.
    void namesakesAndBadInput_data() {
        QTest::addColumn<Namesakes>("row");
        const QByteArray namesakes = "BEGIN:VCARD\nFN:Ayşe\nTEL:(0532) 111-22-33\nEND:VCARD\n"
                                     "BEGIN:VCARD\nFN:Berk\nTEL:999\nADR:;;Yeni;;;;\nEND:VCARD\n"
                                     "BEGIN:VCARD\nFN:Can\nTEL:444\nEND:VCARD\n"
                                     "BEGIN:VCARD\nFN:Deniz\nTEL:555\nEND:VCARD\n"
                                     "BEGIN:VCARD\nFN:Deniz\nTEL:556\nEND:VCARD\n"_ba;
        const QStringList before{u"Ayşe=0532 111 22 33"_s, u"Berk=222"_s, u"Can=333"_s, u"Can (2)=444"_s};
        QTest::newRow("keep both") << Namesakes{
            namesakes, 0, before + QStringList{u"Deniz=555"_s, u"Berk (2)=999"_s, u"Deniz (2)=556"_s},
            u"in.vcf: 1 contact added; 2 added under numbered names; 2 already in the "
            u"directory, skipped."_s};
        QTest::newRow("overwrite") << Namesakes{
            namesakes, 1,
            QStringList{u"Ayşe=0532 111 22 33"_s, u"Berk=999"_s, u"Can=333"_s, u"Can (2)=444"_s,
                        u"Deniz=556"_s},
            u"in.vcf: 1 contact added; 2 entries overwritten; 2 already in the directory, skipped."_s};
        QTest::newRow("cancel") << Namesakes{namesakes, 2, before,
                                             u"The import was cancelled; the directory is unchanged."_s};
        const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Tam\r\nEND:VCARD\r\n";
        QTest::newRow("missing file")
            << Namesakes{QByteArray("<missing>"), -1, before, u"in.vcf could not be opened"_s};
        QTest::newRow("empty") << Namesakes{QByteArray(""), -1, before, u"in.vcf holds no contact card"_s};
        QTest::newRow("a calendar") << Namesakes{"\r\nBEGIN:VCALENDAR\r\nVERSION:2.0\r\nEND:VCALENDAR\r\n"_ba,
                                                 -1, before, u"in.vcf is not a vCard file (line 2)"_s};
        QTest::newRow("truncated") << Namesakes{card + "BEGIN:VCARD\r\nFN:Yarım\r\nTEL:05"_ba, -1, before,
                                                u"the contact card that begins on line 5 has no end"_s};
        QTest::newRow("unknown charset") << Namesakes{
            card + "BEGIN:VCARD\r\nFN;CHARSET=x-klingon:Qapla'\r\nEND:VCARD\r\n"_ba, -1, before,
            u"in.vcf, line 6: the character set “x-klingon” is not known. Nothing was imported."_s};
        QTest::newRow("value too long")
            << Namesakes{card + "BEGIN:VCARD\r\nFN:" + QByteArray(200 * 1024, 'a') + "\r\n " +
                             QByteArray(100 * 1024, 'b') + "\r\nEND:VCARD\r\n",
                         -1, before, u"line 6: a value longer than 256 KB"_s};
    }

    void namesakesAndBadInput() {
        QFETCH(Namesakes, row);
        const auto& [content, pick, after, summary] = row;
        TestContext t(Language::English);
        seed(t, {{u"Ayşe"_s, u"0532 111 22 33"_s, u"eski"_s},
                 {u"Berk"_s, u"222"_s, {}},
                 {u"Can"_s, u"333"_s, {}},
                 {u"Can (2)"_s, u"444"_s, {}}});
        const QString file = content == "<missing>" ? t.file(u"in.vcf"_s) : written(t, content);
        t.prompter.picks.enqueue(pick);
        const TransferResult result = importContacts(file, t.ctx);
        QCOMPARE(result.ok, pick == 0 || pick == 1);
        QVERIFY2(result.summary.contains(summary), qPrintable(result.summary));
        QCOMPARE(namesAndNumbers(t), after);
        QCOMPARE(t.prompter.offered.size(), pick < 0 ? 0 : 1);
        if (pick < 0)
            return;
        QCOMPARE(t.prompter.offered.constFirst(), (QStringList{u"Keep Both"_s, u"Overwrite"_s, u"Cancel"_s}));
        QVERIFY(t.prompter.boxes.constFirst().text.contains(u"2 contacts"_s));
        if (pick == 1)
            QCOMPARE(directoryOf(t).at(1).address, u"Yeni"_s);
    }

    // A 40 MB photo, then 50,000 contacts with a small one each: all come in, and no photo is held.
    void hugeFileInBoundedMemory() {
        TestContext t;
        QFile file(t.file(u"big.vcf"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray photoLine = ' ' + QByteArray(74, 'Q') + "\r\n";
        file.write("BEGIN:VCARD\r\nFN:Fotoğraflı\r\nPHOTO;ENCODING=b;TYPE=JPEG:\r\n");
        for (int i = 0; i < 540'000; ++i)
            file.write(photoLine);
        file.write("END:VCARD\r\n");
        constexpr int Count = 50'000;
        for (int i = 0; i < Count; ++i) {
            file.write("BEGIN:VCARD\r\nFN:Kişi " + QByteArray::number(i) +
                       "\r\nTEL:" + QByteArray::number(5000000 + i) + "\r\nPHOTO;ENCODING=b:\r\n" +
                       photoLine.repeated(16) + "END:VCARD\r\n");
        }

        QVERIFY(file.size() > 100'000'000);
        file.close();
        [[maybe_unused]] const long before = peakMemoryKb();
        const TransferResult result = importContacts(file.fileName(), t.ctx);
        QVERIFY2(result.ok, qPrintable(result.summary));
        QCOMPARE(directoryOf(t).size(), Count + 1);
        // The entries and their statements take about 35 MB; the photo alone would add 40. A sanitizer's
        // shadow memory makes the figure meaningless there.
#if !defined(__SANITIZE_ADDRESS__)
        const long grown = peakMemoryKb() - before;
        QVERIFY2(grown < 56 * 1024, qPrintable(u"%1 KB"_s.arg(grown)));
#endif
    }

    // The directory window's context menu, as the program wires it: the list shows what came in.
    void directoryWindowImportsAndExports() {
        TestContext t;
        seed(t, {{u"Zeki"_s, u"1"_s, {}}});
        shell::MainForm form(t.ctx);
        QVERIFY(form.start());
        form.menu()->findChild<QAction*>(u"rhbr"_s)->trigger();
        QWidget* window = form.windows().loaded(shell::Directory);
        auto* list = named<QListView>(window, spoken(u"İsimler"_s, u"Names"_s));
        auto* importAction = window->findChild<QAction*>(u"importAction"_s);
        auto* exportAction = window->findChild<QAction*>(u"exportAction"_s);
        QCOMPARE(list->contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(list->actions(), (QList<QAction*>{importAction, exportAction}));

        t.chooser.paths.enqueue(dataFile(u"ezvcard__gmail-list.vcf"_s));
        importAction->trigger();
        QCOMPARE(t.prompter.texts(), u"ezvcard__gmail-list.vcf: 3 kişi eklendi."_s);
        QCOMPARE(list->model()->rowCount(), 4);

        t.chooser.paths.enqueue(t.file(u"yedek"_s)); // the extension is added
        exportAction->trigger();
        QCOMPARE(readAll(t.file(u"yedek.vcf"_s)).count("BEGIN:VCARD"), 4);
    }
};

QTEST_MAIN(TestContactsTransfer)
#include "tst_contacts_transfer.moc"
