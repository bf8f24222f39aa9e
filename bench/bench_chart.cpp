// Speed of the chart: PlotRecordChart on a 70000-sample thermo-hygro record
// with thermocouple gaps (carrier, alarm lines and one graph per run).

#include <QApplication>
#include <QTemporaryDir>

#include "app/uartdatastore.h"
#include "bench/benchutil.h"
#include "platform/timezone.h"
#include "tools/samplerecord.h"
#include "ui/mainwindow.h"

int main(int argc, char *argv[])
{
    CacheLocalTimeZone();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir work;
    QDir::setCurrent(work.path());

    SampleRecordOptions options;
    options.model = 4423;
    options.count = UartDataStore::MaxSamples;
    options.missingEvery = 500;
    FillSampleRecord(UartData, options);
    UartData.RecordShown = true;
    UartData.RECFilePath = work.filePath(QStringLiteral("20240301080000.rec"));
    UartData.RECTitle = QStringLiteral("Logger-4423(ID)20240301080000.rec");

    MainWindow window;
    window.show();
    window.UpdateDataTable();
    PrintStats("PlotRecordChart 70000 4423", RunTimed(9, [&] { window.PlotRecordChart(); }));
    std::printf("graphs in the chart: %d\n", window.CustomPlot->graphCount());
    return 0;
}
