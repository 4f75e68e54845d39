#pragma once

#include "ConventionsLocales.h"
#include "TableauAmortissement.h"

#include <string>
#include <vector>

namespace amortix {

// The schedule as CSV: the headings, then one line per row. Fields are separated by ";" where the
// decimal separator is a comma, so that amounts need no quotes, and by "," otherwise.
std::string RenduCsv(const std::vector<LigneTableau>& lignes, const ConventionsLocales& conventions);

} // namespace amortix
