#include "TauxEffectifGlobal.h"

#include "CalculEmprunt.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

struct CasTEG {
    std::int32_t n;
    double echeance, frais, montant;
    Frequence frequence;
    const char *periode, *proportionnel, *actuariel;
    int evaluations; // 0: not stated
};

} // namespace

TEST(TauxEffectifGlobal, ExemplesChiffres) {
    for (const CasTEG& c : {
             CasTEG{12, 860.66, 0, 10000, Frequence::Mois, "0,499916 %", "5,9990 %", "6,1667 %", 19},
             CasTEG{12, 865.66, 100, 10000, Frequence::Mois, "0,748014 %", "8,9762 %", "9,3548 %", 21},
             CasTEG{8, 1321.33, 0, 10000, Frequence::Trimestres, "1,249981 %", "4,9999 %", "5,0945 %", 0},
             CasTEG{240, 625.98, 500, 100000, Frequence::Mois, "0,369552 %", "4,4346 %", "4,5259 %", 0},
             CasTEG{12, 1000.00, 0, 12000, Frequence::Mois, "0,000006 %", "0,0001 %", "0,0001 %", 24},
             // 5 000 payments of 100 on 10 000: 1 % a month less 1,01^-5000 (about 1e-24), and
             // 1,01^12 - 1 = 12,6825 %. The power overflows at the first values of x, where the
             // instalment is taken at its limit (32 evaluations, by the Python bisection below).
             CasTEG{5000, 100, 0, 10000, Frequence::Mois, "1,000000 %", "12,0000 %", "12,6825 %", 32},
         }) {
        SCOPED_TRACE(c.echeance);
        const auto teg = Calcul_TEG({.lngNbMois = c.n,
                                     .dblMensualite = c.echeance,
                                     .dblFraisDossier = c.frais,
                                     .dblMontant = c.montant,
                                     .frequence = c.frequence});
        ASSERT_TRUE(teg);
        const TextesTEG textes = FormateTEG(*teg, fr);
        EXPECT_EQ(textes.periode, c.periode);
        EXPECT_EQ(textes.proportionnel, c.proportionnel);
        EXPECT_EQ(textes.actuariel, c.actuariel);
        if (c.evaluations) {
            EXPECT_EQ(teg->evaluations, c.evaluations);
        }
    }
    EXPECT_EQ(Calcul_TEG({.lngNbMois = 12, .dblMensualite = 860.66, .dblMontant = 10000})->tauxPeriode,
              0.0049991607666015625);
}

TEST(TauxEffectifGlobal, RecherchesSansIssue) {
    // 1 000 at 0 % over 3 months: 333,33 a month repays less than any positive rate would.
    EXPECT_FALSE(Calcul_TEG({.lngNbMois = 3, .dblMensualite = 333.33, .dblMontant = 1000}));
    // Fees equal to the amount: nothing is received, no rate matches; the search must still end.
    EXPECT_FALSE(Calcul_TEG(
        {.lngNbMois = 12, .dblMensualite = 860.66, .dblFraisDossier = 10000, .dblMontant = 10000}));
    // Fees close to the amount on a short loan need more than 100 % a period.
    EXPECT_FALSE(
        Calcul_TEG({.lngNbMois = 2, .dblMensualite = 5000, .dblFraisDossier = 9000, .dblMontant = 10000}));
}

TEST(TauxEffectifGlobal, DetailsEtChoixDeLaMethode) {
    SaisieEmprunt saisie{"10000", "12", "6", "", "", Frequence::Mois, std::chrono::year_month_day{}};
    saisie.premiereEcheance = std::chrono::year{2007} / std::chrono::January / 31;
    EXPECT_EQ(CalculeEmprunt(saisie, true, fr).tegAffiche, "6,1667 %");
    const auto proportionnel = CalculeEmprunt(saisie, false, fr);
    EXPECT_EQ(proportionnel.tegAffiche, "5,9990 %");
}

// Loans of thousands of periods, through the whole computation. Expected values from a separate
// re-implementation of the bisection in Python (its Round2 and Fmt2 on 15 significant digits,
// the C library's pow, the instalment taken at x × N' where the power overflows); it also gives
// the specified cases above, evaluation counts included.
TEST(TauxEffectifGlobal, LongsEmprunts) {
    struct Cas {
        const char* duree;
        int anneePremiereEcheance; // on 31 January
        const char* echeance;
        double tauxPeriode;
        int evaluations;
        TextesTEG textes;
    };
    for (const Cas& c : {
             // 1,0025^2400 is about 400: the instalment 250,63 stays above the interest.
             Cas{"2400", 2007, "250,63", 0.002500041446182877, 34, {"0,250004 %", "3,0000 %", "3,0416 %"}},
             // 95 000 months, to 9916: the instalment is the month's interest to the cent.
             Cas{"95000", 2000, "250,00", 0.002500000000509317, 39, {"0,250000 %", "3,0000 %", "3,0416 %"}},
         }) {
        SCOPED_TRACE(c.duree);
        const SaisieEmprunt saisie{
            "100000", c.duree, "3", "", "", Frequence::Mois, year{c.anneePremiereEcheance} / January / 31};
        const auto calcul = CalculeEmprunt(saisie, true, fr);
        ASSERT_TRUE(calcul.reussi());
        EXPECT_EQ(calcul.tableau.lignes[0][Colonne::Montant], c.echeance);
        ASSERT_TRUE(calcul.teg);
        EXPECT_EQ(calcul.teg->tauxPeriode, c.tauxPeriode);
        EXPECT_EQ(calcul.teg->evaluations, c.evaluations);
        EXPECT_EQ(calcul.textesTEG, c.textes);
        EXPECT_EQ(calcul.tegAffiche, c.textes.actuariel);
        // Without fees or insurance the rate found is the nominal rate but for the cent of rounding.
        EXPECT_NEAR(calcul.teg->proportionnel, 0.03, 1e-5);
    }
}
