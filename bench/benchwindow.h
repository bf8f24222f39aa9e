#ifndef BENCHWINDOW_H
#define BENCHWINDOW_H

// What the benchmarks that drive the main window as a user does share: a
// 70000-sample record file of a model, the window's tabs shown one by one
// (the report tab until its preview has loaded), and the shown tab printed
// into a PDF file of A4 pages through the print job, with the print dialog
// answered in code.
//
//     const QString record = WriteBenchRecordFile(4423, 500, work);
//     window.LoadRecordFile(record);
//     ShowEachTab(window);
//     PrintShownTab(window, work + "/report.pdf");

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPageSize>
#include <QPrinter>
#include <QThread>

#include <cstdio>

#include "app/recordfile.h"
#include "bench/benchrecord.h"
#include "platform/reportbrowser.h"
#include "ui/dialogseam.h"
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

// Writes the model's full record into folder; "" when it cannot be written.
inline QString WriteBenchRecordFile(int model, int missingEvery, const QString &folder)
{
    ShowBenchRecord(model, missingEvery, folder);
    const QString path = folder + QStringLiteral("/bench-%1.rec").arg(model);
    QString error;
    if (!WriteRecordFile(UartData, path, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return QString();
    }
    return path;
}

// Runs the event loop until done() holds; false when it did not within
// five minutes (a run under a memory profiler is slow).
template <typename Condition>
bool RunEventsUntil(Condition done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > 300000)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

// Selects a tab as a click on it does and lets the window settle; on the
// report tab, until every piece of the preview is in.
inline bool ShowTab(MainWindow &window, QWidget *tab)
{
    window.ui->tabWidget->setCurrentWidget(tab);
    QCoreApplication::processEvents();
    if (tab != window.ui->tabReport)
        return true;
    ReportBrowser *browser = window.ui->axWidgetHtml;
    return RunEventsUntil([browser] { return browser->IsPageComplete(); });
}

// Every tab in turn, the report tab last.
inline bool ShowEachTab(MainWindow &window)
{
    for (int index = 0; index < window.ui->tabWidget->count(); ++index) {
        if (!ShowTab(window, window.ui->tabWidget->widget(index)))
            return false;
    }
    return true;
}

// Prints the shown tab as the Print action does, the dialog answered with
// an A4 PDF file at path, and waits until the job has ended.
inline bool PrintShownTab(MainWindow &window, const QString &path)
{
    DialogSeam::SetPrintHandler([path](QPrinter *printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setOutputFileName(path);
        return int(QDialog::Accepted);
    });
    window.ui->action_Print->trigger();
    const bool ended = RunEventsUntil([&window] { return !window.WorkerThread->isRunning(); });
    DialogSeam::SetPrintHandler(nullptr);
    return ended;
}

#endif // BENCHWINDOW_H
