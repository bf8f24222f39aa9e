#include "tools/samplerecord.h"

#include "app/modelfamily.h"
#include "app/recordimage.h"
#include "app/uartdatastore.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Missing = UartDataStore::MissingValue;

// xorshift32: small, fast and the same on every platform.
class Random
{
public:
    explicit Random(quint32 seed) : m_state(seed ? seed : 0x9E3779B9u) {}

    quint32 Next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    double Uniform() { return Next() / 2147483647.5 - 1.0; }   // -1..1

private:
    quint32 m_state;
};

// Random wander low-pass filtered into a smooth wobble of about -1..1.
class SmoothNoise
{
public:
    explicit SmoothNoise(quint32 seed) : m_random(seed) {}
    double Next()
    {
        m_value = 0.9 * m_value + 0.1 * 3.0 * m_random.Uniform();
        return m_value;
    }

private:
    Random m_random;
    double m_value = 0.0;
};

// Where the rare excursions past the alarm limits sit: one every `spacing`
// samples, alternately upwards and downwards.
struct Excursions {
    explicit Excursions(int count)
        : spacing(std::clamp(count / 4, 40, 5000)), width(std::max(1.5, spacing / 25.0))
    {
    }
    // -1..1: the excursion's share of sample i.
    double At(int i) const
    {
        const int k = i / spacing;
        const double distance = (i - (k * spacing + spacing / 2)) / width;
        const double sign = k % 2 == 0 ? 1.0 : -1.0;
        return sign * std::exp(-distance * distance);
    }
    bool IsPeak(int i) const { return i % spacing == spacing / 2; }
    int spacing;
    double width;
};

// Everything one channel's values depend on besides its range.
struct ChannelWave {
    double phase;
    SmoothNoise noise;
};

struct Generator {
    const SampleRecordOptions &options;
    int count;
    qint64 periodMsecs;
    double startHour;
    Excursions excursions;

    double HourOfDay(int i) const
    {
        return startHour + double(i) * periodMsecs / 3.6e6;
    }

    // A smooth value in -1..1: a daily wave following the clock, a slower
    // wave across the record (so short records move too) and noise.
    double Shape(ChannelWave &wave, int i) const
    {
        const double daily = std::sin(2.0 * Pi * (HourOfDay(i) - 9.0) / 24.0 + wave.phase);
        const double overRecord =
            std::sin(4.0 * Pi * i / std::max(count, 1) + 1.7 * wave.phase);
        return std::clamp(0.5 * daily + 0.3 * overRecord + 0.15 * wave.noise.Next(), -1.0, 1.0);
    }

    // Blends the wave into an excursion's peak, which it reaches exactly at
    // the excursion's centre sample.
    static double Blend(double wave, double excursion, double upper, double lower)
    {
        const double weight = std::abs(excursion);
        const double peak = excursion > 0 ? upper : lower;
        return wave * (1.0 - weight) + peak * weight;
    }

    // A value in [mid - half, mid + half] that reaches the upper and the
    // lower end at the excursions (the other way round when inverted).
    double Ranged(ChannelWave &wave, int i, double mid, double half, bool inverted = false) const
    {
        const double excursion = inverted ? -excursions.At(i) : excursions.At(i);
        return Blend(mid + 0.8 * half * Shape(wave, i), excursion, mid + half, mid - half);
    }

    // 15..30 deg C, plus excursions to 43 and 0.5 deg C that cross the
    // default alarm limits of 3 and 40 deg C.
    double Temperature(ChannelWave &wave, int i) const
    {
        return Blend(22.5 + 7.5 * Shape(wave, i), excursions.At(i), 43.0, 0.5);
    }
};

QString CreateTimeOf(const QDateTime &lastSample, qint64 periodMsecs)
{
    return lastSample.addMSecs(periodMsecs).toString(
        QString::fromLatin1(RecordImageFormat::CreateTimeFormat));
}

void FillHeader(UartDataStore &store, const SampleRecordOptions &options, int count)
{
    store.RECModel = options.model;
    store.RECFileName = QStringLiteral("Logger-%1").arg(options.model);
    store.RECMeterName = store.RECFileName;
    store.RECDeviceID = QStringLiteral("%1%2").arg(options.model).arg(options.seed % 1000000, 6,
                                                                       10, QLatin1Char('0'));
    store.SamplePeriod = options.periodSeconds;
    store.StartMode = 1;
    store.AltUnit = options.altUnit;
    store.Lognum = count;
}

void FillTimes(UartDataStore &store, const SampleRecordOptions &options, int count,
               qint64 periodMsecs)
{
    for (int i = 0; i < count; ++i)
        store.SampleTime[i] = options.start.addMSecs(i * periodMsecs);
    const QDateTime last =
        count > 0 ? store.SampleTime[count - 1] : options.start.addMSecs(-periodMsecs);
    store.RECCreateTime = CreateTimeOf(last, periodMsecs);
}

void SetAlarmLimits(UartDataStore &store)
{
    store.TempAlarm = {3.0, 40.0};
    store.HumAlarm = {10.5, 64.5};
    store.DecibelAlarm = {45.0, 85.0};
    store.LightAlarm = {100.0, 800.0};
    store.CurrentAlarm = {5.0, 18.0};
    store.VoltageAlarm = {500.0, 4500.0};
}

// Marks short runs of missing values, roughly every `every` samples, with
// each channel (by its index) starting at its own offset. Excursion peaks
// are kept, so the alarm crossings stay in the record.
void PunchMissingRuns(double *values, const Generator &generator, int channel, Random &random)
{
    const int every = generator.options.missingEvery;
    if (every <= 0)
        return;
    const int longest = std::max(1, std::min(4, every / 2));
    const int count = generator.count;
    for (int start = (every / 3 + channel * every / 7) % every; start < count; start += every) {
        const int end = std::min(count, start + 1 + int(random.Next() % quint32(longest)));
        for (int i = start; i < end; ++i) {
            if (!generator.excursions.IsPeak(i))
                values[i] = Missing;
        }
    }
}

bool CanMiss(RecordColumn column)
{
    return column == RecordColumn::Temperature || column == RecordColumn::Thermocouple
           || (column >= RecordColumn::Probe1 && column <= RecordColumn::Probe4);
}

double ColumnValue(const Generator &generator, RecordColumn column, ChannelWave &wave, int i)
{
    switch (column) {
    case RecordColumn::Temperature:
    case RecordColumn::Probe1:
    case RecordColumn::Probe2:
    case RecordColumn::Probe3:
    case RecordColumn::Probe4: return generator.Temperature(wave, i);
    case RecordColumn::Humidity: return generator.Ranged(wave, i, 57.5, 22.5, true);
    case RecordColumn::Thermocouple: return generator.Ranged(wave, i, 225.0, 175.0);
    case RecordColumn::Decibel: return generator.Ranged(wave, i, 67.5, 27.5);
    case RecordColumn::Light: return generator.Ranged(wave, i, 475.0, 425.0);
    case RecordColumn::Current: return generator.Ranged(wave, i, 12.0, 8.0);
    case RecordColumn::Voltage: return generator.Ranged(wave, i, 2500.0, 2500.0);
    case RecordColumn::IntChannel: return std::round(generator.Ranged(wave, i, 50.0, 50.0));
    }
    return 0.0;
}

// Values of two decimals, as the meters report them.
double Rounded(double value)
{
    return std::round(value * 100.0) / 100.0;
}

void FillColumn(UartDataStore &store, const Generator &generator, RecordColumn column,
                Random &random)
{
    const int index = int(column);
    ChannelWave wave{0.9 * index + (generator.options.seed % 628) / 100.0,
                     SmoothNoise(generator.options.seed * 2654435761u + quint32(index))};
    const int count = generator.count;
    if (column == RecordColumn::IntChannel) {
        for (int i = 0; i < count; ++i)
            store.IntChannel[i] = int(ColumnValue(generator, column, wave, i));
        return;
    }
    double *values = RecordImageFormat::StoreColumn(store, column);
    for (int i = 0; i < count; ++i)
        values[i] = Rounded(ColumnValue(generator, column, wave, i));
    if (CanMiss(column))
        PunchMissingRuns(values, generator, index, random);
}

// (max, min) of the values other than the missing mark; the missing mark
// twice when there is none.
ValuePair RecordedExtremes(const std::vector<const double *> &arrays, int count)
{
    ValuePair pair{Missing, Missing};
    bool found = false;
    for (const double *values : arrays) {
        for (int i = 0; i < count; ++i) {
            if (values[i] == Missing)
                continue;
            pair.Max = found ? std::max(pair.Max, values[i]) : values[i];
            pair.Min = found ? std::min(pair.Min, values[i]) : values[i];
            found = true;
        }
    }
    return pair;
}

std::vector<const double *> TemperatureArrays(UartDataStore &store, const ModelLayout &layout)
{
    std::vector<const double *> arrays;
    for (RecordColumn column : layout.columns) {
        if (column == RecordColumn::Temperature
            || (column >= RecordColumn::Probe1 && column <= RecordColumn::Probe4))
            arrays.push_back(RecordImageFormat::StoreColumn(store, column));
    }
    return arrays;
}

// The extremes of the layout's block in the recorded unit, as the meter
// reports them; every other pair is zero. (Current and voltage extremes are
// computed by the unit conversion.)
void FillExtremes(UartDataStore &store, const ModelLayout &layout, int count)
{
    store.ShownExtremes = ExtremeSet();
    ExtremeSet &x = store.ShownExtremes;
    for (BlockPair pair : layout.block) {
        if (pair == BlockPair::TemperatureExtremes)
            x.Temperature = RecordedExtremes(TemperatureArrays(store, layout), count);
        else if (pair == BlockPair::HumidityExtremes)
            x.Humidity = RecordedExtremes({store.Humidity}, count);
        else if (pair == BlockPair::DecibelExtremes)
            x.Decibel = RecordedExtremes({store.DecibelValue}, count);
        else if (pair == BlockPair::LightExtremes)
            x.Light = RecordedExtremes({store.LightRaw}, count);
    }
}

const ModelLayout &LayoutOrTempHum(int model)
{
    const ModelLayout *layout = LayoutForModel(model);
    return layout ? *layout : *LayoutForModel(3702);
}

} // namespace

qint64 SamplePeriodMsecs(int model, int period)
{
    if (period == UartDataStore::Period24Hours)
        return 86400000;
    if (UartDataStore::Family(model) == 53)
        return period == UartDataStore::LightPeriod12Hours ? 43200000 : qint64(period) * 500;
    return qint64(period) * 1000;
}

void FillSampleRecord(UartDataStore &store, const SampleRecordOptions &options)
{
    const int count = std::clamp(options.count, 0, UartDataStore::MaxSamples);
    const qint64 periodMsecs = SamplePeriodMsecs(options.model, options.periodSeconds);
    ResetRecord(store);
    FillHeader(store, options, count);
    FillTimes(store, options, count, periodMsecs);
    store.MarkHalfSecondStamps();
    SetAlarmLimits(store);

    const QTime startTime = options.start.time();
    Generator generator{options, count, periodMsecs, startTime.msecsSinceStartOfDay() / 3.6e6,
                        Excursions(count)};
    Random random(options.seed ^ 0x5bd1e995u);
    const ModelLayout &layout = LayoutOrTempHum(options.model);
    for (RecordColumn column : layout.columns)
        FillColumn(store, generator, column, random);
    FillExtremes(store, layout, count);

    store.ConvertRecordUnits();
    store.ShowStart = 0;
    store.ShowEnd = count;
}

void ResetRecord(UartDataStore &s)
{
    s.RECModel = 0;
    s.RECFileName.clear();
    s.RECDeviceID.clear();
    s.RECMeterName.clear();
    s.RECCreateTime.clear();
    s.RECFilePath.clear();
    s.RECTitle.clear();
    s.Lognum = s.ShowStart = s.ShowEnd = 0;
    s.RecordShown = false;
    s.SamplePeriod = 0;
    s.StartMode = 0;
    s.AltUnit = s.HalfSecondStamps = s.HasThermocouple = false;

    const int n = UartDataStore::MaxSamples;
    std::fill(s.SampleTime, s.SampleTime + n, QDateTime());
    for (double *array : {s.TempRaw, s.TempValue, s.Humidity, s.DewPointValue, s.WetBulbValue,
                          s.ThermocoupleRaw, s.ThermocoupleValue, s.DecibelValue, s.LightRaw,
                          s.LightValue, s.Current, s.Voltage})
        std::fill(array, array + n, 0.0);
    for (int probe = 0; probe < UartDataStore::ProbeCount; ++probe) {
        std::fill(s.ProbeRaw[probe], s.ProbeRaw[probe] + n, 0.0);
        std::fill(s.ProbeValue[probe], s.ProbeValue[probe] + n, 0.0);
    }
    std::fill(s.SampleTimeT, s.SampleTimeT + n, 0u);
    std::fill(s.IntChannel, s.IntChannel + n, 0);

    s.ResetStatistics();
    s.ReportHtml.clear();
    s.ReportPrintHtml.clear();
}
