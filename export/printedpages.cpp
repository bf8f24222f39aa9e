#include "export/printedpages.h"

#include <QPainter>
#include <QPrinter>

PrintedPages::PrintedPages(QPrinter &printer, QPainter &painter)
    : Printer(printer)
    , Painter(painter)
{
    // No range (0 to 0) means every page.
    if (printer.fromPage() > 0 || printer.toPage() > 0) {
        From = qMax(1, printer.fromPage());
        To = printer.toPage() > 0 ? printer.toPage() : INT_MAX;
    }
}

bool PrintedPages::Begin(int page)
{
    Run.pageCount = qMax(Run.pageCount, page);
    if (!Includes(page) || Run.failed)
        return !Run.failed;
    const bool begun = Painter.isActive() ? Printer.newPage() : Painter.begin(&Printer);
    Run.failed = !begun;
    Run.printed = Run.printed || begun;
    return begun;
}

PrintRun PrintedPages::End()
{
    if (Painter.isActive() && !Painter.end())
        Run.failed = true;
    return Run;
}
