#ifndef REPORTFORMAT_H
#define REPORTFORMAT_H

// Numbers and sample times written straight onto the end of a growing report
// document. A report of 70000 samples writes some 300000 of them, so they go
// through a character buffer instead of a QString each; the text is always
// the one QString::number and QDateTime::toString give.

#include <QDateTime>
#include <QString>
#include <QVector>

// Qt's number-to-text notation: 'f' (fixed, Precision decimals) or 'g'
// (general, Precision significant digits).
struct NumberFormat {
    char Letter = 'f';
    int Precision = 1;
};

void AppendNumber(QString &out, double value, NumberFormat format);
// The same text into `buffer` (room for NumberRoom characters); returns its
// length, or 0 where only QString::number knows it.
inline constexpr int NumberRoom = 40;
int NumberDigits(char *buffer, double value, NumberFormat format);
void AppendInteger(QString &out, qint64 value);
int IntegerDigits(char *buffer, qint64 value);
QString NumberText(double value, NumberFormat format);

// The time of a sample as the record's date-time format writes it. The
// formats the settings offer (day, month and year orders with hh:mm:ss) are
// written digit by digit; any other format goes through QDateTime. With
// half-second stamps an even sample's time ends in ".000", an odd one's in
// ".500". An index outside the record writes nothing.
class SampleTimeWriter
{
public:
    SampleTimeWriter(const QDateTime *times, int count, const QString &format,
                     bool halfSecondStamps);

    void Append(QString &out, int index) const;
    QString Text(int index) const;
    // The same text into `buffer` (room for TimeRoom characters); returns
    // its length, or -1 where only QDateTime can write it.
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
    QLatin1String Suffix(int index) const;

    const QDateTime *Times;
    int Count;
    QString Format;
    bool HalfSecondStamps;
    bool Direct = false;  // the format is written digit by digit
    QVector<Token> Tokens;
};

#endif // REPORTFORMAT_H
