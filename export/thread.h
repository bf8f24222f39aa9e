#ifndef EXPORT_THREAD_H
#define EXPORT_THREAD_H

// The export worker. It lives on MainWindow::WorkerThread, the only thread
// besides the GUI thread, and runs one job at a time: the main window's start
// slot asks for what it needs, starts the thread and emits the job's start
// signal; the worker slot (…Work) runs here, writes its output and always
// ends with the job's done signal (…Sotp), on which the main window quits the
// thread and tells the user.
//
// The members up to ListColumns are the state of the PDF summary report: each
// report writer sets them up afresh, the painters read them.

#include <QFont>
#include <QImage>
#include <QObject>
#include <QRectF>
#include <QString>
#include <QVector>

#include <memory>

#include "export/exportcontent.h"
#include "export/joboutcome.h"
#include "export/printtable.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;
struct ReportLayout;
struct ListLayout;

class Thread : public QObject {
    Q_OBJECT

public:
    explicit Thread(QObject *parent = nullptr);
    ~Thread() override;

    int PageNumber = 0;
    int PageWidth = 0;
    int PageHeight = 0;
    int ListIndex = 0;
    int PageCount = 0;
    QFont ReportFont;
    QRectF Cell;
    QString MeterName, DeviceID, SamplingRate, RecordingTime, StartMode;
    QString AlarmLabel1, AlarmValue1, AlarmLabel2, AlarmValue2;
    QString AlarmLabel3, AlarmValue3, AlarmLabel4, AlarmValue4;
    QString TotalRecord, StartTime, EndTime;
    QVector<QString> SummaryLabel, SummaryMax, SummaryMaxTime, SummaryMin, SummaryMinTime,
        SummaryAverage;
    QVector<QString> ListHeadings;
    QVector<QString> ListColumns[5];

    // The eight report writers; each writes the whole file ExportFileName.
    void CreateCurrentReportPdf();
    void CreateTempHumReportPdf();
    void CreateTemperatureReportPdf();
    void CreateFourProbeReportPdf();
    void CreateVoltageReportPdf();
    void CreateThermoHygroReportPdf();
    void CreateLightReportPdf();
    void CreateDecibelReportPdf();

    // The page frame.
    void DrawDataListTitle(QPainter *painter, int x, int y);
    void DrawDataChart(QPainter *painter, int x, int y);
    void DrawPageFooter(QPainter *painter);

    // The blocks of the summary page.
    void DrawCreateTime(QPainter *painter, int x, int y, QString text);
    void DrawDeviceInformation(QPainter *painter, int x, int y);
    void DrawDataSummary(QPainter *painter, int x, int y);
    QString StartModeText();
    QString RecordingTimeText();

    // One page of the data list from the header row at y; true once the last
    // sample has been drawn.
    bool DrawCurrentDataList(QPainter *painter, int y);
    bool DrawVoltageDataList(QPainter *painter, int y);
    bool DrawDecibelDataList(QPainter *painter, int y);
    bool DrawTemperatureDataList(QPainter *painter, int y);
    bool DrawLightDataList(QPainter *painter, int y);
    bool DrawTempHumDataList(QPainter *painter, int y);
    bool DrawFourProbeDataList(QPainter *painter, int y);
    bool DrawThermoHygroDataList(QPainter *painter, int y);

    // What the last job left behind; read by the completion slot after the
    // job's done signal. A print job's file is PrintTarget ("" for a
    // printer).
    const JobOutcome &Outcome() const { return LastOutcome; }
    QString PrintTarget;

    // Hands the print job its configured printer, the chart picture that
    // the chart tab's print HTML shows and, when the data list is printed,
    // its cells; called on the GUI thread before the job starts.
    void SetPrintJob(std::unique_ptr<QPrinter> printer, const QImage &chart, PrintTable list);

    // The name under which the print HTML refers to the chart picture.
    static const char *ChartImageName;

    // The section on show when a section export was asked for, set on the
    // GUI thread before the job starts.
    ExportRange Section;

    // The save-as writers, each on its own copy of the file name.
    void SaveAsTXTFile(QString fileName);
    void SaveAsPDFFile(QString fileName);
    void SaveAsCSVFile(QString fileName);

signals:
    void SaveExcelSectionSotp();
    void SaveExcelSotp();
    void SaveCSVSectionSotp();
    void SaveAsfileSotp();
    void ExportReportSotp();
    void PrintReportSotp();

public slots:
    void SaveExcelSectionWork();
    void SaveExcelWork();
    void SaveCSVSectionWork();
    void SaveAsfileWork();
    void ExportReportWork();
    void PrintReportWork();

private:
    JobOutcome PrintOut();
    JobOutcome WriteReportPdf(const ReportLayout &layout);
    void PaintReport(QPainter *painter, QPagedPaintDevice *device, const ReportLayout &layout);
    void FillReportTexts(const ReportLayout &layout);
    void FillAlarmRows(const ReportLayout &layout);
    void FillSummaryRows(const ReportLayout &layout);
    void FillThermoHygroColumns();
    void SetFont(QPainter *painter, int pointSize, int weight);
    bool DrawDataList(QPainter *painter, int top, const ListLayout &list);

    JobOutcome LastOutcome;
    std::unique_ptr<QPrinter> PrintPrinter;
    QImage PrintChart;
    PrintTable PrintList;
};

#endif // EXPORT_THREAD_H
