#include "LissageEcheances.h"

#include "CalculEmprunt.h"
#include "RemboursementAnticipe.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();
const char* const ptz = "166,67*239;165,87";

// The plan's main loan, 160 000 at 3,5 % over 300 months.
SaisieEmprunt Pret(const char* lissage, const char* montant = "160000", const char* duree = "300") {
    SaisieEmprunt s{montant, duree, "3,5", "", "", Frequence::Mois, 2007y / 1 / 31};
    s.modalites.lissage = std::string(lissage);
    return s;
}

} // namespace

// Runs counted, final zeros left out.
TEST(LissageEcheances, TexteDesAutresMontants) {
    std::vector<double> autres(239, 166.67);
    autres.push_back(165.87);
    EXPECT_EQ(LitLissage(ptz, fr), autres);
    autres.insert(autres.end(), 60, 0.0);
    EXPECT_EQ(TexteLissage(autres, fr), ptz);
    EXPECT_EQ(TexteLissage(std::vector{0.0, 12.5, 0.0}, fr), "0,00;12,50");
    // Empty or zero count, negative, empty item, no amount, past the calendar.
    for (const char* texte : {"166,67*", "166,67*0", "-1", "1;;2", "abc", "1*120000;1"})
        EXPECT_EQ(LitLissage(texte, fr), std::nullopt) << texte;
}

// C − S_t, then the level, the last row clearing what is owed.
TEST(LissageEcheances, PretLisseSeul) {
    const EmpruntCalcule c = CalculeEmprunt(Pret(ptz), true, fr);
    const auto& l = c.tableau.lignes;
    ASSERT_EQ(l.size(), 300u) << MotifEchec(c);
    using enum Colonne;
    EXPECT_EQ(l[0][Montant], "778,20");
    EXPECT_EQ(l[239][Montant], "779,00");
    EXPECT_EQ(l[240][Montant], "944,87");
    EXPECT_EQ(l[299][Montant], "943,04");
    EXPECT_EQ(l[299][CapitalRestant], "0,00");
    EXPECT_EQ(c.tableau.couts->interets, "83459,17");
    // Repaying it early would change the whole plan.
    const DemandeRemboursement r{.numeroEcheance = 12, .montant = 1000.0, .indemnite = {}};
    const auto refus = CalculeRemboursementAnticipe(*c.parametres, c.tableau, r, fr);
    EXPECT_EQ(std::get<std::string>(refus).substr(0, 28), "Un prêt lissé dans un plan");
}

TEST(LissageEcheances, Refus) {
    SaisieEmprunt differe = Pret(ptz);
    differe.modalites.differe = ModeDiffere::Partiel;
    // std::string(): GCC 12 -Wrestrict false positive (bug 105329).
    differe.modalites.periodesDiffere = std::string("6");
    using M = std::pair<SaisieEmprunt, std::string_view>;
    for (const auto& [saisie, motif] :
         {M{Pret("x"), "Le lissage enregistré avec ce prêt est illisible."},
          M{differe, "Un prêt lissé ne peut pas commencer par un différé."},
          M{Pret("10*301"), "Les autres prêts du plan durent plus longtemps que ce prêt (300 mois)."},
          M{Pret("2000*240", "10000"), "Ce prêt est trop petit pour lisser les autres prêts du plan"},
          M{Pret("1", "160000", "2000000000"), MessageSaisieIncorrecte}}) // past the calendar
        EXPECT_EQ(MotifEchec(CalculeEmprunt(saisie, true, fr)).substr(0, motif.size()), motif);
}
