#pragma once

#include "EnregistrementEntetes.h"
#include "FichierOptions.h"
#include "TauxUsureEnregistres.h"

#include <QDir>
#include <QString>

namespace amortix {

// The program-wide settings, one instance for the whole run: the options read at start-up and the
// report headers read when the main window opens. The dialogs change them.
struct Module {
    bool blnTEGDansExcel = false;       // the TEG in the workbook and the printed report
    bool blnAfficheEcranAccueil = true; // the welcome screen at start-up
    bool blnTEGActuariel = true;        // actuarial TEG shown, else proportional
    QString strEnteteImpression;
    QString strEnteteExcel;
    QString strCheminImage;
    TableUsure tauxUsure = TableUsureFournie(); // the usury ceilings the windows check TAEGs against
    QString dossierReglages; // where options.bin and the header store are, decided at start-up

    // A settings file's path; none without a settings folder, which reads as the defaults.
    QString fichierReglages(const QString& nom) const {
        return dossierReglages.isEmpty() ? QString() : QDir(dossierReglages).filePath(nom);
    }

    Options options() const { return {blnTEGDansExcel, blnAfficheEcranAccueil, blnTEGActuariel}; }
    void appliqueOptions(const Options& options) {
        blnTEGDansExcel = options.tegDansSorties;
        blnAfficheEcranAccueil = options.afficheEcranAccueil;
        blnTEGActuariel = options.tegActuariel;
    }
    void appliqueEntetes(const EnregistrementEntetes& entetes) {
        strEnteteImpression = entetes.enteteImpression;
        strEnteteExcel = entetes.enteteExcel;
        strCheminImage = entetes.cheminImage;
    }
};

} // namespace amortix
