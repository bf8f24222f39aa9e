#include "tools/samplereport.h"

#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTextCodec>

#include <cmath>

namespace {

const QString Cell = QStringLiteral("<td align=center><font size=3 face=Arial>");
const QString NextCell = QStringLiteral("</td><td align=center><font size=3 face=Arial>");
const QString ScreenTable =
    QStringLiteral("<table style='display:inline;width:100%' border=1 cellspacing=0>");
const QString InfoTable =
    QStringLiteral("<table style='display:block;width:50%;table-layout:fixed' border=0>");
const QString TimeFormat = QStringLiteral("yyyy/MM/dd hh:mm:ss");

QString Heading(const QString &text)
{
    return QStringLiteral("<p><b><font size=5 face=Arial>") + text
           + QStringLiteral("</font></b></p><hr />");
}

QString InfoRow(const QString &label, const QString &value)
{
    return QStringLiteral("<tr><td><b><font size=3 face=Arial>") + label
           + QStringLiteral("</td></b><td><font size=3 face=Arial>") + value
           + QStringLiteral("</td></tr>");
}

QString SampleTime(int i)
{
    return QDateTime(QDate(2024, 3, 1), QTime(8, 0)).addSecs(i).toString(TimeFormat);
}

double SampleValue(int i)
{
    return 40.0 + (i % 550) / 10.0;
}

QString CellGroup(int i)
{
    return Cell + QString::number(i + 1) + NextCell + SampleTime(i) + NextCell
           + QString::number(SampleValue(i), 'f', 1) + QStringLiteral("</td>");
}

QString HeadAndSummary(int samples)
{
    const QString spaces(7, QLatin1Char(' '));
    QString html = QStringLiteral("<html><body>"
                                  "<meta http-equiv=Content-Type content=text/html;charset=gb2312>"
                                  "<p align=center><font size=6 face=Arial align=center><b>"
                                  "Summary Report</font></b></p>"
                                  "<p align=right><b><font size=3 face=Arial>Create Time:"
                                  "2024/03/01 09:00</b></p><hr />");
    html += Heading(QStringLiteral("Device Information")) + InfoTable
            + InfoRow(QStringLiteral("Meter Name:"), QStringLiteral("Sound-6201"))
            + InfoRow(QStringLiteral("Device ID:"), QStringLiteral("DB20240301"))
            + InfoRow(QStringLiteral("Sampling Rate:"), QStringLiteral("1S"))
            + InfoRow(QStringLiteral("Recording Time:"), QStringLiteral("0 Day 19 Hours 26 Minutes"))
            + InfoRow(QStringLiteral("Start Mode:"), QStringLiteral("Immediately"))
            + InfoRow(QStringLiteral("Low Alarm(Decibel):"), QStringLiteral("45.0(dB)"))
            + InfoRow(QStringLiteral("High Alarm(Decibel):"), QString::fromUtf8("90.0(dB\uFF09"))
            + QStringLiteral("</table><hr />");
    html += Heading(QStringLiteral("Data Summary")) + InfoTable
            + InfoRow(QStringLiteral("Total Record:"), QString::number(samples))
            + InfoRow(QStringLiteral("Start Time:"), SampleTime(0))
            + InfoRow(QStringLiteral("End Time:"), SampleTime(samples - 1)) + QStringLiteral("</table>");
    // The "Label" cell is left open, as the report writes it.
    html += ScreenTable + QStringLiteral("<tr>") + Cell + QStringLiteral("Label") + Cell
            + QStringLiteral("Maximum Value");
    for (const char *column :
         {"Maximum Value Time", "Minimum Value", "Minimum Value Time", "Average"})
        html += NextCell + QLatin1String(column);
    html += QStringLiteral("</td></tr><tr>") + Cell + QStringLiteral("Decibel") + spaces
            + QStringLiteral("(dB)") + spaces + NextCell + QStringLiteral("94.9") + NextCell + spaces
            + SampleTime(549) + spaces + NextCell + QStringLiteral("40.0") + NextCell + spaces
            + SampleTime(0) + spaces + NextCell + QStringLiteral("67.4")
            + QStringLiteral("</td></tr></table><hr />");
    return html;
}

} // namespace

QString SampleDecibelReportHtml(int samples)
{
    QString html = HeadAndSummary(samples);
    html += Heading(QStringLiteral("Data Chart")) + QStringLiteral("<br></br>")
            + QStringLiteral("<img style=display:block;width:100%; src=logger.bmp />")
            + QStringLiteral("<hr />");
    html += Heading(QStringLiteral("Data List")) + ScreenTable + QStringLiteral("<tr>");
    const QString header = Cell + QStringLiteral("No.") + NextCell + QStringLiteral("Time") + NextCell
                           + QStringLiteral("Decibel(dB)") + QStringLiteral("</td>");
    html += header + header + QStringLiteral("</tr>");
    html.reserve(html.size() + samples * 130);
    for (int i = 0; i < samples; ++i) {
        if (i % 2 == 0)
            html += QStringLiteral("<tr>");
        html += CellGroup(i);
        if (i % 2 == 1 || i == samples - 1)
            html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table></body></html>");
    return html;
}

bool WriteGb2312File(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = QTextCodec::codecForName("GB2312")->fromUnicode(text);
    return file.write(bytes) == bytes.size() && file.flush();
}

bool WriteSampleReport(const QString &path, int samples)
{
    return WriteGb2312File(path, SampleDecibelReportHtml(samples));
}

bool WriteSampleChartImage(const QString &path, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QColor(200, 200, 200));
    for (int x = 0; x < size.width(); x += 50)
        painter.drawLine(x, 0, x, size.height());
    for (int y = 0; y < size.height(); y += 50)
        painter.drawLine(0, y, size.width(), y);
    painter.setPen(QPen(Qt::blue, 2));
    QPointF last(0, size.height() / 2.0);
    for (int x = 1; x < size.width(); ++x) {
        const QPointF next(x, size.height() * (0.5 + 0.35 * std::sin(x / 40.0)));
        painter.drawLine(last, next);
        last = next;
    }
    painter.end();
    return image.save(path, "BMP");
}
