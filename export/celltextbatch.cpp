#include "export/celltextbatch.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>

CellTextBatch::CellTextBatch(const QFont &font, QPaintDevice *device)
    : Font(font, device)
{
    // The raw font at the pixel size the device gives the point size, so that
    // the run matches what drawText would draw.
    Raw = QRawFont::fromFont(Font);
    if (Raw.isValid())
        Raw.setPixelSize(Font.pointSizeF() * device->logicalDpiY() / 72.0);
    const QFontMetricsF metrics(Font, device);
    Ascent = metrics.ascent();
    Height = metrics.ascent() + metrics.descent();
}

const CellTextBatch::Glyph *CellTextBatch::GlyphOf(QChar c)
{
    if (!Raw.isValid() || c.unicode() >= Ascii.size())
        return nullptr;
    Glyph &glyph = Ascii[c.unicode()];
    if (!glyph.Looked) {
        glyph.Looked = true;
        const QVector<quint32> indexes = Raw.glyphIndexesForString(QString(c));
        if (indexes.size() == 1 && indexes[0] != 0) {
            glyph.Index = indexes[0];
            glyph.Advance = Raw.advancesForGlyphIndexes(indexes).value(0).x();
        }
    }
    return glyph.Index ? &glyph : nullptr;
}

void CellTextBatch::AddCentred(const QRectF &cell, const QString &text)
{
    const int first = Glyphs.size();
    qreal width = 0.0;
    for (QChar c : text) {
        const Glyph *glyph = GlyphOf(c);
        if (!glyph) {
            Glyphs.resize(first);
            Positions.resize(first);
            Others.append({cell, text});
            return;
        }
        Glyphs.append(glyph->Index);
        Positions.append(QPointF(width, 0.0));
        width += glyph->Advance;
    }
    const QPointF origin(cell.left() + (cell.width() - width) / 2,
                         cell.top() + (cell.height() - Height) / 2 + Ascent);
    for (int i = first; i < Glyphs.size(); ++i)
        Positions[i] += origin;
}

void CellTextBatch::Draw(QPainter *painter)
{
    if (!Glyphs.isEmpty()) {
        QGlyphRun run;
        run.setRawFont(Raw);
        run.setGlyphIndexes(Glyphs);
        run.setPositions(Positions);
        painter->drawGlyphRun(QPointF(0.0, 0.0), run);
    }
    if (!Others.isEmpty()) {
        const QFont previous = painter->font();
        painter->setFont(Font);
        for (const auto &other : qAsConst(Others))
            painter->drawText(other.first, Qt::AlignCenter, other.second);
        painter->setFont(previous);
    }
    Glyphs.clear();
    Positions.clear();
    Others.clear();
}
