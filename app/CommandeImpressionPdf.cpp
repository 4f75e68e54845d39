#include "ChargementLogo.h"
#include "CommandesCli.h"
#include "CommandesSorties.h"
#include "ConventionsSysteme.h"
#include "RapportPdf.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QPixmap>

namespace amortix {

int ExecuteImpressionPdf(const ArgumentsCli& a, const CalculEmprunt& calcul, const Module& module,
                         std::string&, std::string& erreurs) {
    // Fonts need a graphical application (amortix-cli makes one on the offscreen platform).
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        erreurs += "amortix-cli : print demande une application graphique\n";
        return StatutUsage;
    }
    RapportImprime rapport;
    rapport.contenu = ContenuDuCalcul(calcul);
    rapport.strEnteteImpression = module.strEnteteImpression;
    rapport.blnTEGDansExcel = module.blnTEGDansExcel;
    // The logo the window would hold, at its own size; one that cannot be loaded is left out.
    if (!module.strCheminImage.isEmpty()) {
        const auto logo = ChargeLogo(module.strCheminImage);
        if (const auto* erreur = std::get_if<Erreur>(&logo)) {
            erreurs += "amortix-cli : le rapport est imprimé sans logo : Erreur " + std::to_string(erreur->numero) +
                       " : " + VersUtf8(erreur->description) + "\n";
        } else {
            rapport.logo = QPixmap::fromImage(std::get<QImage>(logo));
            rapport.largeurLogo = Twips(rapport.logo.width());
        }
    }
    if (const auto erreur = EnregistreRapportPdf(a.fichierSortie, rapport)) {
        erreurs += "amortix-cli : Erreur " + std::to_string(erreur->numero) + " : " +
                   VersUtf8(erreur->description) + "\n";
        return StatutEchecCalcul;
    }
    return StatutReussi;
}

} // namespace amortix
