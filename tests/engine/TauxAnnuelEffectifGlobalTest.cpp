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

const auto fr = ConventionsFrancaises();

// The payments as listed, read back.
std::vector<double> Listes(double m, double taux, int n, double a = 0, Frequence f = Frequence::Mois) {
    std::vector<double> v;
    const ParametresEmprunt e{m, taux / 100, a, 0, n, f, 2024y / 3 / 5};
    for (const LigneTableau& l : CalculeTableau(e, fr).lignes)
        v.push_back(*LitDecimal(l[Colonne::Montant], fr));
    return v;
}

// Fees kept at the start; one premium per payment.
struct Pret {
    double montant = 1000;
    double frais = 0;
    double assurance = 0;
    std::vector<double> montants{};
    int k = 12;
};

TauxAnnuelsEffectifs Taux(const Pret& p) {
    return CalculeTauxAnnuelsEffectifs(p.montant, p.frais, p.assurance, p.montants, p.k);
}

// The rate, or NaN.
double Valeur(const TauxOuMotif& t) {
    const double* x = std::get_if<double>(&t);
    return x ? *x : NAN;
}

// The three rates shown, and why one is missing.
std::string Textes(const auto& taux, const ConventionsLocales& c = fr) {
    const auto t = FormateTAEG(taux, c);
    std::string s;
    for (const auto& r : {t.taeg, t.taegHorsAssurance, t.taea})
        s += r.value_or("-") + ", ";
    return s + t.motif;
}

// TAEG and TAEG without insurance alike, no TAEA.
std::string Seul(const std::string& taeg) {
    return taeg + ", " + taeg + ", 0,00 %, ";
}

} // namespace

// Published offers, each rate bisected apart to 50 digits.
TEST(TauxAnnuelEffectifGlobal, OffresPubliees) {
    // 100 000 at 2 % over 180 months, insurance 43,32, fees 2 690.
    std::vector<double> publiees(179, 686.83);
    publiees.push_back(686.61);
    const auto banque = Taux({100000, 2690, 43.32, publiees});
    EXPECT_NEAR(Valeur(banque.taeg), 0.03365480838192, 1e-12);
    EXPECT_NEAR(Valeur(banque.taegHorsAssurance), 0.02409251035524, 1e-12);
    EXPECT_EQ(Textes(banque), "3,37 %, 2,41 %, 0,96 %, ");
    EXPECT_EQ(Textes(banque, ConventionsAmericaines()), "3.37 %, 2.41 %, 0.96 %, ");
    const auto neuf = Taux({9000, 0, 1.30, Listes(9000, 9, 60, 1.30)});
    EXPECT_NEAR(Valeur(neuf.taeg), 0.09703757768387, 1e-12);
    EXPECT_EQ(Textes(neuf), "9,70 %, 9,38 %, 0,32 %, ");
    const auto quinze = Taux({1500, 45, 0, Listes(1500, 16, 36)});
    EXPECT_NEAR(Valeur(quinze.taeg), 0.19777149030343, 1e-12);
    EXPECT_EQ(Textes(quinze), Seul("19,78 %"));
}

TEST(TauxAnnuelEffectifGlobal, CasLimites) {
    const auto T = [](const Pret& p) { return Textes(Taux(p)); };
    const std::string rien = "-, -, -, ";
    const std::string aucun = rien + std::string(MotifAucunTauxAnnuel);
    const std::string sans = rien + std::string(MotifSansEcheances);
    // Nothing received.
    EXPECT_EQ(T({.frais = 1000, .montants = {1010}}), rien + std::string(MotifCapitalRecuNul));
    // 0 % exactly, and a hair below.
    EXPECT_EQ(T({12000, 0, 0, std::vector(12, 1000.0)}), Seul("0,00 %"));
    EXPECT_EQ(T({.montants = {333.33, 333.33, 333.34}}), Seul("0,00 %"));
    // One monthly payment: (1010 / 990)^12 − 1 = 27,1259 %.
    EXPECT_EQ(T({.frais = 10, .montants = {1010}}), Seul("27,13 %"));
    // One yearly: 1120 / 1000 − 1.
    EXPECT_EQ(T({.assurance = 20, .montants = {1120}, .k = 1}), "12,00 %, 10,00 %, 2,00 %, ");
    // From −99 % to 10 000 % a year.
    EXPECT_EQ(T({100, 0, 0, {2}, 1}), Seul("-98,00 %"));
    EXPECT_EQ(T({100, 0, 0, {0.5}, 1}), aucun);
    EXPECT_EQ(T({1, 0, 0, {50}, 1}), Seul("4900,00 %"));
    EXPECT_EQ(T({1, 0, 0, {102}, 1}), aucun);
    // 3 × 1 a month on 1 000: about 6,8 at −99 %.
    EXPECT_EQ(T({.montants = {1, 1, 1}}), aucun);
    // 5 % less 1,05^-400; the sum overflows at −99 %.
    EXPECT_EQ(T({.montants = std::vector(400, 50.0), .k = 1}), Seul("5,00 %"));
    // Insurance repays nothing: 1,01^12 − 1 stays, the TAEA goes.
    EXPECT_EQ(T({.assurance = 1010, .montants = {1010}}),
              "12,68 %, -, -, " + std::string(MotifAucunTauxAnnuel));
    EXPECT_EQ(T({.montants = {}}), sans);
    EXPECT_EQ(T({.montants = {1010}, .k = 0}), sans);
}

// The nominal rate compounded, raised by fees and insurance; a root to 1e-12.
TEST(TauxAnnuelEffectifGlobal, EmpruntsAuHasard) {
    std::mt19937 g(315);
    const auto de = [&](int a, int b) { return std::uniform_int_distribution(a, b)(g); };
    int ecartes = 0;
    for (int essai = 0; essai < 400; ++essai) {
        const Frequence f = Frequences[essai % 4];
        const int k = PeriodesParAn(f);
        const std::int32_t n = de(1, 40 * k);
        const double taux = de(1, 9900) / 100.0;
        const double m = de(10000'00, 1'000'000'00) / 100.0;
        SCOPED_TRACE(essai);
        const auto nets = Listes(m, taux, n, 0.0, f);
        // Decades at usurious rates may make the last payment negative.
        if (nets.back() <= 0.0) {
            ++ecartes;
            continue;
        }
        EXPECT_NEAR(Valeur(CalculeTAEG(m, nets, k)), std::pow(1 + taux / 100 / k, k) - 1, 1e-4);
        const double a = de(1, 20000) / 100.0, bas = de(1, 500000) / 100.0;
        const double haut = bas + de(1, 500000) / 100.0;
        const auto montants = Listes(m, taux, n, a, f);
        const auto t = Taux({m, bas, a, montants, k});
        const auto plus = Taux({m, haut, a, montants, k});
        EXPECT_GT(Valeur(plus.taeg), Valeur(t.taeg));
        EXPECT_GT(Valeur(plus.taegHorsAssurance), Valeur(t.taegHorsAssurance));
        EXPECT_GT(Valeur(t.taea), 0.0);
        const auto ecart = [&](long double x) {
            long double somme = -(m - bas);
            for (std::size_t j = 0; j < montants.size(); ++j)
                somme += montants[j] * std::pow(1.0L + x, -(j + 1.0L) / k);
            return somme;
        };
        const long double x = Valeur(t.taeg);
        EXPECT_GT(ecart(x - 1e-12L), 0.0L);
        EXPECT_LT(ecart(x + 1e-12L), 0.0L);
    }
    EXPECT_LT(ecartes, 20);
}
