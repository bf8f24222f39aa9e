// The workbook globals: everything before the first worksheet.

#include "platform/biffstream.h"
#include "platform/xlsrecords.h"

#include <algorithm>
#include <utility>

namespace {

constexpr quint16 Biff8 = 0x0600;
constexpr quint16 GlobalsKind = 0x0005;
constexpr quint16 Utf16CodePage = 1200;
constexpr int StyleFormats = 15;

void WriteFont(BiffStream &out)
{
    out.Begin(XlsRecord::Font);
    out.U16(200);      // 10 points, in twentieths
    out.U16(0);        // not italic, not struck out
    out.U16(0x7FFF);   // automatic colour
    out.U16(400);      // normal weight
    out.U16(0);        // no super- or subscript
    out.U8(0);         // no underline
    out.U8(0);         // family
    out.U8(0);         // character set
    out.U8(0);
    out.ShortText(QStringLiteral("Arial"));
    out.End();
}

// A style format has no parent (0xFFF) and says which of its parts apply;
// the cell format takes everything from the Normal style.
void WriteFormat(BiffStream &out, quint16 font, bool style, quint8 ignoredParts)
{
    out.Begin(XlsRecord::Xf);
    out.U16(font);
    out.U16(0);                          // number format General
    out.U16(style ? 0xFFF5 : 0x0001);    // locked; style flag and parent
    out.U8(0x20);                        // aligned to the bottom
    out.U8(0);                           // no rotation
    out.U8(0);                           // no indent
    out.U8(ignoredParts);
    out.U32(0);                          // no borders
    out.U32(0);
    out.U16(64 | (65 << 7));             // automatic pattern colours
    out.End();
}

} // namespace

void WriteXlsBof(BiffStream &out, quint16 kind)
{
    out.Begin(XlsRecord::Bof);
    out.U16(Biff8);
    out.U16(kind);
    out.U16(0x0DBB);   // build
    out.U16(0x07CC);   // year
    out.U32(0);        // file history
    out.U32(6);        // lowest version that reads the file: BIFF8
    out.End();
}

void WriteXlsGlobalsHead(BiffStream &out)
{
    WriteXlsBof(out, GlobalsKind);

    out.Begin(XlsRecord::CodePage);
    out.U16(Utf16CodePage);
    out.End();

    out.Begin(XlsRecord::Window1);
    out.U16(360);      // position and size, in twips
    out.U16(270);
    out.U16(15000);
    out.U16(9000);
    out.U16(0x0038);   // scroll bars and sheet tabs shown
    out.U16(0);        // selected sheet
    out.U16(0);        // first tab shown
    out.U16(1);        // one sheet selected
    out.U16(600);      // tab bar width, per thousand
    out.End();

    // Font 4 does not exist in this format; five records give fonts 0-3 and 5.
    for (int i = 0; i < 5; ++i)
        WriteFont(out);

    // The outline styles of rows and columns use fonts 1 and 2.
    for (int i = 0; i < StyleFormats; ++i) {
        const quint16 font = i == 1 || i == 2 ? 1 : i == 3 || i == 4 ? 2 : 0;
        WriteFormat(out, font, true, i == 0 ? 0x00 : 0xF4);
    }
    WriteFormat(out, 0, false, 0x00);

    out.Begin(XlsRecord::Style);
    out.U16(0x8000);   // built in, format 0
    out.U8(0);         // Normal
    out.U8(0xFF);      // no outline level
    out.End();
}

int WriteXlsSheetEntry(BiffStream &out, const QString &name)
{
    out.Begin(XlsRecord::BoundSheet);
    const int offsetAt = out.Position();
    out.U32(0);   // stream offset of the sheet's BOF, filled in later
    out.U8(0);    // visible
    out.U8(0);    // worksheet
    out.ShortText(name);
    out.End();
    return offsetAt;
}

void WriteXlsSharedStrings(BiffStream &out, const std::vector<QString> &strings,
                           quint32 references)
{
    // Readers look strings up by buckets of equal size, at most 128 of them.
    const quint32 count = quint32(strings.size());
    const quint32 perBucket = std::max<quint32>(8, (count + 127) / 128);
    std::vector<std::pair<quint32, quint16>> buckets;

    out.Begin(XlsRecord::SharedStrings);
    out.U32(references);
    out.U32(count);
    for (quint32 i = 0; i < count; ++i) {
        const QString &text = strings[i];
        const bool wide = !IsLatin1(text);
        const int charSize = wide ? 2 : 1;
        // A string's header never splits from its first character.
        if (out.RecordSpace() < 3 + (text.isEmpty() ? 0 : charSize)) {
            out.End();
            out.Begin(XlsRecord::Continue);
        }
        if (i % perBucket == 0)
            buckets.push_back({quint32(out.Position()), quint16(out.Position() - out.RecordStart())});
        out.U16(quint16(text.size()));
        out.U8(wide ? 1 : 0);
        // Characters go on in a CONTINUE record that repeats the encoding.
        for (int done = 0; done < text.size();) {
            if (out.RecordSpace() < charSize) {
                out.End();
                out.Begin(XlsRecord::Continue);
                out.U8(wide ? 1 : 0);
            }
            const int count = std::min(out.RecordSpace() / charSize, int(text.size()) - done);
            out.Chars(text, done, count, wide);
            done += count;
        }
    }
    out.End();

    out.Begin(XlsRecord::ExtSst);
    out.U16(quint16(perBucket));
    for (const auto &bucket : buckets) {
        out.U32(bucket.first);
        out.U16(bucket.second);
        out.U16(0);
    }
    out.End();
}
