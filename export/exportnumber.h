#ifndef EXPORTNUMBER_H
#define EXPORTNUMBER_H

// The number formats of the exports, with "." as decimal point and no group
// separators whatever the locale:
//   F1, F3  fixed notation with 1 or 3 decimals: 21.56 -> "21.6", 4.5 -> "4.500"
//   G6      general notation with 6 significant digits, trailing zeros
//           dropped, exponent form below 1e-4 and from 1e6: 80 -> "80",
//           0.25 -> "0.25", 2500000 -> "2.5e+06"
// The texts are those of QString::number(value, 'f', 1), ('f', 3) and
// ('g', 6), halves rounded away from zero as it does, made several times
// faster: a 70000-row export writes some hundred thousand numbers.

#include <QString>

namespace ExportNumber {
QString F1(double value);
QString F3(double value);
QString G6(double value);
} // namespace ExportNumber

#endif // EXPORTNUMBER_H
