#pragma once

#include "ConventionsLocales.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace amortix {

// The text without the blanks around it (spaces, tabs and the no-break spaces that locales use).
std::string_view SansBlancs(std::string_view texte);

bool EstVide(std::string_view texte);

// A decimal number in the locale: blanks around it, an optional sign in front, digits grouped by
// threes with the locale's group separator if at all, the locale's decimal separator. Exponents,
// another separator, infinities and anything else are refused. Nothing is returned for a text that
// is not such a number or whose value lies beyond the range of a double.
std::optional<double> LitDecimal(std::string_view texte, const ConventionsLocales& conventions);

// The same syntax, taken to the nearest signed 32-bit integer, an exact half going to the even one
// (12,5 gives 12 and 13,5 gives 14). Nothing is returned outside the 32-bit range.
std::optional<std::int32_t> LitEntier(std::string_view texte, const ConventionsLocales& conventions);

} // namespace amortix
