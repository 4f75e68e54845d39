#pragma once

#include <QFont>
#include <QPageLayout>
#include <QRect>
#include <QString>

class QPainter;
class QPdfWriter;

namespace amortix {

// The pages that carry charts (the comparison, the financing plan): A4 at the screen's resolution,
// so that the charts' point-sized fonts keep their proportions and a chart drawn at its size on
// screen fills the same share of the page, with 10 mm margins; `titre` in the document's properties.
void MetEnPageGraphique(QPdfWriter& pdf, const QString& titre, QPageLayout::Orientation orientation);

// `titre` in bold at the top of `page`; the first line free under it, a gap left.
int DessineTitrePage(QPainter& peintre, const QRect& page, const QString& titre);

// The text of those pages: the PDFs' family, at `points`.
QFont PolicePage(double points, bool gras);

// The gap between the blocks of such a page, in its dots.
inline constexpr int EspacePage = 12;

} // namespace amortix
