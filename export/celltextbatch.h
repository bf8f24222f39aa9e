#ifndef EXPORT_CELLTEXTBATCH_H
#define EXPORT_CELLTEXTBATCH_H

// Short texts centred in table cells, drawn together as one run of glyphs.
// A PDF page takes one run of a whole table row several times faster than
// one shaped text per cell, which is what keeps a 70000-sample report fast.
// The texts stay text in the file (searchable, copyable). Characters outside
// ASCII, or missing from the font, go the ordinary way through
// QPainter::drawText, so nothing is lost.
//
//     CellTextBatch batch(font, painter->device());
//     batch.AddCentred(QRectF(0, 80, 50, 20), "1");
//     batch.AddCentred(QRectF(50, 80, 154, 20), "01/03/2024 08:00:00");
//     batch.Draw(painter);

#include <QFont>
#include <QPair>
#include <QPointF>
#include <QRawFont>
#include <QRectF>
#include <QString>
#include <QVector>

#include <array>

class QPaintDevice;
class QPainter;

class CellTextBatch {
public:
    CellTextBatch(const QFont &font, QPaintDevice *device);

    void AddCentred(const QRectF &cell, const QString &text);
    // Draws what was added with the painter's pen, then starts afresh.
    void Draw(QPainter *painter);

private:
    struct Glyph {
        quint32 Index = 0;
        qreal Advance = 0.0;
        bool Looked = false;
    };
    const Glyph *GlyphOf(QChar c);

    QFont Font;
    QRawFont Raw;
    qreal Ascent = 0.0;
    qreal Height = 0.0;
    std::array<Glyph, 128> Ascii;
    QVector<quint32> Glyphs;
    QVector<QPointF> Positions;
    QVector<QPair<QRectF, QString>> Others;
};

#endif // EXPORT_CELLTEXTBATCH_H
