// The summary page of the PDF report: the report texts every writer fills
// from the record, and the blocks drawn from them (creation time, device
// information, data summary).

#include <QPainter>

#include "app/uartdatastore.h"
#include "export/reportpdf.h"
#include "export/reportpdflayouts.h"
#include "export/thread.h"
#include "report/reporttext.h"

namespace {

constexpr int ValueColumnX = 300; // values of both blocks, a page position
const QString NoStatistic = QStringLiteral("----");

// The data summary table: left edge and width of each column from x.
struct SummaryColumn {
    int Left;
    int Width;
};
constexpr SummaryColumn SummaryColumns[]
    = {{0, 100}, {100, 94}, {194, 146}, {340, 94}, {434, 146}, {580, 61}};
constexpr int SummaryTableWidth = 641;
constexpr int SummaryRowHeight = 20;

} // namespace

void Thread::FillReportTexts(const ReportLayout &layout)
{
    MeterName = UartData.RECFileName;
    DeviceID = UartData.RECDeviceID;
    SamplingRate = SamplingRateText();
    RecordingTime = RecordingTimeText();
    StartMode = StartModeText();
    FillAlarmRows(layout);
    const bool halfSecond = layout.HalfSecondTimes && UartData.HalfSecondStamps;
    TotalRecord = QString::number(UartData.Lognum);
    // A record without samples has neither: both stay empty.
    StartTime = SampleTimeText(0, halfSecond);
    EndTime = SampleTimeText(UartData.Lognum - 1, halfSecond);
    FillSummaryRows(layout);
    if (layout.FormatsListAhead)
        FormatThermoHygroColumns(&ListHeadings, ListColumns);
}

// Each alarm kind gives a low and a high row; the rows a family does not use
// stay empty and are not drawn.
void Thread::FillAlarmRows(const ReportLayout &layout)
{
    QString *labels[] = {&AlarmLabel1, &AlarmLabel2, &AlarmLabel3, &AlarmLabel4};
    QString *values[] = {&AlarmValue1, &AlarmValue2, &AlarmValue3, &AlarmValue4};
    for (int row = 0; row < 4; ++row) {
        labels[row]->clear();
        values[row]->clear();
    }
    int row = 0;
    for (AlarmKind kind : layout.Alarms) {
        const AlarmRows alarm = AlarmRowsOf(kind);
        *labels[row] = alarm.LowLabel;
        *values[row++] = NumberText(alarm.Limits.Low, G6) + alarm.Unit;
        *labels[row] = alarm.HighLabel;
        *values[row++] = NumberText(alarm.Limits.High, G6) + alarm.Unit;
    }
}

// One row per quantity the family records. A quantity without a value (an
// absent probe, or a record without samples) shows "----" in every cell.
void Thread::FillSummaryRows(const ReportLayout &layout)
{
    QVector<QString> *columns[] = {&SummaryLabel, &SummaryMax,     &SummaryMaxTime,
                                   &SummaryMin,   &SummaryMinTime, &SummaryAverage};
    for (QVector<QString> *column : columns)
        column->clear();
    const bool halfSecond = layout.HalfSecondTimes && UartData.HalfSecondStamps;
    for (const SummaryRow &row : layout.Summary) {
        if (row.Shown && !row.Shown())
            continue;
        const QuantityStats stats = row.Stats();
        SummaryLabel.append(tr(row.Label) + (row.Unit ? row.Unit() : QString()));
        if (!stats.Present || UartData.Lognum == 0) {
            for (int c = 1; c < 6; ++c)
                columns[c]->append(NoStatistic);
            continue;
        }
        SummaryMax.append(NumberText(stats.Extremes.Max, row.Extremes));
        SummaryMaxTime.append(SampleTimeText(stats.Indexes.Max, halfSecond));
        SummaryMin.append(NumberText(stats.Extremes.Min, row.Extremes));
        SummaryMinTime.append(SampleTimeText(stats.Indexes.Min, halfSecond));
        SummaryAverage.append(NumberText(stats.Average, row.Average));
    }
}

void Thread::DrawCreateTime(QPainter *painter, int x, int y, QString text)
{
    ReportFont.setPointSize(10);
    painter->setFont(ReportFont);
    Cell = QRectF(x, y, PageWidth, 24);
    painter->drawText(Cell, Qt::AlignRight | Qt::AlignVCenter, tr("Create Time:") + text);
}

void Thread::DrawDeviceInformation(QPainter *painter, int x, int y)
{
    SetFont(painter, 15, QFont::Bold);
    painter->drawLine(x, y, PageWidth, y);
    painter->drawText(QPointF(x, y + 25), tr("Device Information"));
    painter->drawLine(x, y + 37, PageWidth, y + 37);

    const QString labels[] = {tr("Meter Name:"),     tr("Device ID:"),  tr("Sampling Rate:"),
                              tr("Recording Time:"), tr("Start Mode:"), AlarmLabel1,
                              AlarmLabel2,           AlarmLabel3,       AlarmLabel4};
    const QString values[] = {MeterName,   DeviceID,    SamplingRate, RecordingTime, StartMode,
                              AlarmValue1, AlarmValue2, AlarmValue3,  AlarmValue4};
    SetFont(painter, 12, QFont::Bold);
    for (int row = 0; row < 9; ++row) {
        if (!labels[row].isEmpty())
            painter->drawText(QPointF(x, y + 60 + 20 * row), labels[row]);
    }
    SetFont(painter, 12, QFont::Normal);
    for (int row = 0; row < 9; ++row) {
        if (!labels[row].isEmpty())
            painter->drawText(QPointF(ValueColumnX, y + 60 + 20 * row), values[row]);
    }
}

void Thread::DrawDataSummary(QPainter *painter, int x, int y)
{
    SetFont(painter, 15, QFont::Bold);
    painter->drawLine(x, y, PageWidth, y);
    painter->drawText(QPointF(x, y + 25), tr("Data Summary"));
    painter->drawLine(x, y + 40, PageWidth, y + 40);

    const QString labels[] = {tr("Total Record:"), tr("Start Time:"), tr("End Time:")};
    const QString values[] = {TotalRecord, StartTime, EndTime};
    SetFont(painter, 12, QFont::Bold);
    for (int row = 0; row < 3; ++row)
        painter->drawText(QPointF(x, y + 65 + 20 * row), labels[row]);
    SetFont(painter, 12, QFont::Normal);
    for (int row = 0; row < 3; ++row)
        painter->drawText(QPointF(ValueColumnX, y + 65 + 20 * row), values[row]);

    const int rows = SummaryLabel.size();
    const int top = y + 115;
    const int bottom = top + SummaryRowHeight * (rows + 1);
    painter->setPen(ReportPen(1.0));
    for (int k = 0; k <= rows + 1; ++k)
        painter->drawLine(x, top + SummaryRowHeight * k, PageWidth, top + SummaryRowHeight * k);
    for (const SummaryColumn &column : SummaryColumns)
        painter->drawLine(x + column.Left, top, x + column.Left, bottom);
    painter->drawLine(x + SummaryTableWidth, top, x + SummaryTableWidth, bottom);

    SetFont(painter, rows < 5 ? 10 : 8, QFont::Normal);
    const QString headers[]
        = {tr("Label"),         tr("Maximum Value"),      tr("Maximum Value Time"),
           tr("Minimum Value"), tr("Minimum Value Time"), tr("Average")};
    const QVector<QString> *cells[] = {&SummaryLabel, &SummaryMax,     &SummaryMaxTime,
                                       &SummaryMin,   &SummaryMinTime, &SummaryAverage};
    for (int c = 0; c < 6; ++c) {
        const SummaryColumn &column = SummaryColumns[c];
        Cell = QRectF(x + column.Left, top, column.Width, SummaryRowHeight);
        painter->drawText(Cell, Qt::AlignCenter, headers[c]);
        for (int i = 0; i < rows; ++i) {
            Cell = QRectF(x + column.Left, top + SummaryRowHeight * (i + 1), column.Width,
                          SummaryRowHeight);
            painter->drawText(Cell, Qt::AlignCenter, cells[c]->value(i));
        }
    }
}

QString Thread::StartModeText()
{
    switch (UartData.StartMode) {
    case 1: return tr("Immediate Start");
    case 2: return tr("Scheduled Start");
    default: return tr("By Button");
    }
}

// Days, hours and minutes of the recording; the 24-hour setting counts
// 86400 s a sample, and the product is taken in 64 bits.
QString Thread::RecordingTimeText()
{
    const SpanParts span
        = SplitSpan(RecordingSeconds(UartData.RECModel, UartData.Lognum, UartData.SamplePeriod));
    return QString::number(span.Days) + tr(" Day ") + QString::number(span.Hours) + tr(" Hours ")
        + QString::number(span.Minutes) + tr(" Minutes");
}
