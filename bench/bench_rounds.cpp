// Memory of repeated work in one window, as a user does it: each round opens
// the 70000-sample thermo-hygro record (4423) from its record file, shows
// every tab (the report tab until its preview has loaded) and prints the
// report tab into an A4 PDF file through the print job. Nothing of a round
// should stay for the next: the peak after the last round is compared with
// the peak after the first.
//
//     bench_rounds          six rounds
//     bench_rounds 10       ten rounds

#include <QFile>

#include "bench/benchpdf.h"
#include "bench/benchutil.h"
#include "bench/benchwindow.h"

namespace {

bool RunRound(MainWindow &window, const QString &record, const QString &pdf)
{
    QFile::remove(pdf);
    return window.LoadRecordFile(record) && ShowEachTab(window) && PrintShownTab(window, pdf)
           && PdfPages(pdf) > 0;
}

} // namespace

int main(int argc, char *argv[])
{
    BenchApplication bench(argc, argv);
    const int rounds = qMax(1, argc > 1 ? QByteArray(argv[1]).toInt() : 6);
    const QString work = bench.work.path();
    const QString record = WriteBenchRecordFile(4423, 500, work);
    const QString pdf = work + QStringLiteral("/report.pdf");
    ResetRecord(UartData);
    MainWindow window;
    window.show();
    window.ui->stackedWidget->setCurrentWidget(window.ui->pageGraph);
    QCoreApplication::processEvents();

    double firstPeak = 0.0;
    for (int round = 1; round <= rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        if (record.isEmpty() || !RunRound(window, record, pdf)) {
            std::fprintf(stderr, "round %d failed\n", round);
            return 1;
        }
        const double peak = PeakMegabytes();
        if (round == 1)
            firstPeak = peak;
        std::printf("round %d: %.1f s, %d pages, peak %.0f MB\n", round, timer.elapsed() / 1000.0,
                    PdfPages(pdf), peak);
        std::fflush(stdout);
    }
    const double lastPeak = PeakMegabytes();
    std::printf("peak after 1 round %.0f MB, after %d rounds %.0f MB, ratio %.3f\n", firstPeak,
                rounds, lastPeak, lastPeak / firstPeak);
    return 0;
}
