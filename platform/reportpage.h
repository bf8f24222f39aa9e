#ifndef REPORTPAGE_H
#define REPORTPAGE_H

// A report page cut into pieces that are laid out one by one, so that a page
// of tens of thousands of table rows never has to be laid out in one go.
//
// The first piece holds everything before the page's longest table and that
// table's first rows; every further piece is a whole table of its own with the
// same opening tag and the next rows, and the last piece also holds what
// follows the table. All pieces of the long table share one set of column
// widths, measured on the first piece, and each piece knows which band of its
// layout to show, so that the pieces stacked together look like one table:
// the outer rules where two pieces meet are left out.
//
// Widths that the page gives as a style ("width:100%") on tables and images
// are honoured as a browser would: the layout engine itself reads them only
// as attributes. Character references and line breaks are read as a
// browser reads them (see browserhtml.h).
//
// Building a piece (BuildPageSegment) touches no widget, so it runs on any
// thread; the document it returns belongs to the calling thread.

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QTextLength>
#include <QVector>

class QTextDocument;
class QTextTable;
class QTextTableCell;

struct PageSegment {
    QByteArray html;               // as read: GB2312
    bool continuesTable = false;   // starts inside the long table
    bool tableGoesOn = false;      // the long table goes on in the next piece
};

struct ReportPage {
    QString folder;                      // relative image names resolve here
    QVector<PageSegment> segments;
    QVector<QTextLength> columnWidths;   // of the long table; empty until measured
};

// The page in the encoding its pieces are cut in: GB2312, without a
// byte-order mark, and a character GB2312 has no code for (a meter name
// "Köln") written as a numeric character reference, which a browser shows as
// the character itself.
QByteArray Gb2312PageBytes(const QString &html);

// Reading the page's bytes: whether the tag whose name starts at `at` (just
// after its '<') is `name` ("table", "/tr"), in any case; whether a comment
// starts at `at`.
bool IsTag(const QByteArray &html, int at, QLatin1String name);
bool IsCommentAt(const QByteArray &html, int at);

// A table at the top level of a page, by offsets into the page.
struct TableSpan {
    int openerStart = 0;
    int openerEnd = 0;      // just past the opening tag
    QVector<int> rows;      // where each of the table's own rows starts
    int closerStart = -1;   // where its closing tag starts, when it has one
};

// The page's top-level table with the most rows (no rows: none).
TableSpan LongestTable(const QByteArray &html);

// Length of the page's opening up to and including its <body> tag, when
// that lies before `before`; else 0.
int OpeningLength(const QByteArray &html, int before);

// The first piece holds the long table's first `firstRows` rows (its header
// included), the others `rowsPerPiece` rows each. A page whose longest table
// has no more than `firstRows` rows stays one piece.
// The page is given as read, in GB2312; each piece is decoded where it is
// laid out.
QVector<PageSegment> SplitReportPage(const QByteArray &html, int firstRows, int rowsPerPiece);

// A laid-out piece and the band of it that the page shows.
struct BuiltSegment {
    QTextDocument *document = nullptr;
    double top = 0.0;
    double bottom = 0.0;
};

// Lays out one piece for the given text width. Images named in the piece are
// read from the page's folder. When the page's column widths are not known
// yet and measuredWidths is given, they are measured on this piece, applied
// to it and stored there.
BuiltSegment BuildPageSegment(const ReportPage &page, int index, int width,
                              QVector<QTextLength> *measuredWidths = nullptr);

// The long table of a laid-out piece: the last table of a piece the table
// leaves, the first of one that continues it; none for a piece that is
// neither.
QTextTable *LongTable(QTextDocument *document, const PageSegment &segment);

// The geometry of a laid-out table.
//
// The text area of a cell's first or last block.
QRectF CellTextRect(QTextDocument *document, const QTextTableCell &cell, bool lastBlock);
// Padding between a cell's rule and its text, on one side.
double CellPadding(const QTextTable *table, const QTextTableCell &cell, Qt::Edge edge);
// Where a row starts: at the rule above it, so that a row drawn from here
// meets the rows above as any two rows of one table meet. The band of a
// continuing piece starts here at its first row.
double RowTop(QTextDocument *document, QTextTable *table, int row);

// Where a printed page may end within the piece's band, from top to bottom:
// above every block and every table row, so that no line of text and no
// row is cut in two.
QVector<double> PageBreaks(const BuiltSegment &segment);

// To be called on the thread that paints the document, after it was moved
// there: the text layouts drop the font engines of the thread that laid them
// out, which may have ended by the time the document is painted.
void AdoptPageDocument(QTextDocument *document);

#endif // REPORTPAGE_H
