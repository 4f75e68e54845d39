#pragma once

#include <QRectF>
#include <QSizeF>
#include <memory>

class QChart;
class QPainter;

namespace amortix {

// `graphique` laid out at `taille`, as a view of that size would show it, then painted into `cible`
// on any painter (a page, a picture); no window is made, so that this works without a display.
void PeintGraphique(QPainter& peintre, std::unique_ptr<QChart> graphique, const QSizeF& taille,
                    const QRectF& cible);

} // namespace amortix
