#include "TableauAmortissement.h"

#include "Arrondis.h"
#include "Frequence.h"
#include "LectureNombres.h"
#include "SaisieEmprunt.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>

using namespace amortix;
using namespace std::chrono;

namespace {

ParametresEmprunt Emprunt(double montant, double tauxPourcent, std::int32_t n, int index,
                          year_month_day debut, double assurance = 0.0, double frais = 0.0) {
    ParametresEmprunt e;
    e.montant = montant;
    e.tauxAnnuel = tauxPourcent / 100.0;
    e.duree = n;
    e.frequence = Frequences[static_cast<std::size_t>(index)];
    e.premiereEcheance = debut;
    e.assurance = assurance;
    e.fraisDossier = frais;
    return e;
}

std::vector<std::string> ValeursDe(const TableauAmortissement& t, amortix::Colonne c) {
    std::vector<std::string> valeurs;
    for (const auto& ligne : t.lignes)
        valeurs.push_back(ligne[c]);
    return valeurs;
}

const ConventionsLocales fr = ConventionsFrancaises();

} // namespace

TEST(TableauAmortissement, DixMilleASixPourCentSurDouzeMois) {
    const auto t = CalculeTableau(Emprunt(10000, 6, 12, 0, 2007y / January / 31), fr);
    ASSERT_TRUE(t.complet());
    ASSERT_EQ(t.lignes.size(), 12u);
    EXPECT_EQ(t.lignes[0], (LigneTableau{"1", "31/01/2007", "860,66", "50,00", "0,00", "810,66", "9189,34"}));
    EXPECT_EQ(t.lignes[1], (LigneTableau{"2", "28/02/2007", "860,66", "45,95", "0,00", "814,71", "8374,63"}));
    EXPECT_EQ(t.lignes[11], (LigneTableau{"12", "31/12/2007", "860,70", "4,28", "0,00", "856,42", "0,00"}));
    for (int j = 0; j < 11; ++j)
        EXPECT_EQ(t.lignes[j][Colonne::Montant], "860,66");
    EXPECT_EQ(ValeursDe(t, Colonne::Date),
              (std::vector<std::string>{"31/01/2007", "28/02/2007", "31/03/2007", "30/04/2007", "31/05/2007",
                                        "30/06/2007", "31/07/2007", "31/08/2007", "30/09/2007", "31/10/2007",
                                        "30/11/2007", "31/12/2007"}));
    EXPECT_EQ(t.echeanceAffichee, 860.66);
    // The costs follow the rows: eleven payments of 860,66 and one of 860,70, less the amount. The
    // interest column adds up to the same 327,96.
    EXPECT_EQ(t.couts, (CoutsCredit{"327,96", "327,96", "0,00", "0,00"}));
    double interets = 0.0;
    for (const auto& texte : ValeursDe(t, Colonne::Interets))
        interets += *LitDecimal(texte, fr);
    EXPECT_DOUBLE_EQ(interets, 327.96);
}

TEST(TableauAmortissement, AvecAssuranceEtFraisDeDossier) {
    const auto t = CalculeTableau(Emprunt(10000, 6, 12, 0, 2007y / January / 15, 5, 100), fr);
    ASSERT_TRUE(t.complet());
    EXPECT_EQ(t.lignes[0], (LigneTableau{"1", "15/01/2007", "865,66", "50,00", "5,00", "810,66", "9189,34"}));
    EXPECT_EQ(t.lignes[1][Colonne::Date], "15/02/2007");
    EXPECT_EQ(t.lignes[11], (LigneTableau{"12", "15/12/2007", "865,70", "4,28", "5,00", "856,42", "0,00"}));
    EXPECT_EQ(t.echeanceAffichee, 865.66);
    EXPECT_EQ(t.couts, (CoutsCredit{"487,96", "327,96", "60,00", "100,00"}));
}

// A bank's published offer: 100 000 at 2 % over 180 months, insurance 43,32 a month, fees 2 690.
TEST(TableauAmortissement, OffreDeBanquePubliee) {
    const auto t = CalculeTableau(Emprunt(100000, 2, 180, 0, 2024y / March / 5, 43.32, 2690), fr);
    ASSERT_TRUE(t.complet());
    EXPECT_EQ(t.lignes[0][Colonne::Montant], "686,83");
    EXPECT_EQ(t.lignes[178][Colonne::Montant], "686,83");
    EXPECT_EQ(t.lignes[179][Colonne::Montant], "686,61");
    EXPECT_EQ(t.couts, (CoutsCredit{"26319,18", "15831,58", "7797,60", "2690,00"}));
}

TEST(TableauAmortissement, TauxNul) {
    const auto t = CalculeTableau(Emprunt(12000, 0, 12, 0, 2007y / January / 1), fr);
    ASSERT_TRUE(t.complet());
    for (const auto& ligne : t.lignes) {
        EXPECT_EQ(ligne[Colonne::Montant], "1000,00");
        EXPECT_EQ(ligne[Colonne::Interets], "0,00");
    }
    EXPECT_EQ(t.lignes.back()[Colonne::CapitalRestant], "0,00");
    EXPECT_EQ(t.couts, (CoutsCredit{"0,00", "0,00", "0,00", "0,00"}));
}

TEST(TableauAmortissement, TrimestresDepuisLe31Aout) {
    const auto t = CalculeTableau(Emprunt(10000, 5, 8, 1, 2008y / August / 31), fr);
    ASSERT_TRUE(t.complet());
    EXPECT_EQ(ValeursDe(t, Colonne::Date),
              (std::vector<std::string>{"31/08/2008", "30/11/2008", "28/02/2009", "31/05/2009", "31/08/2009",
                                        "30/11/2009", "28/02/2010", "31/05/2010"}));
    EXPECT_EQ(t.lignes[0][Colonne::Interets], "125,00");
    for (const auto& montant : ValeursDe(t, Colonne::Montant))
        EXPECT_EQ(montant, "1321,33");
}

TEST(TableauAmortissement, AnsDepuisUn29Fevrier) {
    const auto t = CalculeTableau(Emprunt(10000, 6, 3, 3, 2008y / February / 29), fr);
    ASSERT_TRUE(t.complet());
    EXPECT_EQ(ValeursDe(t, Colonne::Date),
              (std::vector<std::string>{"29/02/2008", "28/02/2009", "28/02/2010"}));
    EXPECT_EQ(ValeursDe(t, Colonne::Montant), (std::vector<std::string>{"3741,10", "3741,10", "3741,09"}));
}

TEST(TableauAmortissement, UneSeuleEcheanceEstLaDerniere) {
    const auto t = CalculeTableau(Emprunt(10000, 6, 1, 0, 2007y / January / 31, 5), fr);
    ASSERT_TRUE(t.complet());
    ASSERT_EQ(t.lignes.size(), 1u);
    EXPECT_EQ(t.lignes[0],
              (LigneTableau{"1", "31/01/2007", "10055,00", "50,00", "5,00", "10000,00", "0,00"}));
}

TEST(TableauAmortissement, DureesRefuseesEtDepassements) {
    for (std::int32_t n : {0, -1, -12, std::numeric_limits<std::int32_t>::min()}) {
        const auto t = CalculeTableau(Emprunt(10000, 6, n, 0, 2007y / January / 31), fr);
        EXPECT_EQ(t.echec, CauseEchec::DureeNonPositive) << n;
        EXPECT_TRUE(t.lignes.empty());
        EXPECT_FALSE(t.couts);
    }
    // A power that overflows.
    auto t = CalculeTableau(
        Emprunt(10000, 6, std::numeric_limits<std::int32_t>::max(), 0, 2007y / January / 31), fr);
    EXPECT_EQ(t.echec, CauseEchec::Arithmetique);
    EXPECT_TRUE(t.lignes.empty());
    t = CalculeTableau(Emprunt(1e308, 600, 12, 0, 2007y / January / 31), fr);
    EXPECT_EQ(t.echec, CauseEchec::Arithmetique);
}

TEST(TableauAmortissement, LeCalendrierArreteLeTableau) {
    // Every month from January 2000 to December 9999, then the calendar ends: the rows listed stay,
    // the costs are not shown.
    auto t = CalculeTableau(
        Emprunt(1e6, 0, std::numeric_limits<std::int32_t>::max(), 0, 2000y / January / 31), fr);
    EXPECT_EQ(t.echec, CauseEchec::Calendrier);
    EXPECT_EQ(t.lignes.size(), 96000u);
    EXPECT_EQ(t.lignes.back()[Colonne::Date], "31/12/9999");
    EXPECT_FALSE(t.couts);

    t = CalculeTableau(Emprunt(10000, 6, 12, 3, 9998y / June / 30), fr);
    EXPECT_EQ(t.echec, CauseEchec::Calendrier);
    EXPECT_EQ(t.lignes.size(), 2u);

    // The longest schedule the calendar allows, complete.
    t = CalculeTableau(Emprunt(1e6, 5, 96000, 0, 2000y / January / 31), fr);
    ASSERT_TRUE(t.complet());
    EXPECT_EQ(t.lignes.back()[Colonne::Date], "31/12/9999");
    EXPECT_EQ(t.lignes.back()[Colonne::CapitalRestant], "0,00");
}

// Whatever the loan: the capital repaid adds up to the amount, the capital owed never goes below
// zero and ends at 0,00, every date keeps the first payment's day or its month's last day, and the
// costs are what the rows add up to.
TEST(TableauAmortissement, InvariantsSurDesEmpruntsAuHasard) {
    std::mt19937 hasard(20261206);
    std::uniform_int_distribution<int> index(0, 3), duree(1, 1200), jour(28, 31), annee(1990, 2030);
    std::uniform_int_distribution<long long> centimes(100'00, 2'000'000'00);
    std::uniform_real_distribution<double> taux(0.0, 99.0);
    std::uniform_int_distribution<int> assurance(0, 5000);
    for (int essai = 0; essai < 300; ++essai) {
        const int i = index(hasard);
        year_month_day debut{year{annee(hasard)}, month{static_cast<unsigned>(index(hasard) * 3 + 2)},
                             day{1}};
        debut =
            year_month_day{debut.year(), debut.month(),
                           std::min(day{static_cast<unsigned>(jour(hasard))},
                                    year_month_day_last{debut.year(), month_day_last{debut.month()}}.day())};
        const double montant = static_cast<double>(centimes(hasard)) / 100.0;
        const double tauxPourcent = essai % 10 == 0 ? 0.0 : std::round(taux(hasard) * 100.0) / 100.0;
        const auto e = Emprunt(montant, tauxPourcent, duree(hasard), i, debut, assurance(hasard) / 100.0,
                               assurance(hasard));
        const auto t = CalculeTableau(e, fr);
        SCOPED_TRACE(testing::Message()
                     << montant << " à " << tauxPourcent << " % sur " << e.duree << " index " << i);
        const double q = std::pow(1.0 + e.tauxAnnuel / PeriodesParAn(Frequences[i]), e.duree);
        if (!std::isfinite(q)) {
            EXPECT_EQ(t.echec, CauseEchec::Arithmetique); // centuries at 90 % overflow the power
            continue;
        }
        ASSERT_TRUE(t.complet());
        ASSERT_EQ(t.lignes.size(), static_cast<std::size_t>(e.duree));

        // Each row's interest is rounded to the cent, and that error grows with the capital at the
        // periodic rate: where (1 + i)^n runs into the millions (95 % a year over 16 years), the
        // capital owed can cross zero before the last row. Ordinary loans stay far from that.
        const bool composeTrop = q > 1e4;
        long long capital = 0, paye = 0, interets = 0;
        auto cents = [](const std::string& texte) { return std::llround(*LitDecimal(texte, fr) * 100.0); };
        year_month_day precedente{};
        for (const auto& ligne : t.lignes) {
            capital += cents(ligne[Colonne::CapitalAmorti]);
            paye += cents(ligne[Colonne::Montant]);
            interets += cents(ligne[Colonne::Interets]);
            if (!composeTrop) {
                ASSERT_GE(cents(ligne[Colonne::CapitalRestant]), 0) << ligne[Colonne::Numero];
            }
            const int j = std::stoi(ligne[Colonne::Numero]);
            const auto date =
                year_month_day{year{std::stoi(ligne[Colonne::Date].substr(6))},
                               month{static_cast<unsigned>(std::stoi(ligne[Colonne::Date].substr(3, 2)))},
                               day{static_cast<unsigned>(std::stoi(ligne[Colonne::Date].substr(0, 2)))}};
            ASSERT_TRUE(date.ok());
            const auto dernierJour = year_month_day_last{date.year(), month_day_last{date.month()}}.day();
            ASSERT_TRUE(date.day() == debut.day() ||
                        (date.day() == dernierJour && dernierJour < debut.day()));
            if (j > 1) {
                ASSERT_GT(sys_days{date}, sys_days{precedente});
                const int ecart = (static_cast<int>(date.year()) - static_cast<int>(precedente.year())) * 12 +
                                  static_cast<int>(static_cast<unsigned>(date.month())) -
                                  static_cast<int>(static_cast<unsigned>(precedente.month()));
                ASSERT_EQ(ecart, (std::array{1, 3, 6, 12}[i]));
            }
            precedente = date;
        }
        EXPECT_EQ(capital, cents(Fmt2(montant, fr)));
        EXPECT_EQ(t.lignes.back()[Colonne::CapitalRestant], "0,00");
        const long long fraisCents = cents(Fmt2(e.fraisDossier, fr));
        EXPECT_EQ(cents(t.couts->total), paye - cents(Fmt2(montant, fr)) + fraisCents);
        EXPECT_EQ(cents(t.couts->interets) + cents(t.couts->assurance) + fraisCents, cents(t.couts->total));
        // At a zero rate the instalment M / n may end in an exact half cent, which the amount column
        // rounds up and the capital column to the even cent; elsewhere the columns agree.
        if (tauxPourcent != 0.0) {
            EXPECT_EQ(cents(t.couts->interets), interets);
        }
    }
}

// The rows as numbers beside their texts: the regular amount is T unrounded, 10 000 × 0,005 × q /
// (q − 1) + 5 with q = 1,005^12, that is 865,6642970…; the other amounts are the cents listed above.
TEST(TableauAmortissement, EcheancesEnNombres) {
    auto t = CalculeTableau(Emprunt(10000, 6, 12, 0, 2007y / January / 31, 5), fr);
    ASSERT_TRUE(t.complet());
    ASSERT_EQ(t.echeances.size(), 12u);
    EXPECT_NEAR(t.echeanceReguliere, 865.6642970708, 1e-9);
    EXPECT_EQ(t.echeances[0],
              (EcheanceCalculee{1, 2007y / January / 31, t.echeanceReguliere, 50.00, 5, 810.66, 9189.34}));
    EXPECT_EQ(t.echeances[1].date, 2007y / February / 28);
    EXPECT_EQ(t.echeances[11], (EcheanceCalculee{12, 2007y / December / 31, 865.70, 4.28, 5, 856.42, 0}));

    // Rows listed before a failure have their numbers too.
    t = CalculeTableau(Emprunt(10000, 6, 12, 3, 9998y / June / 30), fr);
    EXPECT_EQ(t.echec, CauseEchec::Calendrier);
    ASSERT_EQ(t.echeances.size(), 2u);
    EXPECT_EQ(t.echeances[1].date, 9999y / June / 30);
}

// The last row rounds to the even cent: with an insurance of 0,005 the rows are those of the loan
// without it (R_11 = 856,42, I_12 = 4,28), and the last amount 4,28 + 856,42 + 0,005 = 860,705 is
// an exact half, 860,70; its capital 860,70 − 4,28 − 0,005 = 856,415 gives 856,42.
TEST(TableauAmortissement, LaDerniereEcheanceArronditAuPair) {
    const auto t = CalculeTableau(Emprunt(10000, 6, 12, 0, 2007y / January / 31, 0.005), fr);
    ASSERT_TRUE(t.complet());
    EXPECT_EQ(t.lignes[11], (LigneTableau{"12", "31/12/2007", "860,70", "4,28", "0,01", "856,42", "0,00"}));
}
