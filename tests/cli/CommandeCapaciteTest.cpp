#include "SupportCli.h"
#include "TauxUsureEnregistres.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace amortix;
using namespace amortix::sortiecli;

namespace {

// 100 000 over 240 months, 43,32 of insurance a month.
QByteArray Offre(const QByteArray& taux) {
    return QByteArray("100000,00|240|0|" + taux + "|43,32|0,00|28|2|2026|").replace('|', "\r\n");
}

const QString Foyer = "capacity --income 2500 --income 1500 --charges 300 --rate 3,5 --duration 25 "
                      "--frequency ans --format json";

} // namespace

// 35 % of 4 000, less 300 of charges.
TEST(CommandeCapacite, FiguresEnJson) {
    const Execution e = Lance(Foyer);
    EXPECT_EQ(e.statut, StatutReussi);
    const std::string& j = e.sortie;
    EXPECT_EQ(Champ(j, "budget"), "1100,00");
    EXPECT_EQ(Champ(j, "amount"), "219726,96");
    EXPECT_EQ(Champ(j, "debt_ratio"), "35,00 %");
    EXPECT_EQ(Champ(j, "rest_to_live"), "2600,00");
    EXPECT_EQ(Champ(j, "total_cost"), "110275,45");
    EXPECT_EQ(Champ(j, "taeg"), "3,56 %");
    EXPECT_EQ(Champ(j, "over_25_years"), "false");
    EXPECT_EQ(Champ(Depuis(j, "{\"years\": 10"), "amount"), "111239,85");
    EXPECT_EQ(Champ(j, "category"), "immobilier-20-ans-et-plus");
    EXPECT_EQ(Champ(j, "quarter"), "2026-01-01");
}

TEST(CommandeCapacite, RefusEtUsage) {
    const QString base = "capacity --rate 3 --duration 300";
    const Execution charges = Lance(base + " --income 3250 --charges 1200");
    EXPECT_EQ(charges.statut, StatutEchecCalcul);
    EXPECT_EQ(charges.erreurs, "amortix-cli : Les charges en cours dépassent déjà 35 % des revenus\n");
    EXPECT_EQ(charges.sortie, "");

    const Execution json = Lance(Foyer + " --ratio 0");
    EXPECT_EQ(json.statut, StatutEchecCalcul);
    EXPECT_EQ(Champ(json.sortie, "amount"), "null");
    EXPECT_EQ(Champ(json.sortie, "error").substr(0, 21), "Le taux d'endettement");

    for (const QString& a : {base, Foyer + " --frequency trimestres",
                             Foyer + " --insurance 10 --insurance-rate 0,3", Foyer + " --amount 1000"})
        EXPECT_EQ(Lance(a).statut, StatutUsage) << a.toStdString();
}

// At 4,00 % the TAEG is 4,91 %, under the 5,13 % ceiling (20 years and more); at 4,50 %, over.
TEST(CommandeCapacite, ComparaisonFaceAuxTauxDUsure) {
    QTemporaryDir d;
    const QByteArray usure = QByteArray::fromStdString(EcritTableUsure(TableUsureFournie()));
    const QString quatre = Fichier(d, "a.amx", Offre("4,00"));
    const QString plus = Fichier(d, "b.amx", Offre("4,50"));
    const QString table = Fichier(d, "usure.txt", usure);
    const Execution e = Execute(
        {"compare", quatre, plus, "--kind", "immobilier", "--usury-table", table, "--format", "json"});
    EXPECT_EQ(e.statut, StatutReussi);
    EXPECT_EQ(Champ(e.sortie, "taeg"), "4,91 %");
    EXPECT_EQ(Champ(e.sortie, "ceiling"), "5,13 %");
    EXPECT_EQ(Champ(e.sortie, "over"), "false");
    EXPECT_EQ(Champ(Depuis(e.sortie, "\"b.amx"), "over"), "true");

    const Execution texte = Execute({"compare", plus, "--kind", "consommation"});
    EXPECT_EQ(Depuis(texte.sortie, "Taux d'usure"),
              "Taux d'usure (b.amx) : 8,67 % (consommation, plus de 6 000 €)");
    EXPECT_EQ(Depuis(Execute({"compare", quatre}).sortie, "usure"), "(absent)");

    const QString sansRelais = Fichier(d, "i.txt", usure.left(usure.indexOf("pret-")));
    const Execution refus = Execute({"compare", quatre, "--usury-table", sansRelais});
    EXPECT_EQ(refus.statut, StatutEchecCalcul);
    EXPECT_EQ(refus.sortie, "");
    EXPECT_EQ(Depuis(refus.erreurs, "lue :").substr(0, 16), "lue : Erreur 1 :");
}
