#ifndef XLSTABLES_H
#define XLSTABLES_H

// The tables of an open workbook connection, held compactly until the
// workbook is written: every cell is 16 bytes, a number as a double or a
// text as an index into one table of distinct strings (the workbook's
// shared strings). A NUMBER column keeps a value that reads as a decimal
// number ("21.6", "-500.0", "2.5e+06") as that number and any other value
// ("-", "----") as text; a text column keeps text. Empty values leave the
// cell empty.

#include <QCoreApplication>
#include <QHash>
#include <QString>

#include <vector>

// The kind is a plain enum: lupdate's parser loses the classes declared after
// an enum with a fixed underlying type, and with them the tr() context.
struct XlsCell {
    enum Kind { Empty, Number, Text };
    Kind kind = Empty;
    quint32 text = 0;  // index into Strings()
    double number = 0.0;
};
static_assert(sizeof(XlsCell) == 16, "a cell stays 16 bytes");

struct XlsColumn {
    QString name;
    quint32 nameText = 0;  // index of the name into Strings()
    bool numeric = false;
};

struct XlsTable {
    QString name;
    std::vector<XlsColumn> columns;
    std::vector<XlsCell> cells;  // row by row
    int RowCount() const { return int(cells.size() / columns.size()); }
    const XlsCell *Row(int row) const { return cells.data() + size_t(row) * columns.size(); }

    // The column order of the last insert, mapped onto the table's columns.
    std::vector<QString> lastInsertColumns;
    std::vector<int> lastInsertMap;
};

class XlsTables
{
    Q_DECLARE_TR_FUNCTIONS(XlsSqlDriver)

public:
    // Both false, with the reason in *error and nothing changed, on an
    // unknown or repeated table, an unknown or repeated column, or a value
    // count that does not match the columns.
    bool CreateTable(const QString &name, const std::vector<QString> &columns,
                     const std::vector<bool> &numeric, QString *error);
    bool Insert(const QString &table, const std::vector<QString> &columns,
                const std::vector<QStringView> &values, QString *error);

    const std::vector<XlsTable> &Tables() const { return AllTables; }
    const std::vector<QString> &Strings() const { return AllStrings; }

private:
    XlsTable *Find(const QString &name);
    bool MapColumns(XlsTable &table, const std::vector<QString> &columns, QString *error);
    quint32 AddString(QStringView text);

    std::vector<XlsTable> AllTables;
    std::vector<QString> AllStrings;
    QHash<QString, quint32> StringIndex;
};

// True when the text is a plain decimal number, with "." and an optional
// exponent, whatever the locale; *value is that number.
bool ReadDecimalNumber(QStringView text, double *value);

#endif // XLSTABLES_H
