#pragma once

#include "ComparaisonOffres.h"

#include <QString>

namespace amortix {

// The offer of a loan document, named after the file; when it cannot be opened, why.
OffreNommee LitOffre(const QString& chemin, bool tegActuariel, const ConventionsLocales& conventions);

} // namespace amortix
