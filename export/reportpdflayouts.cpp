#include "export/reportpdflayouts.h"

#include <QCoreApplication>

#include "app/modelfamily.h"
#include "export/thread.h"

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("Thread", text);
}

const char *const NumberTitle = QT_TRANSLATE_NOOP("Thread", "No.");
const char *const TimeTitle = QT_TRANSLATE_NOOP("Thread", "Time");
const char *const TemperatureWord = QT_TRANSLATE_NOOP("Thread", "Temperature");
const char *const HumidityWord = QT_TRANSLATE_NOOP("Thread", "Humidity");
const char *const DewPointWord = QT_TRANSLATE_NOOP("Thread", "Dew Point");
const char *const WetBulbWord = QT_TRANSLATE_NOOP("Thread", "Wet Bulb");
const char *const ThermocoupleWord = QT_TRANSLATE_NOOP("Thread", "Thermocouple");
const char *const LightWord = QT_TRANSLATE_NOOP("Thread", "Light");
const char *const CurrentTitle = QT_TRANSLATE_NOOP("Thread", "Current(mA)");
const char *const VoltageTitle = QT_TRANSLATE_NOOP("Thread", "Voltage(mV)");
const char *const DecibelTitle = QT_TRANSLATE_NOOP("Thread", "Decibel(dB)");
const char *const HumidityTitle = QT_TRANSLATE_NOOP("Thread", "Humidity(%RH)");
const char *const ProbeWords[UartDataStore::ProbeCount]
    = {QT_TRANSLATE_NOOP("Thread", "T1"), QT_TRANSLATE_NOOP("Thread", "T2"),
       QT_TRANSLATE_NOOP("Thread", "T3"), QT_TRANSLATE_NOOP("Thread", "T4")};

// Sample texts of a temperature without a value.
const char *const NoValueShort = "---";
const char *const NoValue = "----";

QString TemperatureUnit()
{
    return UartData.TemperatureUnitLabel();
}
QString LightUnit()
{
    return UartData.LightUnitLabel();
}
QString HumidityUnit()
{
    return QStringLiteral("(%RH)");
}

bool DewPointShown()
{
    return UartData.ShowDewPoint;
}
bool ThermocoupleRecorded()
{
    return ModelRecordsThermocouple(UartData.RECModel);
}

template<ValuePair ExtremeSet::*Extremes, IntPair ExtremeIndexSet::*Indexes,
         double AverageSet::*Average>
QuantityStats ChannelStats()
{
    return {true, UartData.ShownExtremes.*Extremes, UartData.ExtremeIndex.*Indexes,
            UartData.Averages.*Average};
}

template<int Probe> QuantityStats ProbeStats()
{
    return {UartData.ProbeEnabled[Probe], UartData.ProbeExtremes[Probe],
            UartData.ProbeExtremeIndex[Probe], UartData.ProbeAverages[Probe]};
}

// clang-format off
#define CHANNEL(name) ChannelStats<&ExtremeSet::name, &ExtremeIndexSet::name, &AverageSet::name>

const SummaryRow CurrentRow{CurrentTitle, nullptr, G6, F3, CHANNEL(Current), nullptr};
const SummaryRow VoltageRow{VoltageTitle, nullptr, G6, F3, CHANNEL(Voltage), nullptr};
const SummaryRow DecibelRow{DecibelTitle, nullptr, F1, F1, CHANNEL(Decibel), nullptr};
const SummaryRow LightRow{LightWord, LightUnit, G6, F2, CHANNEL(Light), nullptr};
const SummaryRow TemperatureRow{TemperatureWord, TemperatureUnit, G6, F2, CHANNEL(Temperature),
                                nullptr};
const SummaryRow HumidityRow{HumidityWord, HumidityUnit, G6, F2, CHANNEL(Humidity), nullptr};
const SummaryRow DewPointRow{DewPointWord, TemperatureUnit, F2, F2, CHANNEL(DewPoint),
                             DewPointShown};
const SummaryRow WetBulbRow{WetBulbWord, TemperatureUnit, F2, F2, CHANNEL(WetBulb), nullptr};
const SummaryRow ThermocoupleRow{ThermocoupleWord, TemperatureUnit, F2, F2, CHANNEL(Thermocouple),
                                 ThermocoupleRecorded};

#undef CHANNEL
// clang-format on

QString SampleNumber(int sample)
{
    return QString::number(sample + 1);
}

// The temperature-only list marks a sample without a temperature; the
// multi-channel lists write the number held, as their screen reports do.
QString TemperatureSample(int sample)
{
    if (UartData.TempRaw[sample] == UartDataStore::MissingValue)
        return QString::fromLatin1(NoValueShort);
    return NumberText(UartData.TempValue[sample], F1);
}

// Two samples per row: number, time and one value, the right half 320
// pixels further on.
ListLayout TwoSampleList(const QString &title, std::function<QString(int)> value,
                         bool halfSecondTimes = false)
{
    return {10,
            2,
            {{0, 50, Tr(NumberTitle), SampleNumber},
             {50, 154, Tr(TimeTitle), SampleTimeColumn(halfSecondTimes)},
             {204, 116, title, std::move(value)}}};
}

ListLayout CurrentList(const Thread &)
{
    return TwoSampleList(Tr(CurrentTitle), [](int i) { return NumberText(UartData.Current[i], F3); });
}

ListLayout VoltageList(const Thread &)
{
    return TwoSampleList(Tr(VoltageTitle), [](int i) { return NumberText(UartData.Voltage[i], F3); });
}

ListLayout DecibelList(const Thread &)
{
    return TwoSampleList(Tr(DecibelTitle), [](int i) { return NumberText(UartData.DecibelValue[i], F1); });
}

ListLayout TemperatureList(const Thread &)
{
    return TwoSampleList(Tr(TemperatureWord) + TemperatureUnit(), TemperatureSample);
}

ListLayout LightList(const Thread &)
{
    return TwoSampleList(
        Tr(LightWord) + LightUnit(), [](int i) { return NumberText(UartData.LightValue[i], G6); },
        UartData.HalfSecondStamps);
}

ListLayout TempHumList(const Thread &)
{
    const QString unit = TemperatureUnit();
    auto temperature = [](int i) { return NumberText(UartData.TempValue[i], F1); };
    auto humidity = [](int i) { return NumberText(UartData.Humidity[i], F1); };
    if (!UartData.ShowDewPoint) {
        return {10,
                1,
                {{0, 115, Tr(NumberTitle), SampleNumber},
                 {115, 175, Tr(TimeTitle), SampleTimeColumn()},
                 {290, 175, Tr(TemperatureWord) + unit, temperature},
                 {465, 175, Tr(HumidityTitle), humidity}}};
    }
    return {10,
            1,
            {{0, 80, Tr(NumberTitle), SampleNumber},
             {80, 140, Tr(TimeTitle), SampleTimeColumn()},
             {220, 140, Tr(TemperatureWord) + unit, temperature},
             {360, 140, Tr(HumidityTitle), humidity},
             {500, 140, Tr(DewPointWord) + unit,
              [](int i) { return NumberText(UartData.DewPointValue[i], F2); }}}};
}

ListLayout FourProbeList(const Thread &)
{
    ListLayout list {10,
                     1,
                     {{0, 60, Tr(NumberTitle), SampleNumber},
                      {60, 140, Tr(TimeTitle), SampleTimeColumn()}}};
    for (int k = 0; k < UartDataStore::ProbeCount; ++k) {
        list.Columns.append({200 + 110 * k, 110, Tr(ProbeWords[k]) + TemperatureUnit(), [k](int i) {
                                 if (UartData.ProbeRaw[k][i] == UartDataStore::MissingValue)
                                     return QString::fromLatin1(NoValue);
                                 return NumberText(UartData.ProbeValue[k][i], F1);
                             }});
    }
    return list;
}

// The value columns share the 480 pixels from x 160.
ListLayout ThermoHygroList(const Thread &worker)
{
    ListLayout list {8,
                     1,
                     {{0, 40, Tr(NumberTitle), SampleNumber},
                      {40, 120, Tr(TimeTitle), SampleTimeColumn()}}};
    const int n = worker.ListHeadings.size();
    for (int k = 0; k < n; ++k) {
        const QVector<QString> *texts = &worker.ListColumns[k];
        list.Columns.append({160 + k * 480 / n, 480 / n, worker.ListHeadings[k],
                             [texts](int i) { return texts->value(i); }});
    }
    return list;
}

// In the order of ReportFamily: list painter, list columns, chart top, alarm
// rows, summary rows, list texts formatted ahead, half-second light times.
// clang-format off
const ReportLayout Layouts[] = {
    {&Thread::DrawCurrentDataList, CurrentList, 530, {AlarmKind::Current}, {CurrentRow},
     false, false},
    {&Thread::DrawTempHumDataList, TempHumList, 530, {AlarmKind::Temperature, AlarmKind::Humidity},
     {TemperatureRow, HumidityRow, DewPointRow}, false, false},
    {&Thread::DrawTemperatureDataList, TemperatureList, 530, {AlarmKind::Temperature},
     {TemperatureRow}, false, false},
    {&Thread::DrawFourProbeDataList, FourProbeList, 530, {AlarmKind::Temperature},
     {{ProbeWords[0], TemperatureUnit, G6, F2, ProbeStats<0>, nullptr},
      {ProbeWords[1], TemperatureUnit, G6, F2, ProbeStats<1>, nullptr},
      {ProbeWords[2], TemperatureUnit, G6, F2, ProbeStats<2>, nullptr},
      {ProbeWords[3], TemperatureUnit, G6, F2, ProbeStats<3>, nullptr}},
     false, false},
    {&Thread::DrawVoltageDataList, VoltageList, 530, {AlarmKind::Voltage}, {VoltageRow},
     false, false},
    {&Thread::DrawThermoHygroDataList, ThermoHygroList, 550,
     {AlarmKind::Temperature, AlarmKind::Humidity},
     {TemperatureRow, HumidityRow, DewPointRow, WetBulbRow, ThermocoupleRow}, true, false},
    {&Thread::DrawLightDataList, LightList, 530, {AlarmKind::Light}, {LightRow}, false, true},
    {&Thread::DrawDecibelDataList, DecibelList, 530, {AlarmKind::Decibel}, {DecibelRow},
     false, false},
};
// clang-format on

} // namespace

const ReportLayout &ReportLayoutOf(ReportFamily family)
{
    return Layouts[int(family)];
}

std::optional<ReportFamily> ReportFamilyFor(int model)
{
    const int family = UartDataStore::Family(model);
    if (family == 62)
        return ReportFamily::Decibel;
    if (model == 3701 || model == 3721 || model == 3707 || model == 4421)
        return ReportFamily::Temperature;
    if (model == 3709)
        return ReportFamily::Current;
    if (model == 3710)
        return ReportFamily::Voltage;
    if (family == 37)
        return ReportFamily::TempHum;
    if (family == 53)
        return ReportFamily::Light;
    if (model == 4405 || model == 4425)
        return ReportFamily::FourProbe;
    if (family == 44)
        return ReportFamily::ThermoHygro;
    return std::nullopt;
}

AlarmRows AlarmRowsOf(AlarmKind kind)
{
    const ShownAlarmSet &shown = UartData.ShownAlarm;
    switch (kind) {
    case AlarmKind::Current:
        return {Tr(QT_TRANSLATE_NOOP("Thread", "Low Alarm(Current):")),
                Tr(QT_TRANSLATE_NOOP("Thread", "High Alarm(Current):")), shown.Current,
                QStringLiteral("(mA)")};
    case AlarmKind::Voltage:
        return {Tr(QT_TRANSLATE_NOOP("Thread", "Low Alarm(Voltage):")),
                Tr(QT_TRANSLATE_NOOP("Thread", "High Alarm(Voltage):")), shown.Voltage,
                QStringLiteral("(mV)")};
    case AlarmKind::Decibel:
        return {Tr(QT_TRANSLATE_NOOP("Thread", "Low Alarm(Decibel):")),
                Tr(QT_TRANSLATE_NOOP("Thread", "High Alarm(Decibel):")), UartData.DecibelAlarm,
                QStringLiteral("(dB)")};
    case AlarmKind::Temperature:
        return {Tr(QT_TRANSLATE_NOOP("Thread", "Low Alarm(Temperature):")),
                Tr(QT_TRANSLATE_NOOP("Thread", "High Alarm(Temperature):")),
                UartData.ShownTemperatureAlarm(),
                TemperatureUnit()};
    case AlarmKind::Humidity:
        return {Tr(QT_TRANSLATE_NOOP("Thread", "Low Alarm(Humidity):")),
                Tr(QT_TRANSLATE_NOOP("Thread", "High Alarm(Humidity):")), UartData.HumAlarm,
                HumidityUnit()};
    case AlarmKind::Light:
        return {Tr(QT_TRANSLATE_NOOP("Thread", "Low Alarm(Light):")),
                Tr(QT_TRANSLATE_NOOP("Thread", "High Alarm(Light):")), shown.Light, LightUnit()};
    }
    return {};
}

QString SampleTimeText(int sample, bool halfSecond)
{
    return SampleTimeWriter::ForRecord(UartData, halfSecond).Text(sample);
}

std::function<QString(int sample)> SampleTimeColumn(bool halfSecond)
{
    const SampleTimeWriter times = SampleTimeWriter::ForRecord(UartData, halfSecond);
    return [times](int sample) { return times.Text(sample); };
}

void FormatThermoHygroColumns(QVector<QString> *headings, QVector<QString> (&columns)[5])
{
    headings->clear();
    for (QVector<QString> &column : columns)
        column.clear();
    const int n = UartData.Lognum;
    const QString unit = TemperatureUnit();
    auto add = [&](const QString &heading, const std::function<QString(int)> &text) {
        QVector<QString> &column = columns[headings->size()];
        headings->append(heading);
        column.reserve(n);
        for (int i = 0; i < n; ++i)
            column.append(text(i));
    };
    add(Tr(TemperatureWord) + unit, [](int i) { return NumberText(UartData.TempValue[i], G6); });
    add(Tr(HumidityWord) + HumidityUnit(), [](int i) { return NumberText(UartData.Humidity[i], G6); });
    if (UartData.ShowDewPoint)
        add(Tr(DewPointWord) + unit,
            [](int i) { return NumberText(UartData.DewPointValue[i], F2); });
    add(Tr(WetBulbWord) + unit, [](int i) { return NumberText(UartData.WetBulbValue[i], F2); });
    if (ThermocoupleRecorded()) {
        add(Tr(ThermocoupleWord) + unit, [](int i) {
            if (UartData.ThermocoupleRaw[i] == UartDataStore::MissingValue)
                return QString::fromLatin1(NoValue);
            return NumberText(UartData.ThermocoupleValue[i], F2);
        });
    }
}
