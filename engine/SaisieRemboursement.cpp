#include "SaisieRemboursement.h"

#include "LectureNombres.h"

namespace amortix {

DemandeRemboursement LitSaisieRemboursement(const SaisieRemboursement& saisie,
                                            const ConventionsLocales& conventions) {
    DemandeRemboursement demande;
    demande.numeroEcheance = saisie.numeroEcheance;
    if (saisie.montant)
        demande.montant = LitDecimal(*saisie.montant, conventions).value_or(0.0);
    demande.choix = saisie.choix;
    demande.indemnite.regle = saisie.regleIndemnite;
    if (saisie.regleIndemnite == RegleIndemnite::MontantSaisi)
        demande.indemnite.montantSaisi = LitDecimal(saisie.indemniteSaisie, conventions).value_or(-1.0);
    return demande;
}

} // namespace amortix
