#pragma once

#include "Frequence.h"
#include "Interactions.h"
#include "ModalitesEmprunt.h"

#include <QDialog>
#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace amortix {

// How the offer charges its insurance and whether it starts with a deferral, opened from the button
// beside "Assurance". OK checks the choice against the loan's duration and frequency and keeps the
// dialog open, with the reason, when it cannot apply.
class frmModalites : public QDialog {
    Q_OBJECT

public:
    // `duree`: the loan's periods as the main window reads them, nothing when its field is not a
    // number yet (the deferral is then checked against the duration at the next compute).
    frmModalites(QWidget* parent, Interactions& interactions, const ModalitesEmprunt& modalites,
                 std::optional<std::int32_t> duree, Frequence frequence);

    // The modalities chosen, once OK has accepted them; a smoothing kept as it came.
    ModalitesEmprunt modalites() const;

    QRadioButton* optParEcheance;
    QRadioButton* optCapitalInitial;
    QRadioButton* optCapitalRestant;
    QLineEdit* txtTauxAssurance;
    QRadioButton* optSansDiffere;
    QRadioButton* optDifferePartiel;
    QRadioButton* optDiffereTotal;
    QLineEdit* txtPeriodesDiffere;

private:
    void ActiveChamps();
    void Valide();

    Interactions& interactions_;
    std::optional<std::int32_t> duree_;
    Frequence frequence_;
    std::string lissage_; // a smoothed loan's, which this dialog does not show and keeps
};

} // namespace amortix
