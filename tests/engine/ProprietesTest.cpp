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

long long Centimes(const std::string& texte) {
    return std::llround(Valeur(texte) * 100);
}

// A random loan as a user could type it: cents, rates to the hundredth of a percent.
ParametresEmprunt Tire(std::mt19937& hasard, int dureeMaximale) {
    std::uniform_int_distribution<long long> centimes(1000'00, 1'000'000'00);
    std::uniform_int_distribution<int> centiemes(1, 9900), duree(1, dureeMaximale), index(0, 3);
    const double montant = static_cast<double>(centimes(hasard)) / 100.0;
    const double taux = centiemes(hasard) / 100.0 / 100.0;
    return {montant, taux, 0.0, 0.0, duree(hasard), Frequences[static_cast<std::size_t>(index(hasard))], {}};
}

} // namespace

// Any loan, every frequency, first payments on the 28th to the 31st and on 29 February: the capital repaid
// adds up to the amount, the capital owed stays at or above zero and ends at 0,00, each date keeps the first
// payment's day or its month's last day, one period apart, the costs sum the rows, and the TEG search ends.
TEST(Proprietes, EcheanciersAuHasard) {
    std::mt19937 hasard(99);
    std::uniform_int_distribution<int> jour(28, 31), annee(1996, 2040), mois(1, 12), assurance(0, 9999);
    int bienConditionnes = 0;
    for (int essai = 0; essai < 1500; ++essai) {
        ParametresEmprunt p = Tire(hasard, 1200);
        p.tauxAnnuel = essai % 7 == 0 ? 0.0 : p.tauxAnnuel;
        p.assurance = assurance(hasard) / 100.0;
        p.fraisDossier = assurance(hasard) / 10.0;
        const year a{annee(hasard)};
        const month m{static_cast<unsigned>(essai % 5 == 0 ? 2 : mois(hasard))};
        const day dernier = year_month_day_last{a, month_day_last{m}}.day();
        const day d = essai % 5 == 0 ? dernier : std::min(day{static_cast<unsigned>(jour(hasard))}, dernier);
        p.premiereEcheance = year_month_day{a, m, d};
        const auto t = CalculeTableau(p, fr);
        SCOPED_TRACE(testing::Message() << p.montant << " à " << p.tauxAnnuel << " sur " << p.duree << " x "
                                        << MoisParPeriode(p.frequence) << " mois");
        const double i = p.tauxAnnuel / PeriodesParAn(p.frequence), q = std::pow(1.0 + i, p.duree);
        if (!std::isfinite(q * (p.montant * i))) {
            EXPECT_EQ(t.echec, CauseEchec::Arithmetique); // centuries at a high rate overflow the power
            continue;
        }
        ASSERT_TRUE(t.complet());
        ASSERT_EQ(static_cast<std::int32_t>(t.lignes.size()), p.duree);
        // Each row rounds interest and capital to the cent, errors growing at the periodic rate to at most
        // 0,01 × ((1 + i)^n − 1) / i by the last row; where that can reach the capital owed before the last
        // payment (small loans at usurious rates over decades, never ordinary ones), it may cross zero early.
        const bool bienConditionne =
            i == 0.0 || 0.01 * (q - 1.0) / i < p.montant * i * q / (q - 1.0) / (1.0 + i);
        bienConditionnes += bienConditionne;
        long long capital = 0, paye = 0, interets = 0, rangPrecedent = 0;
        for (const LigneTableau& ligne : t.lignes) {
            capital += Centimes(ligne[Colonne::CapitalAmorti]);
            paye += Centimes(ligne[Colonne::Montant]);
            interets += Centimes(ligne[Colonne::Interets]);
            ASSERT_TRUE(!bienConditionne || Valeur(ligne[Colonne::CapitalRestant]) >= 0.0)
                << ligne[Colonne::Numero];
            const std::string& texte = ligne[Colonne::Date];
            const year_month_day date{year{std::stoi(texte.substr(6))},
                                      month{static_cast<unsigned>(std::stoi(texte.substr(3, 2)))},
                                      day{static_cast<unsigned>(std::stoi(texte.substr(0, 2)))}};
            const day fin = year_month_day_last{date.year(), month_day_last{date.month()}}.day();
            ASSERT_TRUE(date.ok() && (date.day() == d || (date.day() == fin && fin < d))) << texte;
            const long long rang = std::stoi(texte.substr(6)) * 12LL + std::stoi(texte.substr(3, 2));
            ASSERT_TRUE(rangPrecedent == 0 || rang - rangPrecedent == MoisParPeriode(p.frequence)) << texte;
            rangPrecedent = rang;
        }
        const long long montant = std::llround(p.montant * 100), frais = Centimes(Fmt2(p.fraisDossier, fr));
        EXPECT_EQ(std::tuple(capital, t.lignes.back()[Colonne::CapitalRestant], Centimes(t.couts->total),
                             Centimes(t.couts->interets) + Centimes(t.couts->assurance) + frais),
                  std::tuple(montant, "0,00", paye - montant + frais, Centimes(t.couts->total)));
        // At a zero rate the instalment M / n may end in an exact half cent, which the amount column
        // rounds up and the capital column to the even cent; elsewhere the columns agree.
        EXPECT_TRUE(p.tauxAnnuel == 0.0 || Centimes(t.couts->interets) == interets);
        Calcul_TEG({p.duree, t.echeanceAffichee, p.fraisDossier, p.montant, p.frequence});
    }
    EXPECT_GT(bienConditionnes, 300);
}

// A payment worked out from a loan gives back, from it and two of the loan's values, the third: the
// same amount to the cent of payment, a rate and a duration with exactly that payment. A payment
// above the amount (one period) is refused by the duration search, as it starts from zero periods.
TEST(Proprietes, LesQuatreSolveursSeRetrouvent) {
    std::mt19937 hasard(2026);
    for (int essai = 0; essai < 600; ++essai) {
        const ParametresEmprunt e = Tire(hasard, 480);
        const int k = PeriodesParAn(e.frequence);
        const double r = e.tauxAnnuel;
        SCOPED_TRACE(testing::Message() << e.montant << " à " << r << " sur " << e.duree << " k " << k);
        const auto centime = [&](double montant, double taux, std::int32_t n) {
            const double q = std::pow(1 + taux / k, n);
            return ArrondiAffiche(montant * taux / k * q / (q - 1), 2);
        };
        const auto mensualite = Calcul_Mensualite(e.montant, e.duree, r, e.frequence, fr);
        ASSERT_TRUE(mensualite.reussi);
        const double p = Valeur(*mensualite.champs[3]);
        if (p < 0.01)
            continue;
        const auto montant = Calcul_Montant(e.duree, r, p, e.frequence, fr);
        ASSERT_TRUE(montant.reussi);
        EXPECT_EQ(centime(Valeur(*montant.champs[0]), r, e.duree), p);
        const auto taux = Calcul_Taux(e.montant, e.duree, p, e.frequence, fr);
        ASSERT_TRUE(taux.reussi);
        EXPECT_EQ(taux.message, std::nullopt);
        EXPECT_LE(taux.tours, 14);
        EXPECT_EQ(centime(e.montant, Valeur(*taux.champs[2]) / 100.0, e.duree), p);
        const auto duree = Calcul_Duree(e.montant, r, p, e.frequence, fr);
        ASSERT_EQ(duree.reussi, p <= e.montant);
        if (duree.reussi) {
            EXPECT_EQ(duree.message, std::nullopt);
            EXPECT_LE(std::stoi(*duree.champs[1]), e.duree);
            EXPECT_EQ(centime(e.montant, r, std::stoi(*duree.champs[1])), p);
        }
    }
}
