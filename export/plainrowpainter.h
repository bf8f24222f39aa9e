#ifndef PLAINROWPAINTER_H
#define PLAINROWPAINTER_H

// Draws rows of plain text (digits, signs, separators, blanks) in the
// painter's font the way QPainter::drawText at a point places them, without
// laying each row out again: the glyph and advance of every character are
// looked up once. Blanks are advanced over, not drawn, which keeps a PDF of
// 70000 padded rows small and quick to write. A row with a character the
// table does not hold is handed to drawText.

#include <QGlyphRun>
#include <QPointF>
#include <QRawFont>
#include <QString>

#include <vector>

class QPainter;

class PlainRowPainter
{
public:
    explicit PlainRowPainter(QPainter &painter);

    // Draws the row with its baseline starting at `origin`.
    void Draw(const QPointF &origin, const QString &row);

private:
    static constexpr int TableSize = 128;

    QPainter &Painter;
    QRawFont Font;
    quint32 Glyph[TableSize] = {};   // 0: draw the row with drawText
    qreal Advance[TableSize] = {};
    std::vector<quint32> Indexes;
    std::vector<QPointF> Positions;
};

#endif // PLAINROWPAINTER_H
