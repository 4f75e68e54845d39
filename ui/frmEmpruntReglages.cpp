// The main window's settings: the options and customisation dialogs, the header and the logo.
#include "frmEmprunt.h"

#include "ChargementImage.h"
#include "StockEntetes.h"
#include "frmCustom.h"
#include "frmOptions.h"

#include <QLabel>

namespace amortix {

void frmEmprunt::mnuOptions_Click() {
    frmOptions options(module_, interactions_, this);
    options.exec();
}

void frmEmprunt::mnuPersonnaliser_Click() {
    frmCustom personnalisation(module_, interactions_, *this);
    personnalisation.exec();
}

void frmEmprunt::AfficheCadreInfos() {
    const LectureEntetes lecture =
        LitEnregistrementEntetes(module_.fichierReglages(NomStockEntetes));
    if (lecture.erreur)
        AvertitReglages(*lecture.erreur);
    module_.strEnteteImpression = lecture.enregistrement.enteteImpression;
    module_.strEnteteExcel = lecture.enregistrement.enteteExcel;
    module_.strCheminImage = lecture.enregistrement.cheminImage;
    ChargeLogo();
}

void frmEmprunt::ChargeLogo() {
    if (module_.strCheminImage.isEmpty()) {
        picLogo->clear();
        return;
    }
    auto image = ChargeImage(module_.strCheminImage);
    if (const auto* erreur = std::get_if<ErreurFichier>(&image)) {
        AvertitReglages(*erreur); // the logo shown so far stays
        return;
    }
    const QPixmap logo = QPixmap::fromImage(std::get<QImage>(image));
    picLogo->setPixmap(logo);
    // The holder takes the picture's size: the report places the logo by this width.
    picLogo->resize(logo.deviceIndependentSize().toSize());
}

void frmEmprunt::AvertitReglages(const ErreurFichier& erreur) {
    interactions_.message(this, IconeMessage::Avertissement, TitreAmortix, erreur.texte());
}

} // namespace amortix
