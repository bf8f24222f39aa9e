// Speed of printing the data list tab of a 70000-sample thermo-hygro record
// with dew point (seven columns), as the print job does it: the copy of the
// list and its print HTML taken on the GUI thread, then the pages painted
// into a PDF file on the worker. With "richtext" the HTML is printed through
// QTextDocument instead, for comparison (minutes for the whole record).
// Prints the times, the page count and the peak memory.
//
//     bench_listprint                    the whole record
//     bench_listprint 20000              the first 20000 samples
//     bench_listprint 200 a.pdf          the first 200, the print-out kept as a.pdf
//     bench_listprint 8000 a.pdf richtext

#include <QTextDocument>

#include "bench/benchrecord.h"
#include "bench/benchpdf.h"
#include "bench/benchutil.h"
#include "export/printhtml.h"
#include "export/printtable.h"
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

int main(int argc, char *argv[])
{
    BenchApplication bench(argc, argv);
    const QString work = bench.work.path();
    MainWindow window;
    ShowBenchRecord(4423, 500, work);
    if (argc > 1)
        UartData.ShowEnd = qBound(1, QByteArray(argv[1]).toInt(), UartData.Lognum);
    UartData.ShowDewPoint = true;
    window.UpdateDataTable();
    const QAbstractItemModel &list = *window.ui->tableWidgetDataList->model();
    const QString pdf
        = argc > 2 ? QString::fromLocal8Bit(argv[2]) : work + QStringLiteral("/list.pdf");
    const bool richText = argc > 3 && QByteArray(argv[3]) == "richtext";

    PrintTable table;
    QString html;
    PrintStats("copy of the list",
               RunTimed(5, [&] { table = PrintTableOf(UartData.RECTitle, list); }));
    PrintStats("print HTML", RunTimed(5, [&] { html = TablePrintHtml(table); }));
    if (richText) {
        QTextDocument document;
        PrintStats("rich text: setHtml", RunTimed(1, [&] { document.setHtml(html); }));
        PrintStats("rich text: print", RunTimed(1, [&] { document.print(PdfPrinter(pdf).get()); }));
    } else {
        PrintStats("painted pages",
                   RunTimed(5, [&] { PrintTableOnPages(table, PdfPrinter(pdf).get()); }));
    }
    std::printf("%d rows, %d pages (A4), peak %.0f MB\n", table.RowCount(), PdfPages(pdf),
                PeakMegabytes());
    return 0;
}
