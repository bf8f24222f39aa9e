#include "app/derivedquantities.h"

#include <cmath>

namespace Quantities {

namespace {

double UsableHumidity(double humidityPercent)
{
    return humidityPercent > MinimumHumidity ? humidityPercent : MinimumHumidity;
}

} // namespace

// Magnus formula with Sonntag's constants over water (b = 17.62,
// c = 243.12 deg C): gamma = ln(RH/100) + b*T/(c+T), Td = c*gamma/(b-gamma).
double DewPoint(double celsius, double humidityPercent)
{
    if (celsius == MissingCelsius)
        return MissingCelsius;
    const double b = 17.62;
    const double c = 243.12;
    const double gamma = std::log(UsableHumidity(humidityPercent) / 100.0)
                         + b * celsius / (c + celsius);
    return c * gamma / (b - gamma);
}

// Stull's empirical fit (2011, J. Appl. Meteor. Climatol. 50, 2267-2269) for
// sea-level pressure, with RH in percent:
//   Tw = T atan(0.151977 (RH + 8.313659)^1/2) + atan(T + RH) - atan(RH - 1.676331)
//        + 0.00391838 RH^3/2 atan(0.023101 RH) - 4.686035
// It is within about 1 deg C for 5..99 % and -20..50 deg C.
double WetBulb(double celsius, double humidityPercent)
{
    if (celsius == MissingCelsius)
        return MissingCelsius;
    const double rh = UsableHumidity(humidityPercent);
    return celsius * std::atan(0.151977 * std::sqrt(rh + 8.313659))
           + std::atan(celsius + rh) - std::atan(rh - 1.676331)
           + 0.00391838 * std::pow(rh, 1.5) * std::atan(0.023101 * rh) - 4.686035;
}

} // namespace Quantities
