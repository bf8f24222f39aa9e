#ifndef BENCHRECORD_H
#define BENCHRECORD_H

// What the view benchmarks share: a headless application in a scratch
// working directory, and a full 70000-sample synthetic record of a model on
// show as if opened from a record file there.

#include <QApplication>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include "app/uartdatastore.h"
#include "platform/freedmemory.h"
#include "platform/timezone.h"
#include "tools/samplerecord.h"

struct BenchSetUp {
    BenchSetUp()
    {
        LimitKeptFreeMemory();
        CacheLocalTimeZone();
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
};

struct BenchApplication : BenchSetUp {
    BenchApplication(int &argc, char **argv)
        : app(argc, argv)
    {
        QDir::setCurrent(work.path());
    }
    QApplication app;
    QTemporaryDir work;
};

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
