#ifndef TESTS_SUPPORT_JOBDRIVER_H
#define TESTS_SUPPORT_JOBDRIVER_H

// Runs the export and print jobs of a main window as a user would, through
// its start slots and on its worker thread, with every dialog answered here:
//
//     JobDriver jobs(window);
//     QVERIFY(jobs.OpenRecord(options, dir.path()));
//     QVERIFY(jobs.ExportPdf(dir.filePath("report")));
//     QCOMPARE(jobs.Shown.last().text, ...);   // the completion dialog
//
// The destructor takes the dialog answers away again.

#include <QDialog>
#include <QList>
#include <QString>

#include <functional>

class MainWindow;
struct SampleRecordOptions;

// A message or completion dialog as it was shown.
struct ShownDialog {
    QString title, text, ok, close;
    bool closeHidden = false;
    int titlePoints = 0, textPoints = 0;
};

// A save dialog as it was asked, and whether the busy flag was up meanwhile.
struct SaveQuestion {
    QString caption, path, filter;
    bool busy = false;
};

class JobDriver {
public:
    explicit JobDriver(MainWindow *window);
    ~JobDriver();
    JobDriver(const JobDriver &) = delete;
    JobDriver &operator=(const JobDriver &) = delete;

    // Writes a synthetic record into folder and opens it in the window, then
    // makes its report ready (see PrepareReport).
    bool OpenRecord(const SampleRecordOptions &options, const QString &folder);
    // A report counts as built, and a chart picture lies in the current
    // directory, as the report builders leave them.
    static void PrepareReport();

    // The file job whose start slot is named, e.g. "SaveAsSlot", with the save
    // dialog answered by name; waits for the completion dialog of a job that
    // started. True when the request ended in a dialog (completion or
    // refusal), false when none came.
    bool RunFileJob(const char *startSlot, const QString &name);
    bool ExportPdf(const QString &name) { return RunFileJob("ExportToPDFSlot", name); }
    // "Print" with the print dialog accepted into a PDF file of A4 pages, or
    // rejected; waits until the worker thread is idle again.
    bool Print(bool accept, const QString &pdfPath = QString());
    // The page range the print dialog is answered with; 0 to 0 is every page.
    int PrintFrom = 0;
    int PrintTo = 0;

    int MessageAnswer = QDialog::Rejected;
    // When set, answers the message and completion dialogs instead: what a
    // user does in the dialog, which ends with the dialog's result.
    std::function<void(QDialog &dialog)> UserAction;
    QList<ShownDialog> Shown;
    QList<SaveQuestion> Asked;
    QList<bool> BusyWhilePrinting;

private:
    MainWindow *Window;
    QString SaveAnswer;
    bool PrintAccepts = false;
    QString PrintPath;
};

#endif // TESTS_SUPPORT_JOBDRIVER_H
