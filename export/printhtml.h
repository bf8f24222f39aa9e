#ifndef EXPORT_PRINTHTML_H
#define EXPORT_PRINTHTML_H

// The HTML that a print-out of the chart tab and of the data list tab holds,
// composed when the user prints.

#include <QSize>
#include <QString>

class QAbstractItemModel;

// A page with the chart picture, referred to by imageName, scaled to the
// printable width and keeping the picture's proportions.
QString ChartPrintHtml(const QString &imageName, QSize imageSize);

// The table as the data list shows it: its title, column headers (repeated
// on every printed page) and cells, every text HTML-escaped.
QString TablePrintHtml(const QString &title, const QAbstractItemModel &model);

#endif // EXPORT_PRINTHTML_H
