// Speed of the data list: UpdateDataTable on a 70000-sample five-column
// record (rows, column sizing and the record statistics), list tab on show;
// then records of a five-column and a six-column family opened in turn, so
// that every fill changes the list's columns.

#include "bench/benchrecord.h"
#include "bench/benchutil.h"
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

int main(int argc, char *argv[])
{
    BenchApplication bench(argc, argv);
    const QString work = bench.work.path();
    ShowBenchRecord(3702, 700, work);

    MainWindow window;
    window.show();
    window.ui->stackedWidget->setCurrentWidget(window.ui->pageGraph);
    window.ui->tabWidget->setCurrentWidget(window.ui->tabList);
    PrintStats("UpdateDataTable 70000 x 5", RunTimed(9, [&] { window.UpdateDataTable(); }));

    int next = 0;
    PrintStats("UpdateDataTable 5 <-> 6 columns", RunTimed(9, [&] {
                   ShowBenchRecord(next++ % 2 ? 3702 : 4405, 700, work);
                   window.UpdateDataTable();
               }));
    return 0;
}
