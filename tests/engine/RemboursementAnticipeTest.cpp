#include "RemboursementAnticipe.h"

#include "Arrondis.h"
#include "LectureNombres.h"

#include <gtest/gtest.h>
#include <random>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

ParametresEmprunt Emprunt(double montant, double tauxPourcent, std::int32_t n, Frequence frequence,
                          double assurance = 0.0, year_month_day debut = 2007y / January / 31) {
    return {montant, tauxPourcent / 100.0, assurance, 0, n, frequence, debut};
}

RemboursementOuMotif Rembourse(const ParametresEmprunt& e, const DemandeRemboursement& demande) {
    return CalculeRemboursementAnticipe(e, CalculeTableau(e, fr), demande, fr);
}

long long Centimes(const std::string& texte) {
    return std::llround(*LitDecimal(texte, fr) * 100.0);
}

} // namespace

// 100 000 at 4 % over 240 months, insurance 20, fees 500, first payment 31/01/2007: T = 625,98033, R_60 =
// 81 923,77; 20 000 repaid with payment 60, so 61 923,77 is owed afterwards. Row 61: I = Round2(61 923,77 ×
// 0,04 / 12) = 206,41. Keeping the payment, K = Round2(625,98033 − 206,41 − 20) = 399,57 and 61 524,20 is
// left; after row 185, 89,14 is left, and row 186 (31/01/2007 + 185 months) clears it: I = Round2(0,297…) =
// 0,30, amount 0,30 + 89,14 + 20 = 109,44. Keeping the duration, P' over 180 months at 0,04 / 12 gives T' =
// 478,04265, K = 251,63, 61 672,14 left. Penalty "immobilier": min(20 000 × 0,04 / 2, 3 % × 81 923,77 =
// 2 457,71) = 400,00. The interest saved is what an independent schedule computation gives (the original
// rows' 27 152,64 after row 60 less the new rows'); 54 payments of 20 of insurance are removed.
TEST(RemboursementAnticipe, VingtMilleAvecLEcheance60) {
    const SaisieEmprunt saisie{"100000", "240", "4", "20", "500", Frequence::Mois, 2007y / January / 31};
    const EmpruntCalcule calcul = CalculeEmprunt(saisie, false, fr);
    DemandeRemboursement demande{
        60, 20000, ChoixRemboursement::ReduireDuree, {RegleIndemnite::CreditImmobilier}};
    auto r = std::get<RemboursementAnticipe>(CalculeRemboursementAnticipe(calcul, demande, fr));
    EXPECT_EQ(r.textes, (TextesRemboursement{"81923,77", "20000,00", "400,00", "30/06/2022", "625,98",
                                             "13239,47", "1080,00", "13919,47"}));
    EXPECT_NEAR(r.nouvelleEcheance, 625.9803292994, 1e-9);
    ASSERT_EQ(r.lignes.size(), 126u);
    EXPECT_EQ((std::pair{r.lignes.front(), r.lignes.back()}),
              (std::pair{LigneTableau{"61", "31/01/2012", "625,98", "206,41", "20,00", "399,57", "61524,20"},
                         LigneTableau{"186", "30/06/2022", "109,44", "0,30", "20,00", "89,14", "0,00"}}));
    demande.choix = ChoixRemboursement::ReduireEcheance;
    demande.indemnite = {RegleIndemnite::CreditConsommation}; // 1 % of 20 000, 180 months before the end
    r = std::get<RemboursementAnticipe>(CalculeRemboursementAnticipe(calcul, demande, fr));
    EXPECT_EQ(r.textes, (TextesRemboursement{"81923,77", "20000,00", "200,00", "31/12/2026", "478,04",
                                             "6628,58", "0,00", "6428,58"}));
    EXPECT_NEAR(r.nouvelleEcheance, 478.0426497720, 1e-9);
    ASSERT_EQ(r.lignes.size(), 180u);
    EXPECT_EQ(r.lignes.front(),
              (LigneTableau{"61", "31/01/2012", "478,04", "206,41", "20,00", "251,63", "61672,14"}));
}

// Where keeping the payment stops. 4 000 at 0 % over 6 months: T = 666,666…, shown 666,67; each row
// repays 666,67, so R_1 = 3 333,33 and, 666,65 repaid, 666,67 is left after row 4: row 5 clears it for
// the displayed instalment. 10 000 at 6 % over 12 months (R_11 = 856,42, T shown 860,66): 0,01 repaid
// leaves 856,41; row 12, the last, owes 4,28 + 856,41 = 860,69, above the instalment.
TEST(RemboursementAnticipe, ReduireLaDureeFinitAuBonRang) {
    using Cas = std::tuple<double, double, std::int32_t, std::int32_t, double, LigneTableau>; // M, r, n, N, X
    for (const auto& [montant, taux, n, apres, x, derniere] :
         {Cas{4000, 0, 6, 1, 666.65, {"5", "31/05/2007", "666,67", "0,00", "0,00", "666,67", "0,00"}},
          Cas{10000, 6, 12, 11, 0.01, {"12", "31/12/2007", "860,69", "4,28", "0,00", "856,41", "0,00"}}}) {
        const auto r = std::get<RemboursementAnticipe>(Rembourse(
            Emprunt(montant, taux, n, Frequence::Mois), {apres, x, ChoixRemboursement::ReduireDuree, {}}));
        EXPECT_EQ(r.lignes.empty() ? LigneTableau{} : r.lignes.back(), derniere);
    }
}

// Hand computations. 10 000 at 10 % over 2 years: I1 = 1 000, K1 = Round2(5 761,9048 − 1 000) = 4 761,90,
// R_1 = 5 238,10, capped at 3 % × R_1 = 157,143; six months of interest are 100,005 on 2 000,10 (a half:
// the even cent) and 160 on 3 200. 20 000 at 0,4 % over 2 years: P = 1,008016 × 80 / 0,008016 = 10 060,04,
// R_1 = 10 019,96 and the interest still due Round2(R_1 × 0,004) = 40,08. 1 000 000 at 4 %: every R_N below
// is far above 20 000 and the interest still due far above 200, so the rate alone decides.
TEST(RemboursementAnticipe, Indemnites) {
    // description, loan, N, amount repaid, rule, penalty
    using Cas = std::tuple<const char*, ParametresEmprunt, std::int32_t, std::optional<double>, Indemnite,
                           const char*>;
    const auto dixMille = Emprunt(10000, 10, 2, Frequence::Ans);
    const auto million = Emprunt(1e6, 4, 240, Frequence::Mois);
    const Indemnite immobilier{RegleIndemnite::CreditImmobilier},
        consommation{RegleIndemnite::CreditConsommation};
    for (const auto& [description, emprunt, apres, montant, indemnite, attendu] :
         {Cas{"la moitié d'un centime va au pair", dixMille, 1, 2000.10, immobilier, "100,00"},
          Cas{"plafond de 3 %", dixMille, 1, 3200, immobilier, "157,14"},
          Cas{"10 000 au plus", million, 60, 10000, consommation, "0,00"},
          Cas{"au-dessus de 10 000", million, 60, 10000.01, consommation, "100,00"},
          Cas{"13 mois avant la fin", million, 227, 20000, consommation, "200,00"},
          Cas{"12 mois avant la fin", million, 228, 20000, consommation, "100,00"},
          Cas{"5 trimestres", Emprunt(1e6, 4, 40, Frequence::Trimestres), 35, 20000, consommation, "200,00"},
          Cas{"4 trimestres", Emprunt(1e6, 4, 40, Frequence::Trimestres), 36, 20000, consommation, "100,00"},
          Cas{"plafond des intérêts restants", Emprunt(20000, 0.4, 2, Frequence::Ans), 1, std::nullopt,
              consommation, "40,08"},
          Cas{"taux nul, aucun intérêt restant", Emprunt(1e6, 0, 240, Frequence::Mois), 60, 20000,
              consommation, "0,00"}})
        EXPECT_EQ(std::get<RemboursementAnticipe>(
                      Rembourse(emprunt, {apres, montant, ChoixRemboursement::ReduireDuree, indemnite}))
                      .textes.indemnite,
                  attendu)
            << description;
}

TEST(RemboursementAnticipe, Refus) {
    const auto e = Emprunt(100000, 4, 240, Frequence::Mois, 20);
    const auto motif = [](const RemboursementOuMotif& resultat) {
        return std::holds_alternative<std::string>(resultat) ? std::get<std::string>(resultat) : "accepté";
    };
    const std::string horsPlage = "Le numéro d'échéance doit être compris entre 1 et 239.";
    const std::string nonPositif = "Le montant remboursé doit être supérieur à zéro.";
    const std::string incomplet = "Le tableau d'amortissement de cet emprunt n'a pas pu être calculé : aucun "
                                  "remboursement anticipé ne peut être simulé.";
    // A loan of 0 leaves nothing owed; rows stopped by the calendar; a single payment.
    using Cas = std::tuple<ParametresEmprunt, DemandeRemboursement, std::string>;
    for (const auto& [emprunt, demande, attendu] :
         {Cas{e, {0, 1000, {}, {}}, horsPlage}, Cas{e, {240, 1000, {}, {}}, horsPlage},
          Cas{e, {60, 0, {}, {}}, nonPositif}, Cas{e, {60, std::nan(""), {}, {}}, nonPositif},
          Cas{e,
              {60, 81923.78, {}, {}},
              "Le montant remboursé ne peut pas dépasser le capital restant dû après l'échéance 60 "
              "(81923,77)."},
          Cas{e, {60, 81923.77, {}, {}}, "accepté"},
          Cas{e,
              {60, 1000, {}, {RegleIndemnite::MontantSaisi, -1}},
              "L'indemnité saisie doit être un montant positif ou nul."},
          Cas{Emprunt(0, 4, 12, Frequence::Mois),
              {3, std::nullopt, {}, {}},
              "Plus rien n'est dû après l'échéance 3 : il n'y a rien à rembourser."},
          Cas{Emprunt(10000, 6, 12, Frequence::Ans, 0, 9998y / June / 30), {1, 10, {}, {}}, incomplet},
          Cas{Emprunt(10000, 6, 1, Frequence::Mois),
              {1, 10, {}, {}},
              "Un emprunt d'une seule échéance ne peut pas être remboursé par anticipation."}})
        EXPECT_EQ(motif(Rembourse(emprunt, demande)), attendu) << demande.numeroEcheance;
    // Fields that do not read.
    EXPECT_EQ(motif(CalculeRemboursementAnticipe(CalculeEmprunt({"cent", "240", "4", "", ""}, false, fr),
                                                 {1, 10, {}, {}}, fr)),
              incomplet);
}

// Whatever the loan: the new rows repay R_N − X to the cent and keep the original numbers and dates;
// keeping the duration gives the schedule of R_N − X over n − N periods; keeping the payment ends by
// row n with no row above the displayed instalment but the last; repaying everything leaves no row
// and saves all the interest and insurance still due.
TEST(RemboursementAnticipe, InvariantsSurDesEmpruntsAuHasard) {
    std::mt19937 hasard(20261207);
    std::uniform_int_distribution<int> frequence(0, 3), annees(2, 30), quart(0, 3);
    std::uniform_int_distribution<long long> centimes(1000'00, 1'000'000'00);
    std::uniform_int_distribution<int> centiemesDePourcent(0, 2000), assurance(0, 10000);
    std::uniform_real_distribution<double> part(0.0, 1.0);
    for (int essai = 0; essai < 400; ++essai) {
        const Frequence f = Frequences[static_cast<std::size_t>(frequence(hasard))];
        const double tauxPourcent = essai % 8 == 0 ? 0.0 : centiemesDePourcent(hasard) / 100.0;
        const auto e =
            Emprunt(static_cast<double>(centimes(hasard)) / 100.0, tauxPourcent,
                    annees(hasard) * PeriodesParAn(f), f, essai % 2 == 0 ? 0.0 : assurance(hasard) / 100.0);
        const auto tableau = CalculeTableau(e, fr);
        ASSERT_TRUE(tableau.complet());
        const std::int32_t n = e.duree;
        const auto N = std::uniform_int_distribution<std::int32_t>(1, n - 1)(hasard);
        const auto restantAvant = Centimes(tableau.lignes[N - 1][Colonne::CapitalRestant]);
        if (restantAvant <= 0)
            continue;
        // Now and then everything, otherwise a number of cents up to R_N.
        const long long x =
            quart(hasard) == 0
                ? restantAvant
                : std::max(1LL, std::llround(part(hasard) * static_cast<double>(restantAvant)));
        const auto choix =
            essai % 3 == 0 ? ChoixRemboursement::ReduireDuree : ChoixRemboursement::ReduireEcheance;
        SCOPED_TRACE(testing::Message()
                     << e.montant << " à " << tauxPourcent << " % sur " << n << " " << LibelleEcheance(f)
                     << ", A " << e.assurance << ", " << x << " centimes après " << N
                     << (choix == ChoixRemboursement::ReduireDuree ? ", durée" : ", échéance"));
        const auto resultat =
            CalculeRemboursementAnticipe(e, tableau, {N, static_cast<double>(x) / 100.0, choix, {}}, fr);
        ASSERT_TRUE(std::holds_alternative<RemboursementAnticipe>(resultat))
            << std::get<std::string>(resultat);
        const auto& r = std::get<RemboursementAnticipe>(resultat);
        long long capital = 0;
        for (std::size_t i = 0; i < r.lignes.size(); ++i) {
            const LigneTableau &ligne = r.lignes[i], &avant = tableau.lignes[N + i];
            EXPECT_EQ((std::pair{ligne[Colonne::Numero], ligne[Colonne::Date]}),
                      (std::pair{avant[Colonne::Numero], avant[Colonne::Date]}));
            capital += Centimes(ligne[Colonne::CapitalAmorti]);
        }
        EXPECT_EQ(capital, restantAvant - x);
        EXPECT_EQ(r.numeroDerniere, N + static_cast<std::int32_t>(r.lignes.size()));
        if (x == restantAvant) {
            EXPECT_TRUE(r.lignes.empty());
            long long interets = 0;
            for (std::size_t j = static_cast<std::size_t>(N); j < tableau.lignes.size(); ++j)
                interets += Centimes(tableau.lignes[j][Colonne::Interets]);
            EXPECT_EQ(Centimes(r.textes.interetsEconomises), interets);
            EXPECT_EQ(r.textes.assuranceEconomisee, Fmt2(e.assurance * (n - N), fr));
            continue;
        }
        ASSERT_FALSE(r.lignes.empty());
        EXPECT_EQ(r.lignes.back()[Colonne::CapitalRestant], "0,00");
        if (choix == ChoixRemboursement::ReduireEcheance) {
            ParametresEmprunt reste = e;
            reste.montant = *LitDecimal(tableau.lignes[N - 1][Colonne::CapitalRestant], fr) -
                            static_cast<double>(x) / 100.0;
            reste.duree = n - N;
            const auto attendu = CalculeTableau(reste, fr);
            ASSERT_EQ(r.lignes.size(), attendu.lignes.size());
            for (std::size_t i = 0; i < r.lignes.size(); ++i)
                for (Colonne c : ColonnesMontants)
                    ASSERT_EQ(r.lignes[i][c], attendu.lignes[i][c]) << "ligne " << N + 1 + i;
            EXPECT_EQ(r.textes.nouvelleEcheance, attendu.lignes[0][Colonne::Montant]);
        } else {
            const std::string echeance = tableau.lignes[0][Colonne::Montant];
            EXPECT_LE(r.numeroDerniere, n);
            for (std::size_t i = 0; i + 1 < r.lignes.size(); ++i)
                ASSERT_EQ(r.lignes[i][Colonne::Montant], echeance);
            EXPECT_TRUE(r.numeroDerniere == n ||
                        Centimes(r.lignes.back()[Colonne::Montant]) <= Centimes(echeance));
            EXPECT_EQ(r.textes.assuranceEconomisee, Fmt2(e.assurance * (n - r.numeroDerniere), fr));
        }
    }
}
