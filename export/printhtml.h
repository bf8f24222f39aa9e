#ifndef EXPORT_PRINTHTML_H
#define EXPORT_PRINTHTML_H

// The HTML that a print-out of the chart tab and of the data list tab holds,
// composed when the user prints.

#include <QSize>
#include <QString>

struct PrintTable;

// A page with the chart picture, referred to by imageName, scaled to the
// printable width and keeping the picture's proportions.
QString ChartPrintHtml(const QString &imageName, QSize imageSize);

// The data list as printed (see printtable.h): its title, column headers
// (repeated on every printed page) and cells in a compact table whose cells
// do not wrap, every text HTML-escaped.
QString TablePrintHtml(const PrintTable &table);

#endif // EXPORT_PRINTHTML_H
