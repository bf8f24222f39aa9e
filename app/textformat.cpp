#include "app/textformat.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

#include "app/uartdatastore.h"

namespace {

// The usual values (a temperature, a level, a current) are scaled to an
// integer of the wanted digits and written out directly. Whenever that could
// differ from QString::number the value is left to Qt: when it is too large
// for the integer road, and when the scaled value lies so close to a half
// that the rounding of the scaling could have moved it to the other side (an
// exact half included, which Qt rounds by the exact binary value).

constexpr quint64 PowersOfTen[] = {1,      10,      100,      1000,      10000,     100000,
                                   1000000, 10000000, 100000000, 1000000000};
constexpr double ScaleFactors[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
constexpr double NegativePowersOfTen[] = {1.0, 1e-1, 1e-2, 1e-3, 1e-4};
constexpr int MaxDirectPrecision = 6;
constexpr int MaxDecimals = 9;  // general notation down to 1e-4 with six digits

// Below this the product value * 10^decimals errs by less than 2^-23, far
// inside TieMargin.
constexpr double DirectLimit = 1e9;
constexpr double TieMargin = 1e-6;
// General notation writes no exponent from here up to 10^precision.
constexpr double SmallestPlainGeneral = 1e-4;

// Writes `value` in decimal with at least `width` digits, backwards from
// `end`; returns where the digits start.
char *DigitsBackwards(char *end, quint64 value, int width)
{
    char *p = end;
    do {
        *--p = char('0' + value % 10);
        value /= 10;
        --width;
    } while (value != 0 || width > 0);
    return p;
}

// |value| * 10^decimals rounded half away from zero into *rounded; false
// where the integer road cannot be sure of it.
bool ScaledMagnitude(double value, int decimals, quint64 *rounded)
{
    const double scaled = std::fabs(value) * ScaleFactors[decimals];
    if (!(scaled < DirectLimit))
        return false;  // NaN, infinities and large values
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) < TieMargin)
        return false;
    *rounded = quint64(whole) + (fraction > 0.5 ? 1 : 0);
    return true;
}

// The digits of `rounded` with a point before the last `Decimals` of them,
// backwards from `end`; returns where the text starts. The usual decimal
// counts get loops of their own, which the compiler unrolls.
template<int Decimals>
char *ScaledBackwardsOf(char *end, bool negative, quint64 rounded, int decimals = Decimals)
{
    char *p = end;
    const int count = Decimals >= 0 ? Decimals : decimals;
    for (int k = 0; k < count; ++k, rounded /= 10)
        *--p = char('0' + rounded % 10);
    if (count > 0)
        *--p = '.';
    p = DigitsBackwards(p, rounded, 1);
    if (negative)
        *--p = '-';
    return p;
}

char *ScaledBackwards(char *end, bool negative, quint64 rounded, int decimals)
{
    switch (decimals) {
    case 0: return ScaledBackwardsOf<0>(end, negative, rounded);
    case 1: return ScaledBackwardsOf<1>(end, negative, rounded);
    case 2: return ScaledBackwardsOf<2>(end, negative, rounded);
    case 3: return ScaledBackwardsOf<3>(end, negative, rounded);
    default: return ScaledBackwardsOf<-1>(end, negative, rounded, decimals);
    }
}

// Fixed notation: a negative value that rounds to zero keeps its sign
// ("-0.0"), a negative zero does not. Returns nullptr where Qt writes it.
char *FixedBackwards(char *end, double value, int decimals)
{
    quint64 rounded = 0;
    if (decimals < 0 || decimals > MaxDirectPrecision || !ScaledMagnitude(value, decimals, &rounded))
        return nullptr;
    return ScaledBackwards(end, value < 0, rounded, decimals);
}

// The decimal exponent e of 1e-4 <= magnitude < 10^precision:
// 10^e <= magnitude < 10^(e+1), as far as the doubles of the powers tell;
// a value misplaced by them rounds to the wrong number of digits and is
// caught there.
int DecimalExponent(double magnitude, int precision)
{
    int exponent = 0;
    if (magnitude >= 1.0) {
        while (exponent + 1 < precision && magnitude >= ScaleFactors[exponent + 1])
            ++exponent;
        return exponent;
    }
    exponent = -1;
    while (magnitude < NegativePowersOfTen[-exponent])
        --exponent;
    return exponent;
}

// General notation where it writes no exponent: `precision` significant
// digits in fixed notation, trailing zeros dropped and the point with them.
char *GeneralBackwards(char *end, double value, int precision)
{
    if (precision < 1 || precision > MaxDirectPrecision)
        return nullptr;
    if (value == 0.0) {
        *--end = '0';  // a negative zero too
        return end;
    }
    const double magnitude = std::fabs(value);
    if (!(magnitude >= SmallestPlainGeneral) || !(magnitude < ScaleFactors[precision]))
        return nullptr;
    int decimals = precision - 1 - DecimalExponent(magnitude, precision);
    quint64 rounded = 0;
    if (decimals > MaxDecimals || !ScaledMagnitude(value, decimals, &rounded))
        return nullptr;
    // Rounding carried into one more digit (9.999996), or the exponent was
    // misplaced: Qt knows.
    if (rounded < PowersOfTen[precision - 1] || rounded >= PowersOfTen[precision])
        return nullptr;
    for (; decimals > 0 && rounded % 10 == 0; --decimals)
        rounded /= 10;
    return ScaledBackwards(end, value < 0, rounded, decimals);
}

char *NumberBackwards(char *end, double value, NumberFormat format)
{
    return format.Letter == 'f' ? FixedBackwards(end, value, format.Precision)
                                : GeneralBackwards(end, value, format.Precision);
}

void AppendTwoDigits(QChar *&p, int value)
{
    *p++ = QLatin1Char(char('0' + value / 10));
    *p++ = QLatin1Char(char('0' + value % 10));
}

} // namespace

int NumberDigits(char *buffer, double value, NumberFormat format)
{
    char text[NumberRoom];
    char *const end = text + NumberRoom;
    const char *start = NumberBackwards(end, value, format);
    if (!start)
        return 0;
    std::copy(start, static_cast<const char *>(end), buffer);
    return int(end - start);
}

void AppendNumber(QString &out, double value, NumberFormat format)
{
    char text[NumberRoom];
    char *const end = text + NumberRoom;
    const char *start = NumberBackwards(end, value, format);
    if (start)
        out.append(QLatin1String(start, int(end - start)));
    else
        out += QString::number(value, format.Letter, format.Precision);
}

QString NumberText(double value, NumberFormat format)
{
    char text[NumberRoom];
    char *const end = text + NumberRoom;
    const char *start = NumberBackwards(end, value, format);
    if (start)
        return QString::fromLatin1(start, int(end - start));
    return QString::number(value, format.Letter, format.Precision);
}

int IntegerDigits(char *buffer, qint64 value)
{
    char digits[24];
    char *const end = digits + sizeof digits;
    const quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    char *start = DigitsBackwards(end, magnitude, 1);
    if (value < 0)
        *--start = '-';
    std::copy(start, end, buffer);
    return int(end - start);
}

void AppendInteger(QString &out, qint64 value)
{
    char buffer[NumberRoom];
    out.append(QLatin1String(buffer, IntegerDigits(buffer, value)));
}

SampleTimeWriter::SampleTimeWriter(const QDateTime *times, int count, const QString &format,
                                   bool halfSecondStamps)
    : Times(times)
    , Count(count)
    , Format(format)
    , HalfSecondStamps(halfSecondStamps)
{
    Direct = Parse(format);
}

SampleTimeWriter SampleTimeWriter::ForRecord(const UartDataStore &store, bool halfSecondStamps)
{
    return SampleTimeWriter(store.SampleTime, std::clamp(store.Lognum, 0, UartDataStore::MaxSamples),
                            store.DateTimeFormat, halfSecondStamps);
}

SampleTimeWriter SampleTimeWriter::ForShownRecord(const UartDataStore &store)
{
    return ForRecord(store, store.ShowsHalfSeconds());
}

// Accepts formats made of yyyy, MM, dd, hh, HH, mm, ss and characters that
// are not letters. Any other letter ("ap" makes hh a 12-hour field; names,
// milliseconds) or a quote leaves the format to the slow path.
bool SampleTimeWriter::Parse(const QString &format)
{
    static const struct {
        char letter;
        int run;
        Field field;
    } fields[] = {
        {'y', 4, Field::Year},   {'M', 2, Field::Month},  {'d', 2, Field::Day},
        {'h', 2, Field::Hour},   {'H', 2, Field::Hour},   {'m', 2, Field::Minute},
        {'s', 2, Field::Second},
    };
    Tokens.clear();
    for (int i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\''))
            return false;
        if (!c.isLetter()) {
            Tokens.append({Field::Literal, c});
            ++i;
            continue;
        }
        int run = 1;
        while (i + run < format.size() && format.at(i + run) == c)
            ++run;
        const auto known = std::find_if(std::begin(fields), std::end(fields), [&](const auto &f) {
            return c == QLatin1Char(f.letter) && run == f.run;
        });
        if (known == std::end(fields))
            return false;
        Tokens.append({known->field, QChar()});
        i += run;
    }
    DirectLength = 0;
    for (const Token &token : Tokens)
        DirectLength += token.Kind == Field::Literal ? 1 : token.Kind == Field::Year ? 4 : 2;
    return Tokens.size() <= 32;
}

// date() and time() are the recorded wall-clock fields, also where the
// date-time as a whole is invalid (a local time in a daylight-saving gap).
int SampleTimeWriter::WriteFields(QChar *buffer, const QDateTime &time) const
{
    const QDate date = time.date();
    const QTime clock = time.time();
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);  // one calendar conversion for all three
    if (!date.isValid() || !clock.isValid() || year < 1 || year > 9999)
        return -1;
    QChar *p = buffer;
    for (const Token &token : Tokens) {
        switch (token.Kind) {
        case Field::Literal: *p++ = token.Literal; break;
        case Field::Year:
            AppendTwoDigits(p, year / 100);
            AppendTwoDigits(p, year % 100);
            break;
        case Field::Month: AppendTwoDigits(p, month); break;
        case Field::Day: AppendTwoDigits(p, day); break;
        case Field::Hour: AppendTwoDigits(p, clock.hour()); break;
        case Field::Minute: AppendTwoDigits(p, clock.minute()); break;
        case Field::Second: AppendTwoDigits(p, clock.second()); break;
        }
    }
    return int(p - buffer);
}

// The C locale writes ASCII digits and English names. A wall-clock time that
// does not exist here is written as the same fields in UTC, where every time
// exists (a time-zone field then names UTC).
QString SampleTimeWriter::FallbackText(const QDateTime &time) const
{
    const QDate date = time.date();
    const QTime clock = time.time();
    if (!date.isValid() || !clock.isValid())
        return QString();
    const QDateTime shown = time.isValid() ? time : QDateTime(date, clock, Qt::UTC);
    return QLocale::c().toString(shown, Format);
}

QLatin1String SampleTimeWriter::Suffix(int index) const
{
    if (!HalfSecondStamps)
        return QLatin1String();
    return index % 2 == 1 ? QLatin1String(".500") : QLatin1String(".000");
}

int SampleTimeWriter::Write(QChar *buffer, int index) const
{
    if (index < 0 || index >= Count)
        return 0;
    const int length = Direct ? WriteFields(buffer, Times[index]) : -1;
    if (length < 0)
        return -1;
    const QLatin1String suffix = Suffix(index);
    std::copy(suffix.begin(), suffix.end(), buffer + length);
    return length + suffix.size();
}

void SampleTimeWriter::Append(QString &out, int index) const
{
    QChar text[TimeRoom];
    const int length = Write(text, index);
    if (length >= 0) {
        out.append(text, length);
        return;
    }
    const QString slow = FallbackText(Times[index]);
    if (!slow.isEmpty())
        out += slow + Suffix(index);
}

QString SampleTimeWriter::Text(int index) const
{
    if (index < 0 || index >= Count)
        return QString();
    if (Direct) {
        // Written in place: a time written digit by digit has a fixed length.
        QString text(DirectLength + Suffix(index).size(), Qt::Uninitialized);
        if (Write(text.data(), index) >= 0)
            return text;
    }
    const QString slow = FallbackText(Times[index]);
    return slow.isEmpty() ? slow : slow + Suffix(index);
}
