// The main window's tools beyond the schedule: comparing offers, repaying early, borrowing capacity.
#include "ChargementReglages.h"
#include "ConventionsSysteme.h"
#include "frmCapacite.h"
#include "frmComparaison.h"
#include "frmEmprunt.h"
#include "frmPlanFinancement.h"
#include "frmRemboursementAnticipe.h"

namespace amortix {

void frmEmprunt::ChargeTauxUsureDesReglages() {
    if (const auto erreur = ChargeTauxUsure(module_))
        AvertitReglages(*erreur);
}

// The loan on screen, named by its document, while its schedule is shown (the commands that need
// one are enabled then).
std::optional<QString> frmEmprunt::NomPretAffiche(const QString& sansDocument) const {
    if (!mnuRemboursementAnticipe->isEnabled())
        return std::nullopt;
    const QString nom = windowTitle();
    const QString suffixe = QStringLiteral(" - ") + TitreAmortix;
    return nom.endsWith(suffixe) ? nom.chopped(suffixe.size()) : sansDocument;
}

void frmEmprunt::mnuComparer_Click() {
    ChargeTauxUsureDesReglages();
    frmComparaison fenetre(module_, interactions_, this);
    if (const auto nom = NomPretAffiche(QStringLiteral("Offre en cours")))
        fenetre.AjouteOffre(*nom, SaisieAffichee());
    fenetre.exec();
}

void frmEmprunt::mnuPlanFinancement_Click() {
    frmPlanFinancement fenetre(module_, interactions_, this);
    if (const auto nom = NomPretAffiche(QStringLiteral("Prêt en cours")))
        fenetre.AjoutePret(*nom, SaisieAffichee());
    fenetre.exec();
}

void frmEmprunt::mnuRemboursementAnticipe_Click() {
    // Computed afresh from the fields, as every output of the schedule on screen is.
    frmRemboursementAnticipe fenetre(
        CalculeEmprunt(SaisieAffichee(), module_.blnTEGActuariel, ConventionsDe(QLocale())), interactions_,
        this);
    fenetre.exec();
}

void frmEmprunt::mnuCapacite_Click() {
    ChargeTauxUsureDesReglages();
    frmCapacite fenetre(module_, interactions_, SaisieAffichee(), this);
    fenetre.exec();
    // Listed as a loan the missing-value window finds: the fields, then their schedule.
    if (const auto& saisie = fenetre.saisieRemise()) {
        AfficheSaisie(*saisie);
        cmdCalculer_Click();
    }
}

} // namespace amortix
