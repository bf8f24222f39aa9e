#ifndef XLSDRIVER_H
#define XLSDRIVER_H

// The Qt SQL driver behind the "QODBC" connections of the Excel export. It
// writes new Excel 97-2003 workbooks (.xls):
//
//     RegisterXlsSqlDriver();   // once, at start-up
//     QSqlDatabase db = QSqlDatabase::addDatabase("QODBC", "excelexport");
//     db.setDatabaseName("...;CREATE_DB=\"/path/out.xls\";DBQ=/path/out.xls");
//     db.open();                // false when no workbook can be made there
//     QSqlQuery query(db);
//     query.exec("create table Data (RECTime text,Temperature NUMBER)");
//     query.exec("insert into Data(RECTime,Temperature) values('08:00','21.6')");
//     db.close();               // writes the workbook, whole or not at all
//
// open() checks that a file can be made at the DBQ path (see
// XlsConnectionString) and fails when not; an existing file there is never
// read. The statements (see XlsStatement) fill tables in memory; a refused
// one changes nothing. close() writes the tables as worksheets (see
// XlsWorkbook) and frees them. The new workbook replaces a file of its name
// only when it is complete: after a refused statement, whose table or row it
// would miss, or a failed write, the file stays as it was. Failures leave
// the connection's lastError() with the reason in databaseText(), in the
// system's words where the system gave one ("Permission denied", "No space
// left on device").

#include <QSqlDriver>
#include <QString>

#include <memory>

class XlsTables;

class XlsSqlDriver : public QSqlDriver
{
    Q_OBJECT

public:
    explicit XlsSqlDriver(QObject *parent = nullptr);
    ~XlsSqlDriver() override;

    bool hasFeature(DriverFeature feature) const override;
    bool open(const QString &db, const QString &user, const QString &password,
              const QString &host, int port, const QString &options) override;
    void close() override;
    QSqlResult *createResult() const override;

    // Runs one statement on the open workbook; false with the reason.
    bool Execute(const QString &statement, QString *error);

private:
    struct Connection;
    std::unique_ptr<Connection> Open;
};

// Makes "QODBC" connections use XlsSqlDriver, ahead of any SQL plugin of
// that name installed on the machine. Safe to call more than once.
void RegisterXlsSqlDriver();

#endif // XLSDRIVER_H
