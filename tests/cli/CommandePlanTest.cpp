#include "SupportCli.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace amortix;
using namespace amortix::sortiecli;

// The 0 % loan smoothed by the main one.
TEST(CommandePlan, PalierEtPeriodes) {
    QTemporaryDir d;
    const auto [ptz, banque] = EcritDocumentsDuPlan(d);
    const Execution e = Execute({"plan", "--smooth", banque, ptz, "--format", "json"});
    EXPECT_EQ(e.statut, StatutReussi);
    const std::string& j = e.sortie;
    EXPECT_EQ(Champ(j, "level"), "944,87");
    EXPECT_EQ(Champ(j, "level_with_insurance"), "944,87");
    EXPECT_EQ(Champ(j, "name"), "banque.amx");
    EXPECT_EQ(Depuis(j, "[\"1\""),
              R"(["1", "31/01/2007", "778,20", "466,67", "0,00", "311,53", "159688,47"])");
    EXPECT_EQ(Depuis(j, "[240,"), R"([240, "31/12/2026", "944,87"])");
    EXPECT_EQ(Champ(j, "error"), "null");

    EXPECT_EQ(Execute({"plan", "--smooth", ptz, banque}).erreurs,
              "amortix-cli : Le prêt « banque.amx » dure plus longtemps "
              "que le prêt de lissage « ptz.amx ».\n");
    const QString abime = Fichier(d, "abime.amx", "x");
    const std::string illisible = Execute({"plan", "--smooth", banque, abime}).erreurs;
    EXPECT_EQ(illisible.substr(0, 54), "amortix-cli : « abime.amx » : le document n'a pas pu");
    EXPECT_EQ(Execute({"plan", banque, ptz}).statut, StatutUsage);
}
