#include "ClasseurEcheancier.h"
#include "CommandesCli.h"
#include "CommandesSorties.h"
#include "ConventionsSysteme.h"

#include <QDir>
#include <QSaveFile>

namespace amortix {

int ExecuteExportClasseur(const ArgumentsCli& a, const CalculEmprunt& calcul, const Module& module,
                          std::string&, std::string& erreurs) {
    const auto echec = [&erreurs](const QString& etape, int numero, const QString& description) {
        erreurs += VersUtf8(
            QStringLiteral("amortix-cli : Erreur %1 (étape %2) : %3\n").arg(numero).arg(etape, description));
        return static_cast<int>(StatutEchecCalcul);
    };
    // Through a save file, so that a failure leaves whatever was at that path untouched.
    QSaveFile fichier(a.fichierSortie);
    if (!fichier.open(QIODevice::WriteOnly))
        return echec(QStringLiteral("1"), ErreurAccesFichier,
                     QStringLiteral("Impossible de créer « %1 » : %2")
                         .arg(QDir::toNativeSeparators(a.fichierSortie), fichier.errorString()));
    const ResultatClasseur resultat = EcritClasseur(ContenuDuCalcul(calcul), module.strEnteteExcel,
                                                    module.blnTEGDansExcel, ConventionsDe(a.locale), fichier);
    if (!resultat.reussi)
        return echec(resultat.etape, resultat.numero, resultat.description);
    if (!fichier.commit())
        return echec(QStringLiteral("16"), ErreurAccesFichier,
                     QStringLiteral("Impossible d'enregistrer « %1 » : %2")
                         .arg(QDir::toNativeSeparators(a.fichierSortie), fichier.errorString()));
    return StatutReussi;
}

} // namespace amortix
