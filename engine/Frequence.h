#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace amortix {

// The entries of the frequency list, in list order; the duration is counted in these periods.
inline constexpr std::array<std::string_view, 4> LibellesEcheance = {"mois", "trimestres", "semestres", "ans"};

struct Frequence {
    int periodesParAn = 12; // k
    int moisParPeriode = 1; // m
};

// The frequency of a list entry; nothing for an index outside the list (no selection).
std::optional<Frequence> FrequenceDeLIndex(int index);

// k for a list entry: 12, 4, 2 or 1, and 0 when nothing is selected.
int RetourneTypeEcheance(int index);

} // namespace amortix
