#include "CapaciteEmprunt.h"

#include "Arrondis.h"
#include "CalculEmprunt.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();
const TableUsure Plafonds{2026y / 1 / 1, {4.12, 4.59, 5.13, 4.99, 6.15, 23.56, 15.87, 8.67}};

struct Foyer {
    std::vector<std::string> revenus{"4000"};
    std::string charges = "300", ratio = "35";
    std::string taux = "3,5", duree = "300";
    bool enAnnees = false;
    std::string assurance{};
    bool enTaux = false;
    std::string frais{};
};

CapaciteOuMotif Calcule(const Foyer& f) {
    const SaisieCapacite s{f.revenus,  f.charges,   f.ratio,  f.taux, f.duree,
                           f.enAnnees, f.assurance, f.enTaux, f.frais};
    return CalculeCapacite(s, 2027y / 1 / 31, true, Plafonds, fr);
}

CapaciteEmprunt Capacite(const Foyer& f) {
    const auto r = Calcule(f);
    if (const auto* motif = std::get_if<std::string>(&r))
        ADD_FAILURE() << *motif;
    const auto* c = std::get_if<CapaciteEmprunt>(&r);
    return c ? *c : CapaciteEmprunt{};
}

std::string Refus(const Foyer& f) {
    const auto r = Calcule(f);
    const auto* motif = std::get_if<std::string>(&r);
    return motif ? *motif : "(calculée)";
}

// The payment the main window lists for `pret` at `montant`.
std::string Listee(SaisieEmprunt pret, double montant) {
    pret.montant = Fmt2(montant, fr);
    return Fmt2(CalculeEmprunt(pret, true, fr).tableau.echeanceAffichee, fr);
}

} // namespace

TEST(CapaciteEmprunt, BudgetDesRevenusMoinsLesCharges) {
    EXPECT_EQ(Fmt2(Capacite({.charges = ""}).budget, fr), "1400,00");
    const Foyer deux{.revenus = {"2500", "1500"}};
    EXPECT_EQ(Fmt2(Capacite(deux).budget, fr), "1100,00");
}

// A cent more and the schedule's own payment is over the budget.
TEST(CapaciteEmprunt, PlusGrandMontantAuCentime) {
    const CapaciteEmprunt c = Capacite({});
    EXPECT_EQ(c.pret.montant, "219726,96");
    EXPECT_EQ(Listee(c.pret, c.montant), "1100,00");
    EXPECT_EQ(Listee(c.pret, c.montant + 0.01), "1100,01");
}

TEST(CapaciteEmprunt, AssuranceEnTauxDuCapitalInitial) {
    const auto c = Capacite({.assurance = "0,30", .enTaux = true});
    EXPECT_EQ(c.pret.montant, "209276,00");
    EXPECT_EQ(Listee(c.pret, c.montant), "1100,00");
}

TEST(CapaciteEmprunt, DureesDeReferenceEtAvisAuDelaDe25Ans) {
    const auto c = Capacite({.duree = "25", .enAnnees = true});
    EXPECT_EQ(c.pret.duree, "300");
    EXPECT_FALSE(c.plusDe25Ans);
    EXPECT_TRUE(Capacite({.duree = "301"}).plusDe25Ans);
}

TEST(CapaciteEmprunt, CoutEtTAEGDuPretTrouve) {
    const auto c = Capacite({.frais = "1000"});
    const auto calcul = CalculeEmprunt(c.pret, true, fr);
    EXPECT_EQ(c.offre.couts.total, calcul.tableau.couts->total);
    EXPECT_EQ(c.offre.taeg.taeg, TAEGDuCalcul(calcul, fr).taeg);
}

TEST(CapaciteEmprunt, Refus) {
    struct Cas {
        Foyer foyer;
        std::string motif;
    };
    const std::string depasse = "Les charges en cours dépassent déjà ";
    const Cas cas[] = {
        {{.revenus = {"3250"}, .charges = "1200"}, depasse + "35 % des revenus"},
        {{.charges = "1340", .ratio = "33,5"}, depasse + "33,5 % des revenus"},
        {{.revenus = {"2000", "0"}}, "Les revenus doivent être des montants positifs."},
        {{.revenus = {"", " "}}, "Saisissez les revenus mensuels nets du foyer."},
        {{.ratio = "101"}, "Le taux d'endettement doit être compris entre 0 et 100 %."},
        {{.taux = "-1"}, "Le taux du prêt doit être compris entre 0 et 100 %."},
        {{.duree = "0"}, "La durée doit être un nombre entier, d'au plus 100 ans."},
        {{.assurance = "1100,01"},
         "Le budget mensuel ne couvre pas même l'assurance : aucun montant ne convient."},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(Refus(c.foyer), c.motif);
}

// 110 000,49 / 100 is 1 100,0049, listed as 1 100,00.
TEST(CapaciteEmprunt, TauxNulJusquAuCentimeAffiche) {
    const auto c = Capacite({.taux = "0", .duree = "100"});
    EXPECT_EQ(c.pret.montant, "110000,49");
}
