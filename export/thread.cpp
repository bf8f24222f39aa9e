#include "export/thread.h"

#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

#include "app/uartdatastore.h"
#include "export/printtable.h"
#include "platform/browserhtml.h"

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
// started; a job without a printer prints nothing. The data list's print
// HTML is one long table, which the rich-text engine lays out in minutes:
// its cells are painted as that table instead.
void Thread::PrintReportWork()
{
    if (PrintPrinter && !PrintList.Headers.isEmpty()) {
        PrintTableOnPages(PrintList, PrintPrinter.get());
    } else if (PrintPrinter) {
        QTextDocument document;
        if (!PrintChart.isNull())
            document.addResource(QTextDocument::ImageResource,
                                 QUrl(QString::fromLatin1(ChartImageName)), PrintChart);
        // Printed as a browser shows the page: the reports end their unit
        // references without ";".
        SetBrowserHtml(&document, UartData.PrintHtml);
        document.print(PrintPrinter.get());
    }
    PrintPrinter.reset();
    PrintChart = QImage();
    PrintList = PrintTable();
    emit PrintReportSotp();
}
