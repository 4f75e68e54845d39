// The main window's spreadsheet export.
#include "frmEmprunt.h"

namespace amortix {

void frmEmprunt::cmdExportExcel_Click() {}

void frmEmprunt::mnuExporterClasseur_Click() {}

} // namespace amortix
