#pragma once

#include "ComparaisonOffres.h"
#include "Erreur.h"

#include <QString>

namespace amortix {

// How a comparison or a financing plan says that one of its documents cannot be read.
std::string MotifDocumentIllisible(const Erreur& erreur);

// The offer of a loan document, named after the file; when it cannot be opened, why.
OffreNommee LitOffre(const QString& chemin, bool tegActuariel, const ConventionsLocales& conventions);

} // namespace amortix
