// The main window's settings: the options and customisation dialogs, the header and the logo.
#include "ChargementLogo.h"
#include "ChargementReglages.h"
#include "frmCustom.h"
#include "frmEmprunt.h"
#include "frmOptions.h"

#include <QLabel>

namespace amortix {

void frmEmprunt::mnuOptions_Click() {
    frmOptions options(module_, interactions_, this);
    options.exec();
}

void frmEmprunt::mnuPersonnaliser_Click() {
    frmCustom personnalisation(module_, interactions_, this);
    connect(&personnalisation, &frmCustom::EntetesAppliques, this, &frmEmprunt::ChargePicLogo);
    personnalisation.exec();
}

void frmEmprunt::AfficheCadreInfos() {
    if (const auto erreur = ChargeEntetes(module_))
        AvertitReglages(*erreur);
    ChargePicLogo();
}

void frmEmprunt::ChargePicLogo() {
    if (module_.strCheminImage.isEmpty()) {
        picLogo->clear();
        return;
    }
    auto image = ChargeLogo(module_.strCheminImage);
    if (const auto* erreur = std::get_if<Erreur>(&image)) {
        AvertitReglages(*erreur); // the logo shown so far stays
        return;
    }
    const QPixmap logo = QPixmap::fromImage(std::get<QImage>(image));
    picLogo->setPixmap(logo);
    // The holder takes the picture's size: the report places the logo by this width.
    picLogo->resize(logo.deviceIndependentSize().toSize());
}

void frmEmprunt::AvertitReglages(const Erreur& erreur) {
    interactions_.message(this, IconeMessage::Avertissement, TitreAmortix, erreur.texte());
}

} // namespace amortix
