#include "ChargementReglages.h"

#include "StockEntetes.h"

namespace amortix {

std::optional<Erreur> ChargeOptions(Module& module, bool creeSiAbsent) {
    const LectureOptions lecture = LitOptions(module.fichierReglages(NomFichierOptions), creeSiAbsent);
    module.appliqueOptions(lecture.options);
    return lecture.erreur;
}

std::optional<Erreur> ChargeEntetes(Module& module) {
    const LectureEntetes lecture = LitEnregistrementEntetes(module.fichierReglages(NomStockEntetes));
    module.appliqueEntetes(lecture.enregistrement);
    return lecture.erreur;
}

} // namespace amortix
