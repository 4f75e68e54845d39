#include "RemboursementAnticipe.h"

#include "Arrondis.h"
#include "LectureNombres.h"

#include <gtest/gtest.h>
#include <random>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();
constexpr auto Duree = ChoixRemboursement::ReduireDuree;
constexpr auto Echeance = ChoixRemboursement::ReduireEcheance;
constexpr Indemnite Immo{RegleIndemnite::CreditImmobilier};
constexpr Indemnite Conso{RegleIndemnite::CreditConsommation};
constexpr auto Ans = Frequence::Ans;

// From 31/01/2007.
ParametresEmprunt Emprunt(double m, double taux, std::int32_t n, Frequence f = Frequence::Mois,
                          double a = 0) {
    return {m, taux / 100, a, 0, n, f, 2007y / 1 / 31};
}

// X repaid with payment N, keeping the payment.
RemboursementOuMotif Rembourse(const ParametresEmprunt& e, std::int32_t N, std::optional<double> x,
                               Indemnite i = {}) {
    const auto tableau = CalculeTableau(e, fr);
    return CalculeRemboursementAnticipe(e, tableau, {N, x, Duree, i}, fr);
}

std::string Motif(const RemboursementOuMotif& r) {
    const auto* motif = std::get_if<std::string>(&r);
    return motif ? *motif : "accepté";
}

// Texts apart by a space: a row as listed, a summary.
template <typename Textes> std::string Joint(const Textes& textes) {
    std::string joint;
    for (const std::string& t : textes)
        joint += (joint.empty() ? "" : " ") + t;
    return joint;
}

// R_N, X, penalty, last date, T, interest and insurance saved, net.
std::string Resume(const TextesRemboursement& t) {
    return Joint(std::array{t.restantAvant, t.rembourse, t.indemnite, t.dateDerniere, t.nouvelleEcheance,
                            t.interetsEconomises, t.assuranceEconomisee, t.economieNette});
}

// The new last row, or why there is none.
std::string Derniere(const RemboursementOuMotif& r) {
    const auto* a = std::get_if<RemboursementAnticipe>(&r);
    if (!a || a->lignes.empty())
        return Motif(r);
    return Joint(a->lignes.back().textes);
}

std::string Penalite(const ParametresEmprunt& e, std::int32_t N, std::optional<double> x, Indemnite i) {
    const auto r = Rembourse(e, N, x, i);
    const auto* a = std::get_if<RemboursementAnticipe>(&r);
    return a ? a->textes.indemnite : Motif(r);
}

double Valeur(const std::string& texte) {
    return *LitDecimal(texte, fr);
}

long long Centimes(const std::string& texte) {
    return std::llround(Valeur(texte) * 100.0);
}

} // namespace

// 100 000 at 4 % over 240 months, insurance 20, fees 500: T = 625,98033, R_60 = 81 923,77; 20 000
// repaid with payment 60 leaves 61 923,77 and row 61's interest is Round2(61 923,77 × 0,04 / 12). The
// interest saved was checked apart: the rows' 27 152,64 after row 60 less the new rows'.
TEST(RemboursementAnticipe, VingtMilleAvecLEcheance60) {
    const EmpruntCalcule calcul =
        CalculeEmprunt({"100000", "240", "4", "20", "500", Frequence::Mois, 2007y / 1 / 31}, false, fr);
    const auto apres = [&](DemandeRemboursement d) {
        const auto r = CalculeRemboursementAnticipe(calcul, d, fr);
        return std::get<RemboursementAnticipe>(r);
    };
    // Keeping the payment, K = Round2(T − 206,41 − 20); row 186 (31/01/2007 + 185 months) clears the
    // 89,14 left: I = Round2(0,297…). Penalty: min(six months' interest, 3 % × R_60 = 2 457,71); 54
    // premiums of 20 saved.
    auto r = apres({60, 20000, Duree, Immo});
    EXPECT_EQ(Resume(r.textes), "81923,77 20000,00 400,00 30/06/2022 625,98 13239,47 1080,00 "
                                "13919,47");
    EXPECT_NEAR(r.nouvelleEcheance, 625.9803292994, 1e-9);
    ASSERT_EQ(r.lignes.size(), 126u);
    EXPECT_EQ(Joint(r.lignes[0].textes), "61 31/01/2012 625,98 206,41 20,00 399,57 61524,20");
    EXPECT_EQ(Joint(r.lignes.back().textes), "186 30/06/2022 109,44 0,30 20,00 89,14 0,00");
    // Keeping the duration, P' over 180 months at 0,04 / 12: T' = 478,04265. Consumer credit: 1 %.
    r = apres({60, 20000, Echeance, Conso});
    EXPECT_EQ(Resume(r.textes), "81923,77 20000,00 200,00 31/12/2026 478,04 6628,58 0,00 6428,58");
    EXPECT_NEAR(r.nouvelleEcheance, 478.0426497720, 1e-9);
    ASSERT_EQ(r.lignes.size(), 180u);
    EXPECT_EQ(Joint(r.lignes[0].textes), "61 31/01/2012 478,04 206,41 20,00 251,63 61672,14");
}

// Where keeping the payment stops. 4 000 at 0 % over 6 months: T = 666,666…, shown 666,67, repaid by
// each row; 666,65 repaid after row 1 leaves 666,67 after row 4: row 5 clears it for the instalment
// shown. 10 000 at 6 % over 12 months (R_11 = 856,42, T shown 860,66): 0,01 repaid, row 12, the last,
// owes 4,28 + 856,41, above T.
TEST(RemboursementAnticipe, ReduireLaDureeFinitAuBonRang) {
    EXPECT_EQ(Derniere(Rembourse(Emprunt(4000, 0, 6), 1, 666.65)),
              "5 31/05/2007 666,67 0,00 0,00 666,67 0,00");
    EXPECT_EQ(Derniere(Rembourse(Emprunt(10000, 6, 12), 11, 0.01)),
              "12 31/12/2007 860,69 4,28 0,00 856,41 0,00");
}

// 10 000 at 10 % over 2 years: I1 = 1 000, K1 = Round2(5 761,9048 − 1 000), R_1 = 5 238,10. 1 000 000
// at 4 %: R_N and the interest still due far above 20 000 and 200, the rule alone decides.
TEST(RemboursementAnticipe, Indemnites) {
    const auto dix = Emprunt(10000, 10, 2, Ans);
    // Six months of interest on 2 000,10: 100,005, to the even cent.
    EXPECT_EQ(Penalite(dix, 1, 2000.10, Immo), "100,00");
    // 160 on 3 200, above 3 % × R_1 = 157,143.
    EXPECT_EQ(Penalite(dix, 1, 3200, Immo), "157,14");
    const auto m = Emprunt(1e6, 4, 240);
    EXPECT_EQ(Penalite(m, 60, 10000, Conso), "0,00");
    EXPECT_EQ(Penalite(m, 60, 10000.01, Conso), "100,00");
    // 13, then 12 months before the end.
    EXPECT_EQ(Penalite(m, 227, 20000, Conso), "200,00");
    EXPECT_EQ(Penalite(m, 228, 20000, Conso), "100,00");
    const auto t = Emprunt(1e6, 4, 40, Frequence::Trimestres);
    EXPECT_EQ(Penalite(t, 35, 20000, Conso), "200,00");
    EXPECT_EQ(Penalite(t, 36, 20000, Conso), "100,00");
    // At most the interest still due: 20 000 at 0,4 % over 2 years, P = 10 060,04 (1,008016 × 80 /
    // 0,008016), R_1 = 10 019,96, Round2(R_1 × 0,004) = 40,08; at 0 %, none.
    EXPECT_EQ(Penalite(Emprunt(20000, 0.4, 2, Ans), 1, {}, Conso), "40,08");
    EXPECT_EQ(Penalite(Emprunt(1e6, 0, 240), 60, 20000, Conso), "0,00");
}

TEST(RemboursementAnticipe, Refus) {
    const auto e = Emprunt(100000, 4, 240, Frequence::Mois, 20);
    const auto refus = [&](std::int32_t N, double x, Indemnite i = {}) {
        return Motif(Rembourse(e, N, x, i));
    };
    const std::string plage = "Le numéro d'échéance doit être compris entre 1 et 239.";
    EXPECT_EQ(refus(0, 1000), plage);
    EXPECT_EQ(refus(240, 1000), plage);
    const std::string positif = "Le montant remboursé doit être supérieur à zéro.";
    EXPECT_EQ(refus(60, 0), positif);
    EXPECT_EQ(refus(60, NAN), positif);
    EXPECT_EQ(refus(60, 81923.78), "Le montant remboursé ne peut pas dépasser le capital restant dû "
                                   "après l'échéance 60 (81923,77).");
    EXPECT_EQ(refus(60, 81923.77), "accepté");
    EXPECT_EQ(refus(60, 1000, {RegleIndemnite::MontantSaisi, -1}),
              "L'indemnité saisie doit être un montant positif ou nul.");
    EXPECT_EQ(Motif(Rembourse(Emprunt(0, 4, 12), 3, {})),
              "Plus rien n'est dû après l'échéance 3 : il n'y a rien à "
              "rembourser.");
    EXPECT_EQ(Motif(Rembourse(Emprunt(10000, 6, 1), 1, 10)),
              "Un emprunt d'une seule échéance ne peut pas être remboursé par "
              "anticipation.");
    // Rows stopped by the calendar; fields that do not read.
    const std::string incomplet = "Le tableau d'amortissement de cet emprunt n'a pas pu être calculé : "
                                  "aucun remboursement anticipé ne peut être simulé.";
    auto tard = Emprunt(10000, 6, 12, Ans);
    tard.premiereEcheance = 9998y / 6 / 30;
    EXPECT_EQ(Motif(Rembourse(tard, 1, 10)), incomplet);
    const auto cent = CalculeEmprunt({"cent", "240", "4", "", ""}, false, fr);
    const DemandeRemboursement d{1, 10, Duree, {}};
    EXPECT_EQ(Motif(CalculeRemboursementAnticipe(cent, d, fr)), incomplet);
}

// Any loan: the new rows repay R_N − X to the cent with the original numbers and dates; keeping the
// duration gives the schedule of R_N − X over n − N periods; keeping the payment ends by row n, no
// row but the last above T; repaying all leaves no row and saves all the interest and insurance still
// due.
TEST(RemboursementAnticipe, InvariantsSurDesEmpruntsAuHasard) {
    std::mt19937 g(20261207);
    std::uniform_int_distribution<int> freq(0, 3), ans(2, 30), quart(0, 3);
    std::uniform_int_distribution<long long> cts(1000'00, 1'000'000'00);
    std::uniform_int_distribution<int> cent(0, 2000), ass(0, 10000);
    std::uniform_real_distribution<double> part(0.0, 1.0);
    using enum Colonne;
    for (int essai = 0; essai < 400; ++essai) {
        const Frequence f = Frequences[static_cast<std::size_t>(freq(g))];
        const double taux = essai % 8 == 0 ? 0.0 : cent(g) / 100.0;
        const double m = static_cast<double>(cts(g)) / 100.0;
        const std::int32_t n = ans(g) * PeriodesParAn(f);
        const double a = essai % 2 == 0 ? 0.0 : ass(g) / 100.0;
        const auto e = Emprunt(m, taux, n, f, a);
        const auto tableau = CalculeTableau(e, fr);
        ASSERT_TRUE(tableau.complet());
        const auto& avant = tableau.lignes;
        const auto N = std::uniform_int_distribution(1, n - 1)(g);
        const auto R = Centimes(avant[N - 1][CapitalRestant]);
        if (R <= 0)
            continue;
        // Now and then all of R_N, otherwise some cents of it.
        const auto tire = std::llround(part(g) * static_cast<double>(R));
        const long long x = quart(g) == 0 ? R : std::max(1LL, tire);
        const auto choix = essai % 3 == 0 ? Duree : Echeance;
        SCOPED_TRACE(testing::Message()
                     << m << " à " << taux << " %, " << n << " " << LibelleEcheance(f) << ", A " << a << ", "
                     << x << " cts après " << N << (choix == Duree ? ", D" : ""));
        const double X = static_cast<double>(x) / 100.0;
        const auto resultat = CalculeRemboursementAnticipe(e, tableau, {N, X, choix, {}}, fr);
        ASSERT_EQ(Motif(resultat), "accepté");
        const auto& r = std::get<RemboursementAnticipe>(resultat);
        const auto& lignes = r.lignes;
        long long capital = 0;
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            EXPECT_EQ(lignes[i][Numero], avant[N + i][Numero]);
            EXPECT_EQ(lignes[i][Date], avant[N + i][Date]);
            capital += Centimes(lignes[i][CapitalAmorti]);
        }
        EXPECT_EQ(capital, R - x);
        const auto fin = r.numeroDerniere;
        EXPECT_EQ(fin, N + static_cast<std::int32_t>(lignes.size()));
        const auto& textes = r.textes;
        if (x == R) {
            EXPECT_EQ(lignes.size(), 0u);
            long long interets = 0;
            for (std::size_t j = N; j < avant.size(); ++j)
                interets += Centimes(avant[j][Interets]);
            EXPECT_EQ(Centimes(textes.interetsEconomises), interets);
            EXPECT_EQ(textes.assuranceEconomisee, Fmt2(a * (n - N), fr));
            continue;
        }
        ASSERT_NE(lignes.size(), 0u);
        EXPECT_EQ(lignes.back()[CapitalRestant], "0,00");
        if (choix == Echeance) {
            ParametresEmprunt reste = e;
            reste.montant = Valeur(avant[N - 1][CapitalRestant]) - X;
            reste.duree = n - N;
            const auto attendu = CalculeTableau(reste, fr).lignes;
            ASSERT_EQ(lignes.size(), attendu.size());
            for (std::size_t i = 0; i < lignes.size(); ++i)
                for (Colonne c : ColonnesMontants)
                    ASSERT_EQ(lignes[i][c], attendu[i][c]) << N + 1 + i;
            EXPECT_EQ(textes.nouvelleEcheance, attendu[0][Montant]);
            continue;
        }
        const std::string T = avant[0][Montant];
        EXPECT_LE(fin, n);
        for (std::size_t i = 0; i + 1 < lignes.size(); ++i)
            ASSERT_EQ(lignes[i][Montant], T) << N + 1 + i;
        // Only row n may pay more than T.
        const auto plus = fin == n ? 0 : Centimes(lignes.back()[Montant]);
        EXPECT_LE(plus, Centimes(T));
        EXPECT_EQ(textes.assuranceEconomisee, Fmt2(a * (n - fin), fr));
    }
}
