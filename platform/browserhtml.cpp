#include "platform/browserhtml.h"

#include <QTextDocument>
#include <QTextOption>

namespace {

constexpr uint ReplacementCharacter = 0xFFFD;

// What a browser shows for the references 0x80 to 0x9F: the characters of
// the Windows Latin-1 code page; 0 where the code page has none and the code
// stands.
constexpr ushort Windows1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

uint ShownCharacter(quint64 code)
{
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return ReplacementCharacter;
    if (code >= 0x80 && code <= 0x9F && Windows1252[code - 0x80] != 0)
        return Windows1252[code - 0x80];
    return uint(code);
}

int DigitValue(QChar c, bool hex)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (hex && u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (hex && u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

bool StartsWithAt(const QString &text, int at, QLatin1String word)
{
    return QStringView(text).mid(at).startsWith(word, Qt::CaseInsensitive);
}

// Where the text that follows a '<' at `at` may hold references again: past
// a comment or declaration, past the end of a script or style element, or
// just past the '<'.
int SkipUnparsedText(const QString &html, int at)
{
    const auto pastOrEnd
        = [&html](int found, int length) { return found < 0 ? html.size() : found + length; };
    if (StartsWithAt(html, at, QLatin1String("<!--")))
        return pastOrEnd(html.indexOf(QLatin1String("-->"), at + 4), 3);
    if (StartsWithAt(html, at, QLatin1String("<!")))
        return pastOrEnd(html.indexOf(QLatin1Char('>'), at), 1);
    for (QLatin1String element : {QLatin1String("script"), QLatin1String("style")}) {
        if (StartsWithAt(html, at + 1, element)) {
            const QString closer = QLatin1String("</") + element;
            return pastOrEnd(html.indexOf(closer, at, Qt::CaseInsensitive), closer.size());
        }
    }
    return at + 1;
}

struct Reference {
    int end = 0; // just past the last digit
    uint character = 0;
};

// Reads the numeric reference whose "&#" stands at `at`; false when no
// digit follows.
bool ReadReference(const QString &html, int at, Reference *reference)
{
    int i = at + 2;
    const bool hex
        = i < html.size() && (html.at(i) == QLatin1Char('x') || html.at(i) == QLatin1Char('X'));
    if (hex)
        ++i;
    const int digitsStart = i;
    quint64 code = 0;
    for (int digit; i < html.size() && (digit = DigitValue(html.at(i), hex)) >= 0; ++i)
        code = qMin<quint64>(code * (hex ? 16 : 10) + digit, 0x110000);
    if (i == digitsStart)
        return false;
    *reference = {i, ShownCharacter(code)};
    return true;
}

} // namespace

QString CompleteCharacterReferences(const QString &html)
{
    QString out;
    int copied = 0;
    for (int i = 0; i < html.size();) {
        const QChar c = html.at(i);
        if (c == QLatin1Char('<')) {
            i = SkipUnparsedText(html, i);
            continue;
        }
        Reference reference;
        if (c != QLatin1Char('&') || i + 1 >= html.size() || html.at(i + 1) != QLatin1Char('#')
            || !ReadReference(html, i, &reference)) {
            ++i;
            continue;
        }
        if (reference.end >= html.size() || html.at(reference.end) != QLatin1Char(';')) {
            if (out.isEmpty())
                out.reserve(html.size() + 64);
            out.append(html.constData() + copied, i - copied);
            out += QLatin1String("&#") + QString::number(reference.character) + QLatin1Char(';');
            copied = reference.end;
        }
        i = reference.end;
    }
    if (copied == 0)
        return html;
    out.append(html.constData() + copied, html.size() - copied);
    return out;
}

void SetBrowserHtml(QTextDocument *document, const QString &html)
{
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);
    document->setDefaultTextOption(option);
    document->setHtml(CompleteCharacterReferences(html));
}
