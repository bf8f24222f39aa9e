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
    const double scaled = std::fabs(value) * double(PowersOfTen[decimals]);
    if (!(scaled < DirectLimit))
        return false;  // NaN, infinities and large values
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) < TieMargin)
        return false;
    *rounded = quint64(whole) + (fraction > 0.5 ? 1 : 0);
    return true;
}

// The digits of `rounded` with a point before the last `decimals` of them.
int WriteScaled(char *buffer, bool negative, quint64 rounded, int decimals)
{
    char digits[32];
    char *const end = digits + sizeof digits;
    char *start = end;
    if (decimals > 0) {
        start = DigitsBackwards(end, rounded % PowersOfTen[decimals], decimals);
        *--start = '.';
    }
    start = DigitsBackwards(start, rounded / PowersOfTen[decimals], 1);
    if (negative)
        *--start = '-';
    std::copy(start, end, buffer);
    return int(end - start);
}

// Fixed notation: a negative value that rounds to zero keeps its sign
// ("-0.0"), a negative zero does not.
int FixedDigits(char *buffer, double value, int decimals)
{
    quint64 rounded = 0;
    if (decimals < 0 || decimals > MaxDirectPrecision || !ScaledMagnitude(value, decimals, &rounded))
        return 0;
    return WriteScaled(buffer, value < 0, rounded, decimals);
}

// The decimal exponent e of 1e-4 <= magnitude < 10^precision:
// 10^e <= magnitude < 10^(e+1), as far as the doubles of the powers tell;
// a value misplaced by them rounds to the wrong number of digits and is
// caught there.
int DecimalExponent(double magnitude, int precision)
{
    int exponent = 0;
    if (magnitude >= 1.0) {
        while (exponent + 1 < precision && magnitude >= double(PowersOfTen[exponent + 1]))
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
int GeneralDigits(char *buffer, double value, int precision)
{
    if (precision < 1 || precision > MaxDirectPrecision)
        return 0;
    if (value == 0.0) {
        buffer[0] = '0';  // a negative zero too
        return 1;
    }
    const double magnitude = std::fabs(value);
    if (!(magnitude >= SmallestPlainGeneral) || !(magnitude < double(PowersOfTen[precision])))
        return 0;
    const int decimals = precision - 1 - DecimalExponent(magnitude, precision);
    quint64 rounded = 0;
    if (decimals > MaxDecimals || !ScaledMagnitude(value, decimals, &rounded))
        return 0;
    // Rounding carried into one more digit (9.999996), or the exponent was
    // misplaced: Qt knows.
    if (rounded < PowersOfTen[precision - 1] || rounded >= PowersOfTen[precision])
        return 0;
    int length = WriteScaled(buffer, value < 0, rounded, decimals);
    if (decimals > 0) {
        while (buffer[length - 1] == '0')
            --length;
        if (buffer[length - 1] == '.')
            --length;
    }
    return length;
}

void AppendTwoDigits(QChar *&p, int value)
{
    *p++ = QLatin1Char(char('0' + value / 10));
    *p++ = QLatin1Char(char('0' + value % 10));
}

} // namespace

int NumberDigits(char *buffer, double value, NumberFormat format)
{
    return format.Letter == 'f' ? FixedDigits(buffer, value, format.Precision)
                                : GeneralDigits(buffer, value, format.Precision);
}

void AppendNumber(QString &out, double value, NumberFormat format)
{
    char buffer[NumberRoom];
    const int length = NumberDigits(buffer, value, format);
    if (length > 0)
        out.append(QLatin1String(buffer, length));
    else
        out += QString::number(value, format.Letter, format.Precision);
}

QString NumberText(double value, NumberFormat format)
{
    char buffer[NumberRoom];
    const int length = NumberDigits(buffer, value, format);
    if (length > 0)
        return QString::fromLatin1(buffer, length);
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
    QChar text[TimeRoom];
    const int length = Write(text, index);
    if (length >= 0)
        return QString(text, length);
    const QString slow = FallbackText(Times[index]);
    return slow.isEmpty() ? slow : slow + Suffix(index);
}
