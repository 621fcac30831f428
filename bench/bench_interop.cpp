// iCalendar export of 10,000 plans and import of a 10,000-event file, each beside a plain read of the same
// file.
#include "bench_util.h"
#include "core/foreign/child_reader.h"
#include "core/interop/calendar_reading.h"
#include "core/interop/calendar_transfer.h"
#include "plan_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

using namespace velkor;
using namespace velkor::bench;

namespace {

constexpr int PlanCount = 10000;
constexpr int Runs = 7;

// What any reader of a calendar must do at least: read it line by line and join the folded lines.
int plainCalendarRead(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    int events = 0;
    QByteArray logical;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (line.startsWith(' ') || line.startsWith('\t')) {
            logical += line.mid(1).trimmed();
            continue;
        }
        events += logical.startsWith("BEGIN:VEVENT") ? 1 : 0;
        logical = line.trimmed();
    }
    return events;
}

} // namespace

int main(int argc, char* argv[]) {
    // The reader process is waited for in an event loop.
    QCoreApplication app(argc, argv);
    QTemporaryDir from, into;
    writeFile(from.filePath(QStringLiteral("myfile.kyt")), makePlanFile(PlanCount));
    SystemClock clock;
    CoreContext source;
    source.dataDir = QDir(from.path());
    source.clock = &clock;
    source.readerProgram = QStringLiteral(VELKOR_READER_PROGRAM);
    CoreContext target = source;
    target.dataDir = QDir(into.path());
    const QString ics = into.filePath(QStringLiteral("plans.ics"));

    volatile int sink = 0;
    const double plainPlans =
        medianMs(Runs, [&] { sink = sink + plainReadAndParse(from.filePath(QStringLiteral("myfile.kyt"))); });
    const double exported =
        medianMs(Runs, [&] { sink = sink + int(interop::exportCalendar(ics, source).ok); });
    const double plainIcs = medianMs(Runs, [&] { sink = sink + plainCalendarRead(ics); });
    const double imported = medianMs(Runs, [&] {
        QFile::remove(into.filePath(QStringLiteral("myfile.kyt")));
        sink = sink + interop::importCalendarFile(ics, target).plansAdded;
    });

    // What the reader process adds: the same records read here, and read there and handed back.
    const double readHere =
        medianMs(Runs, [&] { sink = sink + int(interop::readCalendarRecords(ics).plans.size()); });
    const double readThere = medianMs(Runs, [&] {
        interop::CalendarReceiver receiver;
        foreign::runReader(source.readerProgram, {QStringLiteral("calendar"), ics},
                           [&](const QByteArray& frame) { return receiver.take(frame); });
        sink = sink + int(receiver.records.plans.size());
    });

    report("interop.exportCalendar (10k plans)", exported, "ms", "plain read-and-parse of the plan file",
           plainPlans);
    report("interop.importCalendar (10k events)", imported, "ms", "plain read of the .ics, lines unfolded",
           plainIcs);
    report("interop.readCalendar in the reader process (10k events)", readThere, "ms",
           "the same read in this process", readHere);
    return 0;
}
