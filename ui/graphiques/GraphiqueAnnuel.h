#pragma once

#include "ReglesEcheancier.h"

#include <QString>
#include <span>

class QChartView;
class QWidget;

namespace amortix {

// What a loan repays each calendar year, capital and interest stacked in one bar per year; French
// titles and amounts in the user's locale. The rows are read while the chart is built, not kept.
QChartView* CreeGraphiqueAnnuel(const QString& titre, std::span<const EcheanceCalculee> echeances,
                                QWidget* parent);

} // namespace amortix
