#include "DocumentsDuPlan.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace amortix;
using namespace amortix::sortiecli;

namespace {

using L = QStringList;

// 100 000 over 240 months with 43,32 of insurance a month, as a loan document.
QByteArray Offre(const char* taux) {
    return QByteArray("100000,00\r\n240\r\n0\r\n") + taux + "\r\n43,32\r\n0,00\r\n28\r\n2\r\n2026\r\n";
}

const QByteArray Usure = "trimestre=2026-01-01\nimmobilier-moins-de-10-ans=4.12\n"
                         "immobilier-10-a-20-ans=4.59\nimmobilier-20-ans-et-plus=5.13\n"
                         "immobilier-taux-variable=4.99\npret-relais=6.15\n"
                         "consommation-jusqua-3000=23.56\nconsommation-3000-a-6000=15.87\n"
                         "consommation-plus-de-6000=8.67\n";

const L Foyer = {"capacity", "--income",   "2500", "--income",    "1500", "--charges", "300", "--rate",
                 "3,5",      "--duration", "25",   "--frequency", "ans",  "--format",  "json"};

} // namespace

// 35 % of 4 000 less 300 of charges; the figures themselves are the engine's.
TEST(CommandeCapacite, FiguresEnJson) {
    const Execution e = Execute(Foyer);
    EXPECT_EQ(e.statut, StatutReussi);
    const std::string& j = e.sortie;
    EXPECT_EQ(Depuis(j, "{"), R"({"budget": "1100,00", "amount": "219726,96", "payment": "1100,00", )"
                              R"("debt_ratio": "35,00 %", "rest_to_live": "2600,00", )"
                              R"("total_cost": "110275,45", "taeg": "3,56 %")");
    EXPECT_EQ(Depuis(j, " \"over_25"), R"( "over_25_years": false)");
    EXPECT_EQ(Depuis(j, "{\"years\": 10").substr(0, 36), R"({"years": 10, "amount": "111239,85"})");
    EXPECT_EQ(Depuis(j, "\"usury"), R"("usury": {"category": "immobilier-20-ans-et-plus", )"
                                    R"("ceiling": "5,13 %", "quarter": "2026-01-01", "over": false})");
}

TEST(CommandeCapacite, RefusEtUsage) {
    const L base{"capacity", "--rate", "3", "--duration", "300"};
    const Execution charges = Execute(base + L{"--income", "3250", "--charges", "1200"});
    EXPECT_EQ(charges.statut, StatutEchecCalcul);
    EXPECT_EQ(charges.erreurs, "amortix-cli : Les charges en cours dépassent déjà 35 % des revenus\n");
    EXPECT_EQ(charges.sortie, "");

    // As JSON, the figures null and the reason.
    const Execution json = Execute(Foyer + L{"--ratio", "0"});
    EXPECT_EQ(json.statut, StatutEchecCalcul);
    EXPECT_EQ(Depuis(json.sortie, "{").substr(0, 32), R"({"budget": null, "amount": null,)");
    EXPECT_EQ(Depuis(json.sortie, "\"error"),
              R"("error": "Le taux d'endettement doit être compris entre 0 et 100 %."})");

    for (const L& a :
         {base, Foyer + L{"--frequency", "trimestres"},
          Foyer + L{"--insurance", "10", "--insurance-rate", "0,3"}, Foyer + L{"--amount", "1000"}})
        EXPECT_EQ(Execute(a).statut, StatutUsage) << a.join(' ').toStdString();
}

// At 4,00 % the TAEG is 4,91 %, under the 5,13 % ceiling of 20 years and more; at 4,50 %, over.
TEST(CommandeCapacite, ComparaisonFaceAuxTauxDUsure) {
    QTemporaryDir d;
    const QString quatre = EcritDansLeDossier(d, "a.amx", Offre("4,00"));
    const QString plus = EcritDansLeDossier(d, "b.amx", Offre("4,50"));
    const QString table = EcritDansLeDossier(d, "usure.txt", Usure);
    const Execution e = Execute(
        {"compare", quatre, plus, "--kind", "immobilier", "--usury-table", table, "--format", "json"});
    EXPECT_EQ(e.statut, StatutReussi);
    EXPECT_EQ(Depuis(e.sortie, "\"taeg\"").substr(0, 16), R"("taeg": "4,91 %")");
    EXPECT_EQ(Depuis(e.sortie, "\"usury"),
              R"("usury": {"category": "immobilier-20-ans-et-plus", )"
              R"("ceiling": "5,13 %", "quarter": "2026-01-01", "over": false}})");
    EXPECT_EQ(Depuis(Depuis(e.sortie, "\"b.amx"), "\"over"), R"("over": true}})");

    const Execution texte = Execute({"compare", plus, "--kind", "consommation"});
    EXPECT_EQ(Depuis(texte.sortie, "Taux d'usure"),
              "Taux d'usure (b.amx) : 8,67 % (consommation, plus de 6 000 €)");
    EXPECT_EQ(Depuis(Execute({"compare", quatre}).sortie, "usure"), "(absent)");

    const QString sansRelais = EcritDansLeDossier(d, "i.txt", Usure.first(Usure.indexOf("pret-relais")));
    const Execution refus = Execute({"compare", quatre, "--usury-table", sansRelais});
    EXPECT_EQ(refus.statut, StatutEchecCalcul);
    EXPECT_EQ(refus.sortie, "");
    EXPECT_EQ(Depuis(refus.erreurs, "Erreur"),
              "Erreur 1 : La table des taux d'usure ne donne pas le taux « prêt relais ».");
}
