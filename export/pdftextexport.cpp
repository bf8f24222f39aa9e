#include "export/pdftextexport.h"

#include "export/exportcontent.h"
#include "export/plainrowpainter.h"
#include "export/wholefiledevice.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QVector>

namespace {

// Positions in device units (1/1200 inch) from the top-left corner of the
// printable area; y is a baseline.
constexpr int Resolution = 1200;
constexpr int MarginPoints = 10;   // the PDF printer's own default margins
const QPoint TitleAt(4000, 600);
constexpr int ItemX = 500;
constexpr int FirstItemY = 800;
constexpr int LineStep = 200;
constexpr int RowX = 500;
constexpr int LastRowY = 13400;     // a row below this starts a new page
constexpr int PageTopRowY = 600;

struct PdfLayout {
    QVector<QPoint> titles;   // column titles, Time first
    int timeItemY;            // the Time item stays here when items are left out
    QVector<int> widths;      // row fields, Time first
};

QVector<QPoint> TitlesOn(int y, const QVector<int> &xs)
{
    QVector<QPoint> points;
    for (int x : xs)
        points.append(QPoint(x, y));
    return points;
}

PdfLayout LayoutFor(const ExportContent &content)
{
    const int columns = content.Columns().size();
    switch (content.Variant()) {
    case ExportVariant::ThermoHygro:
        if (columns == 6)
            return {TitlesOn(3600, {1150, 2800, 4100, 5300, 6600, 7900}), 3400,
                    {20, 17, 17, 17, 17, 17}};
        return {TitlesOn(3200, {1150, 2900, 4400, 5900, 7400}), 3000, {20, 20, 20, 20, 20}};
    case ExportVariant::TempHum:
        return {TitlesOn(2800, QVector<int>{1150, 2900, 4400, 5900}.mid(0, columns)), 2600,
                QVector<int>(columns, 20)};
    case ExportVariant::CurrentVoltage:
        return {TitlesOn(2600, {1150, 2900, 4500}), 2200, {20, 20, 20}};
    case ExportVariant::FourProbe:
        return {TitlesOn(2600, {1150, 2800, 4300, 5800, 7300}), 1800, {20, 20, 20, 20, 20}};
    case ExportVariant::Light: return {{QPoint(1150, 2000), QPoint(2900, 2600)}, 1800, {20, 20}};
    case ExportVariant::Decibel: return {TitlesOn(2600, {1150, 2900}), 1800, {20, 20}};
    case ExportVariant::None: break;
    }
    return {};
}

// Title, header items and column titles; returns the baseline of the last
// column title, which the first row follows.
int DrawFirstPageBlock(QPainter &painter, const ExportContent &content, const PdfLayout &layout)
{
    painter.drawText(TitleAt, content.Title());
    int y = FirstItemY;
    for (const HeaderItem &item : content.Items()) {
        const bool time = item.Kind == ItemKind::Time;
        painter.drawText(ItemX, time ? layout.timeItemY : y, item.Text());
        y += LineStep;
    }
    for (int c = 0; c < content.Columns().size(); ++c)
        painter.drawText(layout.titles.at(c), content.Columns().at(c).Title());
    return layout.titles.back().y();
}

void DrawRows(QPdfWriter &writer, QPainter &painter, const ExportContent &content,
              const PdfLayout &layout)
{
    PlainRowPainter rows(painter);
    QString row;
    row.reserve(256);   // kept through resize(0)
    int y = 0;
    for (int i = content.Range().First; i < content.Range().End; ++i) {
        row.resize(0);
        for (int c = 0; c < layout.widths.size(); ++c)
            AppendRightAligned(row, content.Cell(i, c), layout.widths.at(c));
        if (i == content.Range().First)
            y = DrawFirstPageBlock(painter, content, layout);
        y += LineStep;
        if (y > LastRowY) {
            writer.newPage();
            y = PageTopRowY;
        }
        rows.Draw(QPointF(RowX, y), row);
    }
}

void SetUpPage(QPdfWriter &writer)
{
    writer.setResolution(Resolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(MarginPoints, MarginPoints, MarginPoints,
                                               MarginPoints),
                                     QPageLayout::Point));
}

} // namespace

QString PdfTextFileName(const QString &fileName)
{
    if (QFileInfo(fileName).suffix().isEmpty())
        return fileName + QStringLiteral(".pdf");
    return fileName;
}

JobOutcome WritePdfTextExport(const QString &fileName, const UartDataStore &store)
{
    if (fileName.isEmpty())
        return JobOutcome::Nothing(ExportTr(QT_TRANSLATE_NOOP("Thread", "No file name was given.")));
    const ExportContent content(store, ExportRange::WholeRecord(store));
    if (content.IsEmpty())
        return NoLayoutOutcome(store.RECModel);

    WholeFileDevice device(PdfTextFileName(fileName));
    if (!device.open(QIODevice::WriteOnly))
        return JobOutcome::Failure(device.ErrorText());
    QPdfWriter writer(&device);
    SetUpPage(writer);
    QPainter painter;
    if (!painter.begin(&writer)) {
        // The device goes without a commit: nothing reaches the target.
        return JobOutcome::Failure(
            ExportTr(QT_TRANSLATE_NOOP("Thread", "The PDF writer could not start.")));
    }
    DrawRows(writer, painter, content, LayoutFor(content));
    painter.end();
    if (!device.Commit())
        return JobOutcome::Failure(device.ErrorText());
    return JobOutcome::Success();
}
