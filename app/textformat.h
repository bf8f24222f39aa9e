#ifndef TEXTFORMAT_H
#define TEXTFORMAT_H

// Numbers and sample times as text, for every view and file of a record: the
// data list, the chart captions and read-out, the HTML and PDF summary
// reports and the exports. A 70000-sample record writes some 300000 of them,
// so the usual cases are written digit by digit into a character buffer
// instead of through a QString each.
//
// What they write, whatever the system's locale:
// - Numbers: the text of QString::number(value, Letter, Precision): "." as
//   decimal point, no group separators, ASCII digits.
// - Sample times: the fields of the date-time format with ASCII digits (the
//   exports are GB2312 text; QDateTime::toString would take the system
//   locale's digits and names). The formats the settings offer ("dd/MM/yyyy
//   hh:mm:ss" and its two other date orders, any arrangement of yyyy, MM,
//   dd, hh, HH, mm, ss and non-letters) are written directly; any other
//   format goes through QLocale::c(), so names (AM/PM, months) are English.
// - A sample time is its recorded wall-clock time, also where that local
//   time does not exist here (a daylight-saving gap, which a record written
//   under another time zone can hold): QDateTime calls such a time invalid
//   and would write "", but the date and time the meter stamped are kept and
//   written. A time without date or clock (a default QDateTime) writes "".
//
//     char digits[NumberRoom];
//     const int length = NumberDigits(digits, 21.56, F1);  // "21.6", 4
//     const SampleTimeWriter times = SampleTimeWriter::ForRecord(UartData);
//     const QString first = times.Text(0);                 // "01/03/2024 08:00:00"

#include <QDateTime>
#include <QString>
#include <QVector>

class UartDataStore;

// Qt's number-to-text notation: 'f' (fixed, Precision decimals) or 'g'
// (general, Precision significant digits, trailing zeros dropped).
struct NumberFormat {
    char Letter = 'f';
    int Precision = 1;
};

inline constexpr NumberFormat F1{'f', 1};   // 21.56 -> "21.6"
inline constexpr NumberFormat F2{'f', 2};
inline constexpr NumberFormat F3{'f', 3};   // 4.5 -> "4.500"
inline constexpr NumberFormat G6{'g', 6};   // 80 -> "80", 0.25 -> "0.25", 2.5e6 -> "2.5e+06"

// The text into `buffer` (room for NumberRoom characters); returns its
// length, or 0 where it is left to QString::number (exponent forms, values
// out of the direct range, a scaled value too close to a half to round
// safely, NaN and infinities).
inline constexpr int NumberRoom = 40;
int NumberDigits(char *buffer, double value, NumberFormat format);
void AppendNumber(QString &out, double value, NumberFormat format);
QString NumberText(double value, NumberFormat format);

int IntegerDigits(char *buffer, qint64 value);
void AppendInteger(QString &out, qint64 value);

// The time of a sample as the date-time format writes it. With half-second
// stamps an even sample's time ends in ".000", an odd one's in ".500". An
// index outside the record writes nothing.
class SampleTimeWriter
{
public:
    SampleTimeWriter(const QDateTime *times, int count, const QString &format,
                     bool halfSecondStamps = false);
    // The store's record in its configured format.
    static SampleTimeWriter ForRecord(const UartDataStore &store, bool halfSecondStamps = false);
    // As the data list and the read-out show the record: a light record with
    // half-second stamps carries them.
    static SampleTimeWriter ForShownRecord(const UartDataStore &store);

    QString Text(int index) const;
    void Append(QString &out, int index) const;
    // The same text into `buffer` (room for TimeRoom characters); returns its
    // length, or -1 where only the slow path can write it.
    static constexpr int TimeRoom = 140;
    int Write(QChar *buffer, int index) const;

private:
    enum class Field : char { Literal, Year, Month, Day, Hour, Minute, Second };
    struct Token {
        Field Kind;
        QChar Literal;
    };
    bool Parse(const QString &format);
    int WriteFields(QChar *buffer, const QDateTime &time) const;
    QString FallbackText(const QDateTime &time) const;
    QLatin1String Suffix(int index) const;

    const QDateTime *Times;
    int Count;
    QString Format;
    bool HalfSecondStamps;
    bool Direct = false;  // the format is written digit by digit
    QVector<Token> Tokens;
    int DirectLength = 0; // characters of a time written digit by digit
};

#endif // TEXTFORMAT_H
