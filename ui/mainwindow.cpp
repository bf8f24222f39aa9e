#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "app/knownloggers.h"
#include "app/ownfiles.h"
#include "app/recordfile.h"
#include "app/uartdatastore.h"
#include "export/thread.h"
#include "platform/desktopopener.h"
#include "ui/dialogframe.h"
#include "ui/dialogseam.h"
#include "ui/qmessagedialog.h"
#include "ui/titlebar.h"
#include "ui/windowedges.h"
#include "view/mytracer.h"

static void InitResources()
{
    Q_INIT_RESOURCE(meterlog);
}

// The export and print jobs need a record: their entries wait for one.
static void EnableRecordJobs(Ui_MainWindow *ui, bool enabled)
{
    for (QAction *action : {ui->action_Save_as, ui->action_Export_to_PDF,
                            ui->action_Export_to_Excel, ui->action_Print})
        action->setEnabled(enabled);
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_MainWindow)
{
    InitResources();
    ui->setupUi(this);
    InstallTitleBar();
    PlaceOnScreen();
    setWindowState(Qt::WindowMaximized);
    KnownLoggerTable::Read(UartDataStore::KnownLoggerFilePath(), &UartData.KnownLoggers);
    UartData.ScanLanguages();
    CreateWorkers();
    ConnectSignals();
    InitUiState();
    CreateDataFolders();
}

MainWindow::~MainWindow()
{
    StopWorker();
    // The read-out's items belong to the chart, which goes with the form.
    Tracer.reset();
    delete ui;
}

void MainWindow::InstallTitleBar()
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    QFile style(QStringLiteral(":/style/meterlog.qss"));
    if (style.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(style.readAll()));

    // The window already has a layout, so the bar is placed here: above the
    // menu bar, both as the window's menu widget.
    MainTitleBar = new TitleBar(this);
    MainTitleBar->SetTitleIcon(QStringLiteral("Icon/logo.png"));
    MainTitleBar->SetTitleText(tr("MeterLog"), QFont(QStringLiteral("Arial"), 14));
    QWidget *top = new QWidget(this);
    QVBoxLayout *topLayout = new QVBoxLayout(top);
    topLayout->setSpacing(0);
    topLayout->setContentsMargins(0, 0, 0, 0);
    QMenuBar *menu = menuBar();
    topLayout->addWidget(MainTitleBar);
    topLayout->addWidget(menu);
    setMenuWidget(top);
    connect(MainTitleBar, &TitleBar::send_close, this, &QWidget::close);
}

// The normal (restored) size fits the screen, also where no window manager
// carries out the maximised state; the frameless window gets edges to resize
// it by.
void MainWindow::PlaceOnScreen()
{
    new WindowEdges(this);
    QScreen *screen = QGuiApplication::primaryScreen();
    if (screen)
        setGeometry(RestoredGeometry(screen->availableGeometry(), minimumSizeHint()));
}

void MainWindow::CreateWorkers()
{
    CustomPlot = ui->widgetGraph;
    ChartTitle = new QCPTextElement(CustomPlot);
    Tracer = QSharedPointer<myTracer>(new myTracer(CustomPlot, 2, nullptr));

    Timer1S = new QTimer(this);
    Timer1S->setInterval(1000);
    Timer500MS = new QTimer(this);
    Timer500MS->setInterval(500);

    WorkerThread = new QThread(this);
    WorkerThread->quit();
    Worker = new Thread(nullptr);
    Worker->moveToThread(WorkerThread);
}

void MainWindow::ConnectSignals()
{
    connect(ui->action_Open, &QAction::triggered, this, &MainWindow::Openfile);
    connect(ui->action_Exit, &QAction::triggered, this, &QWidget::close);
    connect(ui->action_Help, &QAction::triggered, this, &MainWindow::OpenHelp);
    connect(ui->action_Meter_Status, &QAction::triggered, this, &MainWindow::OpenDeviceInfoSlot);
    connect(ui->pushButtonLink, &QPushButton::clicked, this, &MainWindow::OpenDeviceInfoSlot);
    connect(ui->action_System_settings, &QAction::triggered, this,
            &MainWindow::OpenSystemSettingsSlot);
    connect(ui->action_Zoom, &QAction::triggered, this, &MainWindow::MagnifySlot);
    connect(ui->action_Restore, &QAction::triggered, this, &MainWindow::RestoreSlot);
    connect(ui->pushButtonQuery, &QPushButton::clicked, this, &MainWindow::PushButtonQuerySlot);
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &MainWindow::SelectItemSlot);
    connect(Timer1S, &QTimer::timeout, this, &MainWindow::Timer1SSlot);
    ConnectJobSignals();
    Timer1S->start();
}

void MainWindow::InitUiState()
{
    UartData.ShowDewPoint = true;
    ui->stackedWidget->setCurrentWidget(ui->pageMain);
    ui->tabWidget->setCurrentWidget(ui->tabGraph);
    ui->labelConnectState->setText(tr("OFFLINE"));
    const QString picture = UartData.MeterType == 1 ? QStringLiteral("Icon/sound_meter.png")
                                                    : UartData.IconMain;
    ui->pushButtonLink->setIcon(QIcon(picture));

    EnableRecordJobs(ui, false);

    ZoomMode = false;
    ui->toolBar->hide();
    ui->tableWidgetDataList->setVisible(UartData.RecordShown);
    ApplyDateFormat();
}

void MainWindow::CreateDataFolders()
{
    const QDir work(UartDataStore::WorkingDirectory());
    for (const char *folder : {"Data", "Help", "Temp", "Data/CAL Data", "Data/Data Reports",
                               "Data/Recorded Data"}) {
        QString error;
        if (!MakeFolder(work.filePath(QString::fromLatin1(folder)), &error))
            qWarning().noquote() << error;
    }
}

void MainWindow::ShowMessage(QString title, QString text)
{
    QMessageDialog dialog(nullptr);
    const QFont font(QStringLiteral("Arial"), 20);
    dialog.SetTitleText(title, font);
    dialog.SetOKText(tr("OK"), font);
    dialog.HideCloseButton(true);
    dialog.SetMessageText(text, font);
    CentreDialog(&dialog, this);
    DialogSeam::Exec(dialog);
}

// The record cannot change while an export or print job reads it.
void MainWindow::Openfile()
{
    if (RefuseWhileJobRuns())
        return;
    UartData.Busy = true;
    const QString path = DialogSeam::GetOpenFileName(this, tr("Open record file"), UartData.Path,
                                                     tr("Record files (*.rec)"));
    UartData.Busy = false;
    if (!path.isEmpty())
        LoadRecordFile(path);
}

bool MainWindow::LoadRecordFile(const QString &path)
{
    if (RefuseWhileJobRuns())
        return false;
    QString error;
    if (!ReadRecordFile(path, UartData, &error)) {
        ShowMessage(tr("Error"), error);
        return false;
    }
    // Nothing of the record before is pointed at on the new one's chart.
    LastTracerX = qQNaN();
    UpdateDataTable();
    PlotRecordChart();
    // The record is shown on its chart, as after a settings change: the
    // report tab would stay empty until selected again.
    ui->stackedWidget->setCurrentWidget(ui->pageGraph);
    ui->tabWidget->setCurrentWidget(ui->tabGraph);
    ui->toolBar->show();
    RebuildReport();
    EnableRecordJobs(ui, true);
    return true;
}

void MainWindow::OpenHelp()
{
    const QString file = UartDataStore::WorkingDirectory() + QStringLiteral("/Help/")
                         + UartData.HelpFile;
    if (!QFile::exists(file)) {
        ShowMessage(tr("Help"), tr("The help file %1 was not found.").arg(QDir::toNativeSeparators(file)));
        return;
    }
    OpenOrTell(file, tr("Help"),
               tr("No program could open the help file %1.").arg(QDir::toNativeSeparators(file)));
}

// The desktop's program for the file, or the message once no dialog is on
// show.
void MainWindow::OpenOrTell(const QString &file, const QString &title, const QString &failure)
{
    OpenOnDesktop(file, this, [this, title, failure] {
        DialogSeam::WhenNoDialog(this, [this, title, failure] { ShowMessage(title, failure); });
    });
}
