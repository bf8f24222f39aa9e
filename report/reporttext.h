#ifndef REPORTTEXT_H
#define REPORTTEXT_H

// Texts of the record header that the summary reports print: the creation
// time in the configured date order, the sampling-rate text and the length of
// the recording. They only read the data store, so the export worker calls
// them on its own thread as well.

#include <QString>

// RECCreateTime ("yyyy-MM-dd hh:mm") taken apart by character position and
// put together in the order of Dateformat with "/" between the date parts:
// 0 year first, 1 day first, 2 month first; any other order gives "".
QString CreateTimeText();

// The sampling period as "1S" .. "24h"; light records (family 53) count half
// seconds, so their table starts at "0.5S". A period that its table does not
// hold gives "".
QString SamplingRateText();

// Seconds that count samples of the given period span, in 64 bits (70000
// samples at the 24-hour setting overflow 32 bits). The 24-hour setting
// (43224) counts as 86400 s. For the light family the period counts half
// seconds and the product is halved; its 12- and 24-hour settings (43212,
// 43224) count as 12 and 24 hours per sample. A count or period below 1
// spans nothing.
qint64 RecordingSeconds(int model, qint64 count, int period);

// A span split into whole days, hours and minutes; seconds are dropped.
struct SpanParts {
    qint64 Days = 0;
    qint64 Hours = 0;
    qint64 Minutes = 0;
};
SpanParts SplitSpan(qint64 seconds);

#endif // REPORTTEXT_H
