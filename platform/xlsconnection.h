#ifndef XLSCONNECTION_H
#define XLSCONNECTION_H

// The connection string of a workbook connection names the new workbook
// twice, at its end:
//
//     DRIVER={...};DSN='';FIRSTROWHASNAMES=1;READONLY=FALSE;CREATE_DB="<path>";DBQ=<path>
//
// Keys are case-insensitive. DBQ is the last key and its value is the whole
// rest of the string, so a path holding ";", "=" or quotes still names the
// workbook; the path in CREATE_DB must be the same. Existing workbooks are
// not read, so a string without CREATE_DB is refused.

#include <QCoreApplication>
#include <QString>

class XlsConnectionString
{
    Q_DECLARE_TR_FUNCTIONS(XlsSqlDriver)

public:
    // The workbook's path; false, with the reason in *error, when the string
    // names no new workbook.
    static bool WorkbookPath(const QString &text, QString *path, QString *error);
};

#endif // XLSCONNECTION_H
