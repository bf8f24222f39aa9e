#ifndef CSVEXPORT_H
#define CSVEXPORT_H

// CSV files of a record: the title, one header item per line, the column
// titles and one row per sample, lines ended by a line feed alone, GB2312
// text. Fields are not quoted, except one that holds a comma, a double quote
// or a line break, which is quoted the way CSV readers expect so that it is
// read back whole. A model without an export layout writes no file
// (NothingWritten).

#include "app/uartdatastore.h"
#include "export/exportcontent.h"
#include "export/joboutcome.h"

#include <QString>

// The whole record (save as).
JobOutcome WriteCsvExport(const QString &fileName, const UartDataStore &store = UartData);
// The section shown in the data list when the export was asked for.
JobOutcome WriteCsvSectionExport(const QString &fileName, ExportRange section,
                                 const UartDataStore &store = UartData);

#endif // CSVEXPORT_H
