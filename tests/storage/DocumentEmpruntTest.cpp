#include "DocumentEmprunt.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace amortix;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

const QByteArray exemple = "150000,00\r\n240\r\n0\r\n4,50\r\n15,00\r\n500,00\r\n5\r\n3\r\n2004\r\n";

SaisieEmprunt Exemple() {
    return {"150000,00",
            "240",
            "4,50",
            "15,00",
            "500,00",
            Frequence::Mois,
            std::chrono::year{2004} / std::chrono::March / 5};
}

QString Raison(const QByteArray& octets) {
    const auto lecture = AnalyseDocument(octets, fr);
    return std::holds_alternative<QString>(lecture) ? std::get<QString>(lecture) : QString();
}

} // namespace

TEST(DocumentEmprunt, ExempleOctetPourOctet) {
    EXPECT_EQ(OctetsDocument(Exemple()), exemple);
    const auto lu = AnalyseDocument(exemple, fr);
    ASSERT_TRUE(std::holds_alternative<SaisieEmprunt>(lu));
    EXPECT_EQ(std::get<SaisieEmprunt>(lu), Exemple());

    // Texts in the single-byte code page; what a field shows goes back as it was.
    SaisieEmprunt accents = Exemple();
    accents.montant = "1 000 €";
    EXPECT_TRUE(OctetsDocument(accents).startsWith("1 000 \x80\r\n"));
    EXPECT_EQ(std::get<SaisieEmprunt>(AnalyseDocument(OctetsDocument(accents), fr)).montant, accents.montant);
}

TEST(DocumentEmprunt, FinsDeLigneEtLignesEnTrop) {
    // Twelve lines read as their first nine; a lone CR or LF ends a line too.
    const auto douze = AnalyseDocument(exemple + "x\r\ny\r\nz\r\n", fr);
    EXPECT_EQ(std::get<SaisieEmprunt>(douze), Exemple());
    QByteArray cr = exemple;
    cr.replace("\r\n", "\r");
    EXPECT_EQ(std::get<SaisieEmprunt>(AnalyseDocument(cr, fr)), Exemple());
    QByteArray lf = exemple;
    lf.replace("\r\n", "\n");
    EXPECT_EQ(std::get<SaisieEmprunt>(AnalyseDocument(lf, fr)), Exemple());
    // No line end after the ninth line.
    EXPECT_EQ(std::get<SaisieEmprunt>(AnalyseDocument(exemple.chopped(2), fr)), Exemple());
    // Integers read as the window reads them: blanks, a decimal part, halves to even.
    const auto arrondi = AnalyseDocument("1\r\n2\r\n 2,5 \r\n4\r\n5\r\n6\r\n28,5\r\n2\r\n2008\r\n", fr);
    EXPECT_EQ(std::get<SaisieEmprunt>(arrondi).frequence, Frequence::Semestres);
    EXPECT_EQ(std::get<SaisieEmprunt>(arrondi).premiereEcheance,
              std::chrono::year{2008} / std::chrono::February / 28);
}

TEST(DocumentEmprunt, DocumentsRefusesEntiers) {
    EXPECT_EQ(Raison(""), QStringLiteral("le fichier est vide."));
    EXPECT_EQ(Raison("150000,00\r\n240\r\n0\r\n4,50\r\n15,00\r\n"),
              QStringLiteral("il compte 5 ligne(s) au lieu de neuf."));
    QByteArray mauvais = exemple;
    EXPECT_TRUE(Raison(mauvais.replace("\r\n0\r\n", "\r\n7\r\n")).contains(QStringLiteral("ligne 3")));
    mauvais = exemple;
    EXPECT_TRUE(Raison(mauvais.replace("\r\n0\r\n", "\r\nabc\r\n")).contains(QStringLiteral("ligne 3")));
    for (const QByteArray& date :
         {QByteArray("31\r\n2\r\n2004"), QByteArray("0\r\n1\r\n2004"), QByteArray("1\r\n13\r\n2004"),
          QByteArray("1\r\n1\r\n10000"), QByteArray("1\r\n1\r\n1600"), QByteArray("a\r\n1\r\n2004"),
          QByteArray("29\r\n2\r\n2100")}) {
        EXPECT_TRUE(Raison(exemple.left(exemple.indexOf("5\r\n3\r\n")) + date + "\r\n")
                        .contains(QStringLiteral("lignes 7 à 9")))
            << date.toStdString();
    }
}

TEST(DocumentEmprunt, EnregistrementSurOuRienDuTout) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("pret"));
    ASSERT_FALSE(EnregistreDocument(chemin, Exemple()));
    QFile fichier(chemin);
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    EXPECT_EQ(fichier.readAll(), exemple);
    fichier.close();
    EXPECT_EQ(std::get<SaisieEmprunt>(LitDocument(chemin, fr)), Exemple());

    // A target that cannot be written: an error, and the old document stays whole.
    const QString autre = dossier.filePath(QStringLiteral("dossier/pret.amx"));
    ASSERT_TRUE(QDir(dossier.path()).mkpath(QStringLiteral("dossier/pret.amx/dedans")));
    const auto erreur = EnregistreDocument(autre, Exemple());
    ASSERT_TRUE(erreur);
    EXPECT_TRUE(erreur->texte().startsWith(QStringLiteral("Erreur ")));
    EXPECT_TRUE(QFileInfo(autre).isDir());

    EXPECT_TRUE(
        std::holds_alternative<QString>(LitDocument(dossier.filePath(QStringLiteral("absent.amx")), fr)));
    EXPECT_TRUE(std::get<QString>(LitDocument(dossier.filePath(QStringLiteral("absent.amx")), fr))
                    .contains(QStringLiteral("absent.amx")));
}
