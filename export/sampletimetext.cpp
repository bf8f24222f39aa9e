#include "export/sampletimetext.h"

namespace {

// The two-digit and four-digit fields the direct path writes, by letter and
// run length.
struct FieldCode {
    char letter;
    int length;
    char field;   // index into the Field enumeration
};

constexpr FieldCode DirectFields[] = {
    {'y', 4, 1}, {'M', 2, 2}, {'d', 2, 3}, {'h', 2, 4}, {'H', 2, 4}, {'m', 2, 5}, {'s', 2, 6},
};

QChar *PutDigits(QChar *out, int value, int digits)
{
    for (int k = digits - 1; k >= 0; --k) {
        out[k] = QChar(u'0' + value % 10);
        value /= 10;
    }
    return out + digits;
}

} // namespace

SampleTimeText::SampleTimeText(const QString &format)
    : Format(format)
{
    Direct = Parse();
}

// A format made of yyyy, MM, dd, hh/HH, mm, ss and characters that are not
// letters or quotes can be written directly; "ap" anywhere makes hh a
// 12-hour field, and it is a letter, so such formats are not.
bool SampleTimeText::Parse()
{
    for (int i = 0; i < Format.size();) {
        const QChar c = Format.at(i);
        if (c == QLatin1Char('\'')) {
            return false;
        }
        if (!c.isLetter()) {
            Pieces.append({Field::Literal, c});
            ++i;
            continue;
        }
        int run = 1;
        while (i + run < Format.size() && Format.at(i + run) == c)
            ++run;
        const FieldCode *found = nullptr;
        for (const FieldCode &code : DirectFields) {
            if (c == QLatin1Char(code.letter) && run == code.length)
                found = &code;
        }
        if (!found)
            return false;
        Pieces.append({Field(found->field), QChar()});
        i += run;
    }
    return true;
}

QString SampleTimeText::Text(const QDateTime &time) const
{
    if (!time.isValid())
        return QString();
    int year = 0, month = 0, day = 0;
    time.date().getDate(&year, &month, &day);
    if (!Direct || year < 0 || year > 9999)
        return time.toString(Format);
    const QTime clock = time.time();
    QString text(Format.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const Piece &piece : Pieces) {
        switch (piece.field) {
        case Field::Literal: *out++ = piece.literal; break;
        case Field::Year: out = PutDigits(out, year, 4); break;
        case Field::Month: out = PutDigits(out, month, 2); break;
        case Field::Day: out = PutDigits(out, day, 2); break;
        case Field::Hour: out = PutDigits(out, clock.hour(), 2); break;
        case Field::Minute: out = PutDigits(out, clock.minute(), 2); break;
        case Field::Second: out = PutDigits(out, clock.second(), 2); break;
        }
    }
    return text;
}
