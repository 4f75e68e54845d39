// The main window's printed report: print, print preview, PDF.
#include "frmEmprunt.h"

namespace amortix {

void frmEmprunt::cmdImprimer_Click() {}

void frmEmprunt::mnuApercuAvantImpression_Click() {}

void frmEmprunt::mnuExporterPdf_Click() {}

} // namespace amortix
