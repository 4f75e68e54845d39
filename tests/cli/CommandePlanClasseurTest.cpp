#include "CommandesCli.h"
#include "DocumentsDuPlan.h"
#include "LectureClasseur.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace amortix;

namespace {

// What a cell of sheet `feuille` holds as openpyxl reads it: a number to the cent, a «text», or
// "vide".
std::string Valeur(const QJsonObject& feuille, const char* cellule) {
    const QJsonValue valeur = feuille.value("cellules").toObject().value(cellule).toObject().value("valeur");
    if (valeur.isDouble())
        return QString::number(valeur.toDouble(), 'f', 2).toStdString();
    if (valeur.isString())
        return "«" + valeur.toString().toStdString() + "»";
    return "vide";
}

} // namespace

// The worked plan (a 0 % loan of 40 000 over 240 months, the main loan 160 000 at 3,5 % over 300)
// as a workbook: the smoothed loan's schedule first, then the plan's periods, with the figures that
// `plan` prints.
TEST(CommandePlanClasseur, LePretLisseEtLePlan) {
    QTemporaryDir dossier;
    const auto [ptz, banque] = EcritDocumentsDuPlan(dossier);
    const QString chemin = dossier.filePath(QStringLiteral("plan.xlsx"));
    std::string sortie, erreurs;
    ASSERT_EQ(ExecuteCli({"plan", "--smooth", banque, ptz, "--xlsx", chemin},
                         QLocale(QLocale::French, QLocale::France), QDate(2007, 1, 31), Module{}, sortie,
                         erreurs),
              StatutReussi)
        << erreurs;
    EXPECT_EQ(sortie, "");

    const QJsonObject lisse = LitClasseur(chemin, 0);
    EXPECT_EQ(lisse.value("feuilles").toArray(), QJsonArray({"Amortix", "Plan de financement"}));
    EXPECT_EQ(Valeur(lisse, "C11"), "778.20");
    EXPECT_EQ(Valeur(lisse, "C310"), "943.04");

    const QJsonObject plan = LitClasseur(chemin, 1);
    struct Cellule {
        const char* nom;
        std::string valeur;
    };
    for (const Cellule& c : {
             Cellule{.nom = "E3", .valeur = "944.87"},       // the level
             Cellule{.nom = "C8", .valeur = "«banque.amx»"}, // the smoothing loan first
             Cellule{.nom = "D8", .valeur = "«ptz.amx»"},
             Cellule{.nom = "B248", .valeur = "«31/12/2026»"}, // period 240
             Cellule{.nom = "C248", .valeur = "779.00"}, Cellule{.nom = "D248", .valeur = "165.87"},
             Cellule{.nom = "E248", .valeur = "944.87"},
             Cellule{.nom = "C249", .valeur = "944.87"}, // period 241: the state loan has ended
             Cellule{.nom = "D249", .valeur = "vide"},
             Cellule{.nom = "E308", .valeur = "943.04"}, // period 300
         })
        EXPECT_EQ(Valeur(plan, c.nom), c.valeur) << c.nom;
    EXPECT_EQ(DecritCellule(plan.value("cellules").toObject().value("B9").toObject()),
              "«31/01/2007» | Arial 10 | droite/- | apostrophe | traits fin/fin/cheveu/fin");
}
