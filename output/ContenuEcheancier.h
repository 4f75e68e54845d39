#pragma once

#include "CalculEmprunt.h"
#include "TableauAmortissement.h"

#include <QString>

#include <span>

namespace amortix {

// What the outputs (workbook, printed report) read, as the main window shows it: the field texts,
// the frequency entry, the TEG text kept with its label, the cost labels and the list's rows. The
// outputs recompute nothing, so what they show is what is on screen.
struct ContenuEcheancier {
    QString montant;      // txtMontant
    QString duree;        // txtMensualite
    int indexEcheance = 0; // cboEcheance; -1 when nothing is selected
    QString taux;         // txtTaux
    QString assurance;    // txtAssurance
    QString fraisDossier; // txtFraisDossier
    QString tegAffiche;   // the tag of lblTEG
    QString coutTotal;    // lblCoutTotal
    QString coutInterets;
    QString coutAssurance;
    QString coutFraisDossier;
    std::span<const LigneTableau> lignes; // lvwListe's rows, not owned
};

// The same content from a computation made without a window (amortix-cli), exactly as the window
// would show it afterwards.
ContenuEcheancier ContenuDuCalcul(const CalculEmprunt& calcul);

} // namespace amortix
