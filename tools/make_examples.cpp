// Writes one example record file per meter family into the folder given on
// the command line: a few hundred samples each, with alarm crossings and, in
// the channels that can miss values, a few missing samples.
//
//     make_examples examples/

#include "app/recordfile.h"
#include "app/recordimage.h"
#include "app/uartdatastore.h"
#include "platform/timezone.h"
#include "tools/samplerecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <memory>

namespace {

struct Example {
    int model;
    int count;
    int period;        // SamplePeriod (half seconds for family 53)
    int missingEvery;  // 0: the family has no channel that can miss values
    bool altUnit;
};

const Example Examples[] = {
    {6201, 400, 1, 0, false},      {3701, 360, 600, 90, false},  {3702, 400, 300, 90, false},
    {3707, 300, 60, 90, false},    {3708, 300, 600, 90, false},  {3709, 300, 10, 0, false},
    {3710, 300, 5, 0, false},      {3721, 240, 1800, 90, false}, {3725, 400, 300, 90, false},
    {4401, 300, 600, 90, false},   {4405, 300, 300, 90, false},  {4421, 200, 1800, 90, true},
    {4423, 500, 60, 90, false},    {4425, 300, 120, 90, false},  {4426, 300, 600, 90, false},
    {4428, 300, 300, 90, false},   {5301, 400, 1, 0, true},
};

QDateTime CreatedAt(const UartDataStore &store)
{
    return QDateTime::fromString(store.RECCreateTime,
                                 QString::fromLatin1(RecordImageFormat::CreateTimeFormat));
}

bool WriteExample(UartDataStore &store, const Example &example, int index, const QDir &folder)
{
    SampleRecordOptions options;
    options.model = example.model;
    options.count = example.count;
    options.periodSeconds = example.period;
    options.missingEvery = example.missingEvery;
    options.altUnit = example.altUnit;
    options.start = QDateTime(QDate(2024, 5, 6).addDays(index), QTime(7, 30 + index));
    options.seed = quint32(example.model);
    FillSampleRecord(store, options);

    const QString path = folder.filePath(RecordFileName(CreatedAt(store)));
    QString error;
    QTextStream out(stdout);
    if (!WriteRecordFile(store, path, &error)) {
        QTextStream(stderr) << error << '\n';
        return false;
    }
    out << path << "  model " << example.model << ", " << example.count << " samples\n";
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    CacheLocalTimeZone();
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: make_examples <output folder>\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot create " << folder.path() << '\n';
        return 1;
    }
    auto store = std::make_unique<UartDataStore>();
    int index = 0;
    for (const Example &example : Examples) {
        if (!WriteExample(*store, example, index++, folder))
            return 1;
    }
    return 0;
}
