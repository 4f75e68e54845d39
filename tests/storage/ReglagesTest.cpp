#include "DossierReglages.h"
#include "FichierOptions.h"
#include "Fichiers.h"
#include "StockEntetes.h"
#include "Windows1252.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace amortix;

// Each option has its own rule: only "1" shows the TEG in the outputs, only "0" hides the welcome screen,
// only "2" picks the proportional TEG. Written back, the three bytes replace the first three, the rest stays.
TEST(FichierOptions, LectureEtEcritureSelonLesOctets) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(NomFichierOptions);
    const std::pair<QByteArray, Options> cas[] = {
        {"", {false, true, true}},      {"1x1", {true, true, true}},
        {"002", {false, false, false}}, {"2", {false, true, true}},
        {"10", {true, false, true}},    {QByteArray("0\0002extra", 8), {false, true, false}}};
    for (const auto& [octets, attendu] : cas) {
        ASSERT_TRUE(Ecrit(chemin, octets));
        EXPECT_EQ(LitOptions(chemin, true).options, attendu) << octets.toStdString();
    }
    // A missing file gives the defaults and is created empty, when asked.
    QFile::remove(chemin);
    EXPECT_EQ(LitOptions(chemin, false).options, Options{});
    EXPECT_EQ(Contenu(chemin), "absent");
    const LectureOptions absent = LitOptions(chemin, true);
    EXPECT_EQ(absent.options, Options{});
    EXPECT_FALSE(absent.erreur.has_value());
    EXPECT_EQ(Contenu(chemin), QByteArray());
    for (const auto& [avant, options, apres] : {std::tuple{"", Options{true, false, false}, "102"},
                                                {"xxxxxx", Options{true, true, true}, "111xxx"}}) {
        ASSERT_TRUE(Ecrit(chemin, avant));
        ASSERT_FALSE(EcritOptions(chemin, options).has_value());
        EXPECT_EQ(Contenu(chemin), QByteArray(apres));
    }
}

// One record of three fields of 255 bytes, padded with spaces, in the single-byte code page; no store, or one
// shorter than a record, gives the default record. A store that cannot be written or read (a folder stands in
// its place, which stops root too): the defaults, and the reason for the warning.
TEST(StockEntetes, DefautsLongueursEtCodage) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(NomStockEntetes), dossierALaPlace = dossier.filePath("a");
    const EnregistrementEntetes defaut = EnregistrementEntetesParDefaut();
    const LectureEntetes absent = LitEnregistrementEntetes(chemin);
    EXPECT_EQ(absent.enregistrement, defaut);
    EXPECT_FALSE(absent.erreur.has_value());
    ASSERT_TRUE(QDir().mkdir(dossierALaPlace));
    EXPECT_TRUE(EcritEnregistrementEntetes(dossierALaPlace, defaut));
    const LectureEntetes illisible = LitEnregistrementEntetes(dossierALaPlace);
    EXPECT_EQ(illisible.enregistrement, defaut);
    EXPECT_TRUE(illisible.erreur.has_value());
    EXPECT_TRUE(defaut.enteteImpression.contains(QStringLiteral("Amortix")));
    EXPECT_EQ(defaut.enteteExcel,
              QStringLiteral("Tableau Excel réalisé avec Amortix - https://amortix.example.org"));
    ASSERT_TRUE(Ecrit(chemin, QByteArray(764, 'a')));
    EXPECT_EQ(LitEnregistrementEntetes(chemin).enregistrement, defaut);

    // Longer texts are cut at 255 characters.
    const QString exact = QString(254, QLatin1Char('x')) + QLatin1Char('y');
    const QString accents = QStringLiteral("Crédit à 3 % – 1 000 € d'œuvre, « Noël »");
    ASSERT_FALSE(EcritEnregistrementEntetes(chemin, {exact, QString(300, QLatin1Char('z')), accents}));
    const QByteArray octets = Contenu(chemin);
    EXPECT_EQ(std::tuple(octets.size(), octets.mid(255, 255)), std::tuple(765, QByteArray(255, 'z')));
    EXPECT_TRUE(octets.mid(510).contains("\x80")); // €
    EXPECT_TRUE(octets.mid(510).contains("\x9c")); // œ
    EXPECT_EQ(LitEnregistrementEntetes(chemin).enregistrement,
              (EnregistrementEntetes{exact, QString(255, QLatin1Char('z')), accents}));

    // Bytes beyond the record stay.
    ASSERT_TRUE(Ecrit(chemin, QByteArray(765, 'a') + "suite"));
    ASSERT_FALSE(EcritEnregistrementEntetes(chemin, {"a", "b", "c"}));
    EXPECT_EQ(Contenu(chemin).mid(765), QByteArray("suite")); // 770 bytes in all
}

TEST(Windows1252, AllerRetour) {
    const QString tout = QStringLiteral("àâçéèêëîïôûùüÿÀÇÉÈŒœ€‘’“”…–—™ ¤");
    EXPECT_EQ(DepuisWindows1252(VersWindows1252(tout)), tout);
    EXPECT_EQ(VersWindows1252(QStringLiteral("€é漢")), QByteArray("\x80\xe9?"));
}

TEST(DossierReglages, LeDossierDuProgrammeSinonLaConfiguration) {
    QTemporaryDir programme, configuration;
    const QString cree = configuration.filePath(QStringLiteral("amortix"));
    EXPECT_EQ(ChoisitDossierReglages(programme.path(), cree), QDir(programme.path()).absolutePath());
    EXPECT_EQ(ChoisitDossierReglages(programme.filePath(QStringLiteral("absent")), cree), cree);
    EXPECT_TRUE(QFileInfo(cree).isDir());
    // Never a system folder, even one root can write to: files there would belong to no package.
    for (const char* systeme : {"/usr/bin", "/usr", "/opt/amortix", "/etc", "/lib64", "/sbin", "/bin"})
        EXPECT_TRUE(EstDossierSysteme(QLatin1String(systeme))) << systeme;
    for (const char* autre : {"/home/a/usr", "/usrlocal", "/media/cle/Amortix", "/tmp"})
        EXPECT_FALSE(EstDossierSysteme(QLatin1String(autre))) << autre;
}
