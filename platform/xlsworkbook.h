#ifndef XLSWORKBOOK_H
#define XLSWORKBOOK_H

// Lays the tables of a workbook connection out as worksheets and writes
// them as the "Workbook" stream of an Excel 97-2003 file (BIFF8).
//
// One worksheet per table, named after it, its first row the column names.
// A worksheet holds 65536 rows, so a longer table goes on in further
// worksheets ("Data_2", "Data_3", ...) that repeat the column names; no row
// is dropped. Sheet names are cut to 31 characters, the characters a sheet
// name cannot hold become "_", and names are kept unique.

#include <QByteArray>
#include <QString>

#include <vector>

class XlsTables;
struct XlsTable;

struct XlsSheet {
    const XlsTable *table = nullptr;
    QString name;
    int firstRow = 0;  // first table row on the sheet
    int rowCount = 0;  // table rows on the sheet, under the names row
};

std::vector<XlsSheet> PlanXlsSheets(const XlsTables &tables);
QByteArray BuildXlsWorkbookStream(const XlsTables &tables);

#endif // XLSWORKBOOK_H
