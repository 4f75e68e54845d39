#include "frmComparaison.h"

namespace amortix {

frmComparaison::frmComparaison(const Module& module, Interactions& interactions, QWidget* parent)
    : QDialog(parent), module_(module), interactions_(interactions) {
    setObjectName(QStringLiteral("frmComparaison"));
    setWindowTitle(QStringLiteral("Comparer des offres"));
}

void frmComparaison::AjouteOffre(const QString& nom, const SaisieEmprunt& saisie) {
    (void)nom;
    (void)saisie;
}

} // namespace amortix
