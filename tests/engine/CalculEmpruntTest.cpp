#include "CalculEmprunt.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

EmpruntCalcule Calcule(const char* montant, const char* duree, const char* taux, const char* assurance = "",
                       bool actuariel = true) {
    return CalculeEmprunt({montant, duree, taux, assurance, "", Frequence::Mois, 2007y / January / 31},
                          actuariel, fr);
}

} // namespace

// The fields are rewritten, the values read serve (5,125 %: 10 000 × 5,125 % / 12 = 42,708… → 42,71 of
// interest) and the next computation reads the rewritten field (5,13 %: 42,75). A duration typed with
// decimals is rounded to the even number of periods, its text kept. The TEG follows the method.
TEST(CalculEmprunt, LesChampsSontReecritsEtLesValeursLuesServent) {
    auto calcul = Calcule("10000", "12", "5,125", "  ");
    ASSERT_TRUE(calcul.reussi());
    EXPECT_EQ(calcul.champs,
              (SaisieEmprunt{"10000,00", "12", "5,13", "0,00", "0,00", Frequence::Mois, 2007y / 1 / 31}));
    EXPECT_EQ(calcul.tableau.lignes[0][Colonne::Interets], "42,71");
    EXPECT_EQ(CalculeEmprunt(calcul.champs, true, fr).tableau.lignes[0][Colonne::Interets], "42,75");
    EXPECT_EQ(Calcule("10000", "12,5", "6").tableau.lignes.size(), 12u);
    EXPECT_EQ(Calcule("10000", "13,5", "6").tableau.lignes.size(), 14u);
    EXPECT_EQ(Calcule("10000", "12,5", "6").champs.duree, "12,5");
    EXPECT_EQ(Calcule("10000", "12", "6").tegAffiche, "6,1667 %");
    EXPECT_EQ(Calcule("10000", "12", "6", "", false).tegAffiche, "5,9990 %");
}

TEST(CalculEmprunt, Echecs) {
    // Incomplete or not numbers: nothing read, nothing changed.
    for (const auto& [montant, duree, assurance] :
         {std::tuple{"", "12", ""}, std::tuple{"10000", " ", ""}, std::tuple{"10000", "12", "abc"},
          std::tuple{"10000", "3000000000", ""}, std::tuple{"10 000,5,0", "12", ""}}) {
        const auto calcul = Calcule(montant, duree, "6", assurance);
        EXPECT_FALSE(calcul.lu || calcul.reussi()) << montant << duree << assurance;
        EXPECT_EQ(calcul.champs.montant, montant);
        EXPECT_TRUE(calcul.tableau.lignes.empty());
    }
    // Zero periods: the fields are rewritten, nothing is listed.
    auto calcul = Calcule("10000", "0", "6", "1");
    EXPECT_TRUE(calcul.lu && !calcul.tableauComplet() && calcul.tableau.lignes.empty());
    EXPECT_EQ(calcul.champs.assurance, "1,00");
    // The effective rate cannot be found: the schedule and the costs stay, no rate is shown.
    calcul = Calcule("1000", "3", "0");
    EXPECT_TRUE(calcul.tableauComplet() && calcul.tableau.couts && !calcul.textesTEG && !calcul.reussi());
    EXPECT_EQ(calcul.tableau.lignes[0][Colonne::Montant], "333,33");
    EXPECT_TRUE(calcul.tegAffiche.empty());
    // A rate of 0 shows 0,00 and charges no interest.
    calcul = Calcule("12000", "12", "0");
    EXPECT_EQ(calcul.champs.taux, "0,00");
    EXPECT_EQ(calcul.tableau.lignes[5][Colonne::Interets], "0,00");
    EXPECT_EQ(calcul.tegAffiche, "0,0001 %");
}
