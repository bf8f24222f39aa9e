#include "report/reportformat.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr quint64 PowersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
constexpr int MaxDirectPrecision = 6;

// Beyond this the product value * 10^precision carries too little of the
// fraction, and within TieMargin of a half the binary value alone decides the
// rounding: both are left to Qt, which works from the exact expansion.
constexpr double DirectLimit = 1e9;
constexpr double TieMargin = 1e-6;

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

// Fixed notation with `precision` decimals, as QString::number(value, 'f',
// precision) writes it (halves round away from zero, "-0.0" for a small
// negative value, "0.0" for negative zero). Returns the length written to
// `buffer`, or 0 where the text is left to Qt.
int FixedDigits(char *buffer, double value, int precision)
{
    if (precision < 0 || precision > MaxDirectPrecision)
        return 0;
    const double scaled = std::fabs(value) * double(PowersOfTen[precision]);
    if (!(scaled < DirectLimit))
        return 0;  // NaN, infinities and large values
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) < TieMargin)
        return 0;
    const quint64 rounded = quint64(whole) + (fraction > 0.5 ? 1 : 0);

    char digits[32];
    char *const end = digits + sizeof digits;
    char *start = end;
    if (precision > 0) {
        start = DigitsBackwards(end, rounded % PowersOfTen[precision], precision);
        *--start = '.';
    }
    start = DigitsBackwards(start, rounded / PowersOfTen[precision], 1);
    if (value < 0)
        *--start = '-';
    const int length = int(end - start);
    std::copy(start, end, buffer);
    return length;
}

// General notation with up to `precision` significant digits for values
// from 1 up to the largest that still reads without an exponent.
int GeneralDigits(char *buffer, double value, int precision)
{
    const double magnitude = std::fabs(value);
    if (precision < 1 || precision > MaxDirectPrecision || !(magnitude >= 1.0)
        || !(magnitude < double(PowersOfTen[precision - 1])))
        return 0;
    int integerDigits = 1;
    while (integerDigits < precision && magnitude >= double(PowersOfTen[integerDigits]))
        ++integerDigits;
    int length = FixedDigits(buffer, value, precision - integerDigits);
    if (length == 0)
        return 0;
    const int sign = value < 0 ? 1 : 0;
    int point = sign;
    while (point < length && buffer[point] != '.')
        ++point;
    if (point - sign != integerDigits)
        return 0;  // rounding carried into one more digit (9.999996)
    if (point < length) {
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

QString NumberText(double value, NumberFormat format)
{
    QString text;
    AppendNumber(text, value, format);
    return text;
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

// Accepts formats made of yyyy, MM, dd, hh, mm, ss and characters that are
// not letters; anything else (AM/PM, names, milliseconds, quotes) is left
// to QDateTime.
bool SampleTimeWriter::Parse(const QString &format)
{
    static const struct {
        QChar letter;
        int run;
        Field field;
    } fields[] = {
        {QLatin1Char('y'), 4, Field::Year},   {QLatin1Char('M'), 2, Field::Month},
        {QLatin1Char('d'), 2, Field::Day},    {QLatin1Char('h'), 2, Field::Hour},
        {QLatin1Char('m'), 2, Field::Minute}, {QLatin1Char('s'), 2, Field::Second},
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
        bool known = false;
        for (const auto &f : fields) {
            if (f.letter == c && f.run == run) {
                Tokens.append({f.field, QChar()});
                known = true;
            }
        }
        if (!known)
            return false;
        i += run;
    }
    return Tokens.size() <= 32;
}

int SampleTimeWriter::WriteFields(QChar *buffer, const QDateTime &time) const
{
    const QDate date = time.date();
    const QTime clock = time.time();
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);  // one calendar conversion for all three
    if (!date.isValid() || !clock.isValid() || year < 1000 || year > 9999)
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
    out += Times[index].toString(Format) + Suffix(index);
}

QString SampleTimeWriter::Text(int index) const
{
    QString text;
    Append(text, index);
    return text;
}
