#pragma once

#include "PlanFinancement.h"

#include <QLocale>

class QChart;

namespace amortix {

// Each loan's share of what the plan pays each period, stacked: the smoothing loan at the bottom,
// the level total at the top; amounts in `locale`. An empty chart without a plan. The chart is the
// caller's: shown in a view, or painted on a page.
QChart* CreeGraphiquePlan(const PlanFinancement* plan, const QLocale& locale);

} // namespace amortix
