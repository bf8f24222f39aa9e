// The summary report tab's documents: the choice of the report for a
// record's model code, the texts in the main window's translation, the
// rebuild after a record is shown and the preview file.

#include "ui/mainwindow.h"
#include "ui_mainwindow.h"
#include "platform/reportbrowser.h"

#include <QDebug>
#include <QDir>
#include <QFile>

#include "app/uartdatastore.h"
#include "platform/reportpage.h"
#include "report/reportlayouts.h"
#include "report/reporttext.h"

QString MainWindow::StartModeText()
{
    switch (UartData.StartMode) {
    case 1: return tr("Immediate Start");
    case 2: return tr("Scheduled Start");
    default: return tr("By Button");
    }
}

QString MainWindow::RecordingTimeText()
{
    const SpanParts span =
        SplitSpan(RecordingSeconds(UartData.RECModel, UartData.Lognum, UartData.SamplePeriod));
    return QString::number(span.Days) + tr(" Day ") + QString::number(span.Hours) + tr(" Hours ")
           + QString::number(span.Minutes) + tr(" Minutes");
}

namespace {

using ReportBuilder = QString (MainWindow::*)(bool);

// A route matches its model code, or with code 0 its family.
struct ReportRoute {
    int Code;
    int Family;
    ReportBuilder Builder;
};

// First match wins: the single codes come before the families they lie in.
const ReportRoute Routes[] = {
    {0, 62, &MainWindow::CreateDecibelReportHtml},
    {3701, 0, &MainWindow::CreateTemperatureReportHtml},
    {3721, 0, &MainWindow::CreateTemperatureReportHtml},
    {3707, 0, &MainWindow::CreateTemperatureReportHtml},
    {4421, 0, &MainWindow::CreateTemperatureReportHtml},
    {3709, 0, &MainWindow::CreateCurrentReportHtml},
    {3710, 0, &MainWindow::CreateVoltageReportHtml},
    {0, 37, &MainWindow::CreateTempHumReportHtml},
    {0, 53, &MainWindow::CreateLightReportHtml},
    {4405, 0, &MainWindow::CreateFourProbeReportHtml},
    {4425, 0, &MainWindow::CreateFourProbeReportHtml},
    {0, 44, &MainWindow::CreateThermoHygroReportHtml},
};

} // namespace

QString MainWindow::CreateReportHtml(bool printLayout)
{
    const int model = UartData.RECModel;
    const int family = UartDataStore::Family(model);
    for (const ReportRoute &route : Routes) {
        if (route.Code != 0 ? route.Code == model : route.Family == family)
            return (this->*route.Builder)(printLayout);
    }
    return CreateGenericReportHtml(printLayout);
}

QString MainWindow::CreateDecibelReportHtml(bool printLayout)
{
    return ComposeReport(ReportKind::Decibel, printLayout);
}

QString MainWindow::CreateTemperatureReportHtml(bool printLayout)
{
    return ComposeReport(ReportKind::Temperature, printLayout);
}

QString MainWindow::CreateCurrentReportHtml(bool printLayout)
{
    return ComposeReport(ReportKind::Current, printLayout);
}

QString MainWindow::CreateVoltageReportHtml(bool printLayout)
{
    return ComposeReport(ReportKind::Voltage, printLayout);
}

QString MainWindow::CreateLightReportHtml(bool printLayout)
{
    return ComposeReport(ReportKind::Light, printLayout);
}

QString MainWindow::CreateTempHumReportHtml(bool printLayout)
{
    return ComposeReport(ReportKind::TempHum, printLayout);
}

QString MainWindow::CreateFourProbeReportHtml(bool printLayout)
{
    return ComposeReport(ReportKind::FourProbe, printLayout);
}

QString MainWindow::CreateThermoHygroReportHtml(bool printLayout)
{
    return ComposeReport(ReportKind::ThermoHygro, printLayout);
}

QString MainWindow::CreateGenericReportHtml(bool printLayout)
{
    return ComposeReport(ReportKind::Generic, printLayout);
}

QString MainWindow::ComposeReport(ReportKind kind, bool printLayout)
{
    // Light reports carry the half seconds of their record's stamps, as the
    // list and the read-out do.
    const SampleTimeWriter times = SampleTimeWriter::ForShownRecord(UartData);
    ReportContent content = ReportContentOf(kind, times);
    content.StartMode = StartModeText();
    content.RecordingTime = RecordingTimeText();
    return BuildReportHtml(ReportFormOf(kind), content, times, printLayout, ui->widgetGraph);
}

void MainWindow::RebuildReport()
{
    // A record without samples has no report: the documents and the preview
    // become empty, so nothing of the record before is shown or exported.
    const bool hasSamples = UartData.Lognum > 0;
    DropReport();
    UartData.ReportHtml = hasSamples ? CreateReportHtml(false) : QString();
    UartData.ReportPrintHtml = hasSamples ? CreateReportHtml(true) : QString();
    WriteReportHtmlFile();
    ReportPreviewPending = true;
}

// What the report and the print-outs of the record before hold is let go
// before the new report is built, not after: a long record's pages are tens
// of megabytes each, and the preview's documents hundreds.
void MainWindow::DropReport()
{
    ui->axWidgetHtml->clear();
    UartData.ReportHtml.clear();
    UartData.ReportPrintHtml.clear();
    UartData.PrintHtml.clear();
    UartData.GraphPrintHtml.clear();
    UartData.ListPrintHtml.clear();
}

void MainWindow::WriteReportHtmlFile()
{
    ReportHtmlPath = QDir::currentPath() + QStringLiteral("/ReportHtml.Html");
    QFile::remove(ReportHtmlPath);
    QFile file(ReportHtmlPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    const QByteArray bytes = Gb2312PageBytes(UartData.ReportHtml);
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // A page cut off by a full disk is not shown as the report.
        qWarning() << "Report preview not written:" << file.errorString();
        file.remove();
    }
}
