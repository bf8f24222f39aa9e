#ifndef EXPORT_TABLEROWS_H
#define EXPORT_TABLEROWS_H

// The rows of a long table set straight onto a printed page in the look of
// the table as the rich-text engine laid it out: its columns, rules, cell
// padding, fonts and alignment are read from one laid-out body row, and each
// further row is set from its cells' texts alone, wrapped at blanks as the
// engine wraps them, its texts drawn as glyph runs and its rules gathered
// into one drawing a page. Laid out as rich text, a thousand rows take the
// engine half a second and every printed page 25 ms to paint; set this way,
// tens of thousands of rows print in a second or two.
//
//     const TableRowLook look = ReadRowLook(document, table, 1);
//     TableRowPainter rows(painter, look);
//     const SetRow row = rows.Set(RowCellTexts(rowHtml));
//     rows.Paint(row, top, firstOnPage);   // top: the rule above, table coordinates
//     ...
//     rows.DrawRules();                    // before the next page and at the end

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QRawFont>
#include <QStringList>
#include <QVector>

#include <memory>
#include <vector>

class PlainRowPainter;
class QPainter;
class QTextDocument;
class QTextTable;

struct TableCellLook {
    double textLeft = 0.0;          // the text area, between the paddings
    double textWidth = 0.0;
    Qt::Alignment align = Qt::AlignLeft;
    Qt::Alignment vertical = Qt::AlignTop;
    QRawFont font;
    QFont fallback;                 // for texts the raw font's table lacks
    QColor colour = Qt::black;
};

struct TableRowLook {
    QVector<TableCellLook> cells;
    QVector<double> rules;          // x of each column's left rule, then the last right rule
    double topInset = 0.0;          // from the rule above a row to its first line
    double bottomInset = 0.0;       // from its last line to the rule below
    double lineHeight = 0.0;
    double ascent = 0.0;
    double ruleWidth = 1.0;
    QColor ruleColour = Qt::darkGray;

    bool IsValid() const { return !cells.isEmpty() && lineHeight > 0.0; }
};

// The look of `row`, a row of body cells with text in every cell that
// matters; the rows below it give the padding under its lines.
TableRowLook ReadRowLook(QTextDocument *document, QTextTable *table, int row);

// The cells of one row given as HTML in GB2312 ("<tr><td align=center>1</td>
// …"): the text of each cell, its tags dropped, character references read and
// runs of blanks made one, as a browser shows it.
QStringList RowCellTexts(const QByteArray &rowHtml);

// A row's cells wrapped to their columns.
struct SetRow {
    QVector<QStringList> lines;     // per cell
    int lineCount = 1;
    double height = 0.0;            // rule to rule
};

class TableRowPainter {
public:
    TableRowPainter(QPainter &painter, const TableRowLook &look);
    ~TableRowPainter();

    SetRow Set(const QStringList &cells) const;
    // Paints the row's texts from the rule above it at `top`. Its rules are
    // drawn with those of the rows before it by DrawRules, which is due
    // before the page or the painter's transform changes and at the end; the
    // rule above a row is drawn only when asked (the first row of a page),
    // the one below always.
    void Paint(const SetRow &row, double top, bool ruleAbove);
    void DrawRules();

private:
    struct TextRun {
        std::unique_ptr<PlainRowPainter> painter;
        QColor colour;
    };

    double Width(int column, const QString &text) const;
    void EndColumnRules();

    QPainter &painter;
    const TableRowLook &look;
    // Cells in one font and colour are drawn together, one run a row.
    std::vector<TextRun> runs;
    QVector<int> runOfColumn;
    // Rules waiting to be drawn: every horizontal one, and the column rules
    // of the rows since the last change of their cell count.
    QVector<QLineF> rules;
    int ruleColumns = 0;
    double columnRulesTop = 0.0;
    double columnRulesBottom = 0.0;
};

#endif // EXPORT_TABLEROWS_H
