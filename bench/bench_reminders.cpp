// A reminder tick and a 12-month catch-up over 10,000 plans, beside a plain read-and-parse of the file;
// an idle minute's tick over 1,000,000 plans, beside the tick that reads the whole file again.
#include "bench_util.h"
#include "core/base/file_stamp.h"
#include "core/plans/day_set.h"
#include "core/plans/plan_store.h"
#include "core/plans/reminders.h"
#include "plan_file.h"

#include <QTemporaryDir>
#include <QThread>

using namespace velkor;
using namespace velkor::bench;

int main() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("myfile.kyt"));
    writeFile(path, makePlanFile(10000));
    const plans::PlanStore store(path);
    const QDateTime now(QDate(2026, 6, 15), QTime(9, 30));

    volatile int sink = 0;
    const double plain = medianMs(21, [&] { sink = sink + plainReadAndParse(path); });
    const double tick = medianMs(21, [&] {
        const auto plans = store.readPlans();
        sink = sink + int(shell::dueReminders(plans.value, now.addSecs(-60), now.date(), now).size());
    });
    const auto plans = store.readPlans().value;
    const double catchUp = medianMs(21, [&] {
        sink = sink + int(shell::catchUp(plans, QDateTime(QDate(2025, 7, 1), QTime(0, 0)), now).size());
    });
    report("reminder tick (10k plans)", tick, "ms", "plain read-and-parse", plain);
    report("catch-up over 11.5 months (10k plans, no boxes)", catchUp, "ms", "goal", 50.0);

    const QString bigPath = dir.filePath(QStringLiteral("big.kyt"));
    writeFile(bigPath, makePlanFile(1000000));
    // Until its times are older than their resolution, a file just written is read at every tick.
    while (!FileStamp::of(bigPath).settled())
        QThread::msleep(100);
    const plans::DaySet today = plans::DaySet::between(now.date(), now.date());
    const auto tickOn = [&](const auto& read) {
        return medianMs(9, [&] {
            const auto plans = read();
            sink = sink + int(shell::dueReminders(plans.value, now.addSecs(-60), now.date(), now).size());
        });
    };
    const double reread = tickOn([&] { return plans::readPlansOn(bigPath, today); });
    plans::RecentPlans recent(bigPath);
    recent.on(today);
    const double idle = tickOn([&] { return recent.on(today); });
    report("reminder tick, idle minute (1M plans)", idle, "ms", "tick reading the whole file (1M)", reread);
    return 0;
}
