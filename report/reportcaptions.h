#ifndef REPORTCAPTIONS_H
#define REPORTCAPTIONS_H

// Labels and headings of the summary reports, translated in the main
// window's context when a report is built (MainTr). Channel names and the
// list headers shared with the data list and the chart are in
// view/captions.h.

#include "view/captions.h"

namespace ReportCaption {
inline constexpr const char *SummaryReport = QT_TRANSLATE_NOOP("MainWindow", "Summary Report");
inline constexpr const char *LightMeterReport = QT_TRANSLATE_NOOP("MainWindow", "Light Meter Report");
inline constexpr const char *CreateTime = QT_TRANSLATE_NOOP("MainWindow", "Create Time:");
inline constexpr const char *DeviceInformation = QT_TRANSLATE_NOOP("MainWindow", "Device Information");
inline constexpr const char *DataSummary = QT_TRANSLATE_NOOP("MainWindow", "Data Summary");
inline constexpr const char *DataChart = QT_TRANSLATE_NOOP("MainWindow", "Data Chart");
inline constexpr const char *DataList = QT_TRANSLATE_NOOP("MainWindow", "Data List");
inline constexpr const char *MeterName = QT_TRANSLATE_NOOP("MainWindow", "Meter Name:");
inline constexpr const char *DeviceID = QT_TRANSLATE_NOOP("MainWindow", "Device ID:");
inline constexpr const char *SamplingRate = QT_TRANSLATE_NOOP("MainWindow", "Sampling Rate:");
inline constexpr const char *RecordingTime = QT_TRANSLATE_NOOP("MainWindow", "Recording Time:");
inline constexpr const char *StartMode = QT_TRANSLATE_NOOP("MainWindow", "Start Mode:");
inline constexpr const char *TotalRecord = QT_TRANSLATE_NOOP("MainWindow", "Total Record:");
inline constexpr const char *StartTime = QT_TRANSLATE_NOOP("MainWindow", "Start Time:");
inline constexpr const char *EndTime = QT_TRANSLATE_NOOP("MainWindow", "End Time:");
inline constexpr const char *StatisticsHeader[6] = {
    QT_TRANSLATE_NOOP("MainWindow", "Label"),
    QT_TRANSLATE_NOOP("MainWindow", "Maximum Value"),
    QT_TRANSLATE_NOOP("MainWindow", "Maximum Value Time"),
    QT_TRANSLATE_NOOP("MainWindow", "Minimum Value"),
    QT_TRANSLATE_NOOP("MainWindow", "Minimum Value Time"),
    QT_TRANSLATE_NOOP("MainWindow", "Average"),
};
inline constexpr const char *LowDecibelAlarm = QT_TRANSLATE_NOOP("MainWindow", "Low Alarm(Decibel):");
inline constexpr const char *HighDecibelAlarm = QT_TRANSLATE_NOOP("MainWindow", "High Alarm(Decibel):");
inline constexpr const char *LowTemperatureAlarm = QT_TRANSLATE_NOOP("MainWindow", "Low Alarm(Temperature):");
inline constexpr const char *HighTemperatureAlarm = QT_TRANSLATE_NOOP("MainWindow", "High Alarm(Temperature):");
inline constexpr const char *LowHumidityAlarm = QT_TRANSLATE_NOOP("MainWindow", "Low Alarm(Humidity):");
inline constexpr const char *HighHumidityAlarm = QT_TRANSLATE_NOOP("MainWindow", "High Alarm(Humidity):");
inline constexpr const char *LowCurrentAlarm = QT_TRANSLATE_NOOP("MainWindow", "Low Alarm(Current):");
inline constexpr const char *HighCurrentAlarm = QT_TRANSLATE_NOOP("MainWindow", "High Alarm(Current):");
inline constexpr const char *LowVoltageAlarm = QT_TRANSLATE_NOOP("MainWindow", "Low Alarm(Voltage):");
inline constexpr const char *HighVoltageAlarm = QT_TRANSLATE_NOOP("MainWindow", "High Alarm(Voltage):");
inline constexpr const char *LowLightAlarm = QT_TRANSLATE_NOOP("MainWindow", "Low Alarm(Light):");
inline constexpr const char *HighLightAlarm = QT_TRANSLATE_NOOP("MainWindow", "High Alarm(Light):");
} // namespace ReportCaption

#endif // REPORTCAPTIONS_H
