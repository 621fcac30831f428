#pragma once

#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace velkor::bench {

// Median wall time of `runs` calls, in milliseconds.
template <typename F> double medianMs(int runs, F&& work) {
    std::vector<double> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

inline void report(const char* name, double value, const char* unit, const char* baseline,
                   double baselineValue) {
    std::printf("%s\t%.2f\t%s\t%s\t%.2f\n", name, value, unit, baseline, baselineValue);
    std::fflush(stdout);
}

} // namespace velkor::bench
