#include "CalculEmprunt.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

SaisieEmprunt Saisie(std::string montant, std::string duree, std::string taux, std::string assurance = "",
                     std::string frais = "", Frequence frequence = Frequence::Mois) {
    return {std::move(montant), std::move(duree), std::move(taux),     std::move(assurance),
            std::move(frais),   frequence,        2007y / January / 31};
}

const ConventionsLocales fr = ConventionsFrancaises();

} // namespace

TEST(CalculEmprunt, LesChampsSontReecritsEtLesValeursLuesServent) {
    auto calcul = CalculeEmprunt(Saisie("10000", "12", "5,125", "  ", ""), true, fr);
    ASSERT_TRUE(calcul.reussi());
    EXPECT_EQ(calcul.champs.montant, "10000,00");
    EXPECT_EQ(calcul.champs.duree, "12");
    EXPECT_EQ(calcul.champs.taux, "5,13");
    EXPECT_EQ(calcul.champs.assurance, "0,00");
    EXPECT_EQ(calcul.champs.fraisDossier, "0,00");
    // Computed at 5,125 %: the first interest is 10 000 × 5,125 % / 12 = 42,708… → 42,71.
    EXPECT_EQ(calcul.tableau.lignes[0][Colonne::Interets], "42,71");
    const std::string premiereEcheance = calcul.tableau.lignes[0][Colonne::Montant];

    // A second computation reads the rewritten field: 5,13 %, 42,75 of interest.
    calcul = CalculeEmprunt(calcul.champs, true, fr);
    EXPECT_EQ(calcul.tableau.lignes[0][Colonne::Interets], "42,75");
    EXPECT_NE(calcul.tableau.lignes[0][Colonne::Montant], premiereEcheance);

    // Duration typed with decimals.
    EXPECT_EQ(CalculeEmprunt(Saisie("10000", "12,5", "6"), true, fr).tableau.lignes.size(), 12u);
    EXPECT_EQ(CalculeEmprunt(Saisie("10000", "13,5", "6"), true, fr).tableau.lignes.size(), 14u);
    EXPECT_EQ(CalculeEmprunt(Saisie("10000", "12,5", "6"), true, fr).champs.duree, "12,5");
}

TEST(CalculEmprunt, UneSaisieIncompleteNeChangeRien) {
    for (const auto& saisie : {Saisie("", "12", "6"), Saisie("10000", "", "6"), Saisie("10000", "12", " "),
                               Saisie("10000", "12", "6", "abc"), Saisie("10000", "12", "6", "", "1.5"),
                               Saisie("10000", "3000000000", "6"), Saisie("10 000,5,0", "12", "6")}) {
        const auto calcul = CalculeEmprunt(saisie, true, fr);
        EXPECT_FALSE(calcul.lu);
        EXPECT_FALSE(calcul.reussi());
        EXPECT_EQ(calcul.champs, saisie);
        EXPECT_TRUE(calcul.tableau.lignes.empty());
    }
}

TEST(CalculEmprunt, EchecsApresLaLecture) {
    // Zero periods: the fields are rewritten, nothing is listed.
    auto calcul = CalculeEmprunt(Saisie("10000", "0", "6", "1", "2"), true, fr);
    EXPECT_TRUE(calcul.lu);
    EXPECT_EQ(calcul.champs.assurance, "1,00");
    EXPECT_FALSE(calcul.reussi());
    EXPECT_TRUE(calcul.tableau.lignes.empty());
    EXPECT_FALSE(calcul.tableauComplet());

    // The effective rate cannot be found: the schedule and the costs stay, no rate is shown.
    calcul = CalculeEmprunt(Saisie("1000", "3", "0"), true, fr);
    EXPECT_TRUE(calcul.tableauComplet());
    EXPECT_EQ(calcul.tableau.lignes.size(), 3u);
    EXPECT_EQ(calcul.tableau.lignes[0][Colonne::Montant], "333,33");
    EXPECT_TRUE(calcul.tableau.couts);
    EXPECT_FALSE(calcul.textesTEG);
    EXPECT_TRUE(calcul.tegAffiche.empty());
    EXPECT_FALSE(calcul.reussi());

    // A rate of 0 shows 0,00 and charges no interest.
    calcul = CalculeEmprunt(Saisie("12000", "12", "0"), true, fr);
    EXPECT_EQ(calcul.champs.taux, "0,00");
    EXPECT_EQ(calcul.tableau.lignes[5][Colonne::Interets], "0,00");
    EXPECT_EQ(calcul.tegAffiche, "0,0001 %");
}

TEST(CalculEmprunt, LocaleAmericaine) {
    SaisieEmprunt saisie = Saisie("10,000", "12", "6.0", "5", "100");
    saisie.premiereEcheance = 2007y / January / 15;
    const auto calcul = CalculeEmprunt(saisie, true, ConventionsAmericaines());
    ASSERT_TRUE(calcul.reussi());
    EXPECT_EQ(calcul.champs.montant, "10000.00");
    EXPECT_EQ(calcul.tableau.lignes[0],
              (LigneTableau{"1", "1/15/2007", "865.66", "50.00", "5.00", "810.66", "9189.34"}));
    EXPECT_EQ(calcul.tableau.couts->total, "487.96");
    EXPECT_EQ(calcul.tegAffiche, "9.3548 %");
}
