#include "SolveursValeurManquante.h"

#include "Arrondis.h"
#include "CalculValeurManquante.h"

#include <gtest/gtest.h>
#include <random>

using namespace amortix;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();
constexpr Frequence mois = Frequence::Mois, trim = Frequence::Trimestres;
const std::nullopt_t no = std::nullopt;

auto Duree = [](double m, double r, double p, Frequence f = mois) { return Calcul_Duree(m, r, p, f, fr); };
auto Taux = [](double m, int n, double p) { return Calcul_Taux(m, n, p, mois, fr); };
auto Montant = [](int n, double r, double p) { return Calcul_Montant(n, r, p, mois, fr); };

std::string Reajuste(const std::string& proche, const char* de, const char* a) {
    return proche + "\r\nLa mensualité a donc été réajustée pour en tenir compte passant ainsi de " + de +
           " à " + a + ".";
}

} // namespace

// 100 % a year is the bound; 21 months (502,82) beat 22 (481,14), 1 beats 2 (5037,53), 43 quarters 44;
// at 0 % the amount shared out, as in a spreadsheet.
TEST(SolveursValeurManquante, ExactesProchesOuImpossibles) {
    struct Cas {
        ResultatSolveur r;
        std::array<std::optional<std::string>, 4> champs;
        std::optional<std::string> message;
    };
    const std::string d = "La durée la plus proche de la réalité est de : ";
    for (const Cas& c :
         {Cas{Montant(12, 0.06, 860.66), {"9999,95", no, no, no}, no},
          Cas{Montant(0, 0.06, 860.66), {"0,00", no, no, no}, no},
          Cas{Taux(10000, 12, 860.66), {no, no, "6,00", no}, no},
          Cas{Taux(10000, 12, 1500),
              {no, no, "100,00", "1349,96"},
              Reajuste("Le taux le plus proche de la réalité est de : 100,00%", "1500,00", "1349,96")},
          Cas{Duree(10000, 0.06, 500),
              {no, "21", no, "502,82"},
              Reajuste(d + "21 mois.", "500,00", "502,82")},
          Cas{Duree(10000, 0.06, 10000),
              {no, "1", no, "10050,00"},
              Reajuste(d + "1 mois.", "10000,00", "10050,00")},
          Cas{Duree(100000, 0.05, 3000, trim),
              {no, "43", no, "3020,47"},
              Reajuste(d + "43 trimestres.", "3000,00", "3020,47")},
          Cas{Calcul_Mensualite(25000, 36, 0, mois, fr), {no, no, no, "694,44"}, no},
          Cas{Duree(12000, 0, 1000), {no, "12", no, no}, no},
          Cas{Montant(36, 0, 694.44), {"24999,84", no, no, no}, no},
          Cas{Taux(12000, 12, 1000), {no, no, "0,00", no}, no},
          Cas{Duree(10000, 0, 3000),
              {no, "3", no, "3333,33"},
              Reajuste(d + "3 mois.", "3000,00", "3333,33")}})
        EXPECT_EQ(std::tuple(c.r.reussi, c.r.champs, c.r.message), std::tuple(true, c.champs, c.message));
    EXPECT_EQ(Taux(10000, 12, 860.66).tours, 13);
    // Three decimals never match; a tiny rate's long search ends.
    EXPECT_TRUE(Taux(10000, 12, 860.665).message.has_value());
    EXPECT_GT(std::stoll(*Duree(1000000, 0.0001, 8.34).champs[1]), 100000);

    // No period; under M / n; a quarter's interest of 1 250; over M; 0.
    std::vector<bool> reussis;
    for (const ResultatSolveur& r :
         {Calcul_Mensualite(10000, 0, 0.06, mois, fr), Taux(10000, 12, 800), Taux(10000, 0, 860.66),
          Duree(100000, 0.05, 1000, trim), Duree(100000, 0.05, 1249.99, trim), Duree(10000, 0.06, 10001),
          Duree(10000, 0.06, 0)})
        reussis.push_back(r.reussi);
    EXPECT_EQ(reussis, std::vector<bool>(7, false));
    // Odd inputs end too.
    using T = std::tuple<double, double, double>;
    for (const auto& [m, r, p] :
         {T{-1e4, .06, 500}, T{1e4, -.06, 500}, T{1e4, .06, -500}, T{1e300, .06, 1e-300}, T{1e4, -30, 500}})
        Duree(m, r, p);
}

// The bisection finds what an upward scan finds: on a miss, the closer duration.
TEST(SolveursValeurManquante, DureeDuParcoursPasAPas) {
    std::mt19937 g(7);
    std::uniform_real_distribution<> montant(1000, 500000), taux(0.001, 0.2), part(0.0005, 0.5);
    for (int essai = 0; essai < 300; ++essai) {
        const double m = std::round(montant(g)), r = std::round(taux(g) * 10000) / 10000;
        const double p = std::round(m * part(g) * 100) / 100;
        const auto f = Frequences[essai % 4];
        const double i = r / PeriodesParAn(f);
        auto P = [&](std::int32_t n) {
            const double q = std::pow(1 + i, n);
            return ArrondiAffiche(m * i * q / (q - 1), 2);
        };
        auto n = static_cast<std::int32_t>(m / p);
        if (p <= m * i + 0.005 || n < 1)
            continue;
        while (p < P(n) && n < 100000)
            ++n;
        if (P(n) != p && p - P(n) >= P(n - 1) - p)
            --n;
        SCOPED_TRACE(essai);
        EXPECT_EQ(std::stoi(Duree(m, r, p, f).champs[1].value()), n);
    }
}

// Fields rewritten as read, then the solver; a failed one leaves its field empty.
TEST(CalculValeurManquante, NormalisePuisResout) {
    using Textes = std::array<std::string, 4>;
    struct Cas {
        Textes saisies;
        Frequence frequence;
        IssueValeurManquante issue;
        Textes champs;
    };
    using enum IssueValeurManquante;
    for (const Cas& c :
         {Cas{{"10000", "13,5", "6", ""}, mois, Trouvee, {"10000,00", "14", "6,00", "741,36"}},
          Cas{{"100000", "", "5", "1000"}, trim, Echec, {"100000,00", "", "5,00", "1000,00"}}}) {
        const auto r = CalculeValeurManquante(c.saisies, c.frequence, fr);
        EXPECT_EQ(std::tuple(r.issue, r.champs, r.message), std::tuple(c.issue, c.champs, no));
    }
}
