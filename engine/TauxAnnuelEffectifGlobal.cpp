#include "TauxAnnuelEffectifGlobal.h"

#include "Annuite.h"
#include "Arrondis.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace amortix {
namespace {

// f(X) = Σ a_j v^j − capital reçu with v = (1 + X)^(−1/k), and its derivative in X,
// −Σ j a_j v^j / (k (1 + X)). One power, then both sums by Horner's rule from the last payment.
struct Ecart {
    double valeur;
    double derivee;
};

Ecart CalculeEcart(double x, double capitalRecu, std::span<const double> montants, int periodesParAn) {
    const double v = std::pow(1.0 + x, -1.0 / periodesParAn);
    double somme = 0.0;     // Σ a_j v^(j−1)
    double sommeRang = 0.0; // Σ j a_j v^(j−1)
    for (std::size_t j = montants.size(); j-- > 0;) {
        somme = montants[j] + v * somme;
        sommeRang = static_cast<double>(j + 1) * montants[j] + v * sommeRang;
    }
    return {v * somme - capitalRecu, -v * sommeRang / (periodesParAn * (1.0 + x))};
}

} // namespace

TauxOuMotif CalculeTAEG(double capitalRecu, std::span<const double> montants, int periodesParAn) {
    if (montants.empty() || periodesParAn < 1 || !EstFini(capitalRecu) ||
        !std::all_of(montants.begin(), montants.end(), EstFini))
        return std::string(MotifSansEcheances);
    if (capitalRecu <= 0.0)
        return std::string(MotifCapitalRecuNul);

    auto ecart = [&](double x) { return CalculeEcart(x, capitalRecu, montants, periodesParAn); };
    // The ends of the bracket where f is positive and negative. Payments of any sign are accepted:
    // only a change of sign between the two limits is asked for.
    const double aGauche = ecart(TauxAnnuelMinimal).valeur;
    const double aDroite = ecart(TauxAnnuelMaximal).valeur;
    if (aGauche == 0.0)
        return TauxAnnuelMinimal;
    if (aDroite == 0.0)
        return TauxAnnuelMaximal;
    if (!((aGauche > 0.0 && aDroite < 0.0) || (aGauche < 0.0 && aDroite > 0.0)))
        return std::string(MotifAucunTauxAnnuel);
    double positif = aGauche > 0.0 ? TauxAnnuelMinimal : TauxAnnuelMaximal;
    double negatif = aGauche > 0.0 ? TauxAnnuelMaximal : TauxAnnuelMinimal;

    // Newton's method from 0, kept inside the bracket: a step that leaves it, or that is not at most
    // half the step before the last (slow progress, a derivative lost to an overflow near −99 %),
    // is replaced by a bisection. Quadratic convergence makes the last step's length the error bound.
    double x = 0.0;
    Ecart e = ecart(x);
    double pas = TauxAnnuelMaximal - TauxAnnuelMinimal;
    double pasAvant = pas;
    for (int tour = 0; tour < 200; ++tour) {
        if (e.valeur == 0.0)
            return x;
        (e.valeur > 0.0 ? positif : negatif) = x;
        const double bas = std::min(positif, negatif);
        const double haut = std::max(positif, negatif);
        double suivant = x - e.valeur / e.derivee;
        if (!(suivant > bas && suivant < haut) || 2.0 * std::fabs(suivant - x) > std::fabs(pasAvant))
            suivant = bas + (haut - bas) / 2.0;
        pasAvant = pas;
        pas = suivant - x;
        x = suivant;
        if (std::fabs(pas) <= 1e-14 * (1.0 + std::fabs(x)))
            return x;
        e = ecart(x);
    }
    return x;
}

TauxAnnuelsEffectifs CalculeTauxAnnuelsEffectifs(double montant, double fraisDossier, double assurance,
                                                 std::span<const double> montants, int periodesParAn) {
    const std::vector<double> assurances(montants.size(), assurance);
    return CalculeTauxAnnuelsEffectifs(montant, fraisDossier, assurances, montants, periodesParAn);
}

TauxAnnuelsEffectifs CalculeTauxAnnuelsEffectifs(double montant, double fraisDossier,
                                                 std::span<const double> assurances,
                                                 std::span<const double> montants, int periodesParAn) {
    const double capitalRecu = montant - fraisDossier;
    std::vector<double> horsAssurance(montants.begin(), montants.end());
    for (std::size_t j = 0; j < horsAssurance.size() && j < assurances.size(); ++j)
        horsAssurance[j] -= assurances[j];

    TauxAnnuelsEffectifs taux{CalculeTAEG(capitalRecu, montants, periodesParAn),
                              CalculeTAEG(capitalRecu, horsAssurance, periodesParAn), std::string()};
    const double* avec = std::get_if<double>(&taux.taeg);
    const double* sans = std::get_if<double>(&taux.taegHorsAssurance);
    if (avec && sans)
        taux.taea = *avec - *sans;
    else
        taux.taea = avec ? std::get<std::string>(taux.taegHorsAssurance) : std::get<std::string>(taux.taeg);
    return taux;
}

TextesTAEG FormateTAEG(const TauxAnnuelsEffectifs& taux, const ConventionsLocales& conventions) {
    TextesTAEG textes;
    auto formate = [&](const TauxOuMotif& t) -> std::optional<std::string> {
        if (const double* x = std::get_if<double>(&t))
            return FormatePourcentage(*x, 2, conventions);
        if (textes.motif.empty())
            textes.motif = std::get<std::string>(t);
        return std::nullopt;
    };
    textes.taeg = formate(taux.taeg);
    textes.taegHorsAssurance = formate(taux.taegHorsAssurance);
    textes.taea = formate(taux.taea);
    return textes;
}

} // namespace amortix
