#include "platform/xlsconnection.h"

namespace {

const QString DbqKey = QStringLiteral("DBQ=");
const QString CreateKey = QStringLiteral("CREATE_DB=");

// True when the key starts at `at`: at the start of the string or after ";".
bool KeyAt(const QString &text, int at, const QString &key)
{
    return (at == 0 || text.at(at - 1) == QLatin1Char(';'))
           && QStringView(text).mid(at, key.size()).compare(key, Qt::CaseInsensitive) == 0;
}

// The form the export sends: ...CREATE_DB="P";DBQ=P with one path P twice.
bool MatchSamePathTwice(const QString &text, XlsConnection *connection)
{
    for (int at = text.indexOf(DbqKey, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(DbqKey, at + 1, Qt::CaseInsensitive)) {
        if (!KeyAt(text, at, DbqKey))
            continue;
        const QString path = text.mid(at + DbqKey.size());
        const QString value = QLatin1Char('"') + path + QStringLiteral("\";");
        const int headAt = at - value.size() - CreateKey.size();
        if (!path.isEmpty() && headAt >= 0 && KeyAt(text, headAt, CreateKey)
            && QStringView(text).mid(headAt + CreateKey.size(), value.size()) == value) {
            *connection = {path, path, true};
            return true;
        }
    }
    return false;
}

// Any other string, key by key from the left. A value in braces or quotes
// may hold ";"; DBQ takes the rest.
void ScanKeys(const QString &text, XlsConnection *connection)
{
    int at = 0;
    while (at < text.size()) {
        if (KeyAt(text, at, DbqKey)) {
            connection->workbook = text.mid(at + DbqKey.size());
            return;
        }
        const int equals = text.indexOf(QLatin1Char('='), at);
        if (equals < 0)
            return;
        int end = equals + 1;
        const QChar open = end < text.size() ? text.at(end) : QChar();
        const QChar close = open == QLatin1Char('{') ? QLatin1Char('}') : open;
        if (open == QLatin1Char('{') || open == QLatin1Char('"') || open == QLatin1Char('\'')) {
            end = text.indexOf(close, end + 1);
            end = end < 0 ? text.size() : end + 1;
        }
        end = text.indexOf(QLatin1Char(';'), end);
        end = end < 0 ? text.size() : end;
        if (KeyAt(text, at, CreateKey)) {
            QString value = text.mid(equals + 1, end - equals - 1);
            if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
                value = value.mid(1, value.size() - 2);
            connection->createTarget = value;
            connection->create = true;
        }
        at = end + 1;
    }
}

} // namespace

bool XlsConnectionParser::Parse(const QString &text, XlsConnection *connection, QString *error)
{
    *connection = {};
    if (!MatchSamePathTwice(text, connection))
        ScanKeys(text, connection);
    if (connection->workbook.isEmpty()) {
        *error = tr("The connection string names no workbook (DBQ).");
        return false;
    }
    // Existing workbooks are not read: every connection makes a new one.
    if (!connection->create || connection->createTarget != connection->workbook) {
        *error = tr("Only a new workbook can be written: CREATE_DB must name the DBQ workbook.");
        return false;
    }
    return true;
}
