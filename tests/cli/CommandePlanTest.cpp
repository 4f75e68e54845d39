#include "CommandesCli.h"
#include "DocumentsDuPlan.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace amortix;

namespace {

struct Execution {
    int statut;
    std::string sortie, erreurs;
    bool contient(const std::string& texte) const { return sortie.find(texte) != std::string::npos; }
};

Execution Execute(const QStringList& arguments) {
    Execution e;
    e.statut = ExecuteCli(arguments, QLocale(QLocale::French, QLocale::France), QDate(2007, 1, 31), Module{},
                          e.sortie, e.erreurs);
    return e;
}

} // namespace

// A 0 % loan of 40 000 over 240 months smoothed by a main loan of 160 000 at 3,5 % over 300.
TEST(CommandePlan, PalierEtPeriodes) {
    QTemporaryDir dossier;
    const auto [ptz, banque] = EcritDocumentsDuPlan(dossier);
    const Execution e = Execute({"plan", "--smooth", banque, ptz, "--format", "json"});
    EXPECT_EQ(e.statut, StatutReussi);
    for (const char* attendu :
         {R"({"level": "944,87", "level_with_insurance": "944,87",)", R"({"name": "banque.amx", "rows": [)",
          R"(["1", "31/01/2007", "778,20", "466,67", "0,00", "311,53", "159688,47"])",
          R"(["300", "31/12/2031", "943,04", )", R"({"name": "ptz.amx", "rows": [)",
          R"([240, "31/12/2026", "944,87"])", R"("error": null})"})
        EXPECT_TRUE(e.contient(attendu)) << attendu << "\n" << e.sortie.substr(0, 400);

    const Execution refus = Execute({"plan", "--smooth", ptz, banque});
    EXPECT_EQ(refus.statut, StatutEchecCalcul);
    EXPECT_EQ(
        refus.erreurs,
        "amortix-cli : Le prêt « banque.amx » dure plus longtemps que le prêt de lissage « ptz.amx ».\n");
    const QString abime = dossier.filePath(QStringLiteral("abime.amx"));
    ASSERT_TRUE(Ecrit(abime, "x"));
    const std::string illisible = "amortix-cli : « abime.amx » : le document n'a pas pu être ouvert : ";
    EXPECT_EQ(Execute({"plan", "--smooth", banque, abime}).erreurs.substr(0, illisible.size()), illisible);
    EXPECT_EQ(Execute({"plan", banque, ptz}).statut, StatutUsage);
}
