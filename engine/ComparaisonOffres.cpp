#include "ComparaisonOffres.h"

#include "Arrondis.h"
#include "Frequence.h"
#include "LectureNombres.h"

#include <cmath>
#include <vector>

namespace amortix {
namespace {

bool Comparable(const EmpruntCalcule& calcul) {
    return calcul.tableauComplet() && calcul.parametres && !calcul.tableau.lignes.empty() &&
           calcul.tableau.couts;
}

// The listed amounts, read back as the outputs read them.
std::vector<double> MontantsListes(const EmpruntCalcule& calcul, const ConventionsLocales& conventions) {
    std::vector<double> montants;
    montants.reserve(calcul.tableau.lignes.size());
    for (const LigneTableau& ligne : calcul.tableau.lignes)
        montants.push_back(LitDecimal(ligne[Colonne::Montant], conventions).value_or(0.0));
    return montants;
}

// Each payment less its own premium for the rate without insurance.
TauxAnnuelsEffectifs TauxDuCalcul(const EmpruntCalcule& calcul, std::span<const double> montants) {
    const ParametresEmprunt& p = *calcul.parametres;
    std::vector<double> assurances;
    assurances.reserve(calcul.tableau.echeances.size());
    for (const EcheanceCalculee& ligne : calcul.tableau.echeances)
        assurances.push_back(ligne.assurance);
    return CalculeTauxAnnuelsEffectifs(p.montant, p.fraisDossier, assurances, montants,
                                       PeriodesParAn(p.frequence));
}

} // namespace

TextesTAEG TAEGDuCalcul(const EmpruntCalcule& calcul, const ConventionsLocales& conventions) {
    if (!Comparable(calcul)) {
        TextesTAEG aucun;
        aucun.motif = MotifSansEcheances;
        return aucun;
    }
    return FormateTAEG(TauxDuCalcul(calcul, MontantsListes(calcul, conventions)), conventions);
}

void VerifieUsureDesOffres(std::span<OffreNommee> offres, const TableUsure& table, NatureCredit nature,
                           const ConventionsLocales& conventions) {
    for (OffreNommee& o : offres) {
        if (!o.offre || !o.offre->tauxTAEG)
            continue;
        const OffreComparee& offre = *o.offre;
        // Deferred rows count in the duration: the loan runs for all of its rows.
        const auto mois =
            static_cast<std::int32_t>(offre.echeances.size()) * MoisParPeriode(offre.champs.frequence);
        o.usure = VerifieUsure(table, nature, LitDecimal(offre.champs.montant, conventions).value_or(0.0),
                               mois, *offre.tauxTAEG);
    }
}

std::optional<OffreComparee> CompareOffre(const EmpruntCalcule& calcul,
                                          const ConventionsLocales& conventions) {
    if (!Comparable(calcul))
        return std::nullopt;
    const auto& lignes = calcul.tableau.lignes;
    const std::vector<double> montants = MontantsListes(calcul, conventions);
    OffreComparee offre;
    offre.champs = calcul.champs;
    offre.echeance = lignes.front()[Colonne::Montant];
    offre.derniereEcheance = lignes.back()[Colonne::Montant];
    offre.dateDerniere = lignes.back()[Colonne::Date];
    // Added up in cents, so that thousands of rows do not drift from their texts.
    long long centimes = 0;
    for (const double montant : montants)
        centimes += std::llround(montant * 100);
    offre.totalRembourse = Fmt2(static_cast<double>(centimes) / 100.0, conventions);
    offre.couts = *calcul.tableau.couts;
    offre.echeances = calcul.tableau.echeances;
    const ModalitesLues& modalites = calcul.parametres->modalites;
    offre.modeAssurance = modalites.assurance;
    offre.descriptionAssurance = DecritAssurance(modalites, conventions);
    offre.descriptionDiffere = DecritDiffere(modalites, calcul.parametres->frequence);
    if (calcul.textesTEG)
        offre.teg = calcul.tegAffiche;
    const TauxAnnuelsEffectifs taux = TauxDuCalcul(calcul, montants);
    offre.taeg = FormateTAEG(taux, conventions);
    offre.coutTotal = LitDecimal(offre.couts.total, conventions).value_or(0.0);
    if (const auto* taeg = std::get_if<double>(&taux.taeg))
        offre.tauxTAEG = *taeg;
    return offre;
}

OffreNommee CalculeOffre(std::string nom, const SaisieEmprunt& saisie, bool tegActuariel,
                         const ConventionsLocales& conventions) {
    OffreNommee offre;
    offre.nom = std::move(nom);
    const EmpruntCalcule calcul = CalculeEmprunt(saisie, tegActuariel, conventions);
    offre.offre = CompareOffre(calcul, conventions);
    if (!offre.offre)
        offre.erreur = MotifEchec(calcul);
    return offre;
}

MeilleuresOffres TrouveMeilleuresOffres(std::span<const OffreNommee> offres) {
    MeilleuresOffres meilleures;
    for (std::size_t i = 0; i < offres.size(); ++i) {
        const auto& offre = offres[i].offre;
        if (!offre)
            continue;
        if (!meilleures.moinsChere || offre->coutTotal < offres[*meilleures.moinsChere].offre->coutTotal)
            meilleures.moinsChere = i;
        if (offre->tauxTAEG && (!meilleures.plusPetitTAEG ||
                                *offre->tauxTAEG < *offres[*meilleures.plusPetitTAEG].offre->tauxTAEG))
            meilleures.plusPetitTAEG = i;
    }
    return meilleures;
}

std::string_view LibelleLigne(LigneComparaison ligne) {
    switch (ligne) {
    case LigneComparaison::Montant:
        return "Montant";
    case LigneComparaison::Duree:
        return "Durée";
    case LigneComparaison::Taux:
        return "Taux";
    case LigneComparaison::Assurance:
        return "Assurance par échéance";
    case LigneComparaison::FraisDossier:
        return "Frais de dossier";
    case LigneComparaison::Echeance:
        return "Échéance";
    case LigneComparaison::DerniereEcheance:
        return "Dernière échéance";
    case LigneComparaison::TotalRembourse:
        return "Total remboursé";
    case LigneComparaison::CoutTotal:
        return "Coût total";
    case LigneComparaison::Interets:
        return "Intérêts";
    case LigneComparaison::CoutAssurance:
        return "Coût de l'assurance";
    case LigneComparaison::TEG:
        return "TEG";
    case LigneComparaison::TAEG:
        return "TAEG";
    case LigneComparaison::TAEGHorsAssurance:
        return "TAEG hors assurance";
    case LigneComparaison::TAEA:
        return "TAEA";
    }
    return {};
}

std::optional<std::string> TexteLigne(LigneComparaison ligne, const OffreComparee& o) {
    switch (ligne) {
    case LigneComparaison::Montant:
        return o.champs.montant;
    case LigneComparaison::Duree: {
        std::string duree = o.champs.duree + " " + std::string(LibelleEcheance(o.champs.frequence));
        if (!o.descriptionDiffere.empty())
            duree += ", après un " + o.descriptionDiffere;
        return duree;
    }
    case LigneComparaison::Taux:
        return o.champs.taux + " %";
    case LigneComparaison::Assurance:
        // A rate on the initial capital gives one premium, the field's; on the capital owed, it falls.
        if (o.modeAssurance == ModeAssurance::TauxCapitalInitial)
            return o.descriptionAssurance + ", soit " + o.champs.assurance;
        if (o.modeAssurance == ModeAssurance::TauxCapitalRestant)
            return o.descriptionAssurance;
        return o.champs.assurance;
    case LigneComparaison::FraisDossier:
        return o.champs.fraisDossier;
    case LigneComparaison::Echeance:
        return o.echeance;
    case LigneComparaison::DerniereEcheance:
        return o.derniereEcheance + " le " + o.dateDerniere;
    case LigneComparaison::TotalRembourse:
        return o.totalRembourse;
    case LigneComparaison::CoutTotal:
        return o.couts.total;
    case LigneComparaison::Interets:
        return o.couts.interets;
    case LigneComparaison::CoutAssurance:
        return o.couts.assurance;
    case LigneComparaison::TEG:
        return o.teg;
    case LigneComparaison::TAEG:
        return o.taeg.taeg;
    case LigneComparaison::TAEGHorsAssurance:
        return o.taeg.taegHorsAssurance;
    case LigneComparaison::TAEA:
        return o.taeg.taea;
    }
    return std::nullopt;
}

} // namespace amortix
