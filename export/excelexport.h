#ifndef EXCELEXPORT_H
#define EXCELEXPORT_H

// Excel 97-2003 workbooks (.xls) of a record, written through the "QODBC"
// workbook connection "excelexport": a table Summary with one row per header
// item (its single column named after the meter family) and a table Data
// with the time and one column per quantity, one row per sample. Values go
// into the statements as quoted literals with their apostrophes doubled, so
// every text arrives whole.
//
// Each job adds the connection anew on the thread that runs it, replacing
// the one the previous job left registered (closed), whatever thread made
// that one; after a failed open the connection is removed. A workbook is
// written whole or not at all: when a statement is refused or the workbook
// cannot be written, the job fails with the reason and leaves no new file; a
// workbook that was there before stays as it was until a new one is
// complete, and none of its tables reaches the new one. A model without an
// export layout writes nothing and opens no connection.

#include "app/uartdatastore.h"
#include "export/exportcontent.h"
#include "export/joboutcome.h"

#include <QString>

// The whole record.
JobOutcome WriteExcelExport(const QString &fileName, const UartDataStore &store = UartData);
// The section shown in the data list when the export was asked for.
JobOutcome WriteExcelSectionExport(const QString &fileName, ExportRange section,
                                   const UartDataStore &store = UartData);

#endif // EXCELEXPORT_H
