// Speed of the data list: UpdateDataTable on a 70000-sample five-column
// record (rows, column sizing and the record statistics).

#include <QApplication>
#include <QTemporaryDir>

#include "app/uartdatastore.h"
#include "bench/benchutil.h"
#include "platform/timezone.h"
#include "tools/samplerecord.h"
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

int main(int argc, char *argv[])
{
    CacheLocalTimeZone();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir work;
    QDir::setCurrent(work.path());

    SampleRecordOptions options;
    options.model = 3702;
    options.count = UartDataStore::MaxSamples;
    options.missingEvery = 700;
    FillSampleRecord(UartData, options);
    UartData.RecordShown = true;
    UartData.RECFilePath = work.filePath(QStringLiteral("20240301080000.rec"));

    MainWindow window;
    window.show();
    window.ui->stackedWidget->setCurrentWidget(window.ui->pageGraph);
    window.ui->tabWidget->setCurrentWidget(window.ui->tabList);
    PrintStats("UpdateDataTable 70000 x 5", RunTimed(9, [&] { window.UpdateDataTable(); }));
    return 0;
}
