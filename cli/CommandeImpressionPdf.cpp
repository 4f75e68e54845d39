#include "ChargementLogo.h"
#include "CommandesCli.h"
#include "CommandesSorties.h"
#include "ConventionsSysteme.h"
#include "RapportPdf.h"

#include <QGuiApplication>
#include <QPixmap>

namespace amortix {

int ExecuteImpressionPdf(const ArgumentsCli& a, const EmpruntCalcule& calcul, const Module& module,
                         std::string&, std::string& erreurs) {
    // Fonts need a graphical application (amortix-cli makes one on the offscreen platform).
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        erreurs += "amortix-cli : print demande une application graphique\n";
        return StatutUsage;
    }
    // The logo the window would hold; one that cannot be loaded is left out, as the window does.
    QPixmap logo;
    if (!module.strCheminImage.isEmpty()) {
        const auto image = ChargeLogo(module.strCheminImage);
        if (const auto* erreur = std::get_if<Erreur>(&image))
            erreurs += "amortix-cli : le rapport est imprimé sans logo : " + VersUtf8(erreur->ligne()) + "\n";
        else
            logo = QPixmap::fromImage(std::get<QImage>(image));
    }
    const RapportImprime rapport =
        ComposeRapport(ContenuDuCalcul(calcul), module.strEnteteImpression, module.blnTEGDansExcel, logo);
    if (const auto erreur = EnregistreRapportPdf(a.fichierSortie, rapport)) {
        erreurs += "amortix-cli : " + VersUtf8(erreur->ligne()) + "\n";
        return StatutEchecCalcul;
    }
    return StatutReussi;
}

} // namespace amortix
