#pragma once

#include "ConventionsLocales.h"

#include <string>

namespace amortix {

// Every rounding below works on the decimal value that a double shows with 15 significant
// digits, the precision a double holds reliably: 0.285 is a half at two decimals although its
// binary value lies a hair below it. The two roundings differ only on exact halves.

// Round2: two decimals, an exact half going to the even cent (2,345 gives 2,34; 2,355 gives 2,36).
double Round2(double x);

// The value of x written with a number of decimals and read back: a half goes away from zero
// (2,345 gives 2,35). This is what a text in format "0.00" stands for.
double ArrondiAffiche(double x, int decimales);

// x in format "0.00…" with the given number of decimals: at least one integer digit, the locale's
// decimal separator, no grouping, a half away from zero. A value that rounds to zero has no sign.
std::string FormateDecimales(double x, int decimales, const ConventionsLocales& conventions);

// Fmt2: the text of x in format "0.00". Fmt2Valeur is that text read back as a number.
inline std::string Fmt2(double x, const ConventionsLocales& conventions) {
    return FormateDecimales(x, 2, conventions);
}
inline double Fmt2Valeur(double x) {
    return ArrondiAffiche(x, 2);
}

// A fraction as a percentage: x × 100 with the given decimals, a space and "%" ("0.0000 %").
std::string FormatePourcentage(double x, int decimales, const ConventionsLocales& conventions);

} // namespace amortix
