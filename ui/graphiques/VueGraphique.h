#pragma once

class QBoxLayout;
class QChart;
class QChartView;
class QWidget;

namespace amortix {

// A window's view of a chart that output/graphiques made, the same chart a PDF page paints; the
// view owns the chart from then on.
QChartView* VueGraphique(QChart* graphique, QWidget* parent);

// A window's chart drawn anew: `nouveau` takes the place and the objectName of `actuel` in `zone`
// (the end of `zone`, stretched by `etirement`, the first time), the old chart is deleted, and
// `actuel` points to the new one.
void RemplaceGraphique(QBoxLayout* zone, QChartView*& actuel, QChartView* nouveau, int etirement = 0);

} // namespace amortix
