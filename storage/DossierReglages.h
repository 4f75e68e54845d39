#pragma once

#include <QString>

namespace amortix {

// Where the settings files live: the program's own folder when it can be written to (a copy of
// Amortix carried on a stick keeps its settings with it), otherwise the user's configuration folder
// ($XDG_CONFIG_HOME/amortix, created when needed).
QString ChoisitDossierReglages(const QString& dossierProgramme, const QString& dossierConfiguration);

// The same decision for this run: the executable's folder and ~/.config/amortix.
QString DossierReglages();

} // namespace amortix
