// Filling the plan query list from 10,000 plans, beside a plain read-and-parse of the same file.
#include "bench_context.h"
#include "bench_util.h"
#include "core/plans/plan_line_model.h"
#include "plan_file.h"
#include "ui/plans/plan_query_window.h"

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>

#include <cstdio>

using namespace velkor;
using namespace velkor::bench;

namespace {

// Median of `runs` timed calls of `work`, each after an untimed `setup`.
template <typename S, typename W> double medianMsAfter(int runs, S&& setup, W&& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        setup();
        times.push_back(medianMs(1, work));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    preferOffscreen();
    QApplication app(argc, argv);
    BenchContext bench;
    AppContext& ctx = bench.ctx;
    const QString path = ctx.dataFile(QStringLiteral("myfile.kyt"));
    writeFile(path, makePlanFile(10000));

    plans::PlanQueryWindow window(ctx);
    window.show();
    QApplication::processEvents();
    auto* chooser = window.findChild<QListWidget*>(QStringLiteral("List2"));
    // A press on a chooser entry, then whatever the list needs to show the new lines.
    const auto choose = [chooser](int row) {
        emit chooser->pressed(chooser->model()->index(row, 0));
        QApplication::processEvents();
    };
    const auto clear = [&] { choose(plans::PlanQueryWindow::ClearList); };

    constexpr int Runs = 15;
    volatile int sink = 0;
    const double plain = medianMs(Runs, [&] { sink = sink + plainReadAndParse(path); });
    const double all = medianMsAfter(Runs, clear, [&] { choose(plans::PlanQueryWindow::AllPlans); });
    sink = sink + int(window.lineModel()->rowCount());
    const double month = medianMsAfter(Runs, clear, [&] { choose(5); });
    const double relist = medianMsAfter(
        Runs, [&] { choose(plans::PlanQueryWindow::AllPlans); }, [&] { window.reList(); });

    report("plan query: all plans into the list (10k plans)", all, "ms", "plain read-and-parse", plain);
    report("plan query: one month into the list (10k plans)", month, "ms", "plain read-and-parse", plain);
    report("plan query: rebuild of 12 flagged months (10k plans)", relist, "ms", "plain read-and-parse",
           plain);
    return 0;
}
