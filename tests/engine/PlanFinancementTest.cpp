#include "PlanFinancement.h"

#include "Arrondis.h"
#include "LectureNombres.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

PretDuPlan Pret(const char* nom, const char* montant, const char* duree, const char* taux,
                Frequence f = Frequence::Mois) {
    return {nom, {montant, duree, taux, "", "", f, 2007y / 1 / 31}};
}

const std::vector<PretDuPlan> Plan2 = {Pret("ptz.amx", "40000", "240", "0"),
                                       Pret("banque.amx", "160000", "300", "3,5")};

PlanFinancement Plan(const std::vector<PretDuPlan>& prets, std::size_t lissage) {
    const auto r = CalculePlan(prets, lissage, true, fr);
    if (const auto* motif = std::get_if<std::string>(&r))
        ADD_FAILURE() << *motif;
    const auto* plan = std::get_if<PlanFinancement>(&r);
    return plan ? *plan : PlanFinancement{};
}

std::string Refus(const std::vector<PretDuPlan>& prets, std::size_t lissage) {
    const auto r = CalculePlan(prets, lissage, true, fr);
    const auto* motif = std::get_if<std::string>(&r);
    return motif ? *motif : "(calculé)";
}

} // namespace

TEST(PlanFinancement, LissageDuPretPrincipal) {
    EXPECT_EQ(PretDeLissageParDefaut(Plan2, fr), 1u);
    const PlanFinancement plan = Plan(Plan2, 1);
    EXPECT_EQ(Fmt2(plan.palier, fr), "944,87");
    ASSERT_EQ(plan.prets.front().nom, "banque.amx");
    // Its rows are those of its document, which LissageEcheances reads back.
    EXPECT_EQ(plan.prets.front().saisie.modalites.lissage, "166,67*239;165,87");
    EXPECT_EQ(plan.lignes[1][239][Colonne::Montant], "165,87");
    EXPECT_EQ(plan.periodes[0].total, "944,87");
    EXPECT_EQ(plan.periodes[239].total, "944,87");
    EXPECT_EQ(plan.periodes[240].montants[1], "");
}

// Against the test's own bisection on the amounts received net of fees.
TEST(PlanFinancement, TAEGDuPlan) {
    std::vector<PretDuPlan> prets = Plan2;
    prets[1].saisie.fraisDossier = "1500";
    prets[1].saisie.assurance = "40";
    const PlanFinancement plan = Plan(prets, 1);
    double bas = 0.0, haut = 1.0;
    for (int i = 0; i < 200; ++i) {
        const double x = (bas + haut) / 2;
        double actuel = 0.0, t = 0.0;
        for (const PeriodePlan& p : plan.periodes)
            actuel += LitDecimal(p.total, fr).value_or(0.0) * std::pow(1.0 + x, -++t / 12.0);
        (actuel > 200000.0 - 1500.0 ? bas : haut) = x;
    }
    EXPECT_EQ(plan.taeg, FormatePourcentage(bas, 2, fr));
    EXPECT_EQ(plan.coutTotal.fraisDossier, "1500,00");
    EXPECT_EQ(plan.coutTotal.assurance, "12000,00");
    EXPECT_EQ(Fmt2(plan.palierAvecAssurance, fr), "984,87");
}

TEST(PlanFinancement, Refus) {
    struct Cas {
        std::size_t lissage;
        std::vector<PretDuPlan> prets;
        std::string motif;
    };
    const Cas cas[] = {
        {1,
         {Pret("ptz.amx", "400000", "240", "0"), Pret("banque.amx", "10000", "300", "3,5")},
         "Le prêt de lissage « banque.amx » est trop petit pour lisser les autres : à "
         "l'échéance 1, il ne paierait que -177,93 pour 29,17 d'intérêts."},
        {0, Plan2, "Le prêt « banque.amx » dure plus longtemps que le prêt de lissage « ptz.amx »."},
        {1,
         {Pret("ptz.amx", "40000", "80", "0", Frequence::Trimestres), Plan2[1]},
         "Les prêts d'un plan ont la même fréquence d'échéances et la même première "
         "échéance : « ptz.amx » diffère de « banque.amx »."},
        {1,
         {Pret("ptz.amx", "", "240", "0"), Plan2[1]},
         "Le prêt « ptz.amx » ne peut pas être calculé : " + std::string(MessageSaisieIncorrecte)},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(Refus(c.prets, c.lissage), c.motif);
}
