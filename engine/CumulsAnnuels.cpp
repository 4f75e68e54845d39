#include "CumulsAnnuels.h"

namespace amortix {

std::vector<CumulAnnuel> CalculeCumulsAnnuels(std::span<const EcheanceCalculee> echeances) {
    std::vector<CumulAnnuel> cumuls;
    for (const EcheanceCalculee& echeance : echeances) {
        const int annee = static_cast<int>(echeance.date.year());
        if (cumuls.empty() || cumuls.back().annee != annee)
            cumuls.push_back({annee, 0.0, 0.0});
        cumuls.back().interets += echeance.interets;
        cumuls.back().capital += echeance.capital;
    }
    return cumuls;
}

} // namespace amortix
