#include "export/printhtml.h"

#include <QAbstractItemModel>

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

QString TablePrintHtml(const QString &title, const QAbstractItemModel &model)
{
    const int rows = model.rowCount();
    const int columns = model.columnCount();
    QString html;
    html.reserve(64 * (rows + 2) * qMax(columns, 1));
    html += QStringLiteral("<html><body><p><b>") + title.toHtmlEscaped()
        + QStringLiteral(
                "</b></p><table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\">"
                "<thead><tr>");
    for (int c = 0; c < columns; ++c)
        html += QStringLiteral("<th>")
            + model.headerData(c, Qt::Horizontal).toString().toHtmlEscaped()
            + QStringLiteral("</th>");
    html += QStringLiteral("</tr></thead>");
    for (int r = 0; r < rows; ++r) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < columns; ++c)
            html += QStringLiteral("<td align=\"center\">")
                + model.data(model.index(r, c)).toString().toHtmlEscaped()
                + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table></body></html>");
    return html;
}
