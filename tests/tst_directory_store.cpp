#include "core/directory/directory_index.h"
#include "core/directory/directory_search.h"
#include "core/directory/modem_commands.h"
#include "core/directory/modem_dialer.h"
#include "core/directory/port_choice.h"
#include "core/lang/messages.h"
#include "fakes/fake_services.h"
#include "fakes/pty_modem.h"
#include "ui/directory/record_saver.h"

#include <QSignalSpy>

using namespace velkor::directory;

namespace {

using Rows = QList<DirRecord>;

// Splits "name/tel/address;name/tel/address" into rows.
Rows rows(const QString& text) {
    Rows result;
    for (const QString& row : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList f = row.split(QLatin1Char('/'));
        result.append({f.value(0), f.value(1), f.value(2)});
    }
    return result;
}

// Unchecked saves: every test compares the whole table afterwards.
DirectoryStore seeded(const TestContext& t, const QString& entries) {
    const DirectoryStore store(t.ctx.dataDir);
    for (const DirRecord& entry : rows(entries))
        store.save(entry, SaveWrite::Insert);
    return store;
}

// A save from the editor: the entry in hand ("rowid:name"; empty for a new one), what its boxes hold and the
// answer to the question (No otherwise); the texts of the boxes shown, in order, the rows after and the entry
// in hand after; and a name whose rows another program deletes while the question is open.
struct Save {
    QString inHand, boxes;
    bool yes;
    QString shown, after, inHandAfter, goneWhileAsked;
};

// A line whose answer arrives when the test says, inside the call.
class ScriptedLine final : public SerialLine {
public:
    bool open(const QString&) override { return true; }
    bool write(const QByteArray&) override { return true; }
    QByteArray readAll() override { return std::exchange(m_waiting, {}); }
    void close() override {}
    QString errorString() const override { return {}; }
    void answer(const QByteArray& bytes) {
        m_waiting += bytes;
        emit readyRead();
    }

private:
    QByteArray m_waiting;
};

} // namespace

class TestDirectoryStore : public QObject {
    Q_OBJECT
private slots:
    // A name is found by any of its words, the list, the walk of the file and the kept index alike: names
    // found from their start first, then those found by a later word, each part in list order.
    void search_data() {
        QTest::addColumn<bool>("words"); // in the directory of names of several words, else of one word
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("in: dotted i, both cases") << false << u"in"_s << u"ince|İnce"_s;
        QTest::newRow("IN: dotless capital") << false << u"IN"_s << u"INCE"_s;
        QTest::newRow("ıl: dotless i, both cases") << false << u"ıl"_s << u"Ilgın|ılık"_s;
        QTest::newRow("05: numbers, whatever the name") << false << u"05"_s << u"Ali'nin|Zeki"_s;
        QTest::newRow("Ac: a letter never looks at numbers") << false << u"Ac"_s << QString();
        QTest::newRow("21: a number from its start only") << false << u"21"_s << QString();
        QTest::newRow("apostrophe typed") << false << u"ali'"_s << u"Ali'nin"_s;
        QTest::newRow("ß folds to SS") << false << u"gross"_s << u"Großmann"_s;
        QTest::newRow("empty: everyone, Turkish order")
            << false << QString() << u"Ali'nin|Großmann|Ilgın|ılık|INCE|İlk|ince|İnce|Zeki"_s;
        QTest::newRow("öz: start first, then later words")
            << true << u"öz"_s << u"Öztürk Ahmet|Ahmet Özcan|Ahmet Öztürk|Mehmet Ahmet Öztürk"_s;
        QTest::newRow("several words from a later word")
            << true << u"ahmet öz"_s << u"Ahmet Özcan|Ahmet Öztürk|Mehmet Ahmet Öztürk"_s;
        QTest::newRow("IŞ: dotless i, any word") << true << u"IŞ"_s << u"Işıl|Ali Işık"_s;
        QTest::newRow("iş: the dotted i is another letter") << true << u"iş"_s << QString();
        QTest::newRow("after a hyphen") << true << u"demir"_s << u"Ayşe Kaya-Demir"_s;
        QTest::newRow("after a full stop and in brackets") << true << u"acİl"_s << u"Dr. Deniz (Acil)"_s;
        QTest::newRow("not inside a word") << true << u"türk"_s << QString();
        QTest::newRow("digits: the number's start only") << true << u"44"_s << QString();
        QTest::newRow("digits: numbers, not names") << true << u"0312"_s << u"Ahmet Özcan"_s;
    }
    void search() {
        QFETCH(bool, words);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        TestContext t;
        const DirectoryStore store = seeded(
            t, words ? "Ahmet Öztürk/0532;Öztürk Ahmet/0533;Ali Işık/0212 44;Ayşe Kaya-Demir/0216;"
                       "Dr. Deniz (Acil)/112;Işıl/0555;Ahmet Özcan/0312;Mehmet Ahmet Öztürk/0222;Oda 44/1"
                     : "İnce;ince;INCE;Ilgın;ılık;İlk/0212;Ali'nin/0532 1;Zeki/05 Acil;Großmann");
        const QStringList want = expected.split(u'|', Qt::SkipEmptyParts);
        const auto names = [](const QList<RowRef>& found) {
            QStringList result;
            for (const RowRef& row : found)
                result.append(row.name);
            return result;
        };
        QCOMPARE(matchingNames(store.readAll().value, text), want);
        QCOMPARE(names(findNames(store, text).value), want);
        QCOMPARE(names(DirectoryIndex(store).find(text).value.toList()), want);
    }

    void removeTakesThatOneRowAndAFailedChangeNothing() {
        TestContext t;
        const DirectoryStore store = seeded(t, "Kaya/1;kaya/2;Kaya/3");
        QCOMPARE(store.remove({3, "Kaya"}).value, RowChange::Done);
        QCOMPARE(store.readAll().value, rows("Kaya/1;kaya/2")); // its twin stays
        // Row 3 is given to a new row by another program, and row 2 never held Kaya: neither is touched.
        store.save(rows("Deniz").value(0), SaveWrite::Insert);
        for (const RowRef& gone : {RowRef{3, "Kaya"}, RowRef{2, "Kaya"}})
            QCOMPARE(store.remove(gone).value, RowChange::Gone);
        // A trigger that refuses the delete of the entry's own row: the rows of the name taken keep theirs.
        const QString veto =
            "CREATE TRIGGER keep BEFORE DELETE ON Table1 BEGIN SELECT RAISE(ABORT, 'x'); END";
        QVERIFY(store.database().change({{veto, {}}}).ok());
        QVERIFY(store.change({1, "Kaya"}, rows("kaya/9").value(0), SaveWrite::Overwrite)
                    .error.contains("rehber.mdb"));
        QCOMPARE(store.readAll().value, rows("Kaya/1;kaya/2;Deniz"));
    }

    void saverOutcomes_data() {
        QTest::addColumn<Save>("c");
        const QString ask = "Yazdığınız isim zaten rehberde kayıtlı. Üstüne kayıt yapılsın mı?";
        const QString gone = "Bu kayıt rehberde artık yok: başka bir program onu değiştirmiş ya da silmiş. "
                             "Hiçbir şey değiştirilmedi.";
        const QString before = "Ali'nin/1;Kaya/1/it's\r\n2;Kaya/3";
        QTest::newRow("new, kaya is not Kaya")
            << Save{{}, "kaya/2", false, "Kayıt Yapıldı", before + ";kaya/2", {}, {}};
        QTest::newRow("change number only: its twin stays") << Save{
            "2:Kaya", "Kaya/9/x", false, "Kayıt Güncellendi", "Ali'nin/1;Kaya/9/x;Kaya/3", "2:Kaya", {}};
        QTest::newRow("rename onto another entry, Yes") << Save{
            "2:Kaya", "Ali'nin/7", true, ask + "|Kayıt Güncellendi", "Ali'nin/7;Kaya/3", "1:Ali'nin", {}};
        QTest::newRow("own row given to another name meanwhile")
            << Save{"1:Kaya", "Kaya/9", false, gone, before, "1:Kaya", {}};
        QTest::newRow("own row gone, rename onto another entry, Yes")
            << Save{"9:Kaya", "Ali'nin/7", true, ask + u'|' + gone, before, "9:Kaya", {}};
        QTest::newRow("new onto a name whose rows go while asked, Yes: added all the same")
            << Save{{}, "Kaya/2", true, ask + "|Kayıt Yapıldı", "Ali'nin/1;Kaya/2", {}, "Kaya"};
    }
    void saverOutcomes() {
        QFETCH(Save, c);
        TestContext t;
        const DirectoryStore store = seeded(t, "Ali'nin/1;Kaya/1/it's\r\n2;Kaya/3");
        t.prompter.answers.append(c.yes ? Answer::Yes : Answer::No);
        t.prompter.onShow = [&] {
            if (t.prompter.boxes.size() == 1) // the question, when one is asked
                for (const RowRef& row : store.rowsNamed(c.goneWhileAsked).value)
                    store.remove(row);
        };
        const EditorMode mode = c.inHand.isEmpty() ? EditorMode::NewEntry : EditorMode::Change;
        RowRef row{c.inHand.section(u':', 0, 0).toLongLong(), c.inHand.section(u':', 1)};
        RecordSaver(t.ctx).save(mode, rows(c.boxes).value(0), row);
        QCOMPARE(t.prompter.texts(), c.shown);
        // Overwriting destroys an entry: Return must not do it.
        if (c.shown.startsWith(u"Yazdığınız"))
            QCOMPARE(t.prompter.boxes.first().kind, BoxKind::RiskyQuestion);
        QCOMPARE(store.readAll().value, rows(c.after));
        if (mode == EditorMode::Change)
            QCOMPARE(QString::number(row.rowId) + u':' + row.name, c.inHandAfter);
    }

    void commandsAndDevices() {
        QCOMPARE(dialCommand(u"1\t2\0333\177"_s), QByteArray("ATDT123;\r")); // ESC, DEL
        QCOMPARE(serialDeviceName(u"COM5"_s), u"/dev/ttyS4"_s);
    }

    // A failure line ends the dial at once, hung up, but only once the line is whole: the reply gathers
    // every read of one dial, and "NO" may still become any of the failures.
    void failureReplyEndsTheDialOnceItsLineEnds() {
        PtyModem modem;
        QtSerialLine* line = nullptr;
        ModemDialer dialer([&] { return std::unique_ptr<QtSerialLine>(line = new QtSerialLine); });
        QSignalSpy refused(&dialer, &ModemDialer::refused);
        QVERIFY2(dialer.dial(modem.path(), u"0 123"_s), qPrintable(dialer.errorString()));
        QTRY_COMPARE(modem.received(), QByteArray("ATDT0 123;\r"));
        QCOMPARE(modem.openedByProgram(), 1);

        QSignalSpy reads(line, &SerialLine::readyRead);
        modem.send("ATDT0 123;\r\r\nBUSY");
        QTRY_VERIFY(reads.count() >= 1);
        QCoreApplication::processEvents();
        QVERIFY(refused.isEmpty() && dialer.isActive());
        modem.send("\r\n");
        QTRY_COMPARE(refused.count(), 1);
        QCOMPARE(refused.first().first().value<ModemResult>(), ModemResult::Busy);
        QVERIFY(!dialer.isActive());
        QCOMPARE(modem.received(), QByteArray("ATDT0 123;\rATH\r"));
        QCOMPARE(modem.openedByProgram(), 0);
    }

    // An answer is told only to its own dial: hung up and dialled again, the new call is not answered yet.
    void answerOfAHungUpDialIsNotTold() {
        ScriptedLine* line = nullptr;
        ModemDialer dialer([&] { return std::unique_ptr<SerialLine>(line = new ScriptedLine); });
        QSignalSpy answered(&dialer, &ModemDialer::answered);
        QVERIFY(dialer.dial("COM1", "1"));
        line->answer("ATDT1;\r\r\nOK\r\n");
        QVERIFY(dialer.dial("COM1", "2"));
        QCoreApplication::processEvents();
        QVERIFY(answered.isEmpty());
        line->answer("OK\r\n");
        QTRY_COMPARE(answered.count(), 1);
    }

    // A port that does not open says why, so the message can tell the user what to do: no such device, or
    // one another program holds (Qt reports both that and a missing permission as a permission error).
    void portThatDoesNotOpenSaysWhy() {
        PtyModem modem;
        const QString missing = modem.path() + "-gone";
        ModemDialer dialer([] { return std::make_unique<QtSerialLine>(); });
        QVERIFY(!dialer.dial(missing, "1"));
        QCOMPARE(dialer.openProblem(), PortProblem::Missing);
        QtSerialLine holder;
        QVERIFY(holder.open(modem.path()));
        QVERIFY(!dialer.dial(modem.path(), "1"));
        QCOMPARE(dialer.openProblem(), PortProblem::InUse);
        QVERIFY(lang::directory::portUnavailable("COM1", "/dev/ttyS0", PortProblem::NoPermission, {})
                    .contains("COM1 (/dev/ttyS0) açılamıyor: kullanma izniniz yok. Kendinizi dialout"));
    }
};

QTEST_GUILESS_MAIN(TestDirectoryStore)
#include "tst_directory_store.moc"
