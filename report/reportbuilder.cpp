#include "report/reportbuilder.h"

#include <QFile>
#include <QPixmap>
#include <QWidget>

#include "app/uartdatastore.h"
#include "report/reportcaptions.h"

namespace {

const char *const InfoTable = "<table style='display:block;width:50%;table-layout:fixed' border=0>";
const char *const InfoCloser = "</td></b><td><font size=3 face=Arial>";
const char *const PrintTable =
    "<table style='table-layout:fixed;border-collapse: collapse' border=1 cellspacing=0>";
const char *const ScreenTable = "<table style='display:inline;width:100%' border=1 cellspacing=0>";
const char *const FontCell = "<td align=center><font size=3 face=Arial>";
const char *const PlainCell = "<td align=center>";

// Appends fixed fragments and ready texts to the document.
struct Html {
    QString &Out;
    Html &operator<<(const char *text)
    {
        Out.append(QLatin1String(text));
        return *this;
    }
    Html &operator<<(const QString &text)
    {
        Out.append(text);
        return *this;
    }
    Html &operator<<(int number)
    {
        AppendInteger(Out, number);
        return *this;
    }
};

// A cell opener, with a fixed width where one is given (> 0).
void AppendCellOpener(Html &html, int width)
{
    if (width > 0)
        html << "<td align=center width=" << width << "><font size=3 face=Arial>";
    else
        html << FontCell;
}

// Each text in a cell of its own: opener, text, "</td>".
void AppendCells(Html &html, const QStringList &texts, const QVector<int> &widths = {})
{
    for (int k = 0; k < texts.size(); ++k) {
        AppendCellOpener(html, k < widths.size() ? widths[k] : 0);
        html << texts[k] << "</td>";
    }
}

void AppendHeading(Html &html, const char *heading)
{
    html << "<p><b><font size=5 face=Arial>" << MainTr(heading) << "</font></b></p>" << "<hr />";
}

void AppendInfoRow(Html &html, const char *label, const char *closer, const QString &value)
{
    html << "<tr><td><b><font size=3 face=Arial>" << MainTr(label) << closer << value
         << "</td></tr>";
}

void AppendOpening(Html &html, const ReportForm &form, const ReportContent &content)
{
    html << "<html>";
    if (form.HeadBlock)
        html << "<head>" << "<style>" << "body{ font-family:Arial}" << "</style>" << "</head>";
    html << "<body>" << "<meta http-equiv=Content-Type content=text/html;charset=gb2312>";
    html << "<p align=center><font size=" << form.TitleSize << " face=Arial align=center><b>"
         << MainTr(form.Title) << "</font></b></p>";
    html << "<p align=right><b><font size=3 face=Arial>" << MainTr(ReportCaption::CreateTime)
         << content.CreateTime << "</b></p>" << "<hr />";
}

void AppendDeviceInformation(Html &html, const ReportForm &form, const ReportContent &content)
{
    AppendHeading(html, ReportCaption::DeviceInformation);
    html << InfoTable;
    AppendInfoRow(html, ReportCaption::MeterName, InfoCloser, content.MeterName);
    AppendInfoRow(html, ReportCaption::DeviceID, InfoCloser, content.DeviceID);
    AppendInfoRow(html, ReportCaption::SamplingRate, InfoCloser, content.SamplingRate);
    AppendInfoRow(html, ReportCaption::RecordingTime, InfoCloser, content.RecordingTime);
    AppendInfoRow(html, ReportCaption::StartMode, InfoCloser, content.StartMode);
    const char *alarmCloser = form.AlarmCloser ? form.AlarmCloser : InfoCloser;
    for (const ReportAlarm &alarm : content.Alarms)
        html << "<tr><td><b><font size=3 face=Arial>" << alarm.Label << alarmCloser << alarm.Value
             << "</td></tr>";
    html << "</table>" << "<hr />";
}

// The header row leaves the "Label" cell open: the next cell follows it
// directly.
void AppendStatistics(Html &html, const ReportForm &form, const ReportContent &content, bool print)
{
    html << (print ? PrintTable : ScreenTable) << "<tr>";
    for (int k = 0; k < 6; ++k) {
        if (k >= 2)
            html << "</td>";
        AppendCellOpener(html, print ? form.StatisticsWidths[k] : 0);
        html << MainTr(ReportCaption::StatisticsHeader[k]);
    }
    html << "</td>" << "</tr>" << "<tr>";
    for (int row = 0; row < content.Statistics.size(); ++row) {
        if (row > 0)
            html << "</tr><tr>";
        AppendCells(html, content.Statistics[row]);
    }
    html << "</tr>" << "</table>" << "<hr />";
}

void AppendDataSummary(Html &html, const ReportForm &form, const ReportContent &content,
                       const SampleTimeWriter &times, bool print)
{
    AppendHeading(html, ReportCaption::DataSummary);
    html << InfoTable;
    AppendInfoRow(html, ReportCaption::TotalRecord, InfoCloser, QString::number(content.Count));
    AppendInfoRow(html, ReportCaption::StartTime, InfoCloser, times.Text(0));
    AppendInfoRow(html, ReportCaption::EndTime, InfoCloser, times.Text(content.Count - 1));
    html << "</table>";
    AppendStatistics(html, form, content, print && !form.StatisticsAlwaysScreen);
}

void SaveChartImage(QWidget *chart)
{
    const QString name = QString::fromLatin1(ChartImageName);
    const QPixmap image = chart ? chart->grab(QRect(QPoint(0, 0), QSize(-1, -1))) : QPixmap();
    QFile::remove(name);
    image.save(name);
}

void AppendChart(Html &html, const ReportForm &form, const ReportContent &content, bool print,
                 QWidget *chart)
{
    AppendHeading(html, ReportCaption::DataChart);
    html << "<br></br>";
    SaveChartImage(chart);
    if (print) {
        html << "<img src=" << ChartImageName << " alt=\"picture\" width=\"600\" height=\""
             << content.PrintImageHeight << "\" />";
        for (int k = 0; k < form.PrintImageBreaks; ++k)
            html << "<br></br>";
    } else {
        html << "<img style=display:block;width:100%; src=" << ChartImageName << " />";
    }
    html << "<hr />";
}

// The sample rows are gathered here and go onto the document a few thousand
// characters at a time.
class RowBuffer
{
public:
    explicit RowBuffer(QString &out) : Out(out) {}
    ~RowBuffer() { Flush(); }
    RowBuffer(const RowBuffer &) = delete;
    RowBuffer &operator=(const RowBuffer &) = delete;

    void Put(const QString &text)
    {
        if (text.size() > Capacity / 2) {
            Flush();
            Out += text;
            return;
        }
        std::copy(text.constBegin(), text.constEnd(), Room(text.size()));
        Length += text.size();
    }
    void PutNumber(double value, NumberFormat format)
    {
        char digits[NumberRoom];
        const int length = NumberDigits(digits, value, format);
        if (length == 0) {
            Put(QString::number(value, format.Letter, format.Precision));
            return;
        }
        std::copy(digits, digits + length, Room(length));
        Length += length;
    }
    void PutInteger(qint64 value)
    {
        char digits[NumberRoom];
        const int length = IntegerDigits(digits, value);
        std::copy(digits, digits + length, Room(length));
        Length += length;
    }
    void PutTime(const SampleTimeWriter &times, int index)
    {
        const int length = times.Write(Room(SampleTimeWriter::TimeRoom), index);
        if (length >= 0)
            Length += length;
        else
            Put(times.Text(index));
    }

private:
    static constexpr int Capacity = 8192;
    QChar *Room(int length)
    {
        if (Length + length > Capacity)
            Flush();
        return Text + Length;
    }
    void Flush()
    {
        Out.append(Text, Length);
        Length = 0;
    }
    QString &Out;
    QChar Text[Capacity];
    int Length = 0;
};

// Two samples to a row, or one in the print layout of a form that says so.
void AppendSampleRows(QString &out, const ReportForm &form, const ReportContent &content,
                      const SampleTimeWriter &times, bool onePerRow)
{
    const QString open = QLatin1String(form.ListCellsWithFont ? FontCell : PlainCell);
    const QString close = QStringLiteral("</td>");
    const QString rowOpen = QStringLiteral("<tr>");
    const QString rowClose = QStringLiteral("</tr>");
    const QString missing = QStringLiteral("----");
    const int last = content.Count - 1;
    RowBuffer row(out);
    for (int i = 0; i <= last; ++i) {
        const bool opensRow = onePerRow || i % 2 == 0;
        if (opensRow)
            row.Put(rowOpen);
        row.Put(open);
        row.PutInteger(i + 1);
        row.Put(close);
        row.Put(open);
        row.PutTime(times, i);
        row.Put(close);
        for (const ReportColumn &column : content.Columns) {
            row.Put(open);
            if (column.Raw && column.Raw[i] == UartDataStore::MissingValue)
                row.Put(missing);
            else
                row.PutNumber(column.Values[i], column.Format);
            row.Put(close);
        }
        if (!opensRow || onePerRow || i == last)
            row.Put(rowClose);
    }
}

void AppendDataList(Html &html, const ReportForm &form, const ReportContent &content,
                    const SampleTimeWriter &times, bool print)
{
    AppendHeading(html, ReportCaption::DataList);
    if (!form.HasDataList)
        return;
    html << (print ? PrintTable : ScreenTable) << "<tr>";
    QStringList headers{MainTr(Caption::Number), MainTr(Caption::Time)};
    for (const ReportColumn &column : content.Columns)
        headers << column.Header;
    const QVector<int> widths =
        print && form.ListHeaderWidths ? content.ListPrintWidths : QVector<int>();
    const bool onePerRow = print && form.PrintOneSamplePerRow;
    AppendCells(html, headers, widths);
    if (!onePerRow)
        AppendCells(html, headers, widths);
    html << "</tr>";
    AppendSampleRows(html.Out, form, content, times, onePerRow);
    html << "</table>";
}

// Room for the whole document, so that it is written without moving.
int EstimatedLength(const ReportForm &form, const ReportContent &content)
{
    const int opener = form.HasDataList ? int(qstrlen(form.ListCellsWithFont ? FontCell : PlainCell)) : 0;
    const int cellsPerSample = 2 + content.Columns.size();
    const int perSample = cellsPerSample * (opener + 5 + 6) + 24;
    return 16384 + content.Count * perSample;
}

} // namespace

QString BuildReportHtml(const ReportForm &form, const ReportContent &content,
                        const SampleTimeWriter &times, bool printLayout, QWidget *chart)
{
    const bool print = printLayout && !form.ScreenOnly;
    QString out;
    out.reserve(EstimatedLength(form, content));
    Html html{out};
    AppendOpening(html, form, content);
    AppendDeviceInformation(html, form, content);
    AppendDataSummary(html, form, content, times, print);
    AppendChart(html, form, content, print, chart);
    AppendDataList(html, form, content, times, print);
    html << "</body>" << "</html>";
    return out;
}
