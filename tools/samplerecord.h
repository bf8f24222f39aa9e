#ifndef SAMPLERECORD_H
#define SAMPLERECORD_H

// Synthetic records of every meter family, for the example files, the tests
// and the benchmarks. The values are smooth, plausible and fully determined by
// the options, so a test can rely on them run after run:
//
//     SampleRecordOptions options;
//     options.model = 4423;
//     options.count = 70000;
//     options.missingEvery = 500;
//     FillSampleRecord(UartData, options);
//
// Value ranges: temperature 15..30 deg C in daily waves with rare excursions
// past the 3/40 deg C alarm limits, humidity 35..80 %, decibel 40..95 dB,
// light 50..900 lux, current 4..20 mA, voltage 0..5000 mV, thermocouple
// 50..400 deg C, integer channel 0..100. Every channel crosses its alarm
// limits now and then.

#include <QDate>
#include <QDateTime>
#include <QTime>

class UartDataStore;

struct SampleRecordOptions {
    int model = 3702;         // four-digit model code; picks the recorded channels
    int count = 300;          // samples, clamped to 0..70000
    int periodSeconds = 60;   // SamplePeriod: half seconds for family 53; 43224 = 24 h
    QDateTime start = QDateTime(QDate(2024, 3, 1), QTime(8, 0));   // first sample, local
    bool altUnit = false;     // degrees Fahrenheit / foot-candles shown
    // 0: no missing values. N > 0: roughly every N samples a short run of
    // -500.0 in the channels that can miss values (temperature, thermocouple,
    // probes; each at its own places).
    int missingEvery = 0;
    quint32 seed = 1;         // varies the waves, the noise and the device ID
};

// Makes the store's record a synthetic one: header (RECFileName and
// RECMeterName "Logger-<model>", RECDeviceID, RECModel, RECCreateTime one
// period after the last sample, SamplePeriod, StartMode 1, AltUnit), the
// sample times start + i * period, the arrays the model records (all others
// zero), the alarm limits, the extremes block in ShownExtremes, Lognum and
// HalfSecondStamps (a light record at period 1), then runs
// ConvertRecordUnits() and sets ShowStart = 0, ShowEnd = Lognum.
// RECFilePath, RECTitle and RecordShown are left to the record writer.
// A model code outside every family gets temperature and humidity.
void FillSampleRecord(UartDataStore &store, const SampleRecordOptions &options);

// Empties the store's record: header, every sample array, statistics, alarm
// limits (back to their defaults), shown range, report texts, RECFilePath and
// RECTitle. Settings and the connected meter are kept.
void ResetRecord(UartDataStore &store);

// The length of one sampling period in milliseconds for a model's
// SamplePeriod value (half seconds for family 53, 24-hour and 12-hour codes).
qint64 SamplePeriodMsecs(int model, int period);

#endif // SAMPLERECORD_H
