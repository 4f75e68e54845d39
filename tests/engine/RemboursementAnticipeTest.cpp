#include "RemboursementAnticipe.h"

#include "Arrondis.h"
#include "LectureNombres.h"
#include "ResumeRemboursement.h"

#include <gtest/gtest.h>
#include <random>

using namespace amortix;
using namespace std::chrono;

namespace {

const auto fr = ConventionsFrancaises();
constexpr auto Duree = ChoixRemboursement::ReduireDuree;
constexpr auto Echeance = ChoixRemboursement::ReduireEcheance;
constexpr Indemnite Immo{RegleIndemnite::CreditImmobilier};
constexpr Indemnite Conso{RegleIndemnite::CreditConsommation};
using enum Frequence;

ParametresEmprunt Emprunt(double m, double taux, int n, Frequence f = Mois, double a = 0) {
    return {m, taux / 100, a, 0, n, f, 2007y / 1 / 31};
}

auto Rembourse(const ParametresEmprunt& e, int N, std::optional<double> x, Indemnite i = {}) {
    return CalculeRemboursementAnticipe(e, CalculeTableau(e, fr), {N, x, Duree, i}, fr);
}

std::string Motif(const auto& r) {
    const auto* m = std::get_if<std::string>(&r);
    return m ? *m : "accepté";
}

std::string Joint(const auto& textes) {
    std::string j;
    for (const std::string& t : textes)
        j += (j.empty() ? "" : " ") + t;
    return j;
}

// R_N, X, penalty, last row, T, savings: interest, insurance, net.
std::string Resume(const RemboursementAnticipe& r) {
    return Joint(ValeursResumeRemboursement(r));
}

std::string Derniere(const auto& r) {
    const auto* a = std::get_if<RemboursementAnticipe>(&r);
    return a && !a->lignes.empty() ? Joint(a->lignes.back().textes) : Motif(r);
}

std::string Penalite(const auto& e, int N, std::optional<double> x, Indemnite i = Conso) {
    const auto r = Rembourse(e, N, x, i);
    const auto* a = std::get_if<RemboursementAnticipe>(&r);
    return a ? a->textes.indemnite : Motif(r);
}

long long Centimes(const std::string& texte) {
    return std::llround(*LitDecimal(texte, fr) * 100.0);
}

} // namespace

// 100 000 at 4 % over 240 months, insurance 20, fees 500: 27 152,64 interest after row 60.
TEST(RemboursementAnticipe, VingtMilleAvecLEcheance60) {
    const auto c = CalculeEmprunt({"100000", "240", "4", "20", "500", Mois, 2007y / 1 / 31}, false, fr);
    const auto apres = [&](DemandeRemboursement d) {
        return std::get<RemboursementAnticipe>(CalculeRemboursementAnticipe(c, d, fr));
    };
    // Six months' interest, under 3 % × R_60 = 2 457,71; 54 × 20 insurance saved.
    auto r = apres({60, 20000, Duree, Immo});
    EXPECT_EQ(Resume(r), "81923,77 20000,00 400,00 186 le 30/06/2022 625,98 13239,47 1080,00 13919,47");
    EXPECT_NEAR(r.nouvelleEcheance, 625.9803292994, 1e-9);
    ASSERT_EQ(r.lignes.size(), 126u);
    EXPECT_EQ(Joint(r.lignes[0].textes), "61 31/01/2012 625,98 206,41 20,00 399,57 61524,20");
    EXPECT_EQ(Joint(r.lignes.back().textes), "186 30/06/2022 109,44 0,30 20,00 89,14 0,00");
    // 61 923,77 over 180 months; consumer credit, 1 %.
    r = apres({60, 20000, Echeance, Conso});
    EXPECT_EQ(Resume(r), "81923,77 20000,00 200,00 240 le 31/12/2026 478,04 6628,58 0,00 6428,58");
    EXPECT_NEAR(r.nouvelleEcheance, 478.0426497720, 1e-9);
}

// Ends where T clears the rest, or at row n above T.
TEST(RemboursementAnticipe, ReduireLaDuree) {
    EXPECT_EQ(Derniere(Rembourse(Emprunt(4000, 0, 6), 1, 666.65)),
              "5 31/05/2007 666,67 0,00 0,00 666,67 0,00");
    EXPECT_EQ(Derniere(Rembourse(Emprunt(10000, 6, 12), 11, 0.01)),
              "12 31/12/2007 860,69 4,28 0,00 856,41 0,00");
}

// 10 000 at 10 % over 2 years: R_1 = 5 238,10. At 1 000 000 only the rule decides.
TEST(RemboursementAnticipe, Indemnites) {
    const auto dix = Emprunt(10000, 10, 2, Ans);
    // Six months' interest: 100,005 to even; 160, above 3 % × R_1.
    EXPECT_EQ(Penalite(dix, 1, 2000.10, Immo), "100,00");
    EXPECT_EQ(Penalite(dix, 1, 3200, Immo), "157,14");
    // None up to 10 000; 1 %, 0,5 % from 12 months (4 quarters) before the end.
    const auto m = Emprunt(1e6, 4, 240);
    EXPECT_EQ(Penalite(m, 60, 10000), "0,00");
    EXPECT_EQ(Penalite(m, 60, 10000.01), "100,00");
    EXPECT_EQ(Penalite(m, 227, 20000), "200,00");
    EXPECT_EQ(Penalite(m, 228, 20000), "100,00");
    const auto t = Emprunt(1e6, 4, 40, Trimestres);
    EXPECT_EQ(Penalite(t, 35, 20000), "200,00");
    EXPECT_EQ(Penalite(t, 36, 20000), "100,00");
    // At most the interest due: Round2(R_1 = 10 019,96 × 0,004); at 0 %, none.
    EXPECT_EQ(Penalite(Emprunt(20000, 0.4, 2, Ans), 1, {}), "40,08");
    EXPECT_EQ(Penalite(Emprunt(1e6, 0, 240), 60, 20000), "0,00");
}

TEST(RemboursementAnticipe, Refus) {
    const auto e = Emprunt(100000, 4, 240);
    const auto refus = [&](int N, double x, Indemnite i = {}) { return Motif(Rembourse(e, N, x, i)); };
    const std::string plage = "Le numéro d'échéance doit être compris entre 1 et 239.";
    EXPECT_EQ(refus(0, 1000), plage);
    EXPECT_EQ(refus(240, 1000), plage);
    const std::string positif = "Le montant remboursé doit être supérieur à zéro.";
    EXPECT_EQ(refus(60, 0), positif);
    EXPECT_EQ(refus(60, NAN), positif);
    EXPECT_EQ(
        refus(60, 81923.78),
        "Le montant remboursé ne peut pas dépasser le capital restant dû après l'échéance 60 (81923,77).");
    EXPECT_EQ(refus(60, 81923.77), "accepté");
    EXPECT_EQ(refus(60, 1000, {RegleIndemnite::MontantSaisi, -1}),
              "L'indemnité saisie doit être un montant positif ou nul.");
    EXPECT_EQ(Motif(Rembourse(Emprunt(0, 4, 12), 3, {})),
              "Plus rien n'est dû après l'échéance 3 : il n'y a rien à rembourser.");
    EXPECT_EQ(Motif(Rembourse(Emprunt(10000, 6, 1), 1, 10)),
              "Un emprunt d'une seule échéance ne peut pas être remboursé par anticipation.");
    // Rows stopped by the calendar, fields that do not read.
    const std::string incomplet = "Le tableau d'amortissement de cet emprunt n'a pas pu être calculé : "
                                  "aucun remboursement anticipé ne peut être simulé.";
    auto tard = Emprunt(10000, 6, 12, Ans);
    tard.premiereEcheance = 9998y / 6 / 30;
    EXPECT_EQ(Motif(Rembourse(tard, 1, 10)), incomplet);
    const auto cent = CalculeEmprunt({"cent", "240", "4", "", ""}, false, fr);
    EXPECT_EQ(Motif(CalculeRemboursementAnticipe(cent, {1, 10, Duree, {}}, fr)), incomplet);
}

// New rows repay R_N − X on the old numbers and dates by row n; all saves all.
TEST(RemboursementAnticipe, EmpruntsAuHasard) {
    std::mt19937 g(20261207);
    const auto de = [&](auto a, auto b) { return std::uniform_int_distribution(a, b)(g); };
    using enum Colonne;
    for (int essai = 0; essai < 400; ++essai) {
        const Frequence f = Frequences[de(0, 3)];
        const double taux = essai % 8 == 0 ? 0.0 : de(0, 2000) / 100.0;
        const double m = de(1000'00, 1'000'000'00) / 100.0;
        const int n = de(2, 30) * PeriodesParAn(f);
        const double a = essai % 2 == 0 ? 0.0 : de(0, 10000) / 100.0;
        const auto e = Emprunt(m, taux, n, f, a);
        const auto t = CalculeTableau(e, fr);
        ASSERT_TRUE(t.complet());
        const auto& avant = t.lignes;
        const auto N = de(1, n - 1);
        const auto R = Centimes(avant[N - 1][CapitalRestant]);
        if (R <= 0)
            continue;
        // Now and then all of R_N.
        const long long x = de(0, 3) == 0 ? R : de(1LL, R);
        const auto choix = essai % 3 == 0 ? Duree : Echeance;
        const double X = static_cast<double>(x) / 100.0;
        SCOPED_TRACE(essai);
        const auto res = CalculeRemboursementAnticipe(e, t, {N, X, choix, {}}, fr);
        ASSERT_EQ(Motif(res), "accepté");
        const auto& r = std::get<RemboursementAnticipe>(res);
        const auto& l = r.lignes;
        long long capital = 0;
        for (std::size_t i = 0; i < l.size(); ++i) {
            EXPECT_EQ(l[i][Numero], avant[N + i][Numero]);
            EXPECT_EQ(l[i][Date], avant[N + i][Date]);
            capital += Centimes(l[i][CapitalAmorti]);
        }
        EXPECT_EQ(capital, R - x);
        const auto fin = r.numeroDerniere;
        EXPECT_EQ(fin, N + std::ssize(l));
        if (x == R) {
            EXPECT_EQ(l.size(), 0u);
            long long interets = 0;
            for (std::size_t j = N; j < avant.size(); ++j)
                interets += Centimes(avant[j][Interets]);
            EXPECT_EQ(Centimes(r.textes.interetsEconomises), interets);
            EXPECT_EQ(r.textes.assuranceEconomisee, Fmt2(a * (n - N), fr));
            continue;
        }
        ASSERT_NE(l.size(), 0u);
        EXPECT_EQ(l.back()[CapitalRestant], "0,00");
        if (choix == Echeance) {
            ParametresEmprunt reste = e;
            reste.montant = static_cast<double>(R - x) / 100.0;
            reste.duree = n - N;
            const auto attendu = CalculeTableau(reste, fr).lignes;
            ASSERT_EQ(l.size(), attendu.size());
            for (std::size_t i = 0; i < l.size(); ++i)
                for (Colonne c : ColonnesMontants)
                    ASSERT_EQ(l[i][c], attendu[i][c]) << N + 1 + i;
            EXPECT_EQ(r.textes.nouvelleEcheance, attendu[0][Montant]);
            continue;
        }
        const std::string T = avant[0][Montant];
        EXPECT_LE(fin, n);
        for (std::size_t i = 0; i + 1 < l.size(); ++i)
            ASSERT_EQ(l[i][Montant], T) << N + 1 + i;
        // Only row n may pay more than T.
        EXPECT_LE(fin == n ? 0 : Centimes(l.back()[Montant]), Centimes(T));
        EXPECT_EQ(r.textes.assuranceEconomisee, Fmt2(a * (n - fin), fr));
    }
}
