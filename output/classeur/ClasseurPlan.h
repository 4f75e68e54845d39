#pragma once

#include "ClasseurEcheancier.h"
#include "FeuilleClasseur.h"
#include "PlanFinancement.h"

#include <QString>
#include <optional>

namespace amortix {

// The financing plan's sheet, "Plan de financement": the level paid each period (insurance excluded
// and included), the plan's total cost and TAEG, then every period with its date, each loan's amount
// (blank once the loan has ended) and the total, as the plan window lists them.
FeuilleClasseur FeuillePlan(const PlanFinancement& plan, const ConventionsLocales& conventions);

// The smoothed loan's workbook: its schedule on the first sheet, as the main window exports a
// loan's (its own costs; the TEG left out, the plan's TAEG standing for the whole purchase), the
// plan's sheet second. Saved as EnregistreClasseur saves, replacing `chemin` only when whole.
std::optional<EchecClasseur> EnregistreClasseurPlan(const PlanFinancement& plan,
                                                    const QString& strEnteteExcel,
                                                    const ConventionsLocales& conventions,
                                                    const QString& chemin);

} // namespace amortix
