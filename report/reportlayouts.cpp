#include "report/reportlayouts.h"

#include <algorithm>

#include "app/modelfamily.h"
#include "app/uartdatastore.h"
#include "report/reportcaptions.h"
#include "report/reporttext.h"

namespace {

const char *const AlarmCloser = " </b></td><td><font size=3 face=Arial>";
const int SkeletonWidths[6] = {80, 100, 135, 100, 135, 62};
const int TempHumWidths[6] = {105, 95, 130, 95, 130, 57};

using namespace ReportCaption;

// One row per ReportKind, in its order.
//  head   title             size  screen alarm closer  stats    statistics      breaks font   list    one per
//  block                          only                 screen   widths                 cells  widths  row      list
const ReportForm Forms[] = {
    {false, SummaryReport,    6,  false, nullptr,     false, SkeletonWidths, 3, true,  true,  false, true},
    {true,  SummaryReport,    10, false, AlarmCloser, true,  SkeletonWidths, 3, false, false, false, true},
    {false, SummaryReport,    10, false, AlarmCloser, false, SkeletonWidths, 3, true,  true,  false, true},
    {false, SummaryReport,    10, false, AlarmCloser, false, SkeletonWidths, 3, true,  true,  false, true},
    {false, SummaryReport,    6,  false, AlarmCloser, false, SkeletonWidths, 3, true,  true,  false, true},
    {false, SummaryReport,    10, false, AlarmCloser, false, TempHumWidths,  0, true,  true,  true,  true},
    {false, SummaryReport,    10, true,  AlarmCloser, false, SkeletonWidths, 0, true,  true,  false, true},
    {true,  SummaryReport,    6,  true,  AlarmCloser, false, SkeletonWidths, 0, true,  true,  false, true},
    {true,  LightMeterReport, 6,  false, nullptr,     false, SkeletonWidths, 3, true,  true,  false, false},
};

struct Statistic {
    ValuePair Extremes;
    IntPair Index;
    double Average;
};

struct RowFormat {
    NumberFormat Extremes;
    NumberFormat Average;
};

QStringList StatisticsRow(const QString &label, const Statistic &stat, RowFormat format,
                          const SampleTimeWriter &times, const QString &pad = QString())
{
    return {label,
            NumberText(stat.Extremes.Max, format.Extremes),
            pad + times.Text(stat.Index.Max) + pad,
            NumberText(stat.Extremes.Min, format.Extremes),
            pad + times.Text(stat.Index.Min) + pad,
            NumberText(stat.Average, format.Average)};
}

ReportAlarm Alarm(const char *label, double limit, NumberFormat format, const QString &unit)
{
    return {MainTr(label), NumberText(limit, format) + unit};
}

// The record texts every report prints. Meter name, device ID and creation
// time come from the record file and are escaped; the rest is ours.
ReportContent CommonContent()
{
    const UartDataStore &s = UartData;
    ReportContent c;
    c.CreateTime = CreateTimeText().toHtmlEscaped();
    c.MeterName = s.RECFileName.toHtmlEscaped();
    c.DeviceID = s.RECDeviceID.toHtmlEscaped();
    c.SamplingRate = SamplingRateText();
    c.Count = std::clamp(s.Lognum, 0, UartDataStore::MaxSamples);
    return c;
}

QVector<ReportAlarm> TemperatureAlarms(const QString &unit)
{
    const AlarmPair limits = UartData.ShownTemperatureAlarm();
    return {Alarm(LowTemperatureAlarm, limits.Low, G6, unit),
            Alarm(HighTemperatureAlarm, limits.High, G6, unit)};
}

QVector<ReportAlarm> HumidityAlarms()
{
    const AlarmPair &limits = UartData.HumAlarm;
    const QString unit = QStringLiteral("(%RH)");
    return {Alarm(LowHumidityAlarm, limits.Low, G6, unit),
            Alarm(HighHumidityAlarm, limits.High, G6, unit)};
}

// --- the five single-channel reports ----------------------------------------

struct SingleChannel {
    const char *Name;
    const char *LowAlarm;
    const char *HighAlarm;
    QString Unit;
    AlarmPair Limits;
    NumberFormat AlarmFormat;
    QString HighAlarmUnit;
    Statistic Stat;
    RowFormat StatFormat;
    QString Padding;  // around the statistics label's unit and the times
    const double *Values;
    const double *Raw;
    NumberFormat ValueFormat;
};

SingleChannel DecibelChannel(const UartDataStore &s)
{
    const QString unit = QStringLiteral("(dB)");
    return {Caption::Decibel, LowDecibelAlarm, HighDecibelAlarm, unit, s.DecibelAlarm, F1,
            QStringLiteral("(dB\uFF09"),
            {s.ShownExtremes.Decibel, s.ExtremeIndex.Decibel, s.Averages.Decibel}, {F1, F1},
            QString(7, QLatin1Char(' ')), s.DecibelValue, nullptr, F1};
}

SingleChannel TemperatureChannel(const UartDataStore &s)
{
    const QString unit = s.TemperatureUnitHtml();
    return {Caption::Temperature, LowTemperatureAlarm, HighTemperatureAlarm, unit,
            s.ShownTemperatureAlarm(), G6, unit,
            {s.ShownExtremes.Temperature, s.ExtremeIndex.Temperature, s.Averages.Temperature},
            {G6, F2}, QString(), s.TempValue, s.TempRaw, F1};
}

SingleChannel CurrentChannel(const UartDataStore &s)
{
    const QString unit = QStringLiteral("(mA)");
    return {Caption::Current, LowCurrentAlarm, HighCurrentAlarm, unit, s.ShownAlarm.Current, G6,
            unit, {s.ShownExtremes.Current, s.ExtremeIndex.Current, s.Averages.Current},
            {F3, F3}, QString(), s.Current, nullptr, F3};
}

SingleChannel VoltageChannel(const UartDataStore &s)
{
    const QString unit = QStringLiteral("(mV)");
    return {Caption::Voltage, LowVoltageAlarm, HighVoltageAlarm, unit, s.ShownAlarm.Voltage, G6,
            unit, {s.ShownExtremes.Voltage, s.ExtremeIndex.Voltage, s.Averages.Voltage},
            {F3, F3}, QString(), s.Voltage, nullptr, F3};
}

SingleChannel LightChannel(const UartDataStore &s)
{
    const QString unit = s.LightUnitLabel();
    return {Caption::Light, LowLightAlarm, HighLightAlarm, unit, s.ShownAlarm.Light, F2, unit,
            {s.ShownExtremes.Light, s.ExtremeIndex.Light, s.Averages.Light}, {F2, F2},
            QString(), s.LightValue, nullptr, s.AltUnit ? F2 : F1};
}

ReportContent SingleChannelContent(const SingleChannel &ch, const SampleTimeWriter &times)
{
    ReportContent c = CommonContent();
    c.Alarms = {Alarm(ch.LowAlarm, ch.Limits.Low, ch.AlarmFormat, ch.Unit),
                Alarm(ch.HighAlarm, ch.Limits.High, ch.AlarmFormat, ch.HighAlarmUnit)};
    const QString label = MainTr(ch.Name) + ch.Padding + ch.Unit + ch.Padding;
    c.Statistics = {StatisticsRow(label, ch.Stat, ch.StatFormat, times, ch.Padding)};
    c.Columns = {{MainTr(ch.Name) + ch.Unit, ch.Values, ch.Raw, ch.ValueFormat}};
    c.ListPrintWidths = {67, 150, 90};
    return c;
}

// --- the multi-channel reports ------------------------------------------------

QStringList TemperatureRow(const UartDataStore &s, const QString &unit, const SampleTimeWriter &times)
{
    return StatisticsRow(MainTr(Caption::Temperature) + unit,
                         {s.ShownExtremes.Temperature, s.ExtremeIndex.Temperature,
                          s.Averages.Temperature},
                         {G6, F2}, times);
}

QStringList HumidityRow(const UartDataStore &s, const SampleTimeWriter &times)
{
    return StatisticsRow(MainTr(Caption::Humidity) + QStringLiteral("(RH)"),
                         {s.ShownExtremes.Humidity, s.ExtremeIndex.Humidity, s.Averages.Humidity},
                         {G6, F1}, times);
}

QStringList DewPointRow(const UartDataStore &s, const QString &unit, const SampleTimeWriter &times)
{
    return StatisticsRow(MainTr(Caption::DewPoint) + unit,
                         {s.ShownExtremes.DewPoint, s.ExtremeIndex.DewPoint, s.Averages.DewPoint},
                         {F2, F2}, times);
}

// What both humidity reports hold: the temperature and humidity alarm rows,
// statistics rows and list columns (written in `listFormat`), and the dew
// point's row and column (`dewPointFormat`) while it is shown.
ReportContent HumidityContent(const QString &unit, NumberFormat listFormat,
                              NumberFormat dewPointFormat, const SampleTimeWriter &times)
{
    const UartDataStore &s = UartData;
    ReportContent c = CommonContent();
    c.Alarms = TemperatureAlarms(unit) + HumidityAlarms();
    c.Statistics = {TemperatureRow(s, unit, times), HumidityRow(s, times)};
    c.Columns = {{MainTr(Caption::Temperature) + unit, s.TempValue, nullptr, listFormat},
                 {MainTr(Caption::Humidity) + QStringLiteral("(%RH)"), s.Humidity, nullptr,
                  listFormat}};
    if (s.ShowDewPoint) {
        c.Statistics << DewPointRow(s, unit, times);
        c.Columns << ReportColumn{MainTr(Caption::DewPoint) + unit, s.DewPointValue, nullptr,
                                  dewPointFormat};
    }
    return c;
}

ReportContent TempHumContent(const SampleTimeWriter &times)
{
    const bool dewPoint = UartData.ShowDewPoint;
    ReportContent c = HumidityContent(UartData.TemperatureUnitHtml(), F1, F1, times);
    c.ListPrintWidths = dewPoint ? QVector<int>{82, 170, 120, 120, 120}
                                 : QVector<int>{112, 200, 150, 150};
    c.PrintImageHeight = dewPoint ? 365 : 390;
    return c;
}

ReportContent ThermoHygroContent(const SampleTimeWriter &times)
{
    const UartDataStore &s = UartData;
    const QString unit = s.TemperatureUnitHtml();
    const bool thermocouple = ModelRecordsThermocouple(s.RECModel);
    ReportContent c = HumidityContent(unit, G6, F2, times);
    c.Statistics << StatisticsRow(
        MainTr(Caption::WetBulb) + unit,
        {s.ShownExtremes.WetBulb, s.ExtremeIndex.WetBulb, s.Averages.WetBulb}, {F2, F2}, times);
    c.Columns << ReportColumn{MainTr(Caption::WetBulb) + unit, s.WetBulbValue, nullptr, F2};
    if (thermocouple) {
        c.Statistics << StatisticsRow(MainTr(Caption::Thermocouple) + unit,
                                      {s.ShownExtremes.Thermocouple, s.ExtremeIndex.Thermocouple,
                                       s.Averages.Thermocouple},
                                      {F2, F2}, times);
        c.Columns << ReportColumn{MainTr(Caption::Thermocouple) + unit, s.ThermocoupleValue,
                                  s.ThermocoupleRaw, F2};
    }
    return c;
}

ReportContent FourProbeContent(const SampleTimeWriter &times)
{
    const UartDataStore &s = UartData;
    const QString unit = s.TemperatureUnitHtml();
    const QString dash = QStringLiteral("----");
    ReportContent c = CommonContent();
    c.Alarms = TemperatureAlarms(unit);
    for (int k = 0; k < UartDataStore::ProbeCount; ++k) {
        const QString label = MainTr(Caption::Probes[k]) + unit;
        if (s.ProbeEnabled[k])
            c.Statistics << StatisticsRow(
                label, {s.ProbeExtremes[k], s.ProbeExtremeIndex[k], s.ProbeAverages[k]}, {G6, F2},
                times);
        else
            c.Statistics << QStringList{label, dash, dash, dash, dash, dash};
        c.Columns << ReportColumn{label, s.ProbeValue[k], s.ProbeRaw[k], F1};
    }
    return c;
}

} // namespace

const ReportForm &ReportFormOf(ReportKind kind)
{
    return Forms[int(kind)];
}

ReportContent ReportContentOf(ReportKind kind, const SampleTimeWriter &times)
{
    const UartDataStore &s = UartData;
    switch (kind) {
    case ReportKind::Decibel: return SingleChannelContent(DecibelChannel(s), times);
    case ReportKind::Temperature: return SingleChannelContent(TemperatureChannel(s), times);
    case ReportKind::Current: return SingleChannelContent(CurrentChannel(s), times);
    case ReportKind::Voltage: return SingleChannelContent(VoltageChannel(s), times);
    case ReportKind::Light: return SingleChannelContent(LightChannel(s), times);
    case ReportKind::TempHum: return TempHumContent(times);
    case ReportKind::FourProbe: return FourProbeContent(times);
    case ReportKind::ThermoHygro: return ThermoHygroContent(times);
    case ReportKind::Generic: break;
    }
    return CommonContent();
}
