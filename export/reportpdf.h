#ifndef EXPORT_REPORTPDF_H
#define EXPORT_REPORTPDF_H

// The page of the PDF summary report: A4 portrait with 20 mm margins at 96
// pixels per inch, the resolution every fixed position of the report is
// drawn for. Qt measures A4 in whole points (595 x 842), which leaves a
// paintable area of 641 x 971 pixels: the 640-pixel tables, the 940-pixel
// row limit and the footer band at the bottom all fit it.

#include <QBrush>
#include <QPen>

class QPdfWriter;

void SetUpReportPage(QPdfWriter *writer);

// The report's one pen: black, solid, square cap, bevel join.
inline QPen ReportPen(qreal width)
{
    return QPen(QBrush(Qt::black), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

// Pages of a report of that many samples: the summary page, the first list
// page and one more for every further page of rows.
int ReportPageCount(int samples, int samplesPerRow);

#endif // EXPORT_REPORTPDF_H
