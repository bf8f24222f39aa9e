// Record files: write/read round trips of every meter family in both units,
// file names and titles, refused files that leave the record on show alone,
// refused writes, and the example records of the source tree.

#include "app/modelfamily.h"
#include "app/recordimage.h"
#include "app/recordfile.h"
#include "app/uartdatastore.h"
#include "tests/support/workdir.h"
#include "tools/samplerecord.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <QtTest>

#include <unistd.h>

#include <memory>
#include <set>

namespace {

const QList<int> ExampleModels = {6201, 3701, 3702, 3707, 3708, 3709, 3710, 3721, 3725,
                                  4401, 4405, 4421, 4423, 4425, 4426, 4428, 5301};

SampleRecordOptions OptionsFor(int model, bool altUnit)
{
    SampleRecordOptions options;
    options.model = model;
    options.count = 240;
    options.periodSeconds = model / 100 == 53 ? 1 : 300;
    options.missingEvery = 37;
    options.altUnit = altUnit;
    options.seed = quint32(model) * 7u;
    return options;
}

// The store's alarm pair a block pair names and its shown counterpart
// (nullptr for extremes, and for humidity, which has no shown pair).
struct AlarmFields {
    AlarmPair UartDataStore::*recorded = nullptr;
    AlarmPair ShownAlarmSet::*shown = nullptr;
};

AlarmFields AlarmFieldsOf(BlockPair pair)
{
    switch (pair) {
    case BlockPair::TemperatureAlarm:
        return {&UartDataStore::TempAlarm, &ShownAlarmSet::Temperature};
    case BlockPair::HumidityAlarm: return {&UartDataStore::HumAlarm, nullptr};
    case BlockPair::DecibelAlarm: return {&UartDataStore::DecibelAlarm, &ShownAlarmSet::Decibel};
    case BlockPair::LightAlarm: return {&UartDataStore::LightAlarm, &ShownAlarmSet::Light};
    case BlockPair::CurrentAlarm: return {&UartDataStore::CurrentAlarm, &ShownAlarmSet::Current};
    case BlockPair::VoltageAlarm: return {&UartDataStore::VoltageAlarm, &ShownAlarmSet::Voltage};
    default: return {};
    }
}

// Every raw array non-zero over the first samples and alarm limits unlike
// the generator's, so a reader that forgets to clear what a family does not
// record, or to take the file's limits, is caught.
void FillEveryArray(UartDataStore &s)
{
    SampleRecordOptions options = OptionsFor(4423, false);
    options.count = 300;
    FillSampleRecord(s, options);
    for (int i = 0; i < options.count; ++i) {
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
    s.ShowStart = 5;
    s.ShowEnd = 10;
    s.RecordShown = false;
}

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Patched(QByteArray bytes, int at, const QByteArray &with)
{
    return bytes.replace(at, with.size(), with);
}

QByteArray Int32Bytes(qint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// A few fields and samples of the record on show, to tell whether a refused
// file changed anything.
struct Snapshot {
    int model, count, showEnd;
    QString name, title, path;
    QDateTime firstTime;
    double sums[6];

    static Snapshot Of(const UartDataStore &s)
    {
        Snapshot shot{s.RECModel, s.Lognum, s.ShowEnd, s.RECFileName, s.RECTitle, s.RECFilePath,
                      s.SampleTime[0], {}};
        const double *arrays[6] = {s.TempRaw, s.TempValue, s.Humidity, s.ThermocoupleRaw,
                                   s.Current, s.DewPointValue};
        for (int a = 0; a < 6; ++a) {
            for (int i = 0; i < UartDataStore::MaxSamples; ++i)
                shot.sums[a] += arrays[a][i];
        }
        return shot;
    }
    bool operator==(const Snapshot &o) const
    {
        return model == o.model && count == o.count && showEnd == o.showEnd && name == o.name
               && title == o.title && path == o.path && firstTime == o.firstTime
               && std::equal(sums, sums + 6, o.sums);
    }
};

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void roundTrip_data();
    void roundTrip();
    void fileNameAndTitle();
    void knownLoggerNameIsUsed();
    void badFileRefused_data();
    void badFileRefused();
    void unreadableFileRefused_data();
    void unreadableFileRefused();
    void writeRefused_data();
    void writeRefused();
    void longestNamesStillLoad();
    void examplesLoad();

private:
    void CompareRecord(const UartDataStore &a, const UartDataStore &b);
    void CompareColumns(const UartDataStore &a, const UartDataStore &b);

    std::unique_ptr<WorkDir> m_dir;
    std::unique_ptr<UartDataStore> m_source;
    std::unique_ptr<UartDataStore> m_target;
    QByteArray m_good;       // a 3708 record file (with the integer channel)
    int m_headerSize = 0;
    int m_modelOffset = 0;
    int m_createOffset = 0;
};

void TestRecords::initTestCase()
{
    m_dir = std::make_unique<WorkDir>();
    QVERIFY(m_dir->isValid());
    m_source = std::make_unique<UartDataStore>();
    m_target = std::make_unique<UartDataStore>();

    FillSampleRecord(*m_source, OptionsFor(3708, false));
    const QString path = m_dir->filePath("good.rec");
    QString error;
    QVERIFY2(WriteRecordFile(*m_source, path, &error), qPrintable(error));
    m_good = ReadBytes(path);
    m_modelOffset = 8 + 2 * (m_source->RECFileName.size() + m_source->RECDeviceID.size());
    m_createOffset = m_modelOffset + 4;
    m_headerSize = m_createOffset + 4 + 32 + 4 + 1 + 1 + 4;
}

void TestRecords::init()
{
    m_source->KnownLoggers.clear();
    m_target->KnownLoggers.clear();
}

void TestRecords::roundTrip_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("altUnit");
    QTest::addColumn<int>("count");
    for (int model : ExampleModels) {
        QTest::addRow("%d, recorded unit", model) << model << false << 240;
        QTest::addRow("%d, alternate unit", model) << model << true << 240;
    }
    QTest::newRow("empty record") << 4423 << false << 0;
}

// What was written is what is read, into a store that held another record.
void TestRecords::roundTrip()
{
    QFETCH(int, model);
    QFETCH(bool, altUnit);
    QFETCH(int, count);
    UartDataStore &a = *m_source;
    UartDataStore &b = *m_target;
    SampleRecordOptions options = OptionsFor(model, altUnit);
    options.count = count;
    FillSampleRecord(a, options);
    FillEveryArray(b);
    const QString path = m_dir->filePath("20240301120000.rec");
    QString error;

    QVERIFY2(WriteRecordFile(a, path, &error), qPrintable(error));
    QVERIFY2(ReadRecordFile(path, b, &error), qPrintable(error));

    CompareRecord(a, b);
    CompareColumns(a, b);
    for (const UartDataStore *s : {&a, &b}) {
        QCOMPARE(s->RECFilePath, path);
        QCOMPARE(s->ShowStart, 0);
        QCOMPARE(s->ShowEnd, count);
        QVERIFY(s->RecordShown);
    }
    QCOMPARE(b.RECMeterName, a.RECFileName);
    QCOMPARE(b.HasThermocouple, ModelRecordsThermocouple(model) && count > 0);
}

void TestRecords::CompareRecord(const UartDataStore &a, const UartDataStore &b)
{
    QCOMPARE(b.RECFileName, a.RECFileName);
    QCOMPARE(b.RECDeviceID, a.RECDeviceID);
    QCOMPARE(b.RECModel, a.RECModel);
    QCOMPARE(b.RECCreateTime, a.RECCreateTime);
    QCOMPARE(b.SamplePeriod, a.SamplePeriod);
    QCOMPARE(b.StartMode, a.StartMode);
    QCOMPARE(b.AltUnit, a.AltUnit);
    QCOMPARE(b.Lognum, a.Lognum);
    for (BlockPair pair : LayoutForModel(a.RECModel)->block) {
        const AlarmFields fields = AlarmFieldsOf(pair);
        if (!fields.recorded)
            continue;
        QCOMPARE((b.*fields.recorded).Low, (a.*fields.recorded).Low);
        QCOMPARE((b.*fields.recorded).High, (a.*fields.recorded).High);
        if (!fields.shown)
            continue;
        QCOMPARE((b.ShownAlarm.*fields.shown).Low, (a.ShownAlarm.*fields.shown).Low);
        QCOMPARE((b.ShownAlarm.*fields.shown).High, (a.ShownAlarm.*fields.shown).High);
    }
    const ExtremeSet &x = a.ShownExtremes;
    const ExtremeSet &y = b.ShownExtremes;
    for (auto pair : {&ExtremeSet::Temperature, &ExtremeSet::Humidity, &ExtremeSet::Light,
                      &ExtremeSet::Decibel, &ExtremeSet::Voltage, &ExtremeSet::Current}) {
        QCOMPARE((y.*pair).Max, (x.*pair).Max);
        QCOMPARE((y.*pair).Min, (x.*pair).Min);
    }
}

// Recorded and shown arrays of every sample. The writer's store has zero in
// the arrays its family does not record; the reader's held another record.
void TestRecords::CompareColumns(const UartDataStore &a, const UartDataStore &b)
{
    for (int i = 0; i < a.Lognum; ++i) {
        QCOMPARE(b.SampleTime[i], a.SampleTime[i]);
        QCOMPARE(b.TempRaw[i], a.TempRaw[i]);
        QCOMPARE(b.TempValue[i], a.TempValue[i]);
        QCOMPARE(b.Humidity[i], a.Humidity[i]);
        QCOMPARE(b.DewPointValue[i], a.DewPointValue[i]);
        QCOMPARE(b.WetBulbValue[i], a.WetBulbValue[i]);
        QCOMPARE(b.ThermocoupleValue[i], a.ThermocoupleValue[i]);
        QCOMPARE(b.IntChannel[i], a.IntChannel[i]);
        QCOMPARE(b.DecibelValue[i], a.DecibelValue[i]);
        QCOMPARE(b.LightValue[i], a.LightValue[i]);
        QCOMPARE(b.Current[i], a.Current[i]);
        QCOMPARE(b.Voltage[i], a.Voltage[i]);
        for (int probe = 0; probe < UartDataStore::ProbeCount; ++probe) {
            QCOMPARE(b.ProbeRaw[probe][i], a.ProbeRaw[probe][i]);
            QCOMPARE(b.ProbeValue[probe][i], a.ProbeValue[probe][i]);
        }
    }
}

void TestRecords::fileNameAndTitle()
{
    const QString name = RecordFileName(QDateTime(QDate(2024, 3, 1), QTime(8, 5, 9)));
    QCOMPARE(name, QStringLiteral("20240301080509.rec"));
    QCOMPARE(name.size(), 18);

    UartDataStore &a = *m_source;
    FillSampleRecord(a, OptionsFor(4423, false));
    a.RECFileName = QStringLiteral("Cold room");
    a.RECDeviceID = QStringLiteral("A17");
    const QString folder = m_dir->filePath("Recorded Data");
    QVERIFY(QDir().mkpath(folder));
    QString error;
    QVERIFY2(WriteRecordFile(a, folder + "/" + name, &error), qPrintable(error));
    QCOMPARE(a.RECTitle, QStringLiteral("Cold room(A17)20240301080509.rec"));
    QVERIFY2(ReadRecordFile(folder + "/" + name, *m_target, &error), qPrintable(error));
    QCOMPARE(m_target->RECTitle, a.RECTitle);
    QCOMPARE(m_target->RECFilePath, folder + "/" + name);
}

void TestRecords::knownLoggerNameIsUsed()
{
    FillSampleRecord(*m_source, OptionsFor(3702, false));
    const QString path = m_dir->filePath("known.rec");
    QString error;
    QVERIFY2(WriteRecordFile(*m_source, path, &error), qPrintable(error));
    m_target->KnownLoggers = {{"other", "Wrong one", QDate(2024, 1, 1), 3702},
                              {m_source->RECDeviceID, "Freezer 2", QDate(2024, 1, 1), 3702}};

    QVERIFY2(ReadRecordFile(path, *m_target, &error), qPrintable(error));

    QCOMPARE(m_target->RECMeterName, QStringLiteral("Freezer 2"));
    QCOMPARE(m_target->RECFileName, m_source->RECFileName);
}

void TestRecords::badFileRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QByteArray good = m_good;
    const int rows = m_headerSize + 4 * 16;   // 3708: four pairs in the block
    const int countOffset = m_headerSize - 4;
    const QString notRecord = "is not a record file";
    const QString truncated = "is truncated";
    const QString endMark = "end mark";

    QTest::newRow("text file") << QByteArray("Temperature log\n20.5\n21.0\n") << notRecord;
    QTest::newRow("empty file") << QByteArray() << notRecord;
    QTest::newRow("larger than any record") << good + QByteArray(17 * 1024 * 1024, 'x') << notRecord;
    QTest::newRow("huge meter name length")
        << Patched(good, 0, Int32Bytes(0x7FFFFFF0)) << notRecord;
    QTest::newRow("huge device ID length")
        << Patched(good, 4 + 2 * m_source->RECFileName.size(), Int32Bytes(0x40000000)) << notRecord;
    QTest::newRow("odd string length") << Patched(good, 0, Int32Bytes(21)) << notRecord;
    QTest::newRow("creation time not a date")
        << Patched(good, m_createOffset + 4, QByteArray("\0x", 2)) << notRecord;
    QTest::newRow("unit flag 7") << Patched(good, countOffset - 1, "\x07") << notRecord;
    QTest::newRow("truncated in the header") << good.left(m_modelOffset + 2) << truncated;
    QTest::newRow("truncated in the block") << good.left(m_headerSize + 20) << truncated;
    QTest::newRow("truncated in the rows") << good.left(good.size() - 6 - 30) << truncated;
    QTest::newRow("count one more than the rows")
        << Patched(good, countOffset, Int32Bytes(241)) << truncated;
    QTest::newRow("count one less than the rows")
        << Patched(good, countOffset, Int32Bytes(239)) << endMark;
    QTest::newRow("sample count -1")
        << Patched(good, countOffset, Int32Bytes(-1)) << "claims -1 samples";
    QTest::newRow("sample count 70001")
        << Patched(good, countOffset, Int32Bytes(70001)) << "claims 70001 samples";
    QTest::newRow("unknown model 9901")
        << Patched(good, m_modelOffset, Int32Bytes(9901)) << "unknown meter model (9901)";
    QTest::newRow("unknown time zone kind in a row")
        << Patched(good, rows + 12, "\x09") << "a sample row cannot be read";
    QTest::newRow("trailer missing") << good.left(good.size() - 6) << endMark;
    QTest::newRow("trailer misspelt") << Patched(good, good.size() - 1, "X") << endMark;
    QTest::newRow("bytes after the trailer") << good + QByteArray(1, '\0') << endMark;
}

// Refused with a message naming the file and the reason; the record on show
// (another model) keeps every field and sample.
void TestRecords::badFileRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    FillEveryArray(*m_target);
    QString error;
    QVERIFY(WriteRecordFile(*m_target, m_dir->filePath("shown.rec"), &error));
    const Snapshot before = Snapshot::Of(*m_target);
    const QString path = m_dir->filePath("20240301080000.rec");
    WriteBytes(path, bytes);

    QVERIFY(!ReadRecordFile(path, *m_target, &error));

    QVERIFY2(error.contains("20240301080000.rec"), qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QVERIFY(Snapshot::Of(*m_target) == before);
}

void TestRecords::unreadableFileRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("folder") << "folder";
    QTest::newRow("no read permission") << "permission";
}

void TestRecords::unreadableFileRefused()
{
    QFETCH(QString, kind);
    const QString path = m_dir->filePath("unreadable-" + kind + ".rec");
    if (kind == "folder")
        QVERIFY(QDir().mkpath(path));
    if (kind == "permission") {
        if (geteuid() == 0)
            QSKIP("root reads any file whatever its permissions");
        WriteBytes(path, m_good);
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    }
    FillEveryArray(*m_target);
    const Snapshot before = Snapshot::Of(*m_target);
    QString error;

    QVERIFY(!ReadRecordFile(path, *m_target, &error));

    QVERIFY2(error.contains("unreadable-" + kind + ".rec"), qPrintable(error));
    QVERIFY2(error.contains("cannot be"), qPrintable(error));
    QVERIFY(Snapshot::Of(*m_target) == before);
}

void TestRecords::writeRefused_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("createTime");
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QString>("reason");

    QTest::newRow("folder missing") << 3702 << 10 << "2024-03-01 08:00" << "nowhere/a.rec"
                                    << "cannot be saved as a.rec";
    QTest::newRow("path is a folder") << 3702 << 10 << "2024-03-01 08:00" << "."
                                      << "cannot be saved";
    QTest::newRow("unknown model") << 9901 << 10 << "2024-03-01 08:00" << "b.rec" << "9901";
    QTest::newRow("too many samples") << 3702 << 70001 << "2024-03-01 08:00" << "c.rec"
                                      << "70001 samples";
    QTest::newRow("no creation time") << 3702 << 10 << "" << "d.rec" << "creation time";
}

// Nothing is written and the store keeps its path and title.
void TestRecords::writeRefused()
{
    QFETCH(int, model);
    QFETCH(int, count);
    QFETCH(QString, createTime);
    QFETCH(QString, relativePath);
    QFETCH(QString, reason);
    UartDataStore &a = *m_source;
    FillSampleRecord(a, OptionsFor(3702, false));
    a.RECFilePath = QStringLiteral("/before.rec");
    a.RECTitle = QStringLiteral("before");
    a.RECModel = model;
    a.Lognum = count;
    a.RECCreateTime = createTime;
    const QString path = m_dir->filePath(relativePath);
    const bool existed = QFileInfo::exists(path);
    QString error;

    QVERIFY(!WriteRecordFile(a, path, &error));

    QVERIFY2(error.contains(reason), qPrintable(error));
    QCOMPARE(QFileInfo::exists(path), existed);
    QCOMPARE(a.RECFilePath, QStringLiteral("/before.rec"));
    QCOMPARE(a.RECTitle, QStringLiteral("before"));
}

// One example per family, each loading as a record of its model.
void TestRecords::examplesLoad()
{
    const QByteArray source = qgetenv("METERLOG_SOURCE_DIR");
    if (source.isEmpty())
        QSKIP("METERLOG_SOURCE_DIR is not set");
    const QDir folder(QString::fromLocal8Bit(source) + "/examples");
    const QStringList files = folder.entryList({"*.rec"}, QDir::Files, QDir::Name);
    std::set<int> models;
    for (const QString &file : files) {
        QString error;
        QVERIFY2(ReadRecordFile(folder.filePath(file), *m_target, &error), qPrintable(error));
        QCOMPARE(file.size(), 18);
        QVERIFY(m_target->Lognum >= 100);
        QVERIFY(m_target->RECTitle.endsWith(file));
        models.insert(m_target->RECModel);
    }
    QCOMPARE(models, std::set<int>(ExampleModels.cbegin(), ExampleModels.cend()));
}

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"

// What the writer accepts, the reader opens again; one character more is
// refused before anything is written.
void TestRecords::longestNamesStillLoad()
{
    UartDataStore &a = *m_source;
    FillSampleRecord(a, OptionsFor(3702, false));
    a.RECFileName = QString(RecordImageFormat::MaxTextLength, QLatin1Char('N'));
    a.RECDeviceID = QString(RecordImageFormat::MaxTextLength, QLatin1Char('D'));
    const QString path = m_dir->filePath("longest.rec");
    QString error;
    QVERIFY2(WriteRecordFile(a, path, &error), qPrintable(error));
    QVERIFY2(ReadRecordFile(path, *m_target, &error), qPrintable(error));
    QCOMPARE(m_target->RECFileName, a.RECFileName);

    a.RECDeviceID += QLatin1Char('D');
    const QString longer = m_dir->filePath("longer.rec");
    QVERIFY(!WriteRecordFile(a, longer, &error));
    QVERIFY2(error.contains("longer than 256"), qPrintable(error));
    QVERIFY(!QFileInfo::exists(longer));
}
