// Speed of the data list: UpdateDataTable on a 70000-sample five-column
// record (rows, column sizing and the record statistics), list tab on show.

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
    return 0;
}
