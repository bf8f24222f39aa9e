// Writes and reads a 70000-sample thermo-hygro record with thermocouple (the
// largest row of any family) 15 times each and prints median, minimum and
// maximum times.

#include "app/recordfile.h"
#include "app/uartdatastore.h"
#include "bench/benchutil.h"
#include "platform/timezone.h"
#include "tools/samplerecord.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

constexpr int Runs = 15;

bool Check(bool ok, const QString &error)
{
    if (!ok)
        std::fprintf(stderr, "%s\n", qPrintable(error));
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    CacheLocalTimeZone();
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;

    auto source = std::make_unique<UartDataStore>();
    auto target = std::make_unique<UartDataStore>();
    SampleRecordOptions options;
    options.model = 4423;
    options.count = UartDataStore::MaxSamples;
    options.periodSeconds = 60;
    options.missingEvery = 500;
    FillSampleRecord(*source, options);

    const QString path = dir.filePath(RecordFileName(options.start));
    QString error;
    bool ok = true;
    const BenchStats write = RunTimed(Runs, [&] {
        ok = ok && Check(WriteRecordFile(*source, path, &error), error);
    });
    const BenchStats read = RunTimed(Runs, [&] {
        ok = ok && Check(ReadRecordFile(path, *target, &error), error);
    });
    if (!ok)
        return 1;
    std::printf("record file, model 4423, %d samples, %lld bytes, %d runs\n", target->Lognum,
                QFileInfo(path).size(), Runs);
    PrintStats("write", write);
    PrintStats("read (parse, commit, units)", read);
    return 0;
}
