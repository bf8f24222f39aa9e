#include "app/recordimage.h"

#include "app/derivedquantities.h"
#include "app/recordbytes.h"
#include "app/uartdatastore.h"

#include <QBuffer>
#include <QDataStream>

#include <algorithm>
#include <utility>

namespace RecordImageFormat {

const char CreateTimeFormat[] = "yyyy-MM-dd hh:mm";

namespace {

constexpr int MaxCreateTimeLength = 64;

// The store array behind a double column; IntChannel has none (it is int).
template <typename Store>
auto ColumnOf(Store &store, RecordColumn column) -> decltype(&store.TempRaw[0])
{
    switch (column) {
    case RecordColumn::Temperature: return store.TempRaw;
    case RecordColumn::Humidity: return store.Humidity;
    case RecordColumn::Thermocouple: return store.ThermocoupleRaw;
    case RecordColumn::Probe1: return store.ProbeRaw[0];
    case RecordColumn::Probe2: return store.ProbeRaw[1];
    case RecordColumn::Probe3: return store.ProbeRaw[2];
    case RecordColumn::Probe4: return store.ProbeRaw[3];
    case RecordColumn::Decibel: return store.DecibelValue;
    case RecordColumn::Light: return store.LightRaw;
    case RecordColumn::Current: return store.Current;
    case RecordColumn::Voltage: return store.Voltage;
    case RecordColumn::IntChannel: break;
    }
    return nullptr;
}

// The two store fields of a block pair, in file order.
template <typename Store>
auto StorePair(Store &store, BlockPair pair)
    -> std::pair<decltype(&store.TempAlarm.Low), decltype(&store.TempAlarm.Low)>
{
    auto &x = store.ShownExtremes;
    switch (pair) {
    case BlockPair::TemperatureExtremes: return {&x.Temperature.Max, &x.Temperature.Min};
    case BlockPair::HumidityExtremes: return {&x.Humidity.Max, &x.Humidity.Min};
    case BlockPair::DecibelExtremes: return {&x.Decibel.Max, &x.Decibel.Min};
    case BlockPair::LightExtremes: return {&x.Light.Max, &x.Light.Min};
    case BlockPair::CurrentExtremes: return {&x.Current.Max, &x.Current.Min};
    case BlockPair::VoltageExtremes: return {&x.Voltage.Max, &x.Voltage.Min};
    case BlockPair::TemperatureAlarm: return {&store.TempAlarm.Low, &store.TempAlarm.High};
    case BlockPair::HumidityAlarm: return {&store.HumAlarm.Low, &store.HumAlarm.High};
    case BlockPair::DecibelAlarm: return {&store.DecibelAlarm.Low, &store.DecibelAlarm.High};
    case BlockPair::LightAlarm: return {&store.LightAlarm.Low, &store.LightAlarm.High};
    case BlockPair::CurrentAlarm: return {&store.CurrentAlarm.High, &store.CurrentAlarm.Low};
    case BlockPair::VoltageAlarm: return {&store.VoltageAlarm.High, &store.VoltageAlarm.Low};
    }
    return {nullptr, nullptr};
}

// The store keeps these extremes in the shown unit; the file keeps them as
// recorded.
double BlockValueToRecorded(BlockPair pair, double shown, bool altUnit)
{
    if (pair == BlockPair::TemperatureExtremes)
        return Quantities::TemperatureToRecorded(shown, altUnit);
    if (pair == BlockPair::LightExtremes)
        return Quantities::LightToRecorded(shown, altUnit);
    return shown;
}

QDateTime StorableTime(const QDateTime &time)
{
    // Rows hold local, UTC or fixed-offset times; a named zone becomes local.
    return time.timeSpec() == Qt::TimeZone ? time.toLocalTime() : time;
}

void CaptureColumns(const UartDataStore &store, RecordImage &image)
{
    const int count = image.count;
    image.times.resize(count);
    for (int i = 0; i < count; ++i)
        image.times[i] = StorableTime(store.SampleTime[i]);
    for (RecordColumn column : image.layout->columns) {
        QVector<double> &values = image.columns[int(column)];
        values.resize(count);
        if (column == RecordColumn::IntChannel) {
            std::copy(store.IntChannel, store.IntChannel + count, values.begin());
        } else {
            const double *source = StoreColumn(store, column);
            std::copy(source, source + count, values.begin());
        }
    }
}

void WriteRow(QDataStream &out, const RecordImage &image, int row)
{
    out << image.times[row];
    for (RecordColumn column : image.layout->columns) {
        const double value = image.columns[int(column)][row];
        if (column == RecordColumn::IntChannel)
            out << qint32(value);
        else
            out << value;
    }
}

RecordProblem HeaderReadProblem(const RecordByteReader &in, const QByteArray &bytes)
{
    if (in.status() == RecordByteReader::Status::PastEnd && !bytes.isEmpty())
        return RecordProblem::Truncated;
    return RecordProblem::NotRecordFile;
}

RecordProblem ParseHeader(RecordByteReader &in, const QByteArray &bytes, RecordImage &image)
{
    image.meterName = in.ReadString(MaxTextLength);
    image.deviceId = in.ReadString(MaxTextLength);
    image.model = in.ReadInt32();
    image.createTime = in.ReadString(MaxCreateTimeLength);
    image.period = in.ReadInt32();
    image.startMode = in.ReadInt8();
    const qint8 unitFlag = in.ReadInt8();
    image.count = in.ReadInt32();
    if (!in.ok())
        return HeaderReadProblem(in, bytes);
    if (unitFlag != 0 && unitFlag != 1)
        return RecordProblem::NotRecordFile;
    image.altUnit = unitFlag == 1;
    return CheckHeader(image);
}

RecordProblem RowReadProblem(const RecordByteReader &in)
{
    return in.status() == RecordByteReader::Status::PastEnd ? RecordProblem::Truncated
                                                            : RecordProblem::Damaged;
}

RecordProblem ParseRows(RecordByteReader &in, RecordImage &image)
{
    const int count = image.count;
    const QVector<RecordColumn> &columns = image.layout->columns;
    image.times.resize(count);
    for (RecordColumn column : columns)
        image.columns[int(column)].resize(count);
    for (int row = 0; row < count && in.ok(); ++row) {
        image.times[row] = in.ReadDateTime();
        for (RecordColumn column : columns) {
            image.columns[int(column)][row] =
                column == RecordColumn::IntChannel ? in.ReadInt32() : in.ReadDouble();
        }
    }
    return in.ok() ? RecordProblem::None : RowReadProblem(in);
}

} // namespace

double *StoreColumn(UartDataStore &store, RecordColumn column)
{
    return ColumnOf(store, column);
}

const double *StoreColumn(const UartDataStore &store, RecordColumn column)
{
    return ColumnOf(store, column);
}

namespace {

// Date and time are checked apart: a local time in a daylight-saving gap is
// still a fine creation time text.
bool IsCreateTimeText(const QString &text)
{
    return text.size() == 16 && text.at(10) == QLatin1Char(' ')
           && QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd")).isValid()
           && QTime::fromString(text.mid(11), QStringLiteral("hh:mm")).isValid();
}

} // namespace

RecordProblem CheckHeader(const RecordImage &image)
{
    if (image.meterName.size() > MaxTextLength || image.deviceId.size() > MaxTextLength)
        return RecordProblem::TextTooLong;
    if (!IsCreateTimeText(image.createTime))
        return RecordProblem::NotRecordFile;
    if (!LayoutForModel(image.model))
        return RecordProblem::UnknownModel;
    if (image.count < 0 || image.count > UartDataStore::MaxSamples)
        return RecordProblem::BadSampleCount;
    return RecordProblem::None;
}

RecordProblem Capture(const UartDataStore &store, RecordImage &image)
{
    image.meterName = store.RECFileName;
    image.deviceId = store.RECDeviceID;
    image.model = store.RECModel;
    image.createTime = store.RECCreateTime;
    image.period = store.SamplePeriod;
    image.startMode = store.StartMode;
    image.altUnit = store.AltUnit;
    image.count = store.Lognum;
    const RecordProblem problem = CheckHeader(image);
    if (problem != RecordProblem::None)
        return problem;
    image.layout = LayoutForModel(image.model);
    image.block.clear();
    for (BlockPair pair : image.layout->block) {
        const auto fields = StorePair(store, pair);
        image.block << BlockValueToRecorded(pair, *fields.first, image.altUnit)
                    << BlockValueToRecorded(pair, *fields.second, image.altUnit);
    }
    CaptureColumns(store, image);
    return RecordProblem::None;
}

QByteArray Serialize(const RecordImage &image)
{
    QByteArray bytes;
    const int rowBytes = 17 + 8 * image.layout->columns.size();
    bytes.reserve(256 + 16 * image.block.size() + rowBytes * image.count);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream out(&buffer);
    out << image.meterName << image.deviceId << image.model << image.createTime << image.period
        << image.startMode << image.altUnit << image.count;
    for (double value : image.block)
        out << value;
    for (int row = 0; row < image.count; ++row)
        WriteRow(out, image, row);
    out.writeRawData(Trailer, TrailerLength);
    return bytes;
}

RecordProblem Parse(const QByteArray &bytes, RecordImage &image)
{
    RecordByteReader in(bytes);
    RecordProblem problem = ParseHeader(in, bytes, image);
    if (problem != RecordProblem::None)
        return problem;
    image.layout = LayoutForModel(image.model);
    image.block.resize(2 * image.layout->block.size());
    for (double &value : image.block)
        value = in.ReadDouble();
    if (!in.ok())
        return RecordProblem::Truncated;
    problem = ParseRows(in, image);
    if (problem != RecordProblem::None)
        return problem;
    if (in.remaining() != TrailerLength || !in.Expect(Trailer, TrailerLength))
        return RecordProblem::BadTrailer;
    return RecordProblem::None;
}

namespace {

void CommitBlock(const RecordImage &image, UartDataStore &store)
{
    const QVector<BlockPair> &pairs = image.layout->block;
    for (int i = 0; i < pairs.size(); ++i) {
        const auto fields = StorePair(store, pairs[i]);
        *fields.first = image.block[2 * i];
        *fields.second = image.block[2 * i + 1];
    }
}

void CommitColumn(const RecordImage &image, RecordColumn column, UartDataStore &store)
{
    const int count = image.count;
    const bool recorded = image.layout->Records(column);
    const QVector<double> &values = image.columns[int(column)];
    if (column == RecordColumn::IntChannel) {
        for (int i = 0; i < count; ++i)
            store.IntChannel[i] = recorded ? int(values[i]) : 0;
        return;
    }
    double *target = StoreColumn(store, column);
    if (recorded)
        std::copy(values.cbegin(), values.cend(), target);
    else
        std::fill(target, target + count, 0.0);
}

} // namespace

void Commit(RecordImage &image, UartDataStore &store)
{
    store.RECFileName = image.meterName;
    store.RECDeviceID = image.deviceId;
    store.RECModel = image.model;
    store.RECCreateTime = image.createTime;
    store.SamplePeriod = image.period;
    store.StartMode = image.startMode;
    store.AltUnit = image.altUnit;
    // Nothing of the last record's statistics or alarm limits may stay
    // beside what this file holds.
    store.ResetStatistics();
    CommitBlock(image, store);
    std::copy(image.times.cbegin(), image.times.cend(), store.SampleTime);
    for (int column = 0; column < RecordColumnCount; ++column)
        CommitColumn(image, RecordColumn(column), store);
    store.Lognum = image.count;
    store.MarkHalfSecondStamps();
}

} // namespace RecordImageFormat
