#include "FichierUtilisateur.h"

#include "ErreursSysteme.h"
#include "Fichiers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace amortix;

// Whatever stands at the path, reading ends at once (a device is never read without end; a pipe,
// the window's settings) and says why in French.
TEST(FichierUtilisateur, LectureDesFichiersQuiNenSontPas) {
    QTemporaryDir d;
    ASSERT_TRUE(QFile::link("/dev/zero", d.filePath("zero")));
    ASSERT_TRUE(QDir(d.path()).mkdir("dossier"));
    ASSERT_TRUE(Ecrit(d.filePath("gros"), QByteArray(1025, 'a')));
    ASSERT_TRUE(Ecrit(d.filePath("juste"), QByteArray(1024, 'a')));
    ASSERT_TRUE(Ecrit(d.filePath("vide"), QByteArray()));
    // The end of the description for each; none when the file is read.
    using Cas = std::pair<const char*, const char*>;
    for (const auto& [nom, cause] :
         {Cas{"zero", "c'est un périphérique, pas un fichier ordinaire."},
          Cas{"dossier", "c'est un dossier, pas un fichier."},
          Cas{"gros", "bien plus qu'un tel fichier ne compte."},
          Cas{"absent", "fichier ou dossier introuvable."}, Cas{"juste", nullptr}, Cas{"vide", nullptr}}) {
        SCOPED_TRACE(nom);
        const FichierLu lu = LitFichierUtilisateur(d.filePath(nom), 1024);
        EXPECT_EQ(lu.present, !cause || std::string_view(cause) != "fichier ou dossier introuvable.");
        if (!cause) {
            EXPECT_TRUE(lu.lu());
            EXPECT_EQ(lu.octets, Contenu(d.filePath(nom)));
            continue;
        }
        ASSERT_TRUE(lu.erreur.has_value());
        EXPECT_EQ(lu.octets, QByteArray());
        const QString debut = QStringLiteral("Le fichier « %1 » n'a pas pu être lu : ").arg(d.filePath(nom));
        const QString fin = QString::fromUtf8(cause);
        EXPECT_EQ(lu.erreur->description.left(debut.size()), debut);
        EXPECT_EQ(lu.erreur->description.right(fin.size()), fin);
    }
}

// A target that is not a regular file is never replaced: renaming over it would turn a pipe into a plain file
// (a device as the command line's output, likewise). A writer giving up leaves the old file whole. No
// temporary file is left beside either. The window's save and the command line's outputs meet a full disk.
TEST(FichierUtilisateur, EcritureRefuseeOuAbandonnee) {
    QTemporaryDir d;
    const QString chemin = d.filePath("pret.amx");
    ASSERT_EQ(::mkfifo(QFile::encodeName(d.filePath("tube")).constData(), 0600), 0);
    ASSERT_TRUE(Ecrit(chemin, "ancien"));
    for (const QString& cible : {d.filePath("tube"), d.path()}) {
        const auto erreur = EcritFichierUtilisateur(cible, QByteArray("contenu"));
        ASSERT_TRUE(erreur.has_value()) << cible.toStdString();
        EXPECT_EQ(erreur->numero, ErreurOuverture);
        EXPECT_EQ(erreur->description.right(26), QStringLiteral(" ; il est laissé tel quel."));
    }
    struct stat etat {};
    ASSERT_EQ(::stat(QFile::encodeName(d.filePath("tube")).constData(), &etat), 0);
    EXPECT_TRUE(S_ISFIFO(etat.st_mode));
    const auto abandon = EcritFichierUtilisateur(chemin, [](QIODevice& destination) -> std::optional<Erreur> {
        destination.write("nouveau, à moitié");
        return Erreur{42, QStringLiteral("abandon")};
    });
    ASSERT_TRUE(abandon.has_value());
    EXPECT_EQ(abandon->numero, 42);
    EXPECT_EQ(Contenu(chemin), "ancien");
    EXPECT_EQ(QDir(d.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{"pret.amx", "tube"}));
}

TEST(ErreursSysteme, EnFrancais) {
    EXPECT_EQ(DescriptionErreurSysteme(ENOSPC), QStringLiteral("plus d'espace disponible sur le disque"));
    EXPECT_EQ(EnFrancais(QStringLiteral("Permission denied")), QStringLiteral("permission refusée"));
    EXPECT_EQ(EnFrancais(QString::fromLocal8Bit(std::strerror(EROFS))), "le disque est en lecture seule");
    EXPECT_EQ(EnFrancais(QStringLiteral("déjà en français")), QStringLiteral("déjà en français"));
}
