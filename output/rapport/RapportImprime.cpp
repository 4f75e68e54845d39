#include "RapportImprime.h"

#include "ConventionsSysteme.h"
#include "Frequence.h"
#include "ImprimanteTwips.h"

#include <QPrinter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace amortix {
namespace {

constexpr int PasColonne = 1350;
constexpr int LongueurTrait = NombreColonnes * PasColonne;
constexpr int EcartLogo = 500;
// The logo's box: a third of the page's width, about 3 cm high (1 701 twips).
constexpr double HauteurMaximaleLogo = 1701;
constexpr int ReserveBasDePage = 500;
constexpr int EpaisseurTraits = 3;

using LargeursColonnes = std::array<std::int32_t, NombreColonnes>;

// Whole twips, to the nearest, an exact half going to the even one (the default rounding mode).
std::int32_t TwipsEntiers(double twips) {
    return static_cast<std::int32_t>(std::nearbyint(twips));
}

QString Texte(std::string_view texte) {
    return DepuisUtf8(texte);
}

// The heading row at y, then its rule; y becomes the top of the first row below.
void ImprimeEntetes(ImprimanteTwips& imprimante, std::int32_t& y) {
    for (int k = 0; k < NombreColonnes; ++k) {
        imprimante.placeEn(k * PasColonne, y);
        imprimante.imprime(Texte(EntetesColonnes[static_cast<std::size_t>(k)]));
    }
    imprimante.epaisseurTrait(EpaisseurTraits);
    imprimante.trait({imprimante.x(), imprimante.y()}, {LongueurTrait, imprimante.y()});
    y = TwipsEntiers(imprimante.y());
}

void ImprimeResume(ImprimanteTwips& imprimante, const RapportImprime& rapport) {
    const SaisieEmprunt& s = rapport.contenu.saisie;
    const CoutsCredit& couts = rapport.contenu.couts;
    imprimante.imprime(QStringLiteral("Montant du crédit : ") + Texte(s.montant));
    imprimante.imprime(QStringLiteral("Amortissement : ") + Texte(s.duree) + QLatin1Char(' ') +
                       Texte(LibelleEcheance(s.frequence)));
    const QString taux = QStringLiteral("Taux d'intérêt : ") + Texte(s.taux);
    if (rapport.blnTEGDansExcel)
        imprimante.imprime(taux + QStringLiteral(" % (TEG: ") + Texte(rapport.contenu.tegAffiche) +
                           QLatin1Char(')'));
    else
        imprimante.imprime(taux + QStringLiteral(" %"));
    imprimante.imprime(QStringLiteral("Assurance (fixe par éch.) : ") + Texte(s.assurance));
    imprimante.imprime({});
    imprimante.imprime(QStringLiteral("Coût total du crédit : ") + Texte(couts.total) +
                       QStringLiteral(" dont :"));
    imprimante.imprime(QStringLiteral("Intérêts : ") + Texte(couts.interets));
    imprimante.imprime(QStringLiteral("Assurance : ") + Texte(couts.assurance));
    imprimante.imprime(QStringLiteral("Frais de dossier : ") + Texte(couts.fraisDossier));
    imprimante.imprime({});
    imprimante.imprime({});
}

// The widest row number and the widest text of each column. The rows' own widths are kept, as the
// table needs them again to right-align each text.
LargeursColonnes MesureColonnes(const ImprimanteTwips& imprimante, std::span<const LigneTableau> lignes,
                                std::vector<std::array<double, NombreColonnes>>& largeursTextes) {
    LargeursColonnes largeurs{};
    largeursTextes.resize(lignes.size());
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        auto& largeursLigne = largeursTextes[i];
        largeursLigne[0] = imprimante.largeurTexte(QString::number(i + 1));
        for (std::size_t j = 1; j < NombreColonnes; ++j)
            largeursLigne[j] = imprimante.largeurTexte(Texte(lignes[i].textes[j]));
        for (std::size_t j = 0; j < NombreColonnes; ++j)
            largeurs[j] = std::max(largeurs[j], TwipsEntiers(largeursLigne[j]));
    }
    return largeurs;
}

// A logo that fits the box keeps its own size; a larger one is scaled down into it, its proportions
// kept, so that a big picture never covers the page.
QSizeF TailleLogo(const QSizeF& naturelle, double largeurPage) {
    if (naturelle.isEmpty())
        return naturelle;
    const double echelle =
        std::min({1.0, largeurPage / 3 / naturelle.width(), HauteurMaximaleLogo / naturelle.height()});
    return naturelle * echelle;
}

} // namespace

RapportImprime ComposeRapport(const ContenuEcheancier& contenu, const QString& strEnteteImpression,
                              bool blnTEGDansExcel, const QPixmap& logo) {
    return {contenu, strEnteteImpression, blnTEGDansExcel, logo,
            logo.isNull() ? 0 : static_cast<int>(ImprimanteTwips::tailleImage(logo).width())};
}

Erreur ErreurAucuneImprimante() {
    return {NumeroAucuneImprimante, QStringLiteral("Aucune imprimante par défaut n'est définie.")};
}

std::optional<Erreur> ImprimeRapport(QPagedPaintDevice& page, const RapportImprime& rapport) {
    const auto erreur = [](const QString& description) {
        return std::optional<Erreur>({NumeroErreurImprimante, description});
    };
    ImprimanteTwips imprimante(page);
    if (!imprimante.commence())
        return erreur(QStringLiteral("L'impression n'a pas pu commencer."));

    imprimante.police(10, true);
    imprimante.imprime(rapport.strEnteteImpression);
    imprimante.epaisseurTrait(EpaisseurTraits);
    imprimante.trait({imprimante.x(), imprimante.y()}, {imprimante.largeurPage(), imprimante.y()});
    imprimante.imprime({});
    // The summary is printed on the logo's left: the logo does not move the position.
    if (!rapport.logo.isNull()) {
        const QSizeF naturelle = ImprimanteTwips::tailleImage(rapport.logo);
        const QSizeF taille = TailleLogo(naturelle, imprimante.largeurPage());
        // Placed by picLogo's width, or by the picture's once it had to shrink.
        const double largeur = taille == naturelle ? rapport.largeurLogo : taille.width();
        imprimante.peintImage(
            rapport.logo,
            QRectF(QPointF(imprimante.largeurPage() - largeur - EcartLogo, imprimante.y()), taille));
    }
    imprimante.imprime({});
    imprimante.police(10, false);
    ImprimeResume(imprimante, rapport);
    imprimante.police(16, true);
    imprimante.imprime(QStringLiteral("Tableau d'amortissement :"));
    imprimante.police(10, false);
    imprimante.imprime({});

    const std::span<const LigneTableau> lignes = rapport.contenu.lignes;
    std::vector<std::array<double, NombreColonnes>> largeursTextes;
    const LargeursColonnes largeurs = MesureColonnes(imprimante, lignes, largeursTextes);

    std::int32_t y = TwipsEntiers(imprimante.y());
    ImprimeEntetes(imprimante, y);
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        y = TwipsEntiers(imprimante.y());
        if (imprimante.hauteurPage() < y + ReserveBasDePage) {
            y = 0;
            if (!imprimante.nouvellePage())
                return erreur(QStringLiteral("La page suivante n'a pas pu être commencée."));
            ImprimeEntetes(imprimante, y);
        }
        const auto& largeursLigne = largeursTextes[i];
        imprimante.placeEn(largeurs[0] - largeursLigne[0], y);
        imprimante.imprime(QString::number(i + 1));
        for (std::size_t j = 1; j < NombreColonnes; ++j) {
            imprimante.placeEn(largeurs[j] - largeursLigne[j] + static_cast<double>(j) * PasColonne, y);
            imprimante.imprime(Texte(lignes[i].textes[j]));
        }
        // The rule under the row, one line below its top, is also the top of the next row.
        imprimante.trait({imprimante.x(), imprimante.y()}, {LongueurTrait, imprimante.y()});
    }

    if (!imprimante.termine())
        return erreur(QStringLiteral("Le document n'a pas pu être terminé."));
    if (const auto* imprimanteSysteme = dynamic_cast<const QPrinter*>(&page);
        imprimanteSysteme && imprimanteSysteme->printerState() == QPrinter::Error)
        return erreur(QStringLiteral("L'imprimante « %1 » a signalé une erreur.")
                          .arg(imprimanteSysteme->printerName()));
    return std::nullopt;
}

} // namespace amortix
