#ifndef XLSSTATEMENT_H
#define XLSSTATEMENT_H

// The two statements a workbook connection understands:
//
//     create table Data (RECTime text,Temperature NUMBER)
//     insert into Data(RECTime,Temperature) values('01/03/2024 08:00:00','21.6')
//
// Keywords and types are case-insensitive; names are bare (letters, digits,
// "_") or in double quotes ("Decibel(dB)", "" for a quote inside); values are
// single-quoted literals with '' for an apostrophe. Anything else is refused
// with a reason.

#include <QCoreApplication>
#include <QString>

#include <vector>

struct XlsStatement {
    enum Kind { CreateTable, Insert };
    Kind kind = CreateTable;
    QString table;
    std::vector<QString> columns;
    std::vector<bool> numeric;        // create table: NUMBER (true) or text
    std::vector<QStringView> values;  // insert: one per column, valid until the next Parse
};

class XlsStatementParser
{
    Q_DECLARE_TR_FUNCTIONS(XlsSqlDriver)

public:
    // Parses into *statement, whose vectors keep their storage from one call
    // to the next. False, with the reason in Error(), on anything else.
    // An insert that begins like the last one, up to "values(", reuses its
    // table and columns, so a run of inserts parses only the values.
    bool Parse(const QString &text, XlsStatement *statement);
    QString Error() const { return Reason; }

private:
    bool ParseCreate(XlsStatement *statement);
    bool ParseInsert(XlsStatement *statement);
    bool ParseValues(XlsStatement *statement);
    void SkipBlanks();
    bool Keyword(const char *word);
    bool Punctuation(char c);
    bool Name(QString *name);
    bool Literal(QStringView *value, QString *copy);
    bool AtEnd();
    bool Fail(const QString &reason);

    const QChar *Pos = nullptr;
    const QChar *End = nullptr;
    QString Reason;
    QString LastInsertHead;
    std::vector<QString> Unescaped;   // copies of the values that held ''
};

#endif // XLSSTATEMENT_H
