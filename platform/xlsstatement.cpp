#include "platform/xlsstatement.h"

namespace {

bool IsNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

bool XlsStatementParser::Parse(const QString &text, XlsStatement *statement)
{
    Pos = text.constData();
    End = Pos + text.size();
    Reason.clear();
    statement->columns.clear();
    statement->numeric.clear();
    statement->values.clear();
    if (Keyword("create"))
        return ParseCreate(statement);
    if (Keyword("insert"))
        return ParseInsert(statement);
    return Fail(tr("Only create table and insert into statements are understood."));
}

// create table <name> (<column> <type>,...)
bool XlsStatementParser::ParseCreate(XlsStatement *statement)
{
    statement->kind = XlsStatement::CreateTable;
    if (!Keyword("table") || !Name(&statement->table) || !Punctuation('('))
        return Fail(tr("Expected create table <name> (<columns>)."));
    do {
        QString column;
        if (!Name(&column))
            return Fail(tr("Expected a column name."));
        const bool number = Keyword("number");
        if (!number && !Keyword("text"))
            return Fail(tr("Column %1 needs the type NUMBER or text.").arg(column));
        statement->columns.push_back(column);
        statement->numeric.push_back(number);
    } while (Punctuation(','));
    if (!Punctuation(')') || !AtEnd())
        return Fail(tr("Expected \")\" at the end of the column list."));
    return true;
}

// insert into <name>(<column>,...) values('<value>',...)
bool XlsStatementParser::ParseInsert(XlsStatement *statement)
{
    statement->kind = XlsStatement::Insert;
    if (!Keyword("into") || !Name(&statement->table) || !Punctuation('('))
        return Fail(tr("Expected insert into <name>(<columns>) values(<values>)."));
    do {
        QString column;
        if (!Name(&column))
            return Fail(tr("Expected a column name."));
        statement->columns.push_back(column);
    } while (Punctuation(','));
    if (!Punctuation(')') || !Keyword("values") || !Punctuation('('))
        return Fail(tr("Expected values(...) after the column list."));
    do {
        QString value;
        if (!Literal(&value))
            return Fail(tr("Expected a value in single quotes."));
        statement->values.push_back(value);
    } while (Punctuation(','));
    if (!Punctuation(')') || !AtEnd())
        return Fail(tr("Expected \")\" at the end of the values."));
    return true;
}

void XlsStatementParser::SkipBlanks()
{
    while (Pos < End && Pos->isSpace())
        ++Pos;
}

bool XlsStatementParser::Keyword(const char *word)
{
    SkipBlanks();
    const QChar *at = Pos;
    for (; *word; ++word, ++at) {
        if (at == End || at->toLower() != QLatin1Char(*word))
            return false;
    }
    if (at < End && IsNameChar(*at))
        return false;
    Pos = at;
    return true;
}

bool XlsStatementParser::Punctuation(char c)
{
    SkipBlanks();
    if (Pos == End || *Pos != QLatin1Char(c))
        return false;
    ++Pos;
    return true;
}

bool XlsStatementParser::Name(QString *name)
{
    SkipBlanks();
    name->clear();
    if (Pos < End && *Pos == QLatin1Char('"')) {
        for (++Pos; Pos < End; ++Pos) {
            if (*Pos == QLatin1Char('"')) {
                if (Pos + 1 == End || Pos[1] != QLatin1Char('"')) {
                    ++Pos;
                    return !name->isEmpty();
                }
                ++Pos;
            }
            name->append(*Pos);
        }
        return false;
    }
    const QChar *start = Pos;
    while (Pos < End && IsNameChar(*Pos))
        ++Pos;
    name->setUnicode(start, int(Pos - start));
    return Pos > start;
}

bool XlsStatementParser::Literal(QString *value)
{
    SkipBlanks();
    if (Pos == End || *Pos != QLatin1Char('\''))
        return false;
    value->clear();
    const QChar *start = ++Pos;
    while (Pos < End) {
        if (*Pos != QLatin1Char('\'')) {
            ++Pos;
            continue;
        }
        value->append(start, int(Pos - start));
        ++Pos;
        if (Pos == End || *Pos != QLatin1Char('\''))
            return true;
        start = Pos++;   // '' stands for one apostrophe, kept from here
    }
    return false;
}

bool XlsStatementParser::AtEnd()
{
    SkipBlanks();
    return Pos == End;
}

bool XlsStatementParser::Fail(const QString &reason)
{
    Reason = reason;
    return false;
}
