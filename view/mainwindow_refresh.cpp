// Every view of the record on show built again: after the settings dialog
// has changed the date format, the colours or the display flags.

#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include <QTimer>

#include "app/uartdatastore.h"

void MainWindow::RefreshDataView()
{
    // The progress display stops even when there is nothing to show.
    Timer500MS->stop();
    if (UartData.Lognum == 0)
        return;
    // The table computes the statistics that the chart and the report read,
    // and the report grabs the chart drawn here.
    UpdateDataTable();
    ZoomMode = true;
    SetZoomIcons(true);
    PlotRecordChart();
    ui->stackedWidget->setCurrentWidget(ui->pageGraph);
    ui->tabWidget->setCurrentWidget(ui->tabGraph);
    RebuildReport();
    ui->toolBar->show();
}
