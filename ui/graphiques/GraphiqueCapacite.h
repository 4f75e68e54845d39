#pragma once

#include "CapaciteEmprunt.h"

#include <QString>
#include <span>

class QChartView;
class QWidget;

namespace amortix {

// The largest amount for each reference duration, one bar each.
QChartView* CreeGraphiqueCapacite(std::span<const MontantParDuree> montants, QWidget* parent);

} // namespace amortix
