// Excel exports of the whole record and of the shown section, read back with
// FreeXL: sheets, name rows, numbers and texts per meter family, the
// section's items and rows, texts with quotes, records longer than a sheet,
// and the jobs that write nothing or cannot write.

#include "app/uartdatastore.h"
#include "export/excelexport.h"
#include "platform/xlsdriver.h"
#include "tests/support/exportrecord.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/recordfixture.h"
#include "tests/support/workdir.h"
#include "tests/support/xlsreader.h"

#include <QSqlDatabase>
#include <QThread>
#include <QTranslator>
#include <QtTest>

#include <optional>

namespace {

// The time text of the sample `minute` minutes after the record's start.
QString Time(int minute)
{
    return FixtureStart().addSecs(60 * minute).toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
}

QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

// Translates one Data column name into one the workbook refuses.
class BlankInColumnName : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return QByteArray(source) == "DewPoint" ? QStringLiteral("Dew Point") : QString();
    }
};

QtMessageHandler PreviousHandler = nullptr;
QStringList Warnings;

void KeepWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        Warnings << text;
    PreviousHandler(type, context, text);
}

} // namespace

class TestExcelExport : public QObject {
    Q_OBJECT

private:
    WorkDir *dir = nullptr;
    QString out() const { return dir->filePath("export.xls"); }

private slots:
    void initTestCase() { RegisterXlsSqlDriver(); }
    void init()
    {
        dir = new WorkDir;
        QVERIFY(dir->isValid());
        UartData.ShowDewPoint = true;
    }
    void cleanup() { delete dir; }

    // Summary: its column name and one row per item, meter name first and
    // time span last. Data: the column names and sample 0 (no thermocouple
    // value, probe 2 without a value, probe 3 absent from the record).
    void variants_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("fahrenheit");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<int>("items");
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("row");
        const QString logger = "LoggerData";
        const QString probes = "|Temperature0|Temperature1|Temperature2|Temperature3";
        const QString thermo = "RECTime|Temperature|Humidity|DewPoint|WetBulb";
        QTest::newRow("FourProbe") << 4405 << false << logger << 6 << "RECTime" + probes
                                   << "|=21.25|=22.5|=-500|=0";
        QTest::newRow("FourProbe Fahrenheit") << 4425 << true << logger << 6
                                              << "RECTime" + probes << "|=70.25|=72.5|=-868|=0";
        QTest::newRow("current 3709") << 3709 << false << logger << 8
                                      << "RECTime|Voltage|Current" << "|-|=12.5";
        QTest::newRow("voltage 3710") << 3710 << false << logger << 8
                                      << "RECTime|Voltage|Current" << "|=2500|-";
        QTest::newRow("TempHum") << 3702 << false << logger << 10
                                 << "RECTime|Temperature|Humidity|DewPoint" << "|=21.6|=55|=12";
        QTest::newRow("temperature only 3701") << 3701 << false << logger << 10
                                               << "RECTime|Temperature|Humidity|DewPoint"
                                               << "|=21.6|-|-";
        QTest::newRow("ThermoHygro") << 4401 << false << logger << 12 << thermo
                                     << "|=21.6|=55|=12|=15.3";
        QTest::newRow("ThermoHygro thermocouple") << 4423 << false << logger << 14
                                                  << thermo + "|Thermocouple"
                                                  << "|=21.6|=55|=12|=15.3|=-500";
        QTest::newRow("ThermoHygro Fahrenheit") << 4423 << true << logger << 14
                                                << thermo + "|Thermocouple"
                                                << "|=70.8|=55|=12|=15.3|=-868";
        QTest::newRow("Light") << 5301 << false << "LightData" << 6 << "RECTime|Light"
                               << "|=475.5";
        QTest::newRow("Decibel") << 6201 << false << "Decibel Data" << 6
                                 << "REC Time|Decibel(dB)" << "|=80";
    }
    void variants()
    {
        QFETCH(int, model);
        QFETCH(bool, fahrenheit);
        QFETCH(int, items);
        MakeExportRecord(UartData, model, 2, fahrenheit);
        UartData.ProbeExtremes[3].Max = fahrenheit ? -868.0 : -500.0;
        QVERIFY(WriteExcelExport(out()).IsWritten());
        const QStringList lines = XlsWorkbookLines(out());
        QCOMPARE(lines.size(), 2 + items + 4);
        QCOMPARE(lines.at(0), QString("[Summary]"));
        QTEST(lines.at(1), "summary");
        QCOMPARE(lines.at(2), QString("Meter Name:Meter"));
        QCOMPARE(lines.at(1 + items), "Time:" + Time(0) + "--" + Time(1));
        QCOMPARE(lines.at(2 + items), QString("[Data]"));
        QTEST(lines.at(3 + items), "names");
        QFETCH(QString, row);
        QCOMPARE(lines.at(4 + items), Time(0) + row);
    }

    // Samples 100 to 199 of 500: the count, the span and the rows are the
    // section's, the extremes those of the whole record, save a thermocouple
    // maximum of -500.0 that the section's items show as "----".
    void section()
    {
        MakeExportRecord(UartData, 4423, 500);
        UartData.ShowStart = 100;
        UartData.ShowEnd = 200;
        UartData.ShownExtremes.Thermocouple = {-500.0, 1000.0};
        QVERIFY(WriteExcelExport(dir->filePath("whole.xls")).IsWritten());
        QVERIFY(WriteExcelSectionExport(out(), ExportRange::ShownSection(UartData)).IsWritten());
        const QStringList whole = XlsWorkbookLines(dir->filePath("whole.xls"));
        const QStringList lines = XlsWorkbookLines(out());
        QCOMPARE(lines.size(), 2 + 14 + 2 + 100);
        QCOMPARE(whole.at(4), QString("Record Number:500"));
        QCOMPARE(lines.at(4), QString("Record Number:100"));
        QCOMPARE(lines.mid(5, 8), whole.mid(5, 8));
        QCOMPARE(whole.mid(13, 2), (QStringList {"Thermocouple Max(\u2103):-500.0",
                                                 "Thermocouple Min(\u2103):1000.0"}));
        QCOMPARE(lines.mid(13, 2), (QStringList {"Thermocouple Max(\u2103):----",
                                                 "Thermocouple Min(\u2103):----"}));
        QCOMPARE(lines.at(15), "Time:" + Time(100) + "--" + Time(199));
        QCOMPARE(lines.at(18), Time(100) + "|=21.6|=55|=12|=15.3|=250");
        QCOMPARE(lines.last(), Time(199) + "|=21.6|=55|=12|=15.3|=250");
    }

    // Apostrophes in texts are doubled in the statements, so the row is kept
    // whole; DBQ takes the rest of the connection string, so any name the
    // save dialog allows is the workbook's; placeholders stay as they are.
    void quotesInTextsAndPath()
    {
        const QString name = QStringLiteral("Bob's \"lab\";DBQ=50%2 %1.xls");
        MakeExportRecord(UartData, 6201, 1);
        UartData.RECMeterName = QStringLiteral("Bob's \"lab\" %2");
        UartData.RECDeviceID = QStringLiteral("''");
        QVERIFY(WriteExcelExport(dir->filePath(name)).IsWritten());
        QCOMPARE(FilesIn(dir->path()), QStringList {name});
        QCOMPARE(XlsWorkbookLines(dir->filePath(name)).mid(2, 3),
                 (QStringList {"Meter Name:Bob's \"lab\" %2", "Device ID:''", "Record Number:1"}));
    }

    // 70000 samples need 70001 rows: the table goes on in "Data_2", which
    // repeats the names; every sample is there, in order.
    void recordLongerThanASheet()
    {
        MakeExportRecord(UartData, 4423, UartDataStore::MaxSamples);
        QVERIFY(WriteExcelExport(out()).IsWritten());
        const QStringList lines = XlsWorkbookLines(out());
        const int data = lines.indexOf("[Data]"), data2 = lines.indexOf("[Data_2]");
        QCOMPARE(data2 - data - 1, 65536);
        QCOMPARE(lines.at(data2 + 1), lines.at(data + 1));
        const QStringList rows = lines.mid(data + 2, 65535) + lines.mid(data2 + 2);
        QCOMPARE(rows.size(), UartDataStore::MaxSamples);
        for (int i = 0; i < rows.size(); ++i) {
            if (!rows.at(i).startsWith(Time(i) + '|'))
                QFAIL(qPrintable(QString("sample %1: %2").arg(i).arg(rows.at(i))));
        }
    }

    void unknownModelWritesNothing()
    {
        MakeExportRecord(UartData, 1234, 3);
        const auto section = [](const QString &name, const UartDataStore &store) {
            return WriteExcelSectionExport(name, ExportRange::ShownSection(store), store);
        };
        for (const auto write : {WriteExcelExport, +section}) {
            const JobOutcome outcome = write(out(), UartData);
            QCOMPARE(outcome.Result, JobOutcome::Kind::NothingWritten);
            QVERIFY(!outcome.Reason.isEmpty());
        }
        QCOMPARE(FilesIn(dir->path()), QStringList());
    }

    // Each failure is reported with its reason and leaves no workbook; the
    // connection is removed only after a failed open.
    void failuresLeaveNoWorkbook_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("registered");
        QTest::newRow("missing folder") << "no/such/export.xls" << "No such file" << false;
        QTest::newRow("full disk") << "export.xls" << "large" << true;
        QTest::newRow("column name refused") << "export.xls" << "" << true;
    }
    void failuresLeaveNoWorkbook()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        MakeExportRecord(UartData, 4423, 3000);
        const QString tag = QTest::currentDataTag();
        BlankInColumnName translator;
        if (tag == "column name refused")
            QCoreApplication::installTranslator(&translator);
        std::optional<FileSizeLimit> full;
        if (tag == "full disk")
            full.emplace(64 * 1024);
        const JobOutcome outcome = WriteExcelExport(dir->filePath(target));
        full.reset();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(outcome.Result, JobOutcome::Kind::Failed);
        QVERIFY2(!outcome.Reason.isEmpty() && outcome.Reason.contains(reason),
                 qPrintable(outcome.Reason));
        QCOMPARE(FilesIn(dir->path()), QStringList());
        QTEST(QSqlDatabase::contains("excelexport"), "registered");
        QVERIFY(
            WriteExcelExport(dir->filePath("next.xls")).IsWritten()); // the next job runs as ever
    }

    // The worker thread runs each job, and it may be a new thread each
    // time: whole record, section and whole record again, each on the
    // connection name of the one before, without a word of warning.
    void jobsInARowOnChangingThreads()
    {
        MakeExportRecord(UartData, 4423, 500);
        UartData.ShowStart = 100;
        UartData.ShowEnd = 200;
        QList<JobOutcome> outcomes;
        const auto onNewThread = [&](auto job) {
            QThread *worker = QThread::create([&] { outcomes << job(); });
            worker->start();
            worker->wait();
            delete worker;
        };
        Warnings.clear();
        PreviousHandler = qInstallMessageHandler(KeepWarnings);
        onNewThread([&] { return WriteExcelExport(dir->filePath("a.xls")); });
        const ExportRange section = ExportRange::ShownSection(UartData);
        onNewThread([&] { return WriteExcelSectionExport(dir->filePath("b.xls"), section); });
        outcomes << WriteExcelExport(dir->filePath("c.xls"));
        qInstallMessageHandler(PreviousHandler);
        QCOMPARE(Warnings, QStringList());
        for (const JobOutcome &outcome : outcomes)
            QVERIFY2(outcome.IsWritten(), qPrintable(outcome.Reason));
        QCOMPARE(XlsWorkbookLines(dir->filePath("a.xls")).size(), 18 + 500);
        QCOMPARE(XlsWorkbookLines(dir->filePath("b.xls")).size(), 18 + 100);
        QCOMPARE(XlsWorkbookLines(dir->filePath("c.xls")),
                 XlsWorkbookLines(dir->filePath("a.xls")));
    }
};

QTEST_MAIN(TestExcelExport)
#include "test_excelexport.moc"
