#ifndef XLSFILE_H
#define XLSFILE_H

// Puts a workbook stream into the compound document container of an .xls
// file (stream "Workbook") and writes the file whole or not at all: it
// appears under its name only when complete. On failure *error holds the
// system's reason and no file is left behind.

#include <QByteArray>
#include <QString>

bool WriteXlsFile(const QString &path, const QByteArray &workbook, QString *error);

// Whether a workbook could be written at the path now (the folder exists and
// takes new files, the path is no folder); *error says why not.
bool CanWriteXlsFile(const QString &path, QString *error);

#endif // XLSFILE_H
