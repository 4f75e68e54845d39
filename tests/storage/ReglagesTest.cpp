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

namespace amortix {
void PrintTo(const EnregistrementEntetes& e, std::ostream* flux) {
    *flux << qPrintable(e.enteteImpression + " | " + e.enteteExcel + " | " + e.cheminImage);
}
} // namespace amortix

namespace {

// TEG in the outputs, welcome screen, actuarial TEG.
std::string Bits(const Options& o) {
    return {"01"[o.tegDansSorties], "01"[o.afficheEcranAccueil], "01"[o.tegActuariel]};
}

} // namespace

// Only "1" shows the TEG, only "0" hides the welcome, only "2" picks the proportional TEG.
TEST(FichierOptions, LectureEtEcritureSelonLesOctets) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(NomFichierOptions);
    const QByteArray nul("0\0002extra", 8);
    const std::pair<QByteArray, const char*> cas[] = {{"", "011"},  {"1x1", "111"}, {"002", "000"},
                                                      {"2", "011"}, {"10", "101"},  {nul, "010"}};
    for (const auto& [octets, bits] : cas) {
        ASSERT_TRUE(Ecrit(chemin, octets));
        EXPECT_EQ(Bits(LitOptions(chemin, true).options), bits) << octets.data();
    }
    // A missing file gives the defaults and is created empty, when asked.
    QFile::remove(chemin);
    EXPECT_EQ(Bits(LitOptions(chemin, false).options), "011");
    EXPECT_EQ(Contenu(chemin), "absent");
    EXPECT_EQ(LitOptions(chemin, true).erreur, std::nullopt);
    EXPECT_EQ(Contenu(chemin), "");
    // Written back, the three bytes replace the first three.
    ASSERT_EQ(EcritOptions(chemin, {true, false, false}), std::nullopt);
    EXPECT_EQ(Contenu(chemin), "102");
    ASSERT_TRUE(Ecrit(chemin, "xxxxxx"));
    ASSERT_EQ(EcritOptions(chemin, {true, true, true}), std::nullopt);
    EXPECT_EQ(Contenu(chemin), "111xxx");
}

// Three fields of 255 bytes, space-padded, in the single-byte code page.
TEST(StockEntetes, DefautsLongueursEtCodage) {
    QTemporaryDir d;
    const QString chemin = d.filePath(NomStockEntetes);
    const QString dossier = d.filePath("a");
    const EnregistrementEntetes defaut = EnregistrementEntetesParDefaut();
    EXPECT_TRUE(defaut.enteteImpression.contains("Amortix"));
    EXPECT_EQ(defaut.enteteExcel.left(13), "Tableau Excel");
    // No store, or one shorter than a record: the defaults, no error.
    const LectureEntetes absent = LitEnregistrementEntetes(chemin);
    EXPECT_EQ(absent.enregistrement, defaut);
    EXPECT_EQ(absent.erreur, std::nullopt);
    ASSERT_TRUE(Ecrit(chemin, QByteArray(764, 'a')));
    EXPECT_EQ(LitEnregistrementEntetes(chemin).enregistrement, defaut);
    // A folder there (it stops root too): the defaults and the reason.
    ASSERT_TRUE(QDir().mkdir(dossier));
    EXPECT_NE(EcritEnregistrementEntetes(dossier, defaut), std::nullopt);
    const LectureEntetes illisible = LitEnregistrementEntetes(dossier);
    EXPECT_EQ(illisible.enregistrement, defaut);
    EXPECT_NE(illisible.erreur, std::nullopt);

    // Longer texts are cut at 255 characters.
    const QString exact = QString(254, 'x') + 'y';
    const QString accents = "Crédit à 3 % – 1 000 € d'œuvre, « Noël »";
    const EnregistrementEntetes long_{exact, QString(300, 'z'), accents};
    ASSERT_EQ(EcritEnregistrementEntetes(chemin, long_), std::nullopt);
    const QByteArray z(255, 'z');
    EXPECT_EQ(Contenu(chemin), exact.toLatin1() + z + VersWindows1252(accents).leftJustified(255));
    const EnregistrementEntetes coupe{exact, z, accents};
    EXPECT_EQ(LitEnregistrementEntetes(chemin).enregistrement, coupe);

    // Bytes beyond the record stay.
    ASSERT_TRUE(Ecrit(chemin, QByteArray(765, 'a') + "suite"));
    ASSERT_EQ(EcritEnregistrementEntetes(chemin, {"a", "b", "c"}), std::nullopt);
    EXPECT_EQ(Contenu(chemin).mid(765), "suite");
}

TEST(Windows1252, AllerRetour) {
    const QString tout = "àâçéèêëîïôûùüÿÀÇÉÈŒœ€‘’“”…–—™ ¤";
    EXPECT_EQ(DepuisWindows1252(VersWindows1252(tout)), tout);
    EXPECT_EQ(VersWindows1252("€é漢–œ«"), "\x80\xe9?\x96\x9c\xab");
}

TEST(DossierReglages, LeDossierDuProgrammeSinonLaConfiguration) {
    QTemporaryDir programme, configuration;
    const QString cree = configuration.filePath("amortix");
    const QString absent = programme.filePath("absent");
    EXPECT_EQ(ChoisitDossierReglages(programme.path(), cree), programme.path());
    EXPECT_EQ(ChoisitDossierReglages(absent, cree), cree);
    EXPECT_TRUE(QFileInfo(cree).isDir());
    // Never a system folder, even one root can write to: a package owns it.
    for (const char* d : {"/usr/bin", "/usr", "/opt/amortix", "/etc", "/lib64", "/sbin", "/bin"})
        EXPECT_TRUE(EstDossierSysteme(d)) << d;
    for (const char* d : {"/home/a/usr", "/usrlocal", "/media/cle/Amortix", "/tmp"})
        EXPECT_FALSE(EstDossierSysteme(d)) << d;
}
