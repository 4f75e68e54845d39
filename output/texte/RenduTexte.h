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

// A computation as a readable text: the loan, the schedule as an aligned table under the list's
// headings, the cost of the credit and the effective rates.
std::string RenduTexteEcheancier(const EmpruntCalcule& calcul, const std::string& premiereEcheance);

// The four fields of a missing-value search, under the window's captions.
std::string RenduTexteValeurManquante(const RechercheValeurManquante& resultat, Frequence frequence);

// Offers side by side, one column each, then which one costs least and which has the lowest TAEG,
// and the usury ceiling of the offers checked against one.
std::string RenduTexteComparaison(std::span<const OffreNommee> offres, const ConventionsLocales& conventions);

// A borrowing capacity: its figures under the window's captions, then the amount for each reference
// duration.
std::string RenduTexteCapacite(const CapaciteEmprunt& capacite, const ConventionsLocales& conventions);

// An early repayment: its summary, then the new rows under the list's headings.
std::string RenduTexteRemboursement(const RemboursementAnticipe& remboursement);

// A financing plan: its level, costs and TAEG, then every period with each loan's amount and the total.
std::string RenduTextePlan(const PlanFinancement& plan, const ConventionsLocales& conventions);

} // namespace amortix
