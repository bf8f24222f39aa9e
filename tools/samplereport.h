#ifndef SAMPLEREPORT_H
#define SAMPLEREPORT_H

// Synthetic summary-report pages for the preview's tests and benchmark: the
// screen layout of a decibel record's report (title, create time, the
// device and summary tables, the statistics table, the chart image tag and
// the data list with two samples per row), written as the report file is
// written: GB2312, no byte-order mark.
//
//     WriteSampleReport(dir + "/ReportHtml.Html", 70000);
//     WriteSampleChartImage(dir + "/logger.bmp", QSize(1340, 560));

#include <QSize>
#include <QString>

// The page of a record of `samples` samples (1 s apart from 2024-03-01
// 08:00:00); sample i reads 40.0 + (i % 550) / 10.0 dB.
QString SampleDecibelReportHtml(int samples);

// Writes the page of `samples` samples to path in GB2312; false when the
// file could not be written.
bool WriteSampleReport(const QString &path, int samples);

// Writes text to path in GB2312; false when the file could not be written.
bool WriteGb2312File(const QString &path, const QString &text);

// A chart-like picture (white ground, grid, a blue curve) saved as BMP.
bool WriteSampleChartImage(const QString &path, const QSize &size);

#endif // SAMPLEREPORT_H
