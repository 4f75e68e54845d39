#include "FichierUtilisateur.h"

#include "ErreursSysteme.h"
#include "Fichiers.h"

#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace amortix;

namespace {

// A read as it ended: whether a file was there, its bytes, and why it
// could not be read after "Le fichier « … » n'a pas pu être lu : ".
struct Lecture {
    bool present;
    QByteArray octets;
    QString raison;
    bool operator==(const Lecture&) const = default;
};

void PrintTo(const Lecture& l, std::ostream* flux) {
    *flux << (l.present ? "présent, " : "absent, ") << l.octets.size() << " octets, « "
          << qPrintable(l.raison) << " »";
}

Lecture Lit(const QString& chemin) {
    const FichierLu lu = LitFichierUtilisateur(chemin, 1024);
    const QString debut = "Le fichier « " + chemin + " » n'a pas pu être lu : ";
    QString raison = lu.erreur ? lu.erreur->description : "";
    if (raison.startsWith(debut))
        raison.remove(0, debut.size());
    return {lu.present, lu.octets, raison};
}

QString Ligne(const std::optional<Erreur>& erreur) {
    return erreur ? erreur->ligne() : "aucune erreur";
}

} // namespace

// Whatever stands at the path, reading ends at once (a device is never
// read without end; a pipe, the window's settings) and says why.
TEST(FichierUtilisateur, LectureDesFichiersQuiNenSontPas) {
    QTemporaryDir d;
    const auto chemin = [&d](const char* nom) { return d.filePath(nom); };
    const QByteArray kio(1024, 'a');
    ASSERT_TRUE(QFile::link("/dev/zero", chemin("zero")));
    ASSERT_TRUE(QDir(d.path()).mkdir("dossier"));
    ASSERT_TRUE(Ecrit(chemin("gros"), kio + 'a'));
    ASSERT_TRUE(Ecrit(chemin("juste"), kio));
    ASSERT_TRUE(Ecrit(chemin("vide"), ""));
    const QString taille = QLocale().formattedDataSize(1024);
    EXPECT_EQ(Lit(chemin("zero")), (Lecture{true, "", "c'est un périphérique, pas un fichier ordinaire."}));
    EXPECT_EQ(Lit(chemin("dossier")), (Lecture{true, "", "c'est un dossier, pas un fichier."}));
    EXPECT_EQ(Lit(chemin("gros")),
              (Lecture{true, "", "il dépasse " + taille + ", bien plus qu'un tel fichier ne compte."}));
    EXPECT_EQ(Lit(chemin("absent")), (Lecture{false, "", "fichier ou dossier introuvable."}));
    EXPECT_EQ(Lit(chemin("juste")), (Lecture{true, kio, ""}));
    EXPECT_EQ(Lit(chemin("vide")), (Lecture{true, "", ""}));
}

// A target that is not a regular file is never replaced: renaming over
// it would make a pipe a plain file (likewise a device as the command
// line's output). A writer giving up leaves the old file whole. No
// temporary file is left beside either.
TEST(FichierUtilisateur, EcritureRefuseeOuAbandonnee) {
    QTemporaryDir d;
    const QString pret = d.filePath("pret.amx"), tube = d.filePath("tube");
    ASSERT_EQ(::mkfifo(qPrintable(tube), 0600), 0);
    ASSERT_TRUE(Ecrit(pret, "ancien"));
    const auto refus = [](const QString& chemin, const char* nature) {
        return Erreur{ErreurOuverture, "Le fichier « " + chemin + " » n'a pas pu être écrit : " + nature +
                                           " ; il est laissé tel quel."}
            .ligne();
    };
    EXPECT_EQ(Ligne(EcritFichierUtilisateur(tube, "contenu")),
              refus(tube, "c'est un tube nommé, pas un fichier ordinaire"));
    EXPECT_EQ(Ligne(EcritFichierUtilisateur(d.path(), "contenu")),
              refus(d.path(), "c'est un dossier, pas un fichier"));
    struct stat etat {};
    ASSERT_EQ(::stat(qPrintable(tube), &etat), 0);
    EXPECT_TRUE(S_ISFIFO(etat.st_mode));
    const auto abandon = [](QIODevice& destination) -> std::optional<Erreur> {
        destination.write("nouveau, à moitié");
        return Erreur{42, "abandon"};
    };
    EXPECT_EQ(Ligne(EcritFichierUtilisateur(pret, abandon)), "Erreur 42 : abandon");
    EXPECT_EQ(Contenu(pret), "ancien");
    const auto tous = QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot;
    EXPECT_EQ(QDir(d.path()).entryList(tous), (QStringList{"pret.amx", "tube"}));
}

TEST(ErreursSysteme, EnFrancais) {
    EXPECT_EQ(DescriptionErreurSysteme(ENOSPC), "plus d'espace disponible sur le disque");
    EXPECT_EQ(EnFrancais("Permission denied"), "permission refusée");
    const QString erofs = QString::fromLocal8Bit(std::strerror(EROFS));
    EXPECT_EQ(EnFrancais(erofs), "le disque est en lecture seule");
    EXPECT_EQ(EnFrancais("déjà en français"), "déjà en français");
}
