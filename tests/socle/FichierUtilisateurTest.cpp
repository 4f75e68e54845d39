#include "FichierUtilisateur.h"

#include "ErreursSysteme.h"
#include "Fichiers.h"

#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace amortix;

namespace {

// A read as it ended: there (oui) or not, its size, why not read.
QString Lit(const QString& chemin) {
    const FichierLu lu = LitFichierUtilisateur(chemin, 1024);
    QString raison = lu.erreur ? lu.erreur->description : "";
    raison.remove("Le fichier « " + chemin + " » n'a pas pu être lu : ");
    return (lu.present ? "oui " : "non ") + QString::number(lu.octets.size()) + " " + raison;
}

// A write's error line, the part that names the file cut.
QString Ligne(const std::optional<Erreur>& erreur, const QString& chemin = {}) {
    return erreur ? erreur->ligne().remove("Le fichier « " + chemin + " » n'a pas pu être écrit : ") : "rien";
}

} // namespace

// Whatever is at the path, even an endless device, the read stops at once and says why.
TEST(FichierUtilisateur, LectureDesFichiersQuiNenSontPas) {
    QTemporaryDir d;
    const auto lit = [&d](const char* nom) { return Lit(d.filePath(nom)); };
    const QByteArray kio(1024, 'a');
    ASSERT_TRUE(QFile::link("/dev/zero", d.filePath("zero")));
    ASSERT_TRUE(QDir(d.path()).mkdir("dossier"));
    ASSERT_TRUE(Ecrit(d.filePath("gros"), kio + 'a'));
    ASSERT_TRUE(Ecrit(d.filePath("juste"), kio));
    ASSERT_TRUE(Ecrit(d.filePath("vide"), ""));
    const QString taille = QLocale().formattedDataSize(1024);
    EXPECT_EQ(lit("zero"), "oui 0 c'est un périphérique, pas un fichier ordinaire.");
    EXPECT_EQ(lit("dossier"), "oui 0 c'est un dossier, pas un fichier.");
    EXPECT_EQ(lit("gros"), "oui 0 il dépasse " + taille + ", bien plus qu'un tel fichier ne compte.");
    EXPECT_EQ(lit("absent"), "non 0 fichier ou dossier introuvable.");
    EXPECT_EQ(lit("vide"), "oui 0 ");
    EXPECT_EQ(LitFichierUtilisateur(d.filePath("juste"), 1024).octets, kio);
}

// Only a regular file is replaced; a writer giving up leaves it as it was, no temporary.
TEST(FichierUtilisateur, EcritureRefuseeOuAbandonnee) {
    QTemporaryDir d;
    const QString pret = d.filePath("pret.amx"), tube = d.filePath("tube");
    ASSERT_EQ(::mkfifo(qPrintable(tube), 0600), 0);
    ASSERT_TRUE(Ecrit(pret, "ancien"));
    const QString laisse = " ; il est laissé tel quel.";
    EXPECT_EQ(Ligne(EcritFichierUtilisateur(tube, "x"), tube),
              "Erreur 5 : c'est un tube nommé, pas un fichier ordinaire" + laisse);
    EXPECT_EQ(Ligne(EcritFichierUtilisateur(d.path(), "x"), d.path()),
              "Erreur 5 : c'est un dossier, pas un fichier" + laisse);
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
    EXPECT_EQ(EnFrancais(QString::fromLocal8Bit(std::strerror(EROFS))), "le disque est en lecture seule");
    EXPECT_EQ(EnFrancais("déjà en français"), "déjà en français");
}
