#ifndef EXPORT_REPORTPDFLAYOUTS_H
#define EXPORT_REPORTPDFLAYOUTS_H

// What the eight summary report writers differ in, as data: the alarm rows
// of the device information block, the rows of the data summary table, the
// columns of the data list and the place of the chart. The writer, the
// heading painters and the list painter in reportpdf*.cpp are shared by all
// of them.

#include <QString>
#include <QVector>

#include <functional>
#include <optional>

#include "app/textformat.h"
#include "app/uartdatastore.h"

class QPainter;
class Thread;

// A limit pair of the device information block, in the shown unit.
enum class AlarmKind { Current, Voltage, Decibel, Temperature, Humidity, Light };

// The statistics of one quantity over the whole record.
struct QuantityStats {
    bool Present = true; // false: the row shows "----" in every value cell
    ValuePair Extremes;
    IntPair Indexes;
    double Average = 0.0;
};

// One row of the data summary table.
struct SummaryRow {
    const char *Label; // translated in the worker's context
    QString (*Unit)(); // appended untranslated; nullptr when Label holds it
    NumberFormat Extremes; // maximum and minimum
    NumberFormat Average;
    QuantityStats (*Stats)();
    bool (*Shown)(); // nullptr: always shown
};

// One column of a data list page, for one sample.
struct PageColumn {
    int X;
    int Width;
    QString Title;
    std::function<QString(int sample)> Text;
};

struct ListLayout {
    int PointSize = 10;
    int SamplesPerRow = 1; // two: the right half repeats the columns
    QVector<PageColumn> Columns;
};

struct ReportLayout {
    bool (Thread::*DrawList)(QPainter *, int); // the family's list painter
    ListLayout (*BuildList)(const Thread &);
    int ChartTop;
    QVector<AlarmKind> Alarms;
    QVector<SummaryRow> Summary;
    bool FormatsListAhead; // the list texts are formatted before painting
    bool HalfSecondTimes; // light: the times of a half-second record end in
                          // ".000" or ".500"
};

enum class ReportFamily {
    Current,
    TempHum,
    Temperature,
    FourProbe,
    Voltage,
    ThermoHygro,
    Light,
    Decibel
};

const ReportLayout &ReportLayoutOf(ReportFamily family);
// The report a model code gets; single codes are tested before families.
std::optional<ReportFamily> ReportFamilyFor(int model);

// Labels and limits of an alarm kind: (low label, high label) and the pair
// in the shown unit with its unit text.
struct AlarmRows {
    QString LowLabel, HighLabel;
    AlarmPair Limits;
    QString Unit;
};
AlarmRows AlarmRowsOf(AlarmKind kind);

// The time text of a sample, "" outside the record; with halfSecond the
// ".000"/".500" ending of half-second light records.
QString SampleTimeText(int sample, bool halfSecond = false);
// The same as a list column's text.
std::function<QString(int sample)> SampleTimeColumn(bool halfSecond = false);

// The texts of the ThermoHygro list: headings and one column of texts per
// heading, formatted ahead of painting.
void FormatThermoHygroColumns(QVector<QString> *headings, QVector<QString> (&columns)[5]);

#endif // EXPORT_REPORTPDFLAYOUTS_H
