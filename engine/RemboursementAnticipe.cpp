#include "RemboursementAnticipe.h"

#include "Annuite.h"
#include "Arrondis.h"
#include "Dates.h"
#include "Frequence.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <span>

namespace amortix {
namespace {

constexpr std::string_view MotifTableauIncomplet =
    "Le tableau d'amortissement de cet emprunt n'a pas pu être calculé : aucun remboursement anticipé "
    "ne peut être simulé.";
constexpr std::string_view MotifEcheanceUnique =
    "Un emprunt d'une seule échéance ne peut pas être remboursé par anticipation.";
constexpr std::string_view MotifMontantNonPositif = "Le montant remboursé doit être supérieur à zéro.";
constexpr std::string_view MotifIndemniteNegative = "L'indemnité saisie doit être un montant positif ou nul.";
constexpr std::string_view MotifNouvelleEcheance =
    "La nouvelle échéance ne peut pas être calculée (dépassement de capacité).";

// Consumer credit: no penalty up to this capital repaid, and the lower rate within this many months of
// the original last payment.
constexpr double SeuilConsommation = 10000.0;
constexpr long long MoisTauxReduit = 12;

double CalculeIndemnite(const Indemnite& indemnite, double rembourse, double restantAvant, double tauxAnnuel,
                        long long moisRestants, double interetsRestants) {
    switch (indemnite.regle) {
    case RegleIndemnite::CreditImmobilier:
        return std::min(Round2(rembourse * tauxAnnuel / 2), Round2(0.03 * restantAvant));
    case RegleIndemnite::CreditConsommation: {
        if (rembourse <= SeuilConsommation)
            return 0.0;
        const double taux = moisRestants > MoisTauxReduit ? 0.01 : 0.005;
        return std::min(Round2(taux * rembourse), interetsRestants);
    }
    case RegleIndemnite::Aucune:
        return 0.0;
    case RegleIndemnite::MontantSaisi:
        return indemnite.montantSaisi;
    }
    return 0.0;
}

} // namespace

RemboursementOuMotif CalculeRemboursementAnticipe(const ParametresEmprunt& e,
                                                  const TableauAmortissement& tableau,
                                                  const DemandeRemboursement& demande,
                                                  const ConventionsLocales& conventions) {
    // A deferral's rows come first; capital can be repaid once it is over.
    const std::int32_t d = e.modalites.differe == ModeDiffere::Aucun ? 0 : e.modalites.periodesDiffere;
    const std::int32_t n = d + e.duree;
    // Its rows pay what the other loans of its plan leave: repaying it early changes the whole plan.
    if (!e.modalites.autresMontants.empty())
        return std::string(
            "Un prêt lissé dans un plan de financement ne se rembourse pas par anticipation ici : "
            "refaites le plan avec le capital restant dû.");
    if (!tableau.complet() || e.duree < 1 || d < 0 || tableau.echeances.size() != static_cast<std::size_t>(n))
        return std::string(MotifTableauIncomplet);
    if (n == 1)
        return std::string(MotifEcheanceUnique);
    const std::int32_t N = demande.numeroEcheance;
    const std::int32_t premier = std::max(1, d);
    if (N < premier || N >= n)
        return "Le numéro d'échéance doit être compris entre " + std::to_string(premier) + " et " +
               std::to_string(n - 1) + ".";
    const auto originales = std::span(tableau.echeances);
    const double restantAvant = originales[static_cast<std::size_t>(N - 1)].restant; // R_N
    if (!(restantAvant > 0.0))
        return "Plus rien n'est dû après l'échéance " + std::to_string(N) + " : il n'y a rien à rembourser.";
    const double rembourse = demande.montant.value_or(restantAvant); // X
    if (!(rembourse > 0.0))
        return std::string(MotifMontantNonPositif);
    if (!(rembourse <= restantAvant))
        return "Le montant remboursé ne peut pas dépasser le capital restant dû après l'échéance " +
               std::to_string(N) + " (" + Fmt2(restantAvant, conventions) + ").";
    if (demande.indemnite.regle == RegleIndemnite::MontantSaisi &&
        !(demande.indemnite.montantSaisi >= 0.0 && EstFini(demande.indemnite.montantSaisi)))
        return std::string(MotifIndemniteNegative);

    const double r = e.tauxAnnuel;
    const int k = PeriodesParAn(e.frequence);
    const auto apres = originales.subspan(static_cast<std::size_t>(N));
    double interetsRestants = 0.0;
    for (const EcheanceCalculee& ligne : apres)
        interetsRestants += ligne.interets;

    RemboursementAnticipe resultat;
    resultat.restantAvant = restantAvant;
    resultat.rembourse = rembourse;
    resultat.indemnite =
        CalculeIndemnite(demande.indemnite, rembourse, restantAvant, r,
                         static_cast<long long>(n - N) * MoisParPeriode(e.frequence), interetsRestants);

    // The new rows keep the original numbers and dates; only what they pay changes.
    double restant = restantAvant - rembourse;
    auto ajoute = [&](EcheanceCalculee ligne) {
        const EcheanceCalculee& originale = apres[resultat.echeances.size()];
        ligne.numero = originale.numero;
        ligne.date = originale.date;
        restant = ligne.restant;
        resultat.echeances.push_back(ligne);
    };
    ConditionsEcheances conditions = tableau.conditions;
    if (restant > 0.0) {
        resultat.echeances.reserve(apres.size());
        if (demande.choix == ChoixRemboursement::ReduireEcheance) {
            const auto paiement = CalculePaiementEcheancier(restant, r, k, n - N);
            if (!paiement || !EstFini(*paiement + conditions.assurance))
                return std::string(MotifNouvelleEcheance);
            conditions.paiement = *paiement;
        }
        // T or T', or with a premium on the capital owed, the next row's amount.
        resultat.nouvelleEcheance = CalculeEcheance(restant, conditions, false).montant;
        for (std::int32_t j = N + 1; j <= n; ++j) {
            const EcheanceCalculee derniere = CalculeEcheance(restant, conditions, true);
            const EcheanceCalculee reguliere = CalculeEcheance(restant, conditions, false);
            const bool solde = demande.choix == ChoixRemboursement::ReduireDuree &&
                               derniere.montant <= Fmt2Valeur(reguliere.montant);
            if (solde || j == n) {
                ajoute(derniere);
                break;
            }
            ajoute(reguliere);
        }
    }

    resultat.numeroDerniere = resultat.echeances.empty() ? N : resultat.echeances.back().numero;
    resultat.dateDerniere = originales[static_cast<std::size_t>(resultat.numeroDerniere - 1)].date;
    double interetsNouveaux = 0.0;
    for (const EcheanceCalculee& ligne : resultat.echeances)
        interetsNouveaux += ligne.interets;
    resultat.interetsEconomises = interetsRestants - interetsNouveaux;
    if (conditions.tauxAssuranceRestant) {
        // Each premium follows the capital owed: the saving is the premiums no longer charged.
        long long centimes = 0;
        for (const EcheanceCalculee& ligne : apres)
            centimes += std::llround(ligne.assurance * 100.0);
        for (const EcheanceCalculee& ligne : resultat.echeances)
            centimes -= std::llround(ligne.assurance * 100.0);
        resultat.assuranceEconomisee = static_cast<double>(centimes) / 100.0;
    } else {
        resultat.assuranceEconomisee = conditions.assurance * (n - resultat.numeroDerniere);
    }
    resultat.economieNette = resultat.interetsEconomises + resultat.assuranceEconomisee - resultat.indemnite;

    const FormateurLignes formateur(resultat.nouvelleEcheance, conditions.assurance, conventions);
    resultat.lignes.resize(resultat.echeances.size());
    for (std::size_t i = 0; i < resultat.echeances.size(); ++i)
        formateur.Formate(resultat.echeances[i], resultat.lignes[i]);
    resultat.textes = {Fmt2(resultat.restantAvant, conventions),
                       Fmt2(resultat.rembourse, conventions),
                       Fmt2(resultat.indemnite, conventions),
                       FormateDateCourte(resultat.dateDerniere, conventions),
                       Fmt2(resultat.nouvelleEcheance, conventions),
                       Fmt2(resultat.interetsEconomises, conventions),
                       Fmt2(resultat.assuranceEconomisee, conventions),
                       Fmt2(resultat.economieNette, conventions)};
    return resultat;
}

RemboursementOuMotif CalculeRemboursementAnticipe(const EmpruntCalcule& calcul,
                                                  const DemandeRemboursement& demande,
                                                  const ConventionsLocales& conventions) {
    if (!calcul.tableauComplet() || !calcul.parametres)
        return std::string(MotifTableauIncomplet);
    return CalculeRemboursementAnticipe(*calcul.parametres, calcul.tableau, demande, conventions);
}

std::vector<EcheanceCalculee> EcheancierApresRemboursement(std::span<const EcheanceCalculee> originales,
                                                           std::int32_t numeroEcheance,
                                                           const RemboursementAnticipe& remboursement) {
    const auto avant = originales.first(static_cast<std::size_t>(numeroEcheance));
    std::vector<EcheanceCalculee> echeances(avant.begin(), avant.end());
    echeances.back().restant = remboursement.restantAvant - remboursement.rembourse;
    echeances.insert(echeances.end(), remboursement.echeances.begin(), remboursement.echeances.end());
    return echeances;
}

} // namespace amortix
