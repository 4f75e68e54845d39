#pragma once

#include "ConventionsLocales.h"
#include "Frequence.h"

#include <cstdint>
#include <optional>
#include <span>
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
// Named fields, so that the amounts cannot be swapped: Calcul_TEG({.lngNbMois = n, …}).
struct DonneesTEG {
    std::int32_t lngNbMois = 0; // n
    double dblMensualite = 0.0; // the regular instalment as displayed, Fmt2(T) read back
    double dblFraisDossier = 0.0;
    double dblMontant = 0.0;
    Frequence frequence = Frequence::Mois;
};
std::optional<TauxEffectif> Calcul_TEG(const DonneesTEG& donnees);

// The same rate for rows that do not all pay one instalment (a deferral, a premium on the capital
// owed): the periodic rate at which the listed amounts repay the amount received, by the rate search
// of the TAEG. Nothing when no rate fits.
std::optional<TauxEffectif> TEGDesMontants(double capitalRecu, std::span<const double> montants,
                                           Frequence frequence);

struct TextesTEG {
    std::string periode;       // "0.000000 %"
    std::string proportionnel; // "0.0000 %"
    std::string actuariel;     // "0.0000 %"
    const std::string& affiche(bool actuarielChoisi) const {
        return actuarielChoisi ? actuariel : proportionnel;
    }
    bool operator==(const TextesTEG&) const = default;
};

TextesTEG FormateTEG(const TauxEffectif& teg, const ConventionsLocales& conventions);

} // namespace amortix
