#include "TableauAmortissement.h"

#include "Annuite.h"
#include "Arrondis.h"
#include "Dates.h"
#include "Frequence.h"
#include "LissageEcheances.h"

#include <algorithm>
#include <cmath>

namespace amortix {

FormateurLignes::FormateurLignes(double echeance, double assurance, const ConventionsLocales& conventions)
    : conventions_(conventions), echeance_(echeance), assurance_(assurance),
      texteEcheance_(Fmt2(echeance, conventions)), texteAssurance_(Fmt2(assurance, conventions)) {}

void FormateurLignes::Formate(const EcheanceCalculee& e, LigneTableau& ligne) const {
    ligne[Colonne::Numero] = std::to_string(e.numero);
    ligne[Colonne::Date] = FormateDateCourte(e.date, conventions_);
    ligne[Colonne::Montant] = e.montant == echeance_ ? texteEcheance_ : Fmt2(e.montant, conventions_);
    ligne[Colonne::Interets] = Fmt2(e.interets, conventions_);
    ligne[Colonne::Assurance] = e.assurance == assurance_ ? texteAssurance_ : Fmt2(e.assurance, conventions_);
    ligne[Colonne::CapitalAmorti] = Fmt2(e.capital, conventions_);
    ligne[Colonne::CapitalRestant] = Fmt2(e.restant, conventions_);
}

namespace {

// The costs of a loan whose rows do not all pay one instalment: every listed amount and every
// premium added up in cents, as the list shows them.
struct SommesListees {
    double montants = 0.0;
    double assurance = 0.0;
};
SommesListees AdditionneLignes(const std::vector<EcheanceCalculee>& echeances) {
    long long montants = 0;
    long long assurance = 0;
    for (const EcheanceCalculee& ligne : echeances) {
        montants += std::llround(Fmt2Valeur(ligne.montant) * 100.0);
        assurance += std::llround(Fmt2Valeur(ligne.assurance) * 100.0);
    }
    return {static_cast<double>(montants) / 100.0, static_cast<double>(assurance) / 100.0};
}

} // namespace

TableauAmortissement CalculeTableau(const ParametresEmprunt& e, const ConventionsLocales& conventions) {
    TableauAmortissement tableau;
    auto echec = [&tableau](CauseEchec cause) {
        tableau.echec = cause;
        return std::move(tableau);
    };

    if (e.duree <= 0)
        return echec(CauseEchec::DureeNonPositive);
    const double r = e.tauxAnnuel;
    const int k = PeriodesParAn(e.frequence);
    const int m = MoisParPeriode(e.frequence);
    const std::int32_t n = e.duree;
    const ModalitesLues& modalites = e.modalites;
    const std::int32_t d =
        modalites.differe == ModeDiffere::Aucun ? 0 : std::max(0, modalites.periodesDiffere);
    const std::int32_t lignesTotales = d + n;

    ConditionsEcheances conditions{r, k, e.assurance, 0.0};
    if (modalites.assurance == ModeAssurance::TauxCapitalInitial)
        conditions.assurance = PrimeAssurance(e.montant, modalites.tauxAssurance, k);
    else if (modalites.assurance == ModeAssurance::TauxCapitalRestant)
        conditions.tauxAssuranceRestant = modalites.tauxAssurance;

    // The n periods after a deferral repay what is owed at its end.
    double restantApresDiffere = e.montant;
    for (std::int32_t j = 1; j <= d; ++j)
        restantApresDiffere =
            CalculeEcheanceDifferee(restantApresDiffere, conditions, modalites.differe).restant;
    const std::vector<double>& autres = modalites.autresMontants;
    const bool lisse = !autres.empty();
    // Such a duration runs past the calendar anyway: its level is not worth a loop over every period.
    if (lisse && static_cast<std::size_t>(n) > PeriodesLissageMaximales)
        return echec(CauseEchec::Calendrier);
    const double palier = lisse ? PalierLissage(e.montant, r, k, autres, n) : 0.0;
    const auto paiementDe = [&](std::int32_t ligne) {
        const auto t = static_cast<std::size_t>(ligne - 1);
        return palier - (t < autres.size() ? autres[t] : 0.0);
    };
    const auto paiement =
        lisse ? std::optional(paiementDe(1)) : CalculePaiementEcheancier(restantApresDiffere, r, k, n);
    if (!paiement)
        return echec(CauseEchec::Arithmetique);
    conditions.paiement = *paiement;
    // T, unrounded: what the first row after the deferral pays.
    const double echeance = CalculeEcheance(restantApresDiffere, conditions, false).montant;
    if (!EstFini(*paiement) || !EstFini(echeance))
        return echec(CauseEchec::Arithmetique);
    tableau.echeanceAffichee = Fmt2Valeur(echeance);
    tableau.echeanceReguliere = echeance;
    tableau.conditions = conditions;
    tableau.listeRemplacee = true;

    const FormateurLignes formateur(echeance, conditions.assurance, conventions);
    const std::chrono::year anneeDebut = e.premiereEcheance.year();
    const std::chrono::month moisDebut = e.premiereEcheance.month();
    const std::chrono::day jour = e.premiereEcheance.day();

    // No schedule runs past the calendar, so a huge n never reserves more than it can list.
    const long long moisRestants =
        (static_cast<int>(AnneeMaximale) - static_cast<int>(anneeDebut) + 1) * 12LL;
    const auto lignesPossibles =
        static_cast<std::size_t>(std::clamp<long long>(moisRestants / m + 1, 0, lignesTotales));
    tableau.lignes.reserve(lignesPossibles);
    tableau.echeances.reserve(lignesPossibles);

    double restant = e.montant; // R
    double derniereEcheance = 0.0;
    ConditionsEcheances conditionsLigne = conditions;
    for (std::int32_t j = 1; j <= lignesTotales; ++j) {
        if (lisse)
            conditionsLigne.paiement = paiementDe(j);
        EcheanceCalculee ligne = j <= d ? CalculeEcheanceDifferee(restant, conditionsLigne, modalites.differe)
                                        : CalculeEcheance(restant, conditionsLigne, j == lignesTotales);
        if (lisse && std::llround(conditionsLigne.paiement * 100.0) < std::llround(ligne.interets * 100.0)) {
            ligne.numero = j;
            ligne.montant = conditionsLigne.paiement;
            tableau.lissageInsuffisant = ligne;
            return echec(CauseEchec::Lissage);
        }
        if (!EstFini(ligne.interets) || !EstFini(ligne.capital) || !EstFini(ligne.restant) ||
            !EstFini(ligne.montant))
            return echec(CauseEchec::Arithmetique);

        const auto date = DateEcheance(anneeDebut, moisDebut, jour, static_cast<long long>(j - 1) * m);
        if (!date || !date->ok())
            return echec(CauseEchec::Calendrier);
        ligne.numero = j;
        ligne.date = *date;
        restant = ligne.restant;
        if (j == lignesTotales)
            derniereEcheance = ligne.montant;
        formateur.Formate(ligne, tableau.lignes.emplace_back());
        tableau.echeances.push_back(ligne);
    }

    double total = 0.0;
    double coutAssurance = 0.0;
    if (modalites.parDefaut()) {
        const double sommeEcheances =
            static_cast<double>(n - 1) * tableau.echeanceAffichee + derniereEcheance;
        total = Fmt2Valeur(sommeEcheances - e.montant + e.fraisDossier);
        coutAssurance = Fmt2Valeur(n * e.assurance);
    } else {
        const SommesListees sommes = AdditionneLignes(tableau.echeances);
        total = Fmt2Valeur(sommes.montants - e.montant + e.fraisDossier);
        coutAssurance = sommes.assurance;
    }
    if (!EstFini(total) || !EstFini(coutAssurance))
        return echec(CauseEchec::Arithmetique);
    tableau.couts =
        CoutsCredit{Fmt2(total, conventions), Fmt2(total - coutAssurance - e.fraisDossier, conventions),
                    Fmt2(coutAssurance, conventions), Fmt2(e.fraisDossier, conventions)};
    return tableau;
}

} // namespace amortix
