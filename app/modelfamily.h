#ifndef MODELFAMILY_H
#define MODELFAMILY_H

// What a record of each model code holds: the value columns of a sample row
// and the pairs of the extremes-and-alarms block. The record file writer and
// reader, the unit conversion and the sample generator all take this one
// table, so a model's channels are decided in a single place.

#include <QVector>

// One recorded value of a sample row, in the order the rows store them.
enum class RecordColumn {
    Temperature,   // TempRaw, degrees Celsius
    Humidity,      // percent
    IntChannel,    // 32-bit integer
    Thermocouple,  // ThermocoupleRaw, degrees Celsius
    Probe1,        // ProbeRaw[0..3], degrees Celsius
    Probe2,
    Probe3,
    Probe4,
    Decibel,       // dB
    Light,         // LightRaw, lux
    Current,       // mA
    Voltage,       // mV
};
constexpr int RecordColumnCount = int(RecordColumn::Voltage) + 1;

// One pair of doubles of the block that follows the header, named by what
// it holds. Extremes are (max, min) in the recorded unit; alarm limits are
// (low, high), except current and voltage which are stored (high, low).
enum class BlockPair {
    TemperatureExtremes,
    HumidityExtremes,
    DecibelExtremes,
    LightExtremes,
    CurrentExtremes,
    VoltageExtremes,
    TemperatureAlarm,
    HumidityAlarm,
    DecibelAlarm,
    LightAlarm,
    CurrentAlarm,
    VoltageAlarm,
};

struct ModelLayout {
    const char *kind;   // Decibel, Light, Current, Voltage, Temperature, TempHum,
                        // FourProbe or ThermoHygro
    QVector<RecordColumn> columns;
    QVector<BlockPair> block;

    bool Records(RecordColumn column) const { return columns.contains(column); }
};

// The layout of a model code, or nullptr for a code no meter of ours uses.
// Single codes are tested before their families.
const ModelLayout *LayoutForModel(int model);

bool ModelRecordsHumidity(int model);
bool ModelRecordsThermocouple(int model);
// The four-probe loggers (probes T1..T4) and the loggers that record
// temperature alone.
bool ModelRecordsProbes(int model);
bool ModelRecordsTemperatureOnly(int model);
bool ModelIsKnown(int model);

#endif // MODELFAMILY_H
