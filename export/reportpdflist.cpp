// The data list pages of the PDF summary report: one painter for every
// family, driven by the family's columns. A page holds a header row, sample
// rows every 20 pixels while the row starts above 940, the grid and the
// footer.

#include <QPainter>

#include "app/uartdatastore.h"
#include "export/celltextbatch.h"
#include "export/reportpdf.h"
#include "export/reportpdflayouts.h"
#include "export/thread.h"

namespace {

constexpr int RowHeight = 20;
constexpr int RowLimit = 940;
constexpr int FirstListTop = 60;
constexpr int LaterListTop = 0;
constexpr int HalfRowOffset = 320; // the right half of a two-sample row

int RowsFrom(int top)
{
    return (RowLimit - (top + RowHeight) + RowHeight - 1) / RowHeight;
}

// Rules under every row down to the table's bottom, and at every column
// edge of both halves and the page's right edge.
void DrawListGrid(QPainter *painter, const ListLayout &list, int top, int bottom, int pageWidth)
{
    for (int y = top; y <= bottom; y += RowHeight)
        painter->drawLine(0, y, pageWidth, y);
    for (int half = 0; half < list.SamplesPerRow; ++half) {
        for (const PageColumn &column : list.Columns) {
            const int x = column.X + half * HalfRowOffset;
            painter->drawLine(x, top, x, bottom);
        }
    }
    painter->drawLine(pageWidth, top, pageWidth, bottom);
}

} // namespace

int ReportPageCount(int samples, int samplesPerRow)
{
    const int first = RowsFrom(FirstListTop) * samplesPerRow;
    const int later = RowsFrom(LaterListTop) * samplesPerRow;
    if (samples <= first)
        return 2;
    return 2 + (samples - first + later - 1) / later;
}

bool Thread::DrawDataList(QPainter *painter, int top, const ListLayout &list)
{
    painter->setPen(ReportPen(1.0));
    SetFont(painter, list.PointSize, QFont::Normal);
    for (int half = 0; half < list.SamplesPerRow; ++half) {
        for (const PageColumn &column : list.Columns) {
            Cell = QRectF(column.X + half * HalfRowOffset, top, column.Width, RowHeight);
            painter->drawText(Cell, Qt::AlignCenter, column.Title);
        }
    }

    const int count = UartData.Lognum;
    CellTextBatch row(ReportFont, painter->device());
    bool complete = false;
    int r = top + RowHeight;
    while (r < RowLimit && !complete) {
        if (ListIndex >= count) {
            complete = true;
            break;
        }
        for (int half = 0; half < list.SamplesPerRow && !complete; ++half) {
            if (half > 0 && ListIndex >= count) {
                complete = true; // the right half of the last row stays empty
                break;
            }
            for (const PageColumn &column : list.Columns) {
                Cell = QRectF(column.X + half * HalfRowOffset, r, column.Width, RowHeight);
                row.AddCentred(Cell, column.Text(ListIndex));
            }
            ++ListIndex;
        }
        row.Draw(painter);
        r += RowHeight;
    }
    // A page filled exactly by the last sample ends the list too.
    complete = complete || ListIndex >= count;

    DrawListGrid(painter, list, top, r, PageWidth);
    DrawPageFooter(painter);
    return complete;
}

#define LIST_PAINTER(Family)                                                                       \
    bool Thread::Draw##Family##DataList(QPainter *painter, int y)                                  \
    {                                                                                              \
        const ListLayout list = ReportLayoutOf(ReportFamily::Family).BuildList(*this);             \
        return DrawDataList(painter, y, list);                                                     \
    }

LIST_PAINTER(Current)
LIST_PAINTER(Voltage)
LIST_PAINTER(Decibel)
LIST_PAINTER(Temperature)
LIST_PAINTER(Light)
LIST_PAINTER(TempHum)
LIST_PAINTER(FourProbe)
LIST_PAINTER(ThermoHygro)

#undef LIST_PAINTER
