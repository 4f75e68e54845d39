#include "DocumentsDuPlan.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace amortix;
using namespace amortix::sortiecli;

namespace {

using L = QStringList;

const L exemple = {"schedule", "--amount", "10000", "--duration", "12", "--rate", "6"};
const std::string Echec = "Les informations saisies sont incomplètes ou incorrectes, "
                          "veuillez les corriger.";

} // namespace

// The fields as the window rewrites them, the costs, the TEG, a row; CSV in the locale's ways.
TEST(CommandesCli, EcheancierEnJsonEtEnCsvSelonLaLocale) {
    const auto e = Execute(exemple + L{"--format", "json"});
    EXPECT_EQ(e.statut, StatutReussi);
    EXPECT_EQ(e.erreurs, "");
    const std::string& j = e.sortie;
    EXPECT_EQ(Depuis(j, "\"rate"),
              R"("rate": "6,00", "insurance": "0,00", "fees": "0,00", "first_date": "31/01/2007"})");
    EXPECT_EQ(Depuis(j, "\"costs"),
              R"("costs": {"total": "327,96", "interest": "327,96", "insurance": "0,00", "fees": "0,00"})");
    EXPECT_EQ(Depuis(j, "\"proportional"),
              R"("proportional": "5,9990 %", "actuarial": "6,1667 %", "shown": "6,1667 %"})");
    EXPECT_EQ(Depuis(j, "[\"1\""), R"(["1", "31/01/2007", "860,66", "50,00", "0,00", "810,66", "9189,34"])");
    EXPECT_EQ(Depuis(j, "\"error"), R"("error": null})");
    const auto p = Execute(exemple + L{"--format=json", "--method", "proportionnel"});
    EXPECT_EQ(Depuis(p.sortie, "\"shown"), R"("shown": "5,9990 %"})");

    const L trim{"--duration",   "8",          "--rate",   "5",  "--frequency", "trimestres",
                 "--first-date", "2008-08-31", "--format", "csv"};
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    auto csv = Execute(L{"schedule", "--amount", "10,000"} + trim, us);
    EXPECT_EQ(csv.statut, StatutReussi);
    EXPECT_EQ(Depuis(csv.sortie, "N°"),
              "N°,Date,Montant éch.,Intérêts,Assurance,Capital amorti,Capital restant dû");
    EXPECT_EQ(Depuis(csv.sortie, "\n1,"), "\n1,8/31/2008,1321.33,125.00,0.00,1196.33,8803.67");
    csv = Execute(L{"schedule", "--amount", "10000", "--locale", "de_DE"} + trim, us);
    EXPECT_EQ(Depuis(csv.sortie, "\n1;"), "\n1;31.08.2008;1321,33;125,00;0,00;1196,33;8803,67");
}

// The window's message, exit status 1; with no TEG the schedule is listed all the same.
TEST(CommandesCli, EchecsEtUsage) {
    auto e = Execute({"schedule", "--amount", "10000", "--rate", "6", "--format", "json"});
    EXPECT_EQ(e.statut, StatutEchecCalcul);
    EXPECT_EQ(Depuis(e.sortie, "\"costs"), R"("costs": null)");
    EXPECT_EQ(Depuis(e.sortie, "\"error"), R"("error": ")" + Echec + R"("})");
    e = Execute({"schedule", "--amount", "1000", "--duration", "3", "--rate", "0"});
    EXPECT_EQ(Depuis(e.sortie, "Coût"), "Coût total du crédit : 0,00");
    EXPECT_EQ(e.statut, StatutEchecCalcul);
    EXPECT_EQ(e.erreurs, Echec + "\n");

    const L s{"schedule"}, c{"compare", "--pdf", "c.pdf"}, x{"plan", "--smooth", "a", "b", "--xlsx", "p"};
    for (const L& a :
         {s + L{"--unknown", "1"}, s + L{"--first-date", "2007-02-30"}, s + L{"--first-date", "31/01/2007"},
          s + L{"--frequency", "jours"}, s + L{"--amount"}, L{"solve", "--fees", "1"},
          L{"solve", "--format", "csv"}, s + L{"--locale", "zz_ZZ"}, L{"bake"}, L{}, c,
          c + L{"a.amx", "--format", "text"}, x + L{"--format", "json"}, x + L{"--pdf", "p.pdf"}}) {
        e = Execute(a);
        SCOPED_TRACE(a.join(' ').toStdString());
        EXPECT_EQ(e.statut, StatutUsage);
        EXPECT_EQ(Depuis(e.erreurs, "Usage"), "Usage :");
        EXPECT_EQ(e.sortie, "");
    }
}

// The fields as rewritten, the message escaped; one empty field only.
TEST(CommandesCli, ValeurManquante) {
    const L solve{"solve", "--amount", "10000"}, json{"--format", "json"};
    auto e = Execute(solve + L{"--duration", "12", "--payment", "860"} + json);
    EXPECT_EQ(e.statut, StatutReussi);
    EXPECT_EQ(Depuis(e.sortie, "{"),
              R"({"fields": {"amount": "10000,00", "duration": "12", "rate": "5,86", "payment": "860,02"})");
    EXPECT_EQ(Depuis(e.sortie, "5,86%").substr(0, 16), R"(5,86%\r\nLa mens)");
    EXPECT_EQ(Depuis(e.sortie, "\"error"), R"("error": null})");
    e = Execute(solve + L{"--rate", "6"});
    EXPECT_EQ(e.statut, StatutEchecCalcul);
    EXPECT_EQ(e.erreurs, "Une seule zone doit être vide pour que Amortix recherche la valeur manquante.\n");
    e = Execute(
        L{"solve", "--amount", "100000", "--rate", "5", "--payment", "1000", "--frequency", "trimestres"} +
        json);
    EXPECT_EQ(e.statut, StatutEchecCalcul);
    EXPECT_EQ(Depuis(e.sortie, "ou incoh"), R"(ou incohérentes, veuillez les corriger."})");
    e = Execute(solve + L{"--duration", "12", "--rate", "6"});
    EXPECT_EQ(Depuis(e.sortie, "Montant échéance"), "Montant échéance :      860,66");
}

// Each row's premium, the kinds named once; a loan without them prints no such line.
TEST(CommandesCli, AssuranceEnTauxEtDiffere) {
    const L pret = {"schedule", "--amount", "100000", "--duration", "240", "--rate", "3", "--format", "json"};
    const L taux{"--insurance-rate", "0,36"};
    const auto e =
        Execute(pret + taux +
                L{"--insurance-base", "remaining", "--deferral", "partial", "--deferral-periods", "12"});
    const std::string& j = e.sortie;
    EXPECT_EQ(Depuis(j, "\"insurance_rate"), R"("insurance_rate": "0,36", "insurance_base": "remaining")");
    EXPECT_EQ(Depuis(j, "\"deferral"), R"("deferral": "partial", "deferral_periods": "12")");
    EXPECT_EQ(Depuis(j, "[\"13\""),
              R"(["13", "31/01/2008", "584,60", "250,00", "30,00", "304,60", "99695,40"])");
    EXPECT_EQ(Depuis(Execute(pret).sortie, "\"insurance_rate"), "(absent)");

    const auto refus = Execute(pret + L{"--deferral", "total", "--deferral-periods", "25"});
    EXPECT_EQ(refus.statut, StatutEchecCalcul);
    EXPECT_EQ(Depuis(refus.sortie, "\"error"), R"("error": "Le différé ne peut pas dépasser 24 mois."})");
    EXPECT_EQ(Depuis(Execute(pret + taux).erreurs, "amortix-cli"),
              "amortix-cli : --insurance-rate et --insurance-base vont ensemble");
}
