#include "app/modelfamily.h"

namespace {

using C = RecordColumn;
using B = BlockPair;

const QVector<BlockPair> TempHumBlock = {B::TemperatureExtremes, B::HumidityExtremes,
                                         B::TemperatureAlarm, B::HumidityAlarm};

const ModelLayout Decibel{"Decibel", {C::Decibel}, {B::DecibelExtremes, B::DecibelAlarm}};
const ModelLayout Light{"Light", {C::Light}, {B::LightExtremes, B::LightAlarm}};
const ModelLayout Current{"Current", {C::Current}, {B::CurrentExtremes, B::CurrentAlarm}};
const ModelLayout Voltage{"Voltage", {C::Voltage}, {B::VoltageExtremes, B::VoltageAlarm}};
const ModelLayout Temperature{"Temperature",
                              {C::Temperature},
                              {B::TemperatureExtremes, B::TemperatureAlarm}};
const ModelLayout TempHumInt{"TempHum", {C::Temperature, C::Humidity, C::IntChannel}, TempHumBlock};
const ModelLayout TempHum{"TempHum", {C::Temperature, C::Humidity}, TempHumBlock};
const ModelLayout FourProbe{"FourProbe",
                            {C::Probe1, C::Probe2, C::Probe3, C::Probe4},
                            {B::TemperatureExtremes, B::TemperatureAlarm}};
const ModelLayout ThermoHygroTc{"ThermoHygro",
                                {C::Temperature, C::Humidity, C::Thermocouple},
                                TempHumBlock};
const ModelLayout ThermoHygro{"ThermoHygro", {C::Temperature, C::Humidity}, TempHumBlock};

struct SingleCode {
    int model;
    const ModelLayout *layout;
};

const SingleCode SingleCodes[] = {
    {3701, &Temperature}, {3707, &Temperature}, {3721, &Temperature},
    {3708, &TempHumInt},  {3709, &Current},     {3710, &Voltage},
    {4405, &FourProbe},   {4425, &FourProbe},
    {4423, &ThermoHygroTc}, {4426, &ThermoHygroTc}, {4428, &ThermoHygroTc},
};

struct FamilyCode {
    int family;
    const ModelLayout *layout;
};

const FamilyCode Families[] = {
    {62, &Decibel}, {53, &Light}, {37, &TempHum}, {44, &ThermoHygro},
};

} // namespace

const ModelLayout *LayoutForModel(int model)
{
    for (const SingleCode &code : SingleCodes) {
        if (code.model == model)
            return code.layout;
    }
    // Model codes have four digits; anything else is no meter of ours even
    // if its quotient happens to match a family.
    if (model < 1000 || model > 9999)
        return nullptr;
    for (const FamilyCode &family : Families) {
        if (family.family == model / 100)
            return family.layout;
    }
    return nullptr;
}

bool ModelRecordsHumidity(int model)
{
    const ModelLayout *layout = LayoutForModel(model);
    return layout && layout->Records(RecordColumn::Humidity);
}

bool ModelRecordsThermocouple(int model)
{
    const ModelLayout *layout = LayoutForModel(model);
    return layout && layout->Records(RecordColumn::Thermocouple);
}

bool ModelRecordsProbes(int model)
{
    const ModelLayout *layout = LayoutForModel(model);
    return layout && layout->Records(RecordColumn::Probe1);
}

bool ModelRecordsTemperatureOnly(int model)
{
    const ModelLayout *layout = LayoutForModel(model);
    return layout && layout->columns == QVector<RecordColumn>{RecordColumn::Temperature};
}

bool ModelIsKnown(int model)
{
    return LayoutForModel(model) != nullptr;
}
