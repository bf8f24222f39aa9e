#include "export/plainrowpainter.h"

#include <QPainter>

PlainRowPainter::PlainRowPainter(QPainter &painter)
    : PlainRowPainter(painter, QRawFont::fromFont(painter.font()), painter.font())
{
}

PlainRowPainter::PlainRowPainter(QPainter &painter, const QRawFont &font, const QFont &fallback)
    : Painter(painter)
    , RawFont(font)
    , Fallback(fallback)
    , Metrics(fallback)   // at the resolution the font was made for
{
    FillTable();
}

void PlainRowPainter::FillTable()
{
    if (!RawFont.isValid())
        return;
    for (int code = 32; code < TableSize - 1; ++code) {
        const QChar c(code);
        int count = 1;
        if (!RawFont.glyphIndexesForChars(&c, 1, &Glyph[code], &count) || count != 1)
            Glyph[code] = 0;
        QPointF advance;
        RawFont.advancesForGlyphIndexes(&Glyph[code], &advance, 1, QRawFont::SeparateAdvances);
        Advance[code] = advance.x();
    }
}

void PlainRowPainter::Draw(const QPointF &origin, const QString &row)
{
    Add(origin, row);
    Flush();
}

void PlainRowPainter::Add(const QPointF &origin, const QString &text)
{
    const size_t placed = Indexes.size();
    qreal x = origin.x();
    for (const QChar c : text) {
        const ushort code = c.unicode();
        if (code >= TableSize || Glyph[code] == 0) {
            Indexes.resize(placed);
            Positions.resize(placed);
            Painter.setFont(Fallback);
            Painter.drawText(origin, text);
            return;
        }
        if (code != u' ') {
            Indexes.push_back(Glyph[code]);
            Positions.emplace_back(x, origin.y());
        }
        x += Advance[code];
    }
}

void PlainRowPainter::Flush()
{
    if (!Indexes.empty()) {
        QGlyphRun run;
        run.setRawFont(RawFont);
        run.setRawData(Indexes.data(), Positions.data(), int(Indexes.size()));
        Painter.drawGlyphRun(QPointF(), run);
    }
    Indexes.clear();
    Positions.clear();
}

qreal PlainRowPainter::Width(const QString &text) const
{
    qreal width = 0.0;
    for (const QChar c : text) {
        const ushort code = c.unicode();
        if (code >= TableSize || Glyph[code] == 0)
            return Metrics.horizontalAdvance(text);
        width += Advance[code];
    }
    return width;
}
