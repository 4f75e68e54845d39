// The main window's settings: the options and customisation dialogs, the header and the logo.
#include "frmEmprunt.h"

namespace amortix {

void frmEmprunt::mnuOptions_Click() {}

void frmEmprunt::mnuPersonnaliser_Click() {}

void frmEmprunt::AfficheCadreInfos() {}

} // namespace amortix
