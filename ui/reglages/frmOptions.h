#pragma once

#include "Interactions.h"
#include "Module.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace amortix {

// The options: the TEG in the outputs, the welcome screen, the TEG method. It shows the values in
// memory; OK stores them in the settings and in options.bin.
class frmOptions : public QDialog {
    Q_OBJECT

public:
    frmOptions(Module& module, Interactions& interactions, QWidget* parent);

    QCheckBox* chkTEGDansExcel;
    QCheckBox* chkAfficheEcranAccueil;
    QGroupBox* Frame1;
    QRadioButton* optTEG0; // Proportionnel
    QRadioButton* optTEG1; // Actuariel
    QPushButton* cmdInfosTEG;
    QPushButton* cmdOK;
    QPushButton* cmdAnnuler;
    QPushButton* cmdTauxUsure;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdInfosTEG_Click();
    void cmdTauxUsure_Click();

    Module& module_;
    Interactions& interactions_;
};

// The five paragraphs of "Infos TEG".
QString TexteInfosTEG();

} // namespace amortix
