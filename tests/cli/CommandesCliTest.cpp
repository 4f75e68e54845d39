#include "SupportCli.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace amortix::sortiecli;

namespace {

const QString exemple = "schedule --amount 10000 --duration 12 --rate 6";
const std::string Echec = "Les informations saisies sont incomplètes ou incorrectes, "
                          "veuillez les corriger.";

} // namespace

TEST(CommandesCli, EcheancierEnJsonEtEnCsvSelonLaLocale) {
    const auto e = Lance(exemple + " --format json");
    EXPECT_EQ(e.statut, StatutReussi);
    EXPECT_EQ(e.erreurs, "");
    const std::string& j = e.sortie;
    EXPECT_EQ(Champ(j, "rate"), "6,00");
    EXPECT_EQ(Champ(j, "first_date"), "31/01/2007");
    EXPECT_EQ(Champ(j, "total"), "327,96");
    EXPECT_EQ(Champ(j, "proportional"), "5,9990 %");
    EXPECT_EQ(Champ(j, "shown"), "6,1667 %");
    EXPECT_EQ(Depuis(j, "\"9189,34"), R"("9189,34"])");
    EXPECT_EQ(Champ(j, "error"), "null");
    const auto p = Lance(exemple + " --format=json --method proportionnel");
    EXPECT_EQ(Champ(p.sortie, "shown"), "5,9990 %");

    const QLocale us(QLocale::English, QLocale::UnitedStates);
    auto c = Lance("schedule --amount 10,000 --duration 12 --rate 6 --format csv", us);
    EXPECT_EQ(c.statut, StatutReussi);
    EXPECT_EQ(c.sortie.substr(0, 8), "N°,Date");
    EXPECT_EQ(Depuis(c.sortie, "\n1,"), "\n1,1/31/2007,860.66,50.00,0.00,810.66,9189.34");
    c = Lance(exemple + " --format csv --locale de_DE", us);
    EXPECT_EQ(Depuis(c.sortie, "\n1;"), "\n1;31.01.2007;860,66;50,00;0,00;810,66;9189,34");
}

// With no TEG, the window's message and the schedule all the same.
TEST(CommandesCli, EchecsEtUsage) {
    auto e = Lance("schedule --amount 10000 --rate 6 --format json");
    EXPECT_EQ(e.statut, StatutEchecCalcul);
    EXPECT_EQ(Champ(e.sortie, "costs"), "null");
    EXPECT_EQ(Champ(e.sortie, "error"), Echec);
    e = Lance("schedule --amount 1000 --duration 3 --rate 0");
    EXPECT_EQ(Depuis(e.sortie, "Coût"), "Coût total du crédit : 0,00");
    EXPECT_EQ(e.statut, StatutEchecCalcul);
    EXPECT_EQ(e.erreurs, Echec + "\n");

    e = Lance("bake");
    EXPECT_EQ(Depuis(e.erreurs, "Usage"), "Usage :");
    EXPECT_EQ(e.sortie, "");
    for (const char* a :
         {"schedule --unknown 1", "schedule --first-date 2007-02-30", "schedule --first-date 31/01/2007",
          "schedule --frequency jours", "schedule --amount", "solve --fees 1", "solve --format csv",
          "schedule --locale zz_ZZ", "bake", "", "compare --pdf c.pdf",
          "compare --pdf c.pdf a.amx --format text", "plan --smooth a b --xlsx p --format json",
          "plan --smooth a b --xlsx p --pdf p.pdf"})
        EXPECT_EQ(Lance(a).statut, StatutUsage) << a;
}

TEST(CommandesCli, ValeurManquante) {
    const QString solve = "solve --amount 10000 ";
    auto e = Lance(solve + "--duration 12 --payment 860 --format json");
    EXPECT_EQ(e.statut, StatutReussi);
    EXPECT_EQ(Champ(e.sortie, "rate"), "5,86");
    EXPECT_EQ(Depuis(e.sortie, "5,86%").substr(0, 16), R"(5,86%\r\nLa mens)");
    EXPECT_EQ(Champ(e.sortie, "error"), "null");
    e = Lance(solve + "--rate 6");
    EXPECT_EQ(e.statut, StatutEchecCalcul);
    EXPECT_EQ(Depuis(e.erreurs, "recherche"), "recherche la valeur manquante.");
    e = Lance(solve + "--rate 50 --payment 1000 --frequency trimestres --format json");
    EXPECT_EQ(e.statut, StatutEchecCalcul);
    EXPECT_EQ(Depuis(e.sortie, "ou incoh"), R"(ou incohérentes, veuillez les corriger."})");
    e = Lance(solve + "--duration 12 --rate 6");
    EXPECT_EQ(Depuis(e.sortie, "Montant échéance"), "Montant échéance :      860,66");
}

TEST(CommandesCli, AssuranceEnTauxEtDiffere) {
    const QString pret = "schedule --amount 100000 --duration 240 --rate 3 --format json";
    const QString taux = " --insurance-rate 0,36";
    const auto e =
        Lance(pret + taux + " --insurance-base remaining --deferral partial --deferral-periods 12");
    const std::string& j = e.sortie;
    EXPECT_EQ(Champ(j, "insurance_rate"), "0,36");
    EXPECT_EQ(Champ(j, "insurance_base"), "remaining");
    EXPECT_EQ(Champ(j, "deferral"), "partial");
    EXPECT_EQ(Champ(j, "deferral_periods"), "12");
    EXPECT_EQ(Depuis(j, "\"304,60"), R"("304,60", "99695,40"])");
    EXPECT_EQ(Champ(Lance(pret).sortie, "deferral"), "(absent)");

    const auto refus = Lance(pret + " --deferral total --deferral-periods 25");
    EXPECT_EQ(Champ(refus.sortie, "error"), "Le différé ne peut pas dépasser 24 mois.");
    EXPECT_EQ(Depuis(Lance(pret + taux).erreurs, "amortix-cli"),
              "amortix-cli : --insurance-rate et --insurance-base vont ensemble");
}
