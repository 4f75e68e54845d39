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

const auto fr = ConventionsFrancaises();

auto Valeur = [](const std::string& t) { return *LitDecimal(t, fr); };
auto Centimes = [](const std::string& t) { return std::llround(Valeur(t) * 100); };

// A loan as a user types it: cents, rates to 0,01 %.
ParametresEmprunt Tire(std::mt19937& g, int dureeMax) {
    std::uniform_int_distribution cts(1000'00LL, 1'000'000'00LL);
    std::uniform_int_distribution cent(1, 9900), n(1, dureeMax), f(0, 3);
    const double m = static_cast<double>(cts(g)) / 100.0, r = cent(g) / 100.0 / 100.0;
    const int duree = n(g);
    return {m, r, 0.0, 0.0, duree, Frequences[f(g)], {}};
}

} // namespace

// Any loan, first paid on the 28th to the 31st or on February's last day.
TEST(Proprietes, EcheanciersAuHasard) {
    std::mt19937 g(99);
    std::uniform_int_distribution jour(28, 31), an(1996, 2040), mois(1, 12), x(0, 9999);
    int sains = 0;
    for (int essai = 0; essai < 1500; ++essai) {
        ParametresEmprunt p = Tire(g, 1200);
        if (essai % 7 == 0)
            p.tauxAnnuel = 0.0;
        p.assurance = x(g) / 100.0;
        p.fraisDossier = x(g) / 10.0;
        const bool fevrier = essai % 5 == 0;
        const year a{an(g)};
        const month m{static_cast<unsigned>(fevrier ? 2 : mois(g))};
        const day dernier = year_month_day_last{a, month_day_last{m}}.day();
        const day d = fevrier ? dernier : std::min(day(jour(g)), dernier);
        p.premiereEcheance = {a, m, d};
        const auto t = CalculeTableau(p, fr);
        const int k = MoisParPeriode(p.frequence);
        SCOPED_TRACE(essai);
        const double i = p.tauxAnnuel / PeriodesParAn(p.frequence);
        const double q = std::pow(1.0 + i, p.duree);
        if (!std::isfinite(q * (p.montant * i))) {
            EXPECT_EQ(t.echec, CauseEchec::Arithmetique);
            continue;
        }
        ASSERT_EQ(t.lignes.size(), static_cast<std::size_t>(p.duree));
        // Roundings add up to 0,01 × ((1 + i)^n − 1) / i: past P / (1 + i), R may cross 0.
        const double P = p.montant * i * q / (q - 1.0);
        const bool sain = i == 0.0 || 0.01 * (q - 1.0) / i < P / (1.0 + i);
        sains += sain;
        long long capital = 0, paye = 0, interets = 0;
        long long rang0 = int(a) * 12LL + unsigned(m) - k;
        using enum Colonne;
        for (const LigneTableau& l : t.lignes) {
            capital += Centimes(l[CapitalAmorti]);
            paye += Centimes(l[Montant]);
            interets += Centimes(l[Interets]);
            if (sain) {
                ASSERT_GE(Valeur(l[CapitalRestant]), 0.0) << l[Numero];
            }
            const std::string& s = l[Date];
            const int mo = std::stoi(s.substr(3, 2)), y = std::stoi(s.substr(6));
            const unsigned j = unsigned(std::stoi(s));
            const day fin = year_month_day_last{year{y}, month_day_last{month(mo)}}.day();
            ASSERT_EQ(j, unsigned(std::min(d, fin))) << s;
            ASSERT_EQ(y * 12LL + mo - rang0, k) << s;
            rang0 = y * 12LL + mo;
        }
        const long long M = std::llround(p.montant * 100);
        const long long frais = Centimes(Fmt2(p.fraisDossier, fr));
        const CoutsCredit& c = t.couts.value();
        EXPECT_EQ(capital, M);
        EXPECT_EQ(t.lignes.back()[CapitalRestant], "0,00");
        EXPECT_EQ(Centimes(c.total), paye - M + frais);
        EXPECT_EQ(Centimes(c.interets) + Centimes(c.assurance) + frais, Centimes(c.total));
        // At 0 % half a cent of M / n: up in the amount, to even in the capital.
        if (p.tauxAnnuel != 0.0) {
            EXPECT_EQ(Centimes(c.interets), interets);
        }
        Calcul_TEG({p.duree, t.echeanceAffichee, p.fraisDossier, p.montant, p.frequence});
    }
    EXPECT_GT(sains, 300);
}

// The payment and two values give back the third; none repays in under a period.
TEST(Proprietes, SolveursReciproques) {
    std::mt19937 g(2026);
    for (int essai = 0; essai < 600; ++essai) {
        const ParametresEmprunt e = Tire(g, 480);
        const double m = e.montant, r = e.tauxAnnuel;
        const int n = e.duree, k = PeriodesParAn(e.frequence);
        const Frequence f = e.frequence;
        SCOPED_TRACE(essai);
        const auto P = [&](double montant, double taux, std::int32_t duree) {
            const double q = std::pow(1 + taux / k, duree);
            return ArrondiAffiche(montant * taux / k * q / (q - 1), 2);
        };
        const double p = Valeur(Calcul_Mensualite(m, n, r, f, fr).champs[3].value());
        if (p < 0.01)
            continue;
        EXPECT_EQ(P(Valeur(Calcul_Montant(n, r, p, f, fr).champs[0].value()), r, n), p);
        const auto taux = Calcul_Taux(m, n, p, f, fr);
        EXPECT_EQ(taux.message, std::nullopt);
        EXPECT_LE(taux.tours, 14);
        EXPECT_EQ(P(m, Valeur(taux.champs[2].value()) / 100.0, n), p);
        const auto duree = Calcul_Duree(m, r, p, f, fr);
        ASSERT_EQ(duree.reussi, p <= m);
        if (!duree.reussi)
            continue;
        const int trouvee = std::stoi(*duree.champs[1]);
        EXPECT_EQ(duree.message, std::nullopt);
        EXPECT_LE(trouvee, n);
        EXPECT_EQ(P(m, r, trouvee), p);
    }
}
