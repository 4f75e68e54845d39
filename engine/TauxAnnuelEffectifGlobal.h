#pragma once

#include "ConventionsLocales.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace amortix {

// The legal annual percentage rate of charge (TAEG), for periods of equal length: the yearly rate X
// at which the payments, discounted over j / k of a year each, give back the capital received,
//     capital reçu = Σ_{j=1..n} a_j × (1 + X)^(−j / k),
// the first payment one period after the funds. It is solved to better than 1e-12 between −99 % and
// 10 000 % a year; outside that range a borrower has nothing to compare.
inline constexpr double TauxAnnuelMinimal = -0.99;
inline constexpr double TauxAnnuelMaximal = 100.0;

// Why there is no rate, as the user reads it.
inline constexpr std::string_view MotifCapitalRecuNul =
    "Le capital reçu (le montant moins les frais de dossier) est nul ou négatif : aucun taux annuel "
    "ne s'applique.";
inline constexpr std::string_view MotifSansEcheances =
    "Sans échéances ni fréquence valables, aucun taux annuel ne peut être calculé.";
inline constexpr std::string_view MotifAucunTauxAnnuel =
    "Aucun taux annuel entre -99 % et 10 000 % n'égalise les échéances et le capital reçu.";

// A yearly rate as a fraction (0.0337 for 3,37 %), or why there is none.
using TauxOuMotif = std::variant<double, std::string>;

// The TAEG of the payments `montants` (a_1 to a_n, in order) against the capital received, with
// `periodesParAn` (k) periods a year.
TauxOuMotif CalculeTAEG(double capitalRecu, std::span<const double> montants, int periodesParAn);

// The three rates an offer is compared on.
struct TauxAnnuelsEffectifs {
    TauxOuMotif taeg;              // the payments as listed, insurance included
    TauxOuMotif taegHorsAssurance; // the same payments less the insurance of each
    TauxOuMotif taea;              // taeg − taegHorsAssurance; the first one's failure when either fails
};

// The rates of a loan of `montant` with `fraisDossier` paid at the start and `assurance` in each of
// the listed payments `montants`: the capital received is montant − fraisDossier.
TauxAnnuelsEffectifs CalculeTauxAnnuelsEffectifs(double montant, double fraisDossier, double assurance,
                                                 std::span<const double> montants, int periodesParAn);
// The same with each payment's own premium, `assurances` beside `montants`.
TauxAnnuelsEffectifs CalculeTauxAnnuelsEffectifs(double montant, double fraisDossier,
                                                 std::span<const double> assurances,
                                                 std::span<const double> montants, int periodesParAn);

// The three rates in "0.00 %" ("3,37 %"), a half away from zero; nothing for a missing rate.
struct TextesTAEG {
    std::optional<std::string> taeg;
    std::optional<std::string> taegHorsAssurance;
    std::optional<std::string> taea;
    std::string motif; // why the first missing rate is missing; empty when all three are there
    bool operator==(const TextesTAEG&) const = default;
};

TextesTAEG FormateTAEG(const TauxAnnuelsEffectifs& taux, const ConventionsLocales& conventions);

} // namespace amortix
