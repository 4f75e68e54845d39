#pragma once

#include "Frequence.h"
#include "Interactions.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace amortix {

class frmEmprunt;

// Finds the one missing quantity among amount, duration, rate and payment, then hands the completed
// loan to the main window, which lists its schedule. The window keeps nothing but the texts of its
// controls: every command reads the fields afresh.
class frmCalculManquant : public QDialog {
    Q_OBJECT

public:
    frmCalculManquant(frmEmprunt& principale, Interactions& interactions);

    // Any change of a field leaves nothing to hand over until the next compute.
    void ModificationsDonnees();

    // Indexed as the quantities: 0 amount, 1 duration (periods of the frequency), 2 rate in percent,
    // 3 payment. Their objectNames are txtValeur0 to txtValeur3.
    std::array<QLineEdit*, 4> txtValeur;
    QComboBox* cboEcheance;
    QPushButton* cmdCalculer;
    QPushButton* cmdTableauAmortissement;

private:
    void CreeControles();
    void Form_Load();
    void cboEcheance_Click();
    void cmdCalculer_Click();
    void cmdTableauAmortissement_Click();
    void AfficheMessage(const QString& texte);
    Frequence FrequenceChoisie() const;

    frmEmprunt& principale_;
    Interactions& interactions_;
};

} // namespace amortix
