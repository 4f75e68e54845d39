#pragma once

#include "CalculEmprunt.h"
#include "Interactions.h"
#include "SaisieRemboursement.h"

#include <QDialog>
#include <array>

class QChartView;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QSplitter;
class QTreeView;

namespace amortix {

class ModeleEcheancier;
struct RemboursementAnticipe;

// Repaying part or all of the loan on screen early: the penalty, the new schedule and what it saves.
// Works on its own copy of the computed loan; the main window is left as it is. Its controls are
// its own (tests find them by their objectName).
class frmRemboursementAnticipe : public QDialog {
    Q_OBJECT

public:
    frmRemboursementAnticipe(EmpruntCalcule calcul, Interactions& interactions, QWidget* parent = nullptr);

private:
    void CreeControles();
    void spnNumeroEcheance_Change();
    void ActiveSaisies();
    void cmdCalculer_Click();
    SaisieRemboursement SaisieAffichee() const;
    void AfficheRemboursement(const RemboursementAnticipe& remboursement, std::int32_t numeroEcheance);
    void AjusteLargeurListe();
    // The capital owed before, and after when there is a repayment, in place of the chart shown.
    void RemplaceGraphique(const RemboursementAnticipe* remboursement, std::int32_t numeroEcheance);

    QSpinBox* spnNumeroEcheance;
    QLabel* lblDateEcheance;
    QLineEdit* txtMontantRembourse;
    QCheckBox* chkRemboursementTotal;
    QRadioButton* optReduireDuree;
    QRadioButton* optReduireEcheance;
    QRadioButton* optCreditImmobilier;
    QRadioButton* optCreditConsommation;
    QRadioButton* optAucuneIndemnite;
    QRadioButton* optIndemniteSaisie;
    QLineEdit* txtIndemnite;
    QPushButton* cmdCalculer;
    QPushButton* cmdFermer;
    std::array<QLabel*, 8> lblResume; // the figures, in the order of the summary's labels
    QTreeView* lvwListe;
    QSplitter* splResultats; // the list beside the chart
    QChartView* grfCapitalRestant;

    EmpruntCalcule calcul_;
    Interactions& interactions_;
    ModeleEcheancier* modeleListe_;
};

} // namespace amortix
