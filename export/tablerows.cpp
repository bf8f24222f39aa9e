#include "export/tablerows.h"

#include <QAbstractTextDocumentLayout>
#include <QGlyphRun>
#include <QPainter>
#include <QTextBlock>
#include <QTextCodec>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include "export/plainrowpainter.h"
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

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// The lower-case name of the tag that starts at `at` (a '<'), with its '/'.
QByteArray TagName(const QByteArray &html, int at)
{
    QByteArray name;
    for (int i = at + 1; i < html.size(); ++i) {
        const char c = Lower(html.at(i));
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || (c == '/' && i == at + 1)))
            break;
        name.append(c);
    }
    return name;
}

QString DecodeText(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (uchar(c) >= 0x80)
            return QTextCodec::codecForName("GB2312")->toUnicode(bytes);
    }
    return QString::fromLatin1(bytes);
}

uint NamedReference(QStringView name)
{
    static const struct { const char *name; uint character; } Names[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0}};
    for (const auto &entry : Names) {
        if (name == QLatin1String(entry.name))
            return entry.character;
    }
    return 0;
}

// "&#8451;", "&#x2109", "&amp;" read as a browser reads them; anything else
// stays as typed.
QString ReadReferences(const QString &text)
{
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&')) {
            out.append(text.at(i));
            continue;
        }
        int end = i + 1;
        uint character = 0;
        if (end < text.size() && text.at(end) == QLatin1Char('#')) {
            const bool hex = end + 1 < text.size() && text.at(end + 1).toLower() == QLatin1Char('x');
            const int digits = end + (hex ? 2 : 1);
            end = digits;
            while (end < text.size() && (hex ? text.at(end).isLetterOrNumber() : text.at(end).isDigit()))
                ++end;
            bool ok = false;
            character = text.mid(digits, end - digits).toUInt(&ok, hex ? 16 : 10);
            if (!ok || end == digits)
                character = 0;
            else if (character == 0 || character > 0x10FFFF)
                character = 0xFFFD;
        } else {
            while (end < text.size() && text.at(end).isLetterOrNumber())
                ++end;
            character = NamedReference(QStringView(text).mid(i + 1, end - i - 1));
        }
        if (character == 0) {
            out.append(text.at(i));
            continue;
        }
        out.append(QString::fromUcs4(&character, 1));
        i = end < text.size() && text.at(end) == QLatin1Char(';') ? end : end - 1;
    }
    return out;
}

QString CellText(const QByteArray &bytes)
{
    return ReadReferences(DecodeText(bytes).simplified());
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
    QByteArray text;
    bool inCell = false;
    const auto endCell = [&] {
        if (inCell)
            cells.append(CellText(text));
        text.clear();
        inCell = false;
    };
    for (int i = 0; i < rowHtml.size(); ++i) {
        const char c = rowHtml.at(i);
        if (c != '<') {
            if (inCell)
                text.append(c);
            continue;
        }
        if (rowHtml.mid(i, 4) == "<!--") {
            const int close = rowHtml.indexOf("-->", i);
            i = close < 0 ? rowHtml.size() : close + 2;
            continue;
        }
        const QByteArray name = TagName(rowHtml, i);
        if (name == "td" || name == "th") {
            endCell();
            inCell = true;
        } else if (name == "/td" || name == "/th" || name == "/tr") {
            endCell();
        } else if (name == "br" && inCell) {
            text.append(' ');
        }
        const int close = rowHtml.indexOf('>', i);
        i = close < 0 ? rowHtml.size() : close;
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
