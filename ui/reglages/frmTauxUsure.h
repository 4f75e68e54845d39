#pragma once

#include "Interactions.h"
#include "Module.h"

#include <QDialog>
#include <array>

class QDateEdit;
class QLineEdit;
class QPushButton;

namespace amortix {

// The usury ceilings of a quarter, as the Banque de France publishes them: typed here each quarter,
// checked, and kept in the settings folder on OK. "Rétablir" shows the table shipped again.
class frmTauxUsure : public QDialog {
    Q_OBJECT

public:
    frmTauxUsure(Module& module, Interactions& interactions, QWidget* parent);

    QDateEdit* dtpTrimestre;
    std::array<QLineEdit*, NombreCategoriesUsure> txtPlafond; // in the order of CategoriesUsure
    QPushButton* cmdRetablir;
    QPushButton* cmdOK;
    QPushButton* cmdAnnuler;

private:
    void AfficheTable(const TableUsure& table);
    void cmdOK_Click();

    Module& module_;
    Interactions& interactions_;
};

} // namespace amortix
