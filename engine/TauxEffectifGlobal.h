#pragma once

#include "ConventionsLocales.h"

#include <cstdint>
#include <optional>
#include <string>

namespace amortix {

struct TauxEffectif {
    double tauxPeriode = 0.0;   // x, found by bisection
    double proportionnel = 0.0; // k × x
    double actuariel = 0.0;     // (1 + x)^k − 1
    int evaluations = 0;        // instalments computed by the search
};

// The periodic rate at which the instalments repay the amount actually received (the amount less
// the fees): bisection on [0, 1] until the total repaid over the loan matches the displayed
// instalment's total to the cent. Nothing when the arithmetic fails or when the search can no
// longer move (no rate up to 100 % per period repays that much, or x stuck near zero).
std::optional<TauxEffectif> Calcul_TEG(std::int32_t lngNbMois, double dblMensualite, double dblFraisDossier,
                                       double dblMontant, int periodesParAn);

struct TextesTEG {
    std::string periode;       // "0.000000 %"
    std::string proportionnel; // "0.0000 %"
    std::string actuariel;     // "0.0000 %"
    const std::string& affiche(bool actuarielChoisi) const { return actuarielChoisi ? actuariel : proportionnel; }
    bool operator==(const TextesTEG&) const = default;
};

TextesTEG FormateTEG(const TauxEffectif& teg, const ConventionsLocales& conventions);

// The text of the details box, lines separated by CR LF.
std::string TexteDetailsTEG(const TextesTEG& textes);

} // namespace amortix
