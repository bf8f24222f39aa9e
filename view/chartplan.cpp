#include "view/chartplan.h"

#include <QLoggingCategory>
#include <limits>

#include "app/modelfamily.h"
#include "app/uartdatastore.h"
#include "view/chartadditions.h"
#include "view/captions.h"

Q_LOGGING_CATEGORY(lcChartPlan, "meterlog.chart")

namespace {

constexpr double NoClamp = std::numeric_limits<double>::quiet_NaN();

// What a one-channel chart puts into the common frame.
struct SingleChannel {
    const double *Values;
    ValuePair Extremes;
    AlarmPair Limits;   // in the shown unit, without the held offset
    double Margin;
    double UpperClamp;  // NaN: none
    double LowerClamp;  // NaN: none
    QString YLabel;
    const char *Name;
    const char *HighName;
    const char *LowName;
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

GraphSpec Alarm(const char *name, int color, ValueAxis axis, double value, bool high)
{
    GraphSpec g;
    g.Kind = GraphKind::Alarm;
    g.Name = MainTr(name);
    g.Color = color;
    g.Axis = axis;
    g.AlarmValue = value;
    g.HighAlarm = high;
    return g;
}

GraphSpec Series(GraphKind kind, const char *name, int color, ValueAxis axis,
                 const double *values, const double *raw = nullptr)
{
    GraphSpec g;
    g.Kind = kind;
    g.Name = MainTr(name);
    g.Color = color;
    g.Axis = axis;
    g.Values = values;
    g.Raw = raw;
    return g;
}

// A series whose samples without a recorded value are left out (NaN), so the
// line breaks there: no line crosses a gap, and a lone sample between two
// gaps draws nothing, as a run of one point would.
GraphSpec BrokenAtMissing(GraphKind kind, const char *name, int color, const double *values,
                          const double *raw)
{
    GraphSpec g = Series(kind, name, color, ValueAxis::Y1, values, raw);
    g.SubstituteMissing = true;
    g.Substitute = std::numeric_limits<double>::quiet_NaN();
    return g;
}

GraphSpec BrokenAtMissing(const char *name, int color, const double *values, const double *raw)
{
    return BrokenAtMissing(GraphKind::Curve, name, color, values, raw);
}

void AppendAlarmPair(ChartPlan &plan, const UartDataStore &s, const char *high, const char *low,
                     int color, ValueAxis axis, const AlarmPair &limits)
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

QString TemperatureLabel(const UartDataStore &s)
{
    return MainTr(Caption::Temperature) + s.TemperatureUnitLabel();
}

// Temperature on the first value axis and humidity on the second, for the
// family-37 and family-44 temperature and humidity charts.
ChartPlan TwoAxisPlan(const UartDataStore &s)
{
    ChartPlan plan;
    plan.TracerStyle = tsCrosshair_X;
    plan.Layout = AxisLayout::TwoAxes;
    const AlarmPair t = s.ShownTemperatureAlarm();
    // The lower bound follows the dew point, drawn or not.
    plan.YUpper = qMax(t.High, s.ShownExtremes.Temperature.Max) + 5.0;
    plan.YLower = qMin(t.Low, s.ShownExtremes.DewPoint.Min) - 5.0;
    plan.HasY2Range = true;
    plan.Y2Upper = qMin(qMax(s.HumAlarm.High, s.ShownExtremes.Humidity.Max) + 10.0, 100.0);
    plan.Y2Lower = qMax(qMin(s.HumAlarm.Low, s.ShownExtremes.Humidity.Min) - 10.0, 0.0);
    plan.YLabel = TemperatureLabel(s);
    plan.Y2Label = MainTr(Caption::HumidityAxis);
    plan.Graphs << BrokenAtMissing(Caption::Temperature, 0, s.TempValue, s.TempRaw)
                << Series(GraphKind::Curve, Caption::Humidity, 1, ValueAxis::Y2, s.Humidity);
    if (s.ShowDewPoint)
        plan.Graphs << BrokenAtMissing(Caption::DewPoint, 2, s.DewPointValue, s.TempRaw);
    return plan;
}

void AppendTemperatureHumidityAlarms(ChartPlan &plan, const UartDataStore &s)
{
    AppendAlarmPair(plan, s, Caption::HighTemperatureAlarm, Caption::LowTemperatureAlarm, 0,
                    ValueAxis::Y1, s.ShownTemperatureAlarm());
    AppendAlarmPair(plan, s, Caption::HighHumidityAlarm, Caption::LowHumidityAlarm, 1,
                    ValueAxis::Y2, s.HumAlarm);
}

} // namespace

ChartPlan DecibelChartPlan(const UartDataStore &s)
{
    return SingleChannelPlan(s, {s.DecibelValue, s.ShownExtremes.Decibel, s.ShownAlarm.Decibel,
                                 5.0, 130.0, 30.0, MainTr(Caption::DecibelAxis), Caption::Decibel,
                                 Caption::HighAlarm, Caption::LowAlarm});
}

ChartPlan LightChartPlan(const UartDataStore &s)
{
    qCDebug(lcChartPlan) << s.ShownExtremes.Light.Max << s.ShownExtremes.Light.Min;
    const QString label = MainTr(Caption::Light) + MainTr(s.AltUnit ? Caption::FootCandles
                                                                    : Caption::Lux);
    ChartPlan plan = SingleChannelPlan(s, {s.LightValue, s.ShownExtremes.Light, s.ShownAlarm.Light,
                                           50.0, NoClamp, 0.0, label, Caption::Light,
                                           Caption::HighAlarm, Caption::LowAlarm});
    plan.HalfSecondKeys = true;
    plan.Milliseconds = true;
    return plan;
}

ChartPlan CurrentChartPlan(const UartDataStore &s)
{
    return SingleChannelPlan(s, {s.Current, s.ShownExtremes.Current, s.ShownAlarm.Current, 0.2,
                                 NoClamp, NoClamp, MainTr(Caption::CurrentAxis), Caption::Current,
                                 Caption::HighAlarm, Caption::LowAlarm});
}

ChartPlan VoltageChartPlan(const UartDataStore &s)
{
    return SingleChannelPlan(s, {s.Voltage, s.ShownExtremes.Voltage, s.ShownAlarm.Voltage, 0.2,
                                 NoClamp, NoClamp, MainTr(Caption::VoltageAxis), Caption::Voltage,
                                 Caption::HighAlarm, Caption::LowAlarm});
}

ChartPlan TemperatureChartPlan(const UartDataStore &s)
{
    ChartPlan plan = SingleChannelPlan(
        s, {s.TempValue, s.ShownExtremes.Temperature, s.ShownTemperatureAlarm(), 5.0, NoClamp,
            NoClamp, TemperatureLabel(s), Caption::Temperature, Caption::HighTemperatureAlarm,
            Caption::LowTemperatureAlarm});
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
    plan.Graphs.insert(
        1, BrokenAtMissing(GraphKind::Runs, Caption::Temperature, 0, s.TempValue, s.TempRaw));
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
    plan.Graphs << BrokenAtMissing(Caption::WetBulb, 3, s.WetBulbValue, s.TempRaw);
    const bool thermocouple = ModelRecordsThermocouple(s.RECModel);
    // The thermocouple's readings lie within the value range too.
    const ValuePair &tc = s.ShownExtremes.Thermocouple;
    if (thermocouple && tc.Max != UartDataStore::MissingValue) {
        plan.YUpper = qMax(plan.YUpper, tc.Max + 5.0);
        plan.YLower = qMin(plan.YLower, tc.Min - 5.0);
    }
    if (thermocouple)
        plan.Graphs << Series(GraphKind::Carrier, Caption::Thermocouple, 4, ValueAxis::Y1,
                              s.ThermocoupleValue);
    AppendTemperatureHumidityAlarms(plan, s);
    if (thermocouple)
        plan.Graphs << BrokenAtMissing(GraphKind::Runs, Caption::Thermocouple, 4,
                                       s.ThermocoupleValue, s.ThermocoupleRaw);
    return plan;
}

namespace {

// The temperature span of the probes that are present; the record's
// temperature pair when none is.
ValuePair ProbeSpan(const UartDataStore &s)
{
    ValuePair span = s.ShownExtremes.Temperature;
    bool any = false;
    for (int k = 0; k < UartDataStore::ProbeCount; ++k) {
        if (!s.ProbeEnabled[k])
            continue;
        const ValuePair &p = s.ProbeExtremes[k];
        span = any ? ValuePair{qMax(span.Max, p.Max), qMin(span.Min, p.Min)} : p;
        any = true;
    }
    return span;
}

} // namespace

ChartPlan FourProbeChartPlan(const UartDataStore &s)
{
    ChartPlan plan;
    plan.TracerStyle = tsCrosshair_X;
    plan.Layout = AxisLayout::Probes;
    const AlarmPair limits = s.ShownTemperatureAlarm();
    ApplyRange(plan, ProbeSpan(s), limits, 5.0, NoClamp, NoClamp);
    plan.YLabel = TemperatureLabel(s);
    for (int k = 0; k < UartDataStore::ProbeCount; ++k)
        plan.Graphs << Series(GraphKind::Carrier, Caption::Probes[k], k, ValueAxis::Y1,
                              s.ProbeValue[k]);
    AppendAlarmPair(plan, s, Caption::HighTemperatureAlarm, Caption::LowTemperatureAlarm, 0,
                    ValueAxis::Y1, limits);
    for (int k = 0; k < UartDataStore::ProbeCount; ++k)
        plan.Graphs << BrokenAtMissing(GraphKind::Runs, Caption::Probes[k], k, s.ProbeValue[k],
                                       s.ProbeRaw[k]);
    return plan;
}
