#include "export/plainrowpainter.h"

#include <QPainter>

PlainRowPainter::PlainRowPainter(QPainter &painter)
    : Painter(painter)
    , Font(QRawFont::fromFont(painter.font()))
{
    if (!Font.isValid())
        return;
    for (int code = 32; code < TableSize - 1; ++code) {
        const QChar c(code);
        int count = 1;
        if (!Font.glyphIndexesForChars(&c, 1, &Glyph[code], &count) || count != 1)
            Glyph[code] = 0;
        QPointF advance;
        Font.advancesForGlyphIndexes(&Glyph[code], &advance, 1, QRawFont::SeparateAdvances);
        Advance[code] = advance.x();
    }
}

void PlainRowPainter::Draw(const QPointF &origin, const QString &row)
{
    Indexes.clear();
    Positions.clear();
    qreal x = 0.0;
    for (const QChar c : row) {
        const ushort code = c.unicode();
        if (code >= TableSize || Glyph[code] == 0) {
            Painter.drawText(origin, row);
            return;
        }
        if (code != u' ') {
            Indexes.push_back(Glyph[code]);
            Positions.emplace_back(x, 0.0);
        }
        x += Advance[code];
    }
    if (Indexes.empty())
        return;
    QGlyphRun run;
    run.setRawFont(Font);
    run.setRawData(Indexes.data(), Positions.data(), int(Indexes.size()));
    Painter.drawGlyphRun(origin, run);
}
