#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

namespace amortix {

// The payment formulas, each evaluated operation for operation in doubles in the order written here:
// the cents of every schedule depend on it. An arithmetic failure (a division by zero, a result
// that is not a finite number) gives nothing.

inline bool EstFini(double x) {
    return std::isfinite(x);
}

// What the schedule's payment does when (1 + r / k)^n leaves the range of a double.
enum class SiPuissanceDeborde {
    Echoue, // the payment fails, as the schedule needs
    Limite, // the payment is its limit M × r / k, as the effective rate's search needs
};

// The schedule's payment without insurance: q = (1 + r / k)^n, P = q × (M × r / k) / (q − 1).
// Also the effective rate's instalment, with r = k × x. A zero rate is the caller's concern.
// Where q × (M × r / k) overflows with q so large that q − 1 is q in doubles (an infinite q too),
// q / (q − 1) is 1: the limit is then the period's interest M × r / k.
inline std::optional<double> PaiementEcheancier(double montant, double tauxAnnuel, int periodesParAn,
                                                std::int32_t n,
                                                SiPuissanceDeborde siDeborde = SiPuissanceDeborde::Echoue) {
    const double q = std::pow(1.0 + tauxAnnuel / periodesParAn, static_cast<double>(n));
    const double interetsPeriode = montant * tauxAnnuel / periodesParAn;
    const double produit = q * interetsPeriode;
    if (siDeborde == SiPuissanceDeborde::Limite && q - 1.0 == q && !EstFini(produit))
        return EstFini(interetsPeriode) ? std::optional(interetsPeriode) : std::nullopt;
    if (!EstFini(q) || q - 1.0 == 0.0)
        return std::nullopt;
    const double p = produit / (q - 1.0);
    return EstFini(p) ? std::optional(p) : std::nullopt;
}

// The missing-value solvers' payment: i = r / k, P = M · i · (1 + i)^n / ((1 + i)^n − 1); at a rate
// of exactly 0, where that formula is 0/0, the amount shared out, M / n.
inline std::optional<double> PaiementSolveur(double montant, double tauxAnnuel, int periodesParAn,
                                             std::int32_t n) {
    if (tauxAnnuel == 0.0) {
        const double p = montant / static_cast<double>(n);
        return EstFini(p) ? std::optional(p) : std::nullopt;
    }
    const double i = tauxAnnuel / periodesParAn;
    const double q = std::pow(1.0 + i, static_cast<double>(n));
    if (!EstFini(i) || !EstFini(q) || q - 1.0 == 0.0)
        return std::nullopt;
    const double p = montant * i * q / (q - 1.0);
    return EstFini(p) ? std::optional(p) : std::nullopt;
}

} // namespace amortix
