#include "CommandesCli.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace amortix;

namespace {

struct Execution {
    int statut;
    std::string sortie, erreurs;
    bool montre(const std::string& texte) const { return sortie.find(texte) != std::string::npos; }
};

Execution Execute(const QStringList& arguments,
                  const QLocale& locale = QLocale(QLocale::French, QLocale::France)) {
    Execution e;
    e.statut = ExecuteCli(arguments, locale, QDate(2007, 1, 31), Module{}, e.sortie, e.erreurs);
    return e;
}

const QStringList exemple = {"schedule", "--amount", "10000", "--duration", "12", "--rate", "6"};
const std::string MessageEchec =
    "Les informations saisies sont incomplètes ou incorrectes, veuillez les corriger.";

} // namespace

// The worked example as JSON: the fields as the window rewrites them, the costs, the TEG, the rows.
TEST(CommandesCli, EcheancierEnJsonEtEnCsvSelonLaLocale) {
    const auto e = Execute(exemple + QStringList{"--format", "json"});
    EXPECT_EQ(std::tuple(e.statut, e.erreurs), std::tuple(StatutReussi, ""));
    for (const char* attendu :
         {R"({"inputs": {"amount": "10000,00", "duration": "12", "frequency": "mois", "rate": "6,00", )"
          R"("insurance": "0,00", "fees": "0,00", "first_date": "31/01/2007"})",
          R"("costs": {"total": "327,96", "interest": "327,96", "insurance": "0,00", "fees": "0,00"})",
          R"("teg": {"period": "0,499916 %", "proportional": "5,9990 %", "actuarial": "6,1667 %", )"
          R"("shown": "6,1667 %"})",
          R"(["1", "31/01/2007", "860,66", "50,00", "0,00", "810,66", "9189,34"])", R"("error": null})"})
        EXPECT_TRUE(e.montre(attendu)) << attendu << "\n" << e.sortie;
    EXPECT_TRUE(Execute(exemple + QStringList{"--format=json", "--method", "proportionnel"})
                    .montre(R"("shown": "5,9990 %")"));

    // As CSV, in the number and date conventions of the locale given, else of the system.
    const QStringList trimestres{"--duration",   "8",          "--rate",   "5",  "--frequency", "trimestres",
                                 "--first-date", "2008-08-31", "--format", "csv"};
    const QLocale anglais(QLocale::English, QLocale::UnitedStates);
    auto csv = Execute(QStringList{"schedule", "--amount", "10,000"} + trimestres, anglais);
    EXPECT_EQ(csv.statut, StatutReussi);
    const std::string debutCsv = "N°,Date,Montant éch.,Intérêts,Assurance,Capital amorti,Capital restant dû\n"
                                 "1,8/31/2008,1321.33,125.00,0.00,1196.33,8803.67\n2,11/30/2008,";
    EXPECT_EQ(csv.sortie.substr(0, debutCsv.size()), debutCsv);
    csv = Execute(QStringList{"schedule", "--amount", "10000", "--locale", "de_DE"} + trimestres, anglais);
    EXPECT_TRUE(csv.montre("\n1;31.08.2008;1321,33;125,00;0,00;1196,33;8803,67\n")) << csv.sortie;
}

TEST(CommandesCli, EchecsEtUsage) {
    // The window's message, the fields as the window shows them, exit status 1.
    auto e = Execute({"schedule", "--amount", "10000", "--rate", "6", "--format", "json"});
    EXPECT_EQ(e.statut, StatutEchecCalcul);
    for (const std::string& attendu :
         {std::string(R"("amount": "10000", "duration": "")"), std::string(R"("costs": null)"),
          R"("error": ")" + MessageEchec + R"("})"})
        EXPECT_TRUE(e.montre(attendu)) << attendu << "\n" << e.sortie;
    e = Execute({"schedule", "--amount", "1000", "--duration", "3", "--rate", "0"});
    EXPECT_TRUE(e.montre("333,33"));
    EXPECT_EQ(std::tuple(e.statut, e.erreurs), std::tuple(StatutEchecCalcul, MessageEchec + "\n"));

    for (const QStringList& arguments :
         {QStringList{"schedule", "--unknown", "1"}, QStringList{"schedule", "--first-date", "2007-02-30"},
          QStringList{"schedule", "--first-date", "31/01/2007"},
          QStringList{"schedule", "--frequency", "jours"}, QStringList{"schedule", "--amount"},
          QStringList{"solve", "--fees", "1"}, QStringList{"solve", "--format", "csv"},
          QStringList{"schedule", "--locale", "zz_ZZ"}, QStringList{"bake"}, QStringList{},
          QStringList{"compare", "--pdf", "c.pdf", "a.amx", "--format", "text"},
          QStringList{"compare", "--pdf", "c.pdf"},
          QStringList{"plan", "--smooth", "a.amx", "b.amx", "--xlsx", "p.xlsx", "--format", "json"},
          QStringList{"plan", "--smooth", "a.amx", "b.amx", "--xlsx", "p.xlsx", "--pdf", "p.pdf"}}) {
        e = Execute(arguments);
        SCOPED_TRACE(arguments.join(' ').toStdString());
        EXPECT_EQ(e.statut, StatutUsage);
        EXPECT_NE(e.erreurs.find("Usage :"), std::string::npos) << e.erreurs;
        EXPECT_EQ(e.sortie, "");
    }
}

TEST(CommandesCli, ValeurManquante) {
    auto e =
        Execute({"solve", "--amount", "10000", "--duration", "12", "--payment", "860", "--format", "json"});
    EXPECT_EQ(e.statut, StatutReussi);
    EXPECT_EQ(e.sortie,
              "{\"fields\": {\"amount\": \"10000,00\", \"duration\": \"12\", \"rate\": \"5,86\", "
              "\"payment\": \"860,02\"},\n \"message\": \"Le taux le plus proche de la réalité est de : "
              "5,86%\\r\\nLa mensualité a donc été réajustée pour en tenir compte passant ainsi de 860,00 "
              "à 860,02.\",\n \"error\": null}\n");
    e = Execute({"solve", "--amount", "10000", "--rate", "6"});
    EXPECT_EQ(std::tuple(e.statut, e.erreurs),
              std::tuple(StatutEchecCalcul, "Une seule zone doit être vide pour que Amortix recherche la "
                                            "valeur manquante.\n"));
    e = Execute({"solve", "--amount", "100000", "--rate", "5", "--payment", "1000", "--frequency",
                 "trimestres", "--format", "json"});
    EXPECT_EQ(e.statut, StatutEchecCalcul);
    EXPECT_TRUE(e.montre(R"("duration": "")")) << e.sortie;
    EXPECT_TRUE(e.montre("incohérentes")) << e.sortie;
    e = Execute({"solve", "--amount", "10000", "--duration", "12", "--rate", "6"});
    EXPECT_EQ(e.statut, StatutReussi);
    EXPECT_TRUE(e.montre("Montant échéance :      860,66")) << e.sortie;
}

// An insurance rate and a deferral from the flags: each row's premium in the rows, the kinds named once;
// a loan without them prints no such line.
TEST(CommandesCli, AssuranceEnTauxEtDiffere) {
    const QStringList pret = {"schedule", "--amount", "100000",   "--duration", "240",
                              "--rate",   "3",        "--format", "json"};
    const auto e = Execute(pret + QStringList{"--insurance-rate", "0,36", "--insurance-base", "remaining",
                                              "--deferral", "partial", "--deferral-periods", "12"});
    EXPECT_EQ(e.statut, StatutReussi);
    for (const char* attendu : {R"("insurance_rate": "0,36", "insurance_base": "remaining",)",
                                R"("deferral": "partial", "deferral_periods": "12",)",
                                R"(["1", "31/01/2007", "280,00", "250,00", "30,00", "0,00", "100000,00"])",
                                R"(["13", "31/01/2008", "584,60", "250,00", "30,00", "304,60", "99695,40"])"})
        EXPECT_TRUE(e.montre(attendu)) << attendu << "\n" << e.sortie;
    EXPECT_FALSE(Execute(pret).montre("insurance_rate"));

    const auto refus = Execute(pret + QStringList{"--deferral", "total", "--deferral-periods", "25"});
    EXPECT_EQ(refus.statut, StatutEchecCalcul);
    EXPECT_TRUE(refus.montre(R"("error": "Le différé ne peut pas dépasser 24 mois."})")) << refus.sortie;
    const auto sansBase = Execute(pret + QStringList{"--insurance-rate", "0,36"});
    EXPECT_TRUE(
        sansBase.erreurs.starts_with("amortix-cli : --insurance-rate et --insurance-base vont ensemble\n"))
        << sansBase.erreurs;
}
