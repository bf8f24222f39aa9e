#include "export/thread.h"

#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

#include "app/uartdatastore.h"
#include "platform/browserhtml.h"

const char *Thread::ChartImageName = "meterlog-chart.png";

Thread::Thread(QObject *parent)
    : QObject(parent)
{
}

Thread::~Thread() = default;

void Thread::SetPrintJob(std::unique_ptr<QPrinter> printer, const QImage &chart)
{
    PrintPrinter = std::move(printer);
    PrintChart = chart;
}

// The print dialog has been answered on the GUI thread before the job
// started; a job without a printer prints nothing.
void Thread::PrintReportWork()
{
    if (PrintPrinter) {
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
    emit PrintReportSotp();
}
