#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRawFont>

class QPagedPaintDevice;
class QPixmap;

namespace amortix {

// A printer as the report uses it, on any paged device: lengths in twips (1/1440 inch) from the
// top-left corner of the drawing area, y growing downwards, and a current position that each
// printed text moves to the start of the next line.
class ImprimanteTwips {
public:
    explicit ImprimanteTwips(QPagedPaintDevice& page);
    ImprimanteTwips(const ImprimanteTwips&) = delete;
    ImprimanteTwips& operator=(const ImprimanteTwips&) = delete;

    // Begins the document; false when the device refuses it (no printer, a file not writable).
    bool commence();
    // Starts the next page, the position back at (0, 0).
    bool nouvellePage();
    // Ends the document and sends it on.
    bool termine();

    // The family of every PDF (PolicePdf) at a size in points.
    void police(int points, bool gras);
    // Width of the lines drawn afterwards, in the device's dots.
    void epaisseurTrait(int points);

    double x() const { return position_.x(); }
    double y() const { return position_.y(); }
    void placeEn(double x, double y) { position_ = {x, y}; }

    // Draws the text with its top-left corner at the current position, then goes to the next line.
    void imprime(const QString& texte);
    double largeurTexte(const QString& texte) const;
    // A black line; the position stays at its end.
    void trait(QPointF de, QPointF a);
    // The picture's own size in twips (15 twips a pixel, as on the screen).
    static QSizeF tailleImage(const QPixmap& image);
    // The picture drawn into `cadre` (twips); the position does not move.
    void peintImage(const QPixmap& image, const QRectF& cadre);

    double largeurPage() const;
    double hauteurPage() const;

private:
    // A text of plain Latin letters, digits and signs that the font holds, as glyphs with their
    // advances, when the device takes glyphs; false otherwise, the text then going through the
    // painter's full text layout.
    bool glyphesSimples(const QString& texte, QList<quint32>& glyphes, QList<QPointF>& avances) const;
    void dessineGlyphesEnAttente();

    QPagedPaintDevice& page_;
    QPainter peintre_;
    QFont police_;
    QFontMetricsF metriques_;
    QRawFont policeBrute_;
    double ascendante_ = 0.0;
    double hauteurLigne_ = 0.0;
    double twipsParPoint_ = 1.0;
    QPointF position_;
    bool glyphesGroupes_ = false;
    // Texts printed since the last line, picture, font or page change, drawn together: a table row
    // then costs the device one text item instead of seven.
    QList<quint32> glyphesEnAttente_;
    QList<QPointF> positionsEnAttente_;
    // Scratch space, kept to spare an allocation per text.
    mutable QList<quint32> glyphes_;
    mutable QList<QPointF> avances_;
};

} // namespace amortix
