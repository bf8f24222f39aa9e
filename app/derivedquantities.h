#ifndef DERIVEDQUANTITIES_H
#define DERIVEDQUANTITIES_H

// Quantities derived from recorded values: the alternate display units and
// the dew point and wet-bulb temperature of humid air.
//
// Every temperature function passes the missing-value mark through: a
// recorded -500.0 stays a missing value (shown in degrees Fahrenheit it reads
// -868.0, which the lists and reports recognise as well).

namespace Quantities {

constexpr double MissingCelsius = -500.0;
constexpr double LuxPerFootCandle = 10.7639;

// Humidity at or below zero has no dew point (the logarithm diverges). Such
// readings are taken as this small positive humidity, the resolution of the
// loggers' sensors, so the result stays finite.
constexpr double MinimumHumidity = 0.1;

inline double CelsiusToFahrenheit(double celsius) { return celsius * 1.8 + 32.0; }
inline double FahrenheitToCelsius(double fahrenheit) { return (fahrenheit - 32.0) / 1.8; }
inline double LuxToFootCandles(double lux) { return lux / LuxPerFootCandle; }
inline double FootCandlesToLux(double footCandles) { return footCandles * LuxPerFootCandle; }

// A temperature as recorded (degrees Celsius) in the shown unit, and back.
inline double TemperatureToShown(double celsius, bool fahrenheit)
{
    return fahrenheit ? CelsiusToFahrenheit(celsius) : celsius;
}
inline double TemperatureToRecorded(double shown, bool fahrenheit)
{
    return fahrenheit ? FahrenheitToCelsius(shown) : shown;
}

// Light as recorded (lux) in the shown unit, and back.
inline double LightToShown(double lux, bool footCandles)
{
    return footCandles ? LuxToFootCandles(lux) : lux;
}
inline double LightToRecorded(double shown, bool footCandles)
{
    return footCandles ? FootCandlesToLux(shown) : shown;
}

// Dew point in degrees Celsius from the air temperature (degrees Celsius) and
// the relative humidity (percent). MissingCelsius in gives MissingCelsius out.
double DewPoint(double celsius, double humidityPercent);

// Wet-bulb temperature in degrees Celsius, same arguments and missing rule.
double WetBulb(double celsius, double humidityPercent);

} // namespace Quantities

#endif // DERIVEDQUANTITIES_H
