// A reminder tick and a 12-month catch-up over 10,000 plans, beside a plain read-and-parse of the file.
#include "bench_util.h"
#include "plan_file.h"
#include "plans/plan_store.h"
#include "shell/reminders.h"

#include <QTemporaryDir>

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
    return 0;
}
