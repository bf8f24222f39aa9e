// Record file reader and writer.
//
// Layout of a record file: the bytes of one QDataStream in its default
// version (big-endian; doubles in double precision), with no magic number and
// no version field.
//
//   header   QString  meter name (RECFileName)
//            QString  device ID
//            qint32   model code
//            QString  creation time, "yyyy-MM-dd hh:mm"
//            qint32   sampling period (seconds; half seconds for family 53)
//            qint8    start mode
//            bool     unit flag (degrees Fahrenheit / foot-candles shown)
//            qint32   sample count, 0..70000
//   block    pairs of doubles chosen by the model code (see modelfamily.cpp),
//            extremes as (max, min) in the recorded unit (degrees Celsius,
//            lux), alarm limits as (low, high), current and voltage limits as
//            (high, low):
//              decibel meters   decibel extremes, decibel alarm
//              light            light extremes, light alarm
//              current (3709)   current extremes, current alarm
//              voltage (3710)   voltage extremes, voltage alarm
//              temperature only, four probes
//                               temperature extremes, temperature alarm
//              with humidity    temperature extremes, humidity extremes,
//                               temperature alarm, humidity alarm
//   rows     per sample: QDateTime, then the model's values in the order
//            temperature, humidity, integer channel (qint32), thermocouple,
//            probes T1..T4, decibel, light (lux), current (mA), voltage (mV),
//            each double unless noted, only those the model records
//   trailer  the six raw bytes "NB_LOG", the last bytes of the file

#include "app/recordfile.h"

#include "app/ownfiles.h"
#include "app/recordimage.h"
#include "app/uartdatastore.h"
#include "app/wholefile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// Message texts, translated in the context "RecordFile".
class Text
{
    Q_DECLARE_TR_FUNCTIONS(RecordFile)
};

// The message for a file that cannot be read; name is the file's name.
QString ReadProblemText(RecordProblem problem, const RecordImage &image, const QString &name)
{
    switch (problem) {
    case RecordProblem::NotRecordFile:
    case RecordProblem::TextTooLong:
        return Text::tr("The file %1 is not a record file.").arg(name);
    case RecordProblem::Truncated:
        return Text::tr("The record file %1 is truncated: it ends before its last sample.")
            .arg(name);
    case RecordProblem::BadSampleCount:
        return Text::tr("The record file %1 claims %2 samples; a record holds 0 to 70000.")
            .arg(name, QString::number(image.count));
    case RecordProblem::UnknownModel:
        return Text::tr("The record file %1 is of an unknown meter model (%2).")
            .arg(name, QString::number(image.model));
    case RecordProblem::Damaged:
        return Text::tr("The record file %1 is damaged: a sample row cannot be read.").arg(name);
    case RecordProblem::BadTrailer:
        return Text::tr("The record file %1 is damaged: its end mark is missing or misplaced.")
            .arg(name);
    case RecordProblem::None:
        break;
    }
    return QString();
}

QString WriteProblemText(RecordProblem problem, const RecordImage &image, const QString &name)
{
    switch (problem) {
    case RecordProblem::UnknownModel:
        return Text::tr("The record cannot be saved as %1: its meter model (%2) is unknown.")
            .arg(name, QString::number(image.model));
    case RecordProblem::BadSampleCount:
        return Text::tr("The record cannot be saved as %1: it holds %2 samples.")
            .arg(name, QString::number(image.count));
    case RecordProblem::TextTooLong:
        return Text::tr("The record cannot be saved as %1: its meter name or device ID is longer "
                        "than %2 characters.")
            .arg(name, QString::number(RecordImageFormat::MaxTextLength));
    default:
        return Text::tr("The record cannot be saved as %1: its creation time is not valid.")
            .arg(name);
    }
}

QString FileNameOf(const QString &path)
{
    return QFileInfo(path).fileName();
}

bool Fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

// The state the writer and the reader leave: the record is the one on show.
void ShowRecord(UartDataStore &store, const QString &path)
{
    store.RECFilePath = path;
    store.RECTitle = store.RECFileName + QLatin1Char('(') + store.RECDeviceID + QLatin1Char(')')
                     + path.section(QLatin1Char('/'), -1);
    store.ShowStart = 0;
    store.ShowEnd = store.Lognum;
    store.RecordShown = true;
}

// Far more than the largest record (70000 rows of at most five values with
// their time): a larger file is not read into memory at all.
constexpr qint64 MaxRecordFileBytes = 16 * 1024 * 1024;

// Only a regular file is read, and never more than the limit plus one byte:
// a named pipe or a link to a device is not a record file.
bool ReadWholeFile(const QString &path, QByteArray &bytes, QString *error)
{
    const RegularFileRead read = ReadRegularFile(path, MaxRecordFileBytes, &bytes);
    switch (read.result) {
    case RegularFileRead::Result::Read:
        return true;
    case RegularFileRead::Result::Missing:
    case RegularFileRead::Result::Unreadable:
        return Fail(error, Text::tr("The file %1 cannot be opened: %2.")
                               .arg(FileNameOf(path), read.reason));
    case RegularFileRead::Result::NotRegular:
    case RegularFileRead::Result::TooLarge:
        break;
    }
    return Fail(error, Text::tr("The file %1 is not a record file.").arg(FileNameOf(path)));
}

} // namespace

QString RecordFileName(const QDateTime &created)
{
    return created.toString(QStringLiteral("yyyyMMddhhmmss")) + QStringLiteral(".rec");
}

bool WriteRecordFile(UartDataStore &store, const QString &path, QString *error)
{
    RecordImage image;
    const RecordProblem problem = RecordImageFormat::Capture(store, image);
    if (problem != RecordProblem::None)
        return Fail(error, WriteProblemText(problem, image, FileNameOf(path)));

    QString reason;
    if (!WriteWholeFile(path, RecordImageFormat::Serialize(image), &reason)) {
        return Fail(error, Text::tr("The record cannot be saved as %1: %2.")
                               .arg(FileNameOf(path), reason));
    }
    ShowRecord(store, path);
    return true;
}

bool ReadRecordFile(const QString &path, UartDataStore &store, QString *error)
{
    QByteArray bytes;
    if (!ReadWholeFile(path, bytes, error))
        return false;
    RecordImage image;
    const RecordProblem problem = RecordImageFormat::Parse(bytes, image);
    if (problem != RecordProblem::None)
        return Fail(error, ReadProblemText(problem, image, FileNameOf(path)));

    RecordImageFormat::Commit(image, store);
    const QString knownName = store.KnownLoggerName(store.RECDeviceID);
    store.RECMeterName = knownName.isEmpty() ? store.RECFileName : knownName;
    store.ConvertRecordUnits();
    ShowRecord(store, path);
    return true;
}
