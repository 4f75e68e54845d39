#pragma once

#include "ComparaisonOffres.h"

#include <QString>

namespace amortix {

// An offer computed from its inputs, its TEG by the method the options choose; when it does not
// compute, the main window's failure message.
OffreNommee CalculeOffre(std::string nom, const SaisieEmprunt& saisie, bool tegActuariel,
                         const ConventionsLocales& conventions);

// The offer of a loan document, named after the file; when it cannot be opened, why.
OffreNommee LitOffre(const QString& chemin, bool tegActuariel, const ConventionsLocales& conventions);

} // namespace amortix
