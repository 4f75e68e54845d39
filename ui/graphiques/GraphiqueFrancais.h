#pragma once

#include <QString>

class QChart;

namespace amortix {

// An empty chart as every chart of the program starts: its title, its numbers in the user's
// locale, its legend underneath.
QChart* CreeGraphiqueFrancais(const QString& titre);

} // namespace amortix
