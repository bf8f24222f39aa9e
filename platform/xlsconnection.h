#ifndef XLSCONNECTION_H
#define XLSCONNECTION_H

// The connection string of a workbook connection, e.g.
//
//     DRIVER={...};DSN='';FIRSTROWHASNAMES=1;READONLY=FALSE;CREATE_DB="<path>";DBQ=<path>
//
// Keys are case-insensitive. DBQ is the last key and its value is the whole
// rest of the string, so a path holding ";", "=" or quotes still names the
// workbook. The export puts one path in both places without escaping; when
// the string ends in CREATE_DB="P";DBQ=P for some P, that P is taken, which
// settles paths that hold a double quote or "DBQ=" themselves.

#include <QCoreApplication>
#include <QString>

struct XlsConnection {
    QString workbook;      // DBQ
    QString createTarget;  // CREATE_DB, unquoted
    bool create = false;   // CREATE_DB was given
};

class XlsConnectionParser
{
    Q_DECLARE_TR_FUNCTIONS(XlsSqlDriver)

public:
    // False, with the reason in *error, when no new workbook is named.
    static bool Parse(const QString &text, XlsConnection *connection, QString *error);
};

#endif // XLSCONNECTION_H
