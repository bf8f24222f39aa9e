#ifndef XLSRECORDS_H
#define XLSRECORDS_H

// The records of a BIFF8 workbook that XlsWorkbook writes: the workbook
// globals (fonts, formats, the sheet list, the shared strings) and each
// worksheet's cells.

#include <QString>

#include <vector>

class BiffStream;
struct XlsSheet;

namespace XlsRecord {
enum : quint16 {
    Eof = 0x000A,
    Continue = 0x003C,
    CodePage = 0x0042,
    Window1 = 0x003D,
    Font = 0x0031,
    BoundSheet = 0x0085,
    Xf = 0x00E0,
    SharedStrings = 0x00FC,
    LabelSst = 0x00FD,
    ExtSst = 0x00FF,
    Dimensions = 0x0200,
    Number = 0x0203,
    Row = 0x0208,
    Window2 = 0x023E,
    Rk = 0x027E,
    Style = 0x0293,
    Bof = 0x0809,
};
}

// The first record of the globals (kind 0x0005) and of each sheet (0x0010).
void WriteXlsBof(BiffStream &out, quint16 kind);
// BOF to STYLE: code page UTF-16, one window, five fonts, the sixteen cell
// formats every workbook has (fifteen styles and the one format of the
// cells) and the Normal style.
void WriteXlsGlobalsHead(BiffStream &out);
// The sheet's entry in the sheet list; returns where the stream offset of
// the sheet is to be filled in.
int WriteXlsSheetEntry(BiffStream &out, const QString &name);
// All distinct texts, in CONTINUE records past the first record's size, and
// the index into them that readers use to find a string fast.
void WriteXlsSharedStrings(BiffStream &out, const std::vector<QString> &strings,
                           quint32 references);
// BOF to EOF of one worksheet; the first one is the selected sheet.
void WriteXlsSheet(BiffStream &out, const XlsSheet &sheet, bool selected);

// The 30-bit packed form of a number, when it holds the number exactly.
bool EncodeXlsRk(double value, quint32 *rk);

#endif // XLSRECORDS_H
