#include "DocumentsDuPlan.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace amortix;
using namespace amortix::sortiecli;

// A 0 % loan of 40 000 over 240 months smoothed by a main loan of 160 000 at 3,5 % over 300.
TEST(CommandePlan, PalierEtPeriodes) {
    QTemporaryDir dossier;
    const auto [ptz, banque] = EcritDocumentsDuPlan(dossier);
    const Execution e = Execute({"plan", "--smooth", banque, ptz, "--format", "json"});
    EXPECT_EQ(e.statut, StatutReussi);
    const std::string& json = e.sortie;
    EXPECT_EQ(Depuis(json, "{"), R"({"level": "944,87", "level_with_insurance": "944,87")");
    EXPECT_EQ(Depuis(json, "{\"name"), R"({"name": "banque.amx", "rows": [)");
    EXPECT_EQ(Depuis(json, "[\"1\""),
              R"(["1", "31/01/2007", "778,20", "466,67", "0,00", "311,53", "159688,47"])");
    EXPECT_EQ(Depuis(json, "[240,"), R"([240, "31/12/2026", "944,87"])");
    EXPECT_EQ(Depuis(json, "\"error"), R"("error": null})");

    const Execution refus = Execute({"plan", "--smooth", ptz, banque});
    EXPECT_EQ(refus.statut, StatutEchecCalcul);
    EXPECT_EQ(
        refus.erreurs,
        "amortix-cli : Le prêt « banque.amx » dure plus longtemps que le prêt de lissage « ptz.amx ».\n");
    const QString abime = EcritDansLeDossier(dossier, "abime.amx", "x");
    const std::string illisible = Execute({"plan", "--smooth", banque, abime}).erreurs;
    EXPECT_EQ(illisible, "amortix-cli : « abime.amx » : le document n'a pas pu être ouvert : il compte 1 "
                         "ligne(s) au lieu de neuf.\n");
    EXPECT_EQ(Execute({"plan", banque, ptz}).statut, StatutUsage);
}
