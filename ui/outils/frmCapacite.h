#pragma once

#include "CapaciteEmprunt.h"
#include "Interactions.h"
#include "Module.h"
#include "SaisieEmprunt.h"

#include <QDialog>
#include <array>
#include <optional>

class QChartView;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace amortix {

// How much a household may borrow under the 35 % rule: its incomes and continuing loans, the loan's
// rate, duration, insurance and fees; the largest amount, its payment, cost and TAEG against the usury
// ceiling, and the amount for other durations. "Utiliser ce montant" hands the loan to the window that
// opened it, which lists its schedule.
class frmCapacite : public QDialog {
    Q_OBJECT

public:
    // The rate, insurance and fees start as the loan on screen has them; its first payment date is the
    // one the loan handed back keeps.
    frmCapacite(const Module& module, Interactions& interactions, const SaisieEmprunt& pretAffiche,
                QWidget* parent = nullptr);

    // The loan to list, once "Utiliser ce montant" has closed the window; nothing otherwise.
    const std::optional<SaisieEmprunt>& saisieRemise() const { return saisieRemise_; }

private:
    void CreeControles();
    SaisieCapacite SaisieAffichee() const;
    void cmdCalculer_Click();
    void cmdUtiliser_Click();
    void EffaceResultats();
    void AfficheCapacite(const CapaciteEmprunt& capacite);
    void RemplaceGraphique(std::span<const MontantParDuree> montants);

    QLineEdit* txtRevenu1;
    QLineEdit* txtRevenu2;
    QLineEdit* txtCharges;
    QLineEdit* txtRatio;
    QLineEdit* txtTaux;
    QLineEdit* txtDuree;
    QComboBox* cboUniteDuree; // mois, ans
    QLineEdit* txtAssurance;
    QComboBox* cboAssurance; // an amount a month, or a yearly rate on the initial capital
    QLineEdit* txtFrais;
    QPushButton* cmdCalculer;
    QPushButton* cmdUtiliser;
    QPushButton* cmdFermer;
    std::array<QLabel*, LignesCapacite.size()> lblResultat; // in the order of LignesCapacite
    QLabel* lblUsure;
    QLabel* lblAvis;      // above 25 years
    QLabel* lblAvisUsure; // the ceilings' quarter is over
    QTableWidget* tblDurees;
    QHBoxLayout* zoneGraphique_;
    QChartView* grfDurees = nullptr;

    const Module& module_;
    Interactions& interactions_;
    std::chrono::year_month_day premiereEcheance_;
    std::optional<SaisieEmprunt> pretCalcule_;
    std::optional<SaisieEmprunt> saisieRemise_;
};

} // namespace amortix
