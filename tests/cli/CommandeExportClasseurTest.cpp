#include "CommandesCli.h"
#include "LectureClasseur.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace amortix;

TEST(CommandeExportClasseur, AvecEtSansLeTEGPuisDossierAbsent) {
    QTemporaryDir dossier;
    Module reglages; // nothing ever stored
    std::string erreurs;
    const auto exporte = [&](const QString& chemin) {
        std::string sortie;
        erreurs.clear();
        return ExecuteCli(
            {"export", "--xlsx", chemin, "--amount", "10000", "--duration", "12", "--rate", "6"},
            QLocale(QLocale::French, QLocale::France), QDate(2007, 1, 31), reglages, sortie, erreurs);
    };
    const QString chemin = dossier.filePath("tableau.xlsx");
    const auto cellule = [&chemin](const char* nom) {
        const auto cellules = LitClasseur(chemin)["cellules"].toObject();
        return cellules[nom].toObject().value("valeur");
    };

    ASSERT_EQ(exporte(chemin), StatutReussi) << erreurs;
    EXPECT_TRUE(cellule("E5").isUndefined());
    EXPECT_EQ(erreurs, "");

    // The stored options and header apply as in the window.
    reglages.blnTEGDansExcel = true;
    reglages.strEnteteExcel = "Agence du Centre";
    ASSERT_EQ(exporte(chemin), StatutReussi) << erreurs;
    // The worked example's TEG.
    EXPECT_EQ(cellule("E5").toString(), " TEG: 6,1667 %");
    EXPECT_EQ(cellule("A1").toString(), "Agence du Centre");

    const QString absent = dossier.filePath("absent/tableau.xlsx");
    EXPECT_EQ(exporte(absent), StatutEchecCalcul);
    const std::string debut = "amortix-cli : Erreur 5 (étape 1) : Le fichier « " + absent.toStdString() +
                              " » n'a pas pu être écrit : fichier ou dossier introuvable.";
    EXPECT_EQ(erreurs.substr(0, debut.size()), debut);
}
