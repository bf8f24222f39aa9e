#include "export/exportcontent.h"

#include "app/uartdatastore.h"

#include <algorithm>

namespace {

constexpr double NoValue = UartDataStore::MissingValue;
// The no-value mark converted to degrees Fahrenheit.
constexpr double NoValueFahrenheit = -868.0;

enum class Unit { None, Temperature, Light, Decibel, Millivolt, Milliamp };

QString UnitText(const UartDataStore &store, Unit unit)
{
    switch (unit) {
    case Unit::None: return QString();
    case Unit::Temperature: return store.TemperatureUnitLabel();
    case Unit::Light: return store.LightUnitLabel();
    case Unit::Decibel: return QStringLiteral("(dB)");
    case Unit::Millivolt: return QStringLiteral("(mV)");
    case Unit::Milliamp: return QStringLiteral("(mA)");
    }
    return QString();
}

// A Max/Min pair of header items. Labels whose unit is part of the
// translated text carry Unit::None.
struct QuantityEntry {
    ItemKind max;
    const char *maxLabel;
    const char *minLabel;
    Unit unit;
    ValuePair ExtremeSet::*pair;
    NumberFormat format;
};

const QuantityEntry Quantities[] = {
    {ItemKind::TemperatureMax, QT_TRANSLATE_NOOP("Thread", "Temperature Max"),
     QT_TRANSLATE_NOOP("Thread", "Temperature Min"), Unit::Temperature, &ExtremeSet::Temperature,
     F1},
    {ItemKind::HumidityMax, QT_TRANSLATE_NOOP("Thread", "Humidity Max(%RH):"),
     QT_TRANSLATE_NOOP("Thread", "Humidity Min(%RH):"), Unit::None, &ExtremeSet::Humidity,
     F1},
    {ItemKind::DewPointMax, QT_TRANSLATE_NOOP("Thread", "Dew Point Max"),
     QT_TRANSLATE_NOOP("Thread", "Dew Point Min"), Unit::Temperature, &ExtremeSet::DewPoint,
     F1},
    {ItemKind::WetBulbMax, QT_TRANSLATE_NOOP("Thread", "Wet Bulb Max"),
     QT_TRANSLATE_NOOP("Thread", "Wet Bulb Min"), Unit::Temperature, &ExtremeSet::WetBulb,
     F1},
    {ItemKind::ThermocoupleMax, QT_TRANSLATE_NOOP("Thread", "Thermocouple Max"),
     QT_TRANSLATE_NOOP("Thread", "Thermocouple Min"), Unit::Temperature,
     &ExtremeSet::Thermocouple, F1},
    {ItemKind::LightMax, QT_TRANSLATE_NOOP("Thread", "Light Max"),
     QT_TRANSLATE_NOOP("Thread", "Light Min"), Unit::Light, &ExtremeSet::Light, G6},
    {ItemKind::DecibelMax, QT_TRANSLATE_NOOP("Thread", "Decibel Max"),
     QT_TRANSLATE_NOOP("Thread", "Decibel Min"), Unit::Decibel, &ExtremeSet::Decibel,
     G6},
    {ItemKind::VoltageMax, QT_TRANSLATE_NOOP("Thread", "Voltage Max"),
     QT_TRANSLATE_NOOP("Thread", "Voltage Min"), Unit::Millivolt, &ExtremeSet::Voltage,
     F3},
    {ItemKind::CurrentMax, QT_TRANSLATE_NOOP("Thread", "Current Max"),
     QT_TRANSLATE_NOOP("Thread", "Current Min"), Unit::Milliamp, &ExtremeSet::Current,
     F3},
};

const QuantityEntry &QuantityOf(ItemKind max)
{
    return *std::find_if(std::begin(Quantities), std::end(Quantities),
                         [max](const QuantityEntry &entry) { return entry.max == max; });
}

struct ColumnEntry {
    ColumnKind kind;
    const char *word;
    Unit unit;
};

const ColumnEntry ColumnEntries[] = {
    {ColumnKind::Time, QT_TRANSLATE_NOOP("Thread", "Time"), Unit::None},
    {ColumnKind::Temperature, QT_TRANSLATE_NOOP("Thread", "Temperature"), Unit::Temperature},
    {ColumnKind::Humidity, QT_TRANSLATE_NOOP("Thread", "Humidity(%RH)"), Unit::None},
    {ColumnKind::DewPoint, QT_TRANSLATE_NOOP("Thread", "Dew Point"), Unit::Temperature},
    {ColumnKind::WetBulb, QT_TRANSLATE_NOOP("Thread", "Wet Bulb"), Unit::Temperature},
    {ColumnKind::Thermocouple, QT_TRANSLATE_NOOP("Thread", "Thermocouple"), Unit::Temperature},
    {ColumnKind::Probe0, QT_TRANSLATE_NOOP("Thread", "Temperature0"), Unit::Temperature},
    {ColumnKind::Probe1, QT_TRANSLATE_NOOP("Thread", "Temperature1"), Unit::Temperature},
    {ColumnKind::Probe2, QT_TRANSLATE_NOOP("Thread", "Temperature2"), Unit::Temperature},
    {ColumnKind::Probe3, QT_TRANSLATE_NOOP("Thread", "Temperature3"), Unit::Temperature},
    {ColumnKind::Light, QT_TRANSLATE_NOOP("Thread", "Light"), Unit::Light},
    {ColumnKind::Decibel, QT_TRANSLATE_NOOP("Thread", "Decibel"), Unit::Decibel},
    {ColumnKind::Voltage, QT_TRANSLATE_NOOP("Thread", "Voltage"), Unit::Millivolt},
    {ColumnKind::Current, QT_TRANSLATE_NOOP("Thread", "Current(mA)"), Unit::None},
};

const char *const Titles[] = {
    nullptr,
    QT_TRANSLATE_NOOP("Thread", "Logger Data"),   // FourProbe
    QT_TRANSLATE_NOOP("Thread", "Logger Data"),   // CurrentVoltage
    QT_TRANSLATE_NOOP("Thread", "Logger Data"),   // TempHum
    QT_TRANSLATE_NOOP("Thread", "Logger Data"),   // ThermoHygro
    QT_TRANSLATE_NOOP("Thread", "Light Data"),
    QT_TRANSLATE_NOOP("Thread", "Decibel Data"),
};

const char *const MeterNameLabel = QT_TRANSLATE_NOOP("Thread", "Meter Name:");
const char *const DeviceIDLabel = QT_TRANSLATE_NOOP("Thread", "Device ID:");
const char *const RecordNumberLabel = QT_TRANSLATE_NOOP("Thread", "Record Number:");
const char *const TimeLabel = QT_TRANSLATE_NOOP("Thread", "Time:");

// Does the item or column hold "-" for this model?
bool QuantityMissing(int model, ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Humidity:
    case ColumnKind::DewPoint: return ExportIsTemperatureOnly(model);
    case ColumnKind::Voltage: return model == 3709;
    case ColumnKind::Current: return model == 3710;
    default: return false;
    }
}

ColumnKind ColumnOfItem(ItemKind max)
{
    switch (max) {
    case ItemKind::HumidityMax: return ColumnKind::Humidity;
    case ItemKind::DewPointMax: return ColumnKind::DewPoint;
    case ItemKind::VoltageMax: return ColumnKind::Voltage;
    case ItemKind::CurrentMax: return ColumnKind::Current;
    default: return ColumnKind::Time;
    }
}

// The quantities of the header items (each a Max and a Min) and the columns
// after Time. The dew point of TempHum follows the setting; ThermoHygro
// always has it, and its thermocouple when the record holds one.
struct Layout {
    QVector<ItemKind> quantities;
    QVector<ColumnKind> columns;
};

Layout VariantLayout(ExportVariant variant, const UartDataStore &store)
{
    using I = ItemKind;
    using C = ColumnKind;
    switch (variant) {
    case ExportVariant::FourProbe:
        return {{I::TemperatureMax}, {C::Probe0, C::Probe1, C::Probe2, C::Probe3}};
    case ExportVariant::CurrentVoltage:
        return {{I::VoltageMax, I::CurrentMax}, {C::Voltage, C::Current}};
    case ExportVariant::TempHum:
        if (store.ShowDewPoint)
            return {{I::TemperatureMax, I::HumidityMax, I::DewPointMax},
                    {C::Temperature, C::Humidity, C::DewPoint}};
        return {{I::TemperatureMax, I::HumidityMax}, {C::Temperature, C::Humidity}};
    case ExportVariant::ThermoHygro: {
        Layout layout{{I::TemperatureMax, I::HumidityMax, I::DewPointMax, I::WetBulbMax},
                      {C::Temperature, C::Humidity, C::DewPoint, C::WetBulb}};
        if (store.HasThermocouple) {
            layout.quantities.append(I::ThermocoupleMax);
            layout.columns.append(C::Thermocouple);
        }
        return layout;
    }
    case ExportVariant::Light: return {{I::LightMax}, {C::Light}};
    case ExportVariant::Decibel: return {{I::DecibelMax}, {C::Decibel}};
    case ExportVariant::None: break;
    }
    return {};
}

} // namespace

ExportVariant ExportVariantFor(int model)
{
    const int family = model / 100;
    if (model == 4405 || model == 4425)
        return ExportVariant::FourProbe;
    if (model == 3709 || model == 3710)
        return ExportVariant::CurrentVoltage;
    if (family == 37 || model == 4421)
        return ExportVariant::TempHum;
    if (family == 44)
        return ExportVariant::ThermoHygro;
    if (family == 53)
        return ExportVariant::Light;
    if (family == 62)
        return ExportVariant::Decibel;
    return ExportVariant::None;
}

JobOutcome NoLayoutOutcome(int model)
{
    return JobOutcome::Nothing(
        ExportTr(QT_TRANSLATE_NOOP("Thread", "Records of model %1 have no export layout."))
            .arg(model));
}

void AppendRightAligned(QString &line, const QString &text, int width)
{
    static const char Blanks[] = "                                ";
    constexpr int BlankCount = sizeof(Blanks) - 1;
    for (int pad = width - text.size(); pad > 0; pad -= BlankCount)
        line.append(QLatin1String(Blanks, std::min(pad, BlankCount)));
    line.append(text);
}

bool ExportIsTemperatureOnly(int model)
{
    return model == 3701 || model == 3721 || model == 3707 || model == 4421;
}

ExportRange ExportRange::WholeRecord(const UartDataStore &store)
{
    return {0, store.Lognum, false};
}

ExportRange ExportRange::ShownSection(const UartDataStore &store)
{
    return {store.ShowStart, store.ShowEnd, true};
}

ExportContent::ExportContent(const UartDataStore &store, ExportRange range,
                             ContentDialect dialect)
    : Store(store)
    , Samples(range)
    , Dialect(dialect)
    , Kind(ExportVariantFor(store.RECModel))
    , Times(SampleTimeWriter::ForRecord(store))
{
    // Never read outside the samples the record holds, whatever range came.
    const int held = std::clamp(store.Lognum, 0, int(UartDataStore::MaxSamples));
    Samples.First = std::clamp(Samples.First, 0, held);
    Samples.End = std::clamp(Samples.End, Samples.First, held);
    if (IsEmpty())
        return;
    TitleText = ExportTr(Titles[int(Kind)]);
    AddItems();
    AddColumns();
}

void ExportContent::AddItems()
{
    HeaderItems.append({ItemKind::MeterName, ExportTr(MeterNameLabel), Store.RECMeterName});
    HeaderItems.append({ItemKind::DeviceID, ExportTr(DeviceIDLabel), Store.RECDeviceID});
    HeaderItems.append({ItemKind::RecordNumber, ExportTr(RecordNumberLabel),
                        QString::number(Samples.Count())});
    for (ItemKind max : VariantLayout(Kind, Store).quantities)
        AddQuantityItems(max);
    HeaderItems.append({ItemKind::Time, ExportTr(TimeLabel), TimeSpan()});
}

// The Max and the Min item of a quantity, from the whole record's extremes
// whatever the range.
void ExportContent::AddQuantityItems(ItemKind max)
{
    const QuantityEntry &entry = QuantityOf(max);
    const ValuePair pair = Store.ShownExtremes.*entry.pair;
    QString unit = UnitText(Store, entry.unit);
    if (!unit.isEmpty())
        unit += QLatin1Char(':');
    QString maxValue = NumberText(pair.Max, entry.format);
    QString minValue = NumberText(pair.Min, entry.format);
    if (QuantityMissing(Store.RECModel, ColumnOfItem(max))) {
        maxValue = minValue = QLatin1String(MissingQuantityText);
    } else if (max == ItemKind::ThermocoupleMax && Samples.Section && pair.Max == NoValue) {
        maxValue = minValue = QLatin1String(MissingSampleText);
    }
    HeaderItems.append({max, ExportTr(entry.maxLabel) + unit, maxValue});
    HeaderItems.append({ItemKind(int(max) + 1), ExportTr(entry.minLabel) + unit, minValue});
}

// First and last time of the range; an empty range has neither, and the
// item then names no time.
QString ExportContent::TimeSpan() const
{
    if (Samples.Count() <= 0)
        return QString();
    const QString join = Dialect == ContentDialect::Workbook ? QStringLiteral("--")
                                                             : QStringLiteral("\u2014\u2014");
    return Times.Text(Samples.First) + join + Times.Text(Samples.End - 1);
}

void ExportContent::AddColumns()
{
    AddColumn(ColumnKind::Time);
    for (ColumnKind kind : VariantLayout(Kind, Store).columns)
        AddColumn(kind);
}

void ExportContent::AddColumn(ColumnKind kind)
{
    const ColumnEntry &entry = ColumnEntries[int(kind)];
    ExportColumn column{kind, entry.word, ExportTr(entry.word), UnitText(Store, entry.unit)};
    column.Placeholder = QuantityMissing(Store.RECModel, kind);
    ColumnList.append(column);

    const bool text = Dialect == ContentDialect::Text;
    CellSource source;
    switch (kind) {
    case ColumnKind::Time: break;
    case ColumnKind::Temperature: source.values = Store.TempValue; break;
    case ColumnKind::Humidity: source.values = Store.Humidity; break;
    case ColumnKind::DewPoint: source.values = Store.DewPointValue; break;
    case ColumnKind::WetBulb: source.values = Store.WetBulbValue; break;
    case ColumnKind::Thermocouple:
        source.values = Store.ThermocoupleValue;
        source.raw = text ? Store.ThermocoupleRaw : nullptr;
        break;
    case ColumnKind::Light: source = {Store.LightValue, nullptr, G6}; break;
    case ColumnKind::Decibel: source = {Store.DecibelValue, nullptr, G6}; break;
    case ColumnKind::Voltage: source = {Store.Voltage, nullptr, F3}; break;
    case ColumnKind::Current: source = {Store.Current, nullptr, F3}; break;
    default: {   // the probes
        const int probe = int(kind) - int(ColumnKind::Probe0);
        const double max = Store.ProbeExtremes[probe].Max;
        source = {Store.ProbeValue[probe], text ? Store.ProbeRaw[probe] : nullptr,
                  G6};
        source.zero = !text && (max == NoValue || max == NoValueFahrenheit);
    }
    }
    Sources.append(source);
}

QString ExportContent::Cell(int sample, int column) const
{
    if (column == 0)
        return Times.Text(sample);
    if (ColumnList.at(column).Placeholder)
        return QLatin1String(MissingQuantityText);
    const CellSource &source = Sources.at(column);
    if (source.zero)
        return QStringLiteral("0");
    if (source.raw && source.raw[sample] == NoValue)
        return QLatin1String(MissingSampleText);
    return NumberText(source.values[sample], source.format);
}
