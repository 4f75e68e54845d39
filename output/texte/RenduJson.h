#pragma once

#include "CalculEmprunt.h"
#include "CalculValeurManquante.h"
#include "CapaciteEmprunt.h"
#include "ComparaisonOffres.h"
#include "PlanFinancement.h"
#include "RemboursementAnticipe.h"

#include <span>
#include <string>

namespace amortix {

// A computation as one UTF-8 JSON object: the fields as the window shows them afterwards, the
// costs, the three effective rates and the one shown, the rows, and the message of a failure.
std::string RenduJsonEcheancier(const EmpruntCalcule& calcul, const std::string& premiereEcheance,
                                const ConventionsLocales& conventions);

// A missing-value search as one JSON object: the four fields afterwards and the messages.
std::string RenduJsonValeurManquante(const RechercheValeurManquante& resultat);

// {"offers": [...], "cheapest": i, "lowest_taeg": i}: every offer's texts as the window shows them,
// a failed one with its fields null and "error" set; "usury" for offers checked against the ceilings.
std::string RenduJsonComparaison(std::span<const OffreNommee> offres, const ConventionsLocales& conventions);

// {"remaining_before", "repaid", "penalty", "rows", "last_number", "last_date", "new_payment",
// "interest_saved", "insurance_saved", "net_saving", "error"}: on a refusal every field is null.
std::string RenduJsonRemboursement(const RemboursementOuMotif& resultat);

// {"budget", "amount", "payment", "debt_ratio", "rest_to_live", "total_cost", "taeg", "over_25_years",
// "by_duration": [{"years", "amount"}], "usury", "error"}: on a refusal every field is null.
std::string RenduJsonCapacite(const CapaciteOuMotif& resultat, const ConventionsLocales& conventions);

// {"level", "level_with_insurance", "loans": [{"name", "rows"}], "totals": [[n, date, total]],
// "total_cost", "taeg", "error"}: the smoothing loan first; on a refusal every field is null.
std::string RenduJsonPlan(const PlanOuMotif& resultat, const ConventionsLocales& conventions);

} // namespace amortix
