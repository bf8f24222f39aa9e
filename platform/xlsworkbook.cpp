#include "platform/xlsworkbook.h"

#include "platform/biffstream.h"
#include "platform/xlsrecords.h"
#include "platform/xlstables.h"

#include <QSet>

#include <algorithm>

namespace {

constexpr int MaxSheetName = 31;
constexpr int MaxDataRowsPerSheet = 65536 - 1;   // under the names row

QString CleanSheetName(const QString &tableName)
{
    QString name = tableName;
    for (QChar &c : name) {
        if (QStringLiteral(":\\/?*[]").contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('_');
    }
    if (name.startsWith(QLatin1Char('\'')))
        name[0] = QLatin1Char('_');
    if (name.endsWith(QLatin1Char('\'')))
        name[name.size() - 1] = QLatin1Char('_');
    return name.isEmpty() ? QStringLiteral("Sheet") : name;
}

// The name itself for the first sheet, "<name>_<number>" for the others,
// cut so that the suffix stays whole.
QString NumberedSheetName(const QString &base, int number)
{
    if (number == 1)
        return base.left(MaxSheetName);
    const QString suffix = QLatin1Char('_') + QString::number(number);
    return base.left(MaxSheetName - suffix.size()) + suffix;
}

quint32 CountTextCells(const std::vector<XlsSheet> &sheets)
{
    quint32 count = 0;
    for (const XlsSheet &sheet : sheets) {
        const XlsTable &table = *sheet.table;
        count += quint32(table.columns.size());
        const XlsCell *first = table.Row(sheet.firstRow);
        const XlsCell *last = first + size_t(sheet.rowCount) * table.columns.size();
        count += quint32(std::count_if(first, last, [](const XlsCell &cell) {
            return cell.kind == XlsCell::Text;
        }));
    }
    return count;
}

} // namespace

std::vector<XlsSheet> PlanXlsSheets(const XlsTables &tables)
{
    std::vector<XlsSheet> sheets;
    QSet<QString> taken;
    for (const XlsTable &table : tables.Tables()) {
        const QString base = CleanSheetName(table.name);
        const int rows = table.RowCount();
        int number = 1;
        for (int first = 0; first == 0 || first < rows; first += MaxDataRowsPerSheet) {
            QString name = NumberedSheetName(base, number++);
            while (taken.contains(name.toLower()))
                name = NumberedSheetName(base, number++);
            taken.insert(name.toLower());
            sheets.push_back({&table, name, first, std::min(rows - first, MaxDataRowsPerSheet)});
        }
    }
    return sheets;
}

QByteArray BuildXlsWorkbookStream(const XlsTables &tables)
{
    const std::vector<XlsSheet> sheets = PlanXlsSheets(tables);
    BiffStream out;
    WriteXlsGlobalsHead(out);
    std::vector<int> sheetOffsets;
    for (const XlsSheet &sheet : sheets)
        sheetOffsets.push_back(WriteXlsSheetEntry(out, sheet.name));
    WriteXlsSharedStrings(out, tables.Strings(), CountTextCells(sheets));
    out.Empty(XlsRecord::Eof);
    for (size_t i = 0; i < sheets.size(); ++i) {
        out.PatchU32(sheetOffsets[i], quint32(out.Position()));
        WriteXlsSheet(out, sheets[i], i == 0);
    }
    return out.Take();
}
