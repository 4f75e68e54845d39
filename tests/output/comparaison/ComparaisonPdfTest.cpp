#include "ComparaisonPdf.h"

#include "Poppler.h"
#include "TestsHorsEcran.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

// The bank's mortgage of the engine's tests, a document that could not be read, two consumer
// credits: the offers of the comparison window's tests.
std::vector<OffreNommee> Offres() {
    const ConventionsLocales francaises = ConventionsFrancaises();
    const auto offre = [&](const char* nom, const SaisieEmprunt& saisie) {
        return CalculeOffre(nom, saisie, true, francaises);
    };
    return {
        offre("banque.amx", {"100000", "180", "2", "43,32", "2690", Frequence::Mois, 2007y / January / 31}),
        {"abime.amx", std::nullopt, "le document n'a pas pu être ouvert : trop court"},
        offre("conso.amx", {"1500", "36", "16", "", "45", Frequence::Mois, 2007y / January / 31}),
        offre("auto.amx", {"9000", "60", "9", "1,30", "", Frequence::Mois, 2007y / January / 31})};
}

// The first line that starts with `debut`, as pdftotext lays the page out.
QString LigneQuiCommencePar(const QStringList& lignes, const QString& debut) {
    for (const QString& ligne : lignes)
        if (ligne.startsWith(debut))
            return ligne;
    return QStringLiteral("(aucune ligne « %1 »)").arg(debut);
}

// The colour of a word's ink on the page drawn at 72 pixels per inch: its darkest pixel, named.
std::string Encre(const QImage& page, const poppler::Mot& mot) {
    QColor plusSombre = Qt::white;
    for (int y = static_cast<int>(mot.haut / 20); y < static_cast<int>(mot.bas / 20); ++y)
        for (int x = static_cast<int>(mot.gauche / 20); x < static_cast<int>(mot.droite / 20); ++x)
            if (const QColor c = page.pixelColor(x, y); c.lightness() < plusSombre.lightness())
                plusSombre = c;
    if (plusSombre.lightness() > 200)
        return "aucune";
    return plusSombre.red() - plusSombre.green() > 100 ? "rouge" : "noire";
}

// The first word `texte` on the page.
poppler::Mot Mot(const poppler::Page& page, const QString& texte) {
    for (const poppler::Mot& mot : page.mots)
        if (mot.texte == texte)
            return mot;
    return {texte, 0, 0, 0, 0};
}

} // namespace

// Checked against the ceilings, every offer gets its own under the table, a TAEG over it is red, and
// the notice of a past quarter follows the table.
TEST(ComparaisonPdf, TauxDUsureSousLeTableau) {
    // The three offers that compute: each ceiling then fits on one line of its column.
    std::vector<OffreNommee> offres = Offres();
    offres.erase(offres.begin() + 1);
    const TableUsure premierTrimestre2026{.debut = 2026y / January / 1,
                                          .plafonds = {4.12, 4.59, 5.13, 4.99, 6.15, 23.56, 15.87, 8.67}};
    VerifieUsureDesOffres(offres, premierTrimestre2026, NatureCredit::Immobilier, ConventionsFrancaises());
    const QTemporaryDir dossier;
    const QString pdf = dossier.filePath(QStringLiteral("comparaison.pdf"));
    ASSERT_EQ(EnregistreComparaisonPdf(pdf, offres, 0, QLocale(), QStringLiteral("Les taux datent de 2026.")),
              std::nullopt);
    const QStringList lignes = poppler::Lignes(pdf);
    EXPECT_EQ(
        LigneQuiCommencePar(lignes, "Taux d'usure"),
        "Taux d'usure 4,59 % (immobilier, de 10 à moins de 20 ans) 4,12 % (immobilier, moins de 10 ans) "
        "4,12 % (immobilier, moins de 10 ans)");
    EXPECT_EQ(LigneQuiCommencePar(lignes, "Les taux"), "Les taux datent de 2026.");

    const std::vector<poppler::Page> pages = poppler::Pages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    const QImage page = poppler::Image(pdf, 1, 72);
    EXPECT_EQ(Encre(page, Mot(pages[0], "3,37")), "noire");
    EXPECT_EQ(Encre(page, Mot(pages[0], "19,78")), "rouge");
}

// One A4 page across: the title, the table, the capital owed of every offer that computed and the
// yearly chart of the offer chosen, empty without a choice or with one past the offers.
TEST(ComparaisonPdf, LeTableauEtLesGraphiquesSurUnePageA4) {
    const std::vector<OffreNommee> offres = Offres();
    struct Cas {
        std::optional<std::size_t> choisie;
        QString titresGraphiques;
    };
    for (const Cas& cas : {
             Cas{.choisie = 0,
            .titresGraphiques = "Capital restant dû Remboursements par année : banque.amx"},
             Cas{.choisie = 3, .titresGraphiques = "Capital restant dû Remboursements par année : auto.amx"},
             Cas{.choisie = std::nullopt, .titresGraphiques = "Capital restant dû Remboursements par année"},
             Cas{.choisie = 4, .titresGraphiques = "Capital restant dû Remboursements par année"},
         }) {
        SCOPED_TRACE(cas.choisie.value_or(99));
        const QTemporaryDir dossier;
        const QString pdf = dossier.filePath(QStringLiteral("comparaison.pdf"));
        ASSERT_EQ(EnregistreComparaisonPdf(pdf, offres, cas.choisie, QLocale(), {}), std::nullopt);
        const QStringList lignes = poppler::Lignes(pdf);
        EXPECT_EQ(lignes.value(0), "Comparaison des offres");
        EXPECT_EQ(LigneQuiCommencePar(lignes, "TAEG "), "TAEG 3,37 % 19,78 % 9,70 %");
        // Offers not checked against the ceilings: no row for them.
        EXPECT_EQ(LigneQuiCommencePar(lignes, "Taux d'usure"), "(aucune ligne « Taux d'usure »)");
        EXPECT_EQ(LigneQuiCommencePar(lignes, "Capital restant dû R"), cas.titresGraphiques);
        // The legends: a curve for each offer that computed, then the yearly chart's bars.
        EXPECT_EQ(LigneQuiCommencePar(lignes, "banque.amx conso"),
                  "banque.amx conso.amx auto.amx Capital remboursé Intérêts");
        const std::vector<poppler::Page> pages = poppler::Pages(pdf);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(std::round(pages[0].largeur / 20.0), std::round(297 / 25.4 * 1440 / 20.0));
        EXPECT_EQ(std::round(pages[0].hauteur / 20.0), std::round(210 / 25.4 * 1440 / 20.0));
    }
}

// The charts are Qt Charts, which stand on Qt Widgets.
int main(int argc, char** argv) {
    return ExecuteTestsHorsEcran<QApplication>(argc, argv);
}
