#include "PagesGraphiquesPdf.h"

#include "PolicePdf.h"

#include <QPainter>
#include <QPdfWriter>

namespace amortix {
namespace {

constexpr int ResolutionPdf = 96;
constexpr double MargeMillimetres = 10.0;
constexpr double TailleTitre = 14.0;

} // namespace

void MetEnPageGraphique(QPdfWriter& pdf, const QString& titre, QPageLayout::Orientation orientation) {
    pdf.setTitle(titre);
    pdf.setCreator(QStringLiteral("Amortix"));
    pdf.setResolution(ResolutionPdf);
    pdf.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), orientation,
                    QMarginsF(MargeMillimetres, MargeMillimetres, MargeMillimetres, MargeMillimetres),
                    QPageLayout::Millimeter));
}

int DessineTitrePage(QPainter& peintre, const QRect& page, const QString& titre) {
    peintre.setFont(PolicePage(TailleTitre, true));
    const int hauteur = QFontMetrics(peintre.font()).height();
    peintre.drawText(QRect(page.left(), page.top(), page.width(), hauteur), Qt::AlignLeft, titre);
    return page.top() + hauteur + EspacePage;
}

QFont PolicePage(double points, bool gras) {
    QFont police = PolicePdf(gras);
    police.setPointSizeF(points);
    return police;
}

} // namespace amortix
