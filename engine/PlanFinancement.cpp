#include "PlanFinancement.h"

#include "Arrondis.h"
#include "Frequence.h"
#include "LectureNombres.h"
#include "LissageEcheances.h"
#include "TauxAnnuelEffectifGlobal.h"

#include <array>
#include <cmath>

namespace amortix {
namespace {

long long Centimes(const std::string& texte, const ConventionsLocales& conventions) {
    return std::llround(LitDecimal(texte, conventions).value_or(0.0) * 100.0);
}

double EnEuros(long long centimes) {
    return static_cast<double>(centimes) / 100.0;
}

std::string Nom(const PretDuPlan& pret) {
    return "« " + pret.nom + " »";
}

// Interest, insurance and fees as the rows list them, added up in cents.
CoutsCredit CoutsListes(const std::vector<LigneTableau>& lignes, double frais,
                        const ConventionsLocales& conventions) {
    long long interets = 0;
    long long assurance = 0;
    for (const LigneTableau& ligne : lignes) {
        interets += Centimes(ligne[Colonne::Interets], conventions);
        assurance += Centimes(ligne[Colonne::Assurance], conventions);
    }
    const long long fraisEnCentimes = std::llround(frais * 100.0);
    return {Fmt2(EnEuros(interets + assurance + fraisEnCentimes), conventions),
            Fmt2(EnEuros(interets), conventions), Fmt2(EnEuros(assurance), conventions),
            Fmt2(EnEuros(fraisEnCentimes), conventions)};
}

} // namespace

std::size_t PretDeLissageParDefaut(const std::vector<PretDuPlan>& prets,
                                   const ConventionsLocales& conventions) {
    std::size_t plusLong = 0;
    std::int64_t moisPlusLong = -1;
    for (std::size_t i = 0; i < prets.size(); ++i) {
        const auto duree = LitEntier(prets[i].saisie.duree, conventions).value_or(0);
        const auto differe = LitEntier(prets[i].saisie.modalites.periodesDiffere, conventions).value_or(0);
        const std::int64_t mois =
            (static_cast<std::int64_t>(duree) + differe) * MoisParPeriode(prets[i].saisie.frequence);
        if (mois > moisPlusLong) {
            moisPlusLong = mois;
            plusLong = i;
        }
    }
    return plusLong;
}

PlanOuMotif CalculePlan(const std::vector<PretDuPlan>& prets, std::size_t lissage, bool tegActuariel,
                        const ConventionsLocales& conventions) {
    if (prets.size() < 2 || lissage >= prets.size())
        return std::string("Un plan de financement réunit au moins deux prêts, dont un prêt de lissage.");
    PlanFinancement plan;
    plan.prets.push_back(prets[lissage]);
    for (std::size_t i = 0; i < prets.size(); ++i)
        if (i != lissage)
            plan.prets.push_back(prets[i]);
    // A smoothing loan is smoothed anew, whatever plan it was smoothed in before.
    plan.prets.front().saisie.modalites.lissage.clear();

    std::vector<EmpruntCalcule> calculs;
    for (const PretDuPlan& pret : plan.prets) {
        EmpruntCalcule calcul = CalculeEmprunt(pret.saisie, tegActuariel, conventions);
        if (!calcul.tableauComplet())
            return "Le prêt " + Nom(pret) + " ne peut pas être calculé : " + MotifEchec(calcul);
        calculs.push_back(std::move(calcul));
    }
    // Each loan kept with its fields as the computation rewrote them ("0,00" for a blank), as the
    // main window would show them.
    for (std::size_t i = 0; i < calculs.size(); ++i)
        plan.prets[i].saisie = calculs[i].champs;
    const ParametresEmprunt& principal = *calculs.front().parametres;
    if (principal.modalites.differe != ModeDiffere::Aucun)
        return "Le prêt de lissage " + Nom(plan.prets.front()) + " ne peut pas commencer par un différé.";
    const auto n0 = static_cast<std::size_t>(principal.duree);
    std::vector<long long> autres(n0, 0); // S_t in cents
    for (std::size_t i = 1; i < calculs.size(); ++i) {
        const ParametresEmprunt& p = *calculs[i].parametres;
        if (p.frequence != principal.frequence || p.premiereEcheance != principal.premiereEcheance)
            return "Les prêts d'un plan ont la même fréquence d'échéances et la même première échéance : " +
                   Nom(plan.prets[i]) + " diffère de " + Nom(plan.prets.front()) + ".";
        const std::vector<LigneTableau>& lignes = calculs[i].tableau.lignes;
        if (lignes.size() > n0)
            return "Le prêt " + Nom(plan.prets[i]) + " dure plus longtemps que le prêt de lissage " +
                   Nom(plan.prets.front()) + ".";
        for (std::size_t t = 0; t < lignes.size(); ++t)
            autres[t] += Centimes(lignes[t][Colonne::Montant], conventions) -
                         Centimes(lignes[t][Colonne::Assurance], conventions);
    }
    std::vector<double> sommes(n0);
    for (std::size_t t = 0; t < n0; ++t)
        sommes[t] = EnEuros(autres[t]);
    const int k = PeriodesParAn(principal.frequence);
    plan.palier = PalierLissage(principal.montant, principal.tauxAnnuel, k, sommes, principal.duree);

    // The smoothing loan computed as its document will be: each row pays C − S_t besides its premium.
    plan.prets.front().saisie.modalites.lissage = TexteLissage(sommes, conventions);
    calculs.front() = CalculeEmprunt(plan.prets.front().saisie, tegActuariel, conventions);
    if (const auto& ligne = calculs.front().tableau.lissageInsuffisant)
        return "Le prêt de lissage " + Nom(plan.prets.front()) +
               " est trop petit pour lisser les autres : à l'échéance " + std::to_string(ligne->numero) +
               ", il ne paierait que " + Fmt2(ligne->montant, conventions) + " pour " +
               Fmt2(ligne->interets, conventions) + " d'intérêts.";
    if (!calculs.front().tableauComplet())
        return "Le prêt " + Nom(plan.prets.front()) +
               " ne peut pas être calculé : " + MotifEchec(calculs.front());
    plan.prets.front().saisie = calculs.front().champs;

    // The periods, every loan side by side, and what the plan received and pays.
    std::vector<double> totaux;
    double recu = 0.0;
    // The plan's costs: each part of every loan's, added up in cents.
    constexpr std::array<std::string CoutsCredit::*, 4> parts = {
        &CoutsCredit::total, &CoutsCredit::interets, &CoutsCredit::assurance, &CoutsCredit::fraisDossier};
    std::array<long long, 4> coutTotal{};
    for (std::size_t i = 0; i < calculs.size(); ++i) {
        const ParametresEmprunt& p = *calculs[i].parametres;
        recu += p.montant - p.fraisDossier;
        const CoutsCredit couts = CoutsListes(calculs[i].tableau.lignes, p.fraisDossier, conventions);
        for (std::size_t j = 0; j < parts.size(); ++j)
            coutTotal[j] += Centimes(couts.*parts[j], conventions);
        plan.couts.push_back({plan.prets[i].nom, couts});
        plan.lignes.push_back(calculs[i].tableau.lignes);
    }
    for (std::size_t j = 0; j < parts.size(); ++j)
        plan.coutTotal.*parts[j] = Fmt2(EnEuros(coutTotal[j]), conventions);
    for (std::size_t t = 0; t < n0; ++t) {
        PeriodePlan periode;
        periode.numero = static_cast<std::int32_t>(t + 1);
        periode.date = plan.lignes.front()[t][Colonne::Date];
        long long total = 0;
        for (const std::vector<LigneTableau>& lignes : plan.lignes) {
            periode.montants.push_back(t < lignes.size() ? lignes[t][Colonne::Montant] : std::string());
            total += t < lignes.size() ? Centimes(lignes[t][Colonne::Montant], conventions) : 0;
        }
        periode.total = Fmt2(EnEuros(total), conventions);
        totaux.push_back(EnEuros(total));
        plan.periodes.push_back(std::move(periode));
    }
    plan.palierAvecAssurance = totaux.front();
    const TauxOuMotif taeg = CalculeTAEG(recu, totaux, k);
    if (const auto* taux = std::get_if<double>(&taeg))
        plan.taeg = FormatePourcentage(*taux, 2, conventions);
    return plan;
}

} // namespace amortix
