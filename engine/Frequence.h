#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace amortix {

// How often the payments fall; the duration is counted in these periods, not in months.
enum class Frequence { Mois, Trimestres, Semestres, Ans };

// The frequencies in the order of the frequency list (entries 0 to 3, as loan documents store them).
inline constexpr std::array<Frequence, 4> Frequences = {Frequence::Mois, Frequence::Trimestres,
                                                        Frequence::Semestres, Frequence::Ans};

int PeriodesParAn(Frequence frequence);  // k: 12, 4, 2, 1
int MoisParPeriode(Frequence frequence); // m: 1, 3, 6, 12
// The entry of the frequency list, also the unit word of the duration: "mois" … "ans".
std::string_view LibelleEcheance(Frequence frequence);
// The word of the workbook's summary, where a year is "années".
std::string_view MotClasseur(Frequence frequence);

// The list entry of a frequency, and back; nothing for an index outside the list.
int IndexDe(Frequence frequence);
std::optional<Frequence> FrequenceDeLIndex(int index);

} // namespace amortix
