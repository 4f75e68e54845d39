#include "DocumentEmprunt.h"
#include "FichierUtilisateur.h"
#include "Fichiers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace amortix;

// A document read from a file answers as every reader does: the error's number and its reason.
TEST(LectureDocument, ErreurNumeroteeEtRaison) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("pret.amx"));
    ASSERT_TRUE(Ecrit(chemin, "100000\r\n180\r\n"));
    const auto tronque = LitDocument(chemin, ConventionsFrancaises());
    ASSERT_TRUE(std::holds_alternative<Erreur>(tronque));
    EXPECT_EQ(std::get<Erreur>(tronque).numero, ErreurLecture);
    EXPECT_EQ(std::get<Erreur>(tronque).description,
              std::get<QString>(AnalyseDocument("100000\r\n180\r\n", ConventionsFrancaises())));

    const auto dossierLu = LitDocument(dossier.path(), ConventionsFrancaises());
    ASSERT_TRUE(std::holds_alternative<Erreur>(dossierLu));
    EXPECT_EQ(std::get<Erreur>(dossierLu),
              *LitFichierUtilisateur(dossier.path(), TailleMaximaleFichierAmortix).erreur);
}
