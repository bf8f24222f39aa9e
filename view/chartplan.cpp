#include "view/chartplan.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <limits>

#include "app/uartdatastore.h"
#include "view/chartadditions.h"

Q_LOGGING_CATEGORY(lcChartPlan, "meterlog.chart")

namespace {

constexpr double NoClamp = std::numeric_limits<double>::quiet_NaN();
// The temperature alarm pair is held with 50.0 added.
constexpr double HeldTemperatureOffset = 50.0;

QString Tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

// What a one-channel chart puts into the common frame.
struct SingleChannel {
    const double *Values;
    ValuePair Extremes;
    AlarmPair Limits;     // in the shown unit, without the held offset
    double Margin;
    double UpperClamp;    // NaN: none
    double LowerClamp;    // NaN: none
    QString YLabel;
    QString Name;
    QString HighName;
    QString LowName;
};

void ApplyRange(ChartPlan &plan, const ValuePair &extremes, const AlarmPair &limits, double margin,
                double upperClamp, double lowerClamp)
{
    plan.YUpper = qMax(extremes.Max, limits.High) + margin;
    plan.YLower = qMin(extremes.Min, limits.Low) - margin;
    if (!qIsNaN(upperClamp) && plan.YUpper > upperClamp)
        plan.YUpper = upperClamp;
    if (!qIsNaN(lowerClamp) && plan.YLower < lowerClamp)
        plan.YLower = lowerClamp;
}

GraphSpec Alarm(const QString &name, int color, ValueAxis axis, double value, bool high)
{
    GraphSpec g;
    g.Kind = GraphKind::Alarm;
    g.Name = name;
    g.Color = color;
    g.Axis = axis;
    g.AlarmValue = value;
    g.HighAlarm = high;
    return g;
}

GraphSpec Series(GraphKind kind, const QString &name, int color, ValueAxis axis,
                 const double *values, const double *raw = nullptr)
{
    GraphSpec g;
    g.Kind = kind;
    g.Name = name;
    g.Color = color;
    g.Axis = axis;
    g.Values = values;
    g.Raw = raw;
    return g;
}

void AppendAlarmPair(ChartPlan &plan, const UartDataStore &s, const QString &high,
                     const QString &low, int color, ValueAxis axis, const AlarmPair &limits)
{
    if (!s.Show_ALM)
        return;
    plan.Graphs << Alarm(high, color, axis, limits.High, true)
                << Alarm(low, color, axis, limits.Low, false);
}

ChartPlan SingleChannelPlan(const UartDataStore &s, const SingleChannel &c)
{
    ChartPlan plan;
    plan.TracerStyle = QCPItemTracer::tsCrosshair;
    ApplyRange(plan, c.Extremes, c.Limits, c.Margin, c.UpperClamp, c.LowerClamp);
    plan.YLabel = c.YLabel;
    plan.Graphs << Series(GraphKind::Curve, c.Name, 0, ValueAxis::Y1, c.Values);
    AppendAlarmPair(plan, s, c.HighName, c.LowName, 0, ValueAxis::Y1, c.Limits);
    return plan;
}

AlarmPair ShownTemperatureLimits(const UartDataStore &s)
{
    return {s.ShownAlarm.Temperature.Low - HeldTemperatureOffset,
            s.ShownAlarm.Temperature.High - HeldTemperatureOffset};
}

QString TemperatureLabel(const UartDataStore &s)
{
    return Tr("Temperature") + s.TemperatureUnitLabel();
}

// Temperature on the first value axis and humidity on the second, for the
// family-37 and family-44 temperature and humidity charts.
ChartPlan TwoAxisPlan(const UartDataStore &s)
{
    ChartPlan plan;
    plan.TracerStyle = tsCrosshair_X;
    plan.Layout = AxisLayout::TwoAxes;
    const AlarmPair t = ShownTemperatureLimits(s);
    // The lower bound follows the dew point, drawn or not.
    plan.YUpper = qMax(t.High, s.ShownExtremes.Temperature.Max) + 5.0;
    plan.YLower = qMin(t.Low, s.ShownExtremes.DewPoint.Min) - 5.0;
    plan.HasY2Range = true;
    plan.Y2Upper = qMin(qMax(s.HumAlarm.High, s.ShownExtremes.Humidity.Max) + 10.0, 100.0);
    plan.Y2Lower = qMax(qMin(s.HumAlarm.Low, s.ShownExtremes.Humidity.Min) - 10.0, 0.0);
    plan.YLabel = TemperatureLabel(s);
    plan.Y2Label = Tr("Humidity(%)");
    plan.Graphs << Series(GraphKind::Curve, Tr("Temperature"), 0, ValueAxis::Y1, s.TempValue)
                << Series(GraphKind::Curve, Tr("Humidity"), 1, ValueAxis::Y2, s.Humidity);
    if (s.ShowDewPoint)
        plan.Graphs << Series(GraphKind::Curve, Tr("Dew Point"), 2, ValueAxis::Y1, s.DewPointValue);
    return plan;
}

void AppendTemperatureHumidityAlarms(ChartPlan &plan, const UartDataStore &s)
{
    AppendAlarmPair(plan, s, Tr("High T ALM Line"), Tr("Low T ALM Line"), 0, ValueAxis::Y1,
                    ShownTemperatureLimits(s));
    AppendAlarmPair(plan, s, Tr("High H ALM Line"), Tr("Low H ALM Line"), 1, ValueAxis::Y2,
                    s.HumAlarm);
}

} // namespace

ChartPlan DecibelChartPlan(const UartDataStore &s)
{
    return SingleChannelPlan(s, {s.DecibelValue, s.ShownExtremes.Decibel, s.ShownAlarm.Decibel, 5.0,
                                 130.0, 30.0, Tr("Decibel(dB)"), Tr("Decibel"),
                                 Tr("High ALM Line"), Tr("Low ALM Line")});
}

ChartPlan LightChartPlan(const UartDataStore &s)
{
    qCDebug(lcChartPlan) << s.ShownExtremes.Light.Max << s.ShownExtremes.Light.Min;
    ChartPlan plan = SingleChannelPlan(
        s, {s.LightValue, s.ShownExtremes.Light, s.ShownAlarm.Light, 50.0, NoClamp, 0.0,
            Tr("Light") + (s.AltUnit ? Tr("(FC)") : Tr("(Lux)")), Tr("Light"), Tr("High ALM Line"),
            Tr("Low ALM Line")});
    plan.HalfSecondKeys = true;
    plan.Milliseconds = true;
    return plan;
}

ChartPlan CurrentChartPlan(const UartDataStore &s)
{
    return SingleChannelPlan(s, {s.Current, s.ShownExtremes.Current, s.ShownAlarm.Current, 0.2,
                                 NoClamp, NoClamp, Tr("Current(mA)"), Tr("Current"),
                                 Tr("High ALM Line"), Tr("Low ALM Line")});
}

ChartPlan VoltageChartPlan(const UartDataStore &s)
{
    return SingleChannelPlan(s, {s.Voltage, s.ShownExtremes.Voltage, s.ShownAlarm.Voltage, 0.2,
                                 NoClamp, NoClamp, Tr("Voltage(mV)"), Tr("Voltage"),
                                 Tr("High ALM Line"), Tr("Low ALM Line")});
}

ChartPlan TemperatureChartPlan(const UartDataStore &s)
{
    const AlarmPair limits = ShownTemperatureLimits(s);
    ChartPlan plan = SingleChannelPlan(
        s, {s.TempValue, s.ShownExtremes.Temperature, limits, 5.0, NoClamp, NoClamp,
            TemperatureLabel(s), Tr("Temperature"), Tr("High T ALM Line"), Tr("Low T ALM Line")});
    plan.TracerStyle = tsCrosshair_X;
    plan.Layout = AxisLayout::Temperature;
    // The curve breaks at every missing sample: an invisible graph of all
    // samples (missing ones in the middle of the range) carries the legend
    // entry, and the runs between missing samples come before the alarm lines.
    GraphSpec &carrier = plan.Graphs.first();
    carrier.Kind = GraphKind::Carrier;
    carrier.Raw = s.TempRaw;
    carrier.SubstituteMissing = true;
    carrier.Substitute = (plan.YUpper + plan.YLower) / 2;
    plan.Graphs.insert(1, Series(GraphKind::Runs, Tr("Temperature"), 0, ValueAxis::Y1, s.TempValue,
                                 s.TempRaw));
    return plan;
}

ChartPlan TempHumChartPlan(const UartDataStore &s)
{
    ChartPlan plan = TwoAxisPlan(s);
    AppendTemperatureHumidityAlarms(plan, s);
    return plan;
}

ChartPlan ThermoHygroChartPlan(const UartDataStore &s)
{
    ChartPlan plan = TwoAxisPlan(s);
    plan.Graphs << Series(GraphKind::Curve, Tr("Wet Bulb"), 3, ValueAxis::Y1, s.WetBulbValue);
    const bool thermocouple = s.RECModel == 4423 || s.RECModel == 4426 || s.RECModel == 4428;
    if (thermocouple)
        plan.Graphs << Series(GraphKind::Carrier, Tr("Thermocouple"), 4, ValueAxis::Y1,
                              s.ThermocoupleValue);
    AppendTemperatureHumidityAlarms(plan, s);
    if (thermocouple)
        plan.Graphs << Series(GraphKind::Runs, Tr("Thermocouple"), 4, ValueAxis::Y1,
                              s.ThermocoupleValue, s.ThermocoupleRaw);
    return plan;
}

ChartPlan FourProbeChartPlan(const UartDataStore &s)
{
    ChartPlan plan;
    plan.TracerStyle = tsCrosshair_X;
    plan.Layout = AxisLayout::Probes;
    const AlarmPair limits = ShownTemperatureLimits(s);
    ApplyRange(plan, s.ShownExtremes.Temperature, limits, 5.0, NoClamp, NoClamp);
    plan.YLabel = TemperatureLabel(s);
    const char *const names[UartDataStore::ProbeCount] = {"T1", "T2", "T3", "T4"};
    for (int k = 0; k < UartDataStore::ProbeCount; ++k)
        plan.Graphs << Series(GraphKind::Carrier, Tr(names[k]), k,
                              ValueAxis::Y1, s.ProbeValue[k]);
    AppendAlarmPair(plan, s, Tr("High T ALM Line"), Tr("Low T ALM Line"), 0, ValueAxis::Y1, limits);
    for (int k = 0; k < UartDataStore::ProbeCount; ++k)
        plan.Graphs << Series(GraphKind::Runs, Tr(names[k]), k, ValueAxis::Y1,
                              s.ProbeValue[k], s.ProbeRaw[k]);
    return plan;
}
