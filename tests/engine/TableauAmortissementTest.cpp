#include "TableauAmortissement.h"

#include "SaisieEmprunt.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

TableauAmortissement Tableau(double montant, double tauxPourcent, std::int32_t n, year_month_day debut,
                             Frequence frequence = Frequence::Mois, double assurance = 0, double frais = 0) {
    return CalculeTableau({montant, tauxPourcent / 100.0, assurance, frais, n, frequence, debut},
                          ConventionsFrancaises());
}

std::vector<std::string> ValeursDe(const TableauAmortissement& t, Colonne c) {
    std::vector<std::string> valeurs;
    for (const auto& ligne : t.lignes)
        valeurs.push_back(ligne[c]);
    return valeurs;
}

} // namespace

// The worked example: 10 000 at 6 % over 12 months from 31/01/2007. Eleven payments of 860,66 and a last one
// of 860,70 that clears the capital; the interest, 327,96, is what the payments add up to less the amount.
// Insurance 0,005 makes the last amount an exact half, 860,705: Round2 gives the even cent, 860,70.
TEST(TableauAmortissement, DixMilleASixPourCentSurDouzeMoisPuisAutresFrequences) {
    auto t = Tableau(10000, 6, 12, 2007y / January / 31);
    ASSERT_TRUE(t.complet());
    EXPECT_EQ(t.lignes[0], (LigneTableau{"1", "31/01/2007", "860,66", "50,00", "0,00", "810,66", "9189,34"}));
    EXPECT_EQ(t.lignes[11], (LigneTableau{"12", "31/12/2007", "860,70", "4,28", "0,00", "856,42", "0,00"}));
    EXPECT_EQ(t.couts, (CoutsCredit{"327,96", "327,96", "0,00", "0,00"}));
    // In numbers, with 5 of insurance from the 15th: the regular amount unrounded, the last as listed.
    t = Tableau(10000, 6, 12, 2007y / January / 15, Frequence::Mois, 5, 100);
    EXPECT_EQ(t.echeances[0],
              (EcheanceCalculee{1, 2007y / January / 15, t.echeanceReguliere, 50.00, 5, 810.66, 9189.34}));
    EXPECT_EQ(t.echeances[11], (EcheanceCalculee{12, 2007y / December / 15, 865.70, 4.28, 5, 856.42, 0}));
    EXPECT_EQ(Tableau(10000, 6, 12, 2007y / January / 31, Frequence::Mois, 0.005).lignes[11],
              (LigneTableau{"12", "31/12/2007", "860,70", "4,28", "0,01", "856,42", "0,00"}));
    // One payment is the last one.
    EXPECT_EQ(
        Tableau(10000, 6, 1, 2007y / January / 31, Frequence::Mois, 5).lignes,
        (std::vector<LigneTableau>{{"1", "31/01/2007", "10055,00", "50,00", "5,00", "10000,00", "0,00"}}));
    // Quarterly, yearly from 29 February, and at a zero rate.
    t = Tableau(10000, 5, 8, 2008y / August / 31, Frequence::Trimestres);
    EXPECT_EQ(ValeursDe(t, Colonne::Montant), std::vector<std::string>(8, "1321,33"));
    t = Tableau(10000, 6, 3, 2008y / February / 29, Frequence::Ans);
    EXPECT_EQ(ValeursDe(t, Colonne::Montant), (std::vector<std::string>{"3741,10", "3741,10", "3741,09"}));
    t = Tableau(12000, 0, 12, 2007y / January / 1);
    EXPECT_EQ(ValeursDe(t, Colonne::Montant), std::vector<std::string>(12, "1000,00"));
    EXPECT_EQ(t.couts, (CoutsCredit{"0,00", "0,00", "0,00", "0,00"}));
}

// Durations refused, powers that overflow, and the calendar's end: every month from January 2000 to
// December 9999, then the rows listed stay and the costs are not shown.
TEST(TableauAmortissement, DureesRefuseesDepassementsEtFinDuCalendrier) {
    for (std::int32_t n : {0, -1, INT32_MIN}) {
        const auto t = Tableau(10000, 6, n, 2007y / January / 31);
        EXPECT_EQ(t.echec, CauseEchec::DureeNonPositive) << n;
        EXPECT_EQ(t.lignes.size(), 0u);
        EXPECT_FALSE(t.couts.has_value());
    }
    EXPECT_EQ(Tableau(10000, 6, INT32_MAX, 2007y / January / 31).echec, CauseEchec::Arithmetique);
    EXPECT_EQ(Tableau(1e308, 600, 12, 2007y / January / 31).echec, CauseEchec::Arithmetique);
    auto t = Tableau(1e6, 0, INT32_MAX, 2000y / January / 31);
    EXPECT_EQ(t.echec, CauseEchec::Calendrier);
    EXPECT_FALSE(t.couts.has_value());
    EXPECT_EQ(std::tuple(t.lignes.size(), t.lignes.back()[Colonne::Date]), std::tuple(96000u, "31/12/9999"));
}
