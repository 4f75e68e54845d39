#pragma once

#include <QString>

class QBoxLayout;
class QChart;
class QChartView;

namespace amortix {

// An empty chart as every chart of the program starts: its title, its numbers in the user's
// locale, its legend underneath.
QChart* CreeGraphiqueFrancais(const QString& titre);

// A window's chart drawn anew: `nouveau` takes the place and the objectName of `actuel` in `zone`
// (the end of `zone`, stretched by `etirement`, the first time), the old chart is deleted, and
// `actuel` points to the new one.
void RemplaceGraphique(QBoxLayout* zone, QChartView*& actuel, QChartView* nouveau, int etirement = 0);

} // namespace amortix
