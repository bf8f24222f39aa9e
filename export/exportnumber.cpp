#include "export/exportnumber.h"

#include <cmath>
#include <cstdint>

// The usual values (a temperature, a level, a current) are scaled to an
// integer of the wanted digits and written out directly. Whenever that could
// differ from QString::number, the value goes to QString::number itself: when
// it is too large for the integer road, and when the scaled value lies so
// close to a half that the rounding of the scaling could have moved it to
// the other side (an exact half included, which QString::number rounds away
// from zero).

namespace {

constexpr double Powers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
constexpr double Largest = 1099511627776.0;   // 2^40: the scaling errs by under 2^-12
constexpr double HalfGuard = 1e-3;

// |value| * 10^decimals rounded half away from zero, or -1 when the integer
// road cannot be sure of it.
std::int64_t Scaled(double value, int decimals)
{
    const double scaled = std::abs(value) * Powers[decimals];
    if (!(scaled < Largest))
        return -1;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::abs(fraction - 0.5) < HalfGuard)
        return -1;
    return std::int64_t(whole) + (fraction > 0.5 ? 1 : 0);
}

// The digits of `scaled` with a point before the last `decimals` of them.
QString Digits(bool negative, std::uint64_t scaled, int decimals)
{
    char text[32];
    char *end = text + sizeof(text);
    char *at = end;
    for (int k = 0; k < decimals; ++k, scaled /= 10)
        *--at = char('0' + scaled % 10);
    if (decimals > 0)
        *--at = '.';
    do {
        *--at = char('0' + scaled % 10);
        scaled /= 10;
    } while (scaled != 0);
    if (negative)
        *--at = '-';
    return QString::fromLatin1(at, int(end - at));
}

QString Fixed(double value, int decimals)
{
    const std::int64_t scaled = Scaled(value, decimals);
    if (scaled < 0)
        return QString::number(value, 'f', decimals);
    // A negative value that rounds to zero keeps its sign ("-0.0"), a
    // negative zero does not.
    return Digits(value < 0.0, std::uint64_t(scaled), decimals);
}

// Drops the zeros at the end of the decimals, and the point with them.
QString TrimmedDecimals(QString text)
{
    if (!text.contains(QLatin1Char('.')))
        return text;
    int end = text.size();
    while (text.at(end - 1) == QLatin1Char('0'))
        --end;
    if (text.at(end - 1) == QLatin1Char('.'))
        --end;
    text.truncate(end);
    return text;
}

} // namespace

QString ExportNumber::F1(double value)
{
    return Fixed(value, 1);
}

QString ExportNumber::F3(double value)
{
    return Fixed(value, 3);
}

// From 1e-4 up to 1e6 the six digits are written in fixed notation: a value
// of exponent e keeps 5 - e decimals, and rounds to exactly six digits
// unless it carries into the next power of ten.
QString ExportNumber::G6(double value)
{
    const double magnitude = std::abs(value);
    if (value == 0.0)
        return QStringLiteral("0");
    if (magnitude >= 1e-4 && magnitude < 1e6) {
        int exponent = 5;
        while (magnitude < Powers[exponent] && exponent > 0)
            --exponent;
        for (double bound = 1.0; magnitude < bound; bound /= 10.0)
            --exponent;
        const int decimals = 5 - exponent;
        const std::int64_t scaled = decimals <= 9 ? Scaled(value, decimals) : -1;
        if (scaled >= 100000 && scaled < 1000000)
            return TrimmedDecimals(Digits(value < 0.0, std::uint64_t(scaled), decimals));
    }
    return QString::number(value, 'g', 6);
}
