#ifndef EXPORT_PRINTEDPAGES_H
#define EXPORT_PRINTEDPAGES_H

// The pages a print-out puts on paper: all of them, or the range chosen in
// the print dialog ("Pages from … to …"), as Qt's own document print takes
// it. Pages keep their numbers; those outside the range are laid out but
// not painted, and no sheet is begun for them.
//
//     PrintedPages printed(printer);
//     for (int page = 1; !printed.Past(page); ++page) {
//         if (!printed.Includes(page)) continue;
//         if (!printed.Begin(page)) break;   // the printer took no further sheet
//         ... paint the page ...
//     }

#include <climits>

class QPrinter;

class PrintedPages
{
public:
    explicit PrintedPages(QPrinter &printer);

    bool Includes(int page) const { return page >= From && page <= To; }
    // Whether every page of the range lies before `page`.
    bool Past(int page) const { return page > To; }
    // Begins the sheet of `page`, one of the range: the painter's first
    // sheet for the first page printed, a new one for each further page.
    // False when the printer took no further sheet.
    bool Begin(int page);

private:
    QPrinter &Printer;
    int From = 1;
    int To = INT_MAX;
    bool SheetUsed = false;
};

#endif // EXPORT_PRINTEDPAGES_H
