#ifndef BENCHRECORD_H
#define BENCHRECORD_H

// The record the view benchmarks run on: a full 70000-sample synthetic record
// of the model, on show as if opened from a record file in `folder`.

#include <QString>

#include "app/uartdatastore.h"
#include "tools/samplerecord.h"

inline void ShowBenchRecord(int model, int missingEvery, const QString &folder)
{
    SampleRecordOptions options;
    options.model = model;
    options.count = UartDataStore::MaxSamples;
    options.missingEvery = missingEvery;
    FillSampleRecord(UartData, options);
    UartData.RecordShown = true;
    UartData.RECFilePath = folder + QStringLiteral("/20240301080000.rec");
    UartData.RECTitle = UartData.RECFileName + QStringLiteral("(") + UartData.RECDeviceID
                        + QStringLiteral(")20240301080000.rec");
}

#endif // BENCHRECORD_H
