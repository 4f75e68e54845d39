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

namespace {

double Prime(double restant, const ConditionsEcheances& c) {
    return c.tauxAssuranceRestant ? PrimeAssurance(restant, *c.tauxAssuranceRestant, c.periodesParAn)
                                  : c.assurance;
}

} // namespace

EcheanceCalculee CalculeEcheance(double restant, const ConditionsEcheances& c, bool derniere) {
    EcheanceCalculee ligne;
    ligne.interets = Round2(restant * c.tauxAnnuel / c.periodesParAn);
    const double assurance = Prime(restant, c);
    ligne.assurance = assurance;
    if (!derniere) {
        const double echeance = c.paiement + assurance;
        ligne.montant = echeance;
        ligne.capital = Round2(echeance - ligne.interets - assurance);
        ligne.restant = Round2(restant - ligne.capital);
    } else {
        ligne.montant = Round2(ligne.interets + restant + assurance);
        ligne.capital = Round2(ligne.montant - ligne.interets - assurance);
        ligne.restant = 0.0;
    }
    return ligne;
}

EcheanceCalculee CalculeEcheanceDifferee(double restant, const ConditionsEcheances& c, ModeDiffere differe) {
    EcheanceCalculee ligne;
    ligne.interets = Round2(restant * c.tauxAnnuel / c.periodesParAn);
    ligne.assurance = Prime(restant, c);
    if (differe == ModeDiffere::Total) {
        ligne.montant = ligne.assurance;
        ligne.capital = -ligne.interets;
        ligne.restant = Round2(restant + ligne.interets);
    } else {
        ligne.montant = Round2(ligne.interets + ligne.assurance);
        ligne.capital = 0.0;
        ligne.restant = restant;
    }
    return ligne;
}

} // namespace amortix
