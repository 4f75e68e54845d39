#include "Arrondis.h"
#include "CalculEmprunt.h"
#include "ComparaisonOffres.h"
#include "LectureNombres.h"
#include "ModalitesEmprunt.h"
#include "RemboursementAnticipe.h"
#include "SolveursValeurManquante.h"
#include "TauxEffectifGlobal.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

// A loan typed as the main window takes it, with its insurance kind and deferral.
SaisieEmprunt Pret(std::string montant, std::string duree, std::string taux, ModalitesEmprunt modalites) {
    return {.montant = std::move(montant),
            .duree = std::move(duree),
            .taux = std::move(taux),
            .assurance = {},
            .fraisDossier = {},
            .frequence = Frequence::Mois,
            .premiereEcheance = 2027y / January / 31,
            .modalites = std::move(modalites)};
}

ModalitesEmprunt TauxAssurance(ModeAssurance mode, std::string taux) {
    return {.assurance = mode,
            .tauxAssurance = std::move(taux),
            .differe = {},
            .periodesDiffere = {},
            .lissage = {}};
}

ModalitesEmprunt Differe(ModeDiffere mode, std::string periodes) {
    return {.assurance = {},
            .tauxAssurance = {},
            .differe = mode,
            .periodesDiffere = std::move(periodes),
            .lissage = {}};
}

EmpruntCalcule Calcule(const SaisieEmprunt& saisie) {
    return CalculeEmprunt(saisie, true, fr);
}

long long Centimes(double montant) {
    return std::llround(Fmt2Valeur(montant) * 100.0);
}

long long PrimesEnCentimes(const EmpruntCalcule& calcul) {
    long long total = 0;
    for (const EcheanceCalculee& ligne : calcul.tableau.echeances)
        total += Centimes(ligne.assurance);
    return total;
}

std::string Motif(const ModalitesEmprunt& modalites, std::int32_t duree, Frequence frequence) {
    const auto lues = LitModalites(modalites, duree, frequence, fr);
    const auto* motif = std::get_if<std::string>(&lues);
    return motif ? *motif : std::string("(acceptées)");
}

// 20 000 repaid with payment N, no penalty.
DemandeRemboursement Demande(std::int32_t numero, ChoixRemboursement choix) {
    return {.numeroEcheance = numero, .montant = 20000.0, .choix = choix, .indemnite = {}};
}

} // namespace

// 100 000 over 240 months at 3 %, insurance 0,36 % a year on the initial capital: 100 000 × 0,0036 / 12 =
// 30,00 in every row, 240 × 30 = 7 200,00 in all.
TEST(AssuranceEnTaux, SurLeCapitalInitialUnePrimeConstante) {
    const EmpruntCalcule calcul =
        Calcule(Pret("100000", "240", "3", TauxAssurance(ModeAssurance::TauxCapitalInitial, "0,36")));
    ASSERT_TRUE(calcul.reussi());
    EXPECT_EQ(calcul.champs.assurance, "30,00");
    EXPECT_EQ(calcul.tableau.couts->assurance, "7200,00");
    long long horsTrente = 0;
    for (const EcheanceCalculee& ligne : calcul.tableau.echeances)
        horsTrente += Centimes(ligne.assurance) != 3000;
    EXPECT_EQ(horsTrente, 0);
}

// On the capital owed, row j's premium is Round2(R_{j-1} × 0,0036 / 12): 30,00 first, falling to a few cents.
// The cost is the rows' premiums added up, about half of the initial capital's, and the TAEA follows.
TEST(AssuranceEnTaux, SurLeCapitalRestantUnePrimeQuiDecroit) {
    const EmpruntCalcule initial =
        Calcule(Pret("100000", "240", "3", TauxAssurance(ModeAssurance::TauxCapitalInitial, "0,36")));
    const EmpruntCalcule restant =
        Calcule(Pret("100000", "240", "3", TauxAssurance(ModeAssurance::TauxCapitalRestant, "0,36")));
    ASSERT_TRUE(restant.reussi());
    const auto& lignes = restant.tableau.echeances;
    EXPECT_EQ(Centimes(lignes.front().assurance), 3000);
    double avant = 100000.0;
    long long ecarts = 0;
    for (const EcheanceCalculee& ligne : lignes) {
        ecarts += Centimes(ligne.assurance) != Centimes(Round2(avant * 0.0036 / 12));
        avant = ligne.restant;
    }
    EXPECT_EQ(ecarts, 0);
    EXPECT_EQ(Centimes(*LitDecimal(restant.tableau.couts->assurance, fr)), PrimesEnCentimes(restant));
    EXPECT_EQ(restant.tableau.couts->assurance, "3972,40");
    EXPECT_EQ(restant.tableau.couts->interets, initial.tableau.couts->interets);

    const TextesTAEG surInitial = TAEGDuCalcul(initial, fr);
    const TextesTAEG surRestant = TAEGDuCalcul(restant, fr);
    EXPECT_EQ(surInitial.taea, "0,61 %");
    EXPECT_EQ(surRestant.taea, "0,37 %");
    EXPECT_EQ(surRestant.taegHorsAssurance, surInitial.taegHorsAssurance);
}

// 200 000 at 4 % over 240 months after 12 months of deferral: Round2(200 000 × 0,04 / 12) = 666,67 of
// interest. Partial: 12 rows of 666,67, no capital, then the usual 240 rows on 200 000. Total: nothing but
// the insurance is paid, and each row's interest, rounded, joins the capital.
TEST(Differe, PartielPuisTotal) {
    const EmpruntCalcule partiel = Calcule(Pret("200000", "240", "4", Differe(ModeDiffere::Partiel, "12")));
    ASSERT_TRUE(partiel.reussi());
    ASSERT_EQ(partiel.tableau.lignes.size(), 252u);
    for (std::size_t j : {0u, 11u}) {
        EXPECT_EQ(partiel.tableau.lignes[j][Colonne::Montant], "666,67");
        EXPECT_EQ(partiel.tableau.lignes[j][Colonne::CapitalAmorti], "0,00");
        EXPECT_EQ(partiel.tableau.lignes[j][Colonne::CapitalRestant], "200000,00");
    }
    const EmpruntCalcule sansDiffere = Calcule(Pret("200000", "240", "4", {}));
    EXPECT_EQ(partiel.tableau.lignes[12][Colonne::Montant], sansDiffere.tableau.lignes[0][Colonne::Montant]);
    EXPECT_EQ(partiel.tableau.lignes[12][Colonne::Date], "31/01/2028");
    EXPECT_EQ(partiel.tableau.lignes.back()[Colonne::CapitalRestant], "0,00");

    const EmpruntCalcule total = Calcule(Pret("200000", "240", "4", Differe(ModeDiffere::Total, "12")));
    ASSERT_TRUE(total.reussi());
    double capital = 200000.0;
    for (int j = 0; j < 12; ++j)
        capital = Round2(capital + Round2(capital * 0.04 / 12));
    EXPECT_EQ(total.tableau.lignes[11][Colonne::CapitalRestant], Fmt2(capital, fr));
    EXPECT_EQ(total.tableau.lignes[11][Colonne::CapitalRestant], "208148,32");
    EXPECT_EQ(total.tableau.lignes[0][Colonne::Montant], "0,00");
    EXPECT_EQ(total.tableau.lignes[0][Colonne::CapitalAmorti], "-666,67");
    EXPECT_EQ(total.tableau.lignes.back()[Colonne::CapitalRestant], "0,00");
}

// The costs add the listed rows up; the TEG and the TAEG take every row, the deferred ones included. For a
// loan of one instalment, the rate through the listed amounts is the TEG's own.
TEST(Differe, LesCoutsEtLesTauxSuiventLesLignes) {
    const EmpruntCalcule partiel = Calcule(Pret("200000", "240", "4", Differe(ModeDiffere::Partiel, "12")));
    long long paye = 0;
    for (const EcheanceCalculee& ligne : partiel.tableau.echeances)
        paye += Centimes(ligne.montant);
    EXPECT_EQ(Centimes(*LitDecimal(partiel.tableau.couts->total, fr)), paye - 20000000);
    // Interest only during the deferral, then a loan at 4 %: the rate stays 4 %, proportional.
    EXPECT_EQ(partiel.textesTEG->proportionnel, "4,0000 %");

    const EmpruntCalcule simple = Calcule(Pret("200000", "240", "4", {}));
    const std::vector<double> montants(240, simple.tableau.echeanceAffichee);
    const auto parLesMontants = TEGDesMontants(200000.0, montants, Frequence::Mois);
    ASSERT_TRUE(parLesMontants.has_value());
    EXPECT_NEAR(parLesMontants->actuariel, simple.teg->actuariel, 1e-9);
}

// What the insurance rate and the deferral refuse, each with its reason; the loan of 240 months.
TEST(Modalites, LesRefusDisentPourquoi) {
    struct Cas {
        const char* nom;
        ModalitesEmprunt modalites;
        Frequence frequence;
        std::string motif;
    };
    const Cas cas[] = {
        {.nom = "un taux illisible",
         .modalites = TauxAssurance(ModeAssurance::TauxCapitalInitial, "beaucoup"),
         .frequence = Frequence::Mois,
         .motif = "Le taux d'assurance doit être un pourcentage annuel, par exemple 0,36."},
        {.nom = "un taux négatif",
         .modalites = TauxAssurance(ModeAssurance::TauxCapitalRestant, "-0,1"),
         .frequence = Frequence::Mois,
         .motif = "Le taux d'assurance doit être compris entre 0 et 10 % par an."},
        {.nom = "un taux absurde",
         .modalites = TauxAssurance(ModeAssurance::TauxCapitalInitial, "10,01"),
         .frequence = Frequence::Mois,
         .motif = "Le taux d'assurance doit être compris entre 0 et 10 % par an."},
        {.nom = "10 % tout juste",
         .modalites = TauxAssurance(ModeAssurance::TauxCapitalInitial, "10"),
         .frequence = Frequence::Mois,
         .motif = "(acceptées)"},
        {.nom = "un différé nul",
         .modalites = Differe(ModeDiffere::Partiel, "0"),
         .frequence = Frequence::Mois,
         .motif = "La durée du différé doit être un nombre entier de périodes, au moins 1."},
        {.nom = "24 mois tout juste",
         .modalites = Differe(ModeDiffere::Total, "24"),
         .frequence = Frequence::Mois,
         .motif = "(acceptées)"},
        {.nom = "25 mois",
         .modalites = Differe(ModeDiffere::Total, "25"),
         .frequence = Frequence::Mois,
         .motif = "Le différé ne peut pas dépasser 24 mois."},
        {.nom = "9 trimestres",
         .modalites = Differe(ModeDiffere::Partiel, "9"),
         .frequence = Frequence::Trimestres,
         .motif = "Le différé ne peut pas dépasser 24 mois, soit 8 trimestres."},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(Motif(c.modalites, 240, c.frequence), c.motif) << c.nom;
    EXPECT_EQ(Motif(Differe(ModeDiffere::Partiel, "12"), 12, Frequence::Mois),
              "Le différé doit être plus court que la durée de l'emprunt (12 mois).");
    // The main window shows the reason rather than its usual message.
    EXPECT_EQ(Calcule(Pret("1000", "12", "3", Differe(ModeDiffere::Partiel, "12"))).motif,
              "Le différé doit être plus court que la durée de l'emprunt (12 mois).");
}

TEST(Modalites, EnMots) {
    const auto lues = [](const ModalitesEmprunt& m) {
        return std::get<ModalitesLues>(LitModalites(m, 240, Frequence::Mois, fr));
    };
    EXPECT_EQ(DecritAssurance(lues(TauxAssurance(ModeAssurance::TauxCapitalRestant, "0,36")), fr),
              "0,36 % du capital restant dû");
    EXPECT_EQ(DecritAssurance(lues(TauxAssurance(ModeAssurance::TauxCapitalInitial, "0,36")), fr),
              "0,36 % du capital initial");
    EXPECT_EQ(DecritDiffere(lues(Differe(ModeDiffere::Partiel, "12")), Frequence::Mois),
              "différé partiel de 12 mois");
    const auto trimestre = std::get<ModalitesLues>(
        LitModalites(Differe(ModeDiffere::Total, "1"), 40, Frequence::Trimestres, fr));
    EXPECT_EQ(DecritDiffere(trimestre, Frequence::Trimestres), "différé total de 1 trimestre");
}

// The comparison names the insurance kind and the deferral; a loan as typed today keeps its texts.
TEST(Modalites, LaComparaisonLesNomme) {
    const auto texte = [](const SaisieEmprunt& s, LigneComparaison ligne) {
        return TexteLigne(ligne, *CompareOffre(Calcule(s), fr)).value_or("(aucun)");
    };
    EXPECT_EQ(texte(Pret("100000", "240", "3", TauxAssurance(ModeAssurance::TauxCapitalRestant, "0,36")),
                    LigneComparaison::Assurance),
              "0,36 % du capital restant dû");
    EXPECT_EQ(texte(Pret("100000", "240", "3", TauxAssurance(ModeAssurance::TauxCapitalInitial, "0,36")),
                    LigneComparaison::Assurance),
              "0,36 % du capital initial, soit 30,00");
    EXPECT_EQ(texte(Pret("100000", "240", "3", Differe(ModeDiffere::Partiel, "12")), LigneComparaison::Duree),
              "240 mois, après un différé partiel de 12 mois");
    EXPECT_EQ(texte(Pret("100000", "240", "3", {}), LigneComparaison::Assurance), "0,00");
    EXPECT_EQ(texte(Pret("100000", "240", "3", {}), LigneComparaison::Duree), "240 mois");
    // An offer that cannot apply its deferral says why in its column.
    EXPECT_EQ(
        CalculeOffre("offre", Pret("100000", "240", "3", Differe(ModeDiffere::Total, "30")), true, fr).erreur,
        "Le différé ne peut pas dépasser 24 mois.");
}

// After a deferral, capital is repaid from its last row on; on the capital owed, the insurance saved is the
// premiums the new rows no longer charge.
TEST(Modalites, LeRemboursementAnticipeSuitLesLignes) {
    const EmpruntCalcule differe = Calcule(Pret("100000", "240", "3", Differe(ModeDiffere::Partiel, "12")));
    const auto refus =
        CalculeRemboursementAnticipe(differe, Demande(5, ChoixRemboursement::ReduireDuree), fr);
    EXPECT_EQ(std::get<std::string>(refus), "Le numéro d'échéance doit être compris entre 12 et 251.");
    const auto apres =
        CalculeRemboursementAnticipe(differe, Demande(12, ChoixRemboursement::ReduireDuree), fr);
    ASSERT_TRUE(std::holds_alternative<RemboursementAnticipe>(apres));
    EXPECT_EQ(std::get<RemboursementAnticipe>(apres).restantAvant, 100000.0);

    const EmpruntCalcule restant =
        Calcule(Pret("100000", "240", "3", TauxAssurance(ModeAssurance::TauxCapitalRestant, "0,36")));
    const auto resultat =
        CalculeRemboursementAnticipe(restant, Demande(60, ChoixRemboursement::ReduireDuree), fr);
    ASSERT_TRUE(std::holds_alternative<RemboursementAnticipe>(resultat));
    const RemboursementAnticipe& r = std::get<RemboursementAnticipe>(resultat);
    long long avant = 0;
    for (std::size_t j = 60; j < restant.tableau.echeances.size(); ++j)
        avant += Centimes(restant.tableau.echeances[j].assurance);
    long long apresRemboursement = 0;
    for (const EcheanceCalculee& ligne : r.echeances)
        apresRemboursement += Centimes(ligne.assurance);
    EXPECT_EQ(Centimes(r.assuranceEconomisee), avant - apresRemboursement);
    // Each new row's premium on what it owes before it.
    EXPECT_EQ(Centimes(r.echeances.front().assurance),
              Centimes(Round2((r.restantAvant - 20000.0) * 0.0036 / 12)));
    EXPECT_LT(r.numeroDerniere, 240);
}

// Without interest the payment only shares the amount out, and the other solvers follow: 25 000 over 36
// months is 694,44; 12 000 at 1 000 a month takes 12 months; 694,44 over 36 months lends 24 999,84.
TEST(ValeurManquanteAZeroPourCent, CommeUnTableur) {
    const Frequence mois = Frequence::Mois;
    EXPECT_EQ(Calcul_Mensualite(25000, 36, 0.0, mois, fr).champs[3], "694,44");
    EXPECT_EQ(Calcul_Duree(12000, 0.0, 1000, mois, fr).champs[1], "12");
    EXPECT_EQ(Calcul_Montant(36, 0.0, 694.44, mois, fr).champs[0], "24999,84");
    EXPECT_EQ(Calcul_Taux(12000, 12, 1000, mois, fr).champs[2], "0,00");
    // The closest duration, as at any rate: 10 000 at 3 000 a month is 3 months (3 333,33).
    const ResultatSolveur proche = Calcul_Duree(10000, 0.0, 3000, mois, fr);
    EXPECT_EQ(proche.champs[1], "3");
    EXPECT_EQ(proche.champs[3], "3333,33");
}
