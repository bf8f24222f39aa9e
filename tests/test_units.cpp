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

// An empty record of the model, sample count and unit.
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

bool Near(double actual, double expected, double tolerance = 0.01)
{
    if (std::abs(actual - expected) <= tolerance)
        return true;
    qWarning("%.4f is not %.4f", actual, expected);
    return false;
}

} // namespace

class TestUnits : public QObject
{
    Q_OBJECT

    std::unique_ptr<UartDataStore> Store = std::make_unique<UartDataStore>();

private slots:
    // Published values: Magnus dew points with Sonntag's constants (b = 17.62,
    // c = 243.12) as tabled to 0.1 deg C; wet bulb from Stull (2011), whose
    // own example is 13.7 deg C at 20 deg C / 50 %, and sea-level
    // psychrometric charts (Stull's fit is within about 0.3 deg C there).
    // Saturated air has dew point and wet bulb equal to the air.
    void referenceValues_data()
    {
        QTest::addColumn<double>("celsius");
        QTest::addColumn<double>("humidity");
        QTest::addColumn<double>("dewPoint");
        QTest::addColumn<double>("wetBulb");            // NaN: not checked
        QTest::addColumn<double>("wetBulbTolerance");
        QTest::newRow("20 C, 50 % (Stull's example)") << 20.0 << 50.0 << 9.3 << 13.7 << 0.05;
        QTest::newRow("25 C, 60 %") << 25.0 << 60.0 << 16.7 << 19.5 << 0.3;
        QTest::newRow("30 C, 50 %") << 30.0 << 50.0 << 18.4 << 22.0 << 0.4;
        QTest::newRow("10 C, 80 %") << 10.0 << 80.0 << 6.7 << 7.9 << 0.3;
        QTest::newRow("saturated air") << 20.0 << 100.0 << 20.0 << 20.0 << 0.1;
        QTest::newRow("30 C, 80 %") << 30.0 << 80.0 << 26.2 << 27.2 << 0.3;
        QTest::newRow("-10 C, 80 % (below freezing)") << -10.0 << 80.0 << -12.8 << qQNaN() << 0.0;
    }

    void referenceValues()
    {
        QFETCH(double, celsius);
        QFETCH(double, humidity);
        QFETCH(double, dewPoint);
        QFETCH(double, wetBulb);
        QFETCH(double, wetBulbTolerance);
        QVERIFY(Near(Quantities::DewPoint(celsius, humidity), dewPoint, 0.06));
        if (!std::isnan(wetBulb))
            QVERIFY(Near(Quantities::WetBulb(celsius, humidity), wetBulb, wetBulbTolerance));
    }

    // Dry air stays finite, dew point below wet bulb below the air; a missing
    // temperature gives a missing result.
    void dryAirAndMissingTemperature()
    {
        for (double humidity : {0.0, -3.0}) {
            const double dew = Quantities::DewPoint(20.0, humidity);
            const double wet = Quantities::WetBulb(20.0, humidity);
            QVERIFY(std::isfinite(dew) && std::isfinite(wet));
            QVERIFY(dew > -100.0 && dew < wet && wet < 20.0);
        }
        for (double humidity : {50.0, 0.0}) {
            QCOMPARE(Quantities::DewPoint(Missing, humidity), Missing);
            QCOMPARE(Quantities::WetBulb(Missing, humidity), Missing);
        }
    }

    void unitConversion_data()
    {
        QTest::addColumn<bool>("alternate");
        QTest::newRow("Celsius, lux") << false;
        QTest::newRow("Fahrenheit, foot-candles") << true;
    }

    // Recorded values, the missing mark, derived values, extremes and alarm
    // limits (temperature held with 50 added) in the shown unit, and back.
    void unitConversion()
    {
        QFETCH(bool, alternate);
        UartDataStore &s = *Store;
        StartRecord(s, 4401, 4, alternate);
        SetArray(s.TempRaw, {20.0, Missing, -40.0, 100.0});
        SetArray(s.Humidity, {50.0, 50.0, 10.0, 90.0});
        SetArray(s.ProbeRaw[2], {Missing, 0.0, 37.5, -17.5});
        SetArray(s.LightRaw, {107.639, 0.0, 1076.39});
        s.TempRaw[4] = 55.0;   // beyond Lognum: never converted
        s.Voltage[1] = 2500.0;
        s.ShownExtremes.Temperature = {100.0, Missing};
        s.ShownExtremes.Light = {1076.39, 0.0};
        s.TempAlarm = {-5.0, 40.0};
        s.LightAlarm = {53.8195, 861.112};
        s.DecibelAlarm = {45.0, 85.0};

        s.ConvertRecordUnits();

        const Values expected = alternate ? Values{68.0, -868.0, -40.0, 212.0}
                                          : Values{20.0, Missing, -40.0, 100.0};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(s.TempValue[i], expected[i]);
            QCOMPARE(Quantities::TemperatureToRecorded(s.TempValue[i], alternate), s.TempRaw[i]);
        }
        QCOMPARE(s.TempValue[4], 0.0);
        QCOMPARE(s.ProbeValue[2][0], expected[1]);
        QCOMPARE(s.ProbeValue[2][2], alternate ? 99.5 : 37.5);
        QCOMPARE(s.ProbeValue[2][3], alternate ? 0.5 : -17.5);
        QVERIFY(Near(s.DewPointValue[0], alternate ? 48.66 : 9.26));   // 20 C, 50 %
        QVERIFY(Near(s.WetBulbValue[0], alternate ? 56.66 : 13.70));
        QCOMPARE(s.DewPointValue[1], expected[1]);
        QCOMPARE(s.WetBulbValue[1], expected[1]);
        QCOMPARE(s.ShownExtremes.Temperature.Max, expected[3]);
        QCOMPARE(s.ShownExtremes.Temperature.Min, expected[1]);
        QCOMPARE(s.ShownAlarm.Temperature.Low, (alternate ? 23.0 : -5.0) + 50.0);
        QCOMPARE(s.ShownAlarm.Temperature.High, (alternate ? 104.0 : 40.0) + 50.0);

        QCOMPARE(s.LightValue[0], alternate ? 10.0 : 107.639);
        QCOMPARE(s.LightValue[1], 0.0);
        QCOMPARE(s.LightValue[2], alternate ? 100.0 : 1076.39);
        QCOMPARE(Quantities::LightToRecorded(s.LightValue[2], alternate), 1076.39);
        QCOMPARE(s.ShownExtremes.Light.Max, alternate ? 100.0 : 1076.39);
        QCOMPARE(s.ShownExtremes.Light.Min, 0.0);
        QCOMPARE(s.ShownAlarm.Light.Low, alternate ? 5.0 : 53.8195);
        QCOMPARE(s.ShownAlarm.Light.High, alternate ? 80.0 : 861.112);
        QCOMPARE(s.ShownAlarm.Decibel.Low, 45.0);
        QCOMPARE(s.ShownAlarm.Decibel.High, 85.0);
        QCOMPARE(s.ShownExtremes.Voltage.Max, 2500.0);
    }

    void derivedValuesOnlyForHumidityRecords_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("derived");
        QTest::newRow("3702 temperature and humidity") << 3702 << true;
        QTest::newRow("3708 with integer channel") << 3708 << true;
        QTest::newRow("4401") << 4401 << true;
        QTest::newRow("4428 with thermocouple") << 4428 << true;
        QTest::newRow("3701 temperature only") << 3701 << false;
        QTest::newRow("4405 four probes") << 4405 << false;
        QTest::newRow("6201 decibel") << 6201 << false;
        QTest::newRow("unknown model") << 9901 << false;
    }

    // Records without humidity get 0.0, even over values of an earlier record.
    void derivedValuesOnlyForHumidityRecords()
    {
        QFETCH(int, model);
        QFETCH(bool, derived);
        UartDataStore &s = *Store;
        StartRecord(s, model, 2, false);
        SetArray(s.TempRaw, {25.0, 30.0});
        SetArray(s.Humidity, {60.0, 80.0});
        SetArray(s.DewPointValue, {7.0, 7.0});
        SetArray(s.WetBulbValue, {7.0, 7.0});

        s.ConvertTemperatureUnit();

        QVERIFY(Near(s.DewPointValue[1], derived ? 26.17 : 0.0));   // 30 C, 80 %
        QVERIFY(Near(s.WetBulbValue[0], derived ? 19.50 : 0.0));    // 25 C, 60 %
    }

    void thermocoupleRule_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("meterModel");
        QTest::addColumn<Values>("raw");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("has");
        QTest::addColumn<Values>("shown");   // empty: raw and shown values cleared
        // The record's own model decides, whatever meter is connected.
        QTest::newRow("4423 record, no meter connected")
            << 4423 << 0 << Values{Missing, 150.5} << 2 << true << Values{-868.0, 302.9};
        QTest::newRow("4426 record, decibel meter connected")
            << 4426 << 6201 << Values{210.0, 0.0} << 2 << true << Values{410.0, 32.0};
        QTest::newRow("4401 record, thermocouple meter connected")
            << 4401 << 4423 << Values{120.0, 130.0} << 2 << false << Values();
        QTest::newRow("4428 record, only missing and zero readings")
            << 4428 << 4428 << Values{Missing, 0.0} << 2 << false << Values{-868.0, 32.0};
        QTest::newRow("4423 record, reading only beyond the last sample")
            << 4423 << 4423 << Values{Missing, 0.0, 99.0} << 2 << false << Values{-868.0, 32.0};
        QTest::newRow("empty 4423 record")
            << 4423 << 4423 << Values{55.0} << 0 << false << Values();
    }

    void thermocoupleRule()
    {
        QFETCH(int, model);
        QFETCH(int, meterModel);
        QFETCH(Values, raw);
        QFETCH(int, count);
        QFETCH(bool, has);
        QFETCH(Values, shown);
        UartDataStore &s = *Store;
        StartRecord(s, model, count, true);
        s.MeterModel = meterModel;
        s.HasThermocouple = !has;
        SetArray(s.ThermocoupleRaw, raw);

        s.ConvertTemperatureUnit();

        QCOMPARE(s.HasThermocouple, has);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(s.ThermocoupleRaw[i], shown.isEmpty() ? 0.0 : raw[i]);
            QCOMPARE(s.ThermocoupleValue[i], shown.value(i, 0.0));
        }
    }

    void voltageCurrentExtremes_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<Values>("extremes");   // voltage max, min, current max, min
        QTest::newRow("empty record") << 0 << Values{0.0, 0.0, 0.0, 0.0};
        QTest::newRow("one sample") << 1 << Values{1200.0, 1200.0, 4.5, 4.5};
        QTest::newRow("whole record") << 4 << Values{4980.0, -15.0, 19.75, 3.25};
    }

    // Extremes over samples 0..Lognum-1 only; the sample after the record holds
    // values that would win if it were read.
    void voltageCurrentExtremes()
    {
        QFETCH(int, count);
        QFETCH(Values, extremes);
        UartDataStore &s = *Store;
        StartRecord(s, 3710, count, false);
        SetArray(s.Voltage, {1200.0, 4980.0, -15.0, 300.0});
        SetArray(s.Current, {4.5, 3.25, 19.75, 12.0});
        s.Voltage[count] = 99999.0;
        s.Current[count] = -99999.0;
        s.VoltageAlarm = {500.0, 4500.0};
        s.CurrentAlarm = {5.0, 18.0};

        s.ComputeVoltageCurrentExtremes();

        const ExtremeSet &x = s.ShownExtremes;
        QCOMPARE((Values{x.Voltage.Max, x.Voltage.Min, x.Current.Max, x.Current.Min}), extremes);
        const ShownAlarmSet &a = s.ShownAlarm;
        QCOMPARE((Values{a.Voltage.Low, a.Voltage.High, a.Current.Low, a.Current.High}),
                 (Values{500.0, 4500.0, 5.0, 18.0}));
    }
};

QTEST_GUILESS_MAIN(TestUnits)
#include "test_units.moc"
