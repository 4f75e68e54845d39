#include "RapportImprime.h"

#include "CalculEmprunt.h"
#include "Poppler.h"
#include "RapportPdf.h"
#include "TestsHorsEcran.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

using namespace amortix;
using namespace std::chrono;

namespace {

constexpr int PasColonne = 1350;
constexpr double Ligne = 230; // Arial 10 with its leading

// The worked example: 10 000 at 6 % over 12 months from 31/01/2007, as the window shows it.
const EmpruntCalcule exemple = CalculeEmprunt(
    {"10000", "12", "6", "", "", Frequence::Mois, 2007y / January / 31}, true, ConventionsFrancaises());

class RapportImprimeTest : public ::testing::Test {
protected:
    QTemporaryDir dossier;
    RapportImprime rapport;
    void SetUp() override {
        rapport.contenu = ContenuDuCalcul(exemple);
        rapport.strEnteteImpression = QStringLiteral("Prêts de l'Agence du Centre");
    }
    // On a page of 12 000 x 8 000 twips without margins, so that places read back as drawn.
    QString pdfPetitePage(const QString& nom) {
        QString chemin = dossier.filePath(nom);
        QPdfWriter page(chemin);
        page.setResolution(1440);
        page.setPageLayout(QPageLayout(QPageSize(QSizeF(600, 400), QPageSize::Point), QPageLayout::Portrait,
                                       QMarginsF(), QPageLayout::Point));
        EXPECT_FALSE(ImprimeRapport(page, rapport));
        return chemin;
    }
};

// The words of a page grouped into lines, top to bottom, each line's words left to right.
std::vector<std::vector<poppler::Mot>> LignesDeMots(const poppler::Page& page) {
    std::map<long, std::vector<poppler::Mot>> lignes;
    for (const poppler::Mot& mot : page.mots)
        lignes[std::lround(mot.haut)].push_back(mot);
    std::vector<std::vector<poppler::Mot>> resultat;
    for (auto& [haut, mots] : lignes)
        std::ranges::sort(resultat.emplace_back(std::move(mots)), {}, &poppler::Mot::gauche);
    return resultat;
}

// Rows of pixels crossed by a horizontal rule running from the left edge: [top, bottom, right end].
struct Trait {
    int haut, bas, fin;
};
std::vector<Trait> TraitsDepuisLaGauche(const QImage& image) {
    std::vector<Trait> traits;
    for (int y = 0; y < image.height(); ++y) {
        int x = 0;
        while (x < image.width() && qGray(image.pixel(x, y)) < 160)
            ++x;
        if (x < 100)
            continue;
        if (!traits.empty() && traits.back().bas == y - 1)
            traits.back() = {traits.back().haut, y, std::max(traits.back().fin, x)};
        else
            traits.push_back({y, y, x});
    }
    return traits;
}

} // namespace

// The heading row, the unit of the duration, Liberation Sans embedded, the title in 16 points; the
// summary two lines below the rule under the header, the costs after an empty line.
TEST_F(RapportImprimeTest, TextesDansLOrdre) {
    rapport.contenu.saisie.frequence = Frequence::Trimestres;
    const QString chemin = dossier.filePath(QStringLiteral("rapport.pdf"));
    ASSERT_FALSE(EnregistreRapportPdf(chemin, rapport));
    const QStringList lignes = poppler::Lignes(chemin);
    // The other lines are the window's, which its tests read.
    ASSERT_EQ(lignes.size(), 23);
    EXPECT_EQ(lignes.mid(2, 2), QStringList({"Amortissement : 12 trimestres", "Taux d'intérêt : 6,00 %"}));
    EXPECT_EQ(lignes[10], "N° Date Montant éch. Intérêts Assurance Capital amorti Capital restant dû");
    const QString polices = Sortie(QStringLiteral("pdffonts"), {chemin});
    EXPECT_TRUE(polices.contains(QRegularExpression(QStringLiteral("\\nLiberationSans .* yes "))));
    EXPECT_TRUE(polices.contains(QRegularExpression(QStringLiteral("\\nLiberationSans-Bold .* yes "))));
    const poppler::Page page = poppler::Pages(chemin).at(0);
    const auto mot = [&](const QString& t) { return *std::ranges::find(page.mots, t, &poppler::Mot::texte); };
    const auto haut = [&mot](const char* texte) { return mot(texte).haut; };
    const auto hauteur = [&mot](const char* texte) { return mot(texte).bas - mot(texte).haut; };
    EXPECT_NEAR(hauteur("Tableau") / hauteur("Prêts"), 1.6, 0.01); // 16 points against 10
    EXPECT_NEAR(haut("Amortissement") - haut("Montant"), Ligne, 1);
    EXPECT_NEAR(haut("Coût") - haut("Montant"), 5 * (haut("Amortissement") - haut("Montant")), 0.1);
    EXPECT_NEAR(haut("Montant") - haut("Prêts"), 3 * Ligne, 2);
}

// Rows numbered 1 to n whatever the list's first column says, right-aligned in columns 1 350 twips apart; the
// heading row again atop each new page; a row goes to the next page once under 500 twips remain below its
// top; rules across the page under the header, and from 0 to 9 450 twips under the heading row and every row.
TEST_F(RapportImprimeTest, ColonnesPagesEtTraits) {
    const EmpruntCalcule calcul =
        CalculeEmprunt({"100000", "100", "4,5", "15", "300", Frequence::Mois, 2020y / March / 31}, true,
                       ConventionsFrancaises());
    std::vector<LigneTableau> lignes = calcul.tableau.lignes;
    // A move, not assign(const char*): GCC 12 at -O3 warns -Wrestrict there (GCC bug 105329).
    for (LigneTableau& ligne : lignes)
        ligne[Colonne::Numero] = std::string(1, 'X');
    rapport.contenu = ContenuDuCalcul(calcul);
    rapport.contenu.lignes = lignes;
    const QString chemin = pdfPetitePage(QStringLiteral("petite.pdf"));
    const std::vector<poppler::Page> pages = poppler::Pages(chemin);
    ASSERT_GE(pages.size(), 3u);
    ASSERT_DOUBLE_EQ(pages[0].hauteur, 8000);
    // The heading row opens each following page at y = 0: its top calibrates the words' tops.
    const double decalage = LignesDeMots(pages[1]).front().front().haut;
    std::vector<std::pair<int, std::vector<poppler::Mot>>> rangees; // page, the row's seven cells
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const auto lignesPage = LignesDeMots(pages[p]);
        if (p > 0) {
            const auto& entete = lignesPage.front();
            SCOPED_TRACE("page " + std::to_string(p + 1));
            ASSERT_EQ(entete.size(), 11u);
            EXPECT_EQ(entete[0].texte, "N°");
            EXPECT_EQ(entete[6].gauche, 5 * PasColonne);
            EXPECT_NEAR(entete.front().haut, decalage, 0.01);
        }
        for (const auto& mots : lignesPage)
            if (mots.size() == 7 && mots.front().texte.toInt() > 0)
                rangees.emplace_back(static_cast<int>(p), mots);
    }
    ASSERT_EQ(rangees.size(), lignes.size());
    for (std::size_t i = 0; i < rangees.size(); ++i)
        EXPECT_EQ((QStringList{rangees[i].second[0].texte, rangees[i].second[6].texte}),
                  (QStringList{QString::number(i + 1),
                               QString::fromStdString(lignes[i][Colonne::CapitalRestant])}));
    // A column's values all end at one place; the widest starts at its left edge (widths are whole twips).
    for (std::size_t j = 0; j < 7; ++j) {
        std::vector<double> gauches, droites;
        for (const auto& [page, cellules] : rangees)
            gauches.push_back(cellules[j].gauche), droites.push_back(cellules[j].droite);
        EXPECT_NEAR(std::ranges::min(droites), std::ranges::max(droites), 0.01) << "colonne " << j;
        EXPECT_NEAR(std::ranges::min(gauches), static_cast<double>(j) * PasColonne, 0.5) << "colonne " << j;
    }
    const double pas = rangees[1].second[0].haut - rangees[0].second[0].haut;
    EXPECT_NEAR(pas, Ligne, 1);
    for (std::size_t i = 0; i + 1 < rangees.size(); ++i) {
        if (rangees[i].first == rangees[i + 1].first)
            continue;
        const double haut = rangees[i].second[0].haut - decalage;
        EXPECT_TRUE(haut + 500 <= pages[0].hauteur && haut + pas + 500 > pages[0].hauteur) << haut;
        EXPECT_NEAR(rangees[i + 1].second[0].haut - decalage, pas, 0.5); // just below the heading row
    }
    // Drawn at 288 dpi, 5 twips a pixel.
    const QImage premiere = poppler::Image(chemin, 1, 288);
    const Trait sousEntete = TraitsDepuisLaGauche(premiere).at(0); // none throws, and fails the test
    EXPECT_EQ(sousEntete.fin, premiere.width());
    EXPECT_NEAR(sousEntete.haut * 5, Ligne, 10);
    const auto traits = TraitsDepuisLaGauche(poppler::Image(chemin, 2, 288));
    const auto rangeesDeuxieme = std::ranges::count(rangees, 1, [](const auto& r) { return r.first; });
    ASSERT_EQ(traits.size(), static_cast<std::size_t>(rangeesDeuxieme) + 1);
    for (std::size_t k = 0; k < traits.size(); ++k) {
        EXPECT_NEAR(traits[k].fin, 9450.0 / 5, 1) << "trait " << k;
        EXPECT_NEAR((traits[k].haut + traits[k].bas + 1) / 2.0 * 5, static_cast<double>(k + 1) * pas, 10)
            << "trait " << k;
    }
}

// The logo one line below the rule under the header, 500 twips left of the right edge less picLogo's
// width (the picture's own, or the wider box the window gave it), at its own size; the text does not
// move for it. A 1600 × 800 logo (24 000 × 12 000 twips at 15 twips a pixel) does not fit its box, a
// third of the page's 12 000 twips wide and 1 701 high (3 cm): it is scaled by 1 701 / 12 000 to
// 3 402 × 1 701 twips and placed by that width, its left at 12 000 − 3 402 − 500. A 2400 × 150 logo
// (36 000 × 2 250 twips) is held by the box's width instead: 4 000 × 250, its left at 7 500.
TEST_F(RapportImprimeTest, Logo) {
    const QString sans = pdfPetitePage(QStringLiteral("sans-logo.pdf"));
    EXPECT_EQ(poppler::NombreImages(sans), 0);
    using Cas = std::tuple<QSize, int, double, double, double>;
    for (const auto& [pixels, largeurLogo, gauche, largeur, hauteur] : // largeurLogo 0: the picture's own
         {Cas{{40, 30}, 0, 12000 - 600 - 500, 600, 450}, Cas{{40, 30}, 1500, 12000 - 1500 - 500, 600, 450},
          Cas{{1600, 800}, 0, 8098, 3402, 1701}, Cas{{2400, 150}, 0, 7500, 4000, 250}}) {
        SCOPED_TRACE(testing::Message() << pixels.width() << " " << largeurLogo);
        QImage rouge(pixels, QImage::Format_RGB32);
        rouge.fill(Qt::red);
        rapport =
            ComposeRapport(rapport.contenu, rapport.strEnteteImpression, false, QPixmap::fromImage(rouge));
        if (largeurLogo)
            rapport.largeurLogo = largeurLogo;
        const QString avec =
            pdfPetitePage(QStringLiteral("logo-%1-%2.pdf").arg(pixels.width()).arg(largeurLogo));
        EXPECT_EQ(poppler::NombreImages(avec), 1);
        const QImage page = poppler::Image(avec, 1, 144); // 10 twips a pixel
        QRect peint;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (const QColor p = page.pixelColor(x, y); p.red() > 200 && p.green() < 80 && p.blue() < 80)
                    peint |= QRect(x, y, 1, 1);
        EXPECT_NEAR(peint.left() * 10, gauche, 20);
        EXPECT_NEAR(peint.top() * 10, 2 * Ligne, 10);
        EXPECT_NEAR(peint.width() * 10, largeur, 20);
        EXPECT_NEAR(peint.height() * 10, hauteur, 20);
        EXPECT_TRUE(poppler::Pages(avec).at(0).mots == poppler::Pages(sans).at(0).mots);
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

int main(int argc, char** argv) {
    return ExecuteTestsHorsEcran<QGuiApplication>(argc, argv);
}
