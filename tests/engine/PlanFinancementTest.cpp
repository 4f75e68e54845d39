#include "PlanFinancement.h"

#include "Arrondis.h"
#include "LectureNombres.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

PretDuPlan Pret(std::string nom, std::string montant, std::string duree, std::string taux,
                Frequence frequence = Frequence::Mois, year_month_day premiere = 2007y / January / 31) {
    return {std::move(nom),
            {.montant = std::move(montant),
             .duree = std::move(duree),
             .taux = std::move(taux),
             .assurance = {},
             .fraisDossier = {},
             .frequence = frequence,
             .premiereEcheance = premiere,
             .modalites = {}}};
}

// A 0 % state loan of 40 000 over 240 months beside a main loan of 160 000 at 3,5 % over 300.
const std::vector<PretDuPlan> PretAZeroEtPrincipal = {Pret("ptz.amx", "40000", "240", "0"),
                                                      Pret("banque.amx", "160000", "300", "3,5")};

PlanFinancement Plan(const std::vector<PretDuPlan>& prets, std::size_t lissage) {
    auto resultat = CalculePlan(prets, lissage, true, fr);
    if (const auto* motif = std::get_if<std::string>(&resultat))
        ADD_FAILURE() << *motif;
    return std::get_if<PlanFinancement>(&resultat) ? std::get<PlanFinancement>(resultat) : PlanFinancement{};
}

std::string Refus(const std::vector<PretDuPlan>& prets, std::size_t lissage) {
    const auto resultat = CalculePlan(prets, lissage, true, fr);
    const auto* motif = std::get_if<std::string>(&resultat);
    return motif ? *motif : std::string("(calculé)");
}

// The yearly rate at which the payments give back `recu`, by halving, apart from the program's search.
double TauxParDichotomie(double recu, const std::vector<double>& paiements) {
    double bas = 0.0;
    double haut = 1.0;
    for (int i = 0; i < 200; ++i) {
        const double x = (bas + haut) / 2;
        double actuel = 0.0;
        for (std::size_t t = 0; t < paiements.size(); ++t)
            actuel += paiements[t] * std::pow(1.0 + x, -static_cast<double>(t + 1) / 12.0);
        (actuel > recu ? bas : haut) = x;
    }
    return bas;
}

} // namespace

TEST(PlanFinancement, LissageDuPretPrincipal) {
    EXPECT_EQ(PretDeLissageParDefaut(PretAZeroEtPrincipal, fr), 1u);
    const PlanFinancement plan = Plan(PretAZeroEtPrincipal, 1);
    EXPECT_EQ(Fmt2(plan.palier, fr), "944,87");
    ASSERT_EQ(plan.prets.front().nom, "banque.amx");
    const std::vector<LigneTableau>& principal = plan.lignes[0];
    ASSERT_EQ(principal.size(), 300u);
    EXPECT_EQ(principal[0][Colonne::Montant], "778,20");
    EXPECT_EQ(principal[0][Colonne::Interets], "466,67");
    EXPECT_EQ(plan.lignes[1][239][Colonne::Montant], "165,87");
    EXPECT_EQ(principal[239][Colonne::Montant], "779,00");
    EXPECT_EQ(principal[240][Colonne::Montant], "944,87");
    EXPECT_EQ(principal[299][Colonne::Montant], "943,04");
    EXPECT_EQ(principal[299][Colonne::CapitalRestant], "0,00");
    EXPECT_EQ(plan.periodes[0].total, "944,87");
    EXPECT_EQ(plan.periodes[239].total, "944,87");
    EXPECT_EQ(plan.periodes[240].montants[1], "");
    // What its document keeps: the state loan's 240 rows.
    EXPECT_EQ(plan.prets.front().saisie.modalites.lissage, "166,67*239;165,87");
}

// The plan's TAEG: all amounts received net of all fees against all payments, checked by an
// independent search.
TEST(PlanFinancement, TAEGDuPlan) {
    std::vector<PretDuPlan> prets = PretAZeroEtPrincipal;
    prets[1].saisie.fraisDossier = "1500";
    prets[1].saisie.assurance = "40";
    const PlanFinancement plan = Plan(prets, 1);
    std::vector<double> paiements;
    for (const PeriodePlan& periode : plan.periodes)
        paiements.push_back(LitDecimal(periode.total, fr).value_or(0.0));
    const double attendu = TauxParDichotomie(200000.0 - 1500.0, paiements);
    EXPECT_EQ(plan.taeg, FormatePourcentage(attendu, 2, fr));
    EXPECT_EQ(plan.coutTotal.fraisDossier, "1500,00");
    EXPECT_EQ(plan.coutTotal.assurance, "12000,00");
    EXPECT_EQ(Fmt2(plan.palierAvecAssurance, fr), "984,87");
}

TEST(PlanFinancement, Refus) {
    struct Cas {
        const char* nom;
        std::vector<PretDuPlan> prets;
        std::size_t lissage;
        std::string motif;
    };
    const Cas cas[] = {
        {.nom = "prêt principal trop petit",
         .prets = {Pret("ptz.amx", "400000", "240", "0"), Pret("banque.amx", "10000", "300", "3,5")},
         .lissage = 1,
         .motif =
             "Le prêt de lissage « banque.amx » est trop petit pour lisser les autres : à l'échéance 1, il "
             "ne paierait que -177,93 pour 29,17 d'intérêts."},
        {.nom = "autre prêt plus long",
         .prets = PretAZeroEtPrincipal,
         .lissage = 0,
         .motif = "Le prêt « banque.amx » dure plus longtemps que le prêt de lissage « ptz.amx »."},
        {.nom = "fréquences différentes",
         .prets = {Pret("ptz.amx", "40000", "80", "0", Frequence::Trimestres), PretAZeroEtPrincipal[1]},
         .lissage = 1,
         .motif = "Les prêts d'un plan ont la même fréquence d'échéances et la même première échéance : "
                  "« ptz.amx » diffère de « banque.amx »."},
        {.nom = "prêt incalculable",
         .prets = {Pret("ptz.amx", "", "240", "0"), PretAZeroEtPrincipal[1]},
         .lissage = 1,
         .motif =
             "Le prêt « ptz.amx » ne peut pas être calculé : Les informations saisies sont incomplètes ou "
             "incorrectes, veuillez les corriger."},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(Refus(c.prets, c.lissage), c.motif) << c.nom;
}
