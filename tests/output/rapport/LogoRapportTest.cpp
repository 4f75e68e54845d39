#include "CalculEmprunt.h"
#include "Poppler.h"
#include "RapportImprime.h"
#include "RapportPdf.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

// A 1600 × 800 logo (24 000 × 12 000 twips at 15 twips a pixel) on a page 12 000 twips wide: its box
// is 4 000 twips wide (a third) and 1 701 high (3 cm), so it is scaled by 1 701 / 12 000 to
// 3 402 × 1 701 twips, and placed 500 twips from the right edge: left at 12 000 − 3 402 − 500.
// A 40 × 30 logo fits and keeps its 600 × 450.
TEST(LogoRapport, UnGrandLogoEstReduitDansSonCadre) {
    const EmpruntCalcule calcul = CalculeEmprunt(
        {"10000", "12", "6", "", "", Frequence::Mois, 2007y / January / 31}, true, ConventionsFrancaises());
    QTemporaryDir dossier;
    struct Cas {
        QSize pixels;
        double gauche, largeur, hauteur;
    };
    for (const Cas& c : {Cas{{1600, 800}, 8098, 3402, 1701}, Cas{{40, 30}, 12000 - 600 - 500, 600, 450}}) {
        QImage rouge(c.pixels, QImage::Format_RGB32);
        rouge.fill(Qt::red);
        RapportImprime rapport = ComposeRapport(ContenuDuCalcul(calcul), QStringLiteral("En-tête"), false,
                                                QPixmap::fromImage(rouge));
        const QString chemin = dossier.filePath(QStringLiteral("logo-%1.pdf").arg(c.pixels.width()));
        {
            QPdfWriter page(chemin);
            page.setResolution(1440);
            page.setPageLayout(QPageLayout(QPageSize(QSizeF(600, 400), QPageSize::Point),
                                           QPageLayout::Portrait, QMarginsF(), QPageLayout::Point));
            ASSERT_FALSE(ImprimeRapport(page, rapport));
        }
        // At 144 dpi a pixel is 10 twips.
        const QImage image = poppler::Image(chemin, 1, 144);
        QRect peint;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor couleur = image.pixelColor(x, y);
                if (couleur.red() > 200 && couleur.green() < 80 && couleur.blue() < 80)
                    peint |= QRect(x, y, 1, 1);
            }
        EXPECT_NEAR(peint.left() * 10, c.gauche, 20) << c.pixels.width();
        EXPECT_NEAR(peint.width() * 10, c.largeur, 20) << c.pixels.width();
        EXPECT_NEAR(peint.height() * 10, c.hauteur, 20) << c.pixels.width();
    }
}

// A PDF paginates as the default printer would; without one, 1 cm on A4 (Letter in inch locales).
TEST(MiseEnPagePdf, CelleDeLImprimanteParDefautSinonA4) {
    const QPageLayout imprimante(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                 QMarginsF(18, 36, 18, 36), QPageLayout::Point);
    EXPECT_TRUE(MiseEnPagePdf(imprimante).isEquivalentTo(imprimante));
    for (const auto& [locale, format] :
         {std::pair{QLocale(QLocale::French, QLocale::France), QPageSize::A4},
          std::pair{QLocale(QLocale::English, QLocale::UnitedStates), QPageSize::Letter}}) {
        QLocale::setDefault(locale);
        const QPageLayout sans = MiseEnPagePdf(std::nullopt);
        EXPECT_EQ(sans.pageSize().id(), format);
        EXPECT_EQ(sans.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
    }
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}
