// The main window's tools beyond the schedule: comparing offers, repaying early.
#include "ConventionsSysteme.h"
#include "frmComparaison.h"
#include "frmEmprunt.h"
#include "frmRemboursementAnticipe.h"

namespace amortix {

void frmEmprunt::mnuComparer_Click() {
    frmComparaison fenetre(module_, interactions_, this);
    // The loan on screen is the first offer while its schedule is shown (the commands that need one
    // are enabled then); a document's title names it.
    if (mnuRemboursementAnticipe->isEnabled()) {
        QString nom = windowTitle();
        const QString suffixe = QStringLiteral(" - ") + TitreAmortix;
        nom = nom.endsWith(suffixe) ? nom.chopped(suffixe.size()) : QStringLiteral("Offre en cours");
        fenetre.AjouteOffre(nom, SaisieAffichee());
    }
    fenetre.exec();
}

void frmEmprunt::mnuRemboursementAnticipe_Click() {
    // Computed afresh from the fields, as every output of the schedule on screen is.
    frmRemboursementAnticipe fenetre(
        CalculeEmprunt(SaisieAffichee(), module_.blnTEGActuariel, ConventionsDe(QLocale())), interactions_,
        this);
    fenetre.exec();
}

} // namespace amortix
