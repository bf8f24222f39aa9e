// Record files: round trips of every meter family in both units, names and
// titles, refused files that leave the record on show alone, refused writes,
// and the example records of the source tree.

#include "app/modelfamily.h"
#include "app/recordimage.h"
#include "app/recordfile.h"
#include "app/uartdatastore.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/memorylimit.h"
#include "tests/support/oddfile.h"
#include "tests/support/workdir.h"
#include "tools/samplerecord.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <QtTest>

#include <functional>
#include <memory>
#include <set>

using Change = std::function<void(UartDataStore &)>;
Q_DECLARE_METATYPE(Change)

namespace {

const QList<int> ExampleModels = {6201, 3701, 3702, 3707, 3708, 3709, 3710, 3721, 3725,
                                  4401, 4405, 4421, 4423, 4425, 4426, 4428, 5301};

SampleRecordOptions OptionsFor(int model, bool altUnit = false, int count = 240)
{
    SampleRecordOptions options;
    options.model = model;
    options.count = count;
    options.periodSeconds = model / 100 == 53 ? 1 : 300;
    options.missingEvery = 37;
    options.altUnit = altUnit;
    options.seed = quint32(model) * 7u;
    return options;
}

// The store's alarm pair that a block pair names, and its shown counterpart
// (none for humidity).
std::pair<AlarmPair UartDataStore::*, AlarmPair ShownAlarmSet::*> AlarmFieldsOf(BlockPair pair)
{
    switch (pair) {
    case BlockPair::TemperatureAlarm:
        return {&UartDataStore::TempAlarm, &ShownAlarmSet::Temperature};
    case BlockPair::HumidityAlarm: return {&UartDataStore::HumAlarm, nullptr};
    case BlockPair::DecibelAlarm: return {&UartDataStore::DecibelAlarm, &ShownAlarmSet::Decibel};
    case BlockPair::LightAlarm: return {&UartDataStore::LightAlarm, &ShownAlarmSet::Light};
    case BlockPair::CurrentAlarm: return {&UartDataStore::CurrentAlarm, &ShownAlarmSet::Current};
    case BlockPair::VoltageAlarm: return {&UartDataStore::VoltageAlarm, &ShownAlarmSet::Voltage};
    default: return {nullptr, nullptr};
    }
}

// Every raw array non-zero over the first samples, header fields and alarm
// limits unlike the generator's, so a reader that forgets to clear what a
// family does not record, or to take a field from the file, is caught.
void FillEveryArray(UartDataStore &s)
{
    FillSampleRecord(s, OptionsFor(4423, false, 300));
    for (int i = 0; i < 300; ++i) {
        for (int probe = 0; probe < UartDataStore::ProbeCount; ++probe)
            s.ProbeRaw[probe][i] = 7.0;
        s.DecibelValue[i] = s.LightRaw[i] = s.Current[i] = s.Voltage[i] = 7.0;
        s.IntChannel[i] = 7;
    }
    s.TempAlarm = {-12.5, 61.25};
    s.HumAlarm = {20.5, 70.25};
    s.DecibelAlarm = {50.5, 90.25};
    s.LightAlarm = {150.5, 700.25};
    s.CurrentAlarm = {6.5, 17.25};
    s.VoltageAlarm = {750.5, 4250.25};
    s.StartMode = 2;
    s.SamplePeriod = 7;
    s.ShowStart = 5;
    s.ShowEnd = 10;
    s.RecordShown = false;
    s.RECFilePath = QStringLiteral("/shown.rec");
    s.RECTitle = QStringLiteral("shown");
}

// Every statistic of the store set to a value no record gives.
void SpoilStatistics(UartDataStore &s)
{
    const ValuePair pair{777.0, -777.0};
    const IntPair index{7, 7};
    s.ShownExtremes = {pair, pair, pair, pair, pair, pair, pair, index, pair, pair};
    s.ExtremeIndex = {index, index, index, index, index, index, index, index, index, index};
    s.Averages = {7, 7, 7, 7, 7, 7, 7, 7, 7, 7};
    s.ExtremesCopy = {pair, pair, pair, pair, pair, pair, index};
    for (int k = 0; k < UartDataStore::ProbeCount; ++k) {
        s.ProbeExtremes[k] = pair;
        s.ProbeExtremeIndex[k] = index;
        s.ProbeAverages[k] = 7.0;
        s.ProbeEnabled[k] = true;
    }
    s.ShownAlarm = {{7, 7}, {7, 7}, {7, 7}, {7, 7}, {7, 7}};
}

QString Numbers(std::initializer_list<double> values)
{
    QStringList text;
    for (double value : values)
        text << QString::number(value, 'g', 17);
    return text.join(' ');
}

// The record on show as text: header, shown range, extremes, then a line per
// sample with its time (and its offset from UTC) and every array.
QStringList Dump(const UartDataStore &s)
{
    const ExtremeSet &x = s.ShownExtremes;
    QStringList lines{
        s.RECFileName, s.RECDeviceID, s.RECCreateTime, s.RECFilePath, s.RECTitle,
        Numbers({double(s.RECModel), double(s.SamplePeriod), double(s.StartMode),
                 double(s.AltUnit), double(s.Lognum), double(s.ShowStart), double(s.ShowEnd),
                 double(s.RecordShown)}),
        Numbers({x.Temperature.Max, x.Temperature.Min, x.Humidity.Max, x.Humidity.Min,
                 x.Light.Max, x.Light.Min, x.Decibel.Max, x.Decibel.Min, x.Voltage.Max,
                 x.Voltage.Min, x.Current.Max, x.Current.Min})};
    for (int i = 0; i < s.Lognum; ++i) {
        lines << s.SampleTime[i].toString(Qt::ISODateWithMs) + ' '
                     + Numbers({s.TempRaw[i], s.TempValue[i], s.Humidity[i], s.DewPointValue[i],
                                s.WetBulbValue[i], s.ThermocoupleRaw[i], s.ThermocoupleValue[i],
                                double(s.IntChannel[i]), s.DecibelValue[i], s.LightRaw[i],
                                s.LightValue[i], s.Current[i], s.Voltage[i], s.ProbeRaw[0][i],
                                s.ProbeRaw[1][i], s.ProbeRaw[2][i], s.ProbeRaw[3][i],
                                s.ProbeValue[0][i], s.ProbeValue[1][i], s.ProbeValue[2][i],
                                s.ProbeValue[3][i]});
    }
    return lines;
}

// Every statistic and alarm pair of the store, as one line of numbers.
QString Statistics(const UartDataStore &s)
{
    QStringList numbers;
    const auto add = [&numbers](auto... values) { ((numbers << QString::number(values)), ...); };
    const auto pair = [&add](auto p) { add(p.Max, p.Min); };
    const auto alarm = [&add](AlarmPair p) { add(p.Low, p.High); };
    const ExtremeSet &x = s.ShownExtremes;
    const ExtremeIndexSet &i = s.ExtremeIndex;
    const AverageSet &a = s.Averages;
    const ExtremeCopySet &c = s.ExtremesCopy;
    for (ValuePair p : {x.Temperature, x.Humidity, x.DewPoint, x.WetBulb, x.Thermocouple, x.Light,
                        x.Decibel, x.Voltage, x.Current, c.Temperature, c.Humidity, c.DewPoint,
                        c.WetBulb, c.Thermocouple, c.Decibel})
        pair(p);
    for (IntPair p : {x.IntChannel, c.IntChannel, i.Temperature, i.Humidity, i.DewPoint, i.WetBulb,
                      i.Thermocouple, i.Light, i.Decibel, i.IntChannel, i.Voltage, i.Current})
        pair(p);
    add(a.Temperature, a.Humidity, a.DewPoint, a.WetBulb, a.Thermocouple, a.Light, a.Decibel,
        a.IntChannel, a.Voltage, a.Current);
    for (AlarmPair p : {s.TempAlarm, s.HumAlarm, s.LightAlarm, s.DecibelAlarm, s.VoltageAlarm,
                        s.CurrentAlarm, s.ShownAlarm.Temperature, s.ShownAlarm.Light,
                        s.ShownAlarm.Decibel, s.ShownAlarm.Voltage, s.ShownAlarm.Current})
        alarm(p);
    for (int k = 0; k < UartDataStore::ProbeCount; ++k) {
        pair(s.ProbeExtremes[k]);
        pair(s.ProbeExtremeIndex[k]);
        add(s.ProbeAverages[k], int(s.ProbeEnabled[k]));
    }
    return numbers.join(' ');
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray Patched(QByteArray bytes, int at, const QByteArray &with)
{
    return bytes.replace(at, with.size(), with);
}

QByteArray BigEndian(qint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

    std::unique_ptr<WorkDir> Dir;
    std::unique_ptr<UartDataStore> Source = std::make_unique<UartDataStore>();
    std::unique_ptr<UartDataStore> Target = std::make_unique<UartDataStore>();
    QByteArray Good;   // a 3708 record file (with the integer channel)
    int ModelOffset = 0;
    int HeaderSize = 0;

    // Refused with a message naming the file and the reason; the record on
    // show (another model) keeps every field, sample and alarm limit.
    void ExpectRefused(const QString &path, const QString &reason)
    {
        const UartDataStore &s = *Target;
        auto state = [&s] {
            return Dump(s) << Numbers({s.TempAlarm.Low, s.TempAlarm.High, s.HumAlarm.Low,
                                       s.HumAlarm.High, s.LightAlarm.Low, s.LightAlarm.High,
                                       s.DecibelAlarm.Low, s.CurrentAlarm.Low,
                                       s.VoltageAlarm.High});
        };
        const QStringList before = state();
        QString error;
        QVERIFY(!ReadRecordFile(path, *Target, &error));
        QVERIFY2(error.contains(QFileInfo(path).fileName()), qPrintable(error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QCOMPARE(state(), before);
    }

private slots:
    void initTestCase()
    {
        Dir = std::make_unique<WorkDir>();
        QVERIFY(Dir->isValid());
        FillSampleRecord(*Source, OptionsFor(3708));
        const QString path = Dir->filePath("good.rec");
        QString error;
        QVERIFY2(WriteRecordFile(*Source, path, &error), qPrintable(error));
        Good = ReadBytes(path);
        ModelOffset = 8 + 2 * (Source->RECFileName.size() + Source->RECDeviceID.size());
        HeaderSize = ModelOffset + 4 + 4 + 32 + 4 + 1 + 1 + 4;
    }

    void init()
    {
        Source->KnownLoggers.clear();
        Target->KnownLoggers.clear();
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("altUnit");
        QTest::addColumn<int>("count");
        QTest::addColumn<QDateTime>("start");   // invalid: the generator's local start
        for (int model : ExampleModels) {
            QTest::addRow("%d, recorded unit", model) << model << false << 240 << QDateTime();
            QTest::addRow("%d, alternate unit", model) << model << true << 240 << QDateTime();
        }
        const QDate day(2024, 3, 31);   // a daylight-saving change in many zones
        QTest::newRow("empty record") << 4423 << false << 0 << QDateTime();
        QTest::newRow("70000 samples") << 4423 << false << 70000 << QDateTime();
        QTest::newRow("UTC times") << 3702 << false << 240 << QDateTime(day, QTime(0, 30), Qt::UTC);
        QTest::newRow("times at UTC+05:30")
            << 4405 << true << 240 << QDateTime(day, QTime(0, 30), Qt::OffsetFromUTC, 19800);
    }

    // What was written is what is read, into a store that held another record.
    void roundTrip()
    {
        QFETCH(int, model);
        QFETCH(bool, altUnit);
        QFETCH(int, count);
        QFETCH(QDateTime, start);
        UartDataStore &a = *Source;
        UartDataStore &b = *Target;
        SampleRecordOptions options = OptionsFor(model, altUnit, count);
        if (start.isValid())
            options.start = start;
        FillSampleRecord(a, options);
        FillEveryArray(b);
        const QString path = Dir->filePath("20240301120000.rec");
        QString error;

        QVERIFY2(WriteRecordFile(a, path, &error), qPrintable(error));
        QVERIFY2(ReadRecordFile(path, b, &error), qPrintable(error));

        QCOMPARE(Dump(b), Dump(a));   // every sample, the last one too
        QVERIFY(b.RECFilePath == path && b.ShowStart == 0 && b.ShowEnd == count && b.RecordShown);
        QCOMPARE(b.RECMeterName, a.RECFileName);
        QCOMPARE(b.HasThermocouple, QList<int>({4423, 4426, 4428}).contains(model) && count > 0);
        for (BlockPair pair : LayoutForModel(model)->block) {   // the file's alarm limits
            const auto fields = AlarmFieldsOf(pair);
            if (fields.first) {
                QCOMPARE((b.*fields.first).Low, (a.*fields.first).Low);
                QCOMPARE((b.*fields.first).High, (a.*fields.first).High);
            }
            if (fields.second) {
                QCOMPARE((b.ShownAlarm.*fields.second).Low, (a.ShownAlarm.*fields.second).Low);
                QCOMPARE((b.ShownAlarm.*fields.second).High, (a.ShownAlarm.*fields.second).High);
            }
        }
    }

    // The file name, the title on both sides, and the name the table of known
    // loggers gives the device.
    void titleAndKnownName()
    {
        const QString name = RecordFileName(QDateTime(QDate(2024, 3, 1), QTime(8, 5, 9)));
        QCOMPARE(name, QStringLiteral("20240301080509.rec"));
        UartDataStore &a = *Source;
        FillSampleRecord(a, OptionsFor(4423));
        a.RECFileName = QStringLiteral("Cold room");
        a.RECDeviceID = QStringLiteral("A17");
        Target->KnownLoggers = {{"other", "Wrong one", QDate(2024, 1, 1), 3702},
                                {"A17", "Freezer 2", QDate(2024, 1, 1), 4423}};
        const QString path = Dir->filePath(name);
        QString error;
        QVERIFY2(WriteRecordFile(a, path, &error), qPrintable(error));
        QCOMPARE(a.RECTitle, QStringLiteral("Cold room(A17)20240301080509.rec"));
        QVERIFY2(ReadRecordFile(path, *Target, &error), qPrintable(error));
        QCOMPARE(Target->RECTitle, a.RECTitle);
        QCOMPARE(Target->RECFileName, QStringLiteral("Cold room"));
        QCOMPARE(Target->RECMeterName, QStringLiteral("Freezer 2"));
    }

    void badFileRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray good = Good;
        const int rows = HeaderSize + 4 * 16;   // 3708: four pairs in the block
        const int countOffset = HeaderSize - 4;
        const int createOffset = ModelOffset + 4;
        const QString notRecord = "is not a record file";
        const QString truncated = "is truncated";
        const QString endMark = "end mark";
        QTest::newRow("text file") << QByteArray("Temperature log\n20.5\n21.0\n") << notRecord;
        QTest::newRow("empty file") << QByteArray() << notRecord;
        QTest::newRow("larger than any record") << good + QByteArray(17 << 20, 'x') << notRecord;
        QTest::newRow("huge string length") << Patched(good, 0, BigEndian(0x7FFFFFF0)) << notRecord;
        QTest::newRow("odd string length") << Patched(good, 0, BigEndian(21)) << notRecord;
        QTest::newRow("creation time not a date")
            << Patched(good, createOffset + 4, QByteArray("\0x", 2)) << notRecord;
        QTest::newRow("unit flag 7") << Patched(good, countOffset - 1, "\x07") << notRecord;
        QTest::newRow("truncated in the header") << good.left(ModelOffset + 2) << truncated;
        QTest::newRow("truncated in the block") << good.left(HeaderSize + 20) << truncated;
        QTest::newRow("truncated in the rows") << good.left(good.size() - 6 - 30) << truncated;
        QTest::newRow("count one more than the rows")
            << Patched(good, countOffset, BigEndian(241)) << truncated;
        QTest::newRow("count one less than the rows")
            << Patched(good, countOffset, BigEndian(239)) << endMark;
        QTest::newRow("sample count -1")
            << Patched(good, countOffset, BigEndian(-1)) << "claims -1 samples";
        QTest::newRow("sample count 70001")
            << Patched(good, countOffset, BigEndian(70001)) << "claims 70001 samples";
        QTest::newRow("unknown model 9901")
            << Patched(good, ModelOffset, BigEndian(9901)) << "unknown meter model (9901)";
        QTest::newRow("unknown time zone kind in a row")
            << Patched(good, rows + 12, "\x09") << "a sample row cannot be read";
        QTest::newRow("trailer missing") << good.left(good.size() - 6) << endMark;
        QTest::newRow("trailer misspelt") << Patched(good, good.size() - 1, "X") << endMark;
        QTest::newRow("bytes after the trailer") << good + QByteArray(1, '\0') << endMark;
    }

    void badFileRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        FillEveryArray(*Target);
        const QString path = Dir->filePath("20240301080000.rec");
        QVERIFY(WriteBytes(path, bytes));
        ExpectRefused(path, reason);
    }

    void unreadableFileRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing" << "cannot be opened: No such file";
        QTest::newRow("a folder") << "folder" << "cannot be opened: Is a directory";
        QTest::newRow("a named pipe") << "pipe" << "is not a record file";
        QTest::newRow("a link to a device") << "device" << "is not a record file";
    }

    // Refused at once: nothing is read from a pipe or a device, and never
    // more than a record can hold.
    void unreadableFileRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        FillEveryArray(*Target);
        const QString path = Dir->filePath(kind + ".rec");
        QVERIFY(PutOddFile(path, kind));
        MemoryLimit limit(256 << 20);
        ExpectRefused(path, reason);
    }

    void openingResetsEveryStatistic_data()
    {
        QTest::addColumn<int>("model");
        for (int model : {3709, 4405, 6201, 3701})
            QTest::addRow("%d", model) << model;
    }

    // A record read into a store that showed another one has the statistics
    // and alarm pairs of a store that never showed anything.
    void openingResetsEveryStatistic()
    {
        QFETCH(int, model);
        FillSampleRecord(*Source, OptionsFor(model));
        const QString path = Dir->filePath("20240301120000.rec");
        QString error;
        QVERIFY2(WriteRecordFile(*Source, path, &error), qPrintable(error));
        UartDataStore &shown = *Target;
        FillEveryArray(shown);
        SpoilStatistics(shown);
        auto fresh = std::make_unique<UartDataStore>();
        QVERIFY2(ReadRecordFile(path, shown, &error), qPrintable(error));
        QVERIFY2(ReadRecordFile(path, *fresh, &error), qPrintable(error));
        QCOMPARE(Statistics(shown), Statistics(*fresh));
    }

    // A record that cannot be written whole (a full disk) leaves the file
    // before it, and the message says why.
    void fullDiskKeepsTheOldRecord()
    {
        const QString path = Dir->filePath("20240301130000.rec");
        QVERIFY(WriteBytes(path, Good));
        UartDataStore &a = *Source;
        FillSampleRecord(a, OptionsFor(3702));
        a.RECFilePath = QStringLiteral("/before.rec");
        QString error;
        {
            FileSizeLimit full(1000);
            QVERIFY(!WriteRecordFile(a, path, &error));
        }
        QCOMPARE(error, QStringLiteral("The record cannot be saved as 20240301130000.rec: "
                                       "File too large."));
        QVERIFY(ReadBytes(path) == Good);
        QCOMPARE(a.RECFilePath, QStringLiteral("/before.rec"));
    }

    void writeLimits_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("reason");   // empty: written, and read back
        auto names = [](int length) {
            return Change([length](UartDataStore &s) {
                s.RECFileName = QString(length, QLatin1Char('N'));
                s.RECDeviceID = QString(length, QLatin1Char('D'));
            });
        };
        QTest::newRow("folder missing") << "nowhere/a.rec" << Change([](UartDataStore &) {})
                                        << "cannot be saved as a.rec";
        QTest::newRow("unknown model")
            << "b.rec" << Change([](UartDataStore &s) { s.RECModel = 9901; }) << "9901";
        QTest::newRow("too many samples")
            << "c.rec" << Change([](UartDataStore &s) { s.Lognum = 70001; }) << "70001 samples";
        QTest::newRow("no creation time")
            << "d.rec" << Change([](UartDataStore &s) { s.RECCreateTime.clear(); })
            << "creation time";
        QTest::newRow("names of 257 characters") << "e.rec" << names(257) << "longer than 256";
        QTest::newRow("names of 256 characters") << "f.rec" << names(256) << "";
    }

    // A refused write leaves no file, and the store keeps its path and title.
    void writeLimits()
    {
        QFETCH(QString, file);
        QFETCH(Change, change);
        QFETCH(QString, reason);
        UartDataStore &a = *Source;
        FillSampleRecord(a, OptionsFor(3702));
        a.RECFilePath = QStringLiteral("/before.rec");
        a.RECTitle = QStringLiteral("before");
        change(a);
        const QString path = Dir->filePath(file);
        QString error;
        if (reason.isEmpty()) {
            QVERIFY2(WriteRecordFile(a, path, &error), qPrintable(error));
            QVERIFY2(ReadRecordFile(path, *Target, &error), qPrintable(error));
            QCOMPARE(Target->RECFileName, a.RECFileName);
            QCOMPARE(Target->RECDeviceID, a.RECDeviceID);
            return;
        }
        QVERIFY(!WriteRecordFile(a, path, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(a.RECFilePath, QStringLiteral("/before.rec"));
        QCOMPARE(a.RECTitle, QStringLiteral("before"));
    }

    // One example per family, each loading as a record of its model.
    void examplesLoad()
    {
        const QByteArray source = qgetenv("METERLOG_SOURCE_DIR");
        if (source.isEmpty())
            QSKIP("METERLOG_SOURCE_DIR is not set");
        const QDir folder(QString::fromLocal8Bit(source) + "/examples");
        std::set<int> models;
        for (const QString &file : folder.entryList({"*.rec"}, QDir::Files, QDir::Name)) {
            QString error;
            QVERIFY2(ReadRecordFile(folder.filePath(file), *Target, &error), qPrintable(error));
            QVERIFY(file.size() == 18 && Target->Lognum >= 100 && Target->RECTitle.endsWith(file));
            models.insert(Target->RECModel);
        }
        QCOMPARE(models, std::set<int>(ExampleModels.cbegin(), ExampleModels.cend()));
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"
