#include "ReglesEcheancier.h"

#include "Annuite.h"
#include "Arrondis.h"

namespace amortix {

std::optional<double> CalculePaiementEcheancier(double montant, double tauxAnnuel, int periodesParAn,
                                                std::int32_t n) {
    if (tauxAnnuel == 0.0)
        return montant / n;
    return PaiementEcheancier(montant, tauxAnnuel, periodesParAn, n);
}

EcheanceCalculee CalculeEcheance(double restant, const ConditionsEcheances& c, bool derniere) {
    EcheanceCalculee ligne;
    ligne.interets = Round2(restant * c.tauxAnnuel / c.periodesParAn);
    ligne.assurance = c.assurance;
    if (!derniere) {
        ligne.montant = c.echeance;
        ligne.capital = Round2(c.echeance - ligne.interets - c.assurance);
        ligne.restant = Round2(restant - ligne.capital);
    } else {
        ligne.montant = Round2(ligne.interets + restant + c.assurance);
        ligne.capital = Round2(ligne.montant - ligne.interets - c.assurance);
        ligne.restant = 0.0;
    }
    return ligne;
}

} // namespace amortix
