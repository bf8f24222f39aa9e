// Zoom mode and the range limits that hold while the user drags or zooms.

#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/uartdatastore.h"

#include <QLocale>

#include <limits>

namespace {

bool IsTemperatureHumidityLogger(int model)
{
    return UartDataStore::Family(model) == 37 && model != 3701 && model != 3721 && model != 3707
           && model != 3709 && model != 3710;
}

// A key as a time for the caption. Keys are whole seconds since 1970 that fit
// 32 bits; a bound beyond them (far zoom-out) reads as the nearest end. ASCII
// digits, like the sample times of the caption before any zoom.
QString CaptionTime(double key, const QString &format)
{
    const double seconds = qBound(0.0, key, double(std::numeric_limits<quint32>::max()));
    return QLocale::c().toString(QDateTime::fromSecsSinceEpoch(qint64(seconds)), format);
}

} // namespace

// A window dragged wholly past either end of the record snaps back to the
// whole record in one step. The range change of that step comes back here,
// lies within the record and so only relabels. The whole record spans its
// earliest to its latest key, which need not be its first and last sample.
void MainWindow::setxAxisRange(QCPRange newRange)
{
    QCPAxis *x = CustomPlot->xAxis;
    const QCPRange whole = RecordTimeRange;
    if (whole.size() > 0 && (newRange.lower > whole.upper || newRange.upper < whole.lower))
        x->setRange(whole);
    const QString format = UartData.DateTimeFormat;
    const QCPRange shown = x->range();
    x->setLabel(tr("From: ") + CaptionTime(shown.lower, format) + tr(" To: ")
                + CaptionTime(shown.upper, format));
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
