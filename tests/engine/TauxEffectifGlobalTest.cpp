#include "TauxEffectifGlobal.h"

#include "CalculEmprunt.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

// Expected values, evaluation counts included, from a separate re-implementation of the bisection in
// Python (its Round2 and Fmt2 on 15 significant digits, the C library's pow, the instalment taken at
// x × N' where the power overflows, as for 5 000 payments of 100 on 10 000: 1 % a month less
// 1,01^-5000, and 1,01^12 − 1 = 12,6825 %). Below: 333,33 three times repays less than 1 000 at any
// positive rate; fees equal to the amount leave nothing received; fees close to the amount on a short
// loan need more than 100 % a period. The search still ends.
TEST(TauxEffectifGlobal, ExemplesChiffresEtLongsEmprunts) {
    using Cas = std::tuple<DonneesTEG, TextesTEG, int>; // the texts: period, proportional, actuarial
    for (const auto& [donnees, textes, evaluations] :   // 0 evaluations: their count not stated
         {Cas{{12, 860.66, 0, 10000, Frequence::Mois}, {"0,499916 %", "5,9990 %", "6,1667 %"}, 19},
          Cas{{12, 865.66, 100, 10000, Frequence::Mois}, {"0,748014 %", "8,9762 %", "9,3548 %"}, 21},
          Cas{{8, 1321.33, 0, 10000, Frequence::Trimestres}, {"1,249981 %", "4,9999 %", "5,0945 %"}, 0},
          Cas{{240, 625.98, 500, 100000, Frequence::Mois}, {"0,369552 %", "4,4346 %", "4,5259 %"}, 0},
          Cas{{12, 1000.00, 0, 12000, Frequence::Mois}, {"0,000006 %", "0,0001 %", "0,0001 %"}, 24},
          Cas{{5000, 100, 0, 10000, Frequence::Mois}, {"1,000000 %", "12,0000 %", "12,6825 %"}, 32}}) {
        const auto teg = Calcul_TEG(donnees);
        ASSERT_TRUE(teg) << donnees.dblMensualite;
        EXPECT_EQ(FormateTEG(*teg, ConventionsFrancaises()), textes) << donnees.dblMensualite;
        EXPECT_TRUE(!evaluations || teg->evaluations == evaluations) << teg->evaluations;
    }
    for (const DonneesTEG& d : {DonneesTEG{3, 333.33, 0, 1000}, DonneesTEG{12, 860.66, 10000, 10000},
                                DonneesTEG{2, 5000, 9000, 10000}})
        EXPECT_FALSE(Calcul_TEG(d));

    // Loans of thousands of periods, checked by the same Python bisection: 1,0025^2400 is about 400 and the
    // instalment 250,63 stays above the interest; over 95 000 months the instalment is the month's interest
    // to the cent. Without fees or insurance the rate found is the nominal rate but for the cent of rounding:
    // 3,0000 % proportional.
    // duration, year of the first payment on 31 January, instalment, periodic rate, evaluations
    using Long = std::tuple<const char*, int, std::string, double, int, std::string>;
    for (const auto& [duree, annee, echeance, tauxPeriode, evaluations, periode] :
         {Long{"2400", 2007, "250,63", 0.002500041446182877, 34, "0,250004 %"},
          Long{"95000", 2000, "250,00", 0.002500000000509317, 39, "0,250000 %"}}) {
        const auto calcul =
            CalculeEmprunt({"100000", duree, "3", "", "", Frequence::Mois, year{annee} / January / 31}, true,
                           ConventionsFrancaises());
        ASSERT_TRUE(calcul.reussi()) << duree;
        ASSERT_TRUE(calcul.teg.has_value());
        EXPECT_EQ(std::tuple(calcul.tableau.lignes[0][Colonne::Montant], calcul.teg->tauxPeriode,
                             calcul.teg->evaluations),
                  std::tuple(echeance, tauxPeriode, evaluations));
        EXPECT_EQ(calcul.textesTEG, (TextesTEG{periode, "3,0000 %", "3,0416 %"}));
    }
}
