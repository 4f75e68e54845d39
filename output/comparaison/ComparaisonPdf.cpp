#include "ComparaisonPdf.h"

#include "ConventionsSysteme.h"
#include "FichierUtilisateur.h"
#include "GraphiquesComparaison.h"
#include "PagesGraphiquesPdf.h"
#include "PeintureGraphique.h"
#include "RapportImprime.h"
#include "TauxUsure.h"

#include <QChart>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <memory>

namespace amortix {
namespace {

constexpr double TaillePolice = 8.0;
// Each chart is drawn at this size, then fitted into its half of the page.
constexpr QSize TailleGraphique(640, 400);

const QString LibelleUsure = QStringLiteral("Taux d'usure");

// The table: the headings on the left, one column per offer, the usury ceilings under them once the
// offers were checked against them; returns the height it took.
int DessineTableau(QPainter& peintre, const QRect& zone, std::span<const OffreNommee> offres,
                   const QLocale& locale) {
    const QFont normale = PolicePage(TaillePolice, false), grasse = PolicePage(TaillePolice, true);
    const QFontMetrics mesure(grasse);
    const int marge = mesure.averageCharWidth();
    const int hauteurLigne = mesure.height() + marge;
    int largeurLibelles = 0;
    for (const LigneComparaison ligne : LignesComparaison)
        largeurLibelles =
            std::max(largeurLibelles, mesure.horizontalAdvance(DepuisUtf8(LibelleLigne(ligne))));
    const bool usure =
        std::any_of(offres.begin(), offres.end(), [](const OffreNommee& o) { return o.usure.has_value(); });
    if (usure)
        largeurLibelles = std::max(largeurLibelles, mesure.horizontalAdvance(LibelleUsure));
    largeurLibelles += 2 * marge;
    const int nombre = std::max<int>(1, static_cast<int>(offres.size()));
    const int largeurOffre = std::min((zone.width() - largeurLibelles) / nombre, zone.width() / 4);
    const int rangeeUsure = static_cast<int>(LignesComparaison.size()) + 1;
    const int lignes = rangeeUsure + (usure ? 1 : 0);
    // A ceiling and its category take two lines of a column.
    const int hauteurTableau = (lignes + (usure ? 1 : 0)) * hauteurLigne;
    const ConventionsLocales conventions = ConventionsDe(locale);
    const MeilleuresOffres meilleures = TrouveMeilleuresOffres(offres);

    const auto cellule = [&](int rangee, int colonne) {
        const int x = colonne < 0 ? zone.left() : zone.left() + largeurLibelles + colonne * largeurOffre;
        return QRect(x, zone.top() + rangee * hauteurLigne, colonne < 0 ? largeurLibelles : largeurOffre,
                     rangee == rangeeUsure ? 2 * hauteurLigne : hauteurLigne);
    };
    const auto texte = [&](const QRect& rect, const QString& valeur, Qt::Alignment alignement, bool gras,
                           const QColor& couleur = Qt::black) {
        peintre.setFont(gras ? grasse : normale);
        peintre.setPen(couleur);
        const QRect interieur = rect.adjusted(marge, 0, -marge, 0);
        peintre.drawText(interieur, static_cast<int>(alignement | Qt::AlignVCenter),
                         QFontMetrics(peintre.font()).elidedText(valeur, Qt::ElideRight, interieur.width()));
    };

    peintre.fillRect(QRect(cellule(0, -1).topLeft(), cellule(0, nombre - 1).bottomRight()),
                     QColor(230, 230, 230));
    for (std::size_t r = 0; r < LignesComparaison.size(); ++r)
        texte(cellule(static_cast<int>(r) + 1, -1), DepuisUtf8(LibelleLigne(LignesComparaison[r])),
              Qt::AlignLeft, false);
    if (usure)
        texte(cellule(rangeeUsure, -1), LibelleUsure, Qt::AlignLeft, false);
    for (std::size_t i = 0; i < offres.size(); ++i) {
        const int colonne = static_cast<int>(i);
        const OffreNommee& offre = offres[i];
        texte(cellule(0, colonne), DepuisUtf8(offre.nom), Qt::AlignHCenter, true);
        if (!offre.offre) {
            const QRect motif =
                QRect(cellule(1, colonne).topLeft(), cellule(lignes - 1, colonne).bottomRight())
                    .adjusted(marge, marge / 2, -marge, 0);
            peintre.setFont(normale);
            peintre.drawText(motif, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             DepuisUtf8(offre.erreur));
            continue;
        }
        for (std::size_t r = 0; r < LignesComparaison.size(); ++r) {
            const LigneComparaison ligne = LignesComparaison[r];
            const bool marquee = (ligne == LigneComparaison::CoutTotal && meilleures.moinsChere == i) ||
                                 (ligne == LigneComparaison::TAEG && meilleures.plusPetitTAEG == i);
            // As in the window: a TAEG over its ceiling is red.
            const bool illicite = ligne == LigneComparaison::TAEG && offre.usure && offre.usure->depasse;
            texte(cellule(static_cast<int>(r) + 1, colonne),
                  DepuisUtf8(TexteLigne(ligne, *offre.offre).value_or("-")), Qt::AlignRight, marquee,
                  illicite ? Qt::red : Qt::black);
        }
        if (offre.usure) {
            peintre.setFont(normale);
            peintre.drawText(cellule(rangeeUsure, colonne).adjusted(marge, 0, -marge, 0),
                             Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap,
                             DepuisUtf8(DecritPlafond(*offre.usure, conventions)));
        }
    }
    peintre.setPen(QPen(Qt::gray, 0));
    const int droite = cellule(0, nombre - 1).right();
    for (int r = 0; r < lignes; ++r)
        peintre.drawLine(zone.left(), zone.top() + r * hauteurLigne, droite, zone.top() + r * hauteurLigne);
    peintre.drawLine(zone.left(), zone.top() + hauteurTableau, droite, zone.top() + hauteurTableau);
    for (int c = -1; c <= nombre; ++c) {
        const int x = c < 0 ? zone.left() : zone.left() + largeurLibelles + c * largeurOffre;
        peintre.drawLine(x, zone.top(), x, zone.top() + hauteurTableau);
    }
    peintre.setPen(Qt::black);
    return hauteurTableau;
}

void DessineGraphique(QPainter& peintre, const QRect& zone, QChart* graphique) {
    QSize taille = TailleGraphique;
    taille.scale(zone.size(), Qt::KeepAspectRatio);
    PeintGraphique(peintre, std::unique_ptr<QChart>(graphique), TailleGraphique,
                   QRectF(zone.topLeft(), taille));
}

} // namespace

std::optional<Erreur> EcritComparaisonPdf(QIODevice& destination, std::span<const OffreNommee> offres,
                                          std::optional<std::size_t> choisie, const QLocale& locale,
                                          const QString& avisUsure) {
    QPdfWriter pdf(&destination);
    MetEnPageGraphique(pdf, QStringLiteral("Comparaison des offres"), QPageLayout::Landscape);
    QPainter peintre;
    if (!peintre.begin(&pdf))
        return Erreur{NumeroErreurImprimante, QStringLiteral("Le document PDF n'a pas pu commencer.")};
    const QRect page(0, 0, pdf.width(), pdf.height());

    int y = DessineTitrePage(peintre, page, QStringLiteral("Comparaison des offres"));
    y += DessineTableau(peintre, QRect(page.left(), y, page.width(), page.bottom() - y), offres, locale) +
         EspacePage;
    if (!avisUsure.isEmpty()) {
        peintre.setFont(PolicePage(TaillePolice, false));
        const int hauteur = QFontMetrics(peintre.font()).height();
        peintre.drawText(QRect(page.left(), y, page.width(), hauteur), Qt::AlignLeft, avisUsure);
        y += hauteur + EspacePage;
    }

    const int demiLargeur = (page.width() - EspacePage) / 2;
    const QRect gauche(page.left(), y, demiLargeur, page.bottom() - y);
    DessineGraphique(peintre, gauche, CreeGraphiqueCapitalDesOffres(offres, locale));
    DessineGraphique(
        peintre, gauche.translated(demiLargeur + EspacePage, 0),
        CreeGraphiqueAnnuelDe(choisie && *choisie < offres.size() ? &offres[*choisie] : nullptr, locale));
    if (!peintre.end())
        return Erreur{NumeroErreurImprimante, QStringLiteral("Le document PDF n'a pas pu être terminé.")};
    return std::nullopt;
}

std::optional<Erreur> EnregistreComparaisonPdf(const QString& chemin, std::span<const OffreNommee> offres,
                                               std::optional<std::size_t> choisie, const QLocale& locale,
                                               const QString& avisUsure) {
    return EcritFichierUtilisateur(chemin, [&](QIODevice& destination) {
        return EcritComparaisonPdf(destination, offres, choisie, locale, avisUsure);
    });
}

} // namespace amortix
