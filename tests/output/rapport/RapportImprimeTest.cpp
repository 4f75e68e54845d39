#include "RapportImprime.h"

#include "Poppler.h"
#include "RapportPdf.h"
#include "TestsHorsEcran.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

using namespace amortix;
using namespace Qt::StringLiterals;
using namespace std::chrono;
using namespace amortix::poppler;
using Mots = std::vector<Mot>;

namespace {

constexpr int Pas = 1350;     // from one column to the next, in twips
constexpr double Ligne = 230; // Arial 10 with its leading
const QString Entete = "Prêts de l'Agence du Centre";
const ConventionsLocales fr = ConventionsFrancaises();

// The worked example: 10 000 at 6 % over 12 months from 31/01/2007.
const EmpruntCalcule exemple =
    CalculeEmprunt({"10000", "12", "6", "", "", Frequence::Mois, 2007y / January / 31}, true, fr);

struct RapportImprimeTest : ::testing::Test {
    QTemporaryDir dossier;
    RapportImprime rapport = ComposeRapport(ContenuDuCalcul(exemple), Entete, false, {});
    // 12 000 × 8 000 twips, no margins: places read as drawn.
    QString petitePage(const QString& nom) {
        QString chemin = dossier.filePath(nom);
        QPdfWriter page(chemin);
        page.setResolution(1440);
        const QPageSize taille(QSizeF(600, 400), QPageSize::Point);
        page.setPageLayout(QPageLayout(taille, QPageLayout::Portrait, {}));
        const auto erreur = ImprimeRapport(page, rapport);
        EXPECT_FALSE(erreur) << qPrintable(erreur->ligne());
        return chemin;
    }
};

// Words in lines, top to bottom, each left to right.
std::vector<Mots> LignesDeMots(const Page& page) {
    std::map<long, Mots> lignes;
    for (const Mot& mot : page.mots)
        lignes[std::lround(mot.haut)].push_back(mot);
    std::vector<Mots> resultat;
    for (auto& [haut, mots] : lignes)
        std::ranges::sort(resultat.emplace_back(std::move(mots)), {}, &Mot::gauche);
    return resultat;
}

// Each rule from the left edge: top and bottom pixel rows, right end.
struct Trait {
    int haut, bas, fin;
};
std::vector<Trait> Traits(const QImage& image) {
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

// Fonts embedded, title in 16 points, summary and costs spaced.
TEST_F(RapportImprimeTest, TextesDansLOrdre) {
    rapport.contenu.saisie.frequence = Frequence::Trimestres;
    const QString pdf = dossier.filePath("rapport.pdf");
    ASSERT_FALSE(EnregistreRapportPdf(pdf, rapport));
    const QStringList lignes = Lignes(pdf);
    ASSERT_EQ(lignes.size(), 23); // the others are the window's
    EXPECT_EQ(lignes[2], u"Amortissement : 12 trimestres"_s);
    EXPECT_EQ(lignes[3], u"Taux d'intérêt : 6,00 %"_s);
    EXPECT_EQ(lignes[10], "N° Date Montant éch. Intérêts Assurance "
                          "Capital amorti Capital restant dû");
    const QString polices = Sortie("pdffonts", {pdf});
    for (const char* police : {"LiberationSans", "LiberationSans-Bold"})
        EXPECT_TRUE(polices.contains(QRegularExpression("\\n" + QString(police) + " .* yes "))) << police;
    const Page page = Pages(pdf).at(0);
    const auto mot = [&](const char* t) { return *std::ranges::find(page.mots, t, &Mot::texte); };
    const auto haut = [&](const char* t) { return mot(t).haut; };
    const auto hauteur = [&](const char* t) { return mot(t).bas - haut(t); };
    EXPECT_NEAR(hauteur("Tableau") / hauteur("Prêts"), 1.6, 0.01);
    const double montant = haut("Montant"), pas = haut("Amortissement") - montant;
    EXPECT_NEAR(montant - haut("Prêts"), 3 * Ligne, 2);
    EXPECT_NEAR(pas, Ligne, 1);
    EXPECT_NEAR(haut("Coût") - montant, 5 * pas, 0.1);
}

// Rows numbered 1 to n, right-aligned; headings atop each page; a new page under 500 twips.
TEST_F(RapportImprimeTest, ColonnesPagesEtTraits) {
    const EmpruntCalcule calcul =
        CalculeEmprunt({"100000", "100", "4,5", "15", "300", Frequence::Mois, 2020y / March / 31}, true, fr);
    std::vector<LigneTableau> lignes = calcul.tableau.lignes;
    // Not assign(const char*): GCC 12 warns -Wrestrict at -O3.
    for (LigneTableau& ligne : lignes)
        ligne[Colonne::Numero] = std::string(1, 'X');
    rapport.contenu = ContenuDuCalcul(calcul);
    rapport.contenu.lignes = lignes;
    const QString pdf = petitePage("petite.pdf");
    const std::vector<Page> pages = Pages(pdf);
    ASSERT_GE(pages.size(), 3u);
    // The heading row opens the second page, at y = 0.
    const auto entete = LignesDeMots(pages[1]).front();
    ASSERT_EQ(entete.size(), 11u);
    EXPECT_EQ(entete[6].gauche, 5 * Pas);
    const double zero = entete[0].haut;
    struct Rangee {
        std::size_t page;
        Mots cellules;
    };
    std::vector<Rangee> rangees;
    for (std::size_t p = 0; p < pages.size(); ++p)
        for (const auto& mots : LignesDeMots(pages[p]))
            if (mots.size() == 7 && mots[0].texte.toInt() > 0)
                rangees.push_back({p, mots});
    ASSERT_EQ(rangees.size(), lignes.size());
    for (std::size_t i = 0; i < rangees.size(); ++i) {
        const auto& c = rangees[i].cellules;
        EXPECT_EQ(c[0].texte, QString::number(i + 1));
        EXPECT_EQ(c[6].texte.toStdString(), lignes[i][Colonne::CapitalRestant]);
    }
    // A column's values end at one place; the widest starts at its left.
    for (std::size_t j = 0; j < 7; ++j) {
        double gauche = 1e9;
        for (const auto& r : rangees) {
            EXPECT_NEAR(r.cellules[j].droite, rangees[0].cellules[j].droite, 0.01) << j;
            gauche = std::min(gauche, r.cellules[j].gauche);
        }
        EXPECT_NEAR(gauche, double(j * Pas), 0.5) << j;
    }
    const auto haut = [&](std::size_t i) { return rangees[i].cellules[0].haut; };
    const double pas = haut(1) - haut(0);
    EXPECT_NEAR(pas, Ligne, 1);
    for (std::size_t i = 0; i + 1 < rangees.size(); ++i) {
        if (rangees[i].page == rangees[i + 1].page)
            continue;
        EXPECT_LE(haut(i) - zero + 500, 8000);
        EXPECT_GT(haut(i) - zero + pas + 500, 8000);
        EXPECT_NEAR(haut(i + 1) - zero, pas, 0.5); // under the headings
    }
    // Drawn at 288 dpi, 5 twips a pixel.
    const QImage premiere = Image(pdf, 1, 288);
    const Trait sous = Traits(premiere).at(0); // none throws, and fails
    EXPECT_EQ(sous.fin, premiere.width());
    EXPECT_NEAR(sous.haut * 5, Ligne, 10);
    const auto traits = Traits(Image(pdf, 2, 288));
    ASSERT_EQ(std::ssize(traits), std::ranges::count(rangees, 1u, &Rangee::page) + 1);
    for (std::size_t k = 0; k < traits.size(); ++k) {
        const double milieu = (traits[k].haut + traits[k].bas + 1) / 2.0 * 5;
        EXPECT_NEAR(traits[k].fin, 9450.0 / 5, 1) << k;
        EXPECT_NEAR(milieu, double(k + 1) * pas, 10) << k;
    }
}

// The logo ends 500 twips from the edge; a big one fits a third of the page by 3 cm.
TEST_F(RapportImprimeTest, Logo) {
    const QString sans = petitePage("sans-logo.pdf");
    EXPECT_EQ(NombreImages(sans), 0);
    const auto mots = Pages(sans).at(0).mots;
    struct Cas {
        QSize pixels;
        int largeurLogo; // 0: the picture's own
        QRect place;     // in twips
    };
    // Scaled by 1 701 / 12 000: held by the box's height, then by its width.
    for (const Cas& cas :
         {Cas{{40, 30}, 0, {10900, 460, 600, 450}}, Cas{{40, 30}, 1500, {10000, 460, 600, 450}},
          Cas{{1600, 800}, 0, {8098, 460, 3402, 1701}}, Cas{{2400, 150}, 0, {7500, 460, 4000, 250}}}) {
        SCOPED_TRACE(cas.place.left());
        QImage rouge(cas.pixels, QImage::Format_RGB32);
        rouge.fill(Qt::red);
        rapport = ComposeRapport(rapport.contenu, Entete, false, QPixmap::fromImage(rouge));
        if (cas.largeurLogo)
            rapport.largeurLogo = cas.largeurLogo;
        const QString avec = petitePage("logo.pdf");
        EXPECT_EQ(NombreImages(avec), 1);
        const QImage page = Image(avec, 1, 144); // 10 twips a pixel
        QRect peint;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (const QColor p = page.pixelColor(x, y); p.red() > 200 && p.green() < 80)
                    peint |= QRect(x * 10, y * 10, 10, 10);
        EXPECT_NEAR(peint.left(), cas.place.left(), 20);
        EXPECT_NEAR(peint.top(), cas.place.top(), 10);
        EXPECT_NEAR(peint.width(), cas.place.width(), 20);
        EXPECT_NEAR(peint.height(), cas.place.height(), 20);
        EXPECT_EQ(Pages(avec).at(0).mots, mots);
    }
}

// A PDF paginates as the default printer; without one, 1 cm on A4 (Letter in inch locales).
TEST(MiseEnPagePdf, CelleDeLImprimanteParDefautSinonA4) {
    const QPageLayout imprimante(QPageSize(QPageSize::Letter), QPageLayout::Portrait, {18, 36, 18, 36});
    EXPECT_TRUE(MiseEnPagePdf(imprimante).isEquivalentTo(imprimante));
    // France last, as main left it.
    for (const auto& [locale, format] :
         {std::pair{QLocale("en_US"), QPageSize::Letter}, std::pair{QLocale("fr_FR"), QPageSize::A4}}) {
        QLocale::setDefault(locale);
        const QPageLayout sans = MiseEnPagePdf(std::nullopt);
        EXPECT_EQ(sans.pageSize().id(), format);
        EXPECT_EQ(sans.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
    }
}

int main(int argc, char** argv) {
    return ExecuteTestsHorsEcran<QGuiApplication>(argc, argv);
}
