// Save-as exports of a 70000-sample thermo-hygro record with thermocouple
// (the widest rows of any family): TXT, CSV and the PDF text table (1078
// pages). Each writer runs in a child process of its own, so that its peak
// memory (VmHWM) is its own and not the largest of the three; the child
// prints the median, minimum and maximum time and the peak.
//
//     bench_exports            all three
//     bench_exports pdf        one of txt, csv, pdf

#include "bench/benchrecord.h"
#include "bench/benchutil.h"
#include "export/csvexport.h"
#include "export/pdftextexport.h"
#include "export/txtexport.h"

#include <QFileInfo>
#include <QProcess>

#include <cstdio>
#include <functional>

namespace {

struct Writer {
    const char *name;
    const char *file;
    int runs;
    std::function<JobOutcome(const QString &)> write;
};

const Writer Writers[] = {
    {"txt", "export.txt", 15, [](const QString &name) { return WriteTxtExport(name); }},
    {"csv", "export.csv", 15, [](const QString &name) { return WriteCsvExport(name); }},
    {"pdf", "export.pdf", 5, [](const QString &name) { return WritePdfTextExport(name); }},
};

int RunOne(const Writer &writer, const QString &folder)
{
    ShowBenchRecord(4423, 500, folder);
    UartData.ShowDewPoint = true;
    const double before = PeakMegabytes();
    const QString path = folder + QLatin1Char('/') + QLatin1String(writer.file);
    bool ok = true;
    const BenchStats stats = RunTimed(writer.runs, [&] {
        const JobOutcome outcome = writer.write(path);
        if (!outcome.IsWritten()) {
            std::fprintf(stderr, "%s: %s\n", writer.name, qPrintable(outcome.Reason));
            ok = false;
        }
    });
    if (!ok)
        return 1;
    std::printf("%s, model 4423, %d samples, %lld bytes, %d runs\n", writer.name, UartData.Lognum,
                QFileInfo(path).size(), writer.runs);
    PrintStats(writer.name, stats);
    std::printf("%-28s peak %8.1f MB   (record and application alone %.1f MB)\n", "",
                PeakMegabytes(), before);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    BenchApplication bench(argc, argv);
    const QStringList arguments = bench.app.arguments().mid(1);
    if (arguments.size() == 1) {
        for (const Writer &writer : Writers) {
            if (arguments.first() == QLatin1String(writer.name))
                return RunOne(writer, bench.work.path());
        }
        std::fprintf(stderr, "unknown writer %s\n", qPrintable(arguments.first()));
        return 2;
    }
    int failures = 0;
    for (const Writer &writer : Writers) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(bench.app.applicationFilePath(), {QLatin1String(writer.name)});
        failures += !child.waitForFinished(-1) || child.exitCode() != 0;
    }
    return failures ? 1 : 0;
}
