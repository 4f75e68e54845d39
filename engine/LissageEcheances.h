#pragma once

#include "ConventionsLocales.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace amortix {

// A smoothed loan pays, each period t, a level C less what the other loans of its plan pay then,
// S_t (insurance excluded, 0 once they have ended), so that the plan's total stays C.

// C for a loan of `montant` at `tauxAnnuel` over `duree` periods (k a year):
//     C = (M0 + Σ S_t v^t) / Σ v^t, t = 1 … n0, with v = 1 / (1 + r0 / k), v = 1 at 0 %;
// rounded to the cent.
double PalierLissage(double montant, double tauxAnnuel, int periodesParAn, std::span<const double> autres,
                     std::int32_t duree);

// No plan runs longer than the calendar's monthly rows: a stored smoothing longer than this is refused
// before anything is reserved for it.
inline constexpr std::size_t PeriodesLissageMaximales = 120'000;

// The S_t as a document keeps them: each amount in `conventions`, repeated runs as "amount*count",
// separated by ";" ("166,67*239;165,87"), the zeros after the last other loan left out.
std::string TexteLissage(std::span<const double> autres, const ConventionsLocales& conventions);

// The S_t of such a text; nothing when it is not one, holds a negative amount or runs past
// PeriodesLissageMaximales.
std::optional<std::vector<double>> LitLissage(const std::string& texte,
                                              const ConventionsLocales& conventions);

} // namespace amortix
