#pragma once

#include "ReglesEcheancier.h"

#include <span>
#include <vector>

namespace amortix {

// What the payments of one calendar year repay: their interest and their capital.
struct CumulAnnuel {
    int annee = 0;
    double interets = 0.0;
    double capital = 0.0;
    bool operator==(const CumulAnnuel&) const = default;
};

// The rows added up by the year of their date, the years in the schedule's order (every year that
// has a payment, and only those).
std::vector<CumulAnnuel> CalculeCumulsAnnuels(std::span<const EcheanceCalculee> echeances);

} // namespace amortix
