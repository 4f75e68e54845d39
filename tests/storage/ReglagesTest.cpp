#include "../commun/Fichiers.h"
#include "DossierReglages.h"
#include "FichierOptions.h"
#include "StockEntetes.h"
#include "Windows1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace amortix;

namespace {

struct Dossier {
    QTemporaryDir dossier;
    QString chemin(const QString& nom) const { return dossier.filePath(nom); }
};

} // namespace

TEST(FichierOptions, LectureSelonLesOctets) {
    Dossier d;
    const QString chemin = d.chemin(NomFichierOptions);
    const std::pair<QByteArray, Options> cas[] = {
        {"", Options{false, true, true}},
        {"1x1", Options{true, true, true}}, // only "0" turns the welcome screen off
        {"002", Options{false, false, false}},
        {"111", Options{true, true, true}},
        {"2", Options{false, true, true}},
        {"10", Options{true, false, true}},
        {QByteArray("0\x00"
                    "2extra",
                    8),
         Options{false, true, false}},
    };
    for (const auto& [octets, attendu] : cas) {
        ASSERT_TRUE(Ecrit(chemin, octets));
        EXPECT_EQ(LitOptions(chemin, true).options, attendu) << octets.toStdString();
    }
    // A missing file gives the defaults and is created empty.
    QFile::remove(chemin);
    EXPECT_EQ(LitOptions(chemin, false).options, Options{});
    EXPECT_EQ(Contenu(chemin), QByteArray("absent"));
    const LectureOptions absent = LitOptions(chemin, true);
    EXPECT_EQ(absent.options, Options{});
    EXPECT_FALSE(absent.erreur);
    EXPECT_EQ(Contenu(chemin), QByteArray());
}

TEST(FichierOptions, EcritureSansRaccourcir) {
    Dossier d;
    const QString chemin = d.chemin(NomFichierOptions);
    ASSERT_FALSE(EcritOptions(chemin, {true, false, false}));
    EXPECT_EQ(Contenu(chemin), QByteArray("102"));
    ASSERT_FALSE(EcritOptions(chemin, {false, true, true}));
    EXPECT_EQ(Contenu(chemin), QByteArray("011"));
    ASSERT_TRUE(Ecrit(chemin, "xxxxxx"));
    ASSERT_FALSE(EcritOptions(chemin, {true, true, true}));
    EXPECT_EQ(Contenu(chemin), QByteArray("111xxx"));
    EXPECT_EQ(LitOptions(chemin, false).options, (Options{true, true, true}));
}

// A settings file that cannot be written (here a folder stands in its place, which stops root too).
TEST(FichierOptions, FichierImpossibleAEcrire) {
    Dossier d;
    ASSERT_TRUE(QDir(d.dossier.path()).mkdir(NomFichierOptions));
    const auto erreur = EcritOptions(d.chemin(NomFichierOptions), {true, true, true});
    ASSERT_TRUE(erreur);
    EXPECT_TRUE(erreur->texte().startsWith(QStringLiteral("Erreur ")));
    EXPECT_TRUE(erreur->texte().contains(QStringLiteral("\r\n")));
    EXPECT_TRUE(erreur->description.contains(NomFichierOptions));
    // Read, it gives the defaults and says why, for the warning.
    const LectureOptions lecture = LitOptions(d.chemin(NomFichierOptions), true);
    EXPECT_EQ(lecture.options, Options{});
    ASSERT_TRUE(lecture.erreur);
    EXPECT_TRUE(lecture.erreur->description.endsWith(QStringLiteral("c'est un dossier, pas un fichier.")));

    ASSERT_TRUE(QDir(d.dossier.path()).mkdir(NomStockEntetes));
    EXPECT_TRUE(EcritEnregistrementEntetes(d.chemin(NomStockEntetes), EnregistrementEntetesParDefaut()));
    const LectureEntetes entetes = LitEnregistrementEntetes(d.chemin(NomStockEntetes));
    EXPECT_EQ(entetes.enregistrement, EnregistrementEntetesParDefaut());
    EXPECT_TRUE(entetes.erreur);
}

TEST(StockEntetes, DefautsEtChampsReduits) {
    Dossier d;
    const QString chemin = d.chemin(NomStockEntetes);
    // No store, or one shorter than a record: the default record.
    LectureEntetes lecture = LitEnregistrementEntetes(chemin);
    EXPECT_EQ(lecture.enregistrement, EnregistrementEntetesParDefaut());
    EXPECT_FALSE(lecture.erreur);
    EXPECT_TRUE(lecture.enregistrement.enteteImpression.contains(QStringLiteral("Amortix")));
    EXPECT_TRUE(
        lecture.enregistrement.enteteExcel.startsWith(QStringLiteral("Tableau Excel réalisé avec Amortix")));
    EXPECT_TRUE(lecture.enregistrement.cheminImage.isEmpty());
    ASSERT_TRUE(Ecrit(chemin, QByteArray(764, 'a')));
    EXPECT_EQ(LitEnregistrementEntetes(chemin).enregistrement, EnregistrementEntetesParDefaut());

    // Spaces around a text are lost; an empty header stays empty once stored.
    ASSERT_FALSE(EcritEnregistrementEntetes(
        chemin, {QStringLiteral("  Banque Dupont"), QString(), QStringLiteral("/a/logo.gif ")}));
    const QByteArray octets = Contenu(chemin);
    ASSERT_EQ(octets.size(), 765);
    EXPECT_EQ(octets.left(16), QByteArray("  Banque Dupont "));
    EXPECT_EQ(octets.mid(255, 255), QByteArray(255, ' '));
    EXPECT_EQ(
        LitEnregistrementEntetes(chemin).enregistrement,
        (EnregistrementEntetes{QStringLiteral("Banque Dupont"), QString(), QStringLiteral("/a/logo.gif")}));
}

TEST(StockEntetes, LongueursEtCodage) {
    Dossier d;
    const QString chemin = d.chemin(NomStockEntetes);
    const QString exact = QString(254, QLatin1Char('x')) + QLatin1Char('y');
    const QString long_ = QString(300, QLatin1Char('z'));
    const QString accents = QStringLiteral("Crédit à 3 % – 1 000 € d'œuvre, « Noël »");
    ASSERT_FALSE(EcritEnregistrementEntetes(chemin, {exact, long_, accents}));
    const QByteArray octets = Contenu(chemin);
    ASSERT_EQ(octets.size(), 765);
    EXPECT_EQ(octets.mid(255, 255), QByteArray(255, 'z'));
    EXPECT_TRUE(octets.mid(510).contains("\x80")); // € in the single-byte code page
    EXPECT_TRUE(octets.mid(510).contains("\x9c")); // œ
    const EnregistrementEntetes relu = LitEnregistrementEntetes(chemin).enregistrement;
    EXPECT_EQ(relu.enteteImpression, exact);
    EXPECT_EQ(relu.enteteExcel, QString(255, QLatin1Char('z')));
    EXPECT_EQ(relu.cheminImage, accents);

    // Bytes beyond the record stay.
    ASSERT_TRUE(Ecrit(chemin, QByteArray(765, 'a') + "suite"));
    ASSERT_FALSE(
        EcritEnregistrementEntetes(chemin, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_TRUE(Contenu(chemin).endsWith("suite"));
    EXPECT_EQ(Contenu(chemin).size(), 770);
}

TEST(Windows1252, AllerRetour) {
    const QString tout = QStringLiteral("àâçéèêëîïôûùüÿÀÇÉÈŒœ€‘’“”…–—™ ¤");
    EXPECT_EQ(DepuisWindows1252(VersWindows1252(tout)), tout);
    EXPECT_EQ(VersWindows1252(QStringLiteral("€")), QByteArray("\x80"));
    EXPECT_EQ(VersWindows1252(QStringLiteral("漢")), QByteArray("?"));
    EXPECT_EQ(VersWindows1252(QStringLiteral("é")), QByteArray("\xe9"));
}

TEST(DossierReglages, LeDossierDuProgrammeSinonLaConfiguration) {
    QTemporaryDir programme, configuration;
    EXPECT_EQ(ChoisitDossierReglages(programme.path(), configuration.filePath(QStringLiteral("amortix"))),
              QDir(programme.path()).absolutePath());
    const QString cree = configuration.filePath(QStringLiteral("amortix"));
    EXPECT_EQ(ChoisitDossierReglages(programme.filePath(QStringLiteral("absent")), cree), cree);
    EXPECT_TRUE(QFileInfo(cree).isDir());
    // Never a system folder, even one root can write to: files there would belong to no package.
    for (const char* systeme : {"/usr/bin", "/usr", "/opt/amortix", "/etc", "/lib64", "/sbin", "/bin"})
        EXPECT_TRUE(EstDossierSysteme(QLatin1String(systeme))) << systeme;
    for (const char* autre : {"/home/a/usr", "/usrlocal", "/media/cle/Amortix", "/tmp"})
        EXPECT_FALSE(EstDossierSysteme(QLatin1String(autre))) << autre;
}
