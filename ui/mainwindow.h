#ifndef MAINWINDOW_H
#define MAINWINDOW_H

// The one main window: the hub that owns the form, the title bar, the chart's
// read-out and the timers. The data list, chart and record routines are
// methods of this class; their definitions live in the folder of their area
// (view/mainwindow_table.cpp, view/mainwindow_chart.cpp, ...), while this
// folder keeps construction, wiring and the shell.

#include <QMainWindow>
#include <QSharedPointer>
#include <QStringList>
#include <QtNumeric>

#include <qcustomplot.h>

class QImage;
class QThread;
class QTimer;
class Thread;
class TitleBar;
class myTracer;
class Ui_MainWindow;
struct ChartPlan;
struct FileJob;
struct JobOutcome;
struct ListColumn;
struct PrintTable;
enum class ReportKind;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // --- members the other areas use ---------------------------------------
    Ui_MainWindow *ui = nullptr;
    TitleBar *MainTitleBar = nullptr;
    QCustomPlot *CustomPlot = nullptr;
    QCPTextElement *ChartTitle = nullptr;
    QSharedPointer<myTracer> Tracer;
    bool ZoomMode = false;
    double LastTracerX = qQNaN();
    int TracerShowDelay = 0;       // seconds until the read-out comes back
    double YRangeUpper = 0.0;
    double YRangeLower = 0.0;
    double Y2RangeUpper = 0.0;
    double Y2RangeLower = 0.0;
    // The time axis range of the whole record as last drawn; empty (0, 0)
    // while the chart shows no samples.
    QCPRange RecordTimeRange{0.0, 0.0};
    QStringList TableHeaders;
    QTimer *Timer1S = nullptr;     // clock, 1000 ms from start
    QTimer *Timer500MS = nullptr;  // download progress
    QString ReportHtmlPath;
    bool ReportPreviewPending = false;
    QThread *WorkerThread = nullptr;   // runs only while an export or print job does
    Thread *Worker = nullptr;          // the export worker, living on WorkerThread

    // --- messages ----------------------------------------------------------
    void ShowMessage(QString title, QString text);
    // Opens the file in the desktop's program for it; when none can, says
    // `failure` under `title`.
    void OpenOrTell(const QString &file, const QString &title, const QString &failure);
    // The hover read-out written again for the record and format in force.
    void RedrawReadout();
    // While an export or print job runs: says so and returns true.
    bool RefuseWhileJobRuns();

    // --- records -----------------------------------------------------------
    // Reads a record file and shows it; a refused file is reported and the
    // record on show stays. Returns whether the record was loaded.
    bool LoadRecordFile(const QString &path);

    // --- meter model -------------------------------------------------------
    void ClassifyModel();

    // --- data list and statistics -------------------------------------------
    // The list of the shown section and the whole record's statistics.
    void UpdateDataTable();
    // The list alone; false when no record is on show (the list is hidden).
    bool FillDataList();
    void ComputeRecordStatistics();
    void InitDecibelTable();
    void FillDecibelTable();
    void InitLoggerTable();
    void FillLoggerTable();
    void InitChannelTable();
    void FillChannelTable();
    void ApplyDateFormat();

    // --- chart -------------------------------------------------------------
    void PlotRecordChart();
    void PlotLoggerChart();
    void SetChartFonts();
    void PlotDecibelChart();
    void PlotLightChart();
    void PlotTemperatureChart();
    void PlotCurrentChart();
    void PlotVoltageChart();
    void PlotTempHumChart();
    void PlotThermoHygroChart();
    void PlotFourProbeChart();
    void ClearChart();

    // --- summary report ------------------------------------------------------
    QString StartModeText();
    QString RecordingTimeText();
    QString CreateReportHtml(bool printLayout);
    QString CreateDecibelReportHtml(bool printLayout);
    QString CreateTemperatureReportHtml(bool printLayout);
    QString CreateCurrentReportHtml(bool printLayout);
    QString CreateVoltageReportHtml(bool printLayout);
    QString CreateLightReportHtml(bool printLayout);
    QString CreateTempHumReportHtml(bool printLayout);
    QString CreateFourProbeReportHtml(bool printLayout);
    QString CreateThermoHygroReportHtml(bool printLayout);
    QString CreateGenericReportHtml(bool printLayout);
    // Both report layouts into the store, the preview file, the preview's
    // pending mark.
    void RebuildReport();
    void WriteReportHtmlFile();

    // --- report preview ------------------------------------------------------
    void ShowReportPreview();

    // --- every view of the record again (after a settings change) ---------------
    void RefreshDataView();

signals:
    void ExportReportStart();
    void PrintReportStart();
    void SaveAsfileStart();
    void SaveExcelStart();
    void SaveCSVSectionStart();
    void SaveExcelSectionStart();

public slots:
    void ExportReportComplete();
    void PrintReportComplete();
    void Openfile();
    void Timer1SSlot();
    void PushButtonQuerySlot();
    void showTracer(QMouseEvent *event);
    void setxAxisRange(QCPRange newRange);
    void setyAxisRange(QCPRange newRange);
    void setyAxis2Range(QCPRange newRange);
    void MagnifySlot();
    void RestoreSlot();
    void OpenHelp();
    void OpenDeviceInfoSlot();
    void OpenSystemSettingsSlot();
    void SelectItemSlot(int num);

private slots:
    void SaveAsSlot();
    void ExportToPDFSlot();
    void ExportToExcelSlot();
    void PushButtonExportCSVSlot();
    void PushButtonExportExcelSlot();
    void DoPrintPreview();

private:
    void InstallTitleBar();
    void PlaceOnScreen();
    void CreateWorkers();
    void ConnectSignals();
    void InitUiState();
    void CreateDataFolders();
    void SetZoomIcons(bool zoomOn);
    void ShowSpanInEditors();
    void InitListTable(const QVector<ListColumn> &columns);
    void FillListRows(const QVector<ListColumn> &columns);
    void BuildChart(const ChartPlan &plan);
    QString ChartTitleText();
    void ShowReadoutAt(double x);
    void ResetSecondAxes();
    void ShowEmptyChart();
    QString ComposeReport(ReportKind kind, bool printLayout);
    void DropReport();

    // --- export and print jobs ---------------------------------------------
    void ConnectJobSignals();
    void StartFileJob(const FileJob &job);
    void ShowExportOutcome(const JobOutcome &outcome, const QString &name);
    void ShowPrintOutcome(const JobOutcome &outcome, const QString &file);
    void ShowFailedJob(const QString &title, const QString &text);
    JobOutcome EndJob();
    void StopWorker();
    QString CurrentTabPrintHtml(QImage *chart, PrintTable *list);
};

#endif // MAINWINDOW_H
