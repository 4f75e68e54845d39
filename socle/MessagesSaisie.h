#pragma once

#include "CalculEmprunt.h"
#include "CalculValeurManquante.h"

#include <optional>
#include <string>
#include <string_view>

namespace amortix {

// The main window's message for any failure of a computation (MessageSaisieIncorrecte) and
// MotifEchec live with the computation, in CalculEmprunt.h.

// The missing-value window's messages.
inline constexpr std::string_view MessageSaisieIncoherente =
    "Les informations saisies sont incomplètes, incorrectes ou incohérentes, veuillez les corriger.";
inline constexpr std::string_view MessageAucuneZoneVide =
    "Au moins une zone doit être vide pour que Amortix recherche la valeur manquante.";
inline constexpr std::string_view MessagePlusieursZonesVides =
    "Une seule zone doit être vide pour que Amortix recherche la valeur manquante.";

// What the missing-value window tells after a compute, if anything: why nothing was searched, why
// it failed, or how the solver adjusted the payment.
inline std::optional<std::string> MessageValeurManquante(const RechercheValeurManquante& recherche) {
    switch (recherche.issue) {
    case IssueValeurManquante::AucuneZoneVide:
        return std::string(MessageAucuneZoneVide);
    case IssueValeurManquante::PlusieursZonesVides:
        return std::string(MessagePlusieursZonesVides);
    case IssueValeurManquante::Echec:
        return std::string(MessageSaisieIncoherente);
    case IssueValeurManquante::Trouvee:
        break;
    }
    return recherche.message;
}

} // namespace amortix
