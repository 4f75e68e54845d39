#include "ClasseurEcheancier.h"
#include "CommandesCli.h"
#include "CommandesSorties.h"
#include "ConventionsSysteme.h"

namespace amortix {

int ExecuteExportClasseur(const ArgumentsCli& a, const EmpruntCalcule& calcul, const Module& module,
                          std::string&, std::string& erreurs) {
    const auto echec = EnregistreClasseur(ContenuDuCalcul(calcul), module.strEnteteExcel,
                                          module.blnTEGDansExcel, ConventionsDe(a.locale), a.fichierSortie);
    if (!echec)
        return StatutReussi;
    erreurs += LigneEchecClasseur(*echec);
    return StatutEchecCalcul;
}

std::string LigneEchecClasseur(const EchecClasseur& echec) {
    return VersUtf8(QStringLiteral("amortix-cli : Erreur %1 (étape %2) : %3\n")
                        .arg(echec.erreur.numero)
                        .arg(echec.etape, echec.erreur.description));
}

} // namespace amortix
