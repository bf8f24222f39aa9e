// The PDF summary report: the worker slot that names the file and picks the
// writer of the record's family, the one writer that all eight families
// share, and the frame of its pages (title, chart block, list heading,
// footer).

#include "export/reportpdf.h"

#include <QBuffer>
#include <QDebug>
#include <QFileInfo>
#include <QImageReader>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "app/uartdatastore.h"
#include "app/wholefile.h"
#include "export/reportpdflayouts.h"
#include "export/thread.h"
#include "report/reporttext.h"

namespace {

constexpr int TitleHeight = 36;
constexpr int FooterHeight = 16;

// The eight writers in the order of ReportFamily.
constexpr void (Thread::*Writers[])() = {
    &Thread::CreateCurrentReportPdf,     &Thread::CreateTempHumReportPdf,
    &Thread::CreateTemperatureReportPdf, &Thread::CreateFourProbeReportPdf,
    &Thread::CreateVoltageReportPdf,     &Thread::CreateThermoHygroReportPdf,
    &Thread::CreateLightReportPdf,       &Thread::CreateDecibelReportPdf,
};

// A heading between two rules: the chart block and the list heading.
void DrawRuledHeading(QPainter *painter, int x, int y, int width, const QString &text)
{
    painter->drawLine(x, y, width, y);
    painter->drawText(QPointF(x, y + 25), text);
    painter->drawLine(x, y + 37, width, y + 37);
}

QImage ReadChartImage()
{
    QImageReader reader(QStringLiteral("logger.bmp"));
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

} // namespace

void SetUpReportPage(QPdfWriter *writer)
{
    writer->setResolution(96);
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
}

// An empty name writes nothing; a name without a suffix gets ".pdf", which
// the completion dialog then shows.
void Thread::ExportReportWork()
{
    qDebug() << "RECModel" << UartData.RECModel;
    QString &name = UartData.ExportFileName;
    const std::optional<ReportFamily> family = ReportFamilyFor(UartData.RECModel);
    if (name.isEmpty()) {
        LastOutcome = JobOutcome::Nothing(tr("no file name was given"));
    } else {
        if (QFileInfo(name).suffix().isEmpty())
            name += QLatin1String(".pdf");
        if (family)
            (this->*Writers[int(*family)])();
        else
            LastOutcome = JobOutcome::Nothing(
                tr("there is no summary report for the meter model %1").arg(UartData.RECModel));
    }
    emit ExportReportSotp();
}

void Thread::CreateCurrentReportPdf()
{
    LastOutcome = WriteReportPdf(ReportLayoutOf(ReportFamily::Current));
}

void Thread::CreateTempHumReportPdf()
{
    LastOutcome = WriteReportPdf(ReportLayoutOf(ReportFamily::TempHum));
}

void Thread::CreateTemperatureReportPdf()
{
    qDebug() << "UartData.RECFileName:" << UartData.RECFileName;
    LastOutcome = WriteReportPdf(ReportLayoutOf(ReportFamily::Temperature));
}

void Thread::CreateFourProbeReportPdf()
{
    LastOutcome = WriteReportPdf(ReportLayoutOf(ReportFamily::FourProbe));
}

void Thread::CreateVoltageReportPdf()
{
    LastOutcome = WriteReportPdf(ReportLayoutOf(ReportFamily::Voltage));
}

void Thread::CreateThermoHygroReportPdf()
{
    LastOutcome = WriteReportPdf(ReportLayoutOf(ReportFamily::ThermoHygro));
}

void Thread::CreateLightReportPdf()
{
    LastOutcome = WriteReportPdf(ReportLayoutOf(ReportFamily::Light));
}

void Thread::CreateDecibelReportPdf()
{
    LastOutcome = WriteReportPdf(ReportLayoutOf(ReportFamily::Decibel));
}

// The report is painted into memory and replaces the file only when it is
// complete, so a full disk or an unwritable folder leaves any old file as it
// was and is reported with the system's reason.
JobOutcome Thread::WriteReportPdf(const ReportLayout &layout)
{
    WholeFileWriter file(UartData.ExportFileName);
    if (!file.Open())
        return JobOutcome::Failure(file.ErrorString());
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        SetUpReportPage(&writer);
        QPainter painter;
        if (!painter.begin(&writer))
            return JobOutcome::Failure(tr("the PDF document could not be started"));
        PaintReport(&painter, &writer, layout);
        painter.end();
    }
    file.Write(pdf.data());
    if (!file.Commit())
        return JobOutcome::Failure(file.ErrorString());
    return JobOutcome::Success();
}

void Thread::PaintReport(QPainter *painter, QPagedPaintDevice *device, const ReportLayout &layout)
{
    ReportFont = QFont(QStringLiteral("Arial"));
    ReportFont.setUnderline(false);
    SetFont(painter, 18, QFont::Bold);
    painter->setPen(ReportPen(2.0));
    PageWidth = device->width();
    PageHeight = device->height();
    PageNumber = 1;
    FillReportTexts(layout);
    PageCount = ReportPageCount(UartData.Lognum, layout.BuildList(*this).SamplesPerRow);

    Cell = QRectF(0, 0, PageWidth, TitleHeight);
    painter->drawText(Cell, Qt::AlignCenter, tr("Summary Report"));
    DrawCreateTime(painter, 0, 36, CreateTimeText());
    DrawDeviceInformation(painter, 0, 65);
    DrawDataSummary(painter, 0, 300);
    DrawDataChart(painter, 0, layout.ChartTop);
    DrawPageFooter(painter);

    device->newPage();
    DrawDataListTitle(painter, 0, 10);
    painter->setPen(ReportPen(1.0));
    SetFont(painter, 10, QFont::Normal);
    ListIndex = 0;
    bool complete = (this->*layout.DrawList)(painter, 60);
    while (!complete) {
        device->newPage();
        complete = (this->*layout.DrawList)(painter, 0);
    }
}

void Thread::SetFont(QPainter *painter, int pointSize, int weight)
{
    ReportFont.setPointSize(pointSize);
    ReportFont.setWeight(weight);
    painter->setFont(ReportFont);
}

void Thread::DrawDataListTitle(QPainter *painter, int x, int y)
{
    painter->setPen(ReportPen(2.0));
    SetFont(painter, 15, QFont::Bold);
    DrawRuledHeading(painter, x, y, PageWidth, tr("Data List"));
}

// The chart picture that the report builders saved, stretched over the rest
// of the page down to 2 pixels above the footer band, and kept lossless: a
// chart is line art, which JPEG would blur. A missing picture leaves the
// area blank.
void Thread::DrawDataChart(QPainter *painter, int x, int y)
{
    painter->setPen(ReportPen(2.0));
    SetFont(painter, 15, QFont::Bold);
    DrawRuledHeading(painter, x, y, PageWidth, tr("Data Chart"));
    Cell = QRectF(x, y + 47, PageWidth, PageHeight - y - 65);
    const QImage chart = ReadChartImage();
    if (!chart.isNull()) {
        painter->setRenderHint(QPainter::LosslessImageRendering);
        painter->drawImage(Cell, chart);
    }
}

void Thread::DrawPageFooter(QPainter *painter)
{
    SetFont(painter, 8, QFont::Normal);
    const QString text
        = tr("Page ") + QString::number(PageNumber) + tr(" of ") + QString::number(PageCount);
    ++PageNumber;
    painter->drawText(QRect(0, PageHeight - FooterHeight, PageWidth, FooterHeight),
                      Qt::AlignRight | Qt::AlignVCenter, text);
}
