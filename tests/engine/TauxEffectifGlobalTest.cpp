#include "CalculEmprunt.h"
#include "TauxEffectifGlobal.h"

#include <gtest/gtest.h>

using namespace amortix;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

struct CasTEG {
    std::int32_t n;
    double echeance, frais, montant;
    int k;
    const char *periode, *proportionnel, *actuariel;
    int evaluations; // 0: not stated
};

} // namespace

TEST(TauxEffectifGlobal, ExemplesChiffres) {
    for (const CasTEG& c : {
             CasTEG{12, 860.66, 0, 10000, 12, "0,499916 %", "5,9990 %", "6,1667 %", 19},
             CasTEG{12, 865.66, 100, 10000, 12, "0,748014 %", "8,9762 %", "9,3548 %", 21},
             CasTEG{8, 1321.33, 0, 10000, 4, "1,249981 %", "4,9999 %", "5,0945 %", 0},
             CasTEG{240, 625.98, 500, 100000, 12, "0,369552 %", "4,4346 %", "4,5259 %", 0},
             CasTEG{12, 1000.00, 0, 12000, 12, "0,000006 %", "0,0001 %", "0,0001 %", 24},
         }) {
        SCOPED_TRACE(c.echeance);
        const auto teg = Calcul_TEG(c.n, c.echeance, c.frais, c.montant, c.k);
        ASSERT_TRUE(teg);
        const TextesTEG textes = FormateTEG(*teg, fr);
        EXPECT_EQ(textes.periode, c.periode);
        EXPECT_EQ(textes.proportionnel, c.proportionnel);
        EXPECT_EQ(textes.actuariel, c.actuariel);
        if (c.evaluations) {
            EXPECT_EQ(teg->evaluations, c.evaluations);
        }
    }
    EXPECT_EQ(Calcul_TEG(12, 860.66, 0, 10000, 12)->tauxPeriode, 0.0049991607666015625);
}

TEST(TauxEffectifGlobal, RecherchesSansIssue) {
    // 1 000 at 0 % over 3 months: 333,33 a month repays less than any positive rate would.
    EXPECT_FALSE(Calcul_TEG(3, 333.33, 0, 1000, 12));
    // Fees equal to the amount: nothing is received, no rate matches; the search must still end.
    EXPECT_FALSE(Calcul_TEG(12, 860.66, 10000, 10000, 12));
    // Fees close to the amount on a short loan need more than 100 % a period.
    EXPECT_FALSE(Calcul_TEG(2, 5000, 9000, 10000, 12));
    // Thousands of periods overflow the power at the start value 0.5.
    EXPECT_FALSE(Calcul_TEG(5000, 100, 0, 10000, 12));
    EXPECT_FALSE(Calcul_TEG(12, 860.66, 0, 10000, 0));
}

TEST(TauxEffectifGlobal, DetailsEtChoixDeLaMethode) {
    SaisieEmprunt saisie{"10000", "12", "6", "", "", 0, std::chrono::year_month_day{}};
    saisie.premiereEcheance = std::chrono::year{2007} / std::chrono::January / 31;
    EXPECT_EQ(CalculeEmprunt(saisie, true, fr).tegAffiche, "6,1667 %");
    const auto proportionnel = CalculeEmprunt(saisie, false, fr);
    EXPECT_EQ(proportionnel.tegAffiche, "5,9990 %");
    EXPECT_EQ(TexteDetailsTEG(*proportionnel.textesTEG),
              "TEG de période : 0,499916 %\r\nTEG proportionnel : 5,9990 %\r\nTEG actuariel : 6,1667 %\r\n\r\n"
              "Pour plus d'informations sur le TEG, cliquez sur le menu Outils -> Options -> Infos TEG.");
}
