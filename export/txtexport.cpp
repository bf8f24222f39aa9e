#include "export/txtexport.h"

#include "export/exportcontent.h"
#include "export/exporttextfile.h"

#include <QVector>

namespace {

const QString LineEnd = QStringLiteral("\r\n");

// Field widths of the column title line and of the rows, Time first. The two
// differ: a title need not stand over its cells.
struct TxtLayout {
    QVector<int> titles;
    QVector<int> rows;
};

TxtLayout LayoutFor(const ExportContent &content, bool fahrenheit)
{
    const int columns = content.Columns().size();
    switch (content.Variant()) {
    case ExportVariant::FourProbe:
        return {{12, fahrenheit ? 20 : 30, 20, 20, 20}, {10, 20, 20, 20, 20}};
    case ExportVariant::CurrentVoltage: return {{12, 33, 20}, {10, 20, 20}};
    case ExportVariant::TempHum: {
        // Temperature-only loggers write their "-" cells at width 20.
        const int humid = content.Columns().at(2).Placeholder ? 20 : 28;
        if (columns == 4)
            return {{12, 33, 20, 20}, {10, 17, humid, humid}};
        return {{12, 33, 20}, {10, 17, humid}};
    }
    case ExportVariant::ThermoHygro:
        if (columns == 6)
            return {{12, 34, 20, 20, 20, 20}, {10, 22, 20, 20, 20, 20}};
        return {{12, 33, 20, 20, 20}, {10, 17, 28, 28, 28}};
    case ExportVariant::Light:
    case ExportVariant::Decibel: return {{12, 33}, {10, 25}};
    case ExportVariant::None: break;
    }
    return {};
}

QString TitleLine(const ExportContent &content)
{
    QString line;
    AppendRightAligned(line, QString(), 15);
    AppendRightAligned(line, content.Title(), 20);
    return line + LineEnd;
}

// The Time title is the same word in every language here.
QString ColumnTitleLine(const ExportContent &content, const QVector<int> &widths)
{
    QString line;
    AppendRightAligned(line, QStringLiteral("Time"), widths.at(0));
    for (int c = 1; c < content.Columns().size(); ++c)
        AppendRightAligned(line, content.Columns().at(c).Title(), widths.at(c));
    return line + LineEnd;
}

void WriteRows(ExportTextFile &file, const ExportContent &content, const QVector<int> &widths)
{
    QString line;
    line.reserve(256);   // kept through resize(0)
    const int columns = content.Columns().size();
    for (int i = content.Range().First; i < content.Range().End; ++i) {
        line.resize(0);
        for (int c = 0; c < columns; ++c)
            AppendRightAligned(line, content.Cell(i, c), widths.at(c));
        line += LineEnd;
        file.Write(line);
    }
}

} // namespace

JobOutcome WriteTxtExport(const QString &fileName, const UartDataStore &store)
{
    const ExportContent content(store, ExportRange::WholeRecord(store));
    if (content.IsEmpty())
        return NoLayoutOutcome(store.RECModel);
    ExportTextFile file(fileName);
    if (!file.Open())
        return file.Outcome();
    const TxtLayout layout = LayoutFor(content, store.AltUnit);
    file.Write(TitleLine(content));
    for (const HeaderItem &item : content.Items())
        file.Write(item.Text() + LineEnd);
    file.Write(ColumnTitleLine(content, layout.titles));
    WriteRows(file, content, layout.rows);
    return file.Finish();
}
