// Speed of the chart: PlotRecordChart on a 70000-sample thermo-hygro record
// with thermocouple gaps, and on a four-probe record whose probes miss a
// value every few samples (thousands of gaps).

#include "bench/benchrecord.h"
#include "bench/benchutil.h"
#include "ui/mainwindow.h"

int main(int argc, char *argv[])
{
    BenchApplication bench(argc, argv);
    const QString work = bench.work.path();
    ShowBenchRecord(4423, 500, work);

    MainWindow window;
    window.show();
    window.UpdateDataTable();
    PrintStats("PlotRecordChart 70000 4423", RunTimed(9, [&] { window.PlotRecordChart(); }));

    ShowBenchRecord(4405, 6, work);
    window.UpdateDataTable();
    PrintStats("PlotRecordChart 70000 4405 gaps", RunTimed(9, [&] { window.PlotRecordChart(); }));
    return 0;
}
