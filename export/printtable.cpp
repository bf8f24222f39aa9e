#include "export/printtable.h"

#include <QAbstractItemModel>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include "export/plainrowpainter.h"
#include "export/printedpages.h"

namespace {

// Sizes in points, turned into device units at the printer's resolution.
constexpr int CellPoints = 8;
constexpr int TitlePoints = 10;
constexpr qreal CellSidePadding = 4.5; // between a text and its column's rules
constexpr qreal CellTopPadding = 1.5;

QFont ArialFont(int points, bool bold)
{
    QFont font(QStringLiteral("Arial"), points);
    font.setBold(bold);
    return font;
}

// Where everything of a page goes, in the painter's units; the table is
// scaled down as a whole when it is wider than the page.
struct PageLayout {
    qreal scale = 1.0;
    QSizeF page; // printable area, in the painter's units
    QVector<qreal> columnLeft; // and the table's right edge last
    qreal titleHeight = 0.0;
    qreal headerHeight = 0.0;
    qreal rowHeight = 0.0;
    qreal cellBaseline = 0.0; // from a row's top
    qreal headerBaseline = 0.0;
    int firstPageRows = 1;
    int rowsPerPage = 1;

    int PageCount(int rows) const
    {
        return rows <= firstPageRows ? 1
                                     : 1 + (rows - firstPageRows + rowsPerPage - 1) / rowsPerPage;
    }
};

class TablePainter {
public:
    TablePainter(QPainter &painter, QPrinter &printer, const PrintTable &table);
    PrintRun PrintPages();

private:
    void MeasureColumns();
    void MeasureRows();
    qreal PointsToUnits(qreal points) const { return points * printer.logicalDpiY() / 72.0; }
    void PaintPage(int page, int firstRow, int rows);
    qreal PaintTitle();
    void PaintHeader(qreal top);
    void PaintRows(qreal top, int firstRow, int rows);
    void PaintRules(qreal top, int rows);
    void PaintPageNumber(int page);

    QPainter &painter;
    QPrinter &printer;
    const PrintTable &table;
    // At the printer's resolution: the pages are measured before the painter
    // begins on the printer.
    const QFont cellFont {ArialFont(CellPoints, false), &printer};
    const QFont headerFont {ArialFont(CellPoints, true), &printer};
    const QFont titleFont {ArialFont(TitlePoints, true), &printer};
    PlainRowPainter cells {painter, QRawFont::fromFont(cellFont), cellFont};
    PageLayout layout;
};

TablePainter::TablePainter(QPainter &painter, QPrinter &printer, const PrintTable &table)
    : painter(painter)
    , printer(printer)
    , table(table)
{
}

void TablePainter::MeasureColumns()
{
    const QFontMetricsF header(headerFont);
    const int columns = table.Headers.size();
    QVector<qreal> widths(columns);
    for (int column = 0; column < columns; ++column)
        widths[column] = header.horizontalAdvance(table.Headers.at(column));
    for (int row = 0; row < table.RowCount(); ++row) {
        for (int column = 0; column < columns; ++column)
            widths[column] = qMax(widths[column], cells.Width(table.Cell(row, column)));
    }
    const qreal padding = 2.0 * PointsToUnits(CellSidePadding);
    layout.columnLeft = {0.0};
    for (qreal width : widths)
        layout.columnLeft.append(layout.columnLeft.last() + width + padding);
    const QSizeF page(printer.width(), printer.height());
    layout.scale = qMin(1.0, page.width() / layout.columnLeft.last());
    layout.page = page / layout.scale;
}

void TablePainter::MeasureRows()
{
    const QFontMetricsF cell(cellFont);
    const QFontMetricsF header(headerFont);
    const QFontMetricsF title(titleFont);
    const qreal padding = PointsToUnits(CellTopPadding);
    layout.rowHeight = cell.height() + 2.0 * padding;
    layout.cellBaseline = padding + cell.ascent();
    layout.headerHeight = header.height() + 2.0 * padding;
    layout.headerBaseline = padding + header.ascent();
    layout.titleHeight = 1.5 * title.height();
    // The page number's line below the table.
    const qreal footer = 2.0 * cell.height();
    const qreal rowsHeight = layout.page.height() - layout.headerHeight - footer;
    layout.rowsPerPage = qMax(1, int(rowsHeight / layout.rowHeight));
    layout.firstPageRows = qMax(1, int((rowsHeight - layout.titleHeight) / layout.rowHeight));
}

PrintRun TablePainter::PrintPages()
{
    MeasureColumns();
    MeasureRows();
    const int rows = table.RowCount();
    PrintedPages printed(printer, painter);
    int firstRow = 0;
    for (int page = 0; page < layout.PageCount(rows) && !printed.Past(page + 1); ++page) {
        const int pageRows
            = qMin(rows - firstRow, page == 0 ? layout.firstPageRows : layout.rowsPerPage);
        // A printer that takes no more pages is not painted on further.
        if (!printed.Begin(page + 1))
            break;
        if (printed.Includes(page + 1))
            PaintPage(page, firstRow, pageRows);
        firstRow += pageRows;
    }
    return printed.End();
}

void TablePainter::PaintPage(int page, int firstRow, int rows)
{
    painter.setTransform(QTransform::fromScale(layout.scale, layout.scale));
    const qreal top = page == 0 ? PaintTitle() : 0.0;
    PaintHeader(top);
    PaintRows(top + layout.headerHeight, firstRow, rows);
    PaintRules(top, rows);
    PaintPageNumber(page);
}

qreal TablePainter::PaintTitle()
{
    painter.setFont(titleFont);
    painter.drawText(QPointF(0.0, QFontMetricsF(titleFont).ascent()),
                     table.Title);
    return layout.titleHeight;
}

void TablePainter::PaintHeader(qreal top)
{
    painter.setFont(headerFont);
    const QFontMetricsF metrics(headerFont);
    const QVector<qreal> &left = layout.columnLeft;
    for (int column = 0; column < table.Headers.size(); ++column) {
        const QString &text = table.Headers.at(column);
        const qreal x = (left[column] + left[column + 1] - metrics.horizontalAdvance(text)) / 2.0;
        painter.drawText(QPointF(x, top + layout.headerBaseline), text);
    }
}

void TablePainter::PaintRows(qreal top, int firstRow, int rows)
{
    painter.setFont(cellFont);
    const QVector<qreal> &left = layout.columnLeft;
    for (int row = 0; row < rows; ++row) {
        const qreal baseline = top + row * layout.rowHeight + layout.cellBaseline;
        for (int column = 0; column < table.Headers.size(); ++column) {
            const QString &text = table.Cell(firstRow + row, column);
            const qreal x = (left[column] + left[column + 1] - cells.Width(text)) / 2.0;
            cells.Add(QPointF(x, baseline), text);
        }
        cells.Flush();
    }
}

// The grid: light rules between rows and columns, dark ones around the table
// and below its header.
void TablePainter::PaintRules(qreal top, int rows)
{
    const QVector<qreal> &left = layout.columnLeft;
    const qreal right = left.last();
    const qreal header = top + layout.headerHeight;
    const qreal bottom = header + rows * layout.rowHeight;
    painter.setPen(QPen(QColor(170, 170, 170), 0));
    for (int row = 1; row < rows; ++row)
        painter.drawLine(
            QLineF(0.0, header + row * layout.rowHeight, right, header + row * layout.rowHeight));
    for (int column = 1; column + 1 < left.size(); ++column)
        painter.drawLine(QLineF(left[column], top, left[column], bottom));
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(QLineF(0.0, header, right, header));
    painter.drawRect(QRectF(0.0, top, right, bottom - top));
}

void TablePainter::PaintPageNumber(int page)
{
    painter.setFont(cellFont);
    const QString number = QString::number(page + 1);
    const QFontMetricsF metrics(cellFont);
    painter.drawText(QPointF(layout.page.width() - metrics.horizontalAdvance(number),
                             layout.page.height() - metrics.descent()),
                     number);
}

} // namespace

PrintTable PrintTableOf(const QString &title, const QAbstractItemModel &model)
{
    PrintTable table;
    table.Title = title;
    const int columns = model.columnCount();
    for (int column = 0; column < columns; ++column)
        table.Headers.append(model.headerData(column, Qt::Horizontal).toString());
    const int rows = model.rowCount();
    table.Cells.reserve(rows * columns);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            table.Cells.append(model.data(model.index(row, column)).toString());
    }
    return table;
}

PrintRun PrintTableOnPages(const PrintTable &table, QPrinter *printer)
{
    QPainter painter;
    return TablePainter(painter, *printer, table).PrintPages();
}
