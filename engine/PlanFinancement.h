#pragma once

#include "CalculEmprunt.h"
#include "ConventionsLocales.h"
#include "LissageEcheances.h"
#include "SaisieEmprunt.h"
#include "TableauAmortissement.h"

#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace amortix {

// One loan of a purchase's financing, named as its document or the loan on screen.
struct PretDuPlan {
    std::string nom;
    SaisieEmprunt saisie;
};

// One period of the plan: what each loan lists (insurance included; empty once it has ended) and
// their total.
struct PeriodePlan {
    std::int32_t numero = 0;
    std::string date;
    std::vector<std::string> montants; // in the plan's order of loans
    std::string total;
};

struct CoutsPret {
    std::string nom;
    CoutsCredit couts;
};

// Several loans financing one purchase, the main one smoothed so that what the household pays
// each period stays level while the others run and after they end.
struct PlanFinancement {
    std::vector<PretDuPlan> prets; // the smoothing loan first, then the others, their fields as computed
    std::vector<std::vector<LigneTableau>> lignes; // each loan's rows, as the schedule lists them
    double palier = 0.0;                           // C, insurance excluded, rounded to the cent
    double palierAvecAssurance = 0.0;              // what the first period costs, every premium added
    std::vector<PeriodePlan> periodes;
    std::vector<CoutsPret> couts;    // each loan's, in the plan's order
    CoutsCredit coutTotal;           // the plan's, every loan added up
    std::optional<std::string> taeg; // every amount received net of every fee against every payment
};

// The plan, `lissage` being the index of the smoothing loan in `prets`, or why it cannot be made, in
// French: loans of different frequencies or first dates, another loan longer than the smoothing
// one, a smoothing loan with a deferral, a loan that does not compute, a period where C − S_t does
// not cover the smoothing loan's interest.
using PlanOuMotif = std::variant<PlanFinancement, std::string>;
PlanOuMotif CalculePlan(const std::vector<PretDuPlan>& prets, std::size_t lissage, bool tegActuariel,
                        const ConventionsLocales& conventions);

// The longest loan, the smoothing loan by default; the first of equal ones.
std::size_t PretDeLissageParDefaut(const std::vector<PretDuPlan>& prets,
                                   const ConventionsLocales& conventions);

} // namespace amortix
