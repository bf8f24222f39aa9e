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
    statement->values.clear();
    if (statement->kind == XlsStatement::Insert && !LastInsertHead.isEmpty()
        && text.startsWith(LastInsertHead)) {
        Pos += LastInsertHead.size();
        return ParseValues(statement);
    }
    LastInsertHead.clear();
    statement->columns.clear();
    statement->numeric.clear();
    if (Keyword("create"))
        return ParseCreate(statement);
    if (Keyword("insert") && ParseInsert(statement)) {
        LastInsertHead = text.left(int(Pos - text.constData()));
        return ParseValues(statement);
    }
    return Fail(Reason.isEmpty() ? tr("Only create table and insert into statements are understood.")
                                 : Reason);
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

// insert into <name>(<column>,...) values(, up to the values
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
    return true;
}

// '<value>',...)
bool XlsStatementParser::ParseValues(XlsStatement *statement)
{
    do {
        const size_t index = statement->values.size();
        if (Unescaped.size() <= index)
            Unescaped.resize(index + 1);
        QStringView value;
        if (!Literal(&value, &Unescaped[index]))
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

// A value without '' is a view into the statement; one with '' is copied
// without the doubled apostrophes.
bool XlsStatementParser::Literal(QStringView *value, QString *copy)
{
    SkipBlanks();
    if (Pos == End || *Pos != QLatin1Char('\''))
        return false;
    const QChar *start = ++Pos;
    bool copied = false;
    while (Pos < End) {
        if (*Pos != QLatin1Char('\'')) {
            ++Pos;
            continue;
        }
        const bool doubled = Pos + 1 < End && Pos[1] == QLatin1Char('\'');
        if (!doubled && !copied) {
            *value = QStringView(start, Pos++);
            return true;
        }
        if (!copied)
            copy->clear();
        copied = true;
        copy->append(start, int(Pos - start));
        ++Pos;
        if (!doubled) {
            *value = *copy;
            return true;
        }
        start = Pos++;   // the second apostrophe is kept
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
