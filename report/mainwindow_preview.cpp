// The report tab: the page written by the last report rebuild is loaded
// into the browser when the tab is selected, once per rebuild.

#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::ShowReportPreview()
{
    if (!ReportPreviewPending)
        return;
    ReportPreviewPending = false;
    ui->axWidgetHtml->setControl(QStringLiteral("{8856F961-340A-11D0-A96B-00C04FD705A2}"));
    ui->axWidgetHtml->setProperty("DisplayAlerts", false);
    ui->axWidgetHtml->setProperty("DisplayScrollBars", true);
    ui->axWidgetHtml->dynamicCall("Navigate(const QString&)", ReportHtmlPath);
}

// The chart's zoom and restore actions belong to the chart tab alone.
void MainWindow::SelectItemSlot(int num)
{
    ui->action_Zoom->setVisible(num == 0);
    ui->action_Restore->setVisible(num == 0);
    if (num == 2)
        ShowReportPreview();
}
