#include "SolveursValeurManquante.h"

#include "Arrondis.h"
#include "CalculValeurManquante.h"

#include <gtest/gtest.h>
#include <random>

using namespace amortix;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();
constexpr Frequence mois = Frequence::Mois, trimestres = Frequence::Trimestres;
const std::nullopt_t sans = std::nullopt;

} // namespace

// Each solver's field, and when the value found is only the closest, the payment re-adjusted and why. Above
// 100 % a year: the upper bound. 22 months give 481,14 and 21 give 502,82: 2,82 away beats 18,86. A payment
// equal to the amount: 1 period (10050,00) beats 2 (5037,53). 44 quarters give 2968,56, 43 give 3020,47.
TEST(SolveursValeurManquante, ValeursExactesLesPlusProchesOuImpossibles) {
    const std::string reajuste =
        "\r\nLa mensualité a donc été réajustée pour en tenir compte passant ainsi de ";
    using Cas =
        std::tuple<ResultatSolveur, std::array<std::optional<std::string>, 4>, std::optional<std::string>>;
    for (const auto& [resultat, champs, message] :
         {Cas{Calcul_Montant(12, 0.06, 860.66, mois, fr), {"9999,95", sans, sans, sans}, sans},
          Cas{Calcul_Montant(0, 0.06, 860.66, mois, fr), {"0,00", sans, sans, sans}, sans},
          Cas{Calcul_Taux(10000, 12, 860.66, mois, fr), {sans, sans, "6,00", sans}, sans},
          Cas{Calcul_Taux(10000, 12, 1500, mois, fr),
              {sans, sans, "100,00", "1349,96"},
              "Le taux le plus proche de la réalité est de : 100,00%" + reajuste + "1500,00 à 1349,96."},
          Cas{Calcul_Duree(10000, 0.06, 500, mois, fr),
              {sans, "21", sans, "502,82"},
              "La durée la plus proche de la réalité est de : 21 mois." + reajuste + "500,00 à 502,82."},
          Cas{Calcul_Duree(10000, 0.06, 10000, mois, fr),
              {sans, "1", sans, "10050,00"},
              "La durée la plus proche de la réalité est de : 1 mois." + reajuste + "10000,00 à 10050,00."},
          Cas{Calcul_Duree(100000, 0.05, 3000, trimestres, fr),
              {sans, "43", sans, "3020,47"},
              "La durée la plus proche de la réalité est de : 43 trimestres." + reajuste +
                  "3000,00 à 3020,47."}})
        EXPECT_EQ(std::tuple(resultat.reussi, resultat.champs, resultat.message),
                  std::tuple(true, champs, message));
    EXPECT_EQ(Calcul_Taux(10000, 12, 860.66, mois, fr).tours, 13);
    // A payment typed with three decimals never matches exactly; a long search for a tiny rate ends.
    EXPECT_TRUE(Calcul_Taux(10000, 12, 860.665, mois, fr).message);
    EXPECT_GT(std::stoll(*Calcul_Duree(1000000, 0.0001, 8.34, mois, fr).champs[1]), 100000);

    // Impossible: zero periods divide by zero; a payment below the amount shared out would need a negative
    // rate; one quarter's interest is 1 250, so no duration repays 100 000 with 1 000 or a hair under the
    // interest; a payment above the amount or of zero. Odd inputs end too.
    for (const ResultatSolveur& r :
         {Calcul_Mensualite(10000, 0, 0.06, mois, fr), Calcul_Taux(10000, 12, 800, mois, fr),
          Calcul_Taux(10000, 0, 860.66, mois, fr), Calcul_Duree(100000, 0.05, 1000, trimestres, fr),
          Calcul_Duree(100000, 0.05, 1249.99, trimestres, fr), Calcul_Duree(10000, 0.06, 10001, mois, fr),
          Calcul_Duree(10000, 0.06, 0, mois, fr)})
        EXPECT_FALSE(r.reussi);
    for (const auto& [m, r, p] : {std::tuple{-10000.0, 0.06, 500.0}, std::tuple{10000.0, -0.06, 500.0},
                                  std::tuple{10000.0, 0.06, -500.0}, std::tuple{1e300, 0.06, 1e-300},
                                  std::tuple{10000.0, -30.0, 500.0}})
        Calcul_Duree(m, r, p, mois, fr);
}

// The bisection must find what the plain upward scan finds, the closer of two durations on a miss.
TEST(SolveursValeurManquante, LaDureeEgaleCelleDuParcoursPasAPas) {
    std::mt19937 hasard(7);
    std::uniform_real_distribution<double> montant(1000, 500000), taux(0.001, 0.2), part(0.0005, 0.5);
    for (int essai = 0; essai < 300; ++essai) {
        const double m = std::round(montant(hasard)), r = std::round(taux(hasard) * 10000) / 10000;
        const double p = std::round(m * part(hasard) * 100) / 100;
        const int k = std::array{12, 4, 2, 1}[essai % 4];
        auto centime = [&](std::int32_t n) {
            return ArrondiAffiche(m * (r / k) * std::pow(1 + r / k, n) / (std::pow(1 + r / k, n) - 1), 2);
        };
        if (!(p > m * r / k + 0.005 && static_cast<std::int32_t>(m / p) >= 1))
            continue;
        std::int32_t n = static_cast<std::int32_t>(m / p);
        while (p < centime(n) && n < 100000)
            ++n;
        if (centime(n) != p && p - centime(n) >= centime(n - 1) - p)
            --n;
        const auto resultat = Calcul_Duree(m, r, p, Frequences[static_cast<std::size_t>(essai % 4)], fr);
        SCOPED_TRACE(testing::Message() << m << " " << r << " " << p << " k=" << k);
        ASSERT_TRUE(resultat.reussi);
        EXPECT_EQ(std::stoi(*resultat.champs[1]), n);
    }
}

// The fields rewritten as read, then the solver; a failed solver leaves its field empty, the others
// keep their new texts.
TEST(CalculValeurManquante, ZonesVidesNormalisationPuisSolveur) {
    using Textes = std::array<std::string, 4>;
    using enum IssueValeurManquante;
    using Cas = std::tuple<Textes, Frequence, IssueValeurManquante, Textes>;
    for (const auto& [saisies, frequence, issue, champs] :
         {Cas{{"10000", "13,5", "6", ""}, mois, Trouvee, {"10000,00", "14", "6,00", "741,36"}},
          Cas{{"100000", "", "5", "1000"}, trimestres, Echec, {"100000,00", "", "5,00", "1000,00"}}}) {
        const auto r = CalculeValeurManquante(saisies, frequence, fr);
        EXPECT_EQ(std::tuple(r.issue, r.champs, r.message.has_value()), std::tuple(issue, champs, false));
    }
}
