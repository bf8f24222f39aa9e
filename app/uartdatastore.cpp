#include "app/uartdatastore.h"

#include <QDir>

#include <algorithm>

UartDataStore UartData;

UartDataStore::UartDataStore()
{
    ApplyDefaults();
}

QString UartDataStore::WorkingDirectory()
{
    return QDir::currentPath();
}

QString UartDataStore::ConfigFilePath()
{
    return WorkingDirectory() + QStringLiteral("/Ini/Config.ini");
}

QString UartDataStore::KnownLoggerFilePath()
{
    return WorkingDirectory() + QStringLiteral("/Ini/FileManager.ini");
}

QString UartDataStore::DefaultRecordFolder()
{
    return WorkingDirectory() + QStringLiteral("/Data/Recorded Data");
}

QString UartDataStore::TemperatureUnitLabel() const
{
    return AltUnit ? QStringLiteral("(℉)") : QStringLiteral("(℃)");
}

QString UartDataStore::TemperatureUnitHtml() const
{
    // Numeric character references without the closing ";", as the reports
    // have always carried them.
    return AltUnit ? QStringLiteral("(&#8457)") : QStringLiteral("(&#8451)");
}

QString UartDataStore::LightUnitLabel() const
{
    return AltUnit ? QStringLiteral("(FC)") : QStringLiteral("(Lux)");
}

namespace {

bool SameWholeSecond(const QDateTime &a, const QDateTime &b)
{
    // The wall-clock fields, which a time in a daylight-saving gap keeps too.
    return a.date() == b.date()
           && a.time().msecsSinceStartOfDay() / 1000 == b.time().msecsSinceStartOfDay() / 1000;
}

} // namespace

void UartDataStore::MarkHalfSecondStamps()
{
    const int count = std::clamp(Lognum, 0, MaxSamples);
    bool paired = RecordFamily() == 53 && SamplePeriod == 1 && count >= 2;
    for (int i = 1; paired && i < count; i += 2)
        paired = SameWholeSecond(SampleTime[i - 1], SampleTime[i]);
    HalfSecondStamps = paired;
}

void UartDataStore::ResetStatistics()
{
    const ValuePair noThermocouple{MissingValue, 1000.0};
    ShownExtremes = ExtremeSet();
    ShownExtremes.Thermocouple = noThermocouple;
    ExtremeIndex = ExtremeIndexSet();
    Averages = AverageSet();
    ExtremesCopy = ExtremeCopySet();
    ExtremesCopy.Thermocouple = noThermocouple;
    std::fill(std::begin(ProbeExtremes), std::end(ProbeExtremes), ValuePair());
    std::fill(std::begin(ProbeExtremeIndex), std::end(ProbeExtremeIndex), IntPair());
    std::fill(std::begin(ProbeAverages), std::end(ProbeAverages), 0.0);
    std::fill(std::begin(ProbeEnabled), std::end(ProbeEnabled), false);
    TempAlarm = DefaultTempAlarm;
    HumAlarm = DefaultHumAlarm;
    LightAlarm = DecibelAlarm = VoltageAlarm = CurrentAlarm = AlarmPair();
    ShownAlarm = ShownAlarmSet();
}
