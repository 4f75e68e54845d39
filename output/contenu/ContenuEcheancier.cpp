#include "ContenuEcheancier.h"

namespace amortix {

ContenuEcheancier ContenuDuCalcul(const EmpruntCalcule& calcul) {
    return {calcul.champs, calcul.tegAffiche, calcul.tableau.couts.value_or(CoutsCredit{}),
            calcul.tableau.lignes};
}

} // namespace amortix
