#include "export/reportprint.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextTable>
#include <QtMath>

#include <algorithm>

#include "export/printedpages.h"
#include "export/tablerows.h"
#include "platform/reportpage.h"

namespace {

constexpr double MarginCm = 2.0;
// A page whose longest table has no more rows than this prints as rich text
// throughout: laying out and painting a few hundred rows takes the rich-text
// engine a fraction of a second.
constexpr int RichTextRows = 200;
// The last rows of the long table join the rows its columns are measured
// on, so that the columns hold the longest sample numbers too.
constexpr int MeasuredLastRows = 40;
// How far inside a page's band the layout is asked to draw, in page units.
constexpr double ClipInset = 1.5;

int LaidOutWidth(const BuiltSegment &built)
{
    return qCeil(built.document->documentLayout()->documentSize().width());
}

// Fills the printer's pages from the top, each page's body between the
// margins, and numbers them.
class PagePainter {
public:
    PagePainter(QPrinter &printer, QPainter &painter)
        : painter(painter)
        , printed(printer, painter)
    {
        const double margin = MarginCm / 2.54 * printer.logicalDpiY();
        body = QRectF(margin, margin, printer.width() - 2.0 * margin,
                      printer.height() - 2.0 * margin);
        printed.Begin(page);
    }

    double BodyWidth() const { return body.width(); }
    bool AtPageTop() const { return used <= 0.0; }
    // Where the next block goes, in the units of a page drawn at scale.
    double Top(double scale) const { return used / scale; }
    void Advance(double height, double scale) { used += height * scale; }

    // Whether a block of that height fits on the page begun; on an empty
    // page anything fits.
    bool Fits(double height, double scale) const
    {
        return AtPageTop() || used + height * scale <= body.height();
    }

    // Numbers the page and begins the next; false when the printer took no
    // further page, or when the pages to print are done.
    bool NewPage()
    {
        PaintPageNumber();
        used = 0.0;
        ++page;
        return !printed.Past(page) && printed.Begin(page);
    }

    // Whether the page begun is one to print: the others are laid out alone.
    bool Shown() const { return printed.Includes(page); }

    // Page coordinates at the scale: the body's top left is (0, 0). Nothing
    // to set before the painter has begun on the first page printed.
    void SetPageTransform(double scale)
    {
        if (!painter.isActive())
            return;
        painter.resetTransform();
        painter.translate(body.topLeft());
        painter.scale(scale, scale);
    }

    // Paints the piece's band; false when the printer took no further page.
    bool PaintSegment(const BuiltSegment &segment, double scale)
    {
        const QVector<double> breaks = PageBreaks(segment);
        double top = segment.top;
        while (top < segment.bottom) {
            const double room = (body.height() - used) / scale;
            if (segment.bottom - top <= room) {
                PaintBand(segment, scale, top, segment.bottom);
                Advance(segment.bottom - top, scale);
                return true;
            }
            const auto after = std::upper_bound(breaks.begin(), breaks.end(), top + room);
            double end = after != breaks.begin() ? *(after - 1) : top;
            if (end <= top) {
                // Nothing more fits on a page begun; on an empty page the
                // block or row is taller than a page and is cut.
                if (!AtPageTop()) {
                    if (!NewPage())
                        return false;
                    continue;
                }
                end = top + room;
            }
            PaintBand(segment, scale, top, end);
            if (!NewPage())
                return false;
            top = end;
        }
        return true;
    }

    // Numbers the last page.
    bool Finish()
    {
        PaintPageNumber();
        return true;
    }

    PrintRun End() { return printed.End(); }

private:
    void PaintBand(const BuiltSegment &segment, double scale, double top, double bottom)
    {
        if (!Shown())
            return;
        painter.save();
        SetPageTransform(scale);
        painter.translate(0.0, Top(scale) - top);
        const QRectF band(0.0, top, body.width() / scale, bottom - top);
        painter.setClipRect(band);
        // The layout draws whatever touches its clip, the rows on either side
        // of the band among them: their text would stand, hidden but
        // searchable, twice in the file.
        QAbstractTextDocumentLayout::PaintContext context;
        const double inset = qMin(ClipInset, band.height() / 4.0);
        context.clip = band.adjusted(0.0, inset, 0.0, -inset);
        context.palette.setColor(QPalette::Text, Qt::black);
        segment.document->documentLayout()->draw(&painter, context);
        painter.restore();
    }

    // At the foot of the page, right-aligned with the body, where Qt's own
    // document print puts it.
    void PaintPageNumber()
    {
        if (!Shown())
            return;
        painter.save();
        painter.resetTransform();
        painter.setClipping(false);
        painter.setPen(Qt::black);
        const QFont font;
        painter.setFont(font);
        const QString number = QString::number(page);
        const QFontMetricsF metrics(font, painter.device());
        const double point = painter.device()->logicalDpiY() / 72.0;
        painter.drawText(QPointF(body.right() - metrics.horizontalAdvance(number),
                                 body.bottom() + metrics.ascent() + 5.0 * point),
                         number);
        painter.restore();
    }

    QPainter &painter;
    PrintedPages printed;
    QRectF body;
    double used = 0.0;   // of the current page's body height, in device units
    int page = 1;
};

// The page cut for printing around its longest table: the head (all before
// the table and its first row, the header), the table's further rows, set
// straight onto the pages, and the tail (what follows the table). A page
// whose longest table is short is not cut (no rows): it prints as rich text
// throughout.
struct PrintCut {
    PageSegment head;
    PageSegment measuring;    // the head with the rows that need the most room
    QVector<int> rowStarts;   // of the rows after the header, and where the last ends
    PageSegment tail;
    bool HasRows() const { return rowStarts.size() > 1; }
};

QByteArray RowBytes(const QByteArray &html, const QVector<int> &starts, int row)
{
    return QByteArray::fromRawData(html.constData() + starts.at(row),
                                   starts.at(row + 1) - starts.at(row));
}

// The rows the columns are measured on: the first, the one with the longest
// text of each column, and the last few (the longest sample numbers), in
// their order.
QByteArray MeasuredRows(const QByteArray &html, const QVector<int> &starts)
{
    const int rows = starts.size() - 1;
    QVector<int> longest, chosen{0};
    QVector<int> row;   // of each column's longest text so far
    for (int r = 0; r < rows; ++r) {
        const QStringList cells = RowCellTexts(RowBytes(html, starts, r));
        for (int c = 0; c < cells.size(); ++c) {
            if (c == longest.size()) {
                longest.append(-1);
                row.append(r);
            }
            if (cells.at(c).size() > longest.at(c)) {
                longest[c] = cells.at(c).size();
                row[c] = r;
            }
        }
    }
    chosen += row;
    for (int r = qMax(0, rows - MeasuredLastRows); r < rows; ++r)
        chosen.append(r);
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    QByteArray measured;
    for (int r : chosen)
        measured += RowBytes(html, starts, r);
    return measured;
}

PrintCut CutForPrint(const QByteArray &html)
{
    PrintCut cut;
    const TableSpan longest = LongestTable(html);
    if (longest.rows.size() <= RichTextRows || longest.closerStart < 0) {
        cut.head = PageSegment{html, false, false};
        return cut;
    }
    const QByteArray closer("</table>");
    const int end = longest.closerStart;
    cut.rowStarts = longest.rows.mid(1);
    cut.rowStarts.append(end);
    const QByteArray opening = html.left(cut.rowStarts.first());
    cut.head = PageSegment{opening + closer, false, true};
    cut.measuring = PageSegment{opening + MeasuredRows(html, cut.rowStarts) + closer, false, true};
    const QByteArray after = html.mid(end + closer.size());
    cut.tail = PageSegment{html.left(OpeningLength(html, longest.openerStart)) + after, false, false};
    return cut;
}

// True when the tail shows anything: text outside its tags, or a picture or
// a table.
bool ShowsAnything(const QByteArray &tail, int openingLength)
{
    bool inTag = false;
    for (int i = openingLength; i < tail.size(); ++i) {
        const char c = tail.at(i);
        if (c == '<') {
            inTag = true;
            if (IsTag(tail, i + 1, QLatin1String("img")) || IsTag(tail, i + 1, QLatin1String("table")))
                return true;
        } else if (c == '>') {
            inTag = false;
        } else if (!inTag && !QByteArray(" \t\r\n").contains(c)) {
            return true;
        }
    }
    return false;
}

// The width to lay the page out at, measured on `measuring`: the paper's, or
// the width its tables need when that is more. The long table's columns are
// measured for that width; the last layout of `measuring` is kept for the
// look of its rows.
int MeasurePage(ReportPage &page, const PageSegment &measuring, int paperWidth,
                BuiltSegment *measured)
{
    const ReportPage probe{page.folder, {measuring}, {}};
    int width = paperWidth;
    for (int attempt = 0; attempt < 2; ++attempt) {
        page.columnWidths.clear();
        delete measured->document;
        *measured = BuildPageSegment(probe, 0, width, &page.columnWidths);
        const int needed = LaidOutWidth(*measured);
        if (needed <= width)
            break;
        width = needed;
    }
    return width;
}

class ReportPrint {
public:
    ReportPrint(QPrinter &printer, QPainter &painter, const QString &folder)
        : painter(painter)
        , pages(printer, painter)
    {
        page.folder = folder;
    }

    PrintRun Print(const QByteArray &html)
    {
        PrintPage(html);
        return pages.End();
    }

private:
    bool PrintPage(const QByteArray &html)
    {
        const PrintCut cut = CutForPrint(html);
        if (cut.HasRows()) {
            page.segments = {cut.head};
            BuiltSegment measured;
            width = MeasurePage(page, cut.measuring, PaperWidth(), &measured);
            TableRowLook look;
            if (QTextTable *table = LongTable(measured.document, cut.measuring))
                look = ReadRowLook(measured.document, table, 1);
            delete measured.document;
            if (look.IsValid())
                return PrintWithRows(html, cut, look);
        }
        return PrintAsRichText(html);
    }

    int PaperWidth() const { return qFloor(pages.BodyWidth()); }

    double Scale(int laidOut) const { return qMin(1.0, pages.BodyWidth() / qMax(width, laidOut)); }

    bool PrintAsRichText(const QByteArray &html)
    {
        page.segments = {PageSegment{html, false, false}};
        BuiltSegment measured;
        width = MeasurePage(page, page.segments.first(), PaperWidth(), &measured);
        delete measured.document;
        return PaintPiece(page) && pages.Finish();
    }

    bool PrintWithRows(const QByteArray &html, const PrintCut &cut, const TableRowLook &look)
    {
        if (!PaintPiece(page) || !PaintRows(html, cut.rowStarts, look))
            return false;
        const QByteArray &tail = cut.tail.html;
        if (ShowsAnything(tail, OpeningLength(tail, tail.size()))
            && !PaintPiece(ReportPage{page.folder, {cut.tail}, {}}))
            return false;
        return pages.Finish();
    }


    bool PaintPiece(const ReportPage &piece)
    {
        const BuiltSegment built = BuildPageSegment(piece, 0, width);
        const bool painted = pages.PaintSegment(built, Scale(LaidOutWidth(built)));
        delete built.document;
        return painted;
    }

    // Row after row, each whole on one page.
    bool PaintRows(const QByteArray &html, const QVector<int> &starts, const TableRowLook &look)
    {
        const double scale = Scale(width);
        TableRowPainter rows(painter, look);
        pages.SetPageTransform(scale);
        for (int row = 0; row + 1 < starts.size(); ++row) {
            const SetRow set = rows.Set(RowCellTexts(RowBytes(html, starts, row)));
            // Room for the row and the rule below it.
            if (!pages.Fits(set.height + look.ruleWidth, scale)) {
                rows.DrawRules();
                if (!pages.NewPage())
                    return false;
                pages.SetPageTransform(scale);
            }
            if (pages.Shown())
                rows.Paint(set, pages.Top(scale), pages.AtPageTop());
            pages.Advance(set.height, scale);
        }
        rows.DrawRules();
        pages.Advance(look.ruleWidth, scale);
        return true;
    }

    QPainter &painter;
    PagePainter pages;
    ReportPage page;
    int width = 0;
};

} // namespace

PrintRun PrintReportPage(const QString &html, const QString &folder, QPrinter *printer)
{
    QPainter painter;
    return ReportPrint(*printer, painter, folder).Print(Gb2312PageBytes(html));
}
