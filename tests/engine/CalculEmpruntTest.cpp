#include "CalculEmprunt.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

EmpruntCalcule Calcule(const char* montant, const char* duree, const char* taux, const char* assurance = "") {
    return CalculeEmprunt({montant, duree, taux, assurance, "", Frequence::Mois, 2007y / January / 31}, true,
                          fr);
}

} // namespace

// The fields are rewritten, the values read serve (5,125 %: 10 000 × 5,125 % / 12 = 42,708… → 42,71 of
// interest) and the next computation reads the rewritten field (5,13 %: 42,75). A duration typed with
// decimals is rounded to the even number of periods, its text kept.
TEST(CalculEmprunt, LesChampsSontReecritsEtLesValeursLuesServent) {
    auto calcul = Calcule("10000", "12", "5,125", "  ");
    ASSERT_TRUE(calcul.reussi());
    EXPECT_EQ(calcul.champs,
              (SaisieEmprunt{"10000,00", "12", "5,13", "0,00", "0,00", Frequence::Mois, 2007y / 1 / 31}));
    EXPECT_EQ(calcul.tableau.lignes[0][Colonne::Interets], "42,71");
    EXPECT_EQ(CalculeEmprunt(calcul.champs, true, fr).tableau.lignes[0][Colonne::Interets], "42,75");
    calcul = Calcule("10000", "12,5", "6");
    EXPECT_TRUE(calcul.tableau.lignes.size() == 12u && calcul.champs.duree == "12,5");
    EXPECT_EQ(Calcule("10000", "13,5", "6").tableau.lignes.size(), 14u);
}
