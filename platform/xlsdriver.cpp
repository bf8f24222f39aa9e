#include "platform/xlsdriver.h"

#include "platform/xlsconnection.h"
#include "platform/xlsfile.h"
#include "platform/xlsstatement.h"
#include "platform/xlstables.h"
#include "platform/xlsworkbook.h"

#include <QFileInfo>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlResult>
#include <QVariant>

namespace {

// Statements change the tables and return no rows.
class XlsSqlResult : public QSqlResult
{
    Q_DECLARE_TR_FUNCTIONS(XlsSqlDriver)

public:
    explicit XlsSqlResult(XlsSqlDriver *driver)
        : QSqlResult(driver)
        , Driver(driver)
    {
    }

protected:
    bool reset(const QString &statement) override
    {
        QString error = tr("The connection is closed.");
        if (!Driver || !Driver->Execute(statement, &error)) {
            setLastError(QSqlError(tr("Unable to execute statement"), error,
                                   QSqlError::StatementError));
            return false;
        }
        setSelect(false);
        setActive(true);
        return true;
    }
    QVariant data(int) override { return {}; }
    bool isNull(int) override { return true; }
    bool fetch(int) override { return false; }
    bool fetchFirst() override { return false; }
    bool fetchLast() override { return false; }
    int size() override { return -1; }
    int numRowsAffected() override { return -1; }

private:
    QPointer<XlsSqlDriver> Driver;
};

} // namespace

struct XlsSqlDriver::Connection {
    QString path;
    QString refusal;   // of the first statement refused
    XlsTables tables;
    XlsStatementParser parser;
    XlsStatement statement;   // reused, so that its storage is too
};

XlsSqlDriver::XlsSqlDriver(QObject *parent)
    : QSqlDriver(parent)
{
}

XlsSqlDriver::~XlsSqlDriver() = default;

bool XlsSqlDriver::hasFeature(DriverFeature feature) const
{
    return feature == Unicode;
}

bool XlsSqlDriver::open(const QString &db, const QString &, const QString &, const QString &, int,
                        const QString &)
{
    if (isOpen())
        close();
    QString path;
    QString error;
    const bool named = XlsConnectionString::WorkbookPath(db, &path, &error);
    if (named)
        path = QFileInfo(path).absoluteFilePath();
    if (!named || !CanWriteXlsFile(path, &error)) {
        setLastError(QSqlError(tr("Unable to open the workbook"), error, QSqlError::ConnectionError));
        setOpenError(true);
        return false;
    }
    Open = std::make_unique<Connection>();
    Open->path = path;
    setLastError(QSqlError());
    setOpen(true);
    setOpenError(false);
    return true;
}

void XlsSqlDriver::close()
{
    if (!Open)
        return;
    std::unique_ptr<Connection> connection = std::move(Open);
    QString error = connection->refusal;
    if (error.isEmpty()) {
        const QByteArray workbook = BuildXlsWorkbookStream(connection->tables);
        const QString path = connection->path;
        connection.reset();   // the tables are no longer needed
        WriteXlsFile(path, workbook, &error);
    }
    if (!error.isEmpty())
        setLastError(QSqlError(tr("Unable to write the workbook"), error, QSqlError::ConnectionError));
    setOpen(false);
    setOpenError(false);
}

QSqlResult *XlsSqlDriver::createResult() const
{
    // Results run statements on the driver that made them.
    return new XlsSqlResult(const_cast<XlsSqlDriver *>(this));
}

bool XlsSqlDriver::Execute(const QString &statement, QString *error)
{
    if (!Open) {
        *error = tr("The connection is closed.");
        return false;
    }
    XlsStatement &parsed = Open->statement;
    bool taken = Open->parser.Parse(statement, &parsed);
    if (!taken)
        *error = Open->parser.Error();
    else if (parsed.kind == XlsStatement::CreateTable)
        taken = Open->tables.CreateTable(parsed.table, parsed.columns, parsed.numeric, error);
    else
        taken = Open->tables.Insert(parsed.table, parsed.columns, parsed.values, error);
    if (!taken && Open->refusal.isEmpty())
        Open->refusal = *error;
    return taken;
}

void RegisterXlsSqlDriver()
{
    static const bool registered = [] {
        QSqlDatabase::registerSqlDriver(QStringLiteral("QODBC"),
                                        new QSqlDriverCreator<XlsSqlDriver>);
        return true;
    }();
    Q_UNUSED(registered);
}
