#pragma once

#include "ComparaisonOffres.h"
#include "Interactions.h"
#include "Module.h"
#include "SaisieEmprunt.h"

#include <QDialog>
#include <optional>
#include <vector>

class QChartView;
class QComboBox;
class QLabel;
class QHBoxLayout;
class QPushButton;
class QTableWidget;

namespace amortix {

// Offers side by side: one column per loan, their costs and legal rates, and charts of them.
class frmComparaison : public QDialog {
    Q_OBJECT

public:
    frmComparaison(const Module& module, Interactions& interactions, QWidget* parent = nullptr);

    // Puts a loan in the next column, computed from its inputs; `nom` heads the column.
    void AjouteOffre(const QString& nom, const SaisieEmprunt& saisie);

private:
    void cmdAjouter_Click();
    void cmdRetirer_Click();
    void cmdExporterPdf_Click();

    // Rewrites the table and the capital chart from `offres_`, then selects the column `choisie`.
    void AfficheOffres(std::optional<std::size_t> choisie);
    // The yearly chart of the selected offer.
    void AfficheGraphiqueAnnuel();
    std::optional<std::size_t> OffreChoisie() const;
    NatureCredit NatureChoisie() const;

    const Module& module_;
    Interactions& interactions_;
    std::vector<OffreNommee> offres_;
    QString fichierDialogue_; // where the open dialog starts: the last document added
    QTableWidget* tblOffres;
    QPushButton* cmdAjouter;
    QPushButton* cmdRetirer;
    QPushButton* cmdExporterPdf;
    QPushButton* cmdFermer;
    QComboBox* cboNature; // the kind of credit, for its usury ceilings
    QLabel* lblAvisUsure; // said when the ceilings' quarter is over
    QHBoxLayout* zoneGraphiques_;
    QChartView* graCapitalRestant_ = nullptr;
    QChartView* graAnnuel_ = nullptr;
};

} // namespace amortix
