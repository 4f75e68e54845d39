#pragma once

#include "ModalitesEmprunt.h"

#include <chrono>
#include <cstdint>
#include <optional>

namespace amortix {

// One row of a schedule as numbers. The amounts are those the row rule computes: interest, capital
// and capital owed are whole cents (Round2); the amount is the instalment T, unrounded, on every row
// but the last; the insurance is A as typed, or the row's premium. The list shows each in "0.00".
struct EcheanceCalculee {
    std::int32_t numero = 0;
    std::chrono::year_month_day date;
    double montant = 0.0;
    double interets = 0.0;
    double assurance = 0.0;
    double capital = 0.0; // capital repaid by this payment
    double restant = 0.0; // capital still owed after it
    bool operator==(const EcheanceCalculee&) const = default;
};

// The schedule's payment without insurance, P: M / n at a zero rate, the annuity formula
// otherwise. Nothing when the formula fails (zero periods, an overflowing power).
std::optional<double> CalculePaiementEcheancier(double montant, double tauxAnnuel, int periodesParAn,
                                                std::int32_t n);

// What every row of one schedule applies.
struct ConditionsEcheances {
    double tauxAnnuel = 0.0; // r
    int periodesParAn = 12;  // k
    double assurance = 0.0;  // A
    double paiement = 0.0;   // P: a regular row pays T = P + A, unrounded
    // With insurance as a yearly rate on the capital owed, each row's premium
    // Round2(R × rate / k) replaces A.
    std::optional<double> tauxAssuranceRestant{};
};

// The row that follows a capital owed R. Interest I = Round2(R × r / k), R × r first. A regular
// row pays T: capital Round2(T − I − A), then R − capital rounded. The last row clears what is
// owed, whatever the cents lost or gained before: amount Round2(I + R + A), capital
// Round2(amount − I − A), nothing left. The number and the date are the caller's.
EcheanceCalculee CalculeEcheance(double restant, const ConditionsEcheances& conditions, bool derniere);

// A row of the deferral at the start, on a capital owed R. Partial: the interest and the insurance
// are paid, no capital. Total: the insurance alone is paid and the interest joins the capital, its
// "Capital amorti" the interest as a negative amount.
EcheanceCalculee CalculeEcheanceDifferee(double restant, const ConditionsEcheances& conditions,
                                         ModeDiffere differe);

} // namespace amortix
