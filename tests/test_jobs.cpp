// The job protocol as a user meets it: the export and print actions, the
// refusals, the save and print dialogs with the busy flag, the completion
// dialog and what it says about the file, printing each tab, and closing the
// window while a job runs.

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QSemaphore>
#include <QThread>
#include <QtTest>

#include <sys/stat.h>

#include "app/uartdatastore.h"
#include "export/thread.h"
#include "platform/reportpage.h"
#include "platform/xlsdriver.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/jobdriver.h"
#include "tests/support/oddfile.h"
#include "tests/support/pdftext.h"
#include "tests/support/workdir.h"
#include "tests/support/xlsreader.h"
#include "tools/samplerecord.h"
#include "ui/dialogseam.h"
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

namespace {

SampleRecordOptions Record(int model, int count, bool altUnit = false)
{
    SampleRecordOptions options;
    options.model = model;
    options.count = count;
    options.altUnit = altUnit;
    return options;
}

// The printed data list: each sample on one line, in order, under the column
// headers of its page; an A4 page holds 60 rows and more, the first a few
// less for the title.
void CheckPrintedList(const QString &pdf, int count, const QString &header)
{
    const QRegularExpression row(QStringLiteral("^\\s*(\\d+) +(\\S+ \\S+) +\\S"));
    const QDateTime start(QDate(2024, 3, 1), QTime(8, 0));
    const QString format = QStringLiteral("dd/MM/yyyy hh:mm:ss");
    QVector<int> rowsOnPage;
    int next = 1;
    for (int page = 1; page <= PdfPageCount(pdf); ++page) {
        QVERIFY2(PdfPageWords(pdf, page).contains(header), qPrintable(header));
        rowsOnPage.append(0);
        for (const QString &line : PdfPageText(pdf, page).split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch match = row.match(line);
            if (!match.hasMatch())
                continue;
            QCOMPARE(match.captured(1).toInt(), next);
            QCOMPARE(match.captured(2), start.addSecs(60 * (next - 1)).toString(format));
            ++next;
            ++rowsOnPage.last();
        }
    }
    QCOMPARE(next, count + 1);
    if (rowsOnPage.size() > 2) {
        QVERIFY(rowsOnPage.at(1) >= 60);
        QVERIFY(rowsOnPage.at(0) < rowsOnPage.at(1) && rowsOnPage.at(0) >= rowsOnPage.at(1) - 3);
    }
}

// The cells of each sample in the report's data list, as the HTML holds
// them: number, time, then the values.
QVector<QStringList> ListedSamples(const QString &html)
{
    const QString list = html.mid(html.lastIndexOf(QLatin1String("<table")));
    const QRegularExpression cell(QStringLiteral("<td[^>]*>(?:<font[^>]*>)?([^<]*)"));
    QStringList cells;
    for (QRegularExpressionMatchIterator it = cell.globalMatch(list); it.hasNext();)
        cells.append(it.next().captured(1));
    const int first = cells.indexOf(QStringLiteral("1"));
    const int perSample = cells.indexOf(QStringLiteral("2"), first) - first;
    QVector<QStringList> samples;
    for (int at = first; perSample > 0 && at + perSample <= cells.size(); at += perSample)
        samples.append(cells.mid(at, perSample));
    return samples;
}

bool IsPipe(const QString &path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The desktop's opener while it lives: an "xdg-open" of its own, alone on the
// PATH, notes the files it is asked to open and exits with the status given
// (3: "no method available"; -1 takes it away).
class FakeOpener {
public:
    FakeOpener()
        : OldPath(qgetenv("PATH"))
    {
        SetExitStatus(0);
        qputenv("PATH", QFile::encodeName(Dir.path()));
    }
    ~FakeOpener() { qputenv("PATH", OldPath); }
    // After `seconds`, as xdg-open ends that ran a viewer until it was closed.
    void SetExitStatus(int status, double seconds = 0)
    {
        QFile script(Dir.filePath(QStringLiteral("xdg-open")));
        script.remove();
        if (status >= 0 && script.open(QIODevice::WriteOnly)) {
            script.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"${0%/*}/opened\"\ncommand -p sleep "
                         + QByteArray::number(seconds) + "\nexit " + QByteArray::number(status)
                         + '\n');
            script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        }
    }
    // The files asked for, once `expected` have come, and a moment longer.
    QStringList Opened(int expected)
    {
        const QString log = Dir.filePath(QStringLiteral("opened"));
        const auto lines = [&] {
            return QString::fromLocal8Bit(FileBytes(log)).split('\n', Qt::SkipEmptyParts);
        };
        static_cast<void>(QTest::qWaitFor([&] { return lines().size() >= expected; }, 5000));
        QTest::qWait(100);
        return lines();
    }

private:
    QTemporaryDir Dir;
    QByteArray OldPath;
};

QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden
                                  | QDir::NoDotAndDotDot);
}

// What stands at a job's target before it runs: an old file of that name
// ("old"), a folder, a named pipe, or nothing.
void PutTarget(const QString &path, const QString &kind)
{
    QDir().mkpath(QFileInfo(path).path());
    if (kind == QLatin1String("old")) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    } else {
        QVERIFY(PutOddFile(path, kind));
    }
}

// It is still there as it was, and nothing else of the job is beside it.
void CheckTargetKept(const QString &path, const QString &kind)
{
    if (kind == QLatin1String("old"))
        QCOMPARE(FileBytes(path), QByteArray("old"));
    if (kind == QLatin1String("pipe"))
        QVERIFY(IsPipe(path));
    if (kind == QLatin1String("folder"))
        QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(FilesIn(QFileInfo(path).path()), QStringList {QFileInfo(path).fileName()});
}

} // namespace

class TestJobs : public QObject {
    Q_OBJECT

private:
    WorkDir *dir = nullptr;
    MainWindow *window = nullptr;

private slots:
    void initTestCase()
    {
        RegisterXlsSqlDriver();
        dir = new WorkDir;
        QVERIFY(dir->isValid());
        window = new MainWindow;
        window->show();
    }

    void cleanupTestCase()
    {
        delete window;
        delete dir;
    }

    void actionsFollowTheRecord()
    {
        MainWindow fresh;
        Ui_MainWindow *ui = fresh.ui;
        const QList<QAction *> actions {ui->action_Export_to_PDF, ui->action_Print,
                                        ui->action_Save_as, ui->action_Export_to_Excel};
        for (QAction *action : actions)
            QVERIFY(!action->isEnabled());
        JobDriver jobs(&fresh);
        QVERIFY(jobs.OpenRecord(Record(6201, 10), dir->path()));
        for (QAction *action : actions)
            QVERIFY(action->isEnabled());
        QVERIFY(ui->pushButtonExportCSV->isEnabled() && ui->pushButtonExportExcel->isEnabled());
    }

    // Each file job from its start slot: the save dialog it asks with (the
    // busy flag up meanwhile), the file it leaves, and the completion dialog
    // whose "Open" opens that file, a blank and a "#" in its name included.
    // The PDF report adds ".pdf" only to a name whose file part has no suffix.
    void fileJobs_data()
    {
        for (const char *column : {"slot", "caption", "filter", "prefix", "name", "written"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<QByteArray>("starts");
        const auto pdf = [](const char *tag, const char *name, const char *written) {
            QTest::newRow(tag) << "ExportToPDFSlot" << "Export PDF" << "*.pdf" << "Report-" << name
                               << written << QByteArray("%PDF");
        };
        pdf("report, no suffix", "Report #1", "Report #1.pdf");
        pdf("report, ends in a dot", "report.", "report..pdf");
        pdf("report, other suffix kept", "report.txt", "report.txt");
        pdf("report, dot in a folder", "v1.2/report", "v1.2/report.pdf");
        const auto saveAs = [](const char *tag, const char *name, const char *written,
                               const QByteArray &starts) {
            QTest::newRow(tag) << "SaveAsSlot" << "Export *"
                               << "Text files (*.txt);;PDF files (*.pdf);;CSV files (*.csv)"
                               << "MeterData" << name << written << starts;
        };
        const QByteArray csv("Logger Data\n"), xls("\xD0\xCF\x11\xE0");
        saveAs("save as TXT upper case", "a.TXT", "a.TXT", QByteArray(24, ' ') + "Logger Data");
        saveAs("save as CSV upper case", "b.CSV", "b.CSV", csv);
        saveAs("save as pdf without a dot", "cpdf", "cpdf.pdf", "%PDF");
        QTest::newRow("section csv") << "PushButtonExportCSVSlot" << "Export CSV"
                                     << "CSV files (*.csv)" << "MeterData" << "d.csv" << "d.csv"
                                     << csv;
        QTest::newRow("excel") << "ExportToExcelSlot" << "Export EXCEL" << "EXCEL files (*.xls)"
                               << "MeterData" << "e.xls" << "e.xls" << xls;
        QTest::newRow("section excel") << "PushButtonExportExcelSlot" << "Export EXCEL"
                                       << "EXCEL files (*.xls)" << "MeterData" << "f.xls" << "f.xls"
                                       << xls;
        // Old files whose names are longer than the temporary name beside
        // them can be (83 Chinese characters are 249 bytes).
        const QString longName = "long/" + QString(82, QChar(0x6e29));
        QTest::newRow("report, 250-byte name") << "ExportToPDFSlot" << "Export PDF" << "*.pdf"
            << "Report-" << longName + ".pdf" << longName + ".pdf" << QByteArray("%PDF");
        QTest::newRow("section csv, 250-byte name") << "PushButtonExportCSVSlot" << "Export CSV"
            << "CSV files (*.csv)" << "MeterData" << longName + ".csv" << longName + ".csv" << csv;
    }

    void fileJobs()
    {
        QFETCH(QString, slot);
        QFETCH(QString, prefix);
        QFETCH(QString, name);
        QFETCH(QString, written);
        for (const char *folder : {"v1.2", "long"})
            QDir(dir->path()).mkdir(QString::fromLatin1(folder));
        JobDriver jobs(window);
        QVERIFY(jobs.OpenRecord(Record(3702, 30), dir->path()));
        jobs.MessageAnswer = QDialog::Accepted;
        FakeOpener opener;
        PutTarget(dir->filePath(written), QStringLiteral("old"));
        QVERIFY(jobs.RunFileJob(slot.toLatin1().constData(), dir->filePath(name)));
        QCOMPARE(jobs.Asked.size(), 1);
        QTEST(jobs.Asked[0].caption, "caption");
        QTEST(jobs.Asked[0].filter, "filter");
        const QString reports = QDir::currentPath() + QStringLiteral("/Data/Data Reports/");
        QVERIFY(QRegularExpression(QRegularExpression::escape(reports + prefix) + "\\d{14}$")
                    .match(jobs.Asked[0].path)
                    .hasMatch());
        QVERIFY(jobs.Asked[0].busy && !UartData.Busy);

        const QString path = dir->filePath(written);
        const ShownDialog &done = jobs.Shown.last();
        QCOMPARE(QStringList({done.title, done.text, done.ok, done.close}),
                 QStringList({"Export completed", "Report saved as " + path + "!", "Open",
                              "Close"}));
        QVERIFY(!done.closeHidden && done.titlePoints == 24 && done.textPoints == 18);
        QCOMPARE(opener.Opened(1), QStringList {path});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QFETCH(QByteArray, starts);
        QVERIFY(file.readAll().startsWith(starts));
        if (written.startsWith(QLatin1String("long/"))) {   // nothing of the job beside it
            QCOMPARE(FilesIn(QFileInfo(path).path()), QStringList {QFileInfo(path).fileName()});
            QVERIFY(file.remove());
        }
    }

    // The completion dialog opens the file only through "Open": Close, the
    // title bar's close and Escape leave it alone.
    void completionDialogOpensOnlyOnOpen_data()
    {
        QTest::addColumn<QString>("button");   // clicked, or given the focus for the key
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("opens");
        QTest::newRow("Open") << "pushButtonOK" << 0 << true;
        QTest::newRow("Close") << "pushButtonClose" << 0 << false;
        QTest::newRow("title bar close") << "titleButtonClose" << 0 << false;
        QTest::newRow("Escape") << "" << int(Qt::Key_Escape) << false;
        QTest::newRow("Return") << "" << int(Qt::Key_Return) << true;
        QTest::newRow("Return on Close") << "pushButtonClose" << int(Qt::Key_Return) << false;
    }

    void completionDialogOpensOnlyOnOpen()
    {
        QFETCH(QString, button);
        QFETCH(int, key);
        JobDriver jobs(window);
        QVERIFY(jobs.OpenRecord(Record(3702, 10), dir->path()));
        jobs.UserAction = [&](QDialog &dialog) {
            QPushButton *target = button.isEmpty() ? nullptr : dialog.findChild<QPushButton *>(button);
            if (!key) {
                QTest::mouseClick(target, Qt::LeftButton);
                return;
            }
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            if (target)
                target->setFocus();
            QWidget *focused = QApplication::focusWidget();
            QTest::keyClick(focused ? focused : &dialog, Qt::Key(key));
        };
        FakeOpener opener;
        const QString path = dir->filePath(QStringLiteral("answered.csv"));
        QVERIFY(jobs.RunFileJob("PushButtonExportCSVSlot", path));
        QCOMPARE(jobs.Shown.last().title, QStringLiteral("Export completed"));
        QFETCH(bool, opens);
        QCOMPARE(opener.Opened(opens), opens ? QStringList {path} : QStringList {});
    }

    // A request that writes nothing says so in one dialog, or in none when
    // its save dialog was cancelled, and leaves what was there: refused (no
    // report, no samples, a job running), or a job whose file could not be
    // written.
    void requestsThatWriteNothing_data()
    {
        for (const char *column : {"request", "setup", "target", "title", "text"})
            QTest::addColumn<QString>(column);
        const QString pdf = QStringLiteral("ExportToPDFSlot");
        const QString busy
            = QStringLiteral("There are other tasks in progress, please try again later!");
        const QString open = QStringLiteral("File not found, please open the file.");
        const QString failed = QStringLiteral("Export failed");
        const QString unwritten = QStringLiteral("could not be written");
        const QString none = QStringLiteral("Nothing exported");
        const QString empty = QStringLiteral("The record holds no samples.");
        QTest::newRow("report not built") << pdf << "no report" << "r.pdf" << "Error!" << open;
        QTest::newRow("no record open")
            << "PushButtonExportCSVSlot" << "no record" << "r.csv" << "Error!" << open;
        QTest::newRow("no record open, report") << pdf << "no record" << "r.pdf" << "Error!" << open;
        QTest::newRow("no samples")
            << "PushButtonExportCSVSlot" << "no samples" << "r.csv" << "Error!" << empty;
        QTest::newRow("no samples, report") << pdf << "no samples" << "r.pdf" << "Error!" << empty;
        const QString running = QStringLiteral("job running");
        QTest::newRow("pdf while a job runs") << pdf << running << "r.pdf" << "Warning!" << busy;
        QTest::newRow("print while a job runs") << "print" << running << "" << "Warning!" << busy;
        QTest::newRow("open a record while a job runs")
            << "open" << running << "" << "Warning!" << busy;
        QTest::newRow("save dialog cancelled") << pdf << "" << "" << "" << "";
        QTest::newRow("missing folder") << pdf << "" << "no/such/r.pdf" << failed << unwritten;
        QTest::newRow("a folder") << pdf << "" << "taken.pdf" << failed << unwritten;
        QTest::newRow("disk full") << pdf << "disk full" << "full.pdf" << failed << unwritten;
        QTest::newRow("no report for the model")
            << pdf << "model 1234" << "unknown.pdf" << none
            << "No file was written: there is no summary report for the meter model 1234.";
        QTest::newRow("save as a name without a writer")
            << "SaveAsSlot" << "" << "kept.xls" << none
            << "No file was written: Save as writes files whose names end in txt, pdf or csv.";
    }

    void requestsThatWriteNothing()
    {
        QFETCH(QString, request);
        QFETCH(QString, setup);
        QFETCH(QString, target);
        QFETCH(QString, title);
        QFETCH(QString, text);
        JobDriver jobs(window);
        QVERIFY(jobs.OpenRecord(Record(6201, 300), dir->path()));
        if (setup == QLatin1String("no record"))
            ResetRecord(UartData);
        const QString record = UartData.RECFilePath;
        if (setup == QLatin1String("no report"))
            UartData.ReportHtml.clear();
        if (setup == QLatin1String("no samples")) {
            UartData.Lognum = 0;
            window->RebuildReport();
        }
        if (setup == QLatin1String("model 1234"))
            UartData.RECModel = 1234;
        UartData.ExportFileName = QStringLiteral("before");
        QDir(dir->path()).mkdir(QStringLiteral("taken.pdf"));
        const QString path = target.isEmpty() ? QString() : dir->filePath(target);
        QFile old(path);
        const bool hadOld = old.open(QIODevice::WriteOnly) && old.write("old") == 3;
        old.close();
        const bool running = setup == QLatin1String("job running");
        if (running)
            window->WorkerThread->start();
        {
            FileSizeLimit limit(setup == QLatin1String("disk full") ? 4096 : RLIM_INFINITY);
            if (request == QLatin1String("print"))
                QMetaObject::invokeMethod(window, "DoPrintPreview");
            else if (request == QLatin1String("open"))
                window->LoadRecordFile(record);
            else
                jobs.RunFileJob(request.toLatin1().constData(), path);
        }
        QCOMPARE(window->WorkerThread->isRunning(), running);
        window->WorkerThread->quit();
        window->WorkerThread->wait();

        const bool refused = title.endsWith(QLatin1Char('!'));
        QCOMPARE(jobs.Shown.size(), title.isEmpty() ? 0 : 1);
        if (!title.isEmpty()) {
            const ShownDialog &shown = jobs.Shown[0];
            QCOMPARE(shown.title, title);
            QVERIFY2(shown.text.contains(text) && !shown.text.contains(QStringLiteral("saved as"))
                         && !shown.text.endsWith(QStringLiteral("..")),
                     qPrintable(shown.text));
            QVERIFY(shown.ok == QStringLiteral("OK") && shown.closeHidden);
        }
        QCOMPARE(jobs.Asked.size(), refused ? 0 : 1);
        QVERIFY(jobs.BusyWhilePrinting.isEmpty() && !UartData.Busy);
        QCOMPARE(UartData.ExportFileName == QStringLiteral("before"), refused || title.isEmpty());
        QCOMPARE(UartData.RECFilePath, record);
        QCOMPARE(QFileInfo(path).isFile(), hadOld);
        QVERIFY(!hadOld || (old.open(QIODevice::ReadOnly) && old.readAll() == "old"));
    }

    // The tab on show is printed, after the print dialog was answered with
    // the busy flag up; the report's unit references print as the unit.
    void printsTheTabOnShow_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("altUnit");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("images");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("file");   // "": named after the row, no file there before
        QTest::newRow("dialog rejected, no samples")
            << 2 << 6201 << 0 << false << false << 0 << 0 << "" << "";
        QTest::newRow("chart") << 0 << 6201 << 25 << false << true << 1 << 1 << "" << "";
        QTest::newRow("data list")
            << 1 << 6201 << 25 << false << true << 1 << 0 << "No. Time Decibel(dB)" << "";
        QTest::newRow("data list, three pages") << 1 << 4423 << 150 << false << true << 3 << 0
            << "No. Time Temperature(\u2103) Humidity(%RH) Dew Point(\u2103) Wet Bulb(\u2103) "
               "Thermocouple(\u2103)" << "";
        QTest::newRow("report in \u2103")
            << 2 << 3702 << 40 << false << true << 3 << 1 << "Temperature(\u2103)" << "";
        QTest::newRow("report in \u2109")
            << 2 << 3702 << 40 << true << true << 3 << 1 << "Temperature(\u2109)" << "";
        // Over an old file whose name is longer than the temporary name
        // beside it can be.
        QTest::newRow("report over a 250-byte name") << 2 << 3702 << 40 << false << true << 3 << 1
            << "Temperature(\u2103)" << "long/" + QString(82, QChar(0x6e29)) + ".pdf";
    }

    void printsTheTabOnShow()
    {
        QFETCH(int, tab);
        QFETCH(int, model);
        QFETCH(int, count);
        QFETCH(bool, altUnit);
        QFETCH(bool, accept);
        QFETCH(QString, words);
        QFETCH(QString, file);
        JobDriver jobs(window);
        QVERIFY(jobs.OpenRecord(Record(model, count, altUnit), dir->path()));
        window->ui->tabWidget->setCurrentIndex(tab);
        const QString pdf
            = dir->filePath(file.isEmpty() ? QTest::currentDataTag() + QStringLiteral(".pdf") : file);
        if (!file.isEmpty())
            PutTarget(pdf, QStringLiteral("old"));
        QVERIFY(jobs.Print(accept, pdf));
        QCOMPARE(jobs.BusyWhilePrinting, QList<bool> {true});
        QVERIFY(!UartData.Busy && jobs.Shown.isEmpty());
        QCOMPARE(QFile::exists(pdf), accept);
        if (!file.isEmpty())   // replaced, and nothing of the job beside it
            QCOMPARE(FilesIn(QFileInfo(pdf).path()), QStringList {QFileInfo(pdf).fileName()});
        QTEST(PdfPageCount(pdf), "pages");
        QTEST(PdfImageCount(pdf), "images");
        const QString text = PdfPageWords(pdf, 1);
        QVERIFY2(text.contains(words) && !text.contains(QStringLiteral("&#")),
                 qPrintable(text.left(600)));
        if (tab == 1) {
            QCOMPARE(UartData.PrintHtml, UartData.ListPrintHtml);
            QVERIFY(UartData.PrintHtml.contains(
                QStringLiteral("<td align=\"center\" nowrap>01/03/2024 08:00:00</td>")));
            CheckPrintedList(pdf, count, words);
        }
    }

    // Every value of the report's print layout is on paper, as text, in the
    // order of the list, each sample whole on one page; a page laid out wider
    // than the paper (the thermo-hygro list, two samples a row) is scaled to
    // the paper's width, its chart picture included, never cut off at the
    // edge.
    void printedReportHoldsEveryValue_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("count");
        // Long lists have their rows set straight onto the pages, short ones
        // print as rich text throughout.
        QTest::newRow("4423, seven columns a sample") << 4423 << 601;
        QTest::newRow("4401, a short list") << 4401 << 120;
        QTest::newRow("decibel, wrapped times") << 6201 << 1001;
        // Rows on either side of a page break.
        QTest::newRow("3707, three pages of rich text") << 3707 << 38;
    }

    void printedReportHoldsEveryValue()
    {
        QFETCH(int, model);
        QFETCH(int, count);
        JobDriver jobs(window);
        QVERIFY(jobs.OpenRecord(Record(model, count), dir->path()));
        window->ui->tabWidget->setCurrentWidget(window->ui->tabReport);
        const QString pdf = dir->filePath(QStringLiteral("report-%1.pdf").arg(model));
        QVERIFY(jobs.Print(true, pdf));
        QStringList pages;
        for (int page = 1; page <= PdfPageCount(pdf); ++page)
            pages << PdfPageWords(pdf, page) + QLatin1Char(' ');

        const QString text = pages.join(QString());
        const QVector<QStringList> samples = ListedSamples(UartData.ReportPrintHtml);
        QCOMPARE(samples.size(), count);
        for (const QStringList &cells : samples) {
            // Number, date, the time when it is not wrapped below, values.
            QString pattern = QStringLiteral("(^| )") + QRegularExpression::escape(cells.at(0))
                              + QLatin1Char(' ')
                              + QRegularExpression::escape(cells.at(1).section(' ', 0, 0))
                              + QStringLiteral(" (\\S+ )?");
            for (const QString &value : cells.mid(2))
                pattern += QRegularExpression::escape(value) + QLatin1Char(' ');
            // Once in the file: no row left behind, hidden, at a page break.
            QCOMPARE(text.count(QRegularExpression(pattern)), 1);
            // Whole on one page, the pages in the list's order.
            while (!pages.isEmpty() && !pages.first().contains(QRegularExpression(pattern)))
                pages.removeFirst();
            QVERIFY2(!pages.isEmpty(), qPrintable(cells.join(' ')));
        }
        const double paperInches = 210.0 / 25.4;
        for (double inches : PdfImageWidthsInches(pdf))
            QVERIFY2(inches < paperInches - 1.5, qPrintable(QString::number(inches)));
    }

    // A page that ends where a bordered table begins ends above the table's
    // rules, which go with the table onto the next page: between the
    // paragraph before the table and the table's first drawn rule there is a
    // place to break.
    void pageBreaksLeaveATablesRulesWhole_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("border 1") << "<table border=1 cellspacing=0>";
        QTest::newRow("border 3, padding") << "<table border=3 cellpadding=4>";
        QTest::newRow("border 2, spacing") << "<table border=2 cellspacing=2>";
    }

    void pageBreaksLeaveATablesRulesWhole()
    {
        QFETCH(QString, table);
        const QString html = QStringLiteral("<html><body><p>a</p>") + table
                             + QStringLiteral("<tr><td>x</td><td>y</td></tr><tr><td>z</td>"
                                              "<td>w</td></tr></table><p>b</p></body></html>");
        ReportPage page{dir->path(), {PageSegment{Gb2312PageBytes(html), false, false}}, {}};
        const BuiltSegment built = BuildPageSegment(page, 0, 300);
        QImage image(built.document->size().toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        built.document->documentLayout()->draw(&painter, {});
        painter.end();
        // Down the middle of the table, below the paragraph's one letter, the
        // first thing drawn is the table's top rule.
        const QRectF box = built.document->documentLayout()->frameBoundingRect(
            built.document->rootFrame()->childFrames().first());
        const int x = qFloor(box.center().x());
        int rule = 0;
        while (rule < image.height() && image.pixelColor(x, rule) == Qt::white)
            ++rule;
        const QVector<double> breaks = PageBreaks(built);
        const auto after = std::upper_bound(breaks.begin(), breaks.end(), rule);
        QVERIFY(after != breaks.begin());
        // Below the paragraph above the table, above the first rule.
        QVERIFY2(*(after - 1) > 5.0, qPrintable(QString::number(*(after - 1))));
        delete built.document;
    }

    // Pages from … to … in the print dialog: those pages, with their own
    // numbers, and no others. A range wholly past the end prints nothing,
    // not even a blank sheet over the old file, and says how many pages
    // there are.
    void printsTheChosenPages_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("data list") << 1 << 4423 << 150 << 2 << 3;
        QTest::newRow("long report") << 2 << 6201 << 1001 << 3 << 4;
        QTest::newRow("short report") << 2 << 3707 << 38 << 2 << 2;
        QTest::newRow("report, range past its end") << 2 << 3707 << 38 << 3 << 9;
        QTest::newRow("chart, past the end") << 0 << 4423 << 150 << 2 << 3;
        QTest::newRow("data list, past the end") << 1 << 4423 << 150 << 4 << 6;
        QTest::newRow("long report, past the end") << 2 << 4423 << 601 << 9 << 9;
    }

    void printsTheChosenPages()
    {
        QFETCH(int, tab);
        QFETCH(int, model);
        QFETCH(int, count);
        QFETCH(int, from);
        QFETCH(int, to);
        JobDriver jobs(window);
        QVERIFY(jobs.OpenRecord(Record(model, count), dir->path()));
        window->ui->tabWidget->setCurrentIndex(tab);
        const QString all = dir->filePath(QStringLiteral("every-page.pdf"));
        QVERIFY(jobs.Print(true, all));
        const QString chosen = dir->filePath(QStringLiteral("range/page-range.pdf"));
        PutTarget(chosen, QStringLiteral("old"));
        jobs.PrintFrom = from;
        jobs.PrintTo = to;
        QVERIFY(jobs.Print(true, chosen));
        const int pages = PdfPageCount(all);
        if (from > pages) {
            QCOMPARE(jobs.Shown.size(), 1);
            QCOMPARE(jobs.Shown[0].text, pages == 1 ? "Nothing was printed: the print-out has 1 page."
                                                    : QStringLiteral("Nothing was printed: the "
                                                                     "print-out has %1 pages.").arg(pages));
            CheckTargetKept(chosen, QStringLiteral("old"));
        }
        const int last = qMin(to, pages);
        QCOMPARE(PdfPageCount(chosen), qMax(0, last - from + 1));
        for (int page = from; page <= last; ++page)
            QCOMPARE(PdfPageWords(chosen, page - from + 1), PdfPageWords(all, page));
        QDir(dir->filePath(QStringLiteral("range"))).removeRecursively();
    }

    // Print-outs to a file and workbooks refuse what is no file at their
    // name, and keep the old file until the new one is whole; each failure
    // is told with the file and the reason.
    void outputsKeepWhatStandsAtTheirName_data()
    {
        QTest::addColumn<QString>("output");   // a tab printed, or an Excel job
        QTest::addColumn<QString>("target");   // what stands at the name
        QTest::addColumn<QString>("reason");
        for (const char *output : {"print 0", "print 1", "print 2", "ExportToExcelSlot",
                                   "PushButtonExportExcelSlot"}) {
            const QByteArray tag(output);
            QTest::newRow(tag + ", a folder") << output << "folder" << "Is a directory";
            QTest::newRow(tag + ", a pipe") << output << "pipe" << "not a regular file";
            QTest::newRow(tag + ", full disk") << output << "full" << "File too large";
        }
        QTest::newRow("no folder") << "print 2" << "" << "No such file or directory";
    }

    void outputsKeepWhatStandsAtTheirName()
    {
        QFETCH(QString, output);
        QFETCH(QString, target);
        QFETCH(QString, reason);
        JobDriver jobs(window);
        QVERIFY(jobs.OpenRecord(Record(4423, 150), dir->path()));
        const bool print = output.startsWith(QLatin1String("print"));
        const QString path = dir->filePath(target.isEmpty() ? "gone/out" : "out/out");
        const QString kind = target == QLatin1String("full") ? QStringLiteral("old") : target;
        if (!target.isEmpty())
            PutTarget(path, kind);
        {
            FileSizeLimit limit(target == QLatin1String("full") ? 4096 : RLIM_INFINITY);
            window->ui->tabWidget->setCurrentIndex(output.rightRef(1).toInt());
            QVERIFY(print ? jobs.Print(true, path) : jobs.RunFileJob(qPrintable(output), path));
        }
        QCOMPARE(jobs.Shown.size(), 1);
        QCOMPARE(jobs.Shown[0].title, print ? QStringLiteral("Print failed") : "Export failed");
        QCOMPARE(jobs.Shown[0].text, path + " could not be written: " + reason + '.');
        if (!target.isEmpty())
            CheckTargetKept(path, kind);
        QDir(QFileInfo(path).path()).removeRecursively();
    }

    // A job that ends while a refusal is on show tells its end after the
    // refusal has closed: never two dialogs at once.
    void completionWaitsForTheDialogOnShow()
    {
        JobDriver jobs(window);
        QVERIFY(jobs.OpenRecord(Record(6201, 500), dir->path()));
        QSemaphore gate;   // holds the job until the refusal is on show
        QMetaObject::invokeMethod(window->Worker, [&gate] { gate.acquire(); });
        const QString path = dir->filePath(QStringLiteral("late.csv"));
        DialogSeam::SetSaveFileHandler(
            [&](QWidget *, const QString &, const QString &, const QString &) { return path; });
        QMetaObject::invokeMethod(window, "PushButtonExportCSVSlot");
        int onShow = 0, mostOnShow = 0;
        jobs.UserAction = [&](QDialog &dialog) {
            mostOnShow = qMax(mostOnShow, ++onShow);
            if (jobs.Shown.size() == 1) {
                gate.release();
                QVERIFY(QTest::qWaitFor([&] { return !window->WorkerThread->isRunning(); }));
                QTest::qWait(50);
            }
            dialog.setResult(QDialog::Rejected);
            --onShow;
        };
        QMetaObject::invokeMethod(window, "PushButtonExportExcelSlot");
        QVERIFY(QTest::qWaitFor([&] { return jobs.Shown.size() == 2; }));
        QCOMPARE(jobs.Shown[0].title, QStringLiteral("Warning!"));
        QCOMPARE(jobs.Shown[1].text, "Report saved as " + path + "!");
        QCOMPARE(mostOnShow, 1);
    }

    // A section export writes the section on show when it was asked for: a
    // query answered before the worker has begun moves the list, not the
    // file.
    void sectionExportKeepsTheSectionAskedFor_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("csv") << "PushButtonExportCSVSlot" << "csv";
        QTest::newRow("excel") << "PushButtonExportExcelSlot" << "xls";
    }

    void sectionExportKeepsTheSectionAskedFor()
    {
        QFETCH(QString, slot);
        QFETCH(QString, suffix);
        const int count = 2000;
        JobDriver jobs(window);
        QVERIFY(jobs.OpenRecord(Record(3702, count), dir->path()));
        const QTableWidget *list = window->ui->tableWidgetDataList;
        const QString lastTime = list->item(count - 1, 1)->text();
        QSemaphore gate;   // holds the worker until the query has been answered
        QMetaObject::invokeMethod(window->Worker, [&gate] { gate.acquire(); });
        const QString path = dir->filePath("asked." + suffix);
        DialogSeam::SetSaveFileHandler(
            [&](QWidget *, const QString &, const QString &, const QString &) { return path; });
        QMetaObject::invokeMethod(window, slot.toLatin1().constData());
        QVERIFY(window->WorkerThread->isRunning());
        window->ui->dateTimeEditFrom->setDateTime(UartData.SampleTime[0]);
        window->ui->dateTimeEditTo->setDateTime(UartData.SampleTime[60]);
        QTest::mouseClick(window->ui->pushButtonQuery, Qt::LeftButton);
        gate.release();
        QVERIFY(QTest::qWaitFor([&] { return !jobs.Shown.isEmpty(); }));
        QCOMPARE(jobs.Shown[0].text, "Report saved as " + path + "!");
        QCOMPARE(list->rowCount(), 61);
        const QStringList lines
            = suffix == QLatin1String("csv")
                  ? QString::fromLatin1(FileBytes(path)).split('\n', Qt::SkipEmptyParts)
                  : XlsWorkbookLines(path);
        QVERIFY(lines.contains(QStringLiteral("Record Number:%1").arg(count)));
        QVERIFY2(lines.last().startsWith(lastTime), qPrintable(lines.last()));
    }

    // "Open" in the completion dialog and Help: a desktop without a program
    // for the file ("no method available") or without an opener is told; an
    // error that comes once a viewer has run for a while is the viewer's own.
    void openerThatFailsIsTold_data()
    {
        QTest::addColumn<bool>("help");
        QTest::addColumn<int>("status");   // of xdg-open; -1: there is none
        QTest::addColumn<double>("after");   // seconds
        QTest::addColumn<bool>("told");
        QTest::newRow("export, no method available") << false << 3 << 0.0 << true;
        QTest::newRow("export, no opener") << false << -1 << 0.0 << true;
        QTest::newRow("help, no method available") << true << 3 << 0.0 << true;
        QTest::newRow("export, error soon after the start") << false << 4 << 1.0 << true;
        QTest::newRow("export, viewer closed with an error") << false << 1 << 2.5 << false;
    }

    void openerThatFailsIsTold()
    {
        QFETCH(bool, help);
        QFETCH(int, status);
        QFETCH(double, after);
        QFETCH(bool, told);
        FakeOpener opener;
        opener.SetExitStatus(status, after);
        JobDriver jobs(window);
        QVERIFY(jobs.OpenRecord(Record(3702, 10), dir->path()));
        jobs.MessageAnswer = QDialog::Accepted;
        QString file = dir->filePath(QStringLiteral("opened.csv"));
        if (help) {
            file = QDir::currentPath() + QStringLiteral("/Help/") + UartData.HelpFile;
            PutTarget(file, QStringLiteral("old"));
            window->OpenHelp();
        } else {
            QVERIFY(jobs.RunFileJob("PushButtonExportCSVSlot", file));
        }
        const int before = help ? 0 : 1;
        const int waitMs = int(after * 1000) + 1000;   // past the end of xdg-open
        QCOMPARE(QTest::qWaitFor([&] { return jobs.Shown.size() > before; }, waitMs), told);
        const QString message = help ? QStringLiteral("No program could open the help file %1.")
                                     : QStringLiteral("No program could open %1.");
        QCOMPARE(jobs.Shown.last().text, told ? message.arg(file) : jobs.Shown[0].text);
    }

    // The window goes while its worker still paints; the file is finished
    // all the same.
    void closingTheWindowFinishesTheJob()
    {
        auto *closing = new MainWindow;
        const QString path = dir->filePath(QStringLiteral("closing.pdf"));
        {
            JobDriver jobs(closing);
            QVERIFY(jobs.OpenRecord(Record(6201, 20000), dir->path()));
            DialogSeam::SetSaveFileHandler(
                [&](QWidget *, const QString &, const QString &, const QString &) { return path; });
            QMetaObject::invokeMethod(closing, "ExportToPDFSlot");
            QVERIFY(closing->WorkerThread->isRunning());
            closing->close();
            delete closing;
            QVERIFY(jobs.Shown.isEmpty());
        }
        QCOMPARE(PdfPageCount(path), 2 + (20000 - 86 + 91) / 92);
    }

    // The real print dialog, without the test's answers: a named pipe as the
    // output file is refused there, before anything opens it and waits for
    // a reader, and the dialog stays open for another name; a file prints.
    void printDialogRefusesAPipe()
    {
        const QString pipe = dir->filePath(QStringLiteral("dialog-pipe.pdf"));
        QVERIFY(PutOddFile(pipe, QStringLiteral("pipe")));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pipe);
        QString refusal;
        bool stayedOpen = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QAbstractButton *print = dialog->findChild<QDialogButtonBox *>()->buttons().first();
            QTimer::singleShot(0, [&] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    refusal = box->text();
                    box->accept();
                }
            });
            print->click();
            stayedOpen = dialog->isVisible();
            dialog->findChild<QLineEdit *>(QStringLiteral("filename"))
                ->setText(dir->filePath(QStringLiteral("dialog.pdf")));
            print->click();
        });
        QCOMPARE(DialogSeam::ExecPrintDialog(&printer), int(QDialog::Accepted));
        QCOMPARE(refusal, pipe + " is not a regular file.\nPlease choose a different file name.");
        QVERIFY(stayedOpen && IsPipe(pipe));
        QCOMPARE(printer.outputFileName(), dir->filePath(QStringLiteral("dialog.pdf")));
    }

    // The real save dialog, without the test's answers: the suffix of the
    // selected filter is added before the dialog checks for an existing file.
    void saveDialogAddsTheFilterSuffix_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("chosenFilter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("returned");
        QTest::newRow("pdf") << "*.pdf" << 0 << "chosen" << "chosen.pdf";
        QTest::newRow("own suffix kept") << "*.pdf" << 0 << "chosen.txt" << "chosen.txt";
        QTest::newRow("second filter chosen")
            << "Text files (*.txt);;PDF files (*.pdf);;CSV files (*.csv)" << 1 << "chosen"
            << "chosen.pdf";
    }

    void saveDialogAddsTheFilterSuffix()
    {
        QFETCH(QString, filter);
        QFETCH(int, chosenFilter);
        QFETCH(QString, typed);
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
            types->setCurrentIndex(chosenFilter);
            // What choosing a filter emits.
            QMetaObject::invokeMethod(types, "activated", Q_ARG(int, chosenFilter));
            QMetaObject::invokeMethod(types, "activated",
                                      Q_ARG(QString, types->itemText(chosenFilter)));
            dialog->selectFile(typed);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        const QString name
            = DialogSeam::GetSaveFileName(nullptr, QStringLiteral("Export"), dir->path(), filter);
        QFETCH(QString, returned);
        QCOMPARE(name, dir->filePath(returned));
    }
};

QTEST_MAIN(TestJobs)
#include "test_jobs.moc"
