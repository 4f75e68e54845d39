#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

namespace amortix {

// The payment formulas, each evaluated operation for operation in doubles as the program has always
// done, so that every cent comes out the same. An arithmetic failure (a division by zero, a result
// that is not a finite number) gives nothing.

inline bool EstFini(double x) { return std::isfinite(x); }

// The schedule's payment without insurance: q = (1 + r / k)^n, P = q × (M × r / k) / (q − 1).
// Also the effective rate's instalment, with r = k × x. A zero rate is the caller's concern.
inline std::optional<double> PaiementEcheancier(double montant, double tauxAnnuel, int periodesParAn,
                                                std::int32_t n) {
    const double q = std::pow(1.0 + tauxAnnuel / periodesParAn, static_cast<double>(n));
    if (!EstFini(q) || q - 1.0 == 0.0)
        return std::nullopt;
    const double p = q * (montant * tauxAnnuel / periodesParAn) / (q - 1.0);
    return EstFini(p) ? std::optional(p) : std::nullopt;
}

// The missing-value solvers' payment: i = r / k, P = M · i · (1 + i)^n / ((1 + i)^n − 1).
inline std::optional<double> PaiementSolveur(double montant, double tauxAnnuel, int periodesParAn,
                                             std::int32_t n) {
    const double i = tauxAnnuel / periodesParAn;
    const double q = std::pow(1.0 + i, static_cast<double>(n));
    if (!EstFini(i) || !EstFini(q) || q - 1.0 == 0.0)
        return std::nullopt;
    const double p = montant * i * q / (q - 1.0);
    return EstFini(p) ? std::optional(p) : std::nullopt;
}

} // namespace amortix
