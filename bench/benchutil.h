#ifndef BENCHUTIL_H
#define BENCHUTIL_H

// Runs a callable a number of times and prints the median, minimum and
// maximum wall time in milliseconds:
//
//     BenchStats write = RunTimed(15, [&] { WriteRecordFile(store, path, nullptr); });
//     PrintStats("write", write);
//
// PeakMegabytes() is the process's peak resident memory so far.

#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

struct BenchStats {
    double median = 0.0;
    double min = 0.0;
    double max = 0.0;
};

template <typename Callable>
BenchStats RunTimed(int runs, Callable &&callable)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        callable();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    if (times.empty())
        return {};
    const size_t n = times.size();
    const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2.0;
    return {median, times.front(), times.back()};
}

inline void PrintStats(const char *label, const BenchStats &stats)
{
    std::printf("%-28s median %8.2f ms   min %8.2f ms   max %8.2f ms\n", label, stats.median,
                stats.min, stats.max);
    std::fflush(stdout);
}

// Peak resident memory of this process in MB (VmHWM of /proc/self/status);
// -1 when it cannot be read.
inline double PeakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1.0;
    QTextStream in(&status);
    for (QString line = in.readLine(); !line.isNull(); line = in.readLine()) {
        if (line.startsWith(QLatin1String("VmHWM:")))
            return line.section(QLatin1Char(' '), 1, -1, QString::SectionSkipEmpty)
                       .section(QLatin1Char(' '), 0, 0)
                       .toDouble()
                   / 1024.0;
    }
    return -1.0;
}

#endif // BENCHUTIL_H
