// iCalendar in and out: round trip, the real files of other programs, made-up edge cases, bad input, and
// the command line with and without a running copy.
#include "fakes/fake_services.h"
#include "fakes/window_helpers.h"
#include "shell/window_code.h"

#include "core/diary/diary_store.h"
#include "core/interop/calendar_transfer.h"
#include "core/interop/exchange.h"
#include "core/lang/vocabulary.h"
#include "core/plans/plan_line_model.h"
#include "core/plans/plan_store.h"
#include "shell/main_form.h"
#include "shell/single_instance.h"
#include "ui/plans/plan_query_window.h"

#include <QtWidgets>

#include <algorithm>
#include <csignal>
#include <ctime>

using plans::PlanRecord;

namespace {

QByteArray calendar(const QByteArray& body) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n" + body + "END:VCALENDAR\r\n";
}

QByteArray yearly(const QByteArray& start, const QByteArray& summary) {
    return "BEGIN:VEVENT\r\nUID:" + summary + "\r\nDTSTART" + start +
           "\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:" + summary + "\r\nEND:VEVENT\r\n";
}

// Where a running copy is while the command line runs, and whose session has a runtime folder.
enum RunningCopy { NoCopy, SameSession, CopysRuntimeOnly, CommandLinesRuntimeOnly };

// A file of another program: plans added, events left out, and a line of the plan file or "start|summary" of
// an event left out.
using RealFile = std::tuple<QString, int, int, QString>;

// The arguments, where a running copy is, the exit status, a part of what is printed.
using Command = std::tuple<QStringList, RunningCopy, int, QString>;

} // namespace

class TestInterop : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Times are converted to where the user lives: Istanbul, three hours east of UTC all year.
        qputenv("TZ", "Europe/Istanbul");
        tzset();
    }

    void roundTrip() {
        TestContext from;
        const QList<PlanRecord> plans{
            {3, 15, 9, 30, QString::fromUtf8("Dişçi\nikinci satır, noktalı; virgül \\ ters")},
            {12, 31, 23, 30, QString(120, u'ğ')}, // folded on character boundaries
            {1, 1, 0, 30, u"half past midnight"_s},
            {3, 29, plans::NoHour, 0, u"29 March, this year too"_s},
        };
        QVERIFY(plans::PlanStore(from.file("myfile.kyt")).addPlans(plans).ok());
        const diary::DiaryStore diaryFrom(from.ctx.dataDir);
        const QList<diary::DiaryEntry> entries{
            {-1, QString::fromUtf8("Toplantı"), u"  line one\nline two"_s, "05", "06", "2003"},
            {-1, u"typed date"_s, QString(), "31", "02", " 2003"},
            {-1, u"typed date"_s, QString(), "31", "02", " 2003"}, // two alike stay two
        };
        for (const diary::DiaryEntry& entry : entries)
            QVERIFY(diaryFrom.addEntry(entry).ok());
        const QStringList files{QString::fromUtf8("/home/ü/a b%.doc"), u"C:\\Belgeler\\rapor.xls"_s};
        for (const QString& path : files)
            QVERIFY(diaryFrom.attachFile(1, path).ok());

        const QString ics = from.file("all.ics");
        const interop::TransferResult exported = interop::exportCalendar(ics, from.ctx);
        QVERIFY2(exported.ok, qPrintable(exported.summary));
        // Other programs see a real date where there is one.
        QVERIFY(readAll(ics).contains("DTSTART;VALUE=DATE:20030605") &&
                readAll(ics).contains("file:///C:/Belgeler/rapor.xls") &&
                readAll(ics).contains("DTSTART;VALUE=DATE:20260329\r\nDTEND;VALUE=DATE:20260330"));

        // Exported again, the same but for its stamps: an importing calendar updates, not doubles.
        QVERIFY(interop::exportCalendar(from.file("again.ics"), from.ctx).ok);
        const QRegularExpression stamp("DTSTAMP:\\S+");
        QCOMPARE(QString::fromUtf8(readAll(from.file("again.ics"))).remove(stamp),
                 QString::fromUtf8(readAll(ics)).remove(stamp));

        TestContext into;
        const interop::TransferResult imported = interop::importCalendar(ics, into.ctx);
        QCOMPARE(imported.summary, u"4 plan ve 3 günlük kaydı alındı."_s);
        QVERIFY(
            std::ranges::is_permutation(plans::PlanStore(into.file("myfile.kyt")).readPlans().value, plans));
        QList<diary::DiaryEntry> back = diary::DiaryStore(into.ctx.dataDir).readEntries().value;
        QCOMPARE(diary::DiaryStore(into.ctx.dataDir).listFiles(back.value(0).recordNo).value, files);
        for (diary::DiaryEntry& entry : back)
            entry.recordNo = -1;
        QCOMPARE(back, entries);
    }

    void realFiles_data() {
        QTest::addColumn<RealFile>("row");
        QTest::newRow("Apple holidays: fixed yearly days in, moving ones out, escaped comma")
            << RealFile{"icalnet__USHolidays.ics", 16, 20, "2006-01-16|Martin Luther King, Jr. Day"};
        QTest::newRow("BOM, names folded from their values, a birthday without a rule is once only")
            << RealFile{"icalnet__Language2.ics", 0, 6, QString::fromUtf8("2006-11-09|Mamma fyller år")};
        QTest::newRow("Outlook: its own VTIMEZONE under a Windows zone name, tab folding")
            << RealFile{"biweekly__outlook-2010.ics", 0, 1, "2013-06-10 12:00|Team Meeting"};
        QTest::newRow("empty first line, blank after colon")
            << RealFile{"pyvobject__vobject_0050.ics", 0, 1, ""};
    }

    void realFiles() {
        QFETCH(RealFile, row);
        const auto& [file, plans, leftOut, seen] = row;
        TestContext t;
        const interop::CalendarImport imported =
            interop::importCalendarFile(VELKOR_SOURCE_DIR "/tests/data/interop/ics/" + file, t.ctx);
        QVERIFY2(imported.result.ok, qPrintable(imported.result.summary));
        QCOMPARE(imported.plansAdded, plans);
        QCOMPARE(imported.leftOut.size(), leftOut);
        QStringList lines = QString::fromUtf8(readAll(t.file("myfile.kyt"))).remove(u'\r').split(u'\n');
        for (const interop::LeftOutEvent& e : imported.leftOut)
            lines.append(e.start + u'|' + e.summary);
        QVERIFY2(lines.contains(seen), qPrintable(lines.join(u'\n')));
    }

    // Into a plan file holding 3,15,9,30,"Dentist": the file after it, and the summary's words on a failure.
    void madeFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("plans");
        QTest::addColumn<QString>("said");
        const QString dentist = u"3,15,9,30,\"Dentist\""_s;
        QTest::newRow("zone of its own name, to the next day, down to the slot")
            << calendar(yearly(";TZID=America/New_York:20250115T204500", "Call"))
            << dentist + "\n1,16,4,30,\"04:45 Call\"" << QString();
        QTest::newRow("UTC to just past midnight: no slot, the time kept in the text")
            << calendar(yearly(":20250301T211000Z", "Party")) << dentist + "\n3,2,25,0,\"00:10 Party\""
            << QString();
        QTest::newRow("29 February, escapes, folding, quotes")
            << calendar(
                   "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20240229\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:a\\, b\\; c"
                   "\\\\ d\r\nDESCRIPTION:a\\, b\\; c\\\\ d\\nsay \"hi\"\r\n  folded\r\nEND:VEVENT\r\n")
            << dentist + "\n2,29,25,0,\"a, b; c\\ d\nsay ''hi'' folded\"" << QString();
        QTest::newRow("blanks opening a summary are kept")
            << calendar(yearly(";VALUE=DATE:20200101", " \tTwo")) << dentist + "\n1,1,25,0,\" \tTwo\""
            << QString();
        QTest::newRow("every four years is not every year; a to-do is no plan")
            << calendar("BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20200101\r\nRRULE:FREQ=YEARLY;INTERVAL=4\r\n"
                        "SUMMARY:Leap\r\nEND:VEVENT\r\nBEGIN:VTODO\r\nSUMMARY:Do\r\nEND:VTODO\r\n")
            << dentist << QString();
        QTest::newRow("already there, and twice in the file")
            << calendar(yearly(";TZID=Europe/Istanbul:20200315T093000", "Dentist") +
                        yearly(";VALUE=DATE:20200101", "New") + yearly(";VALUE=DATE:20200101", "New"))
            << dentist + "\n1,1,25,0,\"New\"" << QString();
        const QByteArray good = calendar(yearly(";VALUE=DATE:20200101", "New") +
                                         "BEGIN:VJOURNAL\r\nDTSTART;VALUE=DATE:20200101\r\nSUMMARY:S\r\n"
                                         "ATTACH:file:///tmp/a.doc\r\nEND:VJOURNAL\r\n");
        QTest::newRow("a vCard") << QByteArray("BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\n") << dentist
                                 << "not an iCalendar file";
        QTest::newRow("cut short") << good.left(good.size() - 20) << dentist << "cut short";
        QTest::newRow("unknown charset")
            << calendar(yearly(";VALUE=DATE:20200101", "X").replace("SUMMARY:", "SUMMARY;CHARSET=X-NONE:"))
            << dentist << "character set Velkor does not know (X-NONE)";
        QTest::newRow("links into an old Jet file: the plans go back too") << good << dentist << "files.mdb";
        // What libical would take quadratic time or a deep recursion over never reaches it.
        QTest::newRow("a line of 2 MB") << calendar(yearly(";VALUE=DATE:20200101", QByteArray(2 << 20, 'x')))
                                        << dentist << "is longer than 1 MB";
        QTest::newRow("300,000 components, one in the other")
            << calendar(QByteArray("BEGIN:VEVENT\r\n").repeated(300000)) << dentist
            << "deeper than 16 levels at line 20";
        QTest::newRow("100 MB: refused before it is read") << good << dentist << "is 100.0 MB";
    }

    void madeFiles() {
        QFETCH(QByteArray, content);
        QFETCH(QString, plans);
        QFETCH(QString, said);
        TestContext t(Language::English);
        QVERIFY(plans::PlanStore(t.file("myfile.kyt")).appendPlan({3, 15, 9, 30, "Dentist"}).ok());
        QVERIFY(writeAll(t.file("in.ics"), content));
        if (said == "files.mdb")
            QVERIFY(writeAll(t.file("files.mdb"), QByteArray("\0\1\0\0Standard Jet DB\0", 20)));
        if (said.contains("100.0 MB")) // sparse: no 100 MB written
            QVERIFY(QFile(t.file("in.ics")).resize(qint64(100) * 1024 * 1024));
        const interop::TransferResult result = interop::importCalendar(t.file("in.ics"), t.ctx);
        QCOMPARE(result.ok, said.isEmpty());
        QVERIFY2(result.summary.contains(said), qPrintable(result.summary));
        QCOMPARE(QString::fromUtf8(readAll(t.file("myfile.kyt"))).remove(u'\r'), plans + u'\n');
        QVERIFY(diary::DiaryStore(t.ctx.dataDir).readEntries().value.isEmpty());
    }

    void fiftyThousandEvents() {
        TestContext t(Language::English);
        QByteArray body;
        constexpr int Count = 50000;
        for (int i = 0; i < Count; ++i)
            body += yearly(";VALUE=DATE:2020" + QByteArray::number(1 + i % 12).rightJustified(2, '0') + "10",
                           "Event " + QByteArray::number(i));
        QVERIFY(writeAll(t.file("many.ics"), calendar(body)));
        const interop::CalendarImport imported = interop::importCalendarFile(t.file("many.ics"), t.ctx);
        QVERIFY2(imported.result.ok, qPrintable(imported.result.summary));
        QCOMPARE(imported.plansAdded, Count);
    }

    // The Records window's menu: an import shows in the open list, an export says what it wrote.
    void recordsWindowImportAndExport() {
        TestContext t;
        shell::MainForm form(t.ctx);
        QVERIFY(form.start());
        form.menu()->findChild<QAction*>("plnlr")->trigger();
        auto* query = qobject_cast<plans::PlanQueryWindow*>(form.windows().loaded(shell::PlanQuery));
        auto* chooser = named<QListWidget>(query, spoken(u"Aylar"_s, u"Months"_s));
        emit chooser->pressed(chooser->model()->index(plans::PlanQueryWindow::AllPlans, 0));
        QCOMPARE(query->lineModel()->rowCount(), 0);

        QVERIFY(writeAll(t.file("in.ics"),
                         calendar(yearly(";VALUE=DATE:20200101", "New") +
                                  "BEGIN:VEVENT\r\nDTSTART:20200101T100000Z\r\nEND:VEVENT\r\n")));
        t.chooser.paths.enqueue(t.file("in.ics"));
        query->findChild<QAction*>("ImportAction")->trigger();
        QCOMPARE(query->lineModel()->rowCount(), 1);
        QCOMPARE(t.prompter.lists.size(), 1); // the one-off event, listed as left out
        QCOMPARE(t.prompter.lists.constFirst().constFirst().value(0), "2020-01-01 10:00");

        t.chooser.paths.enqueue(t.file("out.ics"));
        query->findChild<QAction*>("ExportAction")->trigger();
        QVERIFY(t.prompter.boxes.constLast().text.contains("1 plan"));
        QVERIFY(readAll(t.file("out.ics")).contains("SUMMARY:New"));
    }

    // An end signal at the moment the plans are written and the diary is not yet: both or neither.
    void endSignalSplitsNoImport() {
        TestContext t;
        QVERIFY(QFile::copy(QStringLiteral(VELKOR_PROGRAM), t.file("velkor")) &&
                QFile::copy(QStringLiteral(VELKOR_READER_PROGRAM), t.file("velkor-reader")));
        constexpr int Events = 20000, Journals = 3000;
        QByteArray body;
        for (int i = 0; i < Events; ++i)
            body += yearly(";VALUE=DATE:20200101", "Event " + QByteArray::number(i));
        for (int i = 0; i < Journals; ++i)
            body += "BEGIN:VJOURNAL\r\nDTSTART;VALUE=DATE:20200101\r\nSUMMARY:J" + QByteArray::number(i) +
                    "\r\nEND:VJOURNAL\r\n";
        QVERIFY(writeAll(t.file("big.ics"), calendar(body)));
        QProcess import;
        import.start(t.file("velkor"), {"--import", t.file("big.ics")});
        QVERIFY(import.waitForStarted());
        while (!QFile::exists(t.file("myfile.kyt")) && import.state() == QProcess::Running)
            QThread::usleep(200);
        ::kill(pid_t(import.processId()), SIGTERM);
        QVERIFY(import.waitForFinished(60000));
        const auto plans = plans::PlanStore(t.file("myfile.kyt")).readPlans();
        const auto entries = diary::DiaryStore(t.ctx.dataDir).readEntries();
        QVERIFY2(plans.ok() && entries.ok(), qPrintable(plans.error + entries.error));
        QVERIFY2(
            (plans.value.size() == Events && entries.value.size() == Journals) ||
                (plans.value.isEmpty() && entries.value.isEmpty()),
            qPrintable(QString("%1 plans, %2 entries").arg(plans.value.size()).arg(entries.value.size())));
    }

    // A copy of the program keeps its data beside it. The command line works alone or through a running copy,
    // maybe of another session (cron, su) and runtime folder, and answers on stdout, or stderr on failure.
    void commandLine_data() {
        QTest::addColumn<Command>("row");
        QTest::newRow("--export=FILE") << Command{QStringList{"--export=out.ics"}, NoCopy, 0, "1 plan"};
        // The kind of file goes by its name: the directory (empty here) for .vcf, no guess for other names.
        QTest::newRow(".vcf") << Command{QStringList{"--export", "rehber.vcf"}, NoCopy, 1, "Rehber boş"};
        QTest::newRow(".txt") << Command{QStringList{"--export", "notlar.txt"}, NoCopy, 1, "ne takvim"};
        QTest::newRow("--version") << Command{QStringList{"--version"}, NoCopy, 0, "Velkor"};
        QTest::newRow("--help") << Command{QStringList{"--help"}, NoCopy, 0, "--import <FILE>"};
        QTest::newRow("--bogus") << Command{QStringList{"--bogus"}, NoCopy, 2, "Unknown option 'bogus'"};
        QTest::newRow("Qt's -style, then --bogus")
            << Command{QStringList{"-style", "fusion", "--bogus"}, NoCopy, 2, "--import <FILE>"};
        QTest::newRow("no display") << Command{QStringList{"-platform", "xcb"}, NoCopy, 1, "no display"};
        QTest::newRow("not a calendar")
            << Command{QStringList{"--import", "myfile.kyt"}, NoCopy, 1, "myfile.kyt"};
        QTest::newRow("--import=FILE by a running copy")
            << Command{QStringList{"--import=in.ics"}, SameSession, 0, "1 kayıt zaten vardı"};
        QTest::newRow("runtime folder in the copy's session only")
            << Command{QStringList{"--export", "backup.ics"}, CopysRuntimeOnly, 0, "1 plan"};
        QTest::newRow("runtime folder in the command line's only")
            << Command{QStringList{"--export", "backup.ics"}, CommandLinesRuntimeOnly, 0, "1 plan"};
    }
    void commandLine() {
        QFETCH(Command, row);
        const auto& [arguments, copy, status, said] = row;
        const bool succeeds = status == 0;
        TestContext t;
        const QString program = t.file("velkor");
        QVERIFY(QFile::copy(QStringLiteral(VELKOR_PROGRAM), program));
        QVERIFY(plans::PlanStore(t.file("myfile.kyt")).appendPlan({3, 15, 9, 30, "Dentist"}).ok());
        QVERIFY(interop::exportCalendar(t.file("in.ics"), t.ctx).ok);
        QTemporaryDir runtime;
        const QByteArray ownRuntime = qgetenv("XDG_RUNTIME_DIR");
        QProcessEnvironment other = QProcessEnvironment::systemEnvironment();
        if (copy == CopysRuntimeOnly) {
            qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
            other.remove("XDG_RUNTIME_DIR");
        } else if (copy == CommandLinesRuntimeOnly) {
            qunsetenv("XDG_RUNTIME_DIR");
            other.insert("XDG_RUNTIME_DIR", runtime.path());
        }
        shell::SingleInstance running(t.dir.path());
        const auto outcome = copy == NoCopy ? shell::SingleInstance::Outcome::First : running.acquire();
        ownRuntime.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", ownRuntime);
        QCOMPARE(outcome, shell::SingleInstance::Outcome::First);
        int served = 0;
        running.setRequestHandler([&](QByteArrayView request) {
            ++served;
            const auto asked = interop::decodeRequest(request);
            return interop::encodeAnswer(interop::transferFile(asked->file, asked->importing, t.ctx));
        });

        if (arguments.contains("xcb")) {
            other.remove("DISPLAY");
            other.remove("WAYLAND_DISPLAY");
        }
        QProcess process;
        process.setProcessEnvironment(other);
        process.setWorkingDirectory(t.dir.path());
        process.start(program, arguments);
        // Not a blocking wait: a running copy in this test answers from its event loop.
        QTRY_VERIFY_WITH_TIMEOUT(process.state() == QProcess::NotRunning, 30000);
        QCOMPARE(served, copy == NoCopy ? 0 : 1);
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), status);
        const QByteArray out = succeeds ? process.readAllStandardOutput() : process.readAllStandardError();
        QVERIFY2(out.contains(said.toUtf8()), out.constData());
        if (succeeds && arguments.first().startsWith("--export"))
            QVERIFY(readAll(t.file(arguments.last().section('=', -1))).contains("SUMMARY:Dentist"));
    }
};

QTEST_MAIN(TestInterop)
#include "tst_interop.moc"
