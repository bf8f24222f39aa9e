#ifndef CAPTIONS_H
#define CAPTIONS_H

// Captions of the data list, the charts and the reports, translated in the main window's
// context. The literals are marked with QT_TRANSLATE_NOOP so the translation
// tools find them; MainTr translates one when it is shown.

#include <QCoreApplication>
#include <QString>

inline QString MainTr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

namespace Caption {
// The first two columns of the data list and of the reports' lists.
inline constexpr const char *Number = QT_TRANSLATE_NOOP("MainWindow", "No.");
inline constexpr const char *Time = QT_TRANSLATE_NOOP("MainWindow", "Time");
inline constexpr const char *Decibel = QT_TRANSLATE_NOOP("MainWindow", "Decibel");
inline constexpr const char *DecibelAxis = QT_TRANSLATE_NOOP("MainWindow", "Decibel(dB)");
inline constexpr const char *Light = QT_TRANSLATE_NOOP("MainWindow", "Light");
inline constexpr const char *FootCandles = QT_TRANSLATE_NOOP("MainWindow", "(FC)");
inline constexpr const char *Lux = QT_TRANSLATE_NOOP("MainWindow", "(Lux)");
inline constexpr const char *Current = QT_TRANSLATE_NOOP("MainWindow", "Current");
inline constexpr const char *CurrentAxis = QT_TRANSLATE_NOOP("MainWindow", "Current(mA)");
inline constexpr const char *Voltage = QT_TRANSLATE_NOOP("MainWindow", "Voltage");
inline constexpr const char *VoltageAxis = QT_TRANSLATE_NOOP("MainWindow", "Voltage(mV)");
inline constexpr const char *Temperature = QT_TRANSLATE_NOOP("MainWindow", "Temperature");
inline constexpr const char *Humidity = QT_TRANSLATE_NOOP("MainWindow", "Humidity");
inline constexpr const char *HumidityAxis = QT_TRANSLATE_NOOP("MainWindow", "Humidity(%)");
inline constexpr const char *DewPoint = QT_TRANSLATE_NOOP("MainWindow", "Dew Point");
inline constexpr const char *WetBulb = QT_TRANSLATE_NOOP("MainWindow", "Wet Bulb");
inline constexpr const char *Thermocouple = QT_TRANSLATE_NOOP("MainWindow", "Thermocouple");
inline constexpr const char *HighAlarm = QT_TRANSLATE_NOOP("MainWindow", "High ALM Line");
inline constexpr const char *LowAlarm = QT_TRANSLATE_NOOP("MainWindow", "Low ALM Line");
inline constexpr const char *HighTemperatureAlarm = QT_TRANSLATE_NOOP("MainWindow", "High T ALM Line");
inline constexpr const char *LowTemperatureAlarm = QT_TRANSLATE_NOOP("MainWindow", "Low T ALM Line");
inline constexpr const char *HighHumidityAlarm = QT_TRANSLATE_NOOP("MainWindow", "High H ALM Line");
inline constexpr const char *LowHumidityAlarm = QT_TRANSLATE_NOOP("MainWindow", "Low H ALM Line");
inline constexpr const char *Probes[4] = {
    QT_TRANSLATE_NOOP("MainWindow", "T1"), QT_TRANSLATE_NOOP("MainWindow", "T2"),
    QT_TRANSLATE_NOOP("MainWindow", "T3"), QT_TRANSLATE_NOOP("MainWindow", "T4")};
// The probes' lines of the hover read-out.
inline constexpr const char *ProbeReadouts[4] = {
    QT_TRANSLATE_NOOP("MainWindow", "T1:"), QT_TRANSLATE_NOOP("MainWindow", "T2:"),
    QT_TRANSLATE_NOOP("MainWindow", "T3:"), QT_TRANSLATE_NOOP("MainWindow", "T4:")};
inline constexpr const char *HumidityList = QT_TRANSLATE_NOOP("MainWindow", "Humidity(%RH)");
} // namespace Caption

#endif // CAPTIONS_H
