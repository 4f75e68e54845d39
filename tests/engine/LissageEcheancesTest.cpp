#include "LissageEcheances.h"

#include "CalculEmprunt.h"
#include "RemboursementAnticipe.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

// The main loan of the worked plan, 160 000 at 3,5 % over 300 months, smoothed by `lissage`.
SaisieEmprunt PretLisse(std::string lissage, std::string montant = "160000") {
    SaisieEmprunt saisie{std::move(montant), "300", "3,5", "", "", Frequence::Mois, 2007y / January / 31};
    saisie.modalites.lissage = std::move(lissage);
    return saisie;
}

} // namespace

// The other loans' amounts as a document keeps them, runs counted, the zeros at the end left out.
TEST(LissageEcheances, TexteDesAutresMontants) {
    std::vector<double> autres(239, 166.67);
    autres.push_back(165.87);
    autres.insert(autres.end(), 60, 0.0);
    EXPECT_EQ(TexteLissage(autres, fr), "166,67*239;165,87");
    EXPECT_EQ(TexteLissage(std::vector<double>{0.0, 12.5, 0.0}, fr), "0,00;12,50");

    const auto relus = LitLissage("166,67*239;165,87", fr);
    ASSERT_TRUE(relus.has_value());
    EXPECT_EQ(relus->size(), 240u);
    EXPECT_EQ(relus->at(238), 166.67);
    EXPECT_EQ(relus->at(239), 165.87);

    struct Cas {
        const char* texte;
        const char* pourquoi;
    };
    for (const Cas& c : {Cas{.texte = "166,67*", .pourquoi = "un compte vide"},
                         Cas{.texte = "166,67*0", .pourquoi = "un compte nul"},
                         Cas{.texte = "-1", .pourquoi = "un montant négatif"},
                         Cas{.texte = "1;;2", .pourquoi = "un élément vide"},
                         Cas{.texte = "abc", .pourquoi = "pas un montant"},
                         Cas{.texte = "1*120000;1", .pourquoi = "plus long que le calendrier"}})
        EXPECT_EQ(LitLissage(c.texte, fr), std::nullopt) << c.pourquoi;
}

// A smoothed loan reopened from its document lists the plan's rows: C − S_t each period, the level
// once the others have ended, the last row clearing what is owed.
TEST(LissageEcheances, PretLisseSeul) {
    const EmpruntCalcule calcul = CalculeEmprunt(PretLisse("166,67*239;165,87"), true, fr);
    ASSERT_TRUE(calcul.reussi()) << MotifEchec(calcul);
    const std::vector<LigneTableau>& lignes = calcul.tableau.lignes;
    ASSERT_EQ(lignes.size(), 300u);
    EXPECT_EQ(lignes[0][Colonne::Montant], "778,20");
    EXPECT_EQ(lignes[0][Colonne::Interets], "466,67");
    EXPECT_EQ(lignes[239][Colonne::Montant], "779,00");
    EXPECT_EQ(lignes[240][Colonne::Montant], "944,87");
    EXPECT_EQ(lignes[299][Colonne::Montant], "943,04");
    EXPECT_EQ(lignes[299][Colonne::CapitalRestant], "0,00");
    EXPECT_EQ(calcul.tableau.couts->interets, "83459,17");

    // Repaying it early would change the whole plan.
    const auto remboursement = CalculeRemboursementAnticipe(
        *calcul.parametres, calcul.tableau,
        {.numeroEcheance = 12, .montant = 1000.0, .choix = {}, .indemnite = {}}, fr);
    EXPECT_EQ(std::get<std::string>(remboursement).substr(0, 28), "Un prêt lissé dans un plan");
}

// What cannot be smoothed says why, in the main window's words.
TEST(LissageEcheances, Refus) {
    struct Cas {
        const char* nom;
        SaisieEmprunt saisie;
        const char* motif;
    };
    SaisieEmprunt differe = PretLisse("166,67*239;165,87");
    differe.modalites.differe = ModeDiffere::Partiel;
    // Moves, not assign(const char*): GCC 12 at -O3 warns -Wrestrict there (GCC bug 105329).
    differe.modalites.periodesDiffere = std::string("6");
    SaisieEmprunt sansFin = PretLisse("1");
    sansFin.duree = std::string("2000000000");
    const Cas cas[] = {
        {.nom = "illisible",
         .saisie = PretLisse("x"),
         .motif = "Le lissage enregistré avec ce prêt est illisible."},
        {.nom = "différé", .saisie = differe, .motif = "Un prêt lissé ne peut pas commencer par un différé."},
        {.nom = "trop long",
         .saisie = PretLisse("10*301"),
         .motif = "Les autres prêts du plan durent plus longtemps que ce prêt (300 mois)."},
        {.nom = "trop petit",
         .saisie = PretLisse("2000*240", "10000"),
         .motif = "Ce prêt est trop petit pour lisser les autres prêts du plan : à l'échéance 1, il ne "
                  "paierait que "},
        // Past the calendar, as any loan that long; refused before its level is sought.
        {.nom = "sans fin", .saisie = sansFin, .motif = MessageSaisieIncorrecte.data()},
    };
    for (const Cas& c : cas) {
        const EmpruntCalcule calcul = CalculeEmprunt(c.saisie, true, fr);
        EXPECT_EQ(MotifEchec(calcul).substr(0, std::string_view(c.motif).size()), c.motif) << c.nom;
    }
}
