#include "report/reporttext.h"

#include "app/uartdatastore.h"

namespace {

constexpr int LightFamily = 53;

struct RateEntry {
    int period;
    const char *text;
};

// Periods in seconds.
constexpr RateEntry NormalRates[] = {
    {1, "1S"},       {2, "2S"},      {5, "5S"},     {10, "10S"},   {20, "20S"},
    {30, "30S"},     {60, "1min"},   {120, "2min"}, {300, "5min"}, {600, "10min"},
    {1800, "30min"}, {3600, "1h"},   {7200, "2h"},  {21600, "6h"}, {43200, "12h"},
    {UartDataStore::Period24Hours, "24h"},
};

// Periods in half seconds.
constexpr RateEntry LightRates[] = {
    {1, "0.5S"},     {2, "1S"},       {4, "2S"},     {10, "5S"},
    {20, "10S"},     {40, "20S"},     {60, "30S"},   {120, "1min"},
    {240, "2min"},   {600, "5min"},   {1200, "10min"}, {3600, "30min"},
    {7200, "1h"},    {14400, "2h"},   {43200, "6h"}, {UartDataStore::LightPeriod12Hours, "12h"},
    {UartDataStore::Period24Hours, "24h"},
};

template <std::size_t N>
QString LookUpRate(const RateEntry (&table)[N], int period)
{
    for (const RateEntry &entry : table) {
        if (entry.period == period)
            return QString::fromLatin1(entry.text);
    }
    return QString();
}

} // namespace

QString CreateTimeText()
{
    const QString &source = UartData.RECCreateTime;
    const QString year = source.mid(0, 4);
    const QString month = source.mid(5, 2);
    const QString day = source.mid(8, 2);
    const QString rest = source.mid(10);
    const QChar slash(QLatin1Char('/'));
    switch (UartData.Dateformat) {
    case 0: return year + slash + month + slash + day + rest;
    case 1: return day + slash + month + slash + year + rest;
    case 2: return month + slash + day + slash + year + rest;
    default: return QString();
    }
}

QString SamplingRateText()
{
    if (UartData.RecordFamily() == LightFamily)
        return LookUpRate(LightRates, UartData.SamplePeriod);
    return LookUpRate(NormalRates, UartData.SamplePeriod);
}

qint64 RecordingSeconds(int model, qint64 count, int period)
{
    const bool light = UartDataStore::Family(model) == LightFamily;
    qint64 perSample = period;
    if (period == UartDataStore::Period24Hours)
        perSample = light ? 2 * 86400 : 86400;
    else if (light && period == UartDataStore::LightPeriod12Hours)
        perSample = 2 * 43200;
    if (count <= 0 || perSample <= 0)
        return 0;   // no span to show for a period or count that is not one
    const qint64 total = count * perSample;
    return light ? total / 2 : total;
}

SpanParts SplitSpan(qint64 seconds)
{
    SpanParts parts;
    parts.Days = seconds / 86400;
    parts.Hours = (seconds - parts.Days * 86400) / 3600;
    parts.Minutes = (seconds - parts.Days * 86400 - parts.Hours * 3600) / 60;
    return parts;
}
