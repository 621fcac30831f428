// Foreign files are read by a child process under limits: every way a reader can end, files that are no
// files, a real database that makes libmdb loop, and a round of random damage to every kind of file.
#include "fakes/fake_services.h"

#include "core/diary/diary_store.h"
#include "core/directory/directory_store.h"
#include "core/foreign/child_reader.h"
#include "core/interop/calendar_transfer.h"
#include "core/interop/contacts_reading.h"
#include "core/interop/contacts_transfer.h"
#include "core/interop/exchange.h"
#include "core/jet/child_jet_reader.h"
#include "core/jet/jet_import.h"
#include "core/plans/plan_store.h"

#include <sys/stat.h>

using foreign::ReaderEnd;

namespace {

QString script(const TestContext& t, const QByteArray& body) {
    const QString path = t.file("reader.sh");
    return writeScript(path, body) ? path : QString();
}

QList<db::Database> oldDatabases(const QDir& dir) {
    const diary::DiaryStore diary(dir);
    return {diary.history(), diary.files(), directory::DirectoryStore(dir).database()};
}

QByteArray sample(const QString& name) {
    return readAll(QStringLiteral(VELKOR_SOURCE_DIR "/tests/data/") + name);
}

} // namespace

class TestForeignReader : public QObject {
    Q_OBJECT

private slots:
    void readerEnds_data() {
        QTest::addColumn<QByteArray>("body"); // of the reader's script; empty: no reader program at all
        QTest::addColumn<ReaderEnd>("end");
        QTest::addColumn<QString>("said");
        QTest::newRow("one frame, then the end")
            << "printf '\\0\\0\\0\\2hi'"_ba << ReaderEnd::Finished << "records Velkor cannot take";
        QTest::newRow("never ends") << "exec sleep 60"_ba << ReaderEnd::TimedOut << "stopped after 1 s";
        QTest::newRow("floods its error output and never ends")
            << "exec yes 'Warning: unsupported data type' >&2"_ba << ReaderEnd::TimedOut << "after 1 s";
        QTest::newRow("crashes") << "kill -SEGV $$"_ba << ReaderEnd::Crashed << "crashed";
        QTest::newRow("a frame of 2 GB announced")
            << "printf '\\177\\377\\377\\377'"_ba << ReaderEnd::BadOutput << "cannot take";
        QTest::newRow("cut short inside a frame")
            << "printf '\\0\\0\\0\\5ab'"_ba << ReaderEnd::BadOutput << "cannot take";
        QTest::newRow("ends with another status") << "exit 7"_ba << ReaderEnd::Failed << "status 7";
        QTest::newRow("no reader program")
            << QByteArray() << ReaderEnd::CannotStart << "could not be started";
    }

    void readerEnds() {
        QFETCH(QByteArray, body);
        QFETCH(ReaderEnd, end);
        QFETCH(QString, said);
        TestContext t(Language::English); // the reasons below are worded in English
        const QString program = body.isEmpty() ? t.file("missing") : script(t, body);
        QList<QByteArray> frames;
        foreign::ReaderLimits limits;
        limits.seconds = 1;
        const foreign::ReaderOutcome outcome = foreign::runReader(
            program, {}, [&](const QByteArray& frame) { return frames.append(frame), true; }, limits);
        QCOMPARE(outcome.end, end);
        QCOMPARE(frames, end == ReaderEnd::Finished ? QList<QByteArray>{"hi"} : QList<QByteArray>{});
        QVERIFY2(foreign::readerFailure(outcome, limits).contains(said),
                 qPrintable(foreign::readerFailure(outcome, limits)));
        QVERIFY(outcome.errorText.size() <= 4096);
    }

    // Through the program's own imports: a reader that dies costs one message and changes nothing.
    void aReaderThatCrashesChangesNothing() {
        TestContext t(Language::English);
        QVERIFY(plans::PlanStore(t.file("myfile.kyt")).appendPlan({3, 15, 9, 30, "Dentist"}).ok());
        const QByteArray before = readAll(t.file("myfile.kyt"));
        QVERIFY(writeAll(t.file("in.ics"), sample(u"interop/ics/icalnet__USHolidays.ics"_s)));
        t.ctx.readerProgram = script(t, "kill -SEGV $$");
        const interop::TransferResult result = interop::importCalendar(t.file("in.ics"), t.ctx);
        QCOMPARE(result.summary, t.file("in.ics") + " cannot be read: the reader crashed on it.");
        QVERIFY(!result.ok && readAll(t.file("myfile.kyt")) == before);
    }

    // While one import waits for its reader, the program serves other requests: one for a second transfer
    // is told to wait its turn, and the first goes on.
    void oneTransferAtATime() {
        TestContext t(Language::English);
        QVERIFY(writeAll(t.file("in.ics"), sample(u"interop/ics/icalnet__USHolidays.ics"_s)));
        const QByteArray go = t.file("go").toUtf8();
        t.ctx.readerProgram = script(t, "while [ ! -e '" + go + "' ]; do sleep 0.05; done\nexec '" +
                                            VELKOR_READER_PROGRAM + "' \"$@\"");
        QString second;
        QTimer::singleShot(0, [&] {
            second = interop::transferFile(t.file("in.ics"), true, t.ctx).summary;
            writeAll(go, {});
        });
        const interop::TransferResult first = interop::transferFile(t.file("in.ics"), true, t.ctx);
        QVERIFY2(first.ok, qPrintable(first.summary));
        QCOMPARE(second, "Velkor is busy with another import or export; try again in a moment.");
    }

    // Opening a named pipe waits for a writer, and a device may never end: neither is opened.
    void onlyPlainFilesAreRead() {
        TestContext t(Language::English);
        for (const char* name : {"in.ics", "in.vcf", "in", "history.mdb"})
            QCOMPARE(mkfifo(qPrintable(t.file(name)), 0600), 0);
        const QStringList refusals{
            interop::importCalendar(t.file("in.ics"), t.ctx).summary,
            interop::importContacts(t.file("in.vcf"), t.ctx).summary,
            interop::transferFile(t.file("in"), true, t.ctx).summary,
            jet::ChildJetReader(t.ctx.readerProgram).open(t.file("history.mdb")).error,
        };
        for (const QString& refusal : refusals)
            QVERIFY2(refusal.contains("is a named pipe, not a file"), qPrintable(refusal));
        QVERIFY(interop::importCalendar("/dev/zero", t.ctx).summary.contains("is a device"));
    }

    // A database libmdb loops on: the start-up carry-over ends at the reader's limit with a message naming
    // the file, which stays as it was, and nothing of the import is left beside it.
    void loopingDatabaseIsStoppedAtItsLimit() {
        TestContext t(Language::English);
        // One bit flipped (found among 700 random flips) makes a page of it endless for the reader.
        QByteArray looping = sample(u"jet/DateTestDatabase.mdb"_s);
        looping[71679] = char(looping[71679] ^ 4);
        QVERIFY(writeAll(t.file("history.mdb"), looping));
        foreign::ReaderLimits limits;
        limits.cpuSeconds = 2;
        jet::ChildJetReader reader(t.ctx.readerProgram, limits);
        const jet::ImportOutcome outcome = jet::importJetFiles(oldDatabases(t.ctx.dataDir), reader);
        QCOMPARE(outcome.failures.size(), 1);
        QVERIFY2(outcome.failures.first().contains("history.mdb") &&
                     outcome.failures.first().contains("the reader stopped after"),
                 qPrintable(outcome.failures.first()));
        QCOMPARE(readAll(t.file("history.mdb")), looping);
        QCOMPARE(QDir(t.ctx.dataDir).entryList(QDir::Files), QStringList{"history.mdb"});
    }

    // Random damage to a calendar, a vCard file and an old database: every import either takes the file or
    // says why, and the program's data stays readable.
    void randomDamage() {
        const QList<std::pair<QString, QByteArray>> samples{
            {"in.ics", sample(u"interop/ics/biweekly__outlook-2010.ics"_s)},
            {"in.vcf", sample(u"interop/vcf/ezvcard__John_Doe_ANDROID.vcf"_s)},
            {"history.mdb", sample(u"jet/DateTestDatabase.mdb"_s)},
        };
        QRandomGenerator random(20261208);
        foreign::ReaderLimits limits;
        limits.cpuSeconds = 2;
        for (int round = 0; round < 20; ++round) {
            for (const auto& [name, original] : samples) {
                TestContext t;
                QByteArray damaged = original;
                for (int flips = random.bounded(1, 12); flips > 0; --flips)
                    damaged[random.bounded(damaged.size())] = char(random.bounded(256));
                if (random.bounded(4) == 0)
                    damaged.truncate(random.bounded(damaged.size()));
                QVERIFY(writeAll(t.file(name), damaged));
                if (name == "history.mdb") {
                    jet::ChildJetReader reader(t.ctx.readerProgram, limits);
                    const jet::ImportOutcome outcome =
                        jet::importJetFiles(oldDatabases(t.ctx.dataDir), reader);
                    QVERIFY(outcome.failures.size() + outcome.carried.size() <= 1);
                } else {
                    const interop::TransferResult result = interop::transferFile(t.file(name), true, t.ctx);
                    QVERIFY2(!result.summary.isEmpty(), qPrintable(name));
                }
                QVERIFY(plans::PlanStore(t.file("myfile.kyt")).readPlans().ok());
                QVERIFY(diary::DiaryStore(t.ctx.dataDir).readEntries().ok() ||
                        readAll(t.file("history.mdb")) == damaged);
                QVERIFY(directory::DirectoryStore(t.ctx.dataDir).readAll().ok());
            }
        }
    }

    // An import holds what it brings in memory until it is stored: past its bound the reading stops.
    void contactsPastTheBoundStopTheReading() {
        TestContext t;
        QByteArray cards;
        for (int i = 0; i < 100; ++i)
            cards += "BEGIN:VCARD\r\nFN:Kişi " + QByteArray::number(i) + "\r\nTEL:1\r\nEND:VCARD\r\n";
        QVERIFY(writeAll(t.file("in.vcf"), cards));
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        foreign::FrameWriter writer(out);
        QVERIFY(interop::writeContactRecords(t.file("in.vcf"), writer));
        for (const qsizetype bound : {qsizetype(1000000), qsizetype(1000)}) {
            int taken = 0;
            interop::ContactsReceiver receiver(bound, [&](directory::DirRecord&&) { ++taken; });
            foreign::FrameReader frames(1 << 20);
            frames.feed(out.data());
            bool accepted = true;
            while (const std::optional<QByteArray> frame = frames.next())
                accepted = accepted && receiver.take(*frame);
            QCOMPARE(accepted, !receiver.tooMuch());
            QCOMPARE(receiver.complete(), accepted);
            QVERIFY(accepted ? taken == 100 : taken < 100);
        }
    }

    // Last: a quit leaves its mark on this thread's event loops for the rest of the run.
    void quittingStopsTheReader() {
        TestContext t;
        QTimer::singleShot(200, [] { QCoreApplication::exit(0); });
        const foreign::ReaderOutcome outcome =
            foreign::runReader(script(t, "exec sleep 60"), {}, [](const QByteArray&) { return true; });
        QCOMPARE(outcome.end, ReaderEnd::Cancelled);
    }
};

QTEST_GUILESS_MAIN(TestForeignReader)
#include "tst_foreign_reader.moc"
