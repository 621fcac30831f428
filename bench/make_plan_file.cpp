// Writes a plan file of the given size for the start-up benchmark and prints the median time of a plain
// read-and-parse of it: the floor any program pays to read those plans.
//   make_plan_file <path> <count>
#include "bench_util.h"
#include "plan_file.h"

#include <QCoreApplication>

using namespace velkor::bench;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    writeFile(args[1], makePlanFile(args[2].toInt()));
    volatile int sink = 0;
    std::printf("%.1f\n", medianMs(9, [&] { sink = sink + plainReadAndParse(args[1]); }));
    return 0;
}
