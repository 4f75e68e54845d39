#pragma once

#include "PlanFinancement.h"

class QChartView;
class QWidget;

namespace amortix {

// Each loan's share of what the plan pays each period, stacked: the smoothing loan at the bottom,
// the level total at the top. An empty chart without a plan.
QChartView* CreeGraphiquePlan(const PlanFinancement* plan, QWidget* parent);

} // namespace amortix
