#ifndef RECORDSTATISTICS_H
#define RECORDSTATISTICS_H

// Statistics of the record held in the data store, always over the whole
// record (samples 0..Lognum-1), never only the shown range: per channel the
// (max, min) pair, the index of the first sample that reaches each and the
// average. A later sample replaces an extreme only when it is strictly
// greater or smaller, so the first occurrence wins.

class UartDataStore;

// Decibel channel (decibel meter records).
void ComputeDecibelStatistics(UartDataStore &store);
// Temperature, humidity, dew point, wet bulb, thermocouple and integer channel
// (logger records of families 37 and 44).
void ComputeLoggerStatistics(UartDataStore &store);
// Light, current and voltage records.
void ComputeLightStatistics(UartDataStore &store);
void ComputeCurrentStatistics(UartDataStore &store);
void ComputeVoltageStatistics(UartDataStore &store);
// Probes T1..T4, and ProbeEnabled: a probe is present when at least one of
// its recorded samples holds a value. Like every routine here it ends by
// refreshing the second copy of the extremes.
void ComputeProbeStatistics(UartDataStore &store);
// The second copy of the extremes that the exports read.
void CopyExtremes(UartDataStore &store);

#endif // RECORDSTATISTICS_H
