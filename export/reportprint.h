#ifndef EXPORT_REPORTPRINT_H
#define EXPORT_REPORTPRINT_H

// Prints a report page as a web browser prints it: on the printer's pages
// with 2 cm margins and the page number at the foot of each, a page laid out
// wider than the paper scaled down to the paper's width (never clipped), and
// text kept as text, so that a PDF print-out can be searched and copied.
//
// The page is laid out at the paper's width or, when its tables need more,
// at the width they need, with the columns of its longest table (the data
// list) measured on its first row, the row with the longest text of each
// column and its last rows. What comes before that table's
// body rows, and what follows the table, is laid out by the rich-text engine
// as the report tab lays out its pieces (see reportpage.h); the body rows are
// set straight onto the pages in the look of the laid-out table (see
// tablerows.h), so that tens of thousands of rows print in a second or two.
// A page ends only between two blocks or two table rows; only a block taller
// than a whole page is cut.
//
// Relative image names resolve against folder. Only the pages of the print
// dialog's range are printed.

#include "export/printedpages.h"

class QPrinter;
class QString;

PrintRun PrintReportPage(const QString &html, const QString &folder, QPrinter *printer);

#endif // EXPORT_REPORTPRINT_H
