#include "TauxEffectifGlobal.h"

#include "Annuite.h"
#include "Arrondis.h"
#include "TauxAnnuelEffectifGlobal.h"

#include <cmath>

namespace amortix {

std::optional<TauxEffectif> Calcul_TEG(const DonneesTEG& d) {
    const std::int32_t lngNbMois = d.lngNbMois;
    const double dblMensualite = d.dblMensualite;
    const int periodesParAn = PeriodesParAn(d.frequence);
    const double netRecu = d.dblMontant - d.dblFraisDossier;
    const double cible = Round2(lngNbMois * dblMensualite);
    if (!EstFini(cible))
        return std::nullopt;

    TauxEffectif teg;
    double bas = 0.0;
    double haut = 1.0;
    double x = 0.5;
    for (;;) {
        // The instalment at x is the schedule's payment on the net amount at the annual rate k × x.
        // Over thousands of periods the power overflows at the first values of x, where the
        // instalment is its limit: the search goes on down to where it counts.
        const auto paiement = PaiementEcheancier(netRecu, periodesParAn * x, periodesParAn, lngNbMois,
                                                 SiPuissanceDeborde::Limite);
        ++teg.evaluations;
        if (!paiement)
            return std::nullopt;
        const double total = Round2(lngNbMois * *paiement);
        if (!EstFini(total))
            return std::nullopt;
        if (total == cible)
            break;
        const double precedent = x;
        if (*paiement > dblMensualite) {
            haut = x;
            x = (x + bas) / 2.0;
        } else if (*paiement < dblMensualite) {
            bas = x;
            x = (x + haut) / 2.0;
        }
        if (x == precedent)
            return std::nullopt;
    }

    teg.tauxPeriode = x;
    teg.proportionnel = periodesParAn * x;
    teg.actuariel = std::pow(1.0 + x, periodesParAn) - 1.0;
    if (!EstFini(teg.actuariel))
        return std::nullopt;
    return teg;
}

std::optional<TauxEffectif> TEGDesMontants(double capitalRecu, std::span<const double> montants,
                                           Frequence frequence) {
    const int periodesParAn = PeriodesParAn(frequence);
    const TauxOuMotif annuel = CalculeTAEG(capitalRecu, montants, periodesParAn);
    const double* actuariel = std::get_if<double>(&annuel);
    if (!actuariel)
        return std::nullopt;
    TauxEffectif teg;
    teg.actuariel = *actuariel;
    teg.tauxPeriode = std::pow(1.0 + *actuariel, 1.0 / periodesParAn) - 1.0;
    teg.proportionnel = periodesParAn * teg.tauxPeriode;
    return teg;
}

TextesTEG FormateTEG(const TauxEffectif& teg, const ConventionsLocales& conventions) {
    return {FormatePourcentage(teg.tauxPeriode, 6, conventions),
            FormatePourcentage(teg.proportionnel, 4, conventions),
            FormatePourcentage(teg.actuariel, 4, conventions)};
}

} // namespace amortix
