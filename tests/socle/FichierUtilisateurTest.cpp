#include "FichierUtilisateur.h"

#include "ErreursSysteme.h"
#include "Fichiers.h"

#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace amortix;
using namespace Qt::StringLiterals;

namespace {

// A read as it ended: there or not, its size, why not read.
QString Lit(const QString& chemin) {
    const FichierLu lu = LitFichierUtilisateur(chemin, 1024);
    const QString debut = "Le fichier « " + chemin + " » n'a pas pu être lu : ";
    const QString etat = lu.present ? "présent " : "absent ";
    const QString raison = lu.erreur ? QString(lu.erreur->description).remove(debut) : "";
    return etat + QString::number(lu.octets.size()) + " " + raison;
}

QString Ligne(const std::optional<Erreur>& erreur) {
    return erreur ? erreur->ligne() : "aucune erreur";
}

} // namespace

// Whatever stands at the path, reading ends at once (never a device without end) and says why.
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
    const auto lit = [&](const char* nom) { return Lit(chemin(nom)); };
    EXPECT_EQ(lit("zero"), u"présent 0 c'est un périphérique, pas un fichier ordinaire."_s);
    EXPECT_EQ(lit("dossier"), u"présent 0 c'est un dossier, pas un fichier."_s);
    EXPECT_EQ(lit("gros"), "présent 0 il dépasse " + taille + ", bien plus qu'un tel fichier ne compte.");
    EXPECT_EQ(lit("absent"), u"absent 0 fichier ou dossier introuvable."_s);
    EXPECT_EQ(lit("vide"), u"présent 0 "_s);
    EXPECT_EQ(LitFichierUtilisateur(chemin("juste"), 1024).octets, kio);
}

// What is not a regular file is never replaced; a writer giving up leaves the old file; no temporary left.
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
    const auto abandon = [](QIODevice& destination) -> std::optional<Erreur> {
        destination.write("nouveau, à moitié");
        return Erreur{42, "abandon"};
    };
    EXPECT_EQ(Ligne(EcritFichierUtilisateur(pret, abandon)), u"Erreur 42 : abandon"_s);
    EXPECT_EQ(Contenu(pret), "ancien");
    const auto tous = QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot;
    EXPECT_EQ(QDir(d.path()).entryList(tous), (QStringList{"pret.amx", "tube"}));
}

TEST(ErreursSysteme, EnFrancais) {
    EXPECT_EQ(DescriptionErreurSysteme(ENOSPC), u"plus d'espace disponible sur le disque"_s);
    EXPECT_EQ(EnFrancais("Permission denied"), u"permission refusée"_s);
    const QString erofs = QString::fromLocal8Bit(std::strerror(EROFS));
    EXPECT_EQ(EnFrancais(erofs), u"le disque est en lecture seule"_s);
    EXPECT_EQ(EnFrancais("déjà en français"), u"déjà en français"_s);
}
