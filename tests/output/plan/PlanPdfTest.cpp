#include "PlanPdf.h"

#include "Poppler.h"
#include "TestsHorsEcran.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

// The worked plan: a 0 % loan of 40 000 over 240 months smoothed by
// 160 000 at 3,5 % over 300. Its figures, costs and chart first, then
// every period, its heading on each page; A4 upright.
TEST(PlanPdf, ChiffresCoutsGraphiqueEtEcheances) {
    const auto debut = 2007y / January / 31;
    const std::vector<PretDuPlan> prets = {
        {"banque.amx", {"160000", "300", "3,5", "", "", Frequence::Mois, debut}},
        {"ptz.amx", {"40000", "240", "0", "", "", Frequence::Mois, debut}}};
    const auto calcul = CalculePlan(prets, 0, true, ConventionsFrancaises());
    const QTemporaryDir dossier;
    const QString pdf = dossier.filePath("plan.pdf");
    ASSERT_EQ(EnregistrePlanPdf(pdf, std::get<PlanFinancement>(calcul), QLocale()), std::nullopt);
    const QStringList lignes = poppler::Lignes(pdf);
    for (const char* ligne : {
             "Échéance totale, hors assurance : 944,87",
             "TAEG du plan : 3,01 %",
             "ptz.amx 0,00 0,00 0,00 0,00",
             "Total 83459,17 0,00 0,00 83459,17",
             "Part de chaque prêt dans l'échéance totale",
             "1 31/01/2007 778,20 166,67 944,87",
             "240 31/12/2026 779,00 165,87 944,87",
             "241 31/01/2027 944,87 944,87", // the state loan has ended
             "300 31/12/2031 943,04 943,04",
         })
        EXPECT_EQ(lignes.count(ligne), 1) << ligne;

    const std::vector<poppler::Page> pages = poppler::Pages(pdf);
    ASSERT_EQ(pages.size(), 7u);
    EXPECT_EQ(lignes.count("N° Date banque.amx ptz.amx Total"), 6);
    EXPECT_EQ(pages[1].mots.front().texte, "N°");
    EXPECT_EQ(std::round(pages[0].largeur / 20), 595); // 210 × 297 mm in points
    EXPECT_EQ(std::round(pages[0].hauteur / 20), 842);
}

// The chart is Qt Charts, which stands on Qt Widgets.
int main(int argc, char** argv) {
    return ExecuteTestsHorsEcran<QApplication>(argc, argv);
}
