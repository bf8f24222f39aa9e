#include "tests/support/xlsreader.h"

#include <QFile>

#include <freexl.h>

namespace {

QVariant CellValue(const void *handle, unsigned row, unsigned short column)
{
    FreeXL_CellValue cell;
    if (freexl_get_cell_value(handle, row, column, &cell) != FREEXL_OK)
        return QStringLiteral("<unreadable cell>");
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return double(cell.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return cell.value.double_value;
    case FREEXL_CELL_NULL:
        return QVariant();
    default:
        return QString::fromUtf8(cell.value.text_value);
    }
}

bool ReadSheet(const void *handle, unsigned short index, XlsReadSheet *sheet)
{
    const char *name = nullptr;
    unsigned rows = 0;
    unsigned short columns = 0;
    if (freexl_get_worksheet_name(handle, index, &name) != FREEXL_OK
        || freexl_select_active_worksheet(handle, index) != FREEXL_OK
        || freexl_worksheet_dimensions(handle, &rows, &columns) != FREEXL_OK)
        return false;
    sheet->name = QString::fromUtf8(name);
    sheet->rows.resize(int(rows));
    for (unsigned row = 0; row < rows; ++row) {
        QVector<QVariant> &cells = sheet->rows[int(row)];
        cells.reserve(columns);
        for (unsigned short column = 0; column < columns; ++column)
            cells.append(CellValue(handle, row, column));
    }
    return true;
}

} // namespace

QVector<XlsReadSheet> ReadXlsWorkbook(const QString &path, QString *error)
{
    const void *handle = nullptr;
    QVector<XlsReadSheet> sheets;
    unsigned count = 0;
    const int opened = freexl_open(QFile::encodeName(path).constData(), &handle);
    if (opened != FREEXL_OK || freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK) {
        *error = QStringLiteral("FreeXL cannot read %1 (code %2)").arg(path).arg(opened);
        count = 0;
    }
    for (unsigned index = 0; index < count; ++index) {
        XlsReadSheet sheet;
        if (!ReadSheet(handle, static_cast<unsigned short>(index), &sheet)) {
            *error = QStringLiteral("FreeXL cannot read sheet %1 of %2").arg(index).arg(path);
            sheets.clear();
            break;
        }
        sheets.append(sheet);
    }
    freexl_close(handle);
    return sheets;
}

QStringList XlsSheetNames(const QVector<XlsReadSheet> &sheets)
{
    QStringList names;
    for (const XlsReadSheet &sheet : sheets)
        names << sheet.name;
    return names;
}

QStringList XlsWorkbookLines(const QString &path)
{
    QString error;
    const QVector<XlsReadSheet> sheets = ReadXlsWorkbook(path, &error);
    if (!error.isEmpty())
        return {error};
    QStringList lines;
    for (const XlsReadSheet &sheet : sheets) {
        lines << QLatin1Char('[') + sheet.name + QLatin1Char(']');
        for (const QVector<QVariant> &row : sheet.rows) {
            QStringList cells;
            for (const QVariant &cell : row)
                cells << (cell.userType() == QMetaType::Double
                              ? QLatin1Char('=') + QString::number(cell.toDouble(), 'g', 15)
                              : cell.toString());
            lines << cells.join(QLatin1Char('|'));
        }
    }
    return lines;
}
