#ifndef REPORTBUILDER_H
#define REPORTBUILDER_H

// The one engine behind every summary report. Each meter family's report is
// the same HTML skeleton: title, creation time, then the sections "Device
// Information", "Data Summary" (with the statistics table), "Data Chart" and
// "Data List". What differs between the families is data: the fixed form of
// the family (ReportForm, one row of the table in reportlayouts.cpp) and what
// the record puts into it (ReportContent).
//
// The report comes in two layouts: the screen layout for the preview and the
// print layout for printing; they differ in table openers, print widths, the
// image tag and the blank lines after the image. Sample rows are the same.

#include <QString>
#include <QStringList>
#include <QVector>

#include "app/textformat.h"

class QWidget;

// The chart image beside the report documents, in the current directory.
inline constexpr const char *ChartImageName = "logger.bmp";

// How the rows of a family's data list and tables are written.
struct ReportForm {
    bool HeadBlock;              // <head> with the Arial body style
    const char *Title;           // untranslated
    int TitleSize;
    bool ScreenOnly;             // both layouts give the screen layout
    // Text between label and value in the alarm rows of the information
    // table; nullptr: the closer of the other rows.
    const char *AlarmCloser;
    bool StatisticsAlwaysScreen;
    const int *StatisticsWidths; // six print widths
    int PrintImageBreaks;        // "<br></br>" after the print image tag
    bool ListCellsWithFont;
    bool ListHeaderWidths;
    bool PrintOneSamplePerRow;
    bool HasDataList;
};

// One value column of the data list.
struct ReportColumn {
    QString Header;              // translated name and unit
    const double *Values = nullptr;
    const double *Raw = nullptr; // where this holds -500.0 the cell reads "----"
    NumberFormat Format;
};

struct ReportAlarm {
    QString Label;               // translated
    QString Value;               // number and unit
};

// What the record on show puts into its family's form. Every text is ready
// to print: record texts are escaped, labels translated.
struct ReportContent {
    QString CreateTime;
    QString MeterName;
    QString DeviceID;
    QString SamplingRate;
    QString RecordingTime;
    QString StartMode;
    QVector<ReportAlarm> Alarms;
    // Cells of the statistics rows: label, maximum, its time, minimum, its
    // time, average.
    QVector<QStringList> Statistics;
    QVector<ReportColumn> Columns;
    QVector<int> ListPrintWidths;  // No., Time, then one per column
    int PrintImageHeight = 400;
    int Count = 0;                 // samples
};

// Builds the document. The chart widget is grabbed whole and saved as
// ChartImageName (an old file of that name is deleted first), which the
// image tag names.
QString BuildReportHtml(const ReportForm &form, const ReportContent &content,
                        const SampleTimeWriter &times, bool printLayout, QWidget *chart);

#endif // REPORTBUILDER_H
