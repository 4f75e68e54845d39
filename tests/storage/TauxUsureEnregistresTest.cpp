#include "TauxUsureEnregistres.h"

#include "Fichiers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

// The ceilings shipped: in force from 1 January to 31 March 2026.
TEST(TauxUsureEnregistres, TableFournie) {
    const TableUsure table = TableUsureFournie();
    EXPECT_EQ(table.debut, 2026y / January / 1);
    const std::pair<CategorieUsure, double> plafonds[] = {{CategorieUsure::ImmobilierMoinsDe10Ans, 4.12},
                                                          {CategorieUsure::Immobilier10A20Ans, 4.59},
                                                          {CategorieUsure::Immobilier20AnsEtPlus, 5.13},
                                                          {CategorieUsure::ImmobilierTauxVariable, 4.99},
                                                          {CategorieUsure::PretRelais, 6.15},
                                                          {CategorieUsure::ConsommationJusqua3000, 23.56},
                                                          {CategorieUsure::Consommation3000A6000, 15.87},
                                                          {CategorieUsure::ConsommationPlusDe6000, 8.67}};
    for (const auto& [categorie, plafond] : plafonds)
        EXPECT_EQ(table.plafond(categorie), plafond) << CleCategorie(categorie);
}

TEST(TauxUsureEnregistres, TableDuDossierDesReglages) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(NomFichierTauxUsure);
    EXPECT_FALSE(LitTauxUsureEnregistres(chemin).personnalisee);

    TableUsure nouvelle = TableUsureFournie();
    nouvelle.debut = 2026y / April / 1;
    nouvelle.plafonds[2] = 5.09;
    EXPECT_EQ(EnregistreTauxUsure(chemin, nouvelle), std::nullopt);
    const LectureTauxUsure relue = LitTauxUsureEnregistres(chemin);
    EXPECT_TRUE(relue.personnalisee);
    EXPECT_EQ(relue.table, nouvelle);

    // A quarter that cannot be kept is not written: the file stays as it was.
    TableUsure fausse = nouvelle;
    fausse.plafonds[0] = 120;
    const QByteArray avant = Contenu(chemin);
    EXPECT_NE(EnregistreTauxUsure(chemin, fausse), std::nullopt);
    EXPECT_EQ(Contenu(chemin), avant);

    // A damaged file gives its reason and the shipped table.
    ASSERT_TRUE(Ecrit(chemin, "trimestre=2026-04-01\n"));
    const LectureTauxUsure abimee = LitTauxUsureEnregistres(chemin);
    EXPECT_EQ(abimee.table, TableUsureFournie());
    ASSERT_TRUE(abimee.erreur.has_value());
    EXPECT_EQ(abimee.erreur->description,
              "La table des taux d'usure ne donne pas le taux « immobilier, moins de 10 ans ».");
}
