// The main window's loan documents: open, save, and the document named at start-up.
#include "frmEmprunt.h"

namespace amortix {

void frmEmprunt::mnuOuvrir_Click() {}

void frmEmprunt::mnuEnregistrerSous_Click() {}

void frmEmprunt::OuvrirFichier(const QString&) {}

} // namespace amortix
