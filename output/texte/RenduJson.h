#pragma once

#include "CalculEmprunt.h"
#include "CalculValeurManquante.h"

#include <string>

namespace amortix {

// A computation as one UTF-8 JSON object: the fields as the window shows them afterwards, the
// costs, the three effective rates and the one shown, the rows, and the message of a failure.
std::string RenduJsonEcheancier(const EmpruntCalcule& calcul, const std::string& premiereEcheance);

// A missing-value search as one JSON object: the four fields afterwards and the messages.
std::string RenduJsonValeurManquante(const RechercheValeurManquante& resultat);

} // namespace amortix
