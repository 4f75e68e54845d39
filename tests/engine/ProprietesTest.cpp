#include "Arrondis.h"
#include "Frequence.h"
#include "LectureNombres.h"
#include "SolveursValeurManquante.h"
#include "TableauAmortissement.h"
#include "TauxEffectifGlobal.h"

#include <gtest/gtest.h>
#include <random>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

double Valeur(const std::string& texte) {
    return *LitDecimal(texte, fr);
}

// A random loan as a user could type it: cents, rates to the hundredth of a percent.
struct EmpruntAuHasard {
    double montant;
    double tauxPourcent;
    std::int32_t duree;
    int index; // in the frequency list
    Frequence frequence() const { return Frequences[static_cast<std::size_t>(index)]; }
};

EmpruntAuHasard Tire(std::mt19937& hasard, int dureeMaximale) {
    std::uniform_int_distribution<long long> centimes(1000'00, 1'000'000'00);
    std::uniform_int_distribution<int> centiemes(1, 9900), duree(1, dureeMaximale), index(0, 3);
    return {static_cast<double>(centimes(hasard)) / 100.0, centiemes(hasard) / 100.0, duree(hasard),
            index(hasard)};
}

} // namespace

// Many loans, every frequency, first payments on the 28th to the 31st and on 29 February.
TEST(Proprietes, EcheanciersAuHasard) {
    std::mt19937 hasard(99);
    std::uniform_int_distribution<int> jour(28, 31), annee(1996, 2040), mois(1, 12), assurance(0, 9999);
    int bienConditionnes = 0;
    for (int essai = 0; essai < 1500; ++essai) {
        EmpruntAuHasard e = Tire(hasard, 1200);
        if (essai % 7 == 0)
            e.tauxPourcent = 0.0;
        ParametresEmprunt p;
        p.montant = e.montant;
        p.tauxAnnuel = e.tauxPourcent / 100.0;
        p.duree = e.duree;
        p.frequence = Frequences[e.index];
        p.assurance = assurance(hasard) / 100.0;
        p.fraisDossier = assurance(hasard) / 10.0;
        const year a{annee(hasard)};
        const month m{static_cast<unsigned>(essai % 5 == 0 ? 2 : mois(hasard))};
        const day dernier = year_month_day_last{a, month_day_last{m}}.day();
        const day d = essai % 5 == 0 ? dernier : std::min(day{static_cast<unsigned>(jour(hasard))}, dernier);
        p.premiereEcheance = year_month_day{a, m, d};

        const auto t = CalculeTableau(p, fr);
        SCOPED_TRACE(testing::Message()
                     << e.montant << " à " << e.tauxPourcent << " % sur " << e.duree << " index " << e.index);
        const int k = PeriodesParAn(Frequences[e.index]);
        const double q = std::pow(1.0 + p.tauxAnnuel / k, e.duree);
        if (!std::isfinite(q * (e.montant * p.tauxAnnuel / k))) {
            EXPECT_EQ(t.echec, CauseEchec::Arithmetique); // centuries at a high rate overflow the power
            continue;
        }
        ASSERT_TRUE(t.complet());
        ASSERT_EQ(static_cast<std::int32_t>(t.lignes.size()), e.duree);

        // Each row rounds its interest and capital to the cent, and those errors grow at the periodic
        // rate: together at most 0,01 × ((1 + i)^n − 1) / i by the last row. Where that can reach the
        // capital owed before the last payment (small loans at usurious rates over decades), the
        // capital owed may cross zero early. Ordinary loans stay far from that.
        const double i = p.tauxAnnuel / k;
        const bool bienConditionne =
            i == 0.0 || 0.01 * (q - 1.0) / i < e.montant * i * q / (q - 1.0) / (1.0 + i);
        bienConditionnes += bienConditionne;
        long long capital = 0, paye = 0;
        sys_days precedente{};
        for (const LigneTableau& ligne : t.lignes) {
            capital += std::llround(Valeur(ligne[Colonne::CapitalAmorti]) * 100);
            paye += std::llround(Valeur(ligne[Colonne::Montant]) * 100);
            if (bienConditionne) {
                ASSERT_GE(Valeur(ligne[Colonne::CapitalRestant]), 0.0) << ligne[Colonne::Numero];
            }
            const year_month_day date{
                year{std::stoi(ligne[Colonne::Date].substr(6))},
                month{static_cast<unsigned>(std::stoi(ligne[Colonne::Date].substr(3, 2)))},
                day{static_cast<unsigned>(std::stoi(ligne[Colonne::Date].substr(0, 2)))}};
            ASSERT_TRUE(date.ok());
            const day fin = year_month_day_last{date.year(), month_day_last{date.month()}}.day();
            ASSERT_TRUE(date.day() == d || (date.day() == fin && fin < d)) << ligne[Colonne::Date];
            ASSERT_GT(sys_days{date}, precedente);
            precedente = sys_days{date};
        }
        EXPECT_EQ(capital, std::llround(Valeur(Fmt2(e.montant, fr)) * 100));
        EXPECT_EQ(t.lignes.back()[Colonne::CapitalRestant], "0,00");
        const long long frais = std::llround(Valeur(Fmt2(p.fraisDossier, fr)) * 100);
        EXPECT_EQ(std::llround(Valeur(t.couts->total) * 100), paye - std::llround(e.montant * 100) + frais);

        // The search of the effective rate always ends, found or given up.
        Calcul_TEG({.lngNbMois = e.duree,
                    .dblMensualite = t.echeanceAffichee,
                    .dblFraisDossier = p.fraisDossier,
                    .dblMontant = e.montant,
                    .frequence = p.frequence});
    }
    EXPECT_GT(bienConditionnes, 300);
}

// A payment worked out from a loan gives back, from it and two of the loan's values, the third:
// the same amount to the cent of payment, a rate and a duration with exactly that payment.
TEST(Proprietes, LesQuatreSolveursSeRetrouvent) {
    std::mt19937 hasard(2026);
    for (int essai = 0; essai < 600; ++essai) {
        const EmpruntAuHasard e = Tire(hasard, 480);
        const int k = PeriodesParAn(Frequences[e.index]);
        const double r = e.tauxPourcent / 100.0;
        SCOPED_TRACE(testing::Message()
                     << e.montant << " à " << e.tauxPourcent << " % sur " << e.duree << " index " << e.index);
        auto centime = [&](double montant, double taux, std::int32_t n) {
            const double i = taux / k;
            const double q = std::pow(1 + i, n);
            return ArrondiAffiche(montant * i * q / (q - 1), 2);
        };

        const auto mensualite = Calcul_Mensualite(e.montant, e.duree, r, e.frequence(), fr);
        ASSERT_TRUE(mensualite.reussi);
        const double p = Valeur(*mensualite.champs[3]);
        if (p < 0.01)
            continue;

        const auto montant = Calcul_Montant(e.duree, r, p, e.frequence(), fr);
        ASSERT_TRUE(montant.reussi);
        EXPECT_EQ(centime(Valeur(*montant.champs[0]), r, e.duree), p);

        const auto taux = Calcul_Taux(e.montant, e.duree, p, e.frequence(), fr);
        ASSERT_TRUE(taux.reussi);
        EXPECT_FALSE(taux.message) << *taux.message;
        EXPECT_LE(taux.tours, 14);
        EXPECT_EQ(centime(e.montant, Valeur(*taux.champs[2]) / 100.0, e.duree), p);

        // A payment above the amount (one period) is refused by the duration search, as it starts
        // from zero periods.
        if (p > e.montant) {
            EXPECT_FALSE(Calcul_Duree(e.montant, r, p, e.frequence(), fr).reussi);
            continue;
        }
        const auto duree = Calcul_Duree(e.montant, r, p, e.frequence(), fr);
        ASSERT_TRUE(duree.reussi);
        EXPECT_FALSE(duree.message) << *duree.message;
        EXPECT_EQ(centime(e.montant, r, std::stoi(*duree.champs[1])), p);
        EXPECT_LE(std::stoi(*duree.champs[1]), e.duree);
    }
}
