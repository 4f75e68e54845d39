#pragma once

#include "Interactions.h"
#include "Module.h"
#include "SaisieEmprunt.h"

#include <QDialog>

namespace amortix {

// Offers side by side: one column per loan, their costs and legal rates, and charts of them.
class frmComparaison : public QDialog {
    Q_OBJECT

public:
    frmComparaison(const Module& module, Interactions& interactions, QWidget* parent = nullptr);

    // Puts a loan in the next column, computed from its inputs; `nom` heads the column.
    void AjouteOffre(const QString& nom, const SaisieEmprunt& saisie);

private:
    const Module& module_;
    Interactions& interactions_;
};

} // namespace amortix
