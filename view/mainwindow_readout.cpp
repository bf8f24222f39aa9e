// The chart's hover read-out: the values of the sample under the mouse.

#include "ui/mainwindow.h"

#include <algorithm>
#include "ui_mainwindow.h"

#include "app/modelfamily.h"
#include "app/textformat.h"
#include "app/uartdatastore.h"
#include "view/captions.h"
#include "view/mytracer.h"

namespace {

QString Fixed(double value, int decimals = 1)
{
    return QString::number(value, 'f', decimals);
}

// A temperature-type value with its unit, or `missing` when the recorded
// value says there is none.
QString TemperatureText(double shown, double raw, const QString &missing)
{
    if (raw == UartDataStore::MissingValue)
        return missing;
    return Fixed(shown) + UartData.TemperatureUnitLabel();
}

} // namespace

void MainWindow::showTracer(QMouseEvent *event)
{
    const double x = CustomPlot->xAxis->pixelToCoord(event->pos().x());
    if (x == LastTracerX || !UartData.Show_TIP || UartData.Lognum < 2)
        return;
    LastTracerX = x;
    ShowReadoutAt(x);
}

// As it comes back after a rebuild or a settings change: written again where
// the mouse last was, for the record and in the date format now in force,
// never with the text it had before. Before the mouse has been over the
// record's chart, it reads out the record's first sample.
void MainWindow::RedrawReadout()
{
    if (UartData.Show_TIP && UartData.Lognum >= 2 && CustomPlot->graphCount() > 0)
        ShowReadoutAt(qIsNaN(LastTracerX) ? RecordTimeRange.lower : LastTracerX);
}

void MainWindow::ShowReadoutAt(double x)
{
    const QCPRange visible = CustomPlot->xAxis->range();
    const bool flip = x > (visible.lower + visible.upper) * 0.5;
    const QCPGraph *curve = CustomPlot->graphCount() > 0 ? CustomPlot->graph(0) : nullptr;
    const int model = UartData.RECModel;
    const int family = UartDataStore::Family(model);
    // Light keys carry half seconds that the whole-second stamps do not: the
    // read-out snaps on the keys the curve was drawn with, so that it names
    // the sample under the cursor. Stamps need not rise, so the cursor is
    // held within the earliest and latest of them.
    const quint32 *times = UartData.SampleTimeT;
    const int count = UartData.Lognum;
    const auto [earliest, latest] = std::minmax_element(times, times + count);
    const double first = *earliest;
    const bool lastIsSecondOfPair
        = family == 53 && count % 2 == 0 && times[count - 1] == times[count - 2];
    const double last = *latest + (lastIsSecondOfPair ? 0.5 : 0.0);
    const double xc = qBound(first, qBound(visible.lower, x, visible.upper), last);
    const int i = family == 53 ? SnapLightIndex(times, count, xc)
                               : SnapSampleIndex(times, count, xc);
    const double y = GraphValueAt(curve, xc);
    const double ymid = CustomPlot->yAxis->range().center();

    QStringList lines;
    double tracerY = y;
    bool wide = false;
    const QString timeLine = tr("Time:") + SampleTimeWriter::ForShownRecord(UartData).Text(i);
    if (family == 62) {
        lines << tr("Decibel:") + Fixed(UartData.DecibelValue[i]) + QStringLiteral("(dB)");
    } else if (family == 53) {
        wide = true;
        lines << tr("Light:") + Fixed(UartData.LightValue[i]) + UartData.LightUnitLabel();
    } else if (ModelRecordsProbes(model)) {
        tracerY = ymid;
        for (int k = 0; k < UartDataStore::ProbeCount; ++k)
            lines << tr(Caption::ProbeReadouts[k])
                         + TemperatureText(UartData.ProbeValue[k][i], UartData.ProbeRaw[k][i],
                                           QStringLiteral("----"));
    } else if (model == 3709) {
        lines << tr("Current:") + Fixed(UartData.Current[i], 3) + QStringLiteral("(mA)");
    } else if (model == 3710) {
        lines << tr("Voltage:") + Fixed(UartData.Voltage[i], 3) + QStringLiteral("(mV)");
    } else if (family == 37 || family == 44) {
        const double raw = UartData.TempRaw[i];
        const QString none = QStringLiteral("---");
        lines << tr("Temperature:") + TemperatureText(UartData.TempValue[i], raw, none);
        if (family == 44 || !ModelRecordsTemperatureOnly(model)) {
            tracerY = ymid;
            lines << tr("Humidity:") + Fixed(UartData.Humidity[i]) + QStringLiteral("(%)");
            if (UartData.ShowDewPoint)
                lines << tr("Dew Temp:") + TemperatureText(UartData.DewPointValue[i], raw, none);
        }
        if (family == 44) {
            lines << tr("Wet Bulb:") + TemperatureText(UartData.WetBulbValue[i], raw, none);
            if (ModelRecordsThermocouple(model))
                lines << tr("TCTemp:")
                             + TemperatureText(UartData.ThermocoupleValue[i],
                                               UartData.ThermocoupleRaw[i], none);
        }
    } else {
        Tracer->setText(QString());
        CustomPlot->replot(QCustomPlot::rpRefreshHint);
        return;
    }
    lines << timeLine;
    Tracer->updatePosition(xc, tracerY, flip, wide);
    Tracer->setText(lines.join(QLatin1Char('\n')));
    CustomPlot->replot(QCustomPlot::rpRefreshHint);
}
