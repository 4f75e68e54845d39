#include "LissageEcheances.h"

#include "CalculEmprunt.h"
#include "RemboursementAnticipe.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();
const char* const ptz = "166,67*239;165,87";

// The worked plan's main loan, 160 000 at 3,5 % over 300 months, smoothed by `lissage`.
SaisieEmprunt PretLisse(std::string lissage, std::string montant = "160000") {
    SaisieEmprunt s{std::move(montant), "300", "3,5", "", "", Frequence::Mois, 2007y / January / 31};
    s.modalites.lissage = std::move(lissage);
    return s;
}

} // namespace

// The other loans' amounts as a document keeps them: runs counted, final zeros left out.
TEST(LissageEcheances, TexteDesAutresMontants) {
    std::vector<double> autres(239, 166.67);
    autres.push_back(165.87);
    EXPECT_EQ(LitLissage(ptz, fr), autres);
    autres.insert(autres.end(), 60, 0.0);
    EXPECT_EQ(TexteLissage(autres, fr), ptz);
    EXPECT_EQ(TexteLissage(std::vector{0.0, 12.5, 0.0}, fr), "0,00;12,50");
    // An empty or zero count, a negative amount, an empty item, no amount, past the calendar.
    for (const char* texte : {"166,67*", "166,67*0", "-1", "1;;2", "abc", "1*120000;1"})
        EXPECT_EQ(LitLissage(texte, fr), std::nullopt) << texte;
}

// Reopened from its document: C − S_t, then the level, the last row clearing what is owed.
TEST(LissageEcheances, PretLisseSeul) {
    const EmpruntCalcule calcul = CalculeEmprunt(PretLisse(ptz), true, fr);
    const std::vector<LigneTableau>& l = calcul.tableau.lignes;
    ASSERT_EQ(l.size(), 300u) << MotifEchec(calcul);
    using enum Colonne;
    EXPECT_EQ(l[0][Montant], "778,20");
    EXPECT_EQ(l[0][Interets], "466,67");
    EXPECT_EQ(l[239][Montant], "779,00");
    EXPECT_EQ(l[240][Montant], "944,87");
    EXPECT_EQ(l[299][Montant], "943,04");
    EXPECT_EQ(l[299][CapitalRestant], "0,00");
    EXPECT_EQ(calcul.tableau.couts->interets, "83459,17");
    // Repaying it early would change the whole plan.
    const DemandeRemboursement r{.numeroEcheance = 12, .montant = 1000.0, .indemnite = {}};
    const auto refus = CalculeRemboursementAnticipe(*calcul.parametres, calcul.tableau, r, fr);
    EXPECT_EQ(std::get<std::string>(refus).substr(0, 28), "Un prêt lissé dans un plan");
}

// What cannot be smoothed says why, in the main window's words.
TEST(LissageEcheances, Refus) {
    SaisieEmprunt differe = PretLisse(ptz);
    differe.modalites.differe = ModeDiffere::Partiel;
    // Not assign(const char*): GCC 12 at -O3 warns -Wrestrict there (GCC bug 105329).
    differe.modalites.periodesDiffere = std::string("6");
    // Past the calendar; refused before its level is sought.
    SaisieEmprunt sansFin = PretLisse("1");
    sansFin.duree = std::string("2000000000");
    using M = std::pair<SaisieEmprunt, std::string_view>;
    for (const auto& [saisie, motif] :
         {M{PretLisse("x"), "Le lissage enregistré avec ce prêt est illisible."},
          M{differe, "Un prêt lissé ne peut pas commencer par un différé."},
          M{PretLisse("10*301"), "Les autres prêts du plan durent plus longtemps que ce prêt (300 mois)."},
          M{PretLisse("2000*240", "10000"), "Ce prêt est trop petit pour lisser les autres prêts du plan"},
          M{sansFin, MessageSaisieIncorrecte}})
        EXPECT_EQ(MotifEchec(CalculeEmprunt(saisie, true, fr)).substr(0, motif.size()), motif);
}
