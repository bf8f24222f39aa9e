// The main window's side of the export jobs: the start slots, which check the
// request, ask for the output name and start the worker thread, and the
// completion slot, which quits the thread and tells the user what became of
// the file.

#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

#include <QDateTime>
#include <QDir>
#include <QThread>

#include "app/uartdatastore.h"
#include "export/exportcontent.h"
#include "export/filejob.h"
#include "export/joboutcome.h"
#include "export/thread.h"
#include "platform/freedmemory.h"
#include "ui/dialogframe.h"
#include "ui/dialogseam.h"
#include "ui/qmessagedialog.h"
#include "view/captions.h"

namespace {

// Caption, filter, filter translated, default name, needs a report (else
// samples), start signal.
const FileJob PdfReportJob {QT_TRANSLATE_NOOP("MainWindow", "Export PDF"), "*.pdf", false,
                            "/Report-", true, &MainWindow::ExportReportStart};
const FileJob SaveAsJob {QT_TRANSLATE_NOOP("MainWindow", "Export *"),
                         QT_TRANSLATE_NOOP("MainWindow",
                                           "Text files (*.txt);;PDF files (*.pdf);;CSV files (*.csv)"),
                         true, "/MeterData", false, &MainWindow::SaveAsfileStart};
const FileJob ExcelJob {QT_TRANSLATE_NOOP("MainWindow", "Export EXCEL"),
                        QT_TRANSLATE_NOOP("MainWindow", "EXCEL files (*.xls)"), true, "/MeterData",
                        false, &MainWindow::SaveExcelStart};
const FileJob ExcelSectionJob {ExcelJob.Caption, ExcelJob.Filter, true, "/MeterData", false,
                               &MainWindow::SaveExcelSectionStart};
const FileJob CsvSectionJob {QT_TRANSLATE_NOOP("MainWindow", "Export CSV"),
                             QT_TRANSLATE_NOOP("MainWindow", "CSV files (*.csv)"), true,
                             "/MeterData", false, &MainWindow::SaveCSVSectionStart};

QString DefaultExportName(const char *prefix)
{
    return QDir::currentPath() + QStringLiteral("/Data/Data Reports") + QString::fromLatin1(prefix)
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmss"));
}

// A reason goes into a sentence that ends with its own full stop.
QString WithoutFullStop(QString reason)
{
    if (reason.endsWith(QLatin1Char('.')) || reason.endsWith(QChar(0x3002)))
        reason.chop(1);
    return reason;
}

QFont DialogFont(int pointSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(pointSize);
    return font;
}

} // namespace

void MainWindow::ConnectJobSignals()
{
    connect(this, &MainWindow::ExportReportStart, Worker, &Thread::ExportReportWork);
    connect(this, &MainWindow::PrintReportStart, Worker, &Thread::PrintReportWork);
    connect(this, &MainWindow::SaveAsfileStart, Worker, &Thread::SaveAsfileWork);
    connect(this, &MainWindow::SaveExcelStart, Worker, &Thread::SaveExcelWork);
    connect(this, &MainWindow::SaveCSVSectionStart, Worker, &Thread::SaveCSVSectionWork);
    connect(this, &MainWindow::SaveExcelSectionStart, Worker, &Thread::SaveExcelSectionWork);
    connect(Worker, &Thread::SaveExcelSectionSotp, this, &MainWindow::ExportReportComplete);
    connect(Worker, &Thread::SaveExcelSotp, this, &MainWindow::ExportReportComplete);
    connect(Worker, &Thread::SaveCSVSectionSotp, this, &MainWindow::ExportReportComplete);
    connect(Worker, &Thread::SaveAsfileSotp, this, &MainWindow::ExportReportComplete);
    connect(Worker, &Thread::ExportReportSotp, this, &MainWindow::ExportReportComplete);
    connect(Worker, &Thread::PrintReportSotp, this, &MainWindow::PrintReportComplete);
    connect(ui->action_Save_as, &QAction::triggered, this, &MainWindow::SaveAsSlot);
    connect(ui->action_Export_to_PDF, &QAction::triggered, this, &MainWindow::ExportToPDFSlot);
    connect(ui->action_Export_to_Excel, &QAction::triggered, this, &MainWindow::ExportToExcelSlot);
    connect(ui->pushButtonExportCSV, &QPushButton::clicked, this,
            &MainWindow::PushButtonExportCSVSlot);
    connect(ui->pushButtonExportExcel, &QPushButton::clicked, this,
            &MainWindow::PushButtonExportExcelSlot);
    connect(ui->action_Print, &QAction::triggered, this, &MainWindow::DoPrintPreview);
}

// A running worker thread is the one sign of a job under way.
bool MainWindow::RefuseWhileJobRuns()
{
    if (!WorkerThread->isRunning())
        return false;
    ShowMessage(tr("Warning!"), tr("There are other tasks in progress, please try again later!"));
    return true;
}

void MainWindow::SaveAsSlot()
{
    StartFileJob(SaveAsJob);
}

void MainWindow::ExportToPDFSlot()
{
    StartFileJob(PdfReportJob);
}

void MainWindow::ExportToExcelSlot()
{
    StartFileJob(ExcelJob);
}

void MainWindow::PushButtonExportCSVSlot()
{
    StartFileJob(CsvSectionJob);
}

void MainWindow::PushButtonExportExcelSlot()
{
    StartFileJob(ExcelSectionJob);
}

void MainWindow::StartFileJob(const FileJob &job)
{
    const bool hasRecord = job.NeedsReport ? !UartData.ReportHtml.isEmpty() : UartData.Lognum > 0;
    if (!hasRecord) {
        // An open record without samples has no report either.
        ShowMessage(tr("Error!"), UartData.RecordShown && UartData.Lognum == 0
                                      ? tr("The record holds no samples.")
                                      : tr("File not found, please open the file."));
        return;
    }
    if (RefuseWhileJobRuns())
        return;
    // The section the user sees as they ask, for the section exports: the
    // query may move it while the job runs.
    Worker->Section = ExportRange::ShownSection(UartData);
    const QString filter
        = job.TranslateFilter ? MainTr(job.Filter) : QString::fromLatin1(job.Filter);
    UartData.Busy = true;
    const QString name = DialogSeam::GetSaveFileName(this, MainTr(job.Caption),
                                                     DefaultExportName(job.NamePrefix), filter);
    UartData.Busy = false;
    if (name.isEmpty())
        return;
    UartData.ExportFileName = name;
    WorkerThread->start(QThread::InheritPriority);
    emit(this->*job.Start)();
}

// The worker thread idle again, what the job freed handed back, and what
// the job left behind.
JobOutcome MainWindow::EndJob()
{
    WorkerThread->quit();
    WorkerThread->wait(); // the worker slot has ended with its done signal
    ReturnFreedMemory();
    return Worker->Outcome();
}

// What the user is told waits for a dialog on show (a refusal while the job
// ran) to close first.
void MainWindow::ExportReportComplete()
{
    const JobOutcome outcome = EndJob();
    const QString name = UartData.ExportFileName;
    DialogSeam::WhenNoDialog(this, [this, outcome, name] { ShowExportOutcome(outcome, name); });
}

// A print-out that went whole to the printer or its file is not mentioned.
void MainWindow::PrintReportComplete()
{
    const JobOutcome outcome = EndJob();
    const QString file = Worker->PrintTarget;
    if (!outcome.IsWritten())
        DialogSeam::WhenNoDialog(this, [this, outcome, file] { ShowPrintOutcome(outcome, file); });
}

// "Report saved as …" only for a file that was written; otherwise the dialog
// says that nothing was written, or that the file could not be, and why.
void MainWindow::ShowExportOutcome(const JobOutcome &outcome, const QString &name)
{
    const QString reason = WithoutFullStop(outcome.Reason);
    if (outcome.Result == JobOutcome::Kind::Failed) {
        ShowFailedJob(tr("Export failed"), tr("%1 could not be written: %2.").arg(name, reason));
        return;
    }
    if (outcome.Result == JobOutcome::Kind::NothingWritten) {
        ShowFailedJob(tr("Nothing exported"), tr("No file was written: %1.").arg(reason));
        return;
    }
    QMessageDialog dialog(nullptr);
    const QFont text = DialogFont(18);
    dialog.SetTitleText(tr("Export completed"), DialogFont(24));
    dialog.SetOKText(tr("Open"), text);
    dialog.SetCloseText(tr("Close"), text);
    dialog.SetMessageText(tr("Report saved as %1!").arg(name), text);
    // Closing the question opens nothing, however it is closed.
    dialog.SetTitleBarCloseAccepts(false);
    CentreDialog(&dialog, this);
    if (DialogSeam::Exec(dialog) == QDialog::Accepted)
        OpenOrTell(name, tr("Export completed"),
                   tr("No program could open %1.").arg(QDir::toNativeSeparators(name)));
}

void MainWindow::ShowPrintOutcome(const JobOutcome &outcome, const QString &file)
{
    const QString reason = WithoutFullStop(outcome.Reason);
    if (outcome.Result == JobOutcome::Kind::NothingWritten)
        ShowFailedJob(tr("Nothing printed"), tr("Nothing was printed: %1.").arg(reason));
    else if (file.isEmpty())
        ShowFailedJob(tr("Print failed"), tr("Nothing was printed: %1.").arg(reason));
    else
        ShowFailedJob(tr("Print failed"), tr("%1 could not be written: %2.").arg(file, reason));
}

// In the look of the completion dialog, with OK alone.
void MainWindow::ShowFailedJob(const QString &title, const QString &text)
{
    QMessageDialog dialog(nullptr);
    dialog.SetTitleText(title, DialogFont(24));
    dialog.SetOKText(tr("OK"), DialogFont(18));
    dialog.HideCloseButton(true);
    dialog.SetMessageText(text, DialogFont(18));
    CentreDialog(&dialog, this);
    DialogSeam::Exec(dialog);
}


// Called as the window goes: a job under way finishes its file first. The
// quit is queued behind the job's start, so even a job whose thread has only
// just started runs to its end.
void MainWindow::StopWorker()
{
    if (WorkerThread->isRunning()) {
        QThread *thread = WorkerThread;
        QMetaObject::invokeMethod(
            Worker, [thread] { thread->quit(); }, Qt::QueuedConnection);
        WorkerThread->wait();
    }
    delete Worker;
    Worker = nullptr;
}
