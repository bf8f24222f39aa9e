#include "export/csvexport.h"

#include "export/exportcontent.h"
#include "export/exporttextfile.h"

namespace {

const QLatin1Char Comma(',');
const QLatin1Char LineFeed('\n');

// Column titles translated together with their comma.
const char *const TimeTitle = QT_TRANSLATE_NOOP("Thread", "Time,");
const char *const HumidityTitle = QT_TRANSLATE_NOOP("Thread", "Humidity(%RH),");
const char *const CurrentTitle = QT_TRANSLATE_NOOP("Thread", "Current(mA),");

// A field as it stands, or in double quotes with its quotes doubled when it
// holds a separator, a quote or a line break.
QString Field(const QString &text)
{
    for (const QChar c : text) {
        if (c == Comma || c == QLatin1Char('"') || c == LineFeed || c == QLatin1Char('\r')) {
            QString quoted = text;
            quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
            return QLatin1Char('"') + quoted + QLatin1Char('"');
        }
    }
    return text;
}

QString TitleField(const ExportColumn &column)
{
    const char *whole = column.Kind == ColumnKind::Time       ? TimeTitle
                        : column.Kind == ColumnKind::Humidity ? HumidityTitle
                        : column.Kind == ColumnKind::Current  ? CurrentTitle
                                                              : nullptr;
    if (!whole)
        return Field(column.Title());
    QString title = ExportTr(whole);
    if (title.endsWith(Comma))
        title.chop(1);
    return Field(title);
}

// Every title ends with a comma; the four-probe line ends with its last unit.
QString ColumnTitleLine(const ExportContent &content)
{
    QString line;
    for (const ExportColumn &column : content.Columns())
        line += TitleField(column) + Comma;
    if (content.Variant() == ExportVariant::FourProbe)
        line.back() = LineFeed;
    else
        line += LineFeed;
    return line;
}

void WriteRows(ExportTextFile &file, const ExportContent &content)
{
    const bool trailingComma = content.Variant() == ExportVariant::Light
                               || content.Variant() == ExportVariant::Decibel;
    const int columns = content.Columns().size();
    QString line;
    line.reserve(256);   // kept through resize(0)
    for (int i = content.Range().First; i < content.Range().End; ++i) {
        line.resize(0);
        line += Field(content.Cell(i, 0));
        for (int c = 1; c < columns; ++c) {
            line += Comma;
            line += Field(content.Cell(i, c));
        }
        if (trailingComma)
            line += Comma;
        line += LineFeed;
        file.Write(line);
    }
}

JobOutcome WriteCsv(const QString &fileName, const ExportContent &content, int model)
{
    if (content.IsEmpty())
        return NoLayoutOutcome(model);
    ExportTextFile file(fileName);
    if (!file.Open())
        return file.Outcome();
    file.Write(Field(content.Title()) + LineFeed);
    for (const HeaderItem &item : content.Items())
        file.Write(Field(item.Text()) + LineFeed);
    file.Write(ColumnTitleLine(content));
    WriteRows(file, content);
    return file.Finish();
}

} // namespace

JobOutcome WriteCsvExport(const QString &fileName, const UartDataStore &store)
{
    return WriteCsv(fileName, ExportContent(store, ExportRange::WholeRecord(store)),
                    store.RECModel);
}

JobOutcome WriteCsvSectionExport(const QString &fileName, ExportRange section,
                                 const UartDataStore &store)
{
    return WriteCsv(fileName, ExportContent(store, section), store.RECModel);
}
