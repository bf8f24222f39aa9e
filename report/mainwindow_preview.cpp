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

// The chart's zoom and restore actions belong to the chart tab alone; the
// rule that closes their group on the tool bar goes with them, so that no
// two rules meet.
void MainWindow::SelectItemSlot(int num)
{
    ui->action_Zoom->setVisible(num == 0);
    ui->action_Restore->setVisible(num == 0);
    const QList<QAction *> tools = ui->toolBar->actions();
    const int restore = tools.indexOf(ui->action_Restore);
    if (restore >= 0 && restore + 1 < tools.size() && tools.at(restore + 1)->isSeparator())
        tools.at(restore + 1)->setVisible(num == 0);
    if (num == 2)
        ShowReportPreview();
}
