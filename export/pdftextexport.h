#ifndef PDFTEXTEXPORT_H
#define PDFTEXTEXPORT_H

// Save as PDF: the whole record as a plain text table on A4 pages at 1200
// device units per inch. Page 1 holds the title, the header items and the
// column titles at fixed positions, then rows 200 units apart; later pages
// hold rows only, baselines 600 to 13400 (65 a page). The painter's default
// font, no grid, no page numbers.
//
// The file is written whole or not at all: a full disk or an unwritable
// folder keeps an existing file and is reported as Failed. A model without an
// export layout writes no file (NothingWritten).

#include "app/uartdatastore.h"
#include "export/joboutcome.h"

#include <QString>

// The name written to: ".pdf" is added when the name's last part has no
// suffix ("reportpdf" becomes "reportpdf.pdf").
QString PdfTextFileName(const QString &fileName);

JobOutcome WritePdfTextExport(const QString &fileName, const UartDataStore &store = UartData);

#endif // PDFTEXTEXPORT_H
