// Workbooks written through "QODBC" connections, read back with FreeXL:
// sheets, name rows, numbers and texts, refused statements, paths where no
// workbook can be made, and jobs in a row on one connection name. (Long
// tables, odd paths and full disks are tested through the Excel export.)

#include "platform/xlsdriver.h"
#include "tests/support/workdir.h"
#include "tests/support/xlsreader.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
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

// One export job on the connection "excelexport", as the export makes it:
// "not opened: <reason>", or per statement its error (empty when it ran).
QStringList RunJob(const QString &path, const QStringList &statements, bool close = true)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), Connection);
    db.setDatabaseName(ConnectionString(path));
    if (!db.open()) {
        const QString reason = db.lastError().databaseText();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(Connection);
        return {"not opened: " + reason};
    }
    QStringList errors;
    {
        QSqlQuery query(db);
        for (const QString &statement : statements)
            errors << (query.exec(statement) ? QString() : query.lastError().databaseText());
    }
    if (close)
        db.close();
    return errors;
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
                           "insert into Data(Thermocouple,RECTime) values('123456789012','08:02')",
                           "insert into Data(RECTime,Temperature) values('08:03','2.5e+06')"}
            << QStringList{"[Summary]", "LoggerData", "Temperature Max(℃):25.0", "Time:08:00——09:00",
                           longLatin1, longWide, "[Data]",
                           "RECTime|Temperature|Humidity|DewPoint|WetBulb|Thermocouple",
                           "08:00|=21.6|-|=-500|=-868|", "08:01|=-0.5|45.2|----|=0.125|=3.14159",
                           "08:02|||||=123456789012", "08:03|=2500000||||"};
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
        QCOMPARE(RunJob(path, statements), QVector<QString>(statements.size()).toList());
        QCOMPARE(XlsWorkbookLines(path), expected);
        QCOMPARE(FilesIn(dir.path()), QStringList{"out.xls"});
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
        const QString error = RunJob(path, {"create table Summary (LoggerData text)",
                                            "insert into Summary(LoggerData) values('kept')",
                                            statement})
                                  .value(2);
        QVERIFY2(error.contains(reason), qPrintable(error));
        // The workbook would miss what was refused: it is not written.
        QCOMPARE(FilesIn(dir.path()), QStringList());
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
        if (target.startsWith("readonly")
            && QFile(dir.filePath("readonly/probe")).open(QIODevice::WriteOnly))
            QSKIP("This user (root) writes into read-only folders.");
        const QStringList before = FilesIn(dir.path());
        const QString error = RunJob(dir.filePath(target), {}).value(0);
        QVERIFY2(error.startsWith("not opened: ") && error.contains(reason), qPrintable(error));
        QCOMPARE(FilesIn(dir.path()), before);
        QCOMPARE(FilesIn(dir.filePath("folder")), QStringList());
        QCOMPARE(FilesIn(dir.filePath("readonly")), QStringList());
    }

    // Each job adds "excelexport" anew on its worker thread; a connection
    // left open is closed, and its workbook written, when the next job
    // replaces it.
    void jobsInARowShareTheConnectionName()
    {
        WorkDir dir;
        const QString insert = QStringLiteral("insert into Summary(LoggerData) values('%1')");
        for (const char *name : {"open.xls", "closed.xls"}) {
            QThread *worker = QThread::create([&] {
                RunJob(dir.filePath(name),
                       {"create table Summary (LoggerData text)", insert.arg(name)},
                       name == QLatin1String("closed.xls"));
            });
            worker->start();
            worker->wait();
            delete worker;
        }
        for (const char *name : {"open.xls", "closed.xls"}) {
            QCOMPARE(XlsWorkbookLines(dir.filePath(name)),
                     (QStringList{"[Summary]", "LoggerData", name}));
        }
    }
};

QTEST_GUILESS_MAIN(TestXlsDriver)
#include "test_xlsdriver.moc"
