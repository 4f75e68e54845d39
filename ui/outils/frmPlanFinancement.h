#pragma once

#include "Interactions.h"
#include "Module.h"
#include "PlanFinancement.h"

#include <QDialog>
#include <optional>
#include <vector>

class QChartView;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QStandardItemModel;
class QTableWidget;
class QTreeView;

namespace amortix {

// A purchase financed by several loans: the loans, the one smoothed (the longest by default), the
// level paid each period, the plan's costs and TAEG, every period with each loan's amount and the
// total, and a chart of each loan's share; the smoothed loan and the plan exported as a workbook,
// the plan as PDF pages, the smoothed loan saved as a document.
// Recomputed on every change; a plan that cannot be made says why in place of its figures.
class frmPlanFinancement : public QDialog {
    Q_OBJECT

public:
    frmPlanFinancement(const Module& module, Interactions& interactions, QWidget* parent = nullptr);

    // Puts a loan at the end of the list; the smoothing loan becomes the longest again.
    void AjoutePret(const QString& nom, const SaisieEmprunt& saisie);

private:
    void cmdAjouter_Click();
    void cmdRetirer_Click();
    void cmdCopier_Click();
    // The smoothed loan's schedule and the plan's, as a workbook of two sheets.
    void cmdClasseur_Click();
    // The plan's pages: figures, costs, chart and every period.
    void cmdExporterPdf_Click();
    // The smoothed loan as a document, its smoothing recorded with it.
    void cmdEnregistrer_Click();
    // The list and the choice of the smoothing loan from `prets_`, then the plan.
    void AffichePrets(std::size_t lissage);
    void AffichePlan();
    void RemplaceGraphique(const PlanFinancement* plan);

    const Module& module_;
    Interactions& interactions_;
    std::vector<PretDuPlan> prets_;
    std::optional<PlanFinancement> plan_; // the plan shown, none when it cannot be made
    QString fichierDialogue_;
    QListWidget* lstPrets;
    QPushButton* cmdAjouter;
    QPushButton* cmdRetirer;
    QComboBox* cboLissage;
    QLabel* lblPalier;
    QLabel* lblPalierAssurance;
    QLabel* lblCoutTotal;
    QLabel* lblTAEG;
    QLabel* lblMotif;
    QTableWidget* tblCouts;
    QTreeView* lvwPeriodes;
    QStandardItemModel* modelePeriodes_;
    QPushButton* cmdCopier;
    QPushButton* cmdClasseur;
    QPushButton* cmdExporterPdf;
    QPushButton* cmdEnregistrer;
    QPushButton* cmdFermer;
    QHBoxLayout* zoneGraphique_;
    QChartView* grfParts = nullptr;
};

} // namespace amortix
