#ifndef SAVEAS_H
#define SAVEAS_H

// Save as: the writer is chosen by the last three characters of the file
// name, without regard to case and without looking for a dot: "txt" writes
// the TXT file, "pdf" the PDF text table, "csv" the CSV file of the whole
// record. The choice is made before any file is opened; a name that ends in
// none of them is left alone (no file is made) and the outcome says so. The
// worker's save-as job (Thread::SaveAsfileWork) makes the choice and runs
// the writer.

#include "export/joboutcome.h"

#include <QString>

enum class SaveAsFormat { None, Txt, Pdf, Csv };

SaveAsFormat SaveAsFormatFor(const QString &fileName);

// NothingWritten, saying which endings save as knows.
JobOutcome NoSaveAsFormatOutcome();

#endif // SAVEAS_H
