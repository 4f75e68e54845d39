#pragma once

#include "Frequence.h"
#include "Interactions.h"
#include "SaisieEmprunt.h"

#include <QDialog>
#include <array>
#include <chrono>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace amortix {

// Finds the one missing quantity among amount, duration, rate and payment, then hands the completed
// loan back to the window that opened it, which lists its schedule. The window keeps nothing but the
// texts of its controls: every command reads the fields afresh.
class frmCalculManquant : public QDialog {
    Q_OBJECT

public:
    // `premiereEcheance`: the first payment date that the loan handed back keeps.
    frmCalculManquant(QWidget* parent, Interactions& interactions,
                      std::chrono::year_month_day premiereEcheance);

    // The loan to list, once "Utiliser ces informations..." has closed the window; nothing otherwise.
    const std::optional<SaisieEmprunt>& saisieRemise() const { return saisieRemise_; }

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

    Interactions& interactions_;
    std::chrono::year_month_day premiereEcheance_;
    std::optional<SaisieEmprunt> saisieRemise_;
};

} // namespace amortix
