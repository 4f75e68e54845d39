#pragma once

#include "ConventionsLocales.h"

#include <chrono>
#include <optional>
#include <string>

namespace amortix {

// The latest date a schedule may reach.
inline constexpr std::chrono::year AnneeMaximale{9999};

// Day `jour` of the month that lies `mois` months after (annee, moisDepart), or that month's last
// day when it is shorter: the 31st gives 30 April, 28 or 29 February and comes back in long months.
// Nothing past 31/12/9999.
std::optional<std::chrono::year_month_day>
DateEcheance(std::chrono::year annee, std::chrono::month moisDepart, std::chrono::day jour, long long mois);

// The date as AAAA-MM-JJ, whatever the locale: files and JSON.
std::string FormateDateIso(const std::chrono::year_month_day& date);

// The date in the locale's short format, with a four-digit year.
std::string FormateDateCourte(const std::chrono::year_month_day& date, const ConventionsLocales& conventions);

} // namespace amortix
