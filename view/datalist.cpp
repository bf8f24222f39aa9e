#include "view/datalist.h"

#include "view/captions.h"

#include "app/modelfamily.h"
#include "app/textformat.h"
#include "app/uartdatastore.h"

QString ListColumn::Text(int sample) const
{
    if (Raw && Raw[sample] == UartDataStore::MissingValue)
        return QStringLiteral("----");
    return NumberText(Values[sample], Format);
}

ListKind ListKindFor(int model)
{
    const int family = UartDataStore::Family(model);
    if (family == 62)
        return ListKind::Decibel;
    if (family == 37 && model != 3709 && model != 3710)
        return ListKind::Logger;
    if (ModelRecordsProbes(model) || model == 3709 || model == 3710 || family == 44 || family == 53)
        return ListKind::Channel;
    return ListKind::None;
}

QVector<ListColumn> DecibelListColumns(const UartDataStore &s)
{
    return {{MainTr(Caption::DecibelAxis), s.DecibelValue}};
}

QVector<ListColumn> LoggerListColumns(const UartDataStore &s)
{
    const QString unit = s.TemperatureUnitLabel();
    QVector<ListColumn> columns {{MainTr(Caption::Temperature) + unit, s.TempValue}};
    // Decided by the record's own model code: a record opened from a file has
    // no connected meter whose model index could tell.
    if (ModelRecordsTemperatureOnly(s.RECModel))
        return columns;
    columns.append({MainTr(Caption::HumidityList), s.Humidity});
    columns.append({MainTr(Caption::DewPoint) + unit, s.DewPointValue});
    return columns;
}

QVector<ListColumn> ChannelListColumns(const UartDataStore &s)
{
    const int model = s.RECModel;
    const QString unit = s.TemperatureUnitLabel();
    if (ModelRecordsProbes(model)) {
        QVector<ListColumn> columns;
        for (int k = 0; k < UartDataStore::ProbeCount; ++k)
            columns.append(
                {MainTr(Caption::Probes[k]) + unit, s.ProbeValue[k], s.ProbeRaw[k]});
        return columns;
    }
    if (model == 3709)
        return {{MainTr(Caption::CurrentAxis), s.Current, nullptr, F3}};
    if (model == 3710)
        return {{MainTr(Caption::VoltageAxis), s.Voltage, nullptr, F3}};
    if (UartDataStore::Family(model) == 53)
        return {{MainTr(Caption::Light) + s.LightUnitLabel(), s.LightValue, nullptr,
                 s.AltUnit ? F2 : F1}};

    // Family 44: a missing reading is marked rather than listed as a number.
    QVector<ListColumn> columns {{MainTr(Caption::Temperature) + unit, s.TempValue, s.TempRaw},
                                 {MainTr(Caption::HumidityList), s.Humidity}};
    if (s.ShowDewPoint)
        columns.append({MainTr(Caption::DewPoint) + unit, s.DewPointValue, s.TempRaw});
    columns.append({MainTr(Caption::WetBulb) + unit, s.WetBulbValue, s.TempRaw});
    if (ModelRecordsThermocouple(model))
        columns.append(
            {MainTr(Caption::Thermocouple) + unit, s.ThermocoupleValue, s.ThermocoupleRaw});
    return columns;
}
