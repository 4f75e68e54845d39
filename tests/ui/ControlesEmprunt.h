#pragma once

#include "frmEmprunt.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>

namespace amortix {

// A window's control found by its objectName, as the user's tools see it; a missing one stops the
// test at once rather than crashing it later.
template <typename T> T* Controle(const QObject& fenetre, const char* nom) {
    T* trouve = fenetre.findChild<T*>(QLatin1String(nom));
    if (!trouve)
        qFatal("pas de contrôle %s", nom);
    return trouve;
}

// The main window's controls, for the tests that drive it.
struct ControlesEmprunt {
    explicit ControlesEmprunt(const frmEmprunt& f)
        : txtMontant(Controle<QLineEdit>(f, "txtMontant")),
          txtMensualite(Controle<QLineEdit>(f, "txtMensualite")),
          cboEcheance(Controle<QComboBox>(f, "cboEcheance")), DTPicker(Controle<QDateEdit>(f, "DTPicker")),
          txtTaux(Controle<QLineEdit>(f, "txtTaux")), lblTEG(Controle<QLabel>(f, "lblTEG")),
          cmdDetailsTEG(Controle<QPushButton>(f, "cmdDetailsTEG")),
          txtAssurance(Controle<QLineEdit>(f, "txtAssurance")),
          txtFraisDossier(Controle<QLineEdit>(f, "txtFraisDossier")),
          cmdCalculer(Controle<QPushButton>(f, "cmdCalculer")),
          cmdManquant(Controle<QPushButton>(f, "cmdManquant")),
          cmdImprimer(Controle<QPushButton>(f, "cmdImprimer")),
          cmdExportExcel(Controle<QPushButton>(f, "cmdExportExcel")),
          cmdQuitter(Controle<QPushButton>(f, "cmdQuitter")), lvwListe(Controle<QTreeView>(f, "lvwListe")),
          Frame2(Controle<QGroupBox>(f, "Frame2")), lblCoutInterets(Controle<QLabel>(f, "lblCoutInterets")),
          lblCoutAssurance(Controle<QLabel>(f, "lblCoutAssurance")),
          lblCoutFraisDossier(Controle<QLabel>(f, "lblCoutFraisDossier")),
          lblCoutTotal(Controle<QLabel>(f, "lblCoutTotal")), picLogo(Controle<QLabel>(f, "picLogo")),
          mnuFichier(Controle<QMenu>(f, "mnuFichier")), mnuOuvrir(Controle<QAction>(f, "mnuOuvrir")),
          mnuEnregistrerSous(Controle<QAction>(f, "mnuEnregistrerSous")),
          mnuApercuAvantImpression(Controle<QAction>(f, "mnuApercuAvantImpression")),
          mnuExporterPdf(Controle<QAction>(f, "mnuExporterPdf")),
          mnuExporterClasseur(Controle<QAction>(f, "mnuExporterClasseur")),
          mnuOptions(Controle<QAction>(f, "mnuOptions")),
          mnuPersonnaliser(Controle<QAction>(f, "mnuPersonnaliser")) {}

    QLineEdit* txtMontant;
    QLineEdit* txtMensualite;
    QComboBox* cboEcheance;
    QDateEdit* DTPicker;
    QLineEdit* txtTaux;
    QLabel* lblTEG;
    QPushButton* cmdDetailsTEG;
    QLineEdit* txtAssurance;
    QLineEdit* txtFraisDossier;
    QPushButton* cmdCalculer;
    QPushButton* cmdManquant;
    QPushButton* cmdImprimer;
    QPushButton* cmdExportExcel;
    QPushButton* cmdQuitter;
    QTreeView* lvwListe;
    QGroupBox* Frame2;
    QLabel* lblCoutInterets;
    QLabel* lblCoutAssurance;
    QLabel* lblCoutFraisDossier;
    QLabel* lblCoutTotal;
    QLabel* picLogo;
    QMenu* mnuFichier;
    QAction* mnuOuvrir;
    QAction* mnuEnregistrerSous;
    QAction* mnuApercuAvantImpression;
    QAction* mnuExporterPdf;
    QAction* mnuExporterClasseur;
    QAction* mnuOptions;
    QAction* mnuPersonnaliser;
};

inline ControlesEmprunt Controles(const frmEmprunt& f) {
    return ControlesEmprunt(f);
}

} // namespace amortix
