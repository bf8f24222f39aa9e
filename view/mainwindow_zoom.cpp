// Zoom mode and the range limits that hold while the user drags or zooms.

#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/uartdatastore.h"

namespace {

bool IsTemperatureHumidityLogger(int model)
{
    return UartDataStore::Family(model) == 37 && model != 3701 && model != 3721 && model != 3707
           && model != 3709 && model != 3710;
}

} // namespace

void MainWindow::setxAxisRange(QCPRange newRange)
{
    QCPAxis *x = CustomPlot->xAxis;
    if (UartData.Lognum > 0) {
        const double first = UartData.SampleTimeT[0];
        const double last = UartData.SampleTimeT[UartData.Lognum - 1];
        // A window dragged wholly past either end of the record snaps back.
        if (newRange.lower > last) {
            x->setRangeLower(first);
            x->setRangeUpper(last);
        }
        if (first > newRange.upper) {
            x->setRangeLower(first);
            x->setRangeUpper(last);
        }
    }
    const QString format = UartData.DateTimeFormat;
    const QCPRange shown = x->range();
    x->setLabel(tr("From: ") + QDateTime::fromTime_t(uint(shown.lower)).toString(format)
                + tr(" To: ") + QDateTime::fromTime_t(uint(shown.upper)).toString(format));
}

void MainWindow::setyAxisRange(QCPRange newRange)
{
    QCPAxis *y = CustomPlot->yAxis;
    const int model = UartData.RECModel;
    switch (UartDataStore::Family(model)) {
    case 62:
        if (newRange.lower < 30.0)
            y->setRangeLower(30.0);
        if (newRange.upper > 130.0)
            y->setRangeUpper(130.0);
        return;
    case 53:
        if (newRange.lower < 0.0)
            y->setRangeLower(0.0);
        return;
    default:
        break;
    }
    if (IsTemperatureHumidityLogger(model)) {
        y->setRangeLower(YRangeLower);
        y->setRangeUpper(YRangeUpper);
    }
}

void MainWindow::setyAxis2Range(QCPRange)
{
    if (UartDataStore::Family(UartData.RECModel) != 37)
        return;
    CustomPlot->yAxis2->setRangeLower(Y2RangeLower);
    CustomPlot->yAxis2->setRangeUpper(Y2RangeUpper);
}

void MainWindow::SetZoomIcons(bool zoomOn)
{
    ui->action_Zoom->setIcon(QIcon(zoomOn ? QStringLiteral("Icon/Pan.png")
                                          : QStringLiteral("Icon/Pan-disable.png")));
    ui->action_Restore->setIcon(QIcon(zoomOn ? QStringLiteral("Icon/restore-disable.png")
                                             : QStringLiteral("Icon/restore.png")));
}

void MainWindow::MagnifySlot()
{
    if (ZoomMode)
        return;
    ZoomMode = true;
    PlotRecordChart();
    SetZoomIcons(true);
}

void MainWindow::RestoreSlot()
{
    if (!ZoomMode)
        return;
    ZoomMode = false;
    PlotRecordChart();
    SetZoomIcons(false);
}
