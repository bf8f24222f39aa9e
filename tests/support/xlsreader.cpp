#include "tests/support/xlsreader.h"

#include <QFile>

#include <freexl.h>

namespace {

QString CellText(const void *handle, unsigned row, unsigned short column)
{
    FreeXL_CellValue cell;
    if (freexl_get_cell_value(handle, row, column, &cell) != FREEXL_OK)
        return QStringLiteral("<unreadable cell>");
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return QLatin1Char('=') + QString::number(cell.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return QLatin1Char('=') + QString::number(cell.value.double_value, 'g', 15);
    case FREEXL_CELL_NULL:
        return QString();
    default:
        return QString::fromUtf8(cell.value.text_value);
    }
}

// Appends "[name]" and the sheet's rows; false when FreeXL cannot read it.
bool AppendSheet(const void *handle, unsigned short index, QStringList &lines)
{
    const char *name = nullptr;
    unsigned rows = 0;
    unsigned short columns = 0;
    if (freexl_get_worksheet_name(handle, index, &name) != FREEXL_OK
        || freexl_select_active_worksheet(handle, index) != FREEXL_OK
        || freexl_worksheet_dimensions(handle, &rows, &columns) != FREEXL_OK)
        return false;
    lines << QLatin1Char('[') + QString::fromUtf8(name) + QLatin1Char(']');
    for (unsigned row = 0; row < rows; ++row) {
        QStringList cells;
        for (unsigned short column = 0; column < columns; ++column)
            cells << CellText(handle, row, column);
        lines << cells.join(QLatin1Char('|'));
    }
    return true;
}

} // namespace

QStringList XlsWorkbookLines(const QString &path)
{
    const void *handle = nullptr;
    unsigned count = 0;
    const int opened = freexl_open(QFile::encodeName(path).constData(), &handle);
    QStringList lines;
    if (opened != FREEXL_OK
        || freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK)
        lines << QStringLiteral("FreeXL cannot read %1 (code %2)").arg(path).arg(opened);
    for (unsigned index = 0; index < count; ++index) {
        if (!AppendSheet(handle, static_cast<unsigned short>(index), lines)) {
            lines = QStringList{QStringLiteral("FreeXL cannot read sheet %1 of %2").arg(index)
                                    .arg(path)};
            break;
        }
    }
    freexl_close(handle);
    return lines;
}
