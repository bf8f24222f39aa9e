#include "export/thread.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>

#include <memory>

#include "app/uartdatastore.h"
#include "export/printfile.h"
#include "export/printtable.h"
#include "export/reportprint.h"

namespace {

// The pages Qt's document print lays a document out on: the printer's page
// with margins of 2 cm.
int DocumentPrintPages(const QTextDocument &document, QPrinter *printer)
{
    const std::unique_ptr<QTextDocument> pages(document.clone());
    pages->documentLayout()->setPaintDevice(printer);
    QTextFrameFormat frame = pages->rootFrame()->frameFormat();
    frame.setMargin(int(2.0 / 2.54 * printer->logicalDpiY()));
    pages->rootFrame()->setFrameFormat(frame);
    pages->setPageSize(QSizeF(printer->width(), printer->height()));
    return pages->pageCount();
}

// The chart page, printed by the rich-text engine; a range past its pages
// prints nothing, where Qt's print would put out a blank sheet.
PrintRun PrintChartPage(const QString &html, const QImage &chart, QPrinter *printer)
{
    QTextDocument document;
    document.addResource(QTextDocument::ImageResource,
                         QUrl(QString::fromLatin1(Thread::ChartImageName)), chart);
    document.setHtml(html);
    PrintRun run;
    run.pageCount = DocumentPrintPages(document, printer);
    run.printed = printer->fromPage() <= run.pageCount;
    if (run.printed)
        document.print(printer);
    return run;
}

} // namespace

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
// started; a job without a printer prints nothing.
void Thread::PrintReportWork()
{
    LastOutcome = PrintPrinter ? PrintOut() : JobOutcome::Success();
    PrintPrinter.reset();
    PrintChart = QImage();
    PrintList = PrintTable();
    emit PrintReportSotp();
}

// The data list and the report are long tables, which the rich-text engine
// lays out in minutes as one document: the list's cells are painted as that
// table, the report is printed in pieces as a browser prints it.
JobOutcome Thread::PrintOut()
{
    QPrinter *printer = PrintPrinter.get();
    PrintFile file(printer);
    PrintTarget = file.Target();
    if (!file.Open())
        return JobOutcome::Failure(file.ErrorString());
    PrintRun run;
    if (!PrintList.Headers.isEmpty())
        run = PrintTableOnPages(PrintList, printer);
    else if (!PrintChart.isNull())
        run = PrintChartPage(UartData.PrintHtml, PrintChart, printer);
    else
        run = PrintReportPage(UartData.PrintHtml, QDir::currentPath(), printer);
    if (!file.Commit(run.printed && !run.failed))
        return JobOutcome::Failure(file.ErrorString());
    if (run.failed)
        return JobOutcome::Failure(tr("the printer could not print"));
    if (!run.printed)
        return JobOutcome::Nothing(run.pageCount == 1
                                       ? tr("the print-out has 1 page")
                                       : tr("the print-out has %1 pages").arg(run.pageCount));
    return JobOutcome::Success();
}
