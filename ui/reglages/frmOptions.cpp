#include "frmOptions.h"

#include "ChargementReglages.h"
#include "Controles.h"
#include "FichierOptions.h"
#include "frmTauxUsure.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace amortix {

QString TexteInfosTEG() {
    return QStringLiteral(
        "T.E.G. : Taux Effectif Global\r\n\r\n"
        "Le TEG intègre tous les coûts obligatoires pour l'obtention d'un prêt.\r\n"
        "Dans Amortix, le TEG prend donc en compte le taux nominal (taux d'intérêt annuel), le montant des "
        "frais d'assurance et le montant des frais de dossier.\r\n\r\n"
        "Deux méthodes existent pour calculer le TEG : proportionnelle ou actuarielle (équivalente). Depuis "
        "le "
        "1er juillet 2002, c'est le TEG actuariel qui prévaut pour les crédits à la consommation.\r\n\r\n"
        "L'intérêt principal du TEG est de pouvoir comparer différentes offres, pour déterminer laquelle est "
        "la "
        "plus intéressante. Pour que la comparaison soit valable, il faut donc que la méthode de calcul du "
        "TEG "
        "soit identique.");
}

frmOptions::frmOptions(Module& module, Interactions& interactions, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      module_(module), interactions_(interactions) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    setFixedSize(Pixels(4680), Pixels(2700));

    chkTEGDansExcel = Place(
        new QCheckBox(QStringLiteral("Afficher le &TEG dans l'exportation Excel et l'impression"), this),
        "chkTEGDansExcel", 210, 240, 4305, 315);
    chkAfficheEcranAccueil =
        Place(new QCheckBox(QStringLiteral("Afficher l'écran d'&accueil au démarrage"), this),
              "chkAfficheEcranAccueil", 210, 600, 4305, 315);
    Frame1 = Place(new QGroupBox(QStringLiteral("Choix du TEG :"), this), "Frame1", 210, 1005, 4290, 735);
    optTEG0 =
        Place(new QRadioButton(QStringLiteral("Proportionnel"), Frame1), "optTEG0", 255, 285, 1455, 300);
    optTEG1 = Place(new QRadioButton(QStringLiteral("Actuariel"), Frame1), "optTEG1", 1740, 285, 1155, 300);
    auto* groupe = new QButtonGroup(this);
    groupe->addButton(optTEG0, 0);
    groupe->addButton(optTEG1, 1);
    cmdInfosTEG =
        Place(new QPushButton(QStringLiteral("Infos TEG"), Frame1), "cmdInfosTEG", 3045, 240, 1020, 360);
    cmdInfosTEG->setAutoDefault(false);

    QFont boutons(QStringLiteral("Arial"));
    boutons.setPointSizeF(9.75);
    cmdOK = Place(new QPushButton(QStringLiteral("&OK"), this), "cmdOK", 2010, 2115, 1215, 435);
    cmdAnnuler =
        Place(new QPushButton(QStringLiteral("&Annuler"), this), "cmdAnnuler", 3300, 2115, 1215, 435);
    // In the free corner left of OK: the usury ceilings, edited in their own dialog.
    cmdTauxUsure = Place(new QPushButton(QStringLiteral("Taux d'&usure..."), this), "cmdTauxUsure", 210, 2115,
                         1695, 435);
    cmdTauxUsure->setAutoDefault(false);
    for (QPushButton* bouton : {cmdOK, cmdAnnuler, cmdTauxUsure})
        bouton->setFont(boutons);
    // Enter anywhere but on another button is OK; Escape is the dialog's own cancel.
    cmdOK->setDefault(true);

    OrdreTabulation({cmdOK, cmdAnnuler, chkTEGDansExcel, chkAfficheEcranAccueil, optTEG0, optTEG1,
                     cmdInfosTEG, cmdTauxUsure});

    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdInfosTEG, &QPushButton::clicked, this, &frmOptions::cmdInfosTEG_Click);
    connect(cmdTauxUsure, &QPushButton::clicked, this, &frmOptions::cmdTauxUsure_Click);
    Form_Load();
}

void frmOptions::Form_Load() {
    chkTEGDansExcel->setChecked(module_.blnTEGDansExcel);
    (module_.blnTEGActuariel ? optTEG1 : optTEG0)->setChecked(true);
    chkAfficheEcranAccueil->setChecked(module_.blnAfficheEcranAccueil);
    cmdOK->setFocus();
}

void frmOptions::cmdOK_Click() {
    module_.blnTEGDansExcel = chkTEGDansExcel->isChecked();
    module_.blnTEGActuariel = !optTEG0->isChecked();
    module_.blnAfficheEcranAccueil = chkAfficheEcranAccueil->isChecked();
    // The choices hold for this run even when the file cannot keep them.
    if (const auto erreur = EcritOptions(module_.fichierReglages(NomFichierOptions), module_.options()))
        interactions_.message(this, IconeMessage::Avertissement, TitreAmortix, erreur->texte());
    accept();
}

void frmOptions::cmdInfosTEG_Click() {
    interactions_.message(this, IconeMessage::Information, QStringLiteral("Infos TEG"), TexteInfosTEG());
}

void frmOptions::cmdTauxUsure_Click() {
    // The table as the settings hold it now; the dialog keeps its own changes on its own OK.
    if (const auto erreur = ChargeTauxUsure(module_))
        interactions_.message(this, IconeMessage::Avertissement, TitreAmortix, erreur->texte());
    frmTauxUsure fenetre(module_, interactions_, this);
    fenetre.exec();
}

} // namespace amortix
