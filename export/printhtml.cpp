#include "export/printhtml.h"

#include "export/printtable.h"

namespace {

// Wide enough to fill a portrait page of the printer at screen resolution.
constexpr int ChartPrintWidth = 640;

} // namespace

QString ChartPrintHtml(const QString &imageName, QSize imageSize)
{
    const int height
        = imageSize.width() > 0 ? ChartPrintWidth * imageSize.height() / imageSize.width() : 0;
    return QStringLiteral("<html><body><p align=\"center\"><img src=\"%1\" width=\"%2\" "
                          "height=\"%3\"></p></body></html>")
        .arg(imageName.toHtmlEscaped())
        .arg(ChartPrintWidth)
        .arg(height);
}

QString TablePrintHtml(const PrintTable &table)
{
    const int columns = table.Headers.size();
    QString html;
    html.reserve(32 * (table.Cells.size() + 2 * columns) + 256);
    html += QStringLiteral("<html><body style=\"font-family:Arial; font-size:8pt\"><p><b>")
        + table.Title.toHtmlEscaped()
        + QStringLiteral("</b></p><table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">"
                         "<thead><tr>");
    for (const QString &header : table.Headers)
        html += QStringLiteral("<th nowrap>") + header.toHtmlEscaped() + QStringLiteral("</th>");
    html += QStringLiteral("</tr></thead>");
    for (int r = 0; r < table.RowCount(); ++r) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < columns; ++c)
            html += QStringLiteral("<td align=\"center\" nowrap>")
                + table.Cell(r, c).toHtmlEscaped() + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table></body></html>");
    return html;
}
