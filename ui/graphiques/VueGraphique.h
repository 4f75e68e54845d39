#pragma once

class QChart;
class QChartView;
class QWidget;

namespace amortix {

// A window's view of a chart that output/graphiques made, the same chart a PDF page paints; the
// view owns the chart from then on.
QChartView* VueGraphique(QChart* graphique, QWidget* parent);

} // namespace amortix
