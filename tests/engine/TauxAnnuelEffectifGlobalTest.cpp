#include "TauxAnnuelEffectifGlobal.h"

#include "Frequence.h"
#include "LectureNombres.h"
#include "TableauAmortissement.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

ParametresEmprunt Emprunt(double montant, double tauxPourcent, std::int32_t n, int index,
                          double assurance = 0.0, double frais = 0.0) {
    ParametresEmprunt e;
    e.montant = montant;
    e.tauxAnnuel = tauxPourcent / 100.0;
    e.duree = n;
    e.frequence = Frequences[index];
    e.assurance = assurance;
    e.fraisDossier = frais;
    e.premiereEcheance = 2024y / March / 5;
    return e;
}

// The payments as the schedule lists them, read back from their texts.
std::vector<double> MontantsListes(const ParametresEmprunt& e) {
    const auto tableau = CalculeTableau(e, fr);
    EXPECT_TRUE(tableau.complet());
    std::vector<double> montants;
    for (const LigneTableau& ligne : tableau.lignes)
        montants.push_back(*LitDecimal(ligne[Colonne::Montant], fr));
    return montants;
}

double Taux(const TauxOuMotif& t) {
    EXPECT_TRUE(std::holds_alternative<double>(t)) << std::get<std::string>(t);
    return std::holds_alternative<double>(t) ? std::get<double>(t) : NAN;
}

// Σ a_j (1 + X)^(−j/k) − capital, one power per payment in long double: a check apart from the
// solver's Horner sums.
long double Ecart(long double x, double capital, const std::vector<double>& montants, int k) {
    long double somme = 0.0L;
    for (std::size_t j = 0; j < montants.size(); ++j)
        somme += montants[j] * std::pow(1.0L + x, -static_cast<long double>(j + 1) / k);
    return somme - capital;
}

} // namespace

// Published offers. The bank's offer is built from its published payments; the two consumer
// offers from this program's schedule. Every figure, and the unrounded rates, were confirmed by a
// separate Python computation: the schedule in decimal arithmetic (Round2 half to even, the
// instalment half away from zero), the equation bisected over [−99 %, 10 000 %] with 50 digits.
TEST(TauxAnnuelEffectifGlobal, OffresPubliees) {
    struct Cas {
        const char* offre;
        double montant, frais, assurance;
        std::vector<double> montants;
        double taeg; // from the Python bisection
        TextesTAEG textes;
    };
    std::vector<double> banque(179, 686.83);
    banque.push_back(686.61);
    // 9 000 at 9 % over 60 months, 1,30 of insurance a payment: 188,13, the last 187,82.
    const auto neufMille = MontantsListes(Emprunt(9000, 9, 60, 0, 1.30));
    // 1 500 at 16 % over 36 months, fees 45: 52,74, the last 52,51.
    const auto quinzeCents = MontantsListes(Emprunt(1500, 16, 36, 0, 0, 45));
    for (const Cas& c : {
             // 100 000 at 2 % over 180 months, insurance 43,32, fees 2 690.
             Cas{"banque", 100000, 2690, 43.32, banque, 0.03365480838192, {"3,37 %", "2,41 %", "0,96 %", ""}},
             Cas{"9 000", 9000, 0, 1.30, neufMille, 0.09703757768387, {"9,70 %", "9,38 %", "0,32 %", ""}},
             Cas{"1 500", 1500, 45, 0, quinzeCents, 0.19777149030343, {"19,78 %", "19,78 %", "0,00 %", ""}},
         }) {
        SCOPED_TRACE(c.offre);
        const auto taux = CalculeTauxAnnuelsEffectifs(c.montant, c.frais, c.assurance, c.montants, 12);
        EXPECT_NEAR(Taux(taux.taeg), c.taeg, 1e-12);
        EXPECT_EQ(FormateTAEG(taux, fr), c.textes);
        EXPECT_DOUBLE_EQ(Taux(taux.taea), Taux(taux.taeg) - Taux(taux.taegHorsAssurance));
    }
    // The bank's rate without insurance, also from the Python bisection.
    EXPECT_NEAR(Taux(CalculeTauxAnnuelsEffectifs(100000, 2690, 43.32, banque, 12).taegHorsAssurance),
                0.02409251035524, 1e-12);
    const auto textes =
        FormateTAEG(CalculeTauxAnnuelsEffectifs(100000, 2690, 43.32, banque, 12), ConventionsAmericaines());
    EXPECT_EQ(textes.taeg, "3.37 %");
}

TEST(TauxAnnuelEffectifGlobal, CasLimites) {
    struct Cas {
        const char* cas;
        double montant, frais, assurance;
        std::vector<double> montants;
        int k;
        TextesTAEG textes;
    };
    const std::string capitalNul(MotifCapitalRecuNul), aucun(MotifAucunTauxAnnuel), sans(MotifSansEcheances);
    const std::vector<double> douzeMille(12, 1000.0), quatreCentsAns(400, 50.0);
    for (const Cas& c : {
             Cas{"frais égaux au montant", 1000, 1000, 0, {1010}, 12, {{}, {}, {}, capitalNul}},
             Cas{"frais au-delà du montant", 1000, 1200, 5, {505, 505}, 12, {{}, {}, {}, capitalNul}},
             // 0 %: 12 × 1 000 exactly; 333,33 twice then 333,34, a hair below zero.
             Cas{"taux nul", 12000, 0, 0, douzeMille, 12, {"0,00 %", "0,00 %", "0,00 %", ""}},
             Cas{"0 % arrondi", 1000, 0, 0, {333.33, 333.33, 333.34}, 12, {"0,00 %", "0,00 %", "0,00 %", ""}},
             // One month: (1010 / 990)^12 − 1 = 27,1259 %. One year: 1120 / 1000 − 1.
             Cas{"une échéance mensuelle", 1000, 10, 0, {1010}, 12, {"27,13 %", "27,13 %", "0,00 %", ""}},
             Cas{"une échéance annuelle", 1000, 0, 20, {1120}, 1, {"12,00 %", "10,00 %", "2,00 %", ""}},
             // The range, −99 % to 10 000 % a year: 2 a year after 100 is −98 %, 0,5 is −99,5 %;
             // 50 a year after 1 is 4 900 %, 102 is 10 100 %. 3 × 1 monthly on 1 000 gives about
             // 6,8 even at −99 %.
             Cas{"-98 %", 100, 0, 0, {2}, 1, {"-98,00 %", "-98,00 %", "0,00 %", ""}},
             Cas{"-99,5 %", 100, 0, 0, {0.5}, 1, {{}, {}, {}, aucun}},
             Cas{"4 900 %", 1, 0, 0, {50}, 1, {"4900,00 %", "4900,00 %", "0,00 %", ""}},
             Cas{"10 100 %", 1, 0, 0, {102}, 1, {{}, {}, {}, aucun}},
             Cas{"jamais remboursé", 1000, 0, 0, {1, 1, 1}, 12, {{}, {}, {}, aucun}},
             // 400 yearly payments of 50 on 1 000: 5 % less 1,05^-400 (about 3e-9); at −99 % their
             // sum overflows, still positive.
             Cas{"400 ans", 1000, 0, 0, quatreCentsAns, 1, {"5,00 %", "5,00 %", "0,00 %", ""}},
             // Without insurance nothing is repaid: 1,01^12 − 1 stays, the TAEA goes.
             Cas{"assurance seule", 1000, 0, 1010, {1010}, 12, {"12,68 %", {}, {}, aucun}},
             Cas{"aucune échéance", 1000, 0, 0, {}, 12, {{}, {}, {}, sans}},
             Cas{"aucune fréquence", 1000, 0, 0, {1010}, 0, {{}, {}, {}, sans}},
         }) {
        SCOPED_TRACE(c.cas);
        EXPECT_EQ(
            FormateTAEG(CalculeTauxAnnuelsEffectifs(c.montant, c.frais, c.assurance, c.montants, c.k), fr),
            c.textes);
    }
}

// Random loans of every frequency: without fees or insurance the TAEG is the nominal rate
// compounded; more fees never lower it, insurance never either; the rate solves the equation to
// 1e-12.
TEST(TauxAnnuelEffectifGlobal, EmpruntsAuHasard) {
    std::mt19937 hasard(315);
    std::uniform_int_distribution<long long> centimes(10000'00, 1'000'000'00);
    std::uniform_int_distribution<int> centiemes(1, 9900), assurance(1, 20000), frais(1, 500000);
    int sansRacine = 0;
    for (int essai = 0; essai < 400; ++essai) {
        const int index = essai % 4;
        const int k = PeriodesParAn(Frequences[index]);
        std::uniform_int_distribution<int> duree(1, 40 * k);
        auto e = Emprunt(static_cast<double>(centimes(hasard)) / 100.0, centiemes(hasard) / 100.0,
                         duree(hasard), index);
        SCOPED_TRACE(testing::Message() << e.montant << " à " << e.tauxAnnuel * 100 << " % sur " << e.duree
                                        << " périodes, k = " << k);
        const std::vector<double> nets = MontantsListes(e);
        // Over decades at usurious rates the cents of the rows grow with the capital owed and may
        // turn the last payment negative: the equation then has two roots or none in the range,
        // and no TAEG is the answer.
        if (nets.back() <= 0.0) {
            EXPECT_EQ(CalculeTAEG(e.montant, nets, k), TauxOuMotif(std::string(MotifAucunTauxAnnuel)));
            ++sansRacine;
            continue;
        }

        // Each row's cents move the present value by at most about 0,015: a few millionths of the
        // rate on loans of 10 000 or more, far within 0,01 point.
        const double taeg = Taux(CalculeTAEG(e.montant, nets, k));
        EXPECT_NEAR(taeg, std::pow(1.0 + e.tauxAnnuel / k, k) - 1.0, 1e-4);

        e.assurance = assurance(hasard) / 100.0;
        const std::vector<double> montants = MontantsListes(e);
        const double fraisBas = frais(hasard) / 100.0, fraisHaut = fraisBas + frais(hasard) / 100.0;
        const auto bas = CalculeTauxAnnuelsEffectifs(e.montant, fraisBas, e.assurance, montants, k);
        const auto haut = CalculeTauxAnnuelsEffectifs(e.montant, fraisHaut, e.assurance, montants, k);
        EXPECT_GT(Taux(haut.taeg), Taux(bas.taeg));
        EXPECT_GT(Taux(haut.taegHorsAssurance), Taux(bas.taegHorsAssurance));
        EXPECT_GT(Taux(bas.taea), 0.0);

        // The root lies within 1e-12 of the rate found: f changes sign across it.
        const double x = Taux(bas.taeg);
        const double capital = e.montant - fraisBas;
        EXPECT_GT(Ecart(x - 1e-12L, capital, montants, k), 0.0L);
        EXPECT_LT(Ecart(x + 1e-12L, capital, montants, k), 0.0L);
    }
    EXPECT_LT(sansRacine, 20);
}
