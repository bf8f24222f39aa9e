#ifndef TESTS_SUPPORT_EXPORTRECORD_H
#define TESTS_SUPPORT_EXPORTRECORD_H

// Records with known cells for the export tests. Every sample holds the same
// values, chosen so that each number format shows its rule:
//
//   temperature 21.56 (F1 21.6)       humidity 55.0        dew point 12.0
//   wet bulb 15.25 (F1 15.3: a half rounds away from zero)
//   thermocouple: sample 0 without a value, the others 250.0
//   probes 21.25, 22.5, no value, 20.0 (G6)
//   light 475.5 lux / 44.2 FC        decibel 80 (G6 "80")
//   current 12.5 mA (F3 12.500)       voltage 2500 mV (F3 2500.000)
//
// Meter name "Meter", device ID "ID", one sample a minute from
// 2026-03-01 08:00:00, times written "dd/MM/yyyy hh:mm:ss"; the extremes are
// set per quantity (see the .cpp) so that the header items are known too.

#include <QByteArray>
#include <QString>

class UartDataStore;

void MakeExportRecord(UartDataStore &store, int model, int count, bool altUnit = false);

QByteArray FileBytes(const QString &path);
void PutFileBytes(const QString &path, const QByteArray &bytes);
QByteArray Blanks(int count);

#endif // TESTS_SUPPORT_EXPORTRECORD_H
