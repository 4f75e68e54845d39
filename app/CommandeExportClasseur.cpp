#include "ClasseurEcheancier.h"
#include "CommandesCli.h"
#include "CommandesSorties.h"
#include "ConventionsSysteme.h"

namespace amortix {

int ExecuteExportClasseur(const ArgumentsCli& a, const CalculEmprunt& calcul, const Module& module,
                          std::string&, std::string& erreurs) {
    const ResultatClasseur resultat = EnregistreClasseur(ContenuDuCalcul(calcul), module.strEnteteExcel,
                                                         module.blnTEGDansExcel, ConventionsDe(a.locale),
                                                         a.fichierSortie);
    if (resultat.reussi)
        return StatutReussi;
    erreurs += VersUtf8(QStringLiteral("amortix-cli : Erreur %1 (étape %2) : %3\n")
                            .arg(resultat.numero)
                            .arg(resultat.etape, resultat.description));
    return StatutEchecCalcul;
}

} // namespace amortix
