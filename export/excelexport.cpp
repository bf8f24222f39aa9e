#include "export/excelexport.h"

#include "export/exportcontent.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <iterator>

namespace {

const QString DriverType = QStringLiteral("QODBC");
const QString ConnectionName = QStringLiteral("excelexport");
// Both placeholders take the workbook's path as it is; the driver reads the
// path after DBQ= to the end of the string, whatever it holds.
const QString ConnectionTemplate = QStringLiteral(
    "DRIVER={Microsoft Excel Driver (*.xls)};DSN='';FIRSTROWHASNAMES=1;READONLY=FALSE;"
    "CREATE_DB=\"%1\";DBQ=%2");

const char *const NoDriverText
    = QT_TRANSLATE_NOOP("Thread", "The workbook driver could not be loaded.");

// Names of the Data columns in the order of ColumnKind, translated; the
// decibel meter's with their double quotes, which the statements keep.
const char *const DataColumnNames[] = {
    QT_TRANSLATE_NOOP("Thread", "RECTime"),      QT_TRANSLATE_NOOP("Thread", "Temperature"),
    QT_TRANSLATE_NOOP("Thread", "Humidity"),     QT_TRANSLATE_NOOP("Thread", "DewPoint"),
    QT_TRANSLATE_NOOP("Thread", "WetBulb"),      QT_TRANSLATE_NOOP("Thread", "Thermocouple"),
    QT_TRANSLATE_NOOP("Thread", "Temperature0"), QT_TRANSLATE_NOOP("Thread", "Temperature1"),
    QT_TRANSLATE_NOOP("Thread", "Temperature2"), QT_TRANSLATE_NOOP("Thread", "Temperature3"),
    QT_TRANSLATE_NOOP("Thread", "Light"),        QT_TRANSLATE_NOOP("Thread", "\"Decibel(dB)\""),
    QT_TRANSLATE_NOOP("Thread", "Voltage"),      QT_TRANSLATE_NOOP("Thread", "Current"),
};
static_assert(std::size(DataColumnNames) == int(ColumnKind::Current) + 1,
              "one Data column name per column kind");
const char *const DecibelTimeColumnName = QT_TRANSLATE_NOOP("Thread", "\"REC Time\"");

// The Summary column stands for the title and is not translated.
QString SummaryColumn(ExportVariant variant)
{
    switch (variant) {
    case ExportVariant::Light: return QStringLiteral("LightData");
    case ExportVariant::Decibel: return QStringLiteral("\"Decibel Data\"");
    default: return QStringLiteral("LoggerData");
    }
}

QStringList DataColumns(const ExportContent &content)
{
    QStringList names;
    for (const ExportColumn &column : content.Columns()) {
        const bool decibelTime
            = column.Kind == ColumnKind::Time && content.Variant() == ExportVariant::Decibel;
        names << ExportTr(decibelTime ? DecibelTimeColumnName : DataColumnNames[int(column.Kind)]);
    }
    return names;
}

// The value between apostrophes, its own apostrophes doubled.
void AppendLiteral(QString &statement, const QString &value)
{
    const QLatin1Char quote('\'');
    statement += quote;
    if (value.contains(quote))
        statement += QString(value).replace(quote, QLatin1String("''"));
    else
        statement += value;
    statement += quote;
}

QString SummaryInsert(const QString &column, const QString &text)
{
    QString statement
        = QStringLiteral("insert into Summary(") + column + QStringLiteral(") values(");
    AppendLiteral(statement, text);
    return statement + QLatin1Char(')');
}

// The time and the columns that hold "-" throughout are text, the rest
// NUMBER: "create table Data (RECTime text,Temperature NUMBER,...)".
QString DataCreate(const QStringList &names, const QVector<ExportColumn> &columns)
{
    QString statement = QStringLiteral("create table Data (");
    for (int c = 0; c < names.size(); ++c) {
        const bool text = c == 0 || columns.at(c).Placeholder;
        statement += names.at(c) + (text ? QLatin1String(" text") : QLatin1String(" NUMBER"))
            + QLatin1Char(c + 1 < names.size() ? ',' : ')');
    }
    return statement;
}

// Runs the statements of the workbook on one query, the Summary table
// first; stops at the first one refused, with its reason.
bool FillWorkbook(const QSqlDatabase &db, const ExportContent &content, QString *reason)
{
    QSqlQuery query(db);
    const auto run = [&](const QString &statement) {
        if (query.exec(statement))
            return true;
        *reason = query.lastError().databaseText();
        return false;
    };
    const QString summary = SummaryColumn(content.Variant());
    if (!run(QStringLiteral("create table Summary (") + summary + QStringLiteral(" text)")))
        return false;
    for (const HeaderItem &item : content.Items()) {
        if (!run(SummaryInsert(summary, item.Text())))
            return false;
    }
    const QStringList names = DataColumns(content);
    if (!run(DataCreate(names, content.Columns())))
        return false;
    const QString head = QStringLiteral("insert into Data(") + names.join(QLatin1Char(','))
        + QStringLiteral(") values(");
    const int columns = names.size();
    QString statement;
    for (int i = content.Range().First; i < content.Range().End; ++i) {
        statement = head;
        for (int c = 0; c < columns; ++c) {
            if (c > 0)
                statement += QLatin1Char(',');
            AppendLiteral(statement, content.Cell(i, c));
        }
        statement += QLatin1Char(')');
        if (!run(statement))
            return false;
    }
    return true;
}

// Adds, opens, fills and closes the connection. A workbook that misses a
// refused statement's table or row is not written.
JobOutcome RunConnection(const QString &fileName, const ExportContent &content, bool *openFailed)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(DriverType, ConnectionName);
    if (!db.isValid())
        return JobOutcome::Failure(ExportTr(NoDriverText));
    db.setDatabaseName(ConnectionTemplate.arg(fileName, fileName));
    *openFailed = !db.open();
    if (*openFailed)
        return JobOutcome::Failure(db.lastError().databaseText());
    QString refusal;
    const bool filled = FillWorkbook(db, content, &refusal);
    db.close(); // writes the workbook, whole or not at all
    if (!filled)
        return JobOutcome::Failure(refusal);
    const QSqlError closeError = db.lastError();
    return closeError.type() == QSqlError::NoError ? JobOutcome::Success()
                                                   : JobOutcome::Failure(closeError.databaseText());
}

JobOutcome WriteWorkbook(const QString &fileName, const ExportContent &content, int model)
{
    if (content.IsEmpty())
        return NoLayoutOutcome(model);
    // The previous job left its connection registered and closed, maybe on
    // another thread; it makes way for this job's connection.
    if (QSqlDatabase::contains(ConnectionName))
        QSqlDatabase::removeDatabase(ConnectionName);
    bool openFailed = false;
    const JobOutcome outcome = RunConnection(fileName, content, &openFailed);
    if (openFailed)
        QSqlDatabase::removeDatabase(ConnectionName);
    return outcome;
}

} // namespace

JobOutcome WriteExcelExport(const QString &fileName, const UartDataStore &store)
{
    return WriteWorkbook(
        fileName, ExportContent(store, ExportRange::WholeRecord(store), ContentDialect::Workbook),
        store.RECModel);
}

JobOutcome WriteExcelSectionExport(const QString &fileName, ExportRange section,
                                   const UartDataStore &store)
{
    return WriteWorkbook(fileName, ExportContent(store, section, ContentDialect::Workbook),
                         store.RECModel);
}
