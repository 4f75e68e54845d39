#pragma once

#include "Interactions.h"
#include "Module.h"

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace amortix {

class frmEmprunt;

// The report headers and the logo. It shows what the header store holds; OK writes the store,
// updates the settings and puts the new logo into the main window at once.
class frmCustom : public QDialog {
    Q_OBJECT

public:
    frmCustom(Module& module, Interactions& interactions, frmEmprunt& principale);

    QGroupBox* fraImpression;
    QLineEdit* txtImpression;
    QLineEdit* txtImage;
    QPushButton* cmdParcourir;
    QGroupBox* fraExportation;
    QLineEdit* txtExportationExcel;
    QPushButton* cmdOK;
    QPushButton* cmdAnnuler;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdParcourir_Click();

    Module& module_;
    Interactions& interactions_;
    frmEmprunt& principale_;
};

} // namespace amortix
