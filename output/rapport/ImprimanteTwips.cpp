#include "ImprimanteTwips.h"

#include "PolicePdf.h"

#include <QGlyphRun>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QPixmap>
#include <algorithm>

namespace amortix {
namespace {

constexpr double TwipsParPouce = 1440.0;
constexpr double TwipsParPointTypo = 20.0;
// A picture's own size: its pixels at 96 per inch.
constexpr double TwipsParPixelImage = 15.0;
// A PDF has no dots of its own: lines there are counted in the dots of a common 600-dpi printer,
// which finer devices also keep, so that a rule looks the same on every device.
constexpr int PointsParPouceMaximum = 600;
// Below Greek: Latin letters and the signs around them, which need no shaping.
constexpr char16_t FinLatin = u'\u0250';

QFont Arial(int points, bool gras) {
    QFont police = PolicePdf(gras);
    // Sized in twips, the unit the painter draws in: a point size would be scaled a second time.
    police.setPixelSize(static_cast<int>(points * TwipsParPointTypo));
    // Widths as the font designs them, the same on paper, in the preview and in a PDF.
    police.setHintingPreference(QFont::PreferNoHinting);
    police.setKerning(false);
    return police;
}

} // namespace

ImprimanteTwips::ImprimanteTwips(QPagedPaintDevice& page) : page_(page), metriques_(QFont(), &page) {
    police(10, false);
}

bool ImprimanteTwips::commence() {
    if (!peintre_.begin(&page_))
        return false;
    // A PDF engine (also behind a CUPS printer) takes a row's glyphs as one text item; a preview
    // would record such glyphs as paths, slowly, so other devices get whole texts.
    glyphesGroupes_ = peintre_.paintEngine()->type() == QPaintEngine::Pdf;
    peintre_.scale(page_.logicalDpiX() / TwipsParPouce, page_.logicalDpiY() / TwipsParPouce);
    twipsParPoint_ = TwipsParPouce / std::min(page_.logicalDpiX(), PointsParPouceMaximum);
    peintre_.setFont(police_);
    epaisseurTrait(1);
    position_ = {};
    return true;
}

bool ImprimanteTwips::nouvellePage() {
    dessineGlyphesEnAttente();
    position_ = {};
    return page_.newPage();
}

bool ImprimanteTwips::termine() {
    dessineGlyphesEnAttente();
    return peintre_.end();
}

void ImprimanteTwips::police(int points, bool gras) {
    dessineGlyphesEnAttente();
    police_ = Arial(points, gras);
    metriques_ = QFontMetricsF(police_, &page_);
    policeBrute_ = QRawFont::fromFont(police_);
    ascendante_ = metriques_.ascent();
    hauteurLigne_ = metriques_.lineSpacing();
    if (peintre_.isActive())
        peintre_.setFont(police_);
}

void ImprimanteTwips::epaisseurTrait(int points) {
    peintre_.setPen(QPen(Qt::black, points * twipsParPoint_, Qt::SolidLine, Qt::FlatCap));
}

bool ImprimanteTwips::glyphesSimples(const QString& texte, QList<quint32>& glyphes,
                                     QList<QPointF>& avances) const {
    if (!glyphesGroupes_ || !policeBrute_.isValid() ||
        !std::all_of(texte.begin(), texte.end(), [](QChar c) { return c.unicode() < FinLatin; }))
        return false;
    glyphes = policeBrute_.glyphIndexesForString(texte);
    if (glyphes.contains(0u))
        return false;
    avances.resize(glyphes.size());
    return policeBrute_.advancesForGlyphIndexes(glyphes.constData(), avances.data(),
                                                static_cast<int>(glyphes.size()), QRawFont::UseDesignMetrics);
}

double ImprimanteTwips::largeurTexte(const QString& texte) const {
    if (!glyphesSimples(texte, glyphes_, avances_))
        return metriques_.horizontalAdvance(texte);
    double largeur = 0.0;
    for (const QPointF& avance : avances_)
        largeur += avance.x();
    return largeur;
}

void ImprimanteTwips::imprime(const QString& texte) {
    const QPointF ligneDeBase(position_.x(), position_.y() + ascendante_);
    if (glyphesSimples(texte, glyphes_, avances_)) {
        QPointF point = ligneDeBase;
        for (qsizetype i = 0; i < glyphes_.size(); ++i) {
            glyphesEnAttente_.append(glyphes_[i]);
            positionsEnAttente_.append(point);
            point += avances_[i];
        }
    } else if (!texte.isEmpty()) {
        dessineGlyphesEnAttente();
        peintre_.drawText(ligneDeBase, texte);
    }
    position_ = {0.0, position_.y() + hauteurLigne_};
}

void ImprimanteTwips::dessineGlyphesEnAttente() {
    if (glyphesEnAttente_.isEmpty())
        return;
    QGlyphRun glyphes;
    glyphes.setRawFont(policeBrute_);
    glyphes.setGlyphIndexes(glyphesEnAttente_);
    glyphes.setPositions(positionsEnAttente_);
    peintre_.drawGlyphRun(QPointF(), glyphes);
    glyphesEnAttente_.clear();
    positionsEnAttente_.clear();
}

void ImprimanteTwips::trait(QPointF de, QPointF a) {
    dessineGlyphesEnAttente();
    peintre_.drawLine(QLineF(de, a));
    position_ = a;
}

QSizeF ImprimanteTwips::tailleImage(const QPixmap& image) {
    return image.deviceIndependentSize() * TwipsParPixelImage;
}

void ImprimanteTwips::peintImage(const QPixmap& image, const QRectF& cadre) {
    dessineGlyphesEnAttente();
    peintre_.drawPixmap(cadre, image, QRectF(image.rect()));
}

double ImprimanteTwips::largeurPage() const {
    return page_.width() * TwipsParPouce / page_.logicalDpiX();
}

double ImprimanteTwips::hauteurPage() const {
    return page_.height() * TwipsParPouce / page_.logicalDpiY();
}

} // namespace amortix
