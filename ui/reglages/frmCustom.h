#pragma once

#include "Interactions.h"
#include "Module.h"

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace amortix {

// The report headers and the logo. It shows what the header store holds; OK writes the store,
// updates the settings and says so (EntetesAppliques), so that the window showing the logo loads the
// new one at once.
class frmCustom : public QDialog {
    Q_OBJECT

public:
    frmCustom(Module& module, Interactions& interactions, QWidget* parent);

    QGroupBox* fraImpression;
    QLineEdit* txtImpression;
    QLineEdit* txtImage;
    QPushButton* cmdParcourir;
    QGroupBox* fraExportation;
    QLineEdit* txtExportationExcel;
    QPushButton* cmdOK;
    QPushButton* cmdAnnuler;

signals:
    // The settings hold the new headers and logo path; sent before the dialog closes.
    void EntetesAppliques();

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdParcourir_Click();

    Module& module_;
    Interactions& interactions_;
};

} // namespace amortix
