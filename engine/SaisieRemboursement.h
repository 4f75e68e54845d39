#pragma once

#include "ConventionsLocales.h"
#include "RemboursementAnticipe.h"

#include <cstdint>
#include <optional>
#include <string>

namespace amortix {

// An early repayment as its inputs hold it: the amounts as typed, in the user's locale.
struct SaisieRemboursement {
    std::int32_t numeroEcheance = 0;
    std::optional<std::string> montant; // nothing: all that is owed after the payment
    ChoixRemboursement choix = ChoixRemboursement::ReduireDuree;
    RegleIndemnite regleIndemnite = RegleIndemnite::Aucune;
    std::string indemniteSaisie; // read for RegleIndemnite::MontantSaisi only
};

// The texts read as the loan's fields are read. A text that is no number becomes a value that
// CalculeRemboursementAnticipe refuses with its own message: an amount of 0, a negative penalty.
DemandeRemboursement LitSaisieRemboursement(const SaisieRemboursement& saisie,
                                            const ConventionsLocales& conventions);

} // namespace amortix
