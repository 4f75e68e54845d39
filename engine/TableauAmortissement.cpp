#include "TableauAmortissement.h"

#include "Annuite.h"
#include "Arrondis.h"
#include "Dates.h"
#include "Frequence.h"

#include <algorithm>

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

    const auto paiement = CalculePaiementEcheancier(e.montant, r, k, n);
    if (!paiement)
        return echec(CauseEchec::Arithmetique);
    const double echeance = *paiement + e.assurance; // T, unrounded
    if (!EstFini(*paiement) || !EstFini(echeance))
        return echec(CauseEchec::Arithmetique);
    tableau.echeanceAffichee = Fmt2Valeur(echeance);
    tableau.echeanceReguliere = echeance;
    tableau.listeRemplacee = true;

    const ConditionsEcheances conditions{r, k, e.assurance, echeance};
    const FormateurLignes formateur(echeance, e.assurance, conventions);
    const std::chrono::year anneeDebut = e.premiereEcheance.year();
    const std::chrono::month moisDebut = e.premiereEcheance.month();
    const std::chrono::day jour = e.premiereEcheance.day();

    // No schedule runs past the calendar, so a huge n never reserves more than it can list.
    const long long moisRestants =
        (static_cast<int>(AnneeMaximale) - static_cast<int>(anneeDebut) + 1) * 12LL;
    const auto lignesPossibles = static_cast<std::size_t>(std::clamp<long long>(moisRestants / m + 1, 0, n));
    tableau.lignes.reserve(lignesPossibles);
    tableau.echeances.reserve(lignesPossibles);

    double restant = e.montant; // R
    double derniereEcheance = 0.0;
    for (std::int32_t j = 1; j <= n; ++j) {
        EcheanceCalculee ligne = CalculeEcheance(restant, conditions, j == n);
        if (!EstFini(ligne.interets) || !EstFini(ligne.capital) || !EstFini(ligne.restant) ||
            !EstFini(ligne.montant))
            return echec(CauseEchec::Arithmetique);

        const auto date = DateEcheance(anneeDebut, moisDebut, jour, static_cast<long long>(j - 1) * m);
        if (!date || !date->ok())
            return echec(CauseEchec::Calendrier);
        ligne.numero = j;
        ligne.date = *date;
        restant = ligne.restant;
        if (j == n)
            derniereEcheance = ligne.montant;
        formateur.Formate(ligne, tableau.lignes.emplace_back());
        tableau.echeances.push_back(ligne);
    }

    const double sommeEcheances = static_cast<double>(n - 1) * tableau.echeanceAffichee + derniereEcheance;
    const double total = Fmt2Valeur(sommeEcheances - e.montant + e.fraisDossier);
    const double coutAssurance = Fmt2Valeur(n * e.assurance);
    if (!EstFini(total) || !EstFini(coutAssurance))
        return echec(CauseEchec::Arithmetique);
    tableau.couts =
        CoutsCredit{Fmt2(total, conventions), Fmt2(total - coutAssurance - e.fraisDossier, conventions),
                    Fmt2(coutAssurance, conventions), Fmt2(e.fraisDossier, conventions)};
    return tableau;
}

} // namespace amortix
