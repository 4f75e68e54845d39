#include "FichierUtilisateur.h"

#include "../commun/Fichiers.h"
#include "ErreursSysteme.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace amortix;

namespace {

struct Dossier {
    QTemporaryDir dossier;
    QString chemin(const char* nom) const { return dossier.filePath(QLatin1String(nom)); }
    QStringList entrees() const {
        return QDir(dossier.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    }
};

} // namespace

// Whatever stands at the path, reading ends at once (a device is never read without end; a pipe,
// the window's settings) and says why in French.
TEST(FichierUtilisateur, LectureDesFichiersQuiNenSontPas) {
    Dossier d;
    ASSERT_TRUE(QFile::link("/dev/zero", d.chemin("zero")) && QDir(d.dossier.path()).mkdir("dossier") &&
                Ecrit(d.chemin("gros"), QByteArray(1025, 'a')) &&
                Ecrit(d.chemin("juste"), QByteArray(1024, 'a')) && Ecrit(d.chemin("vide"), QByteArray()));
    // The end of the description for each; none when the file is read.
    const std::pair<const char*, const char*> cas[] = {
        {"zero", "c'est un périphérique, pas un fichier ordinaire."},
        {"dossier", "c'est un dossier, pas un fichier."},
        {"gros", "bien plus qu'un tel fichier ne compte."},
        {"absent", "fichier ou dossier introuvable."},
        {"juste", nullptr},
        {"vide", nullptr}};
    for (const auto& [nom, cause] : cas) {
        SCOPED_TRACE(nom);
        const FichierLu lu = LitFichierUtilisateur(d.chemin(nom), 1024);
        EXPECT_EQ(lu.present, !cause || std::string_view(cause) != "fichier ou dossier introuvable.");
        if (!cause) {
            EXPECT_TRUE(lu.lu() && lu.octets == Contenu(d.chemin(nom)));
            continue;
        }
        ASSERT_TRUE(lu.erreur && lu.octets.isEmpty());
        const QString& description = lu.erreur->description;
        EXPECT_TRUE(description.startsWith(
                        QStringLiteral("Le fichier « %1 » n'a pas pu être lu : ").arg(d.chemin(nom))) &&
                    description.endsWith(QString::fromUtf8(cause)))
            << description.toStdString();
    }
}

// A target that is not a regular file is never replaced: renaming over it would turn a pipe into a
// plain file (a device as the command line's output, likewise). No temporary file is left beside it.
TEST(FichierUtilisateur, EcritureSurCeQuiNestPasUnFichier) {
    Dossier d;
    ASSERT_EQ(::mkfifo(QFile::encodeName(d.chemin("tube")).constData(), 0600), 0);
    for (const QString& cible : {d.chemin("tube"), d.dossier.path()}) {
        const auto erreur = EcritFichierUtilisateur(cible, QByteArray("contenu"));
        ASSERT_TRUE(erreur) << cible.toStdString();
        EXPECT_EQ(erreur->numero, ErreurOuverture);
        EXPECT_TRUE(erreur->description.endsWith(QStringLiteral(" ; il est laissé tel quel.")));
    }
    struct stat etat {};
    EXPECT_TRUE(::stat(QFile::encodeName(d.chemin("tube")).constData(), &etat) == 0 &&
                S_ISFIFO(etat.st_mode));
    EXPECT_EQ(d.entrees(), QStringList{QStringLiteral("tube")});
}

// A writer that gives up: the old file stays whole and no temporary file is left beside it. A full
// disk is met by the window's save and by the command line's outputs.
TEST(FichierUtilisateur, LAncienFichierResteEntier) {
    Dossier d;
    const QString chemin = d.chemin("pret.amx");
    ASSERT_TRUE(Ecrit(chemin, "ancien"));
    const auto abandon = EcritFichierUtilisateur(chemin, [](QIODevice& destination) -> std::optional<Erreur> {
        destination.write("nouveau, à moitié");
        return Erreur{42, QStringLiteral("abandon")};
    });
    EXPECT_TRUE(abandon && abandon->numero == 42);
    EXPECT_EQ(Contenu(chemin), QByteArray("ancien"));
    EXPECT_EQ(d.entrees(), QStringList{QStringLiteral("pret.amx")});
}

TEST(ErreursSysteme, EnFrancais) {
    EXPECT_EQ(DescriptionErreurSysteme(ENOSPC), QStringLiteral("plus d'espace disponible sur le disque"));
    EXPECT_EQ(EnFrancais(QStringLiteral("Permission denied")), QStringLiteral("permission refusée"));
    EXPECT_EQ(EnFrancais(QString::fromLocal8Bit(std::strerror(EROFS))), "le disque est en lecture seule");
    EXPECT_EQ(EnFrancais(QStringLiteral("déjà en français")), QStringLiteral("déjà en français"));
}
