#include "ResumeRemboursement.h"

namespace amortix {

std::array<std::string, 8> ValeursResumeRemboursement(const RemboursementAnticipe& r) {
    const TextesRemboursement& t = r.textes;
    return {t.restantAvant,        t.rembourse,
            t.indemnite,           std::to_string(r.numeroDerniere) + " le " + t.dateDerniere,
            t.nouvelleEcheance,    t.interetsEconomises,
            t.assuranceEconomisee, t.economieNette};
}

} // namespace amortix
