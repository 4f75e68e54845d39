#pragma once

#include "CalculEmprunt.h"
#include "SaisieEmprunt.h"
#include "TableauAmortissement.h"

#include <span>
#include <string>

namespace amortix {

// What the outputs (workbook, printed report) read, as the main window shows it: the loan's inputs
// as its fields hold them, the TEG text kept with its label, the cost labels and the list's rows.
// The outputs recompute nothing, so what they show is what is on screen.
struct ContenuEcheancier {
    SaisieEmprunt saisie;
    std::string tegAffiche; // the tag of lblTEG
    CoutsCredit couts;      // lblCoutTotal, lblCoutInterets, lblCoutAssurance, lblCoutFraisDossier
    std::span<const LigneTableau> lignes; // lvwListe's rows, not owned
};

// The same content from a computation made without a window (amortix-cli), exactly as the window
// would show it afterwards.
ContenuEcheancier ContenuDuCalcul(const EmpruntCalcule& calcul);

} // namespace amortix
