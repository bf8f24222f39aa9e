#include "app/initext.h"

#include <QStringList>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// One logical line: from `start` to the end of the line, or to a ";" that
// starts a comment. A backslash keeps the next byte (a line break too), and
// quotes keep line breaks and ";". *equals is the first "=" or -1.
int LineEnd(const QByteArray &file, int start, int *equals)
{
    *equals = -1;
    bool quoted = false;
    int i = start;
    while (i < file.size()) {
        const char c = file.at(i);
        if ((IsLineEnd(c) || c == ';') && !quoted)
            return i;
        if (c == '=' && *equals < 0)
            *equals = i;
        else if (c == '"')
            quoted = !quoted;
        else if (c == '\\')
            ++i;
        ++i;
    }
    return file.size();
}

int SkipToNextLine(const QByteArray &file, int i)
{
    while (i < file.size() && !IsLineEnd(file.at(i)))
        ++i;
    return i;
}

} // namespace

QHash<QString, QByteArray> ReadIniValues(const QByteArray &file)
{
    QHash<QString, QByteArray> values;
    QString group;
    int i = 0;
    while (i < file.size()) {
        const char c = file.at(i);
        if (IsBlank(c) || IsLineEnd(c)) {
            ++i;
            continue;
        }
        if (c == ';') {   // a comment line
            i = SkipToNextLine(file, i);
            continue;
        }
        int equals = -1;
        const int end = LineEnd(file, i, &equals);
        const QByteArray line = file.mid(i, end - i);
        if (c == '[') {
            const int close = line.indexOf(']');
            group = QString::fromLatin1(line.mid(1, close < 0 ? -1 : close - 1).trimmed());
        } else if (equals >= 0) {
            const QString key = QString::fromLatin1(line.left(equals - i).trimmed());
            if (!key.isEmpty())
                values.insert(group.isEmpty() ? key : group + QLatin1Char('/') + key,
                              line.mid(equals - i + 1));
        }
        // A ";" that ended the line starts a comment up to the line's end.
        i = end < file.size() && file.at(end) == ';' ? SkipToNextLine(file, end) : end;
    }
    return values;
}

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

char SimpleEscape(char c)
{
    switch (c) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\': return c;
    default: return 0;
    }
}

// Reads the escape whose backslash is at raw[*i - 1]; appends what it stands
// for and moves *i past it.
void ReadEscape(const QByteArray &raw, int *i, QString *out)
{
    if (*i >= raw.size())
        return;
    const char c = raw.at((*i)++);
    if (const char simple = SimpleEscape(c)) {
        *out += QLatin1Char(simple);
    } else if (c == 'x' || (c >= '0' && c <= '7')) {
        // \x takes every hex digit that follows, \0 every octal one; a \x
        // without digits stands for nothing.
        const uint base = c == 'x' ? 16 : 8;
        uint value = c == 'x' ? 0 : uint(c - '0');
        int digits = c == 'x' ? 0 : 1;
        for (; *i < raw.size(); ++*i, ++digits) {
            const int digit = HexDigit(raw.at(*i));
            if (digit < 0 || uint(digit) >= base)
                break;
            value = value * base + uint(digit);
        }
        if (digits > 0)
            *out += QChar(ushort(value & 0xffff));
    } else if (IsLineEnd(c)) {   // a line carried on: "\r\n" and "\n\r" count as one break
        if (*i < raw.size() && IsLineEnd(raw.at(*i)) && raw.at(*i) != c)
            ++*i;
    }
    // any other escaped character is dropped
}

// The items of a value: unescaped, unquoted, split at unquoted commas, each
// without the spaces around it unless quotes keep them.
QStringList ValueItems(const QByteArray &raw)
{
    QStringList items;
    QString item;
    bool quoted = false;       // inside quotes
    bool anyQuotes = false;    // this item had quotes: its spaces stay
    int keep = 0;              // trailing spaces before this length stay
    int i = 0;
    const auto skipBlanks = [&raw, &i] {
        while (i < raw.size() && IsBlank(raw.at(i)))
            ++i;
    };
    const auto finishItem = [&] {
        if (!anyQuotes) {
            while (item.size() > keep && IsBlank(item.back().toLatin1()))
                item.chop(1);
        }
        items << item;
        item.clear();
        anyQuotes = false;
        keep = 0;
    };
    skipBlanks();
    while (i < raw.size()) {
        const char c = raw.at(i++);
        if (c == '\\') {
            ReadEscape(raw, &i, &item);
            keep = item.size();
        } else if (c == '"') {
            quoted = !quoted;
            anyQuotes = true;
            if (!quoted)
                skipBlanks();
        } else if (c == ',' && !quoted) {
            finishItem();
            skipBlanks();
        } else {
            item += QChar(uchar(c));
        }
    }
    finishItem();
    return items;
}

const QLatin1String VariantPrefix("@Variant(");
const QLatin1String ByteArrayPrefix("@ByteArray(");

IniValue Text(const QString &text)
{
    IniValue value;
    value.kind = IniValue::Kind::Text;
    value.text = text;
    return value;
}

// A lone value: "@@" stands for a text that starts with "@"; any other "@"
// marks a typed value.
IniValue SingleValue(const QString &item)
{
    if (!item.startsWith(QLatin1Char('@')))
        return Text(item);
    if (item.startsWith(QLatin1String("@@")))
        return Text(item.mid(1));
    const bool closed = item.endsWith(QLatin1Char(')'));
    if (closed && item.startsWith(ByteArrayPrefix)) {
        const int length = item.size() - ByteArrayPrefix.size() - 1;
        return Text(QString::fromUtf8(item.mid(ByteArrayPrefix.size(), length).toLatin1()));
    }
    IniValue value;
    if (closed && item.startsWith(VariantPrefix)) {
        value.kind = IniValue::Kind::Variant;
        value.variant = item.mid(VariantPrefix.size(), item.size() - VariantPrefix.size() - 1)
                            .toLatin1();
    }
    return value;
}

} // namespace

IniValue ParseIniValue(const QByteArray &raw)
{
    QStringList items = ValueItems(raw);
    if (items.size() == 1)
        return SingleValue(items.first());
    for (QString &item : items) {
        if (!item.startsWith(QLatin1Char('@')))
            continue;
        if (!item.startsWith(QLatin1String("@@")))
            return IniValue();   // a list of typed values is no text
        item.remove(0, 1);
    }
    return Text(items.join(QLatin1Char(',')));
}

namespace {

bool IsHexDigit(QChar c)
{
    return c.unicode() < 0x80 && HexDigit(char(c.unicode())) >= 0;
}

QString HexEscape(QChar c)
{
    return QStringLiteral("\\x") + QString::number(c.unicode(), 16);
}

} // namespace

QString IniValueText(const QString &text)
{
    QString out = text.startsWith(QLatin1Char('@')) ? QStringLiteral("@") : QString();
    bool afterHex = false;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        const bool hexNext = afterHex && IsHexDigit(c);
        afterHex = false;
        if (u == '\\' || u == '"') {
            out += QLatin1Char('\\') + c;
        } else if (u == '\n') {
            out += QStringLiteral("\\n");
        } else if (u == '\r') {
            out += QStringLiteral("\\r");
        } else if (u == '\t') {
            out += QStringLiteral("\\t");
        } else if (u < 0x20 || u >= 0x7f || hexNext) {
            out += HexEscape(c);
            afterHex = true;
        } else {
            out += c;
        }
    }
    const bool quote = text.contains(QLatin1Char(';')) || text.contains(QLatin1Char(','))
        || text.contains(QLatin1Char('=')) || out.startsWith(QLatin1Char(' '))
        || out.endsWith(QLatin1Char(' '));
    return quote ? QLatin1Char('"') + out + QLatin1Char('"') : out;
}
