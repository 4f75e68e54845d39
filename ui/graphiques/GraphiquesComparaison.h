#pragma once

#include "ComparaisonOffres.h"

#include <span>

class QChartView;
class QWidget;

namespace amortix {

// The charts of a comparison, as the window shows them and its PDF prints them: the capital owed
// of every offer that computed, and what `offre` repays each year (an empty chart without one).
QChartView* CreeGraphiqueCapitalDesOffres(std::span<const OffreNommee> offres, QWidget* parent);
QChartView* CreeGraphiqueAnnuelDe(const OffreNommee* offre, QWidget* parent);

} // namespace amortix
