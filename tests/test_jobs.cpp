// The job protocol as a user meets it: the export and print actions, the
// refusals, the save and print dialogs with the busy flag, the completion
// dialog and what it says about the file, printing each tab, and closing the
// window while a job runs.

#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QPushButton>
#include <QThread>
#include <QtTest>

#include "app/uartdatastore.h"
#include "platform/xlsdriver.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/jobdriver.h"
#include "tests/support/pdftext.h"
#include "tests/support/workdir.h"
#include "tools/samplerecord.h"
#include "ui/dialogseam.h"
#include "ui/mainwindow.h"
#include "ui_mainwindow.h"

class TestJobs : public QObject {
    Q_OBJECT

public slots:
    void OpenUrl(const QUrl &url) { opened << url; }

private:
    WorkDir *dir = nullptr;
    MainWindow *window = nullptr;
    QList<QUrl> opened;

    SampleRecordOptions Record(int model, int count)
    {
        SampleRecordOptions options;
        options.model = model;
        options.count = count;
        return options;
    }

private slots:
    void initTestCase()
    {
        RegisterXlsSqlDriver();
        dir = new WorkDir;
        QVERIFY(dir->isValid());
        window = new MainWindow;
        window->show();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "OpenUrl");
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        delete window;
        delete dir;
    }

    void actionsFollowTheRecord()
    {
        MainWindow fresh;
        Ui_MainWindow *ui = fresh.ui;
        for (QAction *action : {ui->action_Export_to_PDF, ui->action_Print, ui->action_Save_as,
                                ui->action_Export_to_Excel})
            QVERIFY(!action->isEnabled());
        JobDriver jobs(&fresh);
        QVERIFY(jobs.OpenRecord(Record(6201, 10), dir->path()));
        for (QAction *action : {ui->action_Export_to_PDF, ui->action_Print, ui->action_Save_as,
                                ui->action_Export_to_Excel})
            QVERIFY(action->isEnabled());
        QVERIFY(ui->pushButtonExportCSV->isEnabled());
        QVERIFY(ui->pushButtonExportExcel->isEnabled());
    }

    // Each file job from its action or button: the save dialog it asks with,
    // the file it leaves and what the completion dialog says.
    void fileJobs_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("starts");
        const QString saveAs
            = QStringLiteral("Text files (*.txt);;PDF files (*.pdf);;CSV files (*.csv)");
        QTest::newRow("save as TXT upper case") << "SaveAsSlot" << "Export *" << saveAs << "a.TXT"
                                                << "a.TXT" << QByteArray(24, ' ') + "Logger Data";
        QTest::newRow("save as CSV upper case") << "SaveAsSlot" << "Export *" << saveAs << "b.CSV"
                                                << "b.CSV" << QByteArray("Logger Data\n");
        QTest::newRow("save as pdf without a dot") << "SaveAsSlot" << "Export *" << saveAs
                                                   << "cpdf" << "cpdf.pdf" << QByteArray("%PDF");
        QTest::newRow("section csv") << "PushButtonExportCSVSlot" << "Export CSV"
                                     << "CSV files (*.csv)" << "d.csv" << "d.csv"
                                     << QByteArray("Logger Data\n");
        QTest::newRow("excel") << "ExportToExcelSlot" << "Export EXCEL" << "EXCEL files (*.xls)"
                               << "e.xls" << "e.xls" << QByteArray("\xD0\xCF\x11\xE0");
        QTest::newRow("section excel") << "PushButtonExportExcelSlot" << "Export EXCEL"
                                       << "EXCEL files (*.xls)" << "f.xls" << "f.xls"
                                       << QByteArray("\xD0\xCF\x11\xE0");
    }

    void fileJobs()
    {
        QFETCH(QString, slot);
        QFETCH(QString, name);
        QFETCH(QString, written);
        QFETCH(QByteArray, starts);
        JobDriver jobs(window);
        QVERIFY(jobs.OpenRecord(Record(3702, 30), dir->path()));
        const QString target = dir->filePath(name);
        QVERIFY(jobs.RunFileJob(slot.toLatin1().constData(), target));
        QCOMPARE(jobs.Asked.size(), 1);
        QTEST(jobs.Asked[0].caption, "caption");
        QTEST(jobs.Asked[0].filter, "filter");
        QVERIFY(jobs.Asked[0].path.contains(QStringLiteral("/Data/Data Reports/MeterData")));
        QCOMPARE(jobs.Shown.last().text,
                 QStringLiteral("Report saved as %1!").arg(dir->filePath(written)));
        QFile file(dir->filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll().startsWith(starts), qPrintable(written));
    }

    // The workbook export removes an earlier file of the name before it
    // starts; save as leaves a name it has no writer for alone and says so.
    void fileJobsThatWriteNothing()
    {
        JobDriver jobs(window);
        QVERIFY(jobs.OpenRecord(Record(3702, 30), dir->path()));
        const QString kept = dir->filePath(QStringLiteral("kept.xls"));
        QFile file(kept);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("mine") == 4);
        file.close();
        QVERIFY(jobs.RunFileJob("SaveAsSlot", kept));
        QCOMPARE(jobs.Shown.last().title, QStringLiteral("Nothing exported"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("mine"));
        file.close();
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<bool>("reportBuilt");
        QTest::addColumn<bool>("jobRunning");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString busy
            = QStringLiteral("There are other tasks in progress, please try again later!");
        QTest::newRow("report not built") << "pdf" << false << false << "Error!"
                                          << "File not found, please open the file.";
        QTest::newRow("pdf while a job runs") << "pdf" << true << true << "Warning!" << busy;
        QTest::newRow("print while a job runs") << "print" << true << true << "Warning!" << busy;
        QTest::newRow("open a record while a job runs")
            << "open" << true << true << "Warning!" << busy;
    }

    void refusals()
    {
        QFETCH(QString, request);
        QFETCH(bool, reportBuilt);
        QFETCH(bool, jobRunning);
        JobDriver jobs(window);
        QVERIFY(jobs.OpenRecord(Record(3702, 20), dir->path()));
        const QString record = UartData.RECFilePath;
        if (!reportBuilt)
            UartData.ReportHtml.clear();
        UartData.ExportFileName = QStringLiteral("before");
        if (jobRunning)
            window->WorkerThread->start();
        if (request == QLatin1String("pdf"))
            jobs.ExportPdf(dir->filePath(QStringLiteral("refused")));
        else if (request == QLatin1String("print"))
            QMetaObject::invokeMethod(window, "DoPrintPreview");
        else
            window->LoadRecordFile(dir->filePath(QStringLiteral("6201-10.rec")));
        window->WorkerThread->quit();
        window->WorkerThread->wait();

        QCOMPARE(jobs.Shown.size(), 1);
        QTEST(jobs.Shown[0].title, "title");
        QTEST(jobs.Shown[0].text, "text");
        QVERIFY(jobs.Asked.isEmpty());
        QVERIFY(jobs.BusyWhilePrinting.isEmpty());
        QCOMPARE(UartData.ExportFileName, QStringLiteral("before"));
        QCOMPARE(UartData.RECFilePath, record);
    }

    void cancelledSaveDialogStartsNothing()
    {
        JobDriver jobs(window);
        QVERIFY(jobs.OpenRecord(Record(6201, 10), dir->path()));
        UartData.ExportFileName = QStringLiteral("before");
        QVERIFY(!jobs.ExportPdf(QString()));
        QCOMPARE(jobs.Asked.size(), 1);
        QCOMPARE(jobs.Asked[0].caption, QStringLiteral("Export PDF"));
        QCOMPARE(jobs.Asked[0].filter, QStringLiteral("*.pdf"));
        QVERIFY(QRegularExpression(QRegularExpression::escape(QDir::currentPath())
                                   + QStringLiteral("/Data/Data Reports/Report-\\d{14}$"))
                    .match(jobs.Asked[0].path)
                    .hasMatch());
        QVERIFY(jobs.Asked[0].busy);
        QVERIFY(!UartData.Busy);
        QVERIFY(!window->WorkerThread->isRunning());
        QVERIFY(jobs.Shown.isEmpty());
        QCOMPARE(UartData.ExportFileName, QStringLiteral("before"));
    }

    // The name holds a blank and a "#", which a URL built from text would
    // cut off as a fragment.
    void completionDialogOpensTheFile()
    {
        JobDriver jobs(window);
        QVERIFY(jobs.OpenRecord(Record(6201, 10), dir->path()));
        jobs.MessageAnswer = QDialog::Accepted;
        opened.clear();
        const QString name = dir->filePath(QStringLiteral("Report #1"));
        QVERIFY(jobs.ExportPdf(name));
        QVERIFY(!window->WorkerThread->isRunning());

        const ShownDialog &done = jobs.Shown.last();
        QCOMPARE(done.title, QStringLiteral("Export completed"));
        QCOMPARE(done.text, QStringLiteral("Report saved as %1.pdf!").arg(name));
        QCOMPARE(done.ok, QStringLiteral("Open"));
        QCOMPARE(done.close, QStringLiteral("Close"));
        QVERIFY(!done.closeHidden);
        QCOMPARE(done.titlePoints, 24);
        QCOMPARE(done.textPoints, 18);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0].toLocalFile(), name + QStringLiteral(".pdf"));
        QCOMPARE(PdfPageCount(name + QStringLiteral(".pdf")), 2);
    }

    void unwrittenFilesAreNotReportedAsSaved_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("says");
        QTest::newRow("missing folder")
            << "no/such/folder/r.pdf" << 6201 << false << "Export failed"
            << "could not be written";
        QTest::newRow("a folder") << "taken.pdf" << 6201 << false << "Export failed"
                                  << "could not be written";
        QTest::newRow("disk full") << "full.pdf" << 6201 << true << "Export failed"
                                   << "could not be written";
        QTest::newRow("no report for the model")
            << "unknown.pdf" << 1234 << false << "Nothing exported"
            << "No file was written: there is no summary report for the meter model 1234.";
    }

    void unwrittenFilesAreNotReportedAsSaved()
    {
        QFETCH(QString, target);
        QFETCH(int, model);
        QFETCH(bool, diskFull);
        JobDriver jobs(window);
        QVERIFY(jobs.OpenRecord(Record(6201, 300), dir->path()));
        UartData.RECModel = model;
        QDir(dir->path()).mkdir(QStringLiteral("taken.pdf"));
        const QString path = dir->filePath(target);
        QFile old(dir->filePath(QStringLiteral("full.pdf")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        {
            FileSizeLimit limit(diskFull ? 4096 : RLIM_INFINITY);
            QVERIFY(jobs.ExportPdf(path));
        }
        const ShownDialog &done = jobs.Shown.last();
        QTEST(done.title, "title");
        QFETCH(QString, says);
        QVERIFY2(done.text.contains(says), qPrintable(done.text));
        QVERIFY(!done.text.contains(QStringLiteral("saved as")));
        QCOMPARE(done.ok, QStringLiteral("OK"));
        QVERIFY(done.closeHidden);
        QCOMPARE(PdfPageCount(path), 0);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
    }

    void printsTheTabOnShow_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("images");
        QTest::newRow("chart") << 0 << QStringList() << 1;
        QTest::newRow("data list") << 1
                                   << QStringList {"No. Time Decibel(dB)", "1 01/03/2024 08:00:00",
                                                   "25 01/03/2024 08:24:00"}
                                   << 0;
        QTest::newRow("report") << 2 << QStringList {"Printed report 42"} << 0;
    }

    void printsTheTabOnShow()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, words);
        JobDriver jobs(window);
        QVERIFY(jobs.OpenRecord(Record(6201, 25), dir->path()));
        UartData.ReportPrintHtml = QStringLiteral("<p>Printed report 42</p>");
        window->ui->tabWidget->setCurrentIndex(tab);
        const QString pdf = dir->filePath(QStringLiteral("print-%1.pdf").arg(tab));
        QVERIFY(jobs.Print(true, pdf));
        QCOMPARE(jobs.BusyWhilePrinting, QList<bool> {true});
        QVERIFY(!UartData.Busy);
        QVERIFY(jobs.Shown.isEmpty());
        const QString text = PdfPageWords(pdf, 1);
        for (const QString &expected : words)
            QVERIFY2(text.contains(expected), qPrintable(text.left(300)));
        QTEST(PdfImageCount(pdf), "images");
    }

    // The data list prints as a compact table: each sample on one line under
    // the column headers of its page, every page but the last one full.
    void printedListHasOneLinePerSample_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("header");
        QTest::newRow("decibel, one page") << 6201 << 25 << 1 << "No. Time Decibel(dB)";
        QTest::newRow("thermo-hygro, three pages")
            << 4423 << 150 << 3
            << "No. Time Temperature(\u2103) Humidity(%RH) Dew Point(\u2103) Wet Bulb(\u2103) "
               "Thermocouple(\u2103)";
    }

    void printedListHasOneLinePerSample()
    {
        QFETCH(int, model);
        QFETCH(int, count);
        JobDriver jobs(window);
        QVERIFY(jobs.OpenRecord(Record(model, count), dir->path()));
        window->ui->tabWidget->setCurrentIndex(1);
        const QString pdf = dir->filePath(QStringLiteral("list-%1.pdf").arg(model));
        QVERIFY(jobs.Print(true, pdf));
        QTEST(PdfPageCount(pdf), "pages");
        // The print HTML holds the same table.
        QCOMPARE(UartData.PrintHtml, UartData.ListPrintHtml);
        QVERIFY(UartData.PrintHtml.contains(
            QStringLiteral("<td align=\"center\" nowrap>01/03/2024 08:00:00</td>")));

        const QRegularExpression row(QStringLiteral("^\\s*(\\d+) +(\\S+ \\S+) +\\S"));
        const QDateTime start(QDate(2024, 3, 1), QTime(8, 0));
        QVector<int> rowsOnPage;
        QFETCH(QString, header);
        int next = 1;
        for (int page = 1; page <= PdfPageCount(pdf); ++page) {
            const QString words = PdfPageWords(pdf, page);
            QVERIFY2(words.contains(header), qPrintable(words.left(200)));
            rowsOnPage.append(0);
            for (const QString &line : PdfPageText(pdf, page).split(QLatin1Char('\n'))) {
                const QRegularExpressionMatch match = row.match(line);
                if (!match.hasMatch())
                    continue;
                QCOMPARE(match.captured(1).toInt(), next);
                const QDateTime time = start.addSecs(60 * (next - 1));
                QCOMPARE(match.captured(2), time.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")));
                ++next;
                ++rowsOnPage.last();
            }
        }
        QCOMPARE(next, count + 1);
        // An A4 page holds 60 rows and more; the first gives a few to the
        // title.
        if (rowsOnPage.size() > 1) {
            QVERIFY(rowsOnPage.at(1) >= 60);
            QVERIFY(rowsOnPage.at(0) < rowsOnPage.at(1));
            QVERIFY(rowsOnPage.at(0) >= rowsOnPage.at(1) - 3);
        }
        for (int page = 2; page + 1 < rowsOnPage.size(); ++page)
            QCOMPARE(rowsOnPage.at(page), rowsOnPage.at(1));
    }

    // The report's print layout ends its unit references without ";"; the
    // print-out shows the unit, as a browser would.
    void printedReportShowsItsUnit_data()
    {
        QTest::addColumn<bool>("altUnit");
        QTest::addColumn<QString>("unit");
        QTest::newRow("\u2103") << false << "Temperature(\u2103)";
        QTest::newRow("\u2109") << true << "Temperature(\u2109)";
    }

    void printedReportShowsItsUnit()
    {
        QFETCH(bool, altUnit);
        JobDriver jobs(window);
        SampleRecordOptions options = Record(3702, 40);
        options.altUnit = altUnit;
        QVERIFY(jobs.OpenRecord(options, dir->path()));
        window->ui->tabWidget->setCurrentIndex(2);
        const QString pdf = dir->filePath(QStringLiteral("report-%1.pdf").arg(altUnit));
        QVERIFY(jobs.Print(true, pdf));
        const QString text = PdfPageWords(pdf, 1);
        QFETCH(QString, unit);
        QVERIFY2(text.contains(unit), qPrintable(text.left(600)));
        QVERIFY(!text.contains(QStringLiteral("&#")));
    }

    void rejectedPrintDialogPrintsNothing()
    {
        JobDriver jobs(window);
        UartData.Lognum = 0; // printing is never refused for want of a record
        const QString pdf = dir->filePath(QStringLiteral("rejected.pdf"));
        QVERIFY(jobs.Print(false, pdf));
        QCOMPARE(jobs.BusyWhilePrinting, QList<bool> {true});
        QVERIFY(!UartData.Busy);
        QVERIFY(!window->WorkerThread->isRunning());
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(jobs.Shown.isEmpty());
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

    // The real save dialog, without the test's answers: the suffix of the
    // selected filter is added before the dialog checks for an existing file.
    void saveDialogAddsTheFilterSuffix_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("chosenFilter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("returned");
        QTest::newRow("pdf") << "*.pdf" << 0 << "chosen"
                             << "chosen.pdf";
        QTest::newRow("excel") << "EXCEL files (*.xls)" << 0 << "chosen"
                               << "chosen.xls";
        QTest::newRow("own suffix kept") << "*.pdf" << 0 << "chosen.txt"
                                         << "chosen.txt";
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
