#include "FichierUtilisateur.h"

#include "../commun/DisquePlein.h"
#include "../commun/Fichiers.h"
#include "ErreursSysteme.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace amortix;

namespace {

bool EstTube(const QString& chemin) {
    struct stat etat {};
    return ::stat(QFile::encodeName(chemin).constData(), &etat) == 0 && S_ISFIFO(etat.st_mode);
}

} // namespace

// Whatever stands at the path, reading ends at once (a pipe never blocks, a device is never read
// without end) and says why in French.
TEST(FichierUtilisateur, LectureDesFichiersQuiNenSontPas) {
    QTemporaryDir dossier;
    const auto chemin = [&](const char* nom) { return dossier.filePath(QLatin1String(nom)); };
    ASSERT_EQ(::mkfifo(QFile::encodeName(chemin("tube")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), chemin("zero")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/urandom"), chemin("alea")));
    ASSERT_TRUE(QDir(dossier.path()).mkdir(QStringLiteral("dossier")));
    ASSERT_TRUE(Ecrit(chemin("gros"), QByteArray(1025, 'a')));
    ASSERT_TRUE(Ecrit(chemin("juste"), QByteArray(1024, 'a')));
    ASSERT_TRUE(Ecrit(chemin("vide"), QByteArray()));
    ASSERT_TRUE(QFile::link(chemin("absent"), chemin("lien-mort")));

    const struct {
        const char* nom;
        bool present;
        const char* cause; // the end of the description; none when the file is read
    } cas[] = {
        {"tube", true, "c'est un tube nommé, pas un fichier ordinaire."},
        {"zero", true, "c'est un périphérique, pas un fichier ordinaire."},
        {"alea", true, "c'est un périphérique, pas un fichier ordinaire."},
        {"dossier", true, "c'est un dossier, pas un fichier."},
        {"gros", true, "bien plus qu'un tel fichier ne compte."},
        {"absent", false, "fichier ou dossier introuvable."},
        {"lien-mort", false, "fichier ou dossier introuvable."},
        {"juste", true, nullptr},
        {"vide", true, nullptr},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const FichierLu lu = LitFichierUtilisateur(chemin(c.nom), 1024);
        EXPECT_EQ(lu.present, c.present);
        if (!c.cause) {
            EXPECT_TRUE(lu.lu());
            EXPECT_EQ(lu.octets, Contenu(chemin(c.nom)));
            continue;
        }
        ASSERT_TRUE(lu.erreur);
        EXPECT_TRUE(lu.octets.isEmpty());
        EXPECT_TRUE(lu.erreur->description.startsWith(
            QStringLiteral("Le fichier « %1 » n'a pas pu être lu : ").arg(chemin(c.nom))));
        EXPECT_TRUE(lu.erreur->description.endsWith(QString::fromUtf8(c.cause)))
            << lu.erreur->description.toStdString();
    }
}

// A target that is not a regular file is never replaced: renaming over it would turn a device or a
// pipe into a plain file.
TEST(FichierUtilisateur, EcritureSurCeQuiNestPasUnFichier) {
    QTemporaryDir dossier;
    const QString tube = dossier.filePath(QStringLiteral("tube"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tube).constData(), 0600), 0);
    QStringList cibles = {tube, dossier.path()};
    const QString peripherique = dossier.filePath(QStringLiteral("nul"));
    if (::mknod(QFile::encodeName(peripherique).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        cibles << peripherique;
        const QString lien = dossier.filePath(QStringLiteral("lien"));
        ASSERT_TRUE(QFile::link(peripherique, lien));
        cibles << lien;
    }
    for (const QString& cible : cibles) {
        SCOPED_TRACE(cible.toStdString());
        const auto erreur = EcritFichierUtilisateur(cible, QByteArray("contenu"));
        ASSERT_TRUE(erreur);
        EXPECT_EQ(erreur->numero, ErreurOuverture);
        EXPECT_TRUE(erreur->description.contains(QStringLiteral("il est laissé tel quel.")));
    }
    EXPECT_TRUE(EstTube(tube));
    if (cibles.size() > 2) {
        EXPECT_TRUE(QFileInfo(peripherique).exists() && !QFileInfo(peripherique).isFile());
    }
    // Nothing else beside them: no temporary file either.
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(),
              cibles.size() - 1);
}

// A writer that gives up, or a disk that fills up: the old file stays whole and no temporary file
// is left beside it.
TEST(FichierUtilisateur, LAncienFichierResteEntier) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("pret.amx"));
    ASSERT_TRUE(Ecrit(chemin, "ancien"));
    const auto abandon = EcritFichierUtilisateur(chemin, [](QIODevice& destination) -> std::optional<Erreur> {
        destination.write("nouveau, à moitié");
        return Erreur{42, QStringLiteral("abandon")};
    });
    ASSERT_TRUE(abandon);
    EXPECT_EQ(abandon->numero, 42);
    EXPECT_EQ(Contenu(chemin), QByteArray("ancien"));
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{QStringLiteral("pret.amx")});
    ASSERT_FALSE(EcritFichierUtilisateur(chemin, QByteArray("nouveau")));
    EXPECT_EQ(Contenu(chemin), QByteArray("nouveau"));
    // The settings files keep what follows the bytes written.
    ASSERT_FALSE(RemplaceDebutFichier(chemin, "NO"));
    EXPECT_EQ(Contenu(chemin), QByteArray("NOuveau"));

    DisquePlein disque;
    if (!disque.pret())
        GTEST_SKIP() << disque.raison();
    const QString sature = disque.chemin(QStringLiteral("pret.amx"));
    const QByteArray ancien(48, 'a');
    ASSERT_TRUE(disque.place(QStringLiteral("pret.amx"), ancien));
    disque.remplit();
    // Small enough to stay in the write buffer until the very end, and large.
    for (const int taille : {100, 20000}) {
        const auto erreur = EcritFichierUtilisateur(sature, QByteArray(taille, 'b'));
        ASSERT_TRUE(erreur) << taille;
        EXPECT_TRUE(erreur->description.endsWith(QStringLiteral("plus d'espace disponible sur le disque.")))
            << erreur->description.toStdString();
        EXPECT_EQ(Contenu(sature), ancien);
        EXPECT_EQ(disque.fichiers(), QStringList{QStringLiteral("pret.amx")});
    }
}

TEST(ErreursSysteme, EnFrancais) {
    EXPECT_EQ(DescriptionErreurSysteme(ENOSPC), QStringLiteral("plus d'espace disponible sur le disque"));
    EXPECT_EQ(EnFrancais(QStringLiteral("No space left on device")),
              QStringLiteral("plus d'espace disponible sur le disque"));
    EXPECT_EQ(EnFrancais(QStringLiteral("Permission denied")), QStringLiteral("permission refusée"));
    EXPECT_EQ(EnFrancais(QString::fromLocal8Bit(std::strerror(EROFS))),
              QStringLiteral("le disque est en lecture seule"));
    EXPECT_EQ(EnFrancais(QStringLiteral("déjà en français")), QStringLiteral("déjà en français"));
}
