#ifndef EXPORT_PRINTTABLE_H
#define EXPORT_PRINTTABLE_H

// The data list as it is printed: a copy of its title, column headers and
// cells, taken on the GUI thread when the user prints, and the painter that
// lays it out on the printer's pages on the worker thread.
//
// The pages hold a compact table in 8-point Arial: every column as wide as
// its widest text, so no cell wraps; the title on the first page, the column
// headers at the top of every page, thin rules, the page number at the
// bottom. A table wider than the page is scaled down to fit. Rows go straight
// from the copy onto the page, so 70000 rows print in seconds where the
// rich-text engine takes minutes for one long table.

#include <QString>
#include <QStringList>
#include <QVector>

#include "export/printedpages.h"

class QAbstractItemModel;
class QPrinter;

struct PrintTable {
    QString Title;
    QStringList Headers;
    QVector<QString> Cells; // row after row, Headers.size() cells a row

    int RowCount() const { return Headers.isEmpty() ? 0 : Cells.size() / Headers.size(); }
    const QString &Cell(int row, int column) const
    {
        return Cells.at(row * Headers.size() + column);
    }
};

PrintTable PrintTableOf(const QString &title, const QAbstractItemModel &model);

// Paints the table on the printer, one page after the other, the pages of
// the print dialog's range only.
PrintRun PrintTableOnPages(const PrintTable &table, QPrinter *printer);

#endif // EXPORT_PRINTTABLE_H
