#include "DocumentsDuPlan.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace amortix;
using namespace amortix::sortiecli;

namespace {

using L = QStringList;

const QStringList exemple = {"schedule", "--amount", "10000", "--duration", "12", "--rate", "6"};
const std::string Echec = "Les informations saisies sont incomplètes ou incorrectes, veuillez les corriger.";

} // namespace

// The worked example as JSON: the fields as the window rewrites them, the costs, the TEG, the rows.
TEST(CommandesCli, EcheancierEnJsonEtEnCsvSelonLaLocale) {
    const auto e = Execute(exemple + L{"--format", "json"});
    EXPECT_EQ(e.statut, StatutReussi);
    EXPECT_EQ(e.erreurs, "");
    const std::string& json = e.sortie;
    EXPECT_EQ(Depuis(json, "{"),
              R"({"inputs": {"amount": "10000,00", "duration": "12", "frequency": "mois", )"
              R"("rate": "6,00", "insurance": "0,00", "fees": "0,00", "first_date": "31/01/2007"})");
    EXPECT_EQ(Depuis(json, "\"costs"),
              R"("costs": {"total": "327,96", "interest": "327,96", "insurance": "0,00", "fees": "0,00"})");
    const std::string teg =
        R"("teg": {"period": "0,499916 %", "proportional": "5,9990 %", "actuarial": "6,1667 %", "shown": )";
    EXPECT_EQ(Depuis(json, "\"teg"), teg + R"("6,1667 %"})");
    EXPECT_EQ(Depuis(json, "[\"1\""),
              R"(["1", "31/01/2007", "860,66", "50,00", "0,00", "810,66", "9189,34"])");
    EXPECT_EQ(Depuis(json, "\"error"), R"("error": null})");
    const auto p = Execute(exemple + L{"--format=json", "--method", "proportionnel"});
    EXPECT_EQ(Depuis(p.sortie, "\"teg"), teg + R"("5,9990 %"})");

    // As CSV, in the conventions of the locale given, else of the system.
    const QStringList trim{"--duration",   "8",          "--rate",   "5",  "--frequency", "trimestres",
                           "--first-date", "2008-08-31", "--format", "csv"};
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    auto csv = Execute(L{"schedule", "--amount", "10,000"} + trim, us);
    EXPECT_EQ(csv.statut, StatutReussi);
    const std::string debut = "N°,Date,Montant éch.,Intérêts,Assurance,Capital amorti,Capital restant dû\n"
                              "1,8/31/2008,1321.33,125.00,0.00,1196.33,8803.67\n2,11/30/2008,";
    EXPECT_EQ(csv.sortie.substr(0, debut.size()), debut);
    csv = Execute(L{"schedule", "--amount", "10000", "--locale", "de_DE"} + trim, us);
    EXPECT_EQ(Depuis(csv.sortie, "\n1;"), "\n1;31.08.2008;1321,33;125,00;0,00;1196,33;8803,67");
}

TEST(CommandesCli, EchecsEtUsage) {
    // The window's message, exit status 1.
    auto e = Execute({"schedule", "--amount", "10000", "--rate", "6", "--format", "json"});
    EXPECT_EQ(e.statut, StatutEchecCalcul);
    EXPECT_EQ(Depuis(e.sortie, "\"costs"), R"("costs": null)");
    EXPECT_EQ(Depuis(e.sortie, "\"error"), R"("error": ")" + Echec + R"("})");
    // No TEG repays 1 000 with 333,33 three times: the schedule is listed all the same.
    e = Execute({"schedule", "--amount", "1000", "--duration", "3", "--rate", "0"});
    EXPECT_EQ(Depuis(e.sortie, "Coût"), "Coût total du crédit : 0,00");
    EXPECT_EQ(e.statut, StatutEchecCalcul);
    EXPECT_EQ(e.erreurs, Echec + "\n");

    for (const L& arguments :
         {L{"schedule", "--unknown", "1"}, L{"schedule", "--first-date", "2007-02-30"},
          L{"schedule", "--first-date", "31/01/2007"}, L{"schedule", "--frequency", "jours"},
          L{"schedule", "--amount"}, L{"solve", "--fees", "1"}, L{"solve", "--format", "csv"},
          L{"schedule", "--locale", "zz_ZZ"}, L{"bake"}, L{}, L{"compare", "--pdf", "c.pdf"},
          L{"compare", "--pdf", "c.pdf", "a.amx", "--format", "text"},
          L{"plan", "--smooth", "a.amx", "b.amx", "--xlsx", "p.xlsx", "--format", "json"},
          L{"plan", "--smooth", "a.amx", "b.amx", "--xlsx", "p.xlsx", "--pdf", "p.pdf"}}) {
        e = Execute(arguments);
        SCOPED_TRACE(arguments.join(' ').toStdString());
        EXPECT_EQ(e.statut, StatutUsage);
        EXPECT_EQ(Depuis(e.erreurs, "Usage"), "Usage :");
        EXPECT_EQ(e.sortie, "");
    }
}

TEST(CommandesCli, ValeurManquante) {
    auto e =
        Execute({"solve", "--amount", "10000", "--duration", "12", "--payment", "860", "--format", "json"});
    EXPECT_EQ(e.statut, StatutReussi);
    EXPECT_EQ(e.sortie, "{\"fields\": {\"amount\": \"10000,00\", \"duration\": \"12\", \"rate\": \"5,86\", "
                        "\"payment\": \"860,02\"},\n \"message\": \"Le taux le plus proche de la réalité est "
                        "de : 5,86%\\r\\nLa mensualité a donc été réajustée pour en tenir compte passant "
                        "ainsi de 860,00 à 860,02.\",\n \"error\": null}\n");
    e = Execute({"solve", "--amount", "10000", "--rate", "6"});
    EXPECT_EQ(e.statut, StatutEchecCalcul);
    EXPECT_EQ(e.erreurs, "Une seule zone doit être vide pour que Amortix recherche la valeur manquante.\n");
    e = Execute({"solve", "--amount", "100000", "--rate", "5", "--payment", "1000", "--frequency",
                 "trimestres", "--format", "json"});
    EXPECT_EQ(e.statut, StatutEchecCalcul);
    EXPECT_EQ(Depuis(e.sortie, "\"error"), R"("error": "Les informations saisies sont incomplètes, )"
                                           R"(incorrectes ou incohérentes, veuillez les corriger."})");
    e = Execute({"solve", "--amount", "10000", "--duration", "12", "--rate", "6"});
    EXPECT_EQ(e.statut, StatutReussi);
    EXPECT_EQ(Depuis(e.sortie, "Montant échéance"), "Montant échéance :      860,66");
}

// An insurance rate and a deferral: each row's premium, the kinds named once; a loan without them
// prints no such line.
TEST(CommandesCli, AssuranceEnTauxEtDiffere) {
    const QStringList pret = {"schedule", "--amount", "100000",   "--duration", "240",
                              "--rate",   "3",        "--format", "json"};
    const auto e = Execute(pret + L{"--insurance-rate", "0,36", "--insurance-base", "remaining", "--deferral",
                                    "partial", "--deferral-periods", "12"});
    EXPECT_EQ(e.statut, StatutReussi);
    const std::string& json = e.sortie;
    EXPECT_EQ(Depuis(json, "\"insurance_rate"), R"("insurance_rate": "0,36", "insurance_base": "remaining")");
    EXPECT_EQ(Depuis(json, "\"deferral"), R"("deferral": "partial", "deferral_periods": "12")");
    EXPECT_EQ(Depuis(json, "[\"13\""),
              R"(["13", "31/01/2008", "584,60", "250,00", "30,00", "304,60", "99695,40"])");
    EXPECT_EQ(Depuis(Execute(pret).sortie, "\"insurance_rate"), "(absent)");

    const auto refus = Execute(pret + L{"--deferral", "total", "--deferral-periods", "25"});
    EXPECT_EQ(refus.statut, StatutEchecCalcul);
    EXPECT_EQ(Depuis(refus.sortie, "\"error"), R"("error": "Le différé ne peut pas dépasser 24 mois."})");
    const auto sansBase = Execute(pret + L{"--insurance-rate", "0,36"});
    EXPECT_EQ(Depuis(sansBase.erreurs, "amortix-cli"),
              "amortix-cli : --insurance-rate et --insurance-base vont ensemble");
}
