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

#include <qcustomplot.h>

class QTimer;
class TitleBar;
class myTracer;
class Ui_MainWindow;
struct ChartPlan;
struct ListColumn;

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
    double LastTracerX = 0.0;
    int TracerShowDelay = 0;       // seconds until the read-out comes back
    double YRangeUpper = 0.0;
    double YRangeLower = 0.0;
    double Y2RangeUpper = 0.0;
    double Y2RangeLower = 0.0;
    QStringList TableHeaders;
    QTimer *Timer1S = nullptr;     // clock, 1000 ms from start
    QTimer *Timer500MS = nullptr;  // download progress
    QString ReportHtmlPath;
    bool ReportPreviewPending = false;

    // --- messages ----------------------------------------------------------
    void ShowMessage(QString title, QString text);

    // --- records -----------------------------------------------------------
    // Reads a record file and shows it; a refused file is reported and the
    // record on show stays. Returns whether the record was loaded.
    bool LoadRecordFile(const QString &path);

    // --- meter model -------------------------------------------------------
    void ClassifyModel();

    // --- data list and statistics -------------------------------------------
    void UpdateDataTable();
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

    // --- report preview ------------------------------------------------------
    void ShowReportPreview();

public slots:
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
    void SelectItemSlot(int num);

private:
    void InstallTitleBar();
    void PlaceOnScreen();
    void CreateWorkers();
    void ConnectSignals();
    void InitUiState();
    void CreateDataFolders();
    void SetZoomIcons(bool zoomOn);
    void InitListTable(const QVector<ListColumn> &columns);
    void FillListRows(const QVector<ListColumn> &columns);
    void BuildChart(const ChartPlan &plan);
};

#endif // MAINWINDOW_H
