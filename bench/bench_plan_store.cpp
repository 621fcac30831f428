// Every plan store operation on 10,000 plans beside a plain read-and-parse of the same file.
#include "bench_util.h"
#include "core/plans/plan_store.h"
#include "plan_file.h"

#include <QTemporaryDir>

using namespace velkor;
using namespace velkor::plans;
using namespace velkor::bench;

namespace {

constexpr int PlanCount = 10000;
constexpr int Runs = 15;

} // namespace

int main() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("myfile.kyt"));
    const QByteArray original = makePlanFile(PlanCount);
    const auto restore = [&] { writeFile(path, original); };
    restore();
    const PlanStore store(path);

    volatile int sink = 0;
    const double plain = medianMs(Runs, [&] { sink = sink + plainReadAndParse(path); });
    const PlanRecord somePlan = store.readPlans().value.value(PlanCount / 2);

    const double readAll = medianMs(Runs, [&] { sink = sink + int(store.readPlans().value.size()); });
    const double remove = medianMs(Runs, [&] {
        restore();
        sink = sink + int(store.removePlans({somePlan}).value.size());
    });
    const double replace = medianMs(Runs, [&] {
        restore();
        sink = sink + int(store.replacePlan(somePlan, {6, 1, 25, 0, QStringLiteral("x")}).value);
    });
    const double plainRestore = medianMs(Runs, [&] { restore(); });
    const double append = medianMs(Runs, [&] {
        sink = sink + int(store.appendPlan({6, 1, 25, 0, QStringLiteral("x")}).ok());
    });

    report("plan_store.readPlans (10k)", readAll, "ms", "plain read-and-parse", plain);
    report("plan_store.removePlans (10k)", remove - plainRestore, "ms", "plain read-and-parse", plain);
    report("plan_store.replacePlan (10k)", replace - plainRestore, "ms", "plain read-and-parse", plain);
    report("plan_store.appendPlan (10k)", append, "ms", "plain read-and-parse", plain);
    return 0;
}
