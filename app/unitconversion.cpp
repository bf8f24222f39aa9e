// The data store's unit conversions: the shown-unit arrays, extremes and
// alarm limits of the record on show, taken from what was recorded.
//
// They work over samples 0..Lognum-1 only. The temperature and light pairs of
// ShownExtremes must hold the recorded unit (degrees Celsius, lux) when they
// run, as the record reader and the sample generator leave them; they are
// converted in place, so these run once per record that arrives.

#include "app/uartdatastore.h"

#include "app/derivedquantities.h"
#include "app/modelfamily.h"

#include <algorithm>

namespace {

int SampleCount(const UartDataStore &store)
{
    return std::clamp(store.Lognum, 0, UartDataStore::MaxSamples);
}

void ConvertTemperatureArray(const double *raw, double *shown, int count, bool fahrenheit)
{
    for (int i = 0; i < count; ++i)
        shown[i] = Quantities::TemperatureToShown(raw[i], fahrenheit);
}

void ComputeHumidityDerivedValues(UartDataStore &store, int count)
{
    const bool fahrenheit = store.AltUnit;
    for (int i = 0; i < count; ++i) {
        const double t = store.TempRaw[i];
        const double rh = store.Humidity[i];
        store.DewPointValue[i] =
            Quantities::TemperatureToShown(Quantities::DewPoint(t, rh), fahrenheit);
        store.WetBulbValue[i] =
            Quantities::TemperatureToShown(Quantities::WetBulb(t, rh), fahrenheit);
    }
}

void ClearHumidityDerivedValues(UartDataStore &store, int count)
{
    std::fill(store.DewPointValue, store.DewPointValue + count, 0.0);
    std::fill(store.WetBulbValue, store.WetBulbValue + count, 0.0);
}

bool AnyThermocoupleReading(const UartDataStore &store, int count)
{
    for (int i = 0; i < count; ++i) {
        const double value = store.ThermocoupleRaw[i];
        if (value != UartDataStore::MissingValue && value != 0.0)
            return true;
    }
    return false;
}

// The thermocouple arrays and HasThermocouple. The model test uses the
// record's own model code, not the connected meter's: a thermocouple record
// opened from a file while no meter (or another meter) is connected must keep
// its thermocouple data.
void ConvertThermocouple(UartDataStore &store, int count)
{
    const bool recordsThermocouple = ModelRecordsThermocouple(store.RECModel);
    store.HasThermocouple = AnyThermocoupleReading(store, count) && recordsThermocouple;
    if (recordsThermocouple) {
        ConvertTemperatureArray(store.ThermocoupleRaw, store.ThermocoupleValue, count,
                                store.AltUnit);
        return;
    }
    // A shown value of 0.0 reads as "no reading" to the statistics.
    std::fill(store.ThermocoupleRaw, store.ThermocoupleRaw + count, 0.0);
    std::fill(store.ThermocoupleValue, store.ThermocoupleValue + count, 0.0);
}

ValuePair ConvertPair(ValuePair pair, double (*convert)(double, bool), bool alternate)
{
    return {convert(pair.Max, alternate), convert(pair.Min, alternate)};
}

} // namespace

void UartDataStore::ConvertRecordUnits()
{
    ConvertTemperatureUnit();
    ConvertLightUnit();
    ComputeVoltageCurrentExtremes();
    ShownAlarm.Decibel = DecibelAlarm;
}

void UartDataStore::ConvertTemperatureUnit()
{
    const int count = SampleCount(*this);
    ConvertTemperatureArray(TempRaw, TempValue, count, AltUnit);
    for (int probe = 0; probe < ProbeCount; ++probe)
        ConvertTemperatureArray(ProbeRaw[probe], ProbeValue[probe], count, AltUnit);
    if (ModelRecordsHumidity(RECModel))
        ComputeHumidityDerivedValues(*this, count);
    else
        ClearHumidityDerivedValues(*this, count);
    ConvertThermocouple(*this, count);

    ShownExtremes.Temperature =
        ConvertPair(ShownExtremes.Temperature, Quantities::TemperatureToShown, AltUnit);
    ShownAlarm.Temperature.Low =
        Quantities::TemperatureToShown(TempAlarm.Low, AltUnit) + ShownTemperatureAlarmOffset;
    ShownAlarm.Temperature.High =
        Quantities::TemperatureToShown(TempAlarm.High, AltUnit) + ShownTemperatureAlarmOffset;
}

void UartDataStore::ConvertLightUnit()
{
    const int count = SampleCount(*this);
    for (int i = 0; i < count; ++i)
        LightValue[i] = Quantities::LightToShown(LightRaw[i], AltUnit);
    ShownExtremes.Light = ConvertPair(ShownExtremes.Light, Quantities::LightToShown, AltUnit);
    ShownAlarm.Light.Low = Quantities::LightToShown(LightAlarm.Low, AltUnit);
    ShownAlarm.Light.High = Quantities::LightToShown(LightAlarm.High, AltUnit);
}

namespace {

ValuePair ArrayExtremes(const double *values, int count)
{
    if (count <= 0)
        return {};
    const auto [min, max] = std::minmax_element(values, values + count);
    return {*max, *min};
}

} // namespace

void UartDataStore::ComputeVoltageCurrentExtremes()
{
    const int count = SampleCount(*this);
    ShownExtremes.Voltage = ArrayExtremes(Voltage, count);
    ShownExtremes.Current = ArrayExtremes(Current, count);
    ShownAlarm.Voltage = VoltageAlarm;
    ShownAlarm.Current = CurrentAlarm;
}
