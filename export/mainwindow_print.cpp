// The print job's start: the print HTML of the tab on show, and the print
// dialog, answered on the GUI thread before the worker prints. A cancelled
// dialog starts no job.

#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include <QDialog>
#include <QPrinter>
#include <QThread>

#include <memory>

#include "app/uartdatastore.h"
#include "export/printhtml.h"
#include "export/printtable.h"
#include "export/thread.h"
#include "ui/dialogseam.h"

namespace {

// The chart is rendered at twice its size on screen so that it prints sharp.
constexpr double ChartPrintScale = 2.0;

} // namespace

void MainWindow::DoPrintPreview()
{
    if (RefuseWhileJobRuns())
        return;
    QImage chart;
    PrintTable list;
    UartData.PrintHtml = CurrentTabPrintHtml(&chart, &list);
    auto printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    UartData.Busy = true;
    const int answer = DialogSeam::ExecPrintDialog(printer.get());
    UartData.Busy = false;
    if (answer != QDialog::Accepted)
        return;
    Worker->SetPrintJob(std::move(printer), chart, std::move(list));
    WorkerThread->start(QThread::InheritPriority);
    emit PrintReportStart();
}

// The report tab prints the report's print layout; the chart and data list
// tabs print what they show, composed now. The data list's cells are kept
// as they are for the worker to print (see printtable.h).
QString MainWindow::CurrentTabPrintHtml(QImage *chart, PrintTable *list)
{
    QWidget *tab = ui->tabWidget->currentWidget();
    if (tab == ui->tabGraph) {
        *chart = CustomPlot->toPixmap(0, 0, ChartPrintScale).toImage();
        UartData.GraphPrintHtml
            = ChartPrintHtml(QString::fromLatin1(Thread::ChartImageName), CustomPlot->size());
        return UartData.GraphPrintHtml;
    }
    if (tab == ui->tabList) {
        *list = PrintTableOf(ChartTitleText(), *ui->tableWidgetDataList->model());
        UartData.ListPrintHtml = TablePrintHtml(*list);
        return UartData.ListPrintHtml;
    }
    return UartData.ReportPrintHtml;
}
