// Speed of the chart: PlotRecordChart on a 70000-sample thermo-hygro record
// with thermocouple gaps (carrier, alarm lines and one graph per run).

#include <QApplication>
#include <QTemporaryDir>

#include "bench/benchrecord.h"
#include "bench/benchutil.h"
#include "platform/timezone.h"
#include "ui/mainwindow.h"

int main(int argc, char *argv[])
{
    CacheLocalTimeZone();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    ShowBenchRecord(4423, 500, work.path());

    MainWindow window;
    window.show();
    window.UpdateDataTable();
    PrintStats("PlotRecordChart 70000 4423", RunTimed(9, [&] { window.PlotRecordChart(); }));
    std::printf("graphs in the chart: %d\n", window.CustomPlot->graphCount());
    return 0;
}
