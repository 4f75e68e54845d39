#include "SolveursValeurManquante.h"

#include "Arrondis.h"
#include "CalculValeurManquante.h"

#include <gtest/gtest.h>
#include <random>

using namespace amortix;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();
using Champs = std::array<std::optional<std::string>, 4>;
constexpr Frequence mois = Frequence::Mois, trimestres = Frequence::Trimestres;

} // namespace

TEST(SolveursValeurManquante, MensualiteEtMontant) {
    auto r = Calcul_Mensualite(10000, 12, 0.06, mois, fr);
    ASSERT_TRUE(r.reussi);
    EXPECT_EQ(r.champs, (Champs{std::nullopt, std::nullopt, std::nullopt, "860,66"}));
    EXPECT_FALSE(r.message);

    r = Calcul_Montant(12, 0.06, 860.66, mois, fr);
    ASSERT_TRUE(r.reussi);
    EXPECT_EQ(r.champs, (Champs{"9999,95", std::nullopt, std::nullopt, std::nullopt}));
    // Zero periods borrow nothing.
    EXPECT_EQ(*Calcul_Montant(0, 0.06, 860.66, mois, fr).champs[0], "0,00");

    // A zero rate or zero periods divide by zero.
    EXPECT_FALSE(Calcul_Mensualite(10000, 12, 0.0, mois, fr).reussi);
    EXPECT_FALSE(Calcul_Mensualite(10000, 0, 0.06, mois, fr).reussi);
    EXPECT_FALSE(Calcul_Montant(12, 0.0, 860.66, mois, fr).reussi);
}

TEST(SolveursValeurManquante, TauxExactOuLePlusProche) {
    auto r = Calcul_Taux(10000, 12, 860.66, mois, fr);
    ASSERT_TRUE(r.reussi);
    EXPECT_EQ(r.champs, (Champs{std::nullopt, std::nullopt, "6,00", std::nullopt}));
    EXPECT_FALSE(r.message);
    EXPECT_EQ(r.tours, 13);

    // Between 5,85 % (859,98) and 5,86 % (860,02): a tie at 0,02, the higher rate wins.
    r = Calcul_Taux(10000, 12, 860.00, mois, fr);
    ASSERT_TRUE(r.reussi);
    EXPECT_EQ(r.champs, (Champs{std::nullopt, std::nullopt, "5,86", "860,02"}));
    EXPECT_EQ(r.message,
              "Le taux le plus proche de la réalité est de : 5,86%\r\n"
              "La mensualité a donc été réajustée pour en tenir compte passant ainsi de 860,00 à 860,02.");

    // More than 100 % a year: the upper bound, 100,00, with its payment.
    r = Calcul_Taux(10000, 12, 1500, mois, fr);
    ASSERT_TRUE(r.reussi);
    EXPECT_EQ(r.champs, (Champs{std::nullopt, std::nullopt, "100,00", "1349,96"}));

    // Below what 0,01 % a year asks: the lower bound stays at 0, whose payment is 0/0.
    EXPECT_FALSE(Calcul_Taux(10000, 12, 800, mois, fr).reussi);
    EXPECT_FALSE(Calcul_Taux(10000, 0, 860.66, mois, fr).reussi);

    // A payment typed with three decimals never matches exactly.
    r = Calcul_Taux(10000, 12, 860.665, mois, fr);
    ASSERT_TRUE(r.reussi);
    EXPECT_TRUE(r.message);
}

TEST(SolveursValeurManquante, DureeExacteOuLaPlusProche) {
    auto r = Calcul_Duree(10000, 0.06, 860.66, mois, fr);
    ASSERT_TRUE(r.reussi);
    EXPECT_EQ(r.champs, (Champs{std::nullopt, "12", std::nullopt, std::nullopt}));
    EXPECT_FALSE(r.message);

    // 22 periods give 481,14, 21 give 502,82: 2,82 away beats 18,86.
    r = Calcul_Duree(10000, 0.06, 500, mois, fr);
    ASSERT_TRUE(r.reussi);
    EXPECT_EQ(r.champs, (Champs{std::nullopt, "21", std::nullopt, "502,82"}));
    EXPECT_EQ(r.message,
              "La durée la plus proche de la réalité est de : 21 mois.\r\n"
              "La mensualité a donc été réajustée pour en tenir compte passant ainsi de 500,00 à 502,82.");

    // A payment equal to the amount: 1 period (10050,00) is closer than 2 (5037,53).
    r = Calcul_Duree(10000, 0.06, 10000, mois, fr);
    ASSERT_TRUE(r.reussi);
    EXPECT_EQ(r.champs, (Champs{std::nullopt, "1", std::nullopt, "10050,00"}));

    // The frequency word of the list: 44 quarters give 2968,56, 43 give 3020,47.
    r = Calcul_Duree(100000, 0.05, 3000, trimestres, fr);
    ASSERT_TRUE(r.reussi);
    EXPECT_EQ(r.champs, (Champs{std::nullopt, "43", std::nullopt, "3020,47"}));
    EXPECT_TRUE(r.message->starts_with("La durée la plus proche de la réalité est de : 43 trimestres."));
}

TEST(SolveursValeurManquante, DureesImpossibles) {
    // One quarter's interest is 1 250: no duration repays the loan with 1 000.
    EXPECT_FALSE(Calcul_Duree(100000, 0.05, 1000, trimestres, fr).reussi);
    // Exactly the interest, and a hair above it at a tiny rate: found at once either way.
    EXPECT_FALSE(Calcul_Duree(100000, 0.05, 1249.99, trimestres, fr).reussi);
    const auto r = Calcul_Duree(1000000, 0.0001, 8.34, mois, fr);
    ASSERT_TRUE(r.reussi);
    EXPECT_GT(std::stoll(*r.champs[1]), 100000);
    // Payment above the amount, zero payment, zero rate.
    EXPECT_FALSE(Calcul_Duree(10000, 0.06, 10001, mois, fr).reussi);
    EXPECT_FALSE(Calcul_Duree(10000, 0.06, 0, mois, fr).reussi);
    EXPECT_FALSE(Calcul_Duree(10000, 0.0, 500, mois, fr).reussi);
    // Odd inputs end too.
    Calcul_Duree(-10000, 0.06, 500, mois, fr);
    Calcul_Duree(10000, -0.06, 500, mois, fr);
    Calcul_Duree(10000, 0.06, -500, mois, fr);
    Calcul_Duree(1e300, 0.06, 1e-300, mois, fr);
    Calcul_Duree(10000, -30.0, 500, mois, fr);
}

// The bisection must find what the plain upward scan finds.
TEST(SolveursValeurManquante, LaDureeEgaleCelleDuParcoursPasAPas) {
    std::mt19937 hasard(7);
    std::uniform_real_distribution<double> montant(1000, 500000), taux(0.001, 0.2), part(0.0005, 0.5);
    for (int essai = 0; essai < 300; ++essai) {
        const double m = std::round(montant(hasard));
        const double r = std::round(taux(hasard) * 10000) / 10000;
        const double p = std::round(m * part(hasard) * 100) / 100;
        const int index = essai % 4;
        const int k = std::array{12, 4, 2, 1}[index];
        auto centime = [&](std::int32_t n) {
            return ArrondiAffiche(m * (r / k) * std::pow(1 + r / k, n) / (std::pow(1 + r / k, n) - 1), 2);
        };
        std::optional<std::int32_t> attendu;
        if (p > m * r / k + 0.005 && static_cast<std::int32_t>(m / p) >= 1) {
            std::int32_t n = static_cast<std::int32_t>(m / p) - 1;
            do
                ++n;
            while (p < centime(n) && n < 100000);
            if (centime(n) != p)
                n = (p - centime(n) < centime(n - 1) - p) ? n : n - 1;
            attendu = n;
        }
        const auto resultat = Calcul_Duree(m, r, p, Frequences[static_cast<std::size_t>(index)], fr);
        SCOPED_TRACE(testing::Message() << m << " " << r << " " << p << " k=" << k);
        if (attendu) {
            ASSERT_TRUE(resultat.reussi);
            EXPECT_EQ(std::stoi(*resultat.champs[1]), *attendu);
        }
    }
}

TEST(CalculValeurManquante, ComptageDesZonesVides) {
    auto r = CalculeValeurManquante({"10000", "12", "6", "860,66"}, mois, fr);
    EXPECT_EQ(r.issue, IssueValeurManquante::AucuneZoneVide);
    EXPECT_FALSE(r.message);
    EXPECT_EQ(r.champs, (std::array<std::string, 4>{"10000", "12", "6", "860,66"}));

    r = CalculeValeurManquante({"10000", "  ", "6", ""}, mois, fr);
    EXPECT_EQ(r.issue, IssueValeurManquante::PlusieursZonesVides);
}

TEST(CalculValeurManquante, NormalisationPuisSolveur) {
    auto r = CalculeValeurManquante({"10000", "12", "6", " "}, mois, fr);
    EXPECT_EQ(r.issue, IssueValeurManquante::Trouvee);
    EXPECT_EQ(r.champs, (std::array<std::string, 4>{"10000,00", "12", "6,00", "860,66"}));
    EXPECT_FALSE(r.message);

    r = CalculeValeurManquante({"10000", "12,5", "", "860"}, mois, fr);
    EXPECT_EQ(r.issue, IssueValeurManquante::Trouvee);
    EXPECT_EQ(r.champs, (std::array<std::string, 4>{"10000,00", "12", "5,86", "860,02"}));
    EXPECT_TRUE(r.message);

    r = CalculeValeurManquante({"10000", "13,5", "6", ""}, mois, fr);
    EXPECT_EQ(r.champs[1], "14");

    // The amount is rewritten before the duration refuses its text: it keeps its new text.
    r = CalculeValeurManquante({"10000", "douze", "6", ""}, mois, fr);
    EXPECT_EQ(r.issue, IssueValeurManquante::Echec);
    EXPECT_EQ(r.champs, (std::array<std::string, 4>{"10000,00", "douze", "6", ""}));

    // The solver fails: the impossible quarterly duration leaves its field empty.
    r = CalculeValeurManquante({"100000", "", "5", "1000"}, trimestres, fr);
    EXPECT_EQ(r.issue, IssueValeurManquante::Echec);
    EXPECT_EQ(r.champs[1], "");
}
