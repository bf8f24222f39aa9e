// Speed and memory of the PDF summary report on a 70000-sample decibel
// record: the writer alone (median of runs, peak memory of the process), and
// the whole job started from the main window, during which the GUI thread's
// longest pause is measured with a 5 ms timer.
//
// Targets: under 2 s, peak memory under 300 MB, no GUI-thread pause over
// 100 ms.

#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QThread>
#include <QTimer>

#include "bench/benchrecord.h"
#include "bench/benchutil.h"
#include "export/thread.h"
#include "ui/dialogseam.h"
#include "ui/mainwindow.h"

namespace {

long PeakMemoryMB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong() / 1024;
    }
    return -1;
}

// A chart picture as large as the window's chart, as the report builders save it.
void WriteChartPicture()
{
    QImage chart(1300, 560, QImage::Format_RGB32);
    chart.fill(Qt::white);
    QPainter painter(&chart);
    painter.setPen(QPen(Qt::blue, 2));
    for (int x = 0; x < 1300; x += 4)
        painter.drawLine(x, 280 + (x % 97) - 48, x + 4, 280 + ((x + 4) % 97) - 48);
    painter.end();
    chart.save(QStringLiteral("logger.bmp"), "BMP");
}

// The job from the main window's start slot to its completion dialog, with
// the longest gap between the ticks of a 5 ms timer on the GUI thread.
void RunJobFromWindow(const QString &path)
{
    MainWindow window;
    DialogSeam::SetSaveFileHandler(
        [&](QWidget *, const QString &, const QString &, const QString &) { return path; });
    bool completed = false;
    DialogSeam::SetExecHandler([&](QDialog &) {
        completed = true;
        return int(QDialog::Rejected);
    });
    QElapsedTimer sinceTick;
    qint64 longestPause = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { longestPause = qMax(longestPause, sinceTick.restart()); });
    QElapsedTimer job;
    job.start();
    sinceTick.start();
    ticker.start();
    QMetaObject::invokeMethod(&window, "ExportToPDFSlot");
    while (!completed)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    std::printf("%-28s %8lld ms, longest GUI pause %lld ms\n", "job from the window", job.elapsed(),
                longestPause);
}

} // namespace

int main(int argc, char *argv[])
{
    BenchApplication bench(argc, argv);
    const QString work = bench.work.path();
    ShowBenchRecord(6201, 0, work);
    UartData.ReportHtml = QStringLiteral("<html></html>");
    WriteChartPicture();

    MainWindow window;
    window.UpdateDataTable(); // the statistics the report prints
    const QString path = work + QStringLiteral("/report.pdf");
    Thread worker;
    PrintStats("report pdf 70000 decibel", RunTimed(7, [&] {
                   UartData.ExportFileName = path;
                   worker.ExportReportWork();
               }));
    std::printf("%-28s %8.1f MB, %s\n", "file", QFileInfo(path).size() / 1e6,
                worker.Outcome().IsWritten() ? "written" : "NOT written");
    std::printf("%-28s %8ld MB\n", "peak memory", PeakMemoryMB());
    RunJobFromWindow(work + QStringLiteral("/from-window.pdf"));
    return 0;
}
