#pragma once

#include "ReglesEcheancier.h"

#include <QLocale>
#include <QString>
#include <span>

class QChart;

namespace amortix {

// What a loan repays each calendar year, capital and interest stacked in one bar per year; French
// titles and amounts in `locale`. The rows are read while the chart is built, not kept. The chart
// is the caller's: shown in a view, or painted on a page.
QChart* CreeGraphiqueAnnuel(const QString& titre, std::span<const EcheanceCalculee> echeances,
                            const QLocale& locale);

} // namespace amortix
