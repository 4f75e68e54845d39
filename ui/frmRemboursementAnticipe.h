#pragma once

#include "CalculEmprunt.h"
#include "Interactions.h"

#include <QDialog>

namespace amortix {

// Repaying part or all of the loan on screen early: the penalty, the new schedule and what it saves.
// Works on its own copy of the computed loan; the main window is left as it is.
class frmRemboursementAnticipe : public QDialog {
    Q_OBJECT

public:
    frmRemboursementAnticipe(EmpruntCalcule calcul, Interactions& interactions, QWidget* parent = nullptr);

private:
    EmpruntCalcule calcul_;
    Interactions& interactions_;
};

} // namespace amortix
