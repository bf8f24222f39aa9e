#include "export/thread.h"

#include <QDir>
#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

#include "app/uartdatastore.h"
#include "export/printtable.h"
#include "export/reportprint.h"

const char *Thread::ChartImageName = "meterlog-chart.png";

Thread::Thread(QObject *parent)
    : QObject(parent)
{
}

Thread::~Thread() = default;

void Thread::SetPrintJob(std::unique_ptr<QPrinter> printer, const QImage &chart, PrintTable list)
{
    PrintPrinter = std::move(printer);
    PrintChart = chart;
    PrintList = std::move(list);
}

// The print dialog has been answered on the GUI thread before the job
// started; a job without a printer prints nothing. The data list and the
// report are long tables, which the rich-text engine lays out in minutes as
// one document: the list's cells are painted as that table, the report is
// printed in pieces as a browser prints it.
void Thread::PrintReportWork()
{
    if (PrintPrinter && !PrintList.Headers.isEmpty()) {
        PrintTableOnPages(PrintList, PrintPrinter.get());
    } else if (PrintPrinter && !PrintChart.isNull()) {
        QTextDocument document;
        document.addResource(QTextDocument::ImageResource,
                             QUrl(QString::fromLatin1(ChartImageName)), PrintChart);
        document.setHtml(UartData.PrintHtml);
        document.print(PrintPrinter.get());
    } else if (PrintPrinter) {
        PrintReportPage(UartData.PrintHtml, QDir::currentPath(), PrintPrinter.get());
    }
    PrintPrinter.reset();
    PrintChart = QImage();
    PrintList = PrintTable();
    emit PrintReportSotp();
}
