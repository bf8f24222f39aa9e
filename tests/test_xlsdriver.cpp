// Workbooks written through "QODBC" connections, read back with FreeXL:
// sheets, name rows, numbers and texts, long tables over several sheets,
// refused statements, paths where no workbook can be made, and jobs in a row
// on one connection name.

#include "platform/xlsdriver.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/workdir.h"
#include "tests/support/xlsreader.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QtTest>

namespace {

const QString Connection = QStringLiteral("excelexport");

QString ConnectionString(const QString &path)
{
    return QStringLiteral("DRIVER={Microsoft Excel Driver (*.xls)};DSN='';FIRSTROWHASNAMES=1;"
                          "READONLY=FALSE;CREATE_DB=\"%1\";DBQ=%2")
        .arg(path, path);
}

struct JobResult {
    bool opened = false;
    QString openError;
    QStringList statementErrors;  // one per statement, empty when it ran
    QString closeError;
};

// One export job on the connection "excelexport", as the export makes it.
JobResult RunJob(const QString &path, const QStringList &statements, bool close = true)
{
    JobResult result;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), Connection);
    db.setDatabaseName(ConnectionString(path));
    result.opened = db.open();
    if (!result.opened) {
        result.openError = db.lastError().databaseText();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(Connection);
        return result;
    }
    {
        QSqlQuery query(db);
        for (const QString &statement : statements)
            result.statementErrors << (query.exec(statement) ? QString() : query.lastError().databaseText());
    }
    if (close) {
        db.close();
        result.closeError = db.lastError().databaseText();
    }
    return result;
}

QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

} // namespace

class TestXlsDriver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { RegisterXlsSqlDriver(); }

    void workbookReadsBack_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QStringList>("expected");
        // Texts that go on in CONTINUE records, in one byte and in two per
        // character. (FreeXL 1.0.6 misreads a text over three records or more.)
        const QString longLatin1(9000, QLatin1Char('x'));
        const QString longWide(5000, QChar(0x2103));
        QTest::newRow("decibel")
            << QStringList{"create table Summary (\"Decibel Data\" text)",
                           "insert into Summary(\"Decibel Data\") values('Meter Name:Bob''s meter')",
                           "insert into Summary(\"Decibel Data\") values('Decibel Max(dB):94.5')",
                           "create table Data (\"REC Time\" text,\"Decibel(dB)\" NUMBER)",
                           "insert into Data(\"REC Time\",\"Decibel(dB)\") values('01/03/2024 08:00:00','80')",
                           "insert into Data(\"REC Time\",\"Decibel(dB)\") values('01/03/2024 08:00:01','94.5')",
                           "INSERT INTO Data(\"REC Time\",\"Decibel(dB)\") VALUES('01/03/2024 08:00:02','2.5e+06')"}
            << QStringList{"[Summary]", "Decibel Data", "Meter Name:Bob's meter", "Decibel Max(dB):94.5",
                           "[Data]", "REC Time|Decibel(dB)", "01/03/2024 08:00:00|=80",
                           "01/03/2024 08:00:01|=94.5", "01/03/2024 08:00:02|=2500000"};
        QTest::newRow("thermo-hygro")
            << QStringList{"create table Summary (LoggerData text)",
                           "insert into Summary(LoggerData) values('Temperature Max(℃):25.0')",
                           "insert into Summary(LoggerData) values('Time:08:00——09:00')",
                           "insert into Summary(LoggerData) values('" + longLatin1 + "')",
                           "insert into Summary(LoggerData) values('" + longWide + "')",
                           "create table Data (RECTime text,Temperature NUMBER,Humidity text,"
                           "DewPoint NUMBER,WetBulb NUMBER,Thermocouple number)",
                           "insert into Data(RECTime,Temperature,Humidity,DewPoint,WetBulb,Thermocouple) "
                           "values('08:00','21.6','-','-500.0','-868.0','')",
                           "insert into Data(RECTime,Temperature,Humidity,DewPoint,WetBulb,Thermocouple) "
                           "values('08:01','-0.5','45.2','----','0.125','3.14159')",
                           "insert into Data(Thermocouple,RECTime) values('123456789012','08:02')"}
            << QStringList{"[Summary]", "LoggerData", "Temperature Max(℃):25.0", "Time:08:00——09:00",
                           longLatin1, longWide, "[Data]",
                           "RECTime|Temperature|Humidity|DewPoint|WetBulb|Thermocouple",
                           "08:00|=21.6|-|=-500|=-868|", "08:01|=-0.5|45.2|----|=0.125|=3.14159",
                           "08:02|||||=123456789012"};
        QTest::newRow("tables without rows")
            << QStringList{"create table Summary (LightData text)",
                           "create table Data (RECTime text,Light NUMBER)"}
            << QStringList{"[Summary]", "LightData", "[Data]", "RECTime|Light"};
        const QString longName = QString(40, QLatin1Char('n'));
        QTest::newRow("sheet names")
            << QStringList{"create table \"a:b/c\" (A text)", "create table " + longName + " (A text)",
                           "create table " + longName + "2 (A text)"}
            << QStringList{"[a_b_c]", "A", "[" + longName.left(31) + "]", "A",
                           "[" + longName.left(29) + "_2]", "A"};
    }
    void workbookReadsBack()
    {
        QFETCH(QStringList, statements);
        QFETCH(QStringList, expected);
        WorkDir dir;
        const QString path = dir.filePath("out.xls");
        const JobResult job = RunJob(path, statements);
        QVERIFY2(job.opened, qPrintable(job.openError));
        QCOMPARE(job.statementErrors, QVector<QString>(statements.size()).toList());
        QCOMPARE(job.closeError, QString());
        QCOMPARE(XlsWorkbookLines(path), expected);
        QCOMPARE(FilesIn(dir.path()), QStringList{"out.xls"});
    }

    // 70001 rows with the names: 65536 on the first sheet, the rest on a
    // second one under the same names; every sample is there, in order.
    void longTableContinuesOnFurtherSheets()
    {
        WorkDir dir;
        const QString path = dir.filePath("long.xls");
        QStringList statements{"create table Data (RECTime text,Value NUMBER)"};
        for (int i = 0; i < 70000; ++i)
            statements << QStringLiteral("insert into Data(RECTime,Value) values('t%1','%1')").arg(i);
        const JobResult job = RunJob(path, statements);
        QCOMPARE(job.statementErrors.count(QString()), statements.size());
        QString error;
        const QVector<XlsReadSheet> sheets = ReadXlsWorkbook(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(XlsSheetNames(sheets), (QStringList{"Data", "Data_2"}));
        QCOMPARE(sheets[0].rows.size(), 65536);
        QCOMPARE(sheets[1].rows.size(), 70000 - 65535 + 1);
        int sample = 0;
        for (const XlsReadSheet &sheet : sheets) {
            QCOMPARE(sheet.rows[0], (QVector<QVariant>{"RECTime", "Value"}));
            for (int row = 1; row < sheet.rows.size(); ++row, ++sample) {
                if (sheet.rows[row] != QVector<QVariant>{QStringLiteral("t%1").arg(sample), double(sample)})
                    QFAIL(qPrintable(QStringLiteral("sample %1 on %2 row %3").arg(sample).arg(sheet.name).arg(row)));
            }
        }
        QCOMPARE(sample, 70000);
    }

    void refusedStatementsChangeNothing_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("reason");
        QTest::newRow("other statement") << "select * from Summary" << "Only create table and insert";
        QTest::newRow("unknown table") << "insert into Nothing(LoggerData) values('x')" << "no table Nothing";
        QTest::newRow("unknown column") << "insert into Summary(Other) values('x')" << "no column Other";
        QTest::newRow("too many values") << "insert into Summary(LoggerData) values('x','y')"
                                         << "1 named, 2 given";
        QTest::newRow("apostrophe not doubled") << "insert into Summary(LoggerData) values('Bob's')"
                                                << "at the end of the values";
        QTest::newRow("unquoted value") << "insert into Summary(LoggerData) values(5)" << "single quotes";
        QTest::newRow("second create") << "create table summary (LoggerData text)" << "exists already";
        QTest::newRow("unknown type") << "create table Extra (A date)" << "NUMBER or text";
        QTest::newRow("column twice") << "create table Extra (A text,a NUMBER)" << "named twice";
        QTest::newRow("trailing words") << "create table Extra (A text) now" << "at the end of the column";
    }
    void refusedStatementsChangeNothing()
    {
        QFETCH(QString, statement);
        QFETCH(QString, reason);
        WorkDir dir;
        const QString path = dir.filePath("out.xls");
        const JobResult job = RunJob(path, {"create table Summary (LoggerData text)",
                                            "insert into Summary(LoggerData) values('kept')", statement});
        QVERIFY2(job.statementErrors.value(2).contains(reason), qPrintable(job.statementErrors.value(2)));
        QCOMPARE(XlsWorkbookLines(path), (QStringList{"[Summary]", "LoggerData", "kept"}));
    }

    void openFailsWhereNoWorkbookCanBeMade_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "missing/out.xls" << "No such file or directory";
        QTest::newRow("a folder") << "folder" << "Is a directory";
        QTest::newRow("under a file") << "file.txt/out.xls" << "Not a directory";
        QTest::newRow("read-only folder") << "readonly/out.xls" << "Permission denied";
    }
    void openFailsWhereNoWorkbookCanBeMade()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        WorkDir dir;
        QDir(dir.path()).mkdir("folder");
        QDir(dir.path()).mkdir("readonly");
        QFile(dir.filePath("file.txt")).open(QIODevice::WriteOnly);
        QFile::setPermissions(dir.filePath("readonly"), QFile::ReadOwner | QFile::ExeOwner);
        if (target.startsWith("readonly") && QFile(dir.filePath("readonly/probe")).open(QIODevice::WriteOnly))
            QSKIP("This user writes into read-only folders (root); the other rows cover open failures.");
        const QStringList before = FilesIn(dir.path());
        const JobResult job = RunJob(dir.filePath(target), {});
        QVERIFY(!job.opened);
        QVERIFY2(job.openError.contains(reason), qPrintable(job.openError));
        QCOMPARE(FilesIn(dir.path()), before);
        QCOMPARE(FilesIn(dir.filePath("folder")), QStringList());
        QCOMPARE(FilesIn(dir.filePath("readonly")), QStringList());
    }

    // The path stands as it is after DBQ=, whatever it holds.
    void dbqIsTheRestOfTheString_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("semicolon") << "a;b.xls";
        QTest::newRow("apostrophe") << "Bob's.xls";
        QTest::newRow("double quote") << "say \"hi\".xls";
        QTest::newRow("keys in the name") << "x\";DBQ=y.xls";
    }
    void dbqIsTheRestOfTheString()
    {
        QFETCH(QString, name);
        WorkDir dir;
        const QString path = dir.filePath(name);
        const JobResult job = RunJob(path, {"create table Summary (LoggerData text)"});
        QVERIFY2(job.opened, qPrintable(job.openError));
        QCOMPARE(FilesIn(dir.path()), QStringList{name});
        QCOMPARE(XlsWorkbookLines(path), (QStringList{"[Summary]", "LoggerData"}));
    }

    void failedWriteLeavesNoFile()
    {
        WorkDir dir;
        QStringList statements{"create table Data (RECTime text,Value NUMBER)"};
        for (int i = 0; i < 2000; ++i)
            statements << QStringLiteral("insert into Data(RECTime,Value) values('t%1','%1')").arg(i);
        JobResult job;
        {
            FileSizeLimit full(8192);
            job = RunJob(dir.filePath("out.xls"), statements);
        }
        QVERIFY(job.opened);
        QVERIFY2(job.closeError.contains("too large") || job.closeError.contains("space"),
                 qPrintable(job.closeError));
        QCOMPARE(FilesIn(dir.path()), QStringList());
    }

    // Each job adds "excelexport" anew on its worker thread: after a normal
    // end, after a failed open and after a job that ended without closing.
    void jobsInARowShareTheConnectionName()
    {
        WorkDir dir;
        const QStringList job = {"create table Summary (LoggerData text)",
                                 "insert into Summary(LoggerData) values('%1')"};
        QStringList outcomes;
        auto runOn = [&](const QString &name, bool close) {
            QThread *worker = QThread::create([&] {
                const JobResult result = RunJob(dir.filePath(name), {job[0], job[1].arg(name)}, close);
                outcomes << (result.opened ? result.statementErrors.join(",") : "not opened");
            });
            worker->start();
            worker->wait();
            delete worker;
        };
        runOn("first.xls", true);
        runOn("missing/second.xls", true);
        runOn("third.xls", false);
        runOn("fourth.xls", true);
        QCOMPARE(outcomes, (QStringList{",", "not opened", ",", ","}));
        QCOMPARE(XlsWorkbookLines(dir.filePath("first.xls")), (QStringList{"[Summary]", "LoggerData", "first.xls"}));
        // The connection left open is closed, and its workbook written, when
        // the next job replaces it.
        QCOMPARE(XlsWorkbookLines(dir.filePath("third.xls")), (QStringList{"[Summary]", "LoggerData", "third.xls"}));
        QCOMPARE(XlsWorkbookLines(dir.filePath("fourth.xls")), (QStringList{"[Summary]", "LoggerData", "fourth.xls"}));
    }

    void libreOfficeReadsTheWorkbook()
    {
        const QString office = QStandardPaths::findExecutable("soffice");
        if (office.isEmpty())
            QSKIP("LibreOffice is not installed; FreeXL is the independent reader here.");
        WorkDir dir;
        RunJob(dir.filePath("out.xls"), {"create table Data (RECTime text,Temperature NUMBER)",
                                         "insert into Data(RECTime,Temperature) values('08:00','21.6')"});
        QProcess convert;
        convert.setWorkingDirectory(dir.path());
        convert.start(office, {"--headless", "--convert-to", "csv", "out.xls"});
        QVERIFY(convert.waitForFinished(120000));
        QFile csv(dir.filePath("out.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll().replace("\r", ""), QByteArray("RECTime,Temperature\n08:00,21.6\n"));
    }
};

QTEST_GUILESS_MAIN(TestXlsDriver)
#include "test_xlsdriver.moc"
