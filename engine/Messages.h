#pragma once

#include <string_view>

namespace amortix {

inline constexpr std::string_view TitreApplication = "Amortix";

// The main window's message for any failure of a computation.
inline constexpr std::string_view MessageSaisieIncorrecte =
    "Les informations saisies sont incomplètes ou incorrectes, veuillez les corriger.";

// The missing-value window's messages.
inline constexpr std::string_view MessageSaisieIncoherente =
    "Les informations saisies sont incomplètes, incorrectes ou incohérentes, veuillez les corriger.";
inline constexpr std::string_view MessageAucuneZoneVide =
    "Au moins une zone doit être vide pour que Amortix recherche la valeur manquante.";
inline constexpr std::string_view MessagePlusieursZonesVides =
    "Une seule zone doit être vide pour que Amortix recherche la valeur manquante.";

inline constexpr std::string_view TitreDetailsTEG = "Détails TEG";

} // namespace amortix
