#include "export/tablerows.h"

#include <QAbstractTextDocumentLayout>
#include <QGlyphRun>
#include <QPainter>
#include <QTextBlock>
#include <QTextCodec>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QTextTable>

#include <cstring>

#include "export/plainrowpainter.h"
#include "platform/browserhtml.h"
#include "platform/reportpage.h"

namespace {

// --- reading the look -----------------------------------------------------------

QTextBlock FirstBlock(const QTextTableCell &cell)
{
    return cell.firstCursorPosition().block();
}

// The font the engine set the block's first line in.
QRawFont BlockFont(const QTextBlock &block)
{
    const QTextLayout *layout = block.layout();
    if (!layout || layout->lineCount() == 0)
        return QRawFont();
    const QList<QGlyphRun> runs = layout->lineAt(0).glyphRuns();
    return runs.isEmpty() ? QRawFont() : runs.first().rawFont();
}

QFont FontOf(const QRawFont &raw)
{
    QFont font(raw.familyName());
    font.setPixelSize(qMax(1, qRound(raw.pixelSize())));
    font.setWeight(raw.weight());
    font.setStyle(raw.style());
    return font;
}

Qt::Alignment VerticalAlignment(const QTextTableCell &cell)
{
    switch (cell.format().toTableCellFormat().verticalAlignment()) {
    case QTextCharFormat::AlignMiddle: return Qt::AlignVCenter;
    case QTextCharFormat::AlignBottom: return Qt::AlignBottom;
    default: return Qt::AlignTop;
    }
}

QColor TextColour(const QTextBlock &block)
{
    const QTextBlock::iterator first = block.begin();
    const QTextCharFormat format = first.atEnd() ? block.charFormat() : first.fragment().charFormat();
    return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                            : QColor(Qt::black);
}

TableCellLook CellLook(QTextDocument *document, const QTextTableCell &cell)
{
    const QTextBlock block = FirstBlock(cell);
    const QRectF text = CellTextRect(document, cell, false);
    TableCellLook look;
    look.textLeft = text.left();
    look.textWidth = text.width();
    look.align = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    look.vertical = VerticalAlignment(cell);
    look.font = BlockFont(block);
    look.colour = TextColour(block);
    return look;
}

// Cells without text (a half-filled last row) take the font of a cell that
// has one.
void LendFonts(QVector<TableCellLook> &cells)
{
    QRawFont any;
    for (const TableCellLook &cell : cells) {
        if (cell.font.isValid()) {
            any = cell.font;
            break;
        }
    }
    for (TableCellLook &cell : cells) {
        if (!cell.font.isValid())
            cell.font = any;
        cell.fallback = FontOf(cell.font);
    }
}

// The rules lie midway between two columns' text areas, and outside the
// first and last as far out as padding and border reach.
QVector<double> Rules(const QTextTable *table, const QVector<TableCellLook> &cells, int row)
{
    const double border = table->format().border();
    QVector<double> rules;
    const QTextTableCell first = table->cellAt(row, 0);
    rules.append(cells.first().textLeft - CellPadding(table, first, Qt::LeftEdge) - border / 2.0);
    for (int column = 1; column < cells.size(); ++column) {
        const TableCellLook &left = cells.at(column - 1);
        rules.append((left.textLeft + left.textWidth + cells.at(column).textLeft) / 2.0);
    }
    const TableCellLook &last = cells.last();
    const QTextTableCell lastCell = table->cellAt(row, cells.size() - 1);
    rules.append(last.textLeft + last.textWidth + CellPadding(table, lastCell, Qt::RightEdge)
                 + border / 2.0);
    return rules;
}

// --- reading a row's cells --------------------------------------------------------

// Plain text needs no more than a copy: ASCII without references, single
// blanks between words.
bool IsPlainText(const QByteArray &bytes)
{
    char before = ' ';
    for (const char c : bytes) {
        if (uchar(c) >= 0x80 || c == '&' || c == '\t' || c == '\n' || c == '\r' || c == '\f'
            || (c == ' ' && before == ' '))
            return false;
        before = c;
    }
    return before != ' ' || bytes.isEmpty();
}

QString DecodeText(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (uchar(c) >= 0x80)
            return QTextCodec::codecForName("GB2312")->toUnicode(bytes);
    }
    return QString::fromLatin1(bytes);
}

// A cell's text with runs of blanks made one and its character references
// read as the rest of the page reads them (a browser's way, see
// browserhtml.h).
QString CellText(const QByteArray &bytes)
{
    if (IsPlainText(bytes))
        return QString::fromLatin1(bytes);
    const QString text = DecodeText(bytes);
    if (!text.contains(QLatin1Char('&')))
        return text.simplified();
    return QTextDocumentFragment::fromHtml(CompleteCharacterReferences(text))
        .toPlainText()
        .simplified();
}

} // namespace

TableRowLook ReadRowLook(QTextDocument *document, QTextTable *table, int row)
{
    TableRowLook look;
    if (row < 0 || row >= table->rows())
        return look;
    int tallest = 0;
    double textTop = 0.0, textBottom = 0.0;
    for (int column = 0; column < table->columns(); ++column) {
        const QTextTableCell cell = table->cellAt(row, column);
        look.cells.append(CellLook(document, cell));
        const QTextLayout *layout = FirstBlock(cell).layout();
        const int lines = layout ? layout->lineCount() : 0;
        const QRectF text = CellTextRect(document, cell, false);
        if (lines > 0 && (look.lineHeight == 0.0 || lines > tallest)) {
            tallest = lines;
            look.lineHeight = layout->lineAt(0).height();
            look.ascent = layout->lineAt(0).ascent();
            textTop = text.top() + layout->lineAt(0).y();
            textBottom = CellTextRect(document, cell, true).bottom();
        }
    }
    LendFonts(look.cells);
    const QTextTableFormat format = table->format();
    look.ruleWidth = format.border();
    const QBrush brush = format.borderBrush();
    look.ruleColour = brush.style() == Qt::NoBrush ? QColor(Qt::darkGray) : brush.color();
    look.rules = Rules(table, look.cells, row);
    look.topInset = textTop - RowTop(document, table, row);
    const QTextTableCell first = table->cellAt(row, 0);
    look.bottomInset = row + 1 < table->rows()
                           ? RowTop(document, table, row + 1) - textBottom
                           : CellPadding(table, first, Qt::BottomEdge) + format.border();
    return look;
}

QStringList RowCellTexts(const QByteArray &rowHtml)
{
    QStringList cells;
    QByteArray text;   // the cell's text outside its tags
    text.reserve(64);  // kept from cell to cell
    bool inCell = false;
    const auto endCell = [&] {
        if (inCell)
            cells.append(CellText(text));
        text.resize(0);
        inCell = false;
    };
    const char *data = rowHtml.constData();
    const int size = rowHtml.size();
    for (int i = 0; i < size;) {
        const auto *open = static_cast<const char *>(std::memchr(data + i, '<', size - i));
        const int tag = open ? int(open - data) : size;
        if (inCell && tag > i)
            text.append(data + i, tag - i);
        if (!open)
            break;
        if (IsCommentAt(rowHtml, tag)) {
            const int close = rowHtml.indexOf("-->", tag);
            i = close < 0 ? size : close + 3;
            continue;
        }
        const auto isTag = [&](const char *name) {
            return IsTag(rowHtml, tag + 1, QLatin1String(name));
        };
        if (isTag("td") || isTag("th")) {
            endCell();
            inCell = true;
        } else if (isTag("/td") || isTag("/th") || isTag("/tr")) {
            endCell();
        } else if (inCell && isTag("br")) {
            text.append(' ');
        }
        const int close = rowHtml.indexOf('>', tag);
        i = close < 0 ? size : close + 1;
    }
    endCell();
    return cells;
}

TableRowPainter::TableRowPainter(QPainter &painter, const TableRowLook &look)
    : painter(painter)
    , look(look)
{
    for (const TableCellLook &cell : look.cells) {
        int run = 0;
        while (run < int(runs.size())
               && !(runs[run].painter->Font() == cell.font && runs[run].colour == cell.colour))
            ++run;
        if (run == int(runs.size()))
            runs.push_back(
                {std::make_unique<PlainRowPainter>(painter, cell.font, cell.fallback), cell.colour});
        runOfColumn.append(run);
    }
}

TableRowPainter::~TableRowPainter() = default;

double TableRowPainter::Width(int column, const QString &text) const
{
    return runs[runOfColumn.at(column)].painter->Width(text);
}

// Wrapped at blanks where a line would pass its column's text area; a word
// longer than that stands alone on its line.
SetRow TableRowPainter::Set(const QStringList &cells) const
{
    SetRow row;
    const int columns = qMin(cells.size(), look.cells.size());
    for (int column = 0; column < columns; ++column) {
        const double width = look.cells.at(column).textWidth;
        QStringList lines;
        QString line;
        for (const QString &word : cells.at(column).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (line.isEmpty() || Width(column, longer) <= width + 0.01) {
                line = longer;
            } else {
                lines.append(line);
                line = word;
            }
        }
        lines.append(line);
        row.lineCount = qMax(row.lineCount, lines.size());
        row.lines.append(lines);
    }
    row.height = look.topInset + row.lineCount * look.lineHeight + look.bottomInset;
    return row;
}

void TableRowPainter::Paint(const SetRow &row, double top, bool ruleAbove)
{
    const int columns = row.lines.size();
    for (int column = 0; column < columns; ++column) {
        const TableCellLook &cell = look.cells.at(column);
        const QStringList &lines = row.lines.at(column);
        const double spare = (row.lineCount - lines.size()) * look.lineHeight;
        const double shift = cell.vertical == Qt::AlignVCenter ? spare / 2.0
                             : cell.vertical == Qt::AlignBottom ? spare
                                                                : 0.0;
        double baseline = top + look.topInset + shift + look.ascent;
        painter.setPen(cell.colour);   // for a text that goes to drawText
        for (const QString &line : lines) {
            const double width = Width(column, line);
            double x = cell.textLeft;
            if (cell.align & Qt::AlignHCenter)
                x += (cell.textWidth - width) / 2.0;
            else if (cell.align & Qt::AlignRight)
                x += cell.textWidth - width;
            runs[runOfColumn.at(column)].painter->Add(QPointF(x, baseline), line);
            baseline += look.lineHeight;
        }
    }
    for (TextRun &run : runs) {
        painter.setPen(run.colour);
        run.painter->Flush();
    }
    if (columns == 0 || look.ruleWidth <= 0.0)
        return;
    const double half = look.ruleWidth / 2.0;
    const double left = look.rules.first();
    const double right = look.rules.at(columns);
    if (ruleAbove)
        rules.append(QLineF(left, top + half, right, top + half));
    const double bottom = top + row.height + half;
    rules.append(QLineF(left, bottom, right, bottom));
    if (columns != ruleColumns || ruleAbove) {
        EndColumnRules();
        ruleColumns = columns;
        columnRulesTop = top;
    }
    columnRulesBottom = bottom + half;
}

void TableRowPainter::EndColumnRules()
{
    for (int rule = 0; rule <= ruleColumns && ruleColumns > 0; ++rule) {
        const double x = look.rules.at(rule);
        rules.append(QLineF(x, columnRulesTop, x, columnRulesBottom));
    }
    ruleColumns = 0;
}

void TableRowPainter::DrawRules()
{
    EndColumnRules();
    if (rules.isEmpty())
        return;
    painter.setPen(QPen(look.ruleColour, look.ruleWidth));
    painter.drawLines(rules);
    rules.clear();
}
