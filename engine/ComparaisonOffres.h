#pragma once

#include "CalculEmprunt.h"
#include "TauxAnnuelEffectifGlobal.h"
#include "TauxUsure.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace amortix {

// The three legal rates of a computed schedule, from its rows as listed (nothing, with the reason,
// when the schedule is not complete).
TextesTAEG TAEGDuCalcul(const EmpruntCalcule& calcul, const ConventionsLocales& conventions);

// One offer as a comparison shows it: every text as the main window would show it.
struct OffreComparee {
    SaisieEmprunt champs;         // the fields after the computation
    std::string echeance;         // the regular instalment: the first row's amount
    std::string derniereEcheance; // the last row's amount
    std::string dateDerniere;     // and its date
    std::string totalRembourse;   // every listed amount added up
    CoutsCredit couts;
    std::optional<std::string> teg; // the TEG beside the rate; none when its search failed
    TextesTAEG taeg;
    std::vector<EcheanceCalculee> echeances; // the rows as numbers, for the charts
    // The insurance rate and the deferral in words, empty for an amount per payment and no deferral.
    ModeAssurance modeAssurance = ModeAssurance::ParEcheance;
    std::string descriptionAssurance; // "0,36 % du capital restant dû"
    std::string descriptionDiffere;   // "différé partiel de 12 mois"
    // What offers are ranked on.
    double coutTotal = 0.0;
    std::optional<double> tauxTAEG;
};

// The offer of a computation; nothing when its schedule did not compute to the end.
std::optional<OffreComparee> CompareOffre(const EmpruntCalcule& calcul,
                                          const ConventionsLocales& conventions);

// An offer put beside the others: its name (a document's, or the loan on screen), and either its
// figures or why it could not be computed.
struct OffreNommee {
    std::string nom;
    std::optional<OffreComparee> offre;
    std::string erreur;
    std::optional<VerificationUsure> usure{}; // once checked against a table of usury ceilings
};

// Each computed offer checked against the ceilings of its category; an offer without a TAEG is not.
void VerifieUsureDesOffres(std::span<OffreNommee> offres, const TableUsure& table, NatureCredit nature,
                           const ConventionsLocales& conventions);

// The lowest total cost and the lowest TAEG among the offers that computed; the first on a tie.
struct MeilleuresOffres {
    std::optional<std::size_t> moinsChere;
    std::optional<std::size_t> plusPetitTAEG;
};
MeilleuresOffres TrouveMeilleuresOffres(std::span<const OffreNommee> offres);

// An offer computed from its inputs, its TEG by the method the options choose; when it does not
// compute, the main window's failure message (or the reason its insurance rate or deferral gives).
OffreNommee CalculeOffre(std::string nom, const SaisieEmprunt& saisie, bool tegActuariel,
                         const ConventionsLocales& conventions);

// The lines an offer is compared on, in the order every comparison shows them.
enum class LigneComparaison {
    Montant,
    Duree,
    Taux,
    Assurance,
    FraisDossier,
    Echeance,
    DerniereEcheance,
    TotalRembourse,
    CoutTotal,
    Interets,
    CoutAssurance,
    TEG,
    TAEG,
    TAEGHorsAssurance,
    TAEA,
};
inline constexpr std::array<LigneComparaison, 15> LignesComparaison = {
    LigneComparaison::Montant,
    LigneComparaison::Duree,
    LigneComparaison::Taux,
    LigneComparaison::Assurance,
    LigneComparaison::FraisDossier,
    LigneComparaison::Echeance,
    LigneComparaison::DerniereEcheance,
    LigneComparaison::TotalRembourse,
    LigneComparaison::CoutTotal,
    LigneComparaison::Interets,
    LigneComparaison::CoutAssurance,
    LigneComparaison::TEG,
    LigneComparaison::TAEG,
    LigneComparaison::TAEGHorsAssurance,
    LigneComparaison::TAEA,
};

// The line's heading ("Coût total") and the offer's text on it ("26319,18"; "686,61 le 31/12/2021"
// for the last payment); nothing where the offer has no such figure (a TEG whose search failed).
std::string_view LibelleLigne(LigneComparaison ligne);
std::optional<std::string> TexteLigne(LigneComparaison ligne, const OffreComparee& offre);

} // namespace amortix
