// The records of one worksheet: dimensions, rows in blocks of 32, each
// block's ROW records followed by its cells, then the window settings.

#include "platform/biffstream.h"
#include "platform/xlsrecords.h"
#include "platform/xlstables.h"
#include "platform/xlsworkbook.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr quint16 WorksheetKind = 0x0010;
constexpr quint16 CellFormat = 15;   // the first format after the styles
constexpr int RowBlock = 32;

// The cells of sheet row `row`: the column names on row 0, table rows below.
struct SheetRows {
    const XlsSheet &sheet;
    int Count() const { return sheet.rowCount + 1; }
    const XlsCell *Cells(int row) const { return sheet.table->Row(sheet.firstRow + row - 1); }
    int Columns() const { return int(sheet.table->columns.size()); }
};

void WriteRow(BiffStream &out, const SheetRows &rows, int row)
{
    int first = 0;
    int end = rows.Columns();
    if (row > 0) {
        const XlsCell *cells = rows.Cells(row);
        while (first < end && cells[first].kind == XlsCell::Empty)
            ++first;
        while (end > first && cells[end - 1].kind == XlsCell::Empty)
            --end;
        if (first == end)
            return;
    }
    out.Begin(XlsRecord::Row);
    out.U16(quint16(row));
    out.U16(quint16(first));
    out.U16(quint16(end));
    out.U16(0x00FF);          // default height
    out.U16(0);
    out.U16(0);
    out.U32(0x000F0100);      // no outline, default format
    out.End();
}

void WriteCellHead(BiffStream &out, quint16 type, int row, int column)
{
    out.Begin(type);
    out.U16(quint16(row));
    out.U16(quint16(column));
    out.U16(CellFormat);
}

void WriteText(BiffStream &out, int row, int column, quint32 text)
{
    WriteCellHead(out, XlsRecord::LabelSst, row, column);
    out.U32(text);
    out.End();
}

void WriteNumber(BiffStream &out, int row, int column, double value)
{
    quint32 rk;
    if (EncodeXlsRk(value, &rk)) {
        WriteCellHead(out, XlsRecord::Rk, row, column);
        out.U32(rk);
    } else {
        WriteCellHead(out, XlsRecord::Number, row, column);
        out.F64(value);
    }
    out.End();
}

void WriteCells(BiffStream &out, const SheetRows &rows, int row)
{
    if (row == 0) {
        for (int column = 0; column < rows.Columns(); ++column)
            WriteText(out, row, column, rows.sheet.table->columns[size_t(column)].nameText);
        return;
    }
    const XlsCell *cells = rows.Cells(row);
    for (int column = 0; column < rows.Columns(); ++column) {
        const XlsCell &cell = cells[column];
        if (cell.kind == XlsCell::Text)
            WriteText(out, row, column, cell.text);
        else if (cell.kind == XlsCell::Number)
            WriteNumber(out, row, column, cell.number);
    }
}

void WriteWindow(BiffStream &out, bool selected)
{
    out.Begin(XlsRecord::Window2);
    // Grid lines, headings, zeros, automatic grid colour, outline symbols.
    out.U16(selected ? 0x06B6 : 0x00B6);
    out.U16(0);    // top row
    out.U16(0);    // left column
    out.U16(64);   // grid colour
    out.U16(0);
    out.U16(0);    // zoom of the page break preview
    out.U16(0);    // zoom of the normal view
    out.U32(0);
    out.End();
}

} // namespace

void WriteXlsSheet(BiffStream &out, const XlsSheet &sheet, bool selected)
{
    const SheetRows rows{sheet};
    WriteXlsBof(out, WorksheetKind);

    out.Begin(XlsRecord::Dimensions);
    out.U32(0);
    out.U32(quint32(rows.Count()));
    out.U16(0);
    out.U16(quint16(rows.Columns()));
    out.U16(0);
    out.End();

    for (int block = 0; block < rows.Count(); block += RowBlock) {
        const int end = std::min(block + RowBlock, rows.Count());
        for (int row = block; row < end; ++row)
            WriteRow(out, rows, row);
        for (int row = block; row < end; ++row)
            WriteCells(out, rows, row);
    }
    WriteWindow(out, selected);
    out.Empty(XlsRecord::Eof);
}

bool EncodeXlsRk(double value, quint32 *rk)
{
    // A 30-bit integer, or one in hundredths (2160 for 21.6) when that
    // divides back to the very same number.
    constexpr double Limit = 536870912.0;   // 2^29
    for (quint32 hundredths = 0; hundredths < 2; ++hundredths) {
        const double scaled = std::round(hundredths ? value * 100.0 : value);
        if (scaled < -Limit || scaled >= Limit)
            continue;
        const qint32 whole = qint32(scaled);
        if ((hundredths ? whole / 100.0 : double(whole)) == value) {
            *rk = (quint32(whole) << 2) | 2u | hundredths;
            return true;
        }
    }
    // Or a double whose 34 low bits are all zero: the upper 30 bits hold it.
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    if ((bits & 0x3FFFFFFFFull) != 0)
        return false;
    *rk = quint32(bits >> 32);
    return true;
}
