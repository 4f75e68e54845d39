#include "CommandesCli.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace amortix;

namespace {

struct Execution {
    int statut;
    std::string sortie, erreurs;
};

Execution Execute(const QStringList& arguments) {
    Execution e;
    e.statut = ExecuteCli(arguments, QLocale(QLocale::French, QLocale::France), QDate(2026, 2, 1), Module{},
                          e.sortie, e.erreurs);
    return e;
}

QString EcritFichier(const QTemporaryDir& dossier, const QString& nom, const QByteArray& octets) {
    QFile fichier(dossier.filePath(nom));
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size())
        ADD_FAILURE() << "écriture de " << nom.toStdString();
    return fichier.fileName();
}

// 100 000 over 240 months with 43,32 of insurance a month, as a loan document.
QByteArray Offre(const char* taux) {
    return QByteArray("100000,00\r\n240\r\n0\r\n") + taux + "\r\n43,32\r\n0,00\r\n28\r\n2\r\n2026\r\n";
}

const QByteArray TableEnVigueur = "trimestre=2026-01-01\nimmobilier-moins-de-10-ans=4.12\n"
                                  "immobilier-10-a-20-ans=4.59\nimmobilier-20-ans-et-plus=5.13\n"
                                  "immobilier-taux-variable=4.99\npret-relais=6.15\n"
                                  "consommation-jusqua-3000=23.56\nconsommation-3000-a-6000=15.87\n"
                                  "consommation-plus-de-6000=8.67\n";

const QStringList Foyer = {"capacity",  "--income",    "2500",   "--income", "1500",
                           "--charges", "300",         "--rate", "3,5",      "--duration",
                           "25",        "--frequency", "ans",    "--format", "json"};

} // namespace

TEST(CommandeCapacite, FiguresEnJson) {
    const Execution e = Execute(Foyer);
    EXPECT_EQ(e.statut, StatutReussi);
    EXPECT_EQ(e.erreurs, "");
    EXPECT_EQ(
        e.sortie,
        "{\"budget\": \"1100,00\", \"amount\": \"219726,96\", \"payment\": \"1100,00\", "
        "\"debt_ratio\": \"35,00 %\", \"rest_to_live\": \"2600,00\", \"total_cost\": \"110275,45\", "
        "\"taeg\": \"3,56 %\",\n \"over_25_years\": false,\n \"by_duration\": [{\"years\": 10, \"amount\": "
        "\"111239,85\"}, {\"years\": 15, \"amount\": \"153872,13\"}, {\"years\": 20, \"amount\": "
        "\"189669,20\"}, {\"years\": 25, \"amount\": \"219726,96\"}],\n \"usury\": {\"category\": "
        "\"immobilier-20-ans-et-plus\", \"ceiling\": \"5,13 %\", \"quarter\": \"2026-01-01\", \"over\": "
        "false},\n \"error\": null}\n");
}

TEST(CommandeCapacite, RefusEtUsage) {
    const Execution charges =
        Execute({"capacity", "--income", "3250", "--charges", "1200", "--rate", "3,5", "--duration", "300"});
    EXPECT_EQ(charges.statut, StatutEchecCalcul);
    EXPECT_EQ(charges.erreurs, "amortix-cli : Les charges en cours dépassent déjà 35 % des revenus\n");
    EXPECT_EQ(charges.sortie, "");

    const Execution json = Execute(Foyer + QStringList{"--ratio", "0"});
    EXPECT_EQ(json.statut, StatutEchecCalcul);
    EXPECT_NE(json.sortie.find("\"budget\": null"), std::string::npos) << json.sortie;
    EXPECT_NE(json.sortie.find("\"error\": \"Le taux d'endettement doit être compris entre 0 et 100 %.\"}"),
              std::string::npos)
        << json.sortie;

    for (const QStringList& arguments : {QStringList{"capacity", "--rate", "3", "--duration", "300"},
                                         Foyer + QStringList{"--frequency", "trimestres"},
                                         Foyer + QStringList{"--insurance", "10", "--insurance-rate", "0,3"},
                                         Foyer + QStringList{"--amount", "1000"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        EXPECT_EQ(Execute(arguments).statut, StatutUsage);
    }
}

// At 4,00 % the TAEG is 4,91 %, under the 5,13 % ceiling of 20 years and more; at 4,50 %, 5,42 %, over.
TEST(CommandeCapacite, ComparaisonFaceAuxTauxDUsure) {
    QTemporaryDir dossier;
    const QString quatre = EcritFichier(dossier, "a.amx", Offre("4,00"));
    const QString quatreEtDemi = EcritFichier(dossier, "b.amx", Offre("4,50"));
    const QString table = EcritFichier(dossier, "usure.txt", TableEnVigueur);
    const Execution e = Execute({"compare", quatre, quatreEtDemi, "--kind", "immobilier", "--usury-table",
                                 table, "--format", "json"});
    EXPECT_EQ(e.statut, StatutReussi);
    const std::string usure = R"("usury": {"category": "immobilier-20-ans-et-plus", "ceiling": "5,13 %", )"
                              R"("quarter": "2026-01-01", "over": )";
    EXPECT_NE(e.sortie.find(R"("taeg": "4,91 %")"), std::string::npos) << e.sortie;
    EXPECT_NE(e.sortie.find(usure + "false}"), std::string::npos) << e.sortie;
    EXPECT_NE(e.sortie.find(usure + "true}"), std::string::npos) << e.sortie;

    const Execution texte = Execute({"compare", quatreEtDemi, "--kind", "consommation"});
    EXPECT_NE(texte.sortie.find("Taux d'usure (b.amx) : 8,67 % (consommation, plus de 6 000 €)\n"),
              std::string::npos)
        << texte.sortie;
    EXPECT_EQ(Execute({"compare", quatre}).sortie.find("usure"), std::string::npos);

    const QString incomplete =
        EcritFichier(dossier, "incomplete.txt", TableEnVigueur.first(TableEnVigueur.indexOf("pret-relais")));
    const Execution refus = Execute({"compare", quatre, "--usury-table", incomplete});
    EXPECT_EQ(refus.statut, StatutEchecCalcul);
    EXPECT_EQ(refus.sortie, "");
    EXPECT_NE(refus.erreurs.find("ne donne pas le taux"), std::string::npos) << refus.erreurs;
}
