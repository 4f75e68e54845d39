#pragma once

#include "SaisieEmprunt.h"
#include "TableauAmortissement.h"
#include "TauxEffectifGlobal.h"

#include <optional>
#include <string>

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

EmpruntCalcule CalculeEmprunt(const SaisieEmprunt& saisie, bool tegActuariel,
                              const ConventionsLocales& conventions);

} // namespace amortix
