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
    // Housing under 10 years, 10 to 20, 20 and more, variable rate,
    // bridging; consumer credit to 3 000, 3 000 to 6 000, over 6 000.
    EXPECT_EQ(table.plafonds, (std::array{4.12, 4.59, 5.13, 4.99, 6.15, 23.56, 15.87, 8.67}));
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

    // A quarter that cannot be kept is not written: the file stays.
    TableUsure fausse = nouvelle;
    fausse.plafonds[0] = 120;
    const QByteArray avant = Contenu(chemin);
    EXPECT_NE(EnregistreTauxUsure(chemin, fausse), std::nullopt);
    EXPECT_EQ(Contenu(chemin), avant);

    // A damaged file gives its reason and the shipped table.
    ASSERT_TRUE(Ecrit(chemin, "trimestre=2026-04-01\n"));
    const LectureTauxUsure abimee = LitTauxUsureEnregistres(chemin);
    EXPECT_EQ(abimee.table, TableUsureFournie());
    ASSERT_NE(abimee.erreur, std::nullopt);
    EXPECT_EQ(abimee.erreur->description, "La table des taux d'usure ne donne pas le taux "
                                          "« immobilier, moins de 10 ans ».");
}
