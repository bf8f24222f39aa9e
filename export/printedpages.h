#ifndef EXPORT_PRINTEDPAGES_H
#define EXPORT_PRINTEDPAGES_H

// The pages a print-out puts on paper: all of them, or the range chosen in
// the print dialog ("Pages from … to …"), as Qt's own document print takes
// it. Pages keep their numbers; those outside the range are laid out but
// not painted, and no sheet is begun for them. The painter is begun on the
// printer only for the first page printed, so that a range past the last
// page prints nothing at all, not even a blank sheet.
//
//     QPainter painter;
//     PrintedPages printed(printer, painter);
//     for (int page = 1; page <= pageCount && !printed.Past(page); ++page) {
//         if (!printed.Begin(page)) break;   // the printer took no further sheet
//         if (!printed.Includes(page)) continue;
//         ... paint the page ...
//     }
//     const PrintRun run = printed.End();

#include <climits>

class QPainter;
class QPrinter;

// What became of a print-out.
struct PrintRun {
    bool printed = false;   // at least one page went to the printer
    bool failed = false;    // the printer could not be started or took no further page
    int pageCount = 0;      // of the print-out, all of it when no page lay in the range
};

class PrintedPages
{
public:
    PrintedPages(QPrinter &printer, QPainter &painter);

    bool Includes(int page) const { return page >= From && page <= To; }
    // Whether every page of the range lies before `page`.
    bool Past(int page) const { return page > To; }
    // Counts `page` as laid out and, when it is one of the range, begins its
    // sheet: the painter begins on the printer for the first page printed, a
    // new sheet follows for each further page. False when the printer could
    // not be started or took no further sheet.
    bool Begin(int page);
    // Ends the painter, if it began; what became of the print-out.
    PrintRun End();

private:
    QPrinter &Printer;
    QPainter &Painter;
    int From = 1;
    int To = INT_MAX;
    PrintRun Run;
};

#endif // EXPORT_PRINTEDPAGES_H
