#include "platform/xlstables.h"

#include <algorithm>
#include <charconv>

namespace {

// A worksheet has 256 columns and a cell holds at most 32767 characters.
constexpr size_t MaxColumns = 256;
constexpr int MaxTextLength = 32767;

int FindColumn(const XlsTable &table, const QString &name)
{
    for (size_t i = 0; i < table.columns.size(); ++i) {
        if (table.columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

} // namespace

bool ReadDecimalNumber(QStringView text, double *value)
{
    char bytes[64];
    const int size = int(text.size());
    if (size == 0 || size >= int(sizeof bytes))
        return false;
    for (int i = 0; i < size; ++i) {
        const ushort c = text.at(i).unicode();
        if (c > 127)
            return false;
        bytes[i] = char(c);
    }
    // [+-] digits [. digits] [e [+-] digits] with a digit before the
    // exponent; checked here so that "inf", "nan", hex and blanks stay text.
    const char *const end = bytes + size;
    const char *at = bytes;
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    auto skipDigits = [&] {
        const char *start = at;
        while (at < end && isDigit(*at))
            ++at;
        return int(at - start);
    };
    if (*at == '+' || *at == '-')
        ++at;
    int digits = skipDigits();
    if (at < end && *at == '.') {
        ++at;
        digits += skipDigits();
    }
    if (digits == 0)
        return false;
    if (at < end && (*at == 'e' || *at == 'E')) {
        ++at;
        if (at < end && (*at == '+' || *at == '-'))
            ++at;
        if (skipDigits() == 0)
            return false;
    }
    if (at != end)
        return false;
    const char *first = bytes[0] == '+' ? bytes + 1 : bytes;   // from_chars knows no "+"
    const auto result = std::from_chars(first, end, *value);
    return result.ec == std::errc() && result.ptr == end;
}

bool XlsTables::CreateTable(const QString &name, const std::vector<QString> &columns,
                            const std::vector<bool> &numeric, QString *error)
{
    if (Find(name)) {
        *error = tr("The table %1 exists already.").arg(name);
        return false;
    }
    if (columns.empty() || columns.size() > MaxColumns) {
        *error = tr("A table has 1 to %1 columns.").arg(MaxColumns);
        return false;
    }
    XlsTable table;
    table.name = name;
    for (size_t i = 0; i < columns.size(); ++i) {
        if (FindColumn(table, columns[i]) >= 0) {
            *error = tr("The column %1 is named twice.").arg(columns[i]);
            return false;
        }
        table.columns.push_back({columns[i], 0, numeric[i]});
    }
    for (XlsColumn &column : table.columns)
        column.nameText = AddString(column.name);
    AllTables.push_back(std::move(table));
    return true;
}

bool XlsTables::Insert(const QString &tableName, const std::vector<QString> &columns,
                       const std::vector<QStringView> &values, QString *error)
{
    XlsTable *table = Find(tableName);
    if (!table) {
        *error = tr("There is no table %1.").arg(tableName);
        return false;
    }
    if (values.size() != columns.size()) {
        *error = tr("The values do not match the columns: %1 named, %2 given.")
                     .arg(columns.size())
                     .arg(values.size());
        return false;
    }
    if (!MapColumns(*table, columns, error))
        return false;
    for (const QStringView value : values) {
        if (value.size() > MaxTextLength) {
            *error = tr("A value is longer than %1 characters.").arg(MaxTextLength);
            return false;
        }
    }
    const size_t first = table->cells.size();
    table->cells.resize(first + table->columns.size());
    for (size_t i = 0; i < values.size(); ++i) {
        const int column = table->lastInsertMap[i];
        XlsCell &cell = table->cells[first + size_t(column)];
        if (values[i].isEmpty())
            continue;
        if (table->columns[size_t(column)].numeric && ReadDecimalNumber(values[i], &cell.number)) {
            cell.kind = XlsCell::Number;
        } else {
            cell.kind = XlsCell::Text;
            cell.text = AddString(values[i]);
        }
    }
    return true;
}

// Every insert of an export names the same columns, so the mapping of the
// last one is kept and checked with one comparison.
bool XlsTables::MapColumns(XlsTable &table, const std::vector<QString> &columns, QString *error)
{
    if (columns == table.lastInsertColumns)
        return true;
    std::vector<int> map;
    for (const QString &name : columns) {
        const int column = FindColumn(table, name);
        if (column < 0) {
            *error = tr("The table %1 has no column %2.").arg(table.name, name);
            return false;
        }
        if (std::find(map.begin(), map.end(), column) != map.end()) {
            *error = tr("The column %1 is named twice.").arg(name);
            return false;
        }
        map.push_back(column);
    }
    table.lastInsertColumns = columns;
    table.lastInsertMap = std::move(map);
    return true;
}

XlsTable *XlsTables::Find(const QString &name)
{
    for (XlsTable &table : AllTables) {
        if (table.name.compare(name, Qt::CaseInsensitive) == 0)
            return &table;
    }
    return nullptr;
}

quint32 XlsTables::AddString(QStringView text)
{
    // The lookup borrows the characters; only a new string is copied.
    const QString key = QString::fromRawData(text.data(), int(text.size()));
    const auto found = StringIndex.constFind(key);
    if (found != StringIndex.constEnd())
        return found.value();
    const quint32 index = quint32(AllStrings.size());
    AllStrings.push_back(text.toString());
    StringIndex.insert(AllStrings.back(), index);
    return index;
}
