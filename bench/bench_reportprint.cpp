// Speed of printing the Summary Report tab of a 70000-sample record, as a
// user prints it: the report tab shown first, until its preview has loaded,
// then the report's print HTML, with the chart picture the report rebuild
// left, printed into a PDF file of A4 pages on the worker. Prints the time,
// the page count and the peak memory of the process, also as it was before
// the print (the window, the record, its report and the preview) and before
// the preview.
//
//     bench_reportprint                      decibel and 4423, each in a process of its own
//     bench_reportprint 4423                 one model, the whole record
//     bench_reportprint 4423 200 a.pdf       the first 200 samples, the print-out kept as a.pdf

#include <QCoreApplication>
#include <QProcess>

#include "bench/benchrecord.h"
#include "bench/benchpdf.h"
#include "bench/benchutil.h"
#include "bench/benchwindow.h"
#include "export/thread.h"

namespace {

// Each model in a process of its own, so that each peak is its own.
int RunEachModel(const char *program)
{
    for (const char *model : {"6201", "4423"}) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QString::fromLocal8Bit(program), {QString::fromLatin1(model)});
        child.waitForFinished(-1);
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        return RunEachModel(argv[0]);
    BenchApplication bench(argc, argv);
    const QString work = bench.work.path();
    const int model = QByteArray(argv[1]).toInt();
    MainWindow window;
    window.show();
    window.ui->stackedWidget->setCurrentWidget(window.ui->pageGraph);
    QCoreApplication::processEvents();
    ShowBenchRecord(model, model / 100 == 44 ? 500 : 0, work);
    if (argc > 2)
        UartData.Lognum = UartData.ShowEnd = qBound(1, QByteArray(argv[2]).toInt(), UartData.Lognum);
    window.UpdateDataTable();
    window.PlotRecordChart();
    window.RebuildReport();
    const QString pdf
        = argc > 3 ? QString::fromLocal8Bit(argv[3]) : work + QStringLiteral("/report.pdf");

    const double beforePreview = PeakMegabytes();
    bool previewLoaded = false;
    const BenchStats preview
        = RunTimed(1, [&] { previewLoaded = ShowTab(window, window.ui->tabReport); });
    if (!previewLoaded)
        std::fprintf(stderr, "the report preview did not load\n");
    const double beforePrint = PeakMegabytes();
    Thread worker;
    UartData.PrintHtml = UartData.ReportPrintHtml;
    const BenchStats print = RunTimed(1, [&] {
        worker.SetPrintJob(PdfPrinter(pdf), QImage(), PrintTable());
        worker.PrintReportWork();
    });
    const QByteArray name(argv[1]);
    PrintStats(("preview " + name).constData(), preview);
    PrintStats(("report tab " + name).constData(), print);
    std::printf("  %d samples, %d characters of print HTML, %d pages (A4), peak %.0f MB "
                "(%.0f MB before the print, %.0f MB before the preview)\n",
                UartData.Lognum, UartData.ReportPrintHtml.size(), PdfPages(pdf), PeakMegabytes(),
                beforePrint, beforePreview);
    return 0;
}
