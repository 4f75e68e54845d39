#include "ChargementReglages.h"

#include "StockEntetes.h"
#include "TauxUsureEnregistres.h"

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

std::optional<Erreur> ChargeTauxUsure(Module& module) {
    LectureTauxUsure lecture = LitTauxUsureEnregistres(module.fichierReglages(NomFichierTauxUsure));
    module.tauxUsure = lecture.table;
    return lecture.erreur;
}

} // namespace amortix
