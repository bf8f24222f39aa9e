#ifndef TESTS_SUPPORT_XLSREADER_H
#define TESTS_SUPPORT_XLSREADER_H

// Reads an .xls workbook back with FreeXL, a reader independent of our
// writer, as lines: "[sheet]", then one line per row with the cells joined
// by "|"; numbers are written "=21.6", texts as they are, empty cells as
// nothing. A workbook FreeXL cannot read gives one line with the reason.
//
//     QCOMPARE(XlsWorkbookLines(path).mid(0, 3),
//              (QStringList{"[Summary]", "LoggerData", "Meter Name:Meter"}));

#include <QStringList>

QStringList XlsWorkbookLines(const QString &path);

#endif // TESTS_SUPPORT_XLSREADER_H
