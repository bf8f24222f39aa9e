#ifndef TESTS_SUPPORT_XLSREADER_H
#define TESTS_SUPPORT_XLSREADER_H

// Reads an .xls workbook back with FreeXL, a reader independent of our
// writer. Every cell becomes a QVariant: a double for a number (integer or
// not), a QString for a text, an invalid QVariant for an empty cell.
//
//     QString error;
//     const QVector<XlsReadSheet> sheets = ReadXlsWorkbook(path, &error);
//     QCOMPARE(sheets.at(1).name, QString("Data"));
//     QCOMPARE(sheets.at(1).rows.at(1).at(1), QVariant(21.6));

#include <QString>
#include <QVariant>
#include <QVector>

struct XlsReadSheet {
    QString name;
    QVector<QVector<QVariant>> rows;
};

// Empty, with the reason in *error, when FreeXL cannot read the file.
QVector<XlsReadSheet> ReadXlsWorkbook(const QString &path, QString *error);

// The sheets' names, in order.
QStringList XlsSheetNames(const QVector<XlsReadSheet> &sheets);

// A workbook as lines: "[sheet]", then one line per row with the cells
// joined by "|"; numbers are written "=21.6", texts as they are. A workbook
// FreeXL cannot read gives one line with the reason.
QStringList XlsWorkbookLines(const QString &path);

#endif // TESTS_SUPPORT_XLSREADER_H
