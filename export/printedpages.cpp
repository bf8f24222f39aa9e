#include "export/printedpages.h"

#include <QPrinter>

PrintedPages::PrintedPages(QPrinter &printer)
    : Printer(printer)
{
    // No range (0 to 0) means every page.
    if (printer.fromPage() > 0 || printer.toPage() > 0) {
        From = qMax(1, printer.fromPage());
        To = printer.toPage() > 0 ? printer.toPage() : INT_MAX;
    }
}

bool PrintedPages::Begin(int page)
{
    if (!Includes(page))
        return true;
    if (SheetUsed && !Printer.newPage())
        return false;
    SheetUsed = true;
    return true;
}
