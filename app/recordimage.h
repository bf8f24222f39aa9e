#ifndef RECORDIMAGE_H
#define RECORDIMAGE_H

// A record held apart from the data store: what one record file holds, in
// the recorded units. The writer captures the store's record into an image
// and serialises it; the reader parses a whole file into an image and hands
// it to the store only once every part of it has proved valid.

#include "app/modelfamily.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

class UartDataStore;

struct RecordImage {
    QString meterName;
    QString deviceId;
    qint32 model = 0;
    QString createTime;   // "yyyy-MM-dd hh:mm"
    qint32 period = 0;
    qint8 startMode = 0;
    bool altUnit = false;
    qint32 count = 0;
    const ModelLayout *layout = nullptr;
    QVector<double> block;   // two values per pair of layout->block, file order
    QVector<QDateTime> times;
    QVector<double> columns[RecordColumnCount];   // only the layout's columns are filled
};

enum class RecordProblem {
    None,
    NotRecordFile,   // header unreadable, absurd strings, bad creation time
    Truncated,
    BadSampleCount,
    UnknownModel,
    Damaged,         // a sample row holds a value no writer produces
    BadTrailer,      // end mark missing, wrong, or followed by more bytes
    TextTooLong,     // meter name or device ID longer than MaxTextLength
};

namespace RecordImageFormat {

constexpr int MaxTextLength = 256;   // meter name, device ID
constexpr char Trailer[] = "NB_LOG";
constexpr int TrailerLength = 6;
extern const char CreateTimeFormat[];   // "yyyy-MM-dd hh:mm"

// The store array behind a value column; nullptr for IntChannel, which the
// store keeps as int.
double *StoreColumn(UartDataStore &store, RecordColumn column);
const double *StoreColumn(const UartDataStore &store, RecordColumn column);

// The problem with a header that the writer must refuse as well as the
// reader: unknown model code, sample count out of range, bad creation time.
RecordProblem CheckHeader(const RecordImage &image);

// The store's record as an image, or the header problem that keeps it from
// being written. Extremes are converted back to the recorded unit.
RecordProblem Capture(const UartDataStore &store, RecordImage &image);

QByteArray Serialize(const RecordImage &image);

// Parses a whole file. On a problem, the image is left half filled and must
// not be used.
RecordProblem Parse(const QByteArray &bytes, RecordImage &image);

// Moves a parsed image into the store: header, every statistic and alarm
// pair reset, then the block, sample arrays (the arrays the layout does not
// record are cleared for samples 0..count-1) and Lognum. The store's shown
// units are not touched.
void Commit(RecordImage &image, UartDataStore &store);

} // namespace RecordImageFormat

#endif // RECORDIMAGE_H
