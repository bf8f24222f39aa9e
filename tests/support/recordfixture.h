#ifndef TESTS_SUPPORT_RECORDFIXTURE_H
#define TESTS_SUPPORT_RECORDFIXTURE_H

// Small hand-made records for tests that need exact values:
//
//     StartRecord(UartData, 3702, 5);          // 5 samples, one a minute
//     UartData.TempRaw[2] = -500.0;            // set what the case needs
//     FinishRecord(UartData);                  // units, shown range, title
//
// StartRecord clears the record's arrays for the samples it creates, sets the
// header (model, times from 2026-03-01 08:00:00 local time, period) and keeps
// the settings (date format, colours, flags) as they are.

#include <QDateTime>

class UartDataStore;

QDateTime FixtureStart();
void StartRecord(UartDataStore &store, int model, int count, int periodSeconds = 60);
// Runs the unit conversions and sets the shown range to the whole record,
// RecordShown, a record path and the title "Meter(ID)" + an 18-character
// file name.
void FinishRecord(UartDataStore &store);

#endif // TESTS_SUPPORT_RECORDFIXTURE_H
