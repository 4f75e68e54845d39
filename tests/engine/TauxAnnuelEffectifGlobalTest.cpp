#include "TauxAnnuelEffectifGlobal.h"

#include "Frequence.h"
#include "LectureNombres.h"
#include "TableauAmortissement.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

// The payments as the schedule lists them, read back from their texts.
std::vector<double> MontantsListes(double montant, double tauxPourcent, std::int32_t n,
                                   double assurance = 0.0, Frequence frequence = Frequence::Mois) {
    const auto tableau =
        CalculeTableau({montant, tauxPourcent / 100.0, assurance, 0, n, frequence, 2024y / March / 5}, fr);
    std::vector<double> montants;
    for (const LigneTableau& ligne : tableau.lignes)
        montants.push_back(*LitDecimal(ligne[Colonne::Montant], fr));
    return montants;
}

double Taux(const TauxOuMotif& t) {
    EXPECT_TRUE(std::holds_alternative<double>(t)) << std::get<std::string>(t);
    return std::holds_alternative<double>(t) ? std::get<double>(t) : NAN;
}

} // namespace

// The bank's offer from its published payments (100 000 at 2 % over 180 months, insurance 43,32, fees 2 690);
// two consumer offers from this program's schedule (9 000 at 9 % over 60 months, 1,30 of insurance; 1 500 at
// 16 % over 36 months, fees 45). Every figure and unrounded rate confirmed by a separate Python computation:
// the schedule in decimal arithmetic, the equation bisected over [−99 %, 10 000 %] with 50 digits.
TEST(TauxAnnuelEffectifGlobal, OffresPublieesEtCasLimites) {
    std::vector<double> banque(179, 686.83);
    banque.push_back(686.61);
    using Offre = std::tuple<double, double, double, std::vector<double>, double, TextesTAEG>;
    const auto neufMille = MontantsListes(9000, 9, 60, 1.30), quinzeCents = MontantsListes(1500, 16, 36);
    for (const auto& [montant, frais, assurance, montants, taeg, textes] :
         {Offre{100000, 2690, 43.32, banque, 0.03365480838192, {"3,37 %", "2,41 %", "0,96 %", ""}},
          Offre{9000, 0, 1.30, neufMille, 0.09703757768387, {"9,70 %", "9,38 %", "0,32 %", ""}},
          Offre{1500, 45, 0, quinzeCents, 0.19777149030343, {"19,78 %", "19,78 %", "0,00 %", ""}}}) {
        const auto taux = CalculeTauxAnnuelsEffectifs(montant, frais, assurance, montants, 12);
        EXPECT_NEAR(Taux(taux.taeg), taeg, 1e-12) << montant;
        EXPECT_EQ(FormateTAEG(taux, fr), textes) << montant;
    }
    const auto taux = CalculeTauxAnnuelsEffectifs(100000, 2690, 43.32, banque, 12);
    EXPECT_NEAR(Taux(taux.taegHorsAssurance), 0.02409251035524, 1e-12);
    EXPECT_EQ(FormateTAEG(taux, ConventionsAmericaines()).taeg, "3.37 %");

    // Nothing received; 0 % exactly and a hair below; one monthly payment, (1010 / 990)^12 − 1 =
    // 27,1259 %, one yearly, 1120 / 1000 − 1; the range, −99 % to 10 000 % a year (2 a year after 100
    // is −98 %, 0,5 is −99,5 %, 50 after 1 is 4 900 %, 102 is 10 100 %, 3 × 1 monthly on 1 000 about
    // 6,8 even at −99 %); 400 yearly payments of 50 on 1 000, 5 % less 1,05^-400, whose sum overflows at
    // −99 %; the insurance alone repays nothing (1,01^12 − 1 stays, the TAEA goes); no payments.
    const std::string nul(MotifCapitalRecuNul), aucun(MotifAucunTauxAnnuel), sans(MotifSansEcheances);
    const TextesTAEG zero{"0,00 %", "0,00 %", "0,00 %", ""};
    using Cas = std::tuple<double, double, double, std::vector<double>, int, TextesTAEG>;
    for (const auto& [montant, frais, assurance, montants, k, textes] :
         {Cas{1000, 1000, 0, {1010}, 12, {{}, {}, {}, nul}},
          Cas{1000, 1200, 5, {505, 505}, 12, {{}, {}, {}, nul}},
          Cas{12000, 0, 0, std::vector<double>(12, 1000.0), 12, zero},
          Cas{1000, 0, 0, {333.33, 333.33, 333.34}, 12, zero},
          Cas{1000, 10, 0, {1010}, 12, {"27,13 %", "27,13 %", "0,00 %", ""}},
          Cas{1000, 0, 20, {1120}, 1, {"12,00 %", "10,00 %", "2,00 %", ""}},
          Cas{100, 0, 0, {2}, 1, {"-98,00 %", "-98,00 %", "0,00 %", ""}},
          Cas{100, 0, 0, {0.5}, 1, {{}, {}, {}, aucun}},
          Cas{1, 0, 0, {50}, 1, {"4900,00 %", "4900,00 %", "0,00 %", ""}},
          Cas{1, 0, 0, {102}, 1, {{}, {}, {}, aucun}}, Cas{1000, 0, 0, {1, 1, 1}, 12, {{}, {}, {}, aucun}},
          Cas{1000, 0, 0, std::vector<double>(400, 50.0), 1, {"5,00 %", "5,00 %", "0,00 %", ""}},
          Cas{1000, 0, 1010, {1010}, 12, {"12,68 %", {}, {}, aucun}},
          Cas{1000, 0, 0, {}, 12, {{}, {}, {}, sans}}, Cas{1000, 0, 0, {1010}, 0, {{}, {}, {}, sans}}})
        EXPECT_EQ(FormateTAEG(CalculeTauxAnnuelsEffectifs(montant, frais, assurance, montants, k), fr),
                  textes)
            << montant << " " << montants.size();
}

// Random loans of every frequency: without fees or insurance the TAEG is the nominal rate
// compounded, within the rows' cents (a few millionths on 10 000 or more); more fees never lower it,
// insurance never either; the rate solves the equation to 1e-12: Σ a_j (1 + X)^(−j/k) − capital,
// one power per payment in long double, changes sign across it.
TEST(TauxAnnuelEffectifGlobal, EmpruntsAuHasard) {
    std::mt19937 hasard(315);
    std::uniform_int_distribution<long long> centimes(10000'00, 1'000'000'00);
    std::uniform_int_distribution<int> centiemes(1, 9900), assurance(1, 20000), frais(1, 500000);
    int ecartes = 0;
    for (int essai = 0; essai < 400; ++essai) {
        const Frequence frequence = Frequences[static_cast<std::size_t>(essai % 4)];
        const int k = PeriodesParAn(frequence);
        const std::int32_t n = std::uniform_int_distribution<int>(1, 40 * k)(hasard);
        const double taux = centiemes(hasard) / 100.0;
        const double montant = static_cast<double>(centimes(hasard)) / 100.0;
        SCOPED_TRACE(testing::Message()
                     << montant << " à " << taux << " % sur " << n << " périodes, k = " << k);
        const std::vector<double> nets = MontantsListes(montant, taux, n, 0.0, frequence);
        // Over decades at usurious rates the cents of the rows grow with the capital owed and may turn
        // the last payment negative: such a schedule is no ordinary loan and is left out.
        if (nets.back() <= 0.0) {
            ++ecartes;
            continue;
        }
        EXPECT_NEAR(Taux(CalculeTAEG(montant, nets, k)), std::pow(1.0 + taux / 100.0 / k, k) - 1.0, 1e-4);
        const double a = assurance(hasard) / 100.0, fraisBas = frais(hasard) / 100.0;
        const std::vector<double> montants = MontantsListes(montant, taux, n, a, frequence);
        const auto bas = CalculeTauxAnnuelsEffectifs(montant, fraisBas, a, montants, k);
        const auto haut =
            CalculeTauxAnnuelsEffectifs(montant, fraisBas + frais(hasard) / 100.0, a, montants, k);
        EXPECT_GT(Taux(haut.taeg), Taux(bas.taeg));
        EXPECT_GT(Taux(haut.taegHorsAssurance), Taux(bas.taegHorsAssurance));
        EXPECT_GT(Taux(bas.taea), 0.0);
        const auto ecart = [&](long double x) {
            long double somme = -(montant - fraisBas);
            for (std::size_t j = 0; j < montants.size(); ++j)
                somme += montants[j] * std::pow(1.0L + x, -static_cast<long double>(j + 1) / k);
            return somme;
        };
        // The rate is the root: the sum changes sign across it.
        EXPECT_GT(ecart(Taux(bas.taeg) - 1e-12L), 0.0L);
        EXPECT_LT(ecart(Taux(bas.taeg) + 1e-12L), 0.0L);
    }
    EXPECT_LT(ecartes, 20);
}
