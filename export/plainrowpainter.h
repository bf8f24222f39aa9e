#ifndef PLAINROWPAINTER_H
#define PLAINROWPAINTER_H

// Draws rows of plain text (digits, signs, separators, blanks) in the
// painter's font the way QPainter::drawText at a point places them, without
// laying each row out again: the glyph and advance of every character are
// looked up once. Blanks are advanced over, not drawn, which keeps a PDF of
// 70000 padded rows small and quick to write. A row with a character the
// table does not hold is handed to drawText.
//
// Width() tells how far Draw advances over a text, so that callers can align
// texts without laying them out. Texts placed with Add() on a line are drawn
// together, as one run, by Flush().

#include <QFont>
#include <QFontMetricsF>
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
    // In the raw font given; rows it cannot draw go to drawText in fallback.
    PlainRowPainter(QPainter &painter, const QRawFont &font, const QFont &fallback);

    // Draws the row with its baseline starting at `origin`.
    void Draw(const QPointF &origin, const QString &row);
    // Places the text with its baseline starting at `origin`, to be drawn
    // with the others placed before the next Flush().
    void Add(const QPointF &origin, const QString &text);
    void Flush();
    qreal Width(const QString &text) const;
    const QRawFont &Font() const { return RawFont; }

private:
    static constexpr int TableSize = 128;

    void FillTable();

    QPainter &Painter;
    QRawFont RawFont;
    QFont Fallback;          // for rows that go to drawText
    QFontMetricsF Metrics;   // of the fallback
    quint32 Glyph[TableSize] = {};   // 0: draw the row with drawText
    qreal Advance[TableSize] = {};
    std::vector<quint32> Indexes;
    std::vector<QPointF> Positions;
};

#endif // PLAINROWPAINTER_H
