#include "view/recordstatistics.h"

#include <functional>

#include "app/uartdatastore.h"

namespace {

using Present = std::function<bool(int)>;

// Where one channel's results go.
struct StatTarget {
    ValuePair *extremes;
    IntPair *indexes;
    double *average;
};

// Scans values[0..count-1]. Samples for which `present` is false take no part
// in the extremes or the average. Sample 0 seeds the pair whatever it holds;
// when it is not present, the first present sample seeds it again, so that a
// missing value never stands as an extreme next to real ones. An average with
// nothing to average is 0.
void ScanChannel(const double *values, int count, const Present &present, StatTarget target)
{
    if (count <= 0) {
        *target.average = 0.0;
        return;
    }
    ValuePair pair{values[0], values[0]};
    IntPair index{0, 0};
    bool seeded = present(0);
    double sum = 0.0;
    int counted = 0;
    for (int i = 0; i < count; ++i) {
        if (!present(i))
            continue;
        const double v = values[i];
        sum += v;
        ++counted;
        if (!seeded) {
            pair = {v, v};
            index = {i, i};
            seeded = true;
            continue;
        }
        if (v > pair.Max) {
            pair.Max = v;
            index.Max = i;
        }
        if (v < pair.Min) {
            pair.Min = v;
            index.Min = i;
        }
    }
    *target.extremes = pair;
    *target.indexes = index;
    *target.average = counted > 0 ? sum / counted : 0.0;
}

bool Always(int)
{
    return true;
}

// Thermocouple: a shown value of exactly 0.0, or a recorded -500.0, is no
// reading. The pair starts at (-500.0, 1000.0) and keeps it, with the indexes
// as they were, when no sample holds a reading; readers take a maximum of
// -500.0 as the absence of thermocouple data.
void ScanThermocouple(UartDataStore &s)
{
    const int n = s.Lognum;
    ValuePair pair{UartDataStore::MissingValue, 1000.0};
    IntPair index = s.ExtremeIndex.Thermocouple;
    double sum = 0.0;
    int counted = 0;
    for (int i = 0; i < n; ++i) {
        const double v = s.ThermocoupleValue[i];
        if (v == 0.0 || s.ThermocoupleRaw[i] == UartDataStore::MissingValue)
            continue;
        if (counted == 0 || v > pair.Max) {
            pair.Max = v;
            index.Max = i;
        }
        if (counted == 0 || v < pair.Min) {
            pair.Min = v;
            index.Min = i;
        }
        sum += v;
        ++counted;
    }
    s.ShownExtremes.Thermocouple = pair;
    s.ExtremeIndex.Thermocouple = index;
    s.Averages.Thermocouple = counted > 0 ? sum / counted : 0.0;
}

// Integer channel: plain rule; the average is the integer sum divided by the
// sample count, truncated toward zero.
void ScanIntChannel(UartDataStore &s)
{
    const int n = s.Lognum;
    if (n <= 0) {
        s.Averages.IntChannel = 0;
        return;
    }
    IntPair pair{s.IntChannel[0], s.IntChannel[0]};
    IntPair index{0, 0};
    qint64 sum = 0;
    for (int i = 0; i < n; ++i) {
        const int v = s.IntChannel[i];
        sum += v;
        if (v > pair.Max) {
            pair.Max = v;
            index.Max = i;
        }
        if (v < pair.Min) {
            pair.Min = v;
            index.Min = i;
        }
    }
    s.ShownExtremes.IntChannel = pair;
    s.ExtremeIndex.IntChannel = index;
    s.Averages.IntChannel = static_cast<int>(sum / n);
}

void ScanPlain(const double *values, int count, StatTarget target)
{
    ScanChannel(values, count, Always, target);
}

} // namespace

void ComputeDecibelStatistics(UartDataStore &s)
{
    ScanPlain(s.DecibelValue, s.Lognum,
              {&s.ShownExtremes.Decibel, &s.ExtremeIndex.Decibel, &s.Averages.Decibel});
    CopyExtremes(s);
}

void ComputeLoggerStatistics(UartDataStore &s)
{
    const Present temperaturePresent = [&s](int i) {
        return s.TempRaw[i] != UartDataStore::MissingValue;
    };
    const int n = s.Lognum;
    ScanChannel(s.TempValue, n, temperaturePresent,
                {&s.ShownExtremes.Temperature, &s.ExtremeIndex.Temperature, &s.Averages.Temperature});
    ScanPlain(s.Humidity, n,
              {&s.ShownExtremes.Humidity, &s.ExtremeIndex.Humidity, &s.Averages.Humidity});
    // Dew point and wet bulb have no value where the temperature has none.
    ScanChannel(s.DewPointValue, n, temperaturePresent,
                {&s.ShownExtremes.DewPoint, &s.ExtremeIndex.DewPoint, &s.Averages.DewPoint});
    ScanChannel(s.WetBulbValue, n, temperaturePresent,
                {&s.ShownExtremes.WetBulb, &s.ExtremeIndex.WetBulb, &s.Averages.WetBulb});
    ScanThermocouple(s);
    ScanIntChannel(s);
    CopyExtremes(s);
}

void ComputeLightStatistics(UartDataStore &s)
{
    ScanPlain(s.LightValue, s.Lognum,
              {&s.ShownExtremes.Light, &s.ExtremeIndex.Light, &s.Averages.Light});
    CopyExtremes(s);
}

void ComputeCurrentStatistics(UartDataStore &s)
{
    ScanPlain(s.Current, s.Lognum,
              {&s.ShownExtremes.Current, &s.ExtremeIndex.Current, &s.Averages.Current});
    CopyExtremes(s);
}

void ComputeVoltageStatistics(UartDataStore &s)
{
    ScanPlain(s.Voltage, s.Lognum,
              {&s.ShownExtremes.Voltage, &s.ExtremeIndex.Voltage, &s.Averages.Voltage});
    CopyExtremes(s);
}

void ComputeProbeStatistics(UartDataStore &s)
{
    // An absent probe's pair holds the "no value" mark in the shown unit, the
    // absence its readers look for.
    const double absent = s.AltUnit ? UartDataStore::MissingValue * 1.8 + 32.0
                                    : UartDataStore::MissingValue;
    for (int k = 0; k < UartDataStore::ProbeCount; ++k) {
        const double *raw = s.ProbeRaw[k];
        const Present probePresent = [raw](int i) { return raw[i] != UartDataStore::MissingValue; };
        bool enabled = false;
        for (int i = 0; i < s.Lognum && !enabled; ++i)
            enabled = probePresent(i);
        s.ProbeEnabled[k] = enabled;
        if (!enabled) {
            s.ProbeExtremes[k] = ValuePair{absent, absent};
            s.ProbeExtremeIndex[k] = IntPair();
            s.ProbeAverages[k] = 0.0;
            continue;
        }
        ScanChannel(s.ProbeValue[k], s.Lognum, probePresent,
                    {&s.ProbeExtremes[k], &s.ProbeExtremeIndex[k], &s.ProbeAverages[k]});
    }
    CopyExtremes(s);
}

void CopyExtremes(UartDataStore &s)
{
    const ExtremeSet &e = s.ShownExtremes;
    s.ExtremesCopy.Temperature = e.Temperature;
    s.ExtremesCopy.Humidity = e.Humidity;
    s.ExtremesCopy.DewPoint = e.DewPoint;
    s.ExtremesCopy.WetBulb = e.WetBulb;
    s.ExtremesCopy.Thermocouple = e.Thermocouple;
    s.ExtremesCopy.Decibel = e.Decibel;
    s.ExtremesCopy.IntChannel = e.IntChannel;
}
