#include "DocumentEmprunt.h"
#include "FichierUtilisateur.h"
#include "Fichiers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace amortix;

// Read from a file, a document's error is numbered as every reader's.
TEST(LectureDocument, ErreurNumeroteeEtRaison) {
    const ConventionsLocales fr = ConventionsFrancaises();
    QTemporaryDir d;
    const QByteArray court = "100000\r\n180\r\n";
    ASSERT_TRUE(Ecrit(d.filePath("pret.amx"), court));
    // The error as one line; "lu" when there is none.
    const auto erreur = [&](const QString& chemin) {
        const auto lu = LitDocument(chemin, fr);
        const Erreur* e = std::get_if<Erreur>(&lu);
        return e ? e->ligne() : "lu";
    };
    const QString raison = std::get<QString>(AnalyseDocument(court, fr));
    const Erreur lecture{ErreurLecture, raison};
    EXPECT_EQ(erreur(d.filePath("pret.amx")), lecture.ligne());
    const auto dossier = LitFichierUtilisateur(d.path(), TailleMaximaleFichierAmortix);
    EXPECT_EQ(erreur(d.path()), dossier.erreur->ligne());
}
