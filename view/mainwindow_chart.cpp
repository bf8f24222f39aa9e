// The chart tab: the choice of the chart for a record's model code and the
// one frame that draws every family's chart from its plan.

#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include <QLoggingCategory>

#include <algorithm>
#include <functional>

#include "app/modelfamily.h"
#include "app/textformat.h"
#include "app/uartdatastore.h"
#include "view/chartadditions.h"
#include "view/chartplan.h"
#include "view/mytracer.h"

Q_DECLARE_LOGGING_CATEGORY(lcChartPlan)

void MainWindow::PlotRecordChart()
{
    const int model = UartData.RECModel;
    switch (UartDataStore::Family(model)) {
    case 62: PlotDecibelChart(); return;
    case 53: PlotLightChart(); return;
    case 37: PlotLoggerChart(); return;
    default: break;
    }
    if (ModelRecordsProbes(model))
        PlotFourProbeChart();
    else if (model == 4421)
        PlotLoggerChart();
    else if (UartDataStore::Family(model) == 44)
        PlotThermoHygroChart();
    else
        ClearChart();  // no chart for this model
}

// The meter name with the device ID in parentheses, whatever the record file
// is called; the shorter variant drops 14 more characters of it, as many as
// the clock digits of the names the system gives its records.
QString MainWindow::ChartTitleText()
{
    const QString title
        = UartData.RECFileName + QLatin1Char('(') + UartData.RECDeviceID + QLatin1Char(')');
    return UartData.TitleTrim ? title : title.left(title.length() - 14);
}

// An empty chart: nothing of the record shown before stays in it, nor in the
// report's image of it.
void MainWindow::ClearChart()
{
    CustomPlot->clearPlottables();
    ChartTitle->setText(QString());
    CustomPlot->xAxis->setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
    ShowEmptyChart();
}

void MainWindow::PlotLoggerChart()
{
    switch (UartData.RECModel) {
    case 3701:
    case 3721:
    case 3707: PlotTemperatureChart(); break;
    case 3709: PlotCurrentChart(); break;
    case 3710: PlotVoltageChart(); break;
    default: PlotTempHumChart(); break;
    }
}

void MainWindow::PlotDecibelChart() { BuildChart(DecibelChartPlan(UartData)); }
void MainWindow::PlotLightChart() { BuildChart(LightChartPlan(UartData)); }
void MainWindow::PlotTemperatureChart() { BuildChart(TemperatureChartPlan(UartData)); }
void MainWindow::PlotCurrentChart() { BuildChart(CurrentChartPlan(UartData)); }
void MainWindow::PlotVoltageChart() { BuildChart(VoltageChartPlan(UartData)); }
void MainWindow::PlotTempHumChart() { BuildChart(TempHumChartPlan(UartData)); }
void MainWindow::PlotThermoHygroChart() { BuildChart(ThermoHygroChartPlan(UartData)); }
void MainWindow::PlotFourProbeChart() { BuildChart(FourProbeChartPlan(UartData)); }

void MainWindow::SetChartFonts()
{
    const QString arial = QStringLiteral("Arial");
    CustomPlot->setFont(QFont(arial));
    ChartTitle->setFont(QFont(arial, 17, QFont::Bold));
    CustomPlot->legend->setFont(QFont(arial, 12));
    for (int i = 0; i < CustomPlot->legend->itemCount(); ++i)
        CustomPlot->legend->item(i)->setFont(QFont(arial, 12));
    for (QCPAxis *axis : {CustomPlot->xAxis, CustomPlot->yAxis, CustomPlot->yAxis2}) {
        axis->setTickLabelFont(QFont(arial, 8));
        axis->setLabelFont(QFont(arial, 14, QFont::Bold));
    }
}

namespace {

QCPAxis *AxisOf(QCustomPlot *plot, ValueAxis axis)
{
    return axis == ValueAxis::Y2 ? plot->yAxis2 : plot->yAxis;
}

QPen CurvePen(const QColor &color)
{
    return QPen(color, 1, Qt::SolidLine);
}

QPen AlarmPen(const QColor &color, bool high)
{
    QPen pen;
    pen.setDashPattern(high ? QVector<qreal>{15, 6, 5, 6} : QVector<qreal>{15, 6});
    pen.setStyle(Qt::CustomDashLine);
    pen.setWidth(1);
    pen.setColor(color);
    return pen;
}

SmoothGraph *AddGraph(QCustomPlot *plot, const GraphSpec &spec, const QPen &pen)
{
    SmoothGraph *graph = AddSmoothGraph(plot->xAxis, AxisOf(plot, spec.Axis));
    graph->setPen(pen);
    return graph;
}

// Keys of the samples: their seconds since 1970; with half-second keys the
// second sample of a pair that shares a second sits half a second later.
QVector<double> SampleKeys(bool halfSecondKeys)
{
    const int n = UartData.Lognum;
    QVector<double> keys(n);
    for (int i = 0; i < n; ++i) {
        const quint32 t = UartData.SampleTime[i].toTime_t();
        UartData.SampleTimeT[i] = t;
        const bool secondOfPair = halfSecondKeys && (i % 2 == 1) && t == UartData.SampleTimeT[i - 1];
        keys[i] = double(t) + (secondOfPair ? 0.5 : 0.0);
    }
    return keys;
}

QVector<double> SeriesValues(const GraphSpec &spec, int count)
{
    QVector<double> values(count);
    for (int i = 0; i < count; ++i) {
        if (spec.Kind == GraphKind::Alarm)
            values[i] = spec.AlarmValue;
        else if (spec.SubstituteMissing && spec.Raw[i] == UartDataStore::MissingValue)
            values[i] = spec.Substitute;
        else
            values[i] = spec.Values[i];
    }
    return values;
}

// True when each key is greater than the one before: the keys are then in
// the order a graph keeps its points in. Keys that tie or fall back are left
// to the graph's own sort.
bool KeysRise(const QVector<double> &keys)
{
    return std::adjacent_find(keys.cbegin(), keys.cend(), std::greater_equal<double>())
           == keys.cend();
}

// Half the time axis around a record whose samples all share one instant.
constexpr double LoneInstantMargin = 30.0;
constexpr double LoneSampleDotSize = 7.0;

// The time axis range of the whole record: its earliest to its latest key.
// Stamps need not rise (a clock set back while logging), so the first and
// last samples need not be the ends.
QCPRange WholeRecordRange(const QVector<double> &keys)
{
    const auto [low, high] = std::minmax_element(keys.cbegin(), keys.cend());
    if (*high > *low)
        return QCPRange(*low, *high);
    return QCPRange(*low - LoneInstantMargin, *low + LoneInstantMargin);
}

} // namespace

void MainWindow::BuildChart(const ChartPlan &plan)
{
    QCustomPlot *plot = CustomPlot;
    // 1-2: read-out style and value ranges
    Tracer->setStyle(plan.TracerStyle);
    YRangeUpper = plan.YUpper;
    YRangeLower = plan.YLower;
    if (plan.HasY2Range) {
        Y2RangeUpper = plan.Y2Upper;
        Y2RangeLower = plan.Y2Lower;
    }
    // 3-4: fonts; the previous chart goes, a row above the axis rect for the title
    SetChartFonts();
    plot->clearPlottables();
    ResetSecondAxes();
    if (plot->plotLayout()->elementCount() == 1)
        plot->plotLayout()->insertRow(0);
    // 5-6: no record, no chart; the title
    if (UartData.RECFilePath.isEmpty())
        return;
    ChartTitle->setText(ChartTitleText());
    if (!plot->plotLayout()->hasElement(0, 0) || plot->plotLayout()->element(0, 0) != ChartTitle)
        plot->plotLayout()->addElement(0, 0, ChartTitle);
    const int count = UartData.Lognum;
    if (count == 0) {
        ShowEmptyChart();
        return;
    }
    // 7: the read-out follows the mouse
    connect(plot, &QCustomPlot::mouseMove, this, &MainWindow::showTracer, Qt::UniqueConnection);

    // 8: one pass over the samples for the keys, then each series. Every
    // graph shares these keys: where they rise, no graph needs to sort them.
    const QVector<double> keys = SampleKeys(plan.HalfSecondKeys);
    const bool keysRise = KeysRise(keys);

    // 9: legend, and the axes box early where the layout wants it
    plot->legend->setVisible(true);
    plot->legend->setBrush(QBrush(QColor(255, 255, 255, 0), Qt::SolidPattern));
    if (plan.Layout != AxisLayout::Single)
        plot->axisRect(0)->setupFullAxesBox(false);

    // 10: value axes
    plot->yAxis->setRange(YRangeLower, YRangeUpper);
    plot->yAxis->setTickLength(10, 0);
    switch (plan.Layout) {
    case AxisLayout::Single:
        plot->yAxis2->setLabel(QString());
        break;
    case AxisLayout::Temperature:
    case AxisLayout::Probes:
        plot->yAxis2->setVisible(false);
        plot->yAxis2->setTickLabels(false);
        break;
    case AxisLayout::TwoAxes:
        plot->yAxis2->setRange(Y2RangeLower, Y2RangeUpper);
        plot->yAxis2->setTickLength(10, 0);
        plot->yAxis2->setVisible(true);
        plot->yAxis2->setTickLabels(true);
        break;
    }

    // 11: time axis
    const QString format = UartData.DateTimeFormat;
    QSharedPointer<QCPAxisTickerDateTime> ticker(new QCPAxisTickerDateTime);
    ticker->setDateTimeFormat(format.mid(11, 8) + (plan.Milliseconds ? QStringLiteral(".zzz") : QString())
                              + QStringLiteral("\n") + format.left(10));
    ticker->setTickCount(5);
    plot->xAxis->setTicker(ticker);
    RecordTimeRange = WholeRecordRange(keys);
    plot->xAxis->setRange(RecordTimeRange);

    // 12: axis labels
    const SampleTimeWriter times = SampleTimeWriter::ForRecord(UartData);
    plot->xAxis->setLabel(tr("From: ") + times.Text(0) + tr(" To: ") + times.Text(count - 1));
    plot->yAxis->setLabel(plan.YLabel);
    if (plan.Layout != AxisLayout::Single)
        plot->yAxis2->setLabel(plan.Y2Label);

    // 13-14: the graphs in the plan's order
    for (const GraphSpec &spec : plan.Graphs) {
        const QColor color = UartData.ChannelColor[spec.Color];
        const QPen pen = spec.Kind == GraphKind::Alarm ? AlarmPen(color, spec.HighAlarm)
                                                       : CurvePen(color);
        SmoothGraph *graph = AddGraph(plot, spec, pen);
        graph->setData(keys, SeriesValues(spec, count), keysRise);
        graph->setName(spec.Name);
        if (spec.Kind == GraphKind::Carrier)
            graph->setVisible(false);
        if (spec.Kind == GraphKind::Runs)
            graph->removeFromLegend();
        // A line needs two points; a lone sample is drawn as a dot.
        if (count == 1 && spec.Kind != GraphKind::Alarm)
            graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, LoneSampleDotSize));
    }

    // 15: the full axes box, unless the second value axis has its own range;
    // the top axis spans the record either way
    if (plan.Layout != AxisLayout::TwoAxes)
        plot->axisRect(0)->setupFullAxesBox(false);
    else
        plot->xAxis2->setRange(plot->xAxis->range());

    // 16: mouse interactions in zoom mode
    plot->setInteractions(ZoomMode ? QCP::Interactions(QCP::iRangeDrag | QCP::iRangeZoom
                                                       | QCP::iSelectAxes)
                                   : QCP::Interactions());
    if (plan.Layout == AxisLayout::TwoAxes)
        plot->axisRect(0)->setRangeZoomAxes(
            QList<QCPAxis *>{plot->yAxis2, plot->xAxis2, plot->yAxis, plot->xAxis});

    // 17: range limits while the user drags or zooms
    connect(plot->xAxis, qOverload<const QCPRange &>(&QCPAxis::rangeChanged), this,
            &MainWindow::setxAxisRange, Qt::UniqueConnection);
    connect(plot->yAxis, qOverload<const QCPRange &>(&QCPAxis::rangeChanged), this,
            &MainWindow::setyAxisRange, Qt::UniqueConnection);
    if (plan.Layout == AxisLayout::TwoAxes)
        connect(plot->yAxis2, qOverload<const QCPRange &>(&QCPAxis::rangeChanged), this,
                &MainWindow::setyAxis2Range, Qt::UniqueConnection);

    // 18: the read-out comes back two clock ticks later
    Tracer->setVisible(false);
    TracerShowDelay = 2;
    plot->replot(QCustomPlot::rpRefreshHint);
}

// The top and right axes as a new chart has them: no range, tick length or
// label of the chart before stays on them, the mouse drags and zooms the
// bottom and left axes only, and only a chart whose right axis has a range of
// its own (humidity) holds it to that range.
void MainWindow::ResetSecondAxes()
{
    QCustomPlot *plot = CustomPlot;
    disconnect(plot->yAxis2, qOverload<const QCPRange &>(&QCPAxis::rangeChanged), this,
               &MainWindow::setyAxis2Range);
    plot->axisRect(0)->setRangeZoomAxes(plot->xAxis, plot->yAxis);
    plot->axisRect(0)->setRangeDragAxes(plot->xAxis, plot->yAxis);
    // The chart library's own defaults.
    for (QCPAxis *axis : {plot->xAxis2, plot->yAxis2}) {
        axis->setRange(0.0, 5.0);
        axis->setTickLength(5, 0);
        axis->setSubTickLength(2, 0);
        axis->setLabel(QString());
    }
}

// A record without samples: its title over an empty chart, with no axis,
// label, tick or legend left of the chart before.
void MainWindow::ShowEmptyChart()
{
    for (QCPAxis *axis : CustomPlot->axisRect()->axes()) {
        axis->setVisible(false);
        axis->setLabel(QString());
    }
    CustomPlot->legend->setVisible(false);
    RecordTimeRange = QCPRange(0.0, 0.0);
    Tracer->setVisible(false);
    TracerShowDelay = 0;
    CustomPlot->replot(QCustomPlot::rpRefreshHint);
}
