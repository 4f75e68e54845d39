#include "LectureClasseur.h"
#include "SupportCli.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace amortix;
using namespace amortix::sortiecli;

TEST(CommandeExportClasseur, AvecEtSansLeTEGPuisDossierAbsent) {
    QTemporaryDir dossier;
    Module reglages; // nothing ever stored
    const auto exporte = [&](const QString& fichier) {
        const QStringList a{"export",     "--xlsx", fichier,  "--amount", "10000",
                            "--duration", "12",     "--rate", "6"};
        return Execute(a, QLocale(QLocale::French), reglages);
    };
    const QString chemin = dossier.filePath("tableau.xlsx");
    const auto cellule = [&chemin](const char* nom) {
        return LitClasseur(chemin)["cellules"].toObject()[nom].toObject().value("valeur");
    };

    auto e = exporte(chemin);
    ASSERT_EQ(e.statut, StatutReussi) << e.erreurs;
    EXPECT_TRUE(cellule("E5").isUndefined());
    EXPECT_EQ(e.erreurs, "");

    // The stored options and header apply as in the window.
    reglages.blnTEGDansExcel = true;
    reglages.strEnteteExcel = "Agence du Centre";
    e = exporte(chemin);
    ASSERT_EQ(e.statut, StatutReussi) << e.erreurs;
    EXPECT_EQ(cellule("E5").toString(), " TEG: 6,1667 %");
    EXPECT_EQ(cellule("A1").toString(), "Agence du Centre");

    e = exporte(dossier.filePath("absent/tableau.xlsx"));
    EXPECT_EQ(e.statut, StatutEchecCalcul);
    EXPECT_EQ(e.erreurs.substr(0, 50), "amortix-cli : Erreur 5 (étape 1) : Le fichier « ");
}
