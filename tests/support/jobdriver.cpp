#include "tests/support/jobdriver.h"

#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QThread>
#include <QtTest>

#include "app/recordfile.h"
#include "app/uartdatastore.h"
#include "tools/samplerecord.h"
#include "ui/dialogseam.h"
#include "ui/mainwindow.h"
#include "ui/titlebar.h"

namespace {

constexpr int JobTimeoutMs = 60000;

ShownDialog Capture(QDialog &dialog)
{
    ShownDialog shown;
    const QLabel *title = dialog.findChild<TitleBar *>()->TitleLabel;
    shown.title = title->text();
    shown.titlePoints = title->font().pointSize();
    const QLabel *label = dialog.findChild<QLabel *>(QStringLiteral("label"));
    shown.text = label->text();
    shown.textPoints = label->font().pointSize();
    shown.ok = dialog.findChild<QPushButton *>(QStringLiteral("pushButtonOK"))->text();
    const QPushButton *close = dialog.findChild<QPushButton *>(QStringLiteral("pushButtonClose"));
    shown.close = close->text();
    shown.closeHidden = close->isHidden();
    return shown;
}

} // namespace

JobDriver::JobDriver(MainWindow *window)
    : Window(window)
{
    DialogSeam::SetExecHandler([this](QDialog &dialog) {
        Shown << Capture(dialog);
        if (!UserAction)
            return MessageAnswer;
        dialog.setResult(-1);
        UserAction(dialog);
        return dialog.result();
    });
    DialogSeam::SetSaveFileHandler(
        [this](QWidget *, const QString &caption, const QString &path, const QString &filter) {
            Asked << SaveQuestion {caption, path, filter, UartData.Busy};
            return SaveAnswer;
        });
    DialogSeam::SetPrintHandler([this](QPrinter *printer) {
        BusyWhilePrinting << UartData.Busy;
        // Set up either way, so that printing after a rejection leaves a file.
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setPageSize(QPageSize(QPageSize::A4));   // not the locale's page
        printer->setOutputFileName(PrintPath);
        printer->setFromTo(PrintFrom, PrintTo);
        return int(PrintAccepts ? QDialog::Accepted : QDialog::Rejected);
    });
}

JobDriver::~JobDriver()
{
    DialogSeam::SetExecHandler(nullptr);
    DialogSeam::SetSaveFileHandler(nullptr);
    DialogSeam::SetPrintHandler(nullptr);
}

bool JobDriver::OpenRecord(const SampleRecordOptions &options, const QString &folder)
{
    FillSampleRecord(UartData, options);
    const QString path
        = folder + QStringLiteral("/%1-%2.rec").arg(options.model).arg(options.count);
    QString error;
    if (!WriteRecordFile(UartData, path, &error))
        return false;
    ResetRecord(UartData);
    if (!Window->LoadRecordFile(path))
        return false;
    PrepareReport();
    return true;
}

void JobDriver::PrepareReport()
{
    UartData.ReportHtml = QStringLiteral("<html><body>report</body></html>");
    QImage chart(400, 200, QImage::Format_RGB32);
    chart.fill(Qt::red);
    chart.save(QStringLiteral("logger.bmp"), "BMP");
}

bool JobDriver::RunFileJob(const char *startSlot, const QString &name)
{
    const int before = Shown.size();
    SaveAnswer = name;
    QMetaObject::invokeMethod(Window, startSlot);
    // Refused or cancelled requests end in the slot itself.
    if (!Window->WorkerThread->isRunning())
        return Shown.size() > before;
    return QTest::qWaitFor([&] { return Shown.size() > before; }, JobTimeoutMs);
}

bool JobDriver::Print(bool accept, const QString &pdfPath)
{
    PrintAccepts = accept;
    PrintPath = pdfPath;
    QMetaObject::invokeMethod(Window, "DoPrintPreview");
    return QTest::qWaitFor([&] { return !Window->WorkerThread->isRunning(); }, JobTimeoutMs);
}
