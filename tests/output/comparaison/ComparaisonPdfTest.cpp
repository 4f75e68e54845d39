#include "ComparaisonPdf.h"

#include "Poppler.h"
#include "TestsHorsEcran.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace amortix;
using namespace amortix::poppler;
using namespace Qt::StringLiterals;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

// The bank's mortgage, a document that could not be read, two consumer credits.
std::vector<OffreNommee> Offres() {
    const auto offre = [](const char* nom, const SaisieEmprunt& saisie) {
        return CalculeOffre(nom, saisie, true, fr);
    };
    const auto debut = 2007y / January / 31;
    const auto mois = Frequence::Mois;
    return {offre("banque.amx", {"100000", "180", "2", "43,32", "2690", mois, debut}),
            {"abime.amx", std::nullopt, "le document n'a pas pu être ouvert : trop court"},
            offre("conso.amx", {"1500", "36", "16", "", "45", mois, debut}),
            offre("auto.amx", {"9000", "60", "9", "1,30", "", mois, debut})};
}

// The first line starting with `debut`, as pdftotext lays it out.
QString Ligne(const QStringList& lignes, const QString& debut) {
    for (const QString& ligne : lignes)
        if (ligne.startsWith(debut))
            return ligne;
    return "(aucune ligne « " + debut + " »)";
}

// The darkest pixel of the first word `texte`, at 72 pixels an inch, named.
std::string Encre(const QString& pdf, const QString& texte) {
    const auto mots = Pages(pdf).at(0).mots;
    const auto mot = std::ranges::find(mots, texte, &Mot::texte);
    if (mot == mots.end())
        return "pas de mot " + texte.toStdString();
    const QImage page = Image(pdf, 1, 72);
    QColor sombre = Qt::white;
    for (int y = int(mot->haut / 20); y < int(mot->bas / 20); ++y)
        for (int x = int(mot->gauche / 20); x < int(mot->droite / 20); ++x)
            if (const QColor c = page.pixelColor(x, y); c.lightness() < sombre.lightness())
                sombre = c;
    if (sombre.lightness() > 200)
        return "aucune";
    return sombre.red() - sombre.green() > 100 ? "rouge" : "noire";
}

} // namespace

// Each offer's ceiling under the table, a TAEG over it in red; then a past quarter's notice.
TEST(ComparaisonPdf, TauxDUsureSousLeTableau) {
    std::vector<OffreNommee> offres = Offres();
    offres.erase(offres.begin() + 1);
    const TableUsure t2026{.debut = 2026y / January / 1,
                           .plafonds = {4.12, 4.59, 5.13, 4.99, 6.15, 23.56, 15.87, 8.67}};
    VerifieUsureDesOffres(offres, t2026, NatureCredit::Immobilier, fr);
    const QTemporaryDir dossier;
    const QString pdf = dossier.filePath("comparaison.pdf");
    const QString avis = "Les taux datent de 2026.";
    ASSERT_EQ(EnregistreComparaisonPdf(pdf, offres, 0, QLocale(), avis), std::nullopt);
    const QStringList lignes = Lignes(pdf);
    EXPECT_EQ(Ligne(lignes, "Taux d'usure"),
              "Taux d'usure 4,59 % (immobilier, de 10 à moins de 20 ans) "
              "4,12 % (immobilier, moins de 10 ans) 4,12 % (immobilier, moins de 10 ans)");
    EXPECT_EQ(Ligne(lignes, "Les taux"), avis);
    EXPECT_EQ(Pages(pdf).size(), 1u);
    EXPECT_EQ(Encre(pdf, "3,37"), "noire");
    EXPECT_EQ(Encre(pdf, "19,78"), "rouge");
}

// One A4 page across; the yearly chart is the chosen offer's, untitled without a valid choice.
TEST(ComparaisonPdf, LeTableauEtLesGraphiquesSurUnePageA4) {
    const std::vector<OffreNommee> offres = Offres();
    const QString titres = "Capital restant dû Remboursements par année";
    const std::pair<std::optional<std::size_t>, QString> cas[] = {
        {0, titres + " : banque.amx"}, {3, titres + " : auto.amx"}, {std::nullopt, titres}, {4, titres}};
    for (const auto& [choisie, graphiques] : cas) {
        SCOPED_TRACE(choisie.value_or(99));
        const QTemporaryDir dossier;
        const QString pdf = dossier.filePath("comparaison.pdf");
        ASSERT_EQ(EnregistreComparaisonPdf(pdf, offres, choisie, QLocale(), {}), std::nullopt);
        const QStringList lignes = Lignes(pdf);
        EXPECT_EQ(lignes.value(0), u"Comparaison des offres"_s);
        EXPECT_EQ(Ligne(lignes, "TAEG "), u"TAEG 3,37 % 19,78 % 9,70 %"_s);
        // Offers not checked against the ceilings: no row for them.
        EXPECT_EQ(lignes.filter("usure"), QStringList());
        EXPECT_EQ(Ligne(lignes, "Capital restant dû R"), graphiques);
        // A curve for each offer that computed, then the yearly bars.
        EXPECT_EQ(Ligne(lignes, "banque.amx conso"),
                  "banque.amx conso.amx auto.amx Capital remboursé Intérêts");
        // 297 × 210 mm in points; one page, as the test above pins.
        const Page page = Pages(pdf).at(0);
        EXPECT_EQ(std::round(page.largeur / 20), 842);
        EXPECT_EQ(std::round(page.hauteur / 20), 595);
    }
}

// The charts are Qt Charts, which stand on Qt Widgets.
int main(int argc, char** argv) {
    return ExecuteTestsHorsEcran<QApplication>(argc, argv);
}
