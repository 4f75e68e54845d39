#include "TauxEffectifGlobal.h"

#include "CalculEmprunt.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();
using Textes = std::array<std::string, 3>;

auto Texte = [](const TextesTEG& t) { return Textes{t.periode, t.proportionnel, t.actuariel}; };

} // namespace

// Figures and counts from a separate Python bisection; 1,01^12 − 1 = 12,6825 %.
TEST(TauxEffectifGlobal, ExemplesChiffresEtLongsEmprunts) {
    struct Cas {
        DonneesTEG donnees;
        Textes textes;
        int evaluations; // 0: not stated
    };
    const Cas cas[] = {
        {{12, 860.66, 0, 10000}, {"0,499916 %", "5,9990 %", "6,1667 %"}, 19},
        {{12, 865.66, 100, 10000}, {"0,748014 %", "8,9762 %", "9,3548 %"}, 21},
        {{8, 1321.33, 0, 10000, Frequence::Trimestres}, {"1,249981 %", "4,9999 %", "5,0945 %"}, 0},
        {{240, 625.98, 500, 100000}, {"0,369552 %", "4,4346 %", "4,5259 %"}, 0},
        {{12, 1000.00, 0, 12000}, {"0,000006 %", "0,0001 %", "0,0001 %"}, 24},
        {{5000, 100, 0, 10000}, {"1,000000 %", "12,0000 %", "12,6825 %"}, 32},
    };
    for (const Cas& c : cas) {
        const auto teg = Calcul_TEG(c.donnees);
        ASSERT_TRUE(teg) << c.donnees.dblMensualite;
        EXPECT_EQ(Texte(FormateTEG(*teg, fr)), c.textes);
        if (c.evaluations != 0) {
            EXPECT_EQ(teg->evaluations, c.evaluations);
        }
    }
    // Repaying less than lent; fees of all the amount; fees over 100 % a period.
    for (const DonneesTEG& d :
         {DonneesTEG{3, 333.33, 0, 1000}, {12, 860.66, 10000, 10000}, {2, 5000, 9000, 10000}})
        EXPECT_FALSE(Calcul_TEG(d).has_value()) << d.dblMensualite;

    // 1,0025^2400 is about 400; over 95 000 months the payment is the interest to the cent.
    struct Long {
        const char* duree;
        std::string echeance;
        double tauxPeriode;
        int evaluations;
        std::string periode;
    };
    for (const Long& l : {Long{"2400", "250,63", 0.002500041446182877, 34, "0,250004 %"},
                          Long{"95000", "250,00", 0.002500000000509317, 39, "0,250000 %"}}) {
        const SaisieEmprunt pret{"100000", l.duree, "3", "", "", Frequence::Mois, 2000y / 1 / 31};
        const auto calcul = CalculeEmprunt(pret, true, fr);
        ASSERT_TRUE(calcul.reussi()) << l.duree;
        EXPECT_EQ(calcul.tableau.lignes[0][Colonne::Montant], l.echeance);
        EXPECT_EQ(calcul.teg->tauxPeriode, l.tauxPeriode);
        EXPECT_EQ(calcul.teg->evaluations, l.evaluations);
        EXPECT_EQ(Texte(*calcul.textesTEG), (Textes{l.periode, "3,0000 %", "3,0416 %"}));
    }
}
