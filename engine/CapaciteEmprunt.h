#pragma once

#include "ComparaisonOffres.h"
#include "ConventionsLocales.h"
#include "SaisieEmprunt.h"
#include "TauxUsure.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace amortix {

// A household's monthly loan payments, borrower insurance included, may not exceed this share of
// its net monthly income before tax (HCSF decision D-HCSF-2021-7).
inline constexpr double TauxEndettementMaximal = 0.35;
// Nor may a loan run longer than this, lenders' derogations apart.
inline constexpr std::int32_t DureeMaximaleMois = 25 * 12;

// The borrowing capacity's inputs as typed, in the locale. Payments are monthly.
struct SaisieCapacite {
    std::vector<std::string> revenus; // each borrower's net monthly income; blank ones are left out
    std::string charges;              // monthly payments of the loans that continue; blank is 0
    std::string ratio = "35";         // the debt ratio allowed, in percent
    std::string taux;                 // the loan's yearly rate, in percent
    std::string duree;
    bool dureeEnAnnees = false;   // the duration in years rather than months
    std::string assurance;        // blank is none
    bool assuranceEnTaux = false; // a yearly percentage of the amount borrowed, not an amount a month
    std::string fraisDossier;     // blank is none
};

// The same as numbers: fractions for the rates.
struct DemandeCapacite {
    double revenus = 0.0; // all borrowers together
    double charges = 0.0;
    double ratio = TauxEndettementMaximal;
    double tauxAnnuel = 0.0;
    std::int32_t dureeMois = 0;
    double assurance = 0.0; // an amount a month, or a yearly rate when `assuranceEnTaux`
    bool assuranceEnTaux = false;
    double fraisDossier = 0.0;
};

// Why a capacity cannot be computed, in French; the charges' case names the ratio ("35 %").
using DemandeOuMotif = std::variant<DemandeCapacite, std::string>;
DemandeOuMotif LitSaisieCapacite(const SaisieCapacite& saisie, const ConventionsLocales& conventions);

// The monthly budget for new loans: Round2(revenus × ratio − charges).
double BudgetMensuel(const DemandeCapacite& demande);

// The largest amount, in whole cents, whose payment as the schedule shows it (the instalment and
// the premium together, in "0.00") is at most `budget`; 0 when even the insurance does not fit.
double MontantMaximal(const DemandeCapacite& demande, double budget, std::int32_t dureeMois);

struct MontantParDuree {
    int annees = 0;
    double montant = 0.0;
};
inline constexpr std::array<int, 4> DureesDeReference = {10, 15, 20, 25};

struct CapaciteEmprunt {
    DemandeCapacite demande;
    double budget = 0.0;
    double montant = 0.0;         // the largest amount
    double echeance = 0.0;        // its monthly payment, insurance included
    double tauxEndettement = 0.0; // (charges + échéance) / revenus, a fraction
    double resteAVivre = 0.0;     // revenus − charges − échéance
    bool plusDe25Ans = false;
    std::array<MontantParDuree, DureesDeReference.size()> parDuree{};
    SaisieEmprunt pret;                     // that loan, as the main window takes it
    OffreComparee offre;                    // and as computed: its costs and TAEG
    std::optional<VerificationUsure> usure; // its TAEG against the real-estate ceilings
};

using CapaciteOuMotif = std::variant<CapaciteEmprunt, std::string>;
// `premiereEcheance` is the loan's first payment date; the TEG follows the options' method.
CapaciteOuMotif CalculeCapacite(const SaisieCapacite& saisie, std::chrono::year_month_day premiereEcheance,
                                bool tegActuariel, const TableUsure& usure,
                                const ConventionsLocales& conventions);

// What the capacity window shows, in its order, with its captions: the budget, the amount, the
// payment, the debt ratio reached, what is left to live on, the total cost and the TAEG.
enum class LigneCapacite { Budget, Montant, Echeance, TauxEndettement, ResteAVivre, CoutTotal, TAEG };
inline constexpr std::array<LigneCapacite, 7> LignesCapacite = {
    LigneCapacite::Budget,      LigneCapacite::Montant,
    LigneCapacite::Echeance,    LigneCapacite::TauxEndettement,
    LigneCapacite::ResteAVivre, LigneCapacite::CoutTotal,
    LigneCapacite::TAEG};
std::string_view LibelleCapacite(LigneCapacite ligne);
std::string TexteCapacite(LigneCapacite ligne, const CapaciteEmprunt& capacite,
                          const ConventionsLocales& conventions);

// Said beside a loan longer than 25 years.
inline constexpr std::string_view AvisPlusDe25Ans =
    "Au-delà de 25 ans (27 ans pour un achat dans le neuf ou avec de gros travaux, dont un différé "
    "d'au plus 24 mois), les banques ne prêtent qu'à titre dérogatoire.";

} // namespace amortix
