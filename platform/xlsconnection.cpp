#include "platform/xlsconnection.h"

namespace {

const QString DbqKey = QStringLiteral("DBQ=");
const QString CreateKey = QStringLiteral("CREATE_DB=");

// True when the key starts at `at`: at the start of the string or after ";".
bool KeyAt(const QString &text, int at, const QString &key)
{
    return at >= 0 && (at == 0 || text.at(at - 1) == QLatin1Char(';'))
           && QStringView(text).mid(at, key.size()).compare(key, Qt::CaseInsensitive) == 0;
}

} // namespace

bool XlsConnectionString::WorkbookPath(const QString &text, QString *path, QString *error)
{
    // Every "DBQ=" may start the key, the path itself may hold one: the key
    // is the one whose rest also stands in CREATE_DB="<rest>"; just before.
    for (int at = text.indexOf(DbqKey, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(DbqKey, at + 1, Qt::CaseInsensitive)) {
        const QString rest = text.mid(at + DbqKey.size());
        const QString quoted = QLatin1Char('"') + rest + QStringLiteral("\";");
        const int createAt = at - quoted.size() - CreateKey.size();
        if (!rest.isEmpty() && KeyAt(text, at, DbqKey) && KeyAt(text, createAt, CreateKey)
            && QStringView(text).mid(createAt + CreateKey.size(), quoted.size()) == quoted) {
            *path = rest;
            return true;
        }
    }
    *error = tr("The connection string names no new workbook: it must end in "
                "CREATE_DB=\"<path>\";DBQ=<path>.");
    return false;
}
