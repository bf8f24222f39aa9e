// Unit conversions of the data store and the derived quantities (dew point,
// wet bulb): reference values, the missing-value mark, alarm limits, the
// thermocouple rule and the voltage and current extremes.

#include "app/derivedquantities.h"
#include "app/uartdatastore.h"
#include "tools/samplerecord.h"

#include <QtTest>

#include <cmath>
#include <memory>

namespace {

constexpr double Missing = UartDataStore::MissingValue;

using Values = QVector<double>;

// A hand-made record: the given model, one sample per value.
void StartRecord(UartDataStore &store, int model, int count, bool altUnit)
{
    ResetRecord(store);
    store.RECModel = model;
    store.Lognum = count;
    store.AltUnit = altUnit;
}

void SetArray(double *array, const Values &values)
{
    std::copy(values.cbegin(), values.cend(), array);
}

double Shown(double celsius, bool fahrenheit)
{
    return fahrenheit ? celsius * 1.8 + 32.0 : celsius;
}

} // namespace

class TestUnits : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void referenceValues_data();
    void referenceValues();
    void dryAirAndMissingTemperature_data();
    void dryAirAndMissingTemperature();
    void temperatureConversion_data();
    void temperatureConversion();
    void derivedValuesOnlyForHumidityRecords_data();
    void derivedValuesOnlyForHumidityRecords();
    void thermocoupleRule_data();
    void thermocoupleRule();
    void lightConversion_data();
    void lightConversion();
    void voltageCurrentExtremes_data();
    void voltageCurrentExtremes();
    void recordUnitsRunsEveryConversion();

private:
    std::unique_ptr<UartDataStore> m_store;
};

void TestUnits::initTestCase()
{
    m_store = std::make_unique<UartDataStore>();
}

// Published values: Magnus/Sonntag dew points as tabled to 0.1 deg C; wet
// bulb from Stull (2011), whose own example is 13.7 deg C at 20 deg C / 50 %,
// and sea-level psychrometric charts (Stull's fit is within about 0.3 deg C
// there). Saturated air has dew point and wet bulb equal to the air.
void TestUnits::referenceValues_data()
{
    QTest::addColumn<double>("celsius");
    QTest::addColumn<double>("humidity");
    QTest::addColumn<double>("dewPoint");
    QTest::addColumn<double>("wetBulb");
    QTest::addColumn<double>("wetBulbTolerance");

    QTest::newRow("20 C, 50 % (Stull's example)") << 20.0 << 50.0 << 9.3 << 13.7 << 0.05;
    QTest::newRow("25 C, 60 %") << 25.0 << 60.0 << 16.7 << 19.5 << 0.3;
    QTest::newRow("30 C, 50 %") << 30.0 << 50.0 << 18.4 << 22.0 << 0.4;
    QTest::newRow("10 C, 80 %") << 10.0 << 80.0 << 6.7 << 7.9 << 0.3;
    QTest::newRow("saturated air") << 20.0 << 100.0 << 20.0 << 20.0 << 0.1;
    QTest::newRow("30 C, 80 %") << 30.0 << 80.0 << 26.2 << 27.2 << 0.3;
}

void TestUnits::referenceValues()
{
    QFETCH(double, celsius);
    QFETCH(double, humidity);
    QFETCH(double, dewPoint);
    QFETCH(double, wetBulb);
    QFETCH(double, wetBulbTolerance);

    const double dew = Quantities::DewPoint(celsius, humidity);
    const double wet = Quantities::WetBulb(celsius, humidity);
    QVERIFY2(std::abs(dew - dewPoint) <= 0.06, qPrintable(QString::number(dew)));
    QVERIFY2(std::abs(wet - wetBulb) <= wetBulbTolerance, qPrintable(QString::number(wet)));
}

void TestUnits::dryAirAndMissingTemperature_data()
{
    QTest::addColumn<double>("celsius");
    QTest::addColumn<double>("humidity");

    QTest::newRow("humidity 0 %") << 20.0 << 0.0;
    QTest::newRow("humidity below 0 %") << 20.0 << -3.0;
    QTest::newRow("missing temperature") << Missing << 50.0;
    QTest::newRow("missing temperature, dry air") << Missing << 0.0;
}

// Dry air stays finite and below the air temperature; a missing temperature
// gives a missing result.
void TestUnits::dryAirAndMissingTemperature()
{
    QFETCH(double, celsius);
    QFETCH(double, humidity);

    const double dew = Quantities::DewPoint(celsius, humidity);
    const double wet = Quantities::WetBulb(celsius, humidity);
    if (celsius == Missing) {
        QCOMPARE(dew, Missing);
        QCOMPARE(wet, Missing);
        return;
    }
    QVERIFY(std::isfinite(dew) && std::isfinite(wet));
    QVERIFY(dew < wet && wet < celsius);
    QVERIFY(dew > -100.0);
}

void TestUnits::temperatureConversion_data()
{
    QTest::addColumn<bool>("fahrenheit");
    QTest::newRow("Celsius") << false;
    QTest::newRow("Fahrenheit") << true;
}

// Recorded values, the missing mark, extremes and alarm limits (held with
// 50 added) in the shown unit.
void TestUnits::temperatureConversion()
{
    QFETCH(bool, fahrenheit);
    UartDataStore &s = *m_store;
    StartRecord(s, 4401, 4, fahrenheit);
    SetArray(s.TempRaw, {20.0, Missing, -40.0, 100.0});
    SetArray(s.Humidity, {50.0, 50.0, 10.0, 90.0});
    SetArray(s.ProbeRaw[2], {Missing, 0.0, 37.5, -17.5});
    s.TempRaw[4] = 55.0;   // beyond Lognum: never converted
    s.ShownExtremes.Temperature = {100.0, Missing};
    s.TempAlarm = {-5.0, 40.0};

    s.ConvertTemperatureUnit();

    const Values expected = fahrenheit ? Values{68.0, -868.0, -40.0, 212.0}
                                       : Values{20.0, Missing, -40.0, 100.0};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(s.TempValue[i], expected[i]);
    QCOMPARE(s.TempValue[4], 0.0);
    QCOMPARE(s.ProbeValue[2][0], fahrenheit ? -868.0 : Missing);
    QCOMPARE(s.ProbeValue[2][2], Shown(37.5, fahrenheit));
    QCOMPARE(s.ProbeValue[2][3], Shown(-17.5, fahrenheit));
    QCOMPARE(s.DewPointValue[0], Shown(Quantities::DewPoint(20.0, 50.0), fahrenheit));
    QCOMPARE(s.WetBulbValue[3], Shown(Quantities::WetBulb(100.0, 90.0), fahrenheit));
    QCOMPARE(s.DewPointValue[1], fahrenheit ? -868.0 : Missing);
    QCOMPARE(s.WetBulbValue[1], fahrenheit ? -868.0 : Missing);
    QCOMPARE(s.ShownExtremes.Temperature.Max, expected[3]);
    QCOMPARE(s.ShownExtremes.Temperature.Min, expected[1]);
    QCOMPARE(s.ShownAlarm.Temperature.Low, (fahrenheit ? 23.0 : -5.0) + 50.0);
    QCOMPARE(s.ShownAlarm.Temperature.High, (fahrenheit ? 104.0 : 40.0) + 50.0);

    // The writer's way back to the recorded unit.
    for (int i = 0; i < 4; ++i)
        QCOMPARE(Quantities::TemperatureToRecorded(s.TempValue[i], fahrenheit), s.TempRaw[i]);
}

void TestUnits::derivedValuesOnlyForHumidityRecords_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("derived");

    QTest::newRow("3702 temperature and humidity") << 3702 << true;
    QTest::newRow("3708 with integer channel") << 3708 << true;
    QTest::newRow("3725") << 3725 << true;
    QTest::newRow("4401") << 4401 << true;
    QTest::newRow("4428 with thermocouple") << 4428 << true;
    QTest::newRow("3701 temperature only") << 3701 << false;
    QTest::newRow("3721 temperature only") << 3721 << false;
    QTest::newRow("4405 four probes") << 4405 << false;
    QTest::newRow("6201 decibel") << 6201 << false;
    QTest::newRow("unknown model") << 9901 << false;
}

// Records without humidity get 0.0, including stale values of an earlier
// record.
void TestUnits::derivedValuesOnlyForHumidityRecords()
{
    QFETCH(int, model);
    QFETCH(bool, derived);
    UartDataStore &s = *m_store;
    StartRecord(s, model, 2, false);
    SetArray(s.TempRaw, {25.0, 30.0});
    SetArray(s.Humidity, {60.0, 80.0});
    SetArray(s.DewPointValue, {7.0, 7.0});
    SetArray(s.WetBulbValue, {7.0, 7.0});

    s.ConvertTemperatureUnit();

    QCOMPARE(s.DewPointValue[1], derived ? Quantities::DewPoint(30.0, 80.0) : 0.0);
    QCOMPARE(s.WetBulbValue[0], derived ? Quantities::WetBulb(25.0, 60.0) : 0.0);
}

void TestUnits::thermocoupleRule_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("meterModel");
    QTest::addColumn<Values>("raw");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("has");
    QTest::addColumn<bool>("kept");

    // The record's own model decides, whatever meter is connected.
    QTest::newRow("4423 record, no meter connected")
        << 4423 << 0 << Values{Missing, 150.5} << 2 << true << true;
    QTest::newRow("4426 record, decibel meter connected")
        << 4426 << 6201 << Values{210.0, 0.0} << 2 << true << true;
    QTest::newRow("4401 record, thermocouple meter connected")
        << 4401 << 4423 << Values{120.0, 130.0} << 2 << false << false;
    QTest::newRow("4428 record, only missing and zero readings")
        << 4428 << 4428 << Values{Missing, 0.0} << 2 << false << true;
    QTest::newRow("4423 record, reading only beyond the last sample")
        << 4423 << 4423 << Values{Missing, 0.0, 99.0} << 2 << false << true;
    QTest::newRow("empty 4423 record") << 4423 << 4423 << Values{55.0} << 0 << false << true;
}

void TestUnits::thermocoupleRule()
{
    QFETCH(int, model);
    QFETCH(int, meterModel);
    QFETCH(Values, raw);
    QFETCH(int, count);
    QFETCH(bool, has);
    QFETCH(bool, kept);
    UartDataStore &s = *m_store;
    StartRecord(s, model, count, true);
    s.MeterModel = meterModel;
    s.HasThermocouple = !has;
    SetArray(s.ThermocoupleRaw, raw);

    s.ConvertTemperatureUnit();

    QCOMPARE(s.HasThermocouple, has);
    for (int i = 0; i < count; ++i) {
        QCOMPARE(s.ThermocoupleRaw[i], kept ? raw[i] : 0.0);
        QCOMPARE(s.ThermocoupleValue[i], kept ? Shown(raw[i], true) : 0.0);
    }
}

void TestUnits::lightConversion_data()
{
    QTest::addColumn<bool>("footCandles");
    QTest::newRow("lux") << false;
    QTest::newRow("foot-candles") << true;
}

void TestUnits::lightConversion()
{
    QFETCH(bool, footCandles);
    UartDataStore &s = *m_store;
    StartRecord(s, 5301, 3, footCandles);
    SetArray(s.LightRaw, {107.639, 0.0, 1076.39});
    s.ShownExtremes.Light = {1076.39, 0.0};
    s.LightAlarm = {53.8195, 861.112};

    s.ConvertLightUnit();

    const double scale = footCandles ? 1.0 / 10.7639 : 1.0;
    QCOMPARE(s.LightValue[0], footCandles ? 10.0 : 107.639);
    QCOMPARE(s.LightValue[1], 0.0);
    QCOMPARE(s.LightValue[2], footCandles ? 100.0 : 1076.39);
    QCOMPARE(s.ShownExtremes.Light.Max, 1076.39 * scale);
    QCOMPARE(s.ShownExtremes.Light.Min, 0.0);
    QCOMPARE(s.ShownAlarm.Light.Low, footCandles ? 5.0 : 53.8195);
    QCOMPARE(s.ShownAlarm.Light.High, footCandles ? 80.0 : 861.112);
    QCOMPARE(Quantities::LightToRecorded(s.LightValue[2], footCandles), 1076.39);
}

void TestUnits::voltageCurrentExtremes_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("voltageMax");
    QTest::addColumn<double>("voltageMin");
    QTest::addColumn<double>("currentMax");
    QTest::addColumn<double>("currentMin");

    QTest::newRow("empty record") << 0 << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("one sample") << 1 << 1200.0 << 1200.0 << 4.5 << 4.5;
    QTest::newRow("whole record") << 4 << 4980.0 << -15.0 << 19.75 << 3.25;
}

// Extremes over samples 0..Lognum-1 only; the sample after the record holds
// values that would win if it were read.
void TestUnits::voltageCurrentExtremes()
{
    QFETCH(int, count);
    QFETCH(double, voltageMax);
    QFETCH(double, voltageMin);
    QFETCH(double, currentMax);
    QFETCH(double, currentMin);
    UartDataStore &s = *m_store;
    StartRecord(s, 3710, count, false);
    const Values voltage{1200.0, 4980.0, -15.0, 300.0, 99999.0};
    const Values current{4.5, 3.25, 19.75, 12.0, -99999.0};
    SetArray(s.Voltage, voltage);
    SetArray(s.Current, current);
    s.Voltage[count] = 99999.0;
    s.Current[count] = -99999.0;
    s.VoltageAlarm = {500.0, 4500.0};
    s.CurrentAlarm = {5.0, 18.0};

    s.ComputeVoltageCurrentExtremes();

    QCOMPARE(s.ShownExtremes.Voltage.Max, voltageMax);
    QCOMPARE(s.ShownExtremes.Voltage.Min, voltageMin);
    QCOMPARE(s.ShownExtremes.Current.Max, currentMax);
    QCOMPARE(s.ShownExtremes.Current.Min, currentMin);
    QCOMPARE(s.ShownAlarm.Voltage.High, 4500.0);
    QCOMPARE(s.ShownAlarm.Voltage.Low, 500.0);
    QCOMPARE(s.ShownAlarm.Current.High, 18.0);
    QCOMPARE(s.ShownAlarm.Current.Low, 5.0);
}

void TestUnits::recordUnitsRunsEveryConversion()
{
    UartDataStore &s = *m_store;
    StartRecord(s, 3702, 1, true);
    s.TempRaw[0] = 10.0;
    s.LightRaw[0] = 10.7639;
    s.Voltage[0] = 2500.0;
    s.DecibelAlarm = {45.0, 85.0};

    s.ConvertRecordUnits();

    QCOMPARE(s.TempValue[0], 50.0);
    QCOMPARE(s.LightValue[0], 1.0);
    QCOMPARE(s.ShownExtremes.Voltage.Max, 2500.0);
    QCOMPARE(s.ShownAlarm.Decibel.Low, 45.0);
    QCOMPARE(s.ShownAlarm.Decibel.High, 85.0);
}

QTEST_GUILESS_MAIN(TestUnits)
#include "test_units.moc"
