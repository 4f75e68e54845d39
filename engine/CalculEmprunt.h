#pragma once

#include "SaisieEmprunt.h"
#include "TableauAmortissement.h"
#include "TauxEffectifGlobal.h"

#include <optional>
#include <string>
#include <string_view>

namespace amortix {

// Everything one computation of the main window shows, in the order it shows it: the rewritten
// fields, the rows and costs, then the effective rate. On a failure, what was produced before it
// stays; the window then shows its failure message.
struct EmpruntCalcule {
    bool lu = false;      // the fields were read, and so rewritten
    SaisieEmprunt champs; // the fields afterwards
    std::optional<ParametresEmprunt> parametres;
    TableauAmortissement tableau; // rows listed; costs once complete
    std::optional<TauxEffectif> teg;
    std::optional<TextesTEG> textesTEG; // only when the search succeeded
    std::string tegAffiche;             // the text beside the rate and kept for the outputs
    std::string motif;                  // why an insurance rate or a deferral was refused; empty otherwise
    bool tableauComplet() const { return lu && tableau.complet(); }
    bool reussi() const { return tableauComplet() && textesTEG.has_value(); }
};

// The main window's message for any failure of a computation; amortix-cli and the comparison
// report the same.
inline constexpr std::string_view MessageSaisieIncorrecte =
    "Les informations saisies sont incomplètes ou incorrectes, veuillez les corriger.";

// What a failed computation tells: why its insurance rate or deferral cannot apply, or the above.
inline std::string MotifEchec(const EmpruntCalcule& calcul) {
    return calcul.motif.empty() ? std::string(MessageSaisieIncorrecte) : calcul.motif;
}

EmpruntCalcule CalculeEmprunt(const SaisieEmprunt& saisie, bool tegActuariel,
                              const ConventionsLocales& conventions);

} // namespace amortix
