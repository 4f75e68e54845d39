#include "TableauAmortissement.h"

#include "Annuite.h"
#include "Arrondis.h"
#include "Dates.h"
#include "Frequence.h"

#include <algorithm>

namespace amortix {

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

    double paiement = 0.0;
    if (r == 0.0) {
        paiement = e.montant / n;
    } else {
        const auto p = PaiementEcheancier(e.montant, r, k, n);
        if (!p)
            return echec(CauseEchec::Arithmetique);
        paiement = *p;
    }
    const double echeance = paiement + e.assurance; // T, unrounded
    if (!EstFini(paiement) || !EstFini(echeance))
        return echec(CauseEchec::Arithmetique);
    tableau.echeanceAffichee = Fmt2Valeur(echeance);
    tableau.listeRemplacee = true;

    const std::string texteEcheance = Fmt2(echeance, conventions);
    const std::string texteAssurance = Fmt2(e.assurance, conventions);
    const std::chrono::year anneeDebut = e.premiereEcheance.year();
    const std::chrono::month moisDebut = e.premiereEcheance.month();
    const std::chrono::day jour = e.premiereEcheance.day();

    // No schedule runs past the calendar, so a huge n never reserves more than it can list.
    const long long moisRestants =
        (static_cast<int>(AnneeMaximale) - static_cast<int>(anneeDebut) + 1) * 12LL;
    tableau.lignes.reserve(static_cast<std::size_t>(std::clamp<long long>(moisRestants / m + 1, 0, n)));

    double restant = e.montant; // R
    double derniereEcheance = 0.0;
    for (std::int32_t j = 1; j <= n; ++j) {
        const double interets = Round2(restant * r / k);
        double capital = 0.0;
        double montantLigne = echeance;
        if (j < n) {
            capital = Round2(echeance - interets - e.assurance);
            restant = Round2(restant - capital);
        } else {
            // The last payment clears exactly what is still owed.
            montantLigne = Round2(interets + restant + e.assurance);
            capital = Round2(montantLigne - interets - e.assurance);
            restant = 0.0;
            derniereEcheance = montantLigne;
        }
        if (!EstFini(interets) || !EstFini(capital) || !EstFini(restant) || !EstFini(montantLigne))
            return echec(CauseEchec::Arithmetique);

        const auto date = DateEcheance(anneeDebut, moisDebut, jour, static_cast<long long>(j - 1) * m);
        if (!date || !date->ok())
            return echec(CauseEchec::Calendrier);

        LigneTableau& ligne = tableau.lignes.emplace_back();
        ligne[Colonne::Numero] = std::to_string(j);
        ligne[Colonne::Date] = FormateDateCourte(*date, conventions);
        ligne[Colonne::Montant] = j < n ? texteEcheance : Fmt2(montantLigne, conventions);
        ligne[Colonne::Interets] = Fmt2(interets, conventions);
        ligne[Colonne::Assurance] = texteAssurance;
        ligne[Colonne::CapitalAmorti] = Fmt2(capital, conventions);
        ligne[Colonne::CapitalRestant] = Fmt2(restant, conventions);
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
