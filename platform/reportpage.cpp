#include "platform/reportpage.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCodec>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cstring>

#include "platform/browserhtml.h"

namespace {

// --- cutting the page ------------------------------------------------------

// The page is cut in its GB2312 bytes: every byte of a two-byte character
// is 0x40 or above, so each '<' and the tag name after it are what they look
// like, and the cuts fall between characters.

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

char AsciiLower(QChar c)
{
    return c.unicode() < 0x80 ? AsciiLower(char(c.unicode())) : '\0';
}

// True when the text at `at` (just after a '<') names the tag `name`.
template <typename Text>
bool NamesTag(const Text &html, int at, QLatin1String name)
{
    if (at + name.size() >= html.size())
        return false;
    for (int k = 0; k < name.size(); ++k) {
        if (AsciiLower(html.at(at + k)) != name.at(k))
            return false;
    }
    const char after = AsciiLower(html.at(at + name.size()));
    return !((after >= 'a' && after <= 'z') || (after >= '0' && after <= '9'));
}

// --- sizes of tables and images ----------------------------------------------

// The number of a pixel attribute (width=600, height="400"), or -1.
double PixelAttribute(const QString &tag, QLatin1String name)
{
    const QRegularExpression attribute(QStringLiteral("\\s%1\\s*=\\s*[\"']?(\\d+(?:\\.\\d+)?)(%?)")
                                           .arg(name),
                                       QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = attribute.match(tag);
    return match.hasMatch() && match.captured(2).isEmpty() ? match.captured(1).toDouble() : -1.0;
}

bool HasAttribute(const QString &tag, QLatin1String name)
{
    return tag.contains(QRegularExpression(QStringLiteral("\\s%1\\s*=").arg(name),
                                           QRegularExpression::CaseInsensitiveOption));
}

// The percentage of a "width:NN%" in the tag's style, or -1.
double StyleWidthPercent(const QString &tag)
{
    static const QRegularExpression style(
        QStringLiteral("[\\s;'\"=]width\\s*:\\s*(\\d+(?:\\.\\d+)?)%"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = style.match(tag);
    return match.hasMatch() ? match.captured(1).toDouble() : -1.0;
}

QString TableAttributes(const QString &tag)
{
    const double percent = StyleWidthPercent(tag);
    if (percent < 0.0 || HasAttribute(tag, QLatin1String("width")))
        return QString();
    return QStringLiteral(" width=%1%").arg(percent);
}

// Reads the image a tag names, a relative name against the page's folder,
// into the document's resources.
QImage LoadImage(QTextDocument *document, const QString &tag)
{
    static const QRegularExpression source(
        QStringLiteral("\\ssrc\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = source.match(tag);
    if (!match.hasMatch())
        return QImage();
    const QString name = match.captured(1) + match.captured(2) + match.captured(3);
    const QUrl url = document->baseUrl().resolved(QUrl(name));
    const QImage image = url.isLocalFile() ? QImage(url.toLocalFile()) : QImage();
    if (!image.isNull())
        document->addResource(QTextDocument::ImageResource, url, image);
    return image;
}

// An image gets both its width and its height: one given alone would leave
// the other at the picture's own size when laid out off the GUI thread.
QString ImageAttributes(QTextDocument *document, const QString &tag, double lineWidth)
{
    const QImage image = LoadImage(document, tag);
    double width = PixelAttribute(tag, QLatin1String("width"));
    double height = PixelAttribute(tag, QLatin1String("height"));
    const double percent = StyleWidthPercent(tag);
    if (width < 0.0 && percent >= 0.0)
        width = lineWidth * percent / 100.0;
    if (!image.isNull() && width >= 0.0 && height < 0.0)
        height = width * image.height() / image.width();
    if (!image.isNull() && height >= 0.0 && width < 0.0)
        width = height * image.width() / image.height();
    QString added;
    if (width >= 0.0 && !HasAttribute(tag, QLatin1String("width")))
        added += QStringLiteral(" width=%1").arg(qRound(width));
    if (height >= 0.0 && !HasAttribute(tag, QLatin1String("height")))
        added += QStringLiteral(" height=%1").arg(qRound(height));
    return added;
}

// Reads the piece's images and sizes its tables and images as a browser
// would: percentage widths given as a style become attributes, which is all
// the layout engine reads.
QString PrepareMarkup(QTextDocument *document, const QString &html, double lineWidth)
{
    QString out;
    int copied = 0;
    for (int i = html.indexOf(QLatin1Char('<')); i >= 0;
         i = html.indexOf(QLatin1Char('<'), i + 1)) {
        const bool table = NamesTag(html, i + 1, QLatin1String("table"));
        if (!table && !NamesTag(html, i + 1, QLatin1String("img")))
            continue;
        const int close = html.indexOf(QLatin1Char('>'), i);
        if (close < 0)
            break;
        const QString tag = html.mid(i, close - i);
        const QString added = table ? TableAttributes(tag)
                                    : ImageAttributes(document, tag, lineWidth);
        if (added.isEmpty())
            continue;
        const int nameEnd = i + (table ? 6 : 4);
        out += html.midRef(copied, nameEnd - copied) + added;
        copied = nameEnd;
    }
    return copied == 0 ? html : out + html.midRef(copied);
}

// --- building a piece --------------------------------------------------------

// The columns' share of the table, read from the header row as laid out.
QVector<QTextLength> MeasureColumns(QTextDocument *document, QTextTable *table)
{
    QVector<double> widths;
    double total = 0.0;
    for (int column = 0; column < table->columns(); ++column) {
        widths.append(CellTextRect(document, table->cellAt(0, column), false).width());
        total += widths.last();
    }
    QVector<QTextLength> shares;
    for (double width : widths) {
        shares.append(QTextLength(QTextLength::PercentageLength,
                                  total > 0.0 ? 100.0 * width / total : 100.0 / widths.size()));
    }
    return shares;
}

// The shares fill the line on their own; a table width on top of them would
// only make the layout slower.
void SetColumnWidths(QTextTable *table, const QVector<QTextLength> &widths)
{
    if (table->columns() != widths.size())
        return;
    QTextTableFormat format = table->format();
    format.setColumnWidthConstraints(widths);
    format.clearProperty(QTextFormat::FrameWidth);
    table->setFormat(format);
}

// Where the band of a piece that the table leaves ends: below the last row's
// rule, above the table's own bottom rule.
double LastRowBottom(QTextDocument *document, QTextTable *table)
{
    double bottom = 0.0;
    const int row = table->rows() - 1;
    for (int column = 0; column < table->columns(); ++column) {
        const QTextTableCell cell = table->cellAt(row, column);
        bottom = qMax(bottom,
                      CellTextRect(document, cell, true).bottom()
                          + CellPadding(table, cell, Qt::BottomEdge));
    }
    return bottom + table->format().border();
}

// --- encoding the page ---------------------------------------------------------

QByteArray NumericReference(uint character)
{
    return "&#" + QByteArray::number(character) + ';';
}

// A character the codec has no code for is written as a numeric character
// reference, which a browser shows as the character itself.
QByteArray EncodeEachCharacter(QTextCodec *codec, QStringView text)
{
    QByteArray bytes;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            bytes += NumericReference(QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
            continue;
        }
        QTextCodec::ConverterState state;
        const QByteArray encoded = codec->fromUnicode(&c, 1, &state);
        const bool encodable = state.invalidChars == 0 && state.remainingChars == 0;
        bytes += encodable ? encoded : NumericReference(c.unicode());
    }
    return bytes;
}

QByteArray EncodeRun(QTextCodec *codec, QStringView run)
{
    QTextCodec::ConverterState state;
    const QByteArray bytes = codec->fromUnicode(run.data(), run.size(), &state);
    const bool encodable = state.invalidChars == 0 && state.remainingChars == 0;
    return encodable ? bytes : EncodeEachCharacter(codec, run);
}

QVector<TableSpan> TopLevelTables(const QByteArray &html)
{
    QVector<TableSpan> tables;
    int depth = 0;
    for (int i = html.indexOf('<'); i >= 0; i = html.indexOf('<', i + 1)) {
        if (IsCommentAt(html, i)) {
            i = html.indexOf("-->", i);
            if (i < 0)
                break;
        } else if (IsTag(html, i + 1, QLatin1String("table"))) {
            if (depth++ > 0)
                continue;
            const int close = html.indexOf('>', i);
            if (close < 0)
                break;
            tables.append({i, close + 1, {}});
            i = close;
        } else if (IsTag(html, i + 1, QLatin1String("/table"))) {
            if (depth == 1)
                tables.last().closerStart = i;
            depth = qMax(0, depth - 1);
        } else if (depth == 1 && IsTag(html, i + 1, QLatin1String("tr"))) {
            tables.last().rows.append(i);
        }
    }
    return tables;
}

} // namespace

bool IsTag(const QByteArray &html, int at, QLatin1String name)
{
    return NamesTag(html, at, name);
}

bool IsCommentAt(const QByteArray &html, int at)
{
    return at + 4 <= html.size() && std::memcmp(html.constData() + at, "<!--", 4) == 0;
}

// The document in the encoding its meta line declares, without a byte-order
// mark: what a GB2312 text stream writes, except that a character GB2312
// has no code for (a meter name "Köln") is written as a numeric character
// reference instead of a "?", so that the page shows it. The document is
// nearly all ASCII, which GB2312 keeps byte for byte, so only the other
// characters go through the codec.
QByteArray Gb2312PageBytes(const QString &text)
{
    QTextCodec *codec = QTextCodec::codecForName("GB2312");
    QByteArray bytes;
    bytes.reserve(text.size() + 1024);
    const QChar *data = text.constData();
    const int size = text.size();
    for (int start = 0; start < size;) {
        int end = start;
        while (end < size && data[end].unicode() < 0x80)
            ++end;
        bytes += QStringView(data + start, end - start).toLatin1();
        start = end;
        while (end < size && data[end].unicode() >= 0x80)
            ++end;
        if (end > start)
            bytes += EncodeRun(codec, QStringView(data + start, end - start));
        start = end;
    }
    return bytes;
}

TableSpan LongestTable(const QByteArray &html)
{
    TableSpan longest;
    for (const TableSpan &table : TopLevelTables(html)) {
        if (table.rows.size() > longest.rows.size())
            longest = table;
    }
    return longest;
}

// Every piece repeats the page's opening, so that its style applies to all.
int OpeningLength(const QByteArray &html, int before)
{
    for (int i = html.indexOf('<'); i >= 0 && i < before; i = html.indexOf('<', i + 1)) {
        if (IsTag(html, i + 1, QLatin1String("body"))) {
            const int close = html.indexOf('>', i);
            return close < 0 || close > before ? 0 : close + 1;
        }
    }
    return 0;
}

QTextTable *LongTable(QTextDocument *document, const PageSegment &segment)
{
    const QList<QTextFrame *> frames = document->rootFrame()->childFrames();
    if (frames.isEmpty() || (!segment.continuesTable && !segment.tableGoesOn))
        return nullptr;
    return qobject_cast<QTextTable *>(segment.continuesTable ? frames.first() : frames.last());
}

QRectF CellTextRect(QTextDocument *document, const QTextTableCell &cell, bool lastBlock)
{
    const QTextCursor cursor = lastBlock ? cell.lastCursorPosition() : cell.firstCursorPosition();
    return document->documentLayout()->blockBoundingRect(cursor.block());
}

double CellPadding(const QTextTable *table, const QTextTableCell &cell, Qt::Edge edge)
{
    const QTextTableCellFormat format = cell.format().toTableCellFormat();
    int property = QTextFormat::TableCellLeftPadding;
    double padding = format.leftPadding();
    switch (edge) {
    case Qt::TopEdge:
        property = QTextFormat::TableCellTopPadding;
        padding = format.topPadding();
        break;
    case Qt::BottomEdge:
        property = QTextFormat::TableCellBottomPadding;
        padding = format.bottomPadding();
        break;
    case Qt::RightEdge:
        property = QTextFormat::TableCellRightPadding;
        padding = format.rightPadding();
        break;
    case Qt::LeftEdge:
        break;
    }
    return format.hasProperty(property) ? padding : table->format().cellPadding();
}

double RowTop(QTextDocument *document, QTextTable *table, int row)
{
    double top = document->documentLayout()->documentSize().height();
    for (int column = 0; column < table->columns(); ++column) {
        const QTextTableCell cell = table->cellAt(row, column);
        top = qMin(top, CellTextRect(document, cell, false).top()
                            - CellPadding(table, cell, Qt::TopEdge));
    }
    const QTextTableFormat format = table->format();
    return top - format.border() - format.cellSpacing();
}

QVector<PageSegment> SplitReportPage(const QByteArray &html, int firstRows, int rowsPerPiece)
{
    const TableSpan longest = LongestTable(html);
    if (longest.rows.size() <= firstRows)
        return {PageSegment{html, false, false}};

    QVector<int> cuts;
    for (int row = firstRows; row < longest.rows.size(); row += qMax(1, rowsPerPiece))
        cuts.append(longest.rows.at(row));
    const QByteArray opening = html.left(OpeningLength(html, longest.openerStart))
                               + html.mid(longest.openerStart,
                                          longest.openerEnd - longest.openerStart);
    const QByteArray closer("</table>");

    QVector<PageSegment> segments{PageSegment{html.left(cuts.first()) + closer, false, true}};
    for (int k = 0; k < cuts.size(); ++k) {
        const bool last = k + 1 == cuts.size();
        const int end = last ? html.size() : cuts.at(k + 1);
        segments.append(PageSegment{opening + html.mid(cuts.at(k), end - cuts.at(k))
                                        + (last ? QByteArray() : closer),
                                    true, !last});
    }
    return segments;
}

BuiltSegment BuildPageSegment(const ReportPage &page, int index, int width,
                              QVector<QTextLength> *measuredWidths)
{
    const PageSegment &segment = page.segments.at(index);
    auto *document = new QTextDocument;
    document->setUndoRedoEnabled(false);
    document->setBaseUrl(QUrl::fromLocalFile(page.folder + QLatin1Char('/')));
    const double lineWidth = width - 2.0 * document->documentMargin();
    const QString html = QTextCodec::codecForName("GB2312")->toUnicode(segment.html);
    SetBrowserHtml(document, PrepareMarkup(document, html, lineWidth));

    // The formats are set before the document gets its layout: a document
    // without one is not laid out, so it is laid out once, when it gets its
    // width, with its final formats.
    QTextTable *table = LongTable(document, segment);
    if (table && !page.columnWidths.isEmpty())
        SetColumnWidths(table, page.columnWidths);
    document->setTextWidth(width);
    QAbstractTextDocumentLayout *layout = document->documentLayout();
    if (table && page.columnWidths.isEmpty() && measuredWidths) {
        layout->documentSize();
        *measuredWidths = MeasureColumns(document, table);
        SetColumnWidths(table, *measuredWidths);
    }
    BuiltSegment built{document, 0.0, layout->documentSize().height()};
    if (table && segment.continuesTable)
        built.top = RowTop(document, table, 0);
    if (table && segment.tableGoesOn)
        built.bottom = LastRowBottom(document, table);
    return built;
}

QVector<double> PageBreaks(const BuiltSegment &segment)
{
    QTextDocument *document = segment.document;
    QAbstractTextDocumentLayout *layout = document->documentLayout();
    // Between two rows of a table, and at the edges of what is not inside a
    // table: the tables' edges, the other frames' edges and the blocks' tops.
    QVector<double> breaks;
    QVector<double> edges;
    // Where each table's rules are drawn: the layout's box of a table starts
    // at its first row's text, below the rules above that row, and ends as
    // far below its last rules.
    QVector<QPair<double, double>> tables;
    QTextFrame *root = document->rootFrame();
    for (QTextFrame::iterator it = root->begin(); !it.atEnd(); ++it) {
        QTextFrame *frame = it.currentFrame();
        if (!frame) {
            edges.append(layout->blockBoundingRect(it.currentBlock()).top());
            continue;
        }
        const QRectF box = layout->frameBoundingRect(frame);
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table || table->rows() == 0) {
            edges << box.top() << box.bottom();
            continue;
        }
        const double top = RowTop(document, table, 0) - table->format().border();
        const double bottom = box.bottom() - qMax(0.0, box.top() - top);
        tables.append({top, bottom});
        edges << top << bottom;
        for (int row = 1; row < table->rows(); ++row)
            breaks.append(RowTop(document, table, row));
    }
    // A page never ends within a table's rules: not at the empty block that
    // follows a table (it is laid out inside the last row), nor at the edge
    // of a table that touches another.
    for (double y : qAsConst(edges)) {
        const bool inTable = std::any_of(tables.begin(), tables.end(), [y](const auto &table) {
            return y > table.first && y < table.second;
        });
        if (!inTable)
            breaks.append(y);
    }
    std::sort(breaks.begin(), breaks.end());
    QVector<double> inside;
    for (double y : breaks) {
        if (y > segment.top && y < segment.bottom && (inside.isEmpty() || y > inside.last()))
            inside.append(y);
    }
    return inside;
}

void AdoptPageDocument(QTextDocument *document)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (QTextLayout *layout = block.layout())
            layout->setFont(layout->font());
    }
}
