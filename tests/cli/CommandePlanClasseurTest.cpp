#include "LectureClasseur.h"
#include "SupportCli.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace amortix;
using namespace amortix::sortiecli;

namespace {

// A cell of `feuille` as read: a number to the cent, a «text», "vide".
std::string Valeur(const QJsonObject& feuille, const char* nom) {
    const QJsonValue valeur = feuille["cellules"].toObject()[nom].toObject()["valeur"];
    if (valeur.isDouble())
        return QString::number(valeur.toDouble(), 'f', 2).toStdString();
    if (valeur.isString())
        return "«" + valeur.toString().toStdString() + "»";
    return "vide";
}

} // namespace

// The smoothed loan's schedule, then the periods as `plan` prints them.
TEST(CommandePlanClasseur, LePretLisseEtLePlan) {
    QTemporaryDir dossier;
    const auto [ptz, banque] = EcritDocumentsDuPlan(dossier);
    const QString chemin = dossier.filePath("plan.xlsx");
    const Execution e = Execute({"plan", "--smooth", banque, ptz, "--xlsx", chemin});
    ASSERT_EQ(e.statut, StatutReussi) << e.erreurs;
    EXPECT_EQ(e.sortie, "");

    const QJsonObject lisse = LitClasseur(chemin, 0);
    EXPECT_EQ(lisse["feuilles"].toArray(), (QJsonArray{"Amortix", "Plan de financement"}));
    EXPECT_EQ(Valeur(lisse, "C11"), "778.20");
    EXPECT_EQ(Valeur(lisse, "C310"), "943.04");

    const QJsonObject plan = LitClasseur(chemin, 1);
    using C = std::pair<const char*, const char*>;
    for (const auto& [nom, valeur] : {
             C{"E3", "944.87"},                               // the level
             C{"C8", "«banque.amx»"},                         // the smoothing loan first
             C{"D8", "«ptz.amx»"}, C{"B248", "«31/12/2026»"}, // period 240
             C{"C248", "779.00"}, C{"D248", "165.87"}, C{"E248", "944.87"},
             C{"C249", "944.87"},                    // 241: the state loan has ended
             C{"D249", "vide"}, C{"E308", "943.04"}, // period 300
         })
        EXPECT_EQ(Valeur(plan, nom), valeur) << nom;
    EXPECT_EQ(DecritCellule(plan["cellules"].toObject()["B9"].toObject()),
              "«31/01/2007» | Arial 10 | droite/- | apostrophe | traits fin/fin/cheveu/fin");
}
