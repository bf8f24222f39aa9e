#include "tests/support/exportrecord.h"

#include "app/uartdatastore.h"
#include "tests/support/recordfixture.h"

#include <QFile>

void MakeExportRecord(UartDataStore &s, int model, int count, bool altUnit)
{
    s.AltUnit = altUnit;
    s.DateTimeFormat = QStringLiteral("dd/MM/yyyy hh:mm:ss");
    StartRecord(s, model, count);
    for (int i = 0; i < count; ++i) {
        s.TempRaw[i] = 21.56;
        s.Humidity[i] = 55.0;
        s.ThermocoupleRaw[i] = i == 0 ? UartDataStore::MissingValue : 250.0;
        const double probes[] = {21.25, 22.5, UartDataStore::MissingValue, 20.0};
        for (int p = 0; p < UartDataStore::ProbeCount; ++p)
            s.ProbeRaw[p][i] = probes[p];
        s.LightRaw[i] = 475.5;
        s.DecibelValue[i] = 80.0;
        s.Current[i] = 12.5;
        s.Voltage[i] = 2500.0;
    }
    FinishRecord(s);
    s.RECMeterName = QStringLiteral("Meter");
    for (int i = 0; i < count; ++i) {
        s.DewPointValue[i] = 12.0;
        s.WetBulbValue[i] = 15.25;
        s.LightValue[i] = altUnit ? 44.2 : 475.5;
    }
    ExtremeSet &x = s.ShownExtremes;
    x.Temperature = {30.04, -5.0};
    x.Humidity = {80.0, 20.5};
    x.DewPoint = {18.0, 2.0};
    x.WetBulb = {20.0, 4.0};
    x.Thermocouple = {300.0, 250.0};
    x.Light = {2500000.0, 0.25};
    x.Decibel = {80.0, 65.25};
    x.Voltage = {4999.5, 0.0};
    x.Current = {19.9999, 4.0};
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

void PutFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray Blanks(int count)
{
    return QByteArray(count, ' ');
}
