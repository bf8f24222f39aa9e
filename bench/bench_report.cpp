// Speed of the summary report on 70000-sample records (35000 list rows per
// layout): building both layouts, the whole rebuild with both chart grabs
// and the preview file, and opening a record file end to end (read, data
// list, chart, report rebuild). Prints medians and the peak memory.

#include <sys/resource.h>

#include "app/recordfile.h"
#include "bench/benchrecord.h"
#include "bench/benchutil.h"
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

namespace {

constexpr int Runs = 9;

void MeasureModel(MainWindow &window, int model, int missingEvery, const QString &work)
{
    ShowBenchRecord(model, missingEvery, work);
    const QString path = work + QStringLiteral("/bench.rec");
    QString error;
    if (!WriteRecordFile(UartData, path, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return;
    }
    window.UpdateDataTable();
    window.PlotRecordChart();

    const QByteArray name = QByteArray::number(model);
    PrintStats(("both layouts " + name).constData(), RunTimed(Runs, [&] {
        UartData.ReportHtml = window.CreateReportHtml(false);
        UartData.ReportPrintHtml = window.CreateReportHtml(true);
    }));
    PrintStats(("RebuildReport " + name).constData(), RunTimed(Runs, [&] { window.RebuildReport(); }));
    PrintStats(("LoadRecordFile " + name).constData(),
               RunTimed(Runs, [&] { window.LoadRecordFile(path); }));
    std::printf("  report %d characters, preview file %lld bytes\n", UartData.ReportHtml.size(),
                QFileInfo(window.ReportHtmlPath).size());
}

} // namespace

int main(int argc, char *argv[])
{
    BenchApplication bench(argc, argv);
    const QString work = bench.work.path();
    MainWindow window;
    window.show();
    window.ui->stackedWidget->setCurrentWidget(window.ui->pageGraph);
    QCoreApplication::processEvents();

    MeasureModel(window, 6201, 0, work);    // decibel: the list of the skeleton
    MeasureModel(window, 4426, 500, work);  // thermo-hygro: the widest list

    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory %.0f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
