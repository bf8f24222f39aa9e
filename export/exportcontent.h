#ifndef EXPORTCONTENT_H
#define EXPORTCONTENT_H

// What every file export of a record says, whatever its format: the title,
// the header items (meter name, device ID, number of samples, the maximum and
// minimum of each quantity, the time span), the column titles and one row of
// cells per sample of a range. The CSV, TXT, PDF-text and workbook writers
// all render this one content in their own layout; none of them computes a
// value, a number format or a missing-value text of its own.
//
//     const ExportContent content(UartData, ExportRange::WholeRecord(UartData));
//     if (content.IsEmpty()) ...                  // no layout for this model
//     write(content.Title());
//     for (const HeaderItem &item : content.Items()) write(item.Text());
//     for (int i = content.Range().First; i < content.Range().End; ++i)
//         for (int c = 0; c < content.Columns().size(); ++c) write(content.Cell(i, c));
//
// Cells are made on demand, one at a time, so a writer that streams holds one
// row, never the whole record. Texts are translated in the context "Thread";
// unit texts are appended untranslated. Numbers always use "." and no group
// separators.

#include "app/textformat.h"
#include "export/joboutcome.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

class UartDataStore;

inline QString ExportTr(const char *text)
{
    return QCoreApplication::translate("Thread", text);
}

// Appends text right-aligned in a field of the given width, blanks on its
// left; a text as long as the width or longer is appended whole.
void AppendRightAligned(QString &line, const QString &text, int width);

// A quantity this model does not record, and a sample without a value.
inline constexpr char MissingQuantityText[] = "-";
inline constexpr char MissingSampleText[] = "----";

// The layout a record gets, chosen by its model code.
enum class ExportVariant { None, FourProbe, CurrentVoltage, TempHum, ThermoHygro, Light, Decibel };

ExportVariant ExportVariantFor(int model);
// What a writer reports for a model without a layout: nothing was written.
JobOutcome NoLayoutOutcome(int model);
// The loggers that record temperature alone: their humidity and dew point are
// written "-".
bool ExportIsTemperatureOnly(int model);

// A half-open range of sample indexes. The shown section reads ShowStart and
// ShowEnd once, here, on the GUI thread when its export is asked for; a
// writer keeps the range it was given.
struct ExportRange {
    int First = 0;
    int End = 0;
    bool Section = false;   // the section shown in the data list

    static ExportRange WholeRecord(const UartDataStore &store);
    static ExportRange ShownSection(const UartDataStore &store);
    int Count() const { return End - First; }
};

// How the cells of a sample without a value are written. Text files write
// "----" and join the Time item with "——". Workbooks keep numbers in number
// columns: such a cell is written as the number held, a probe whose maximum
// is the no-value mark is written 0 in every row, and the Time item is joined
// with "--".
enum class ContentDialect { Text, Workbook };

// Each quantity's Min follows its Max.
enum class ItemKind {
    MeterName, DeviceID, RecordNumber,
    TemperatureMax, TemperatureMin, HumidityMax, HumidityMin, DewPointMax, DewPointMin,
    WetBulbMax, WetBulbMin, ThermocoupleMax, ThermocoupleMin, LightMax, LightMin,
    DecibelMax, DecibelMin, VoltageMax, VoltageMin, CurrentMax, CurrentMin,
    Time,
};

struct HeaderItem {
    ItemKind Kind;
    QString Label;   // translated, with its unit and colon: "Temperature Max(℃):"
    QString Value;   // "21.6", "-", "----", the time span
    QString Text() const { return Label + Value; }
};

enum class ColumnKind {
    Time, Temperature, Humidity, DewPoint, WetBulb, Thermocouple,
    Probe0, Probe1, Probe2, Probe3, Light, Decibel, Voltage, Current,
};

struct ExportColumn {
    ColumnKind Kind;
    const char *Source;   // untranslated word: "Time", "Humidity(%RH)", "Dew Point"
    QString Word;         // the word translated
    QString Unit;         // "(℃)", "(Lux)", "(dB)"; empty when the word holds it
    bool Placeholder = false;   // a quantity the model does not record: "-" in every row
    QString Title() const { return Word + Unit; }
};

class ExportContent
{
public:
    ExportContent(const UartDataStore &store, ExportRange range,
                  ContentDialect dialect = ContentDialect::Text);

    // No layout for the record's model: no title, items, columns or rows.
    bool IsEmpty() const { return Kind == ExportVariant::None; }
    ExportVariant Variant() const { return Kind; }
    ExportRange Range() const { return Samples; }
    QString Title() const { return TitleText; }
    const QVector<HeaderItem> &Items() const { return HeaderItems; }
    // Time first, then the variant's columns.
    const QVector<ExportColumn> &Columns() const { return ColumnList; }
    // The text of one column for sample index `sample` of the range.
    QString Cell(int sample, int column) const;

private:
    struct CellSource {
        const double *values = nullptr;
        const double *raw = nullptr;   // the no-value mark is looked for here
        NumberFormat format = F1;
        bool zero = false;             // an absent probe in a workbook
    };

    void AddItems();
    void AddColumns();
    void AddColumn(ColumnKind kind);
    void AddQuantityItems(ItemKind max);
    QString TimeSpan() const;

    const UartDataStore &Store;
    ExportRange Samples;
    ContentDialect Dialect;
    ExportVariant Kind;
    SampleTimeWriter Times;
    QString TitleText;
    QVector<HeaderItem> HeaderItems;
    QVector<ExportColumn> ColumnList;
    QVector<CellSource> Sources;
};

#endif // EXPORTCONTENT_H
