#include "tests/support/recordfixture.h"

#include "app/uartdatastore.h"

QDateTime FixtureStart()
{
    return QDateTime(QDate(2026, 3, 1), QTime(8, 0, 0));
}

void StartRecord(UartDataStore &s, int model, int count, int periodSeconds)
{
    s.RECModel = model;
    s.RECFileName = QStringLiteral("Meter");
    s.RECDeviceID = QStringLiteral("ID");
    s.RECCreateTime = QStringLiteral("2026-03-01 08:00");
    s.SamplePeriod = periodSeconds;
    s.Lognum = count;
    s.HalfSecondStamps = false;
    s.ShownExtremes = ExtremeSet();  // the recorded pairs, converted by FinishRecord
    const QDateTime start = FixtureStart();
    for (int i = 0; i < count; ++i) {
        s.SampleTime[i] = start.addSecs(qint64(i) * periodSeconds);
        s.TempRaw[i] = s.Humidity[i] = s.ThermocoupleRaw[i] = 0.0;
        s.DecibelValue[i] = s.LightRaw[i] = s.Current[i] = s.Voltage[i] = 0.0;
        s.IntChannel[i] = 0;
        for (int k = 0; k < UartDataStore::ProbeCount; ++k)
            s.ProbeRaw[k][i] = 0.0;
    }
}

void FinishRecord(UartDataStore &s)
{
    s.ConvertRecordUnits();
    s.ShowStart = 0;
    s.ShowEnd = s.Lognum;
    s.RecordShown = true;
    s.RECFilePath = QStringLiteral("/records/20260301080000.rec");
    s.RECTitle = s.RECFileName + QStringLiteral("(") + s.RECDeviceID + QStringLiteral(")")
                 + QStringLiteral("20260301080000.rec");
}
