#pragma once

#include "ComparaisonOffres.h"

#include <QLocale>
#include <span>

class QChart;

namespace amortix {

// The charts of a comparison, as the window shows them and its PDF prints them: the capital owed
// of every offer that computed, and what `offre` repays each year (an empty chart without one).
// Amounts in `locale`; each chart is the caller's.
QChart* CreeGraphiqueCapitalDesOffres(std::span<const OffreNommee> offres, const QLocale& locale);
QChart* CreeGraphiqueAnnuelDe(const OffreNommee* offre, const QLocale& locale);

} // namespace amortix
