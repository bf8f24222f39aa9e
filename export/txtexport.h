#ifndef TXTEXPORT_H
#define TXTEXPORT_H

// Save as TXT: the whole record as a text file of right-aligned fixed-width
// fields. Line by line: the title, one header item per line, the column
// titles, one row per sample; every line ends with CR LF; GB2312 text.
// A model without an export layout writes no file (NothingWritten).

#include "app/uartdatastore.h"
#include "export/joboutcome.h"

#include <QString>

JobOutcome WriteTxtExport(const QString &fileName, const UartDataStore &store = UartData);

#endif // TXTEXPORT_H
