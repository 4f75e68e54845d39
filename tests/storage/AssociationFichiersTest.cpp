#include "AssociationFichiers.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace amortix;

namespace {

QString Contenu(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? QString::fromUtf8(fichier.readAll()) : QStringLiteral("absent");
}

struct Bureau {
    QTemporaryDir racine;
    EmplacementsBureau emplacements{racine.filePath(QStringLiteral("share")), racine.filePath(QStringLiteral("config"))};
    QStringList lances;
    LanceurOutil lanceur = [this](const QString& programme, const QStringList&) { lances << programme; };

    RapportAssociation enregistre(const QString& programme) {
        return EnregistreTypeFichier(TypeDocumentAmortix(), programme, "<svg/>", emplacements, lanceur);
    }
    QString donnees(const QString& chemin) const { return QDir(emplacements.donnees).filePath(chemin); }
    QString mimeapps() const { return QDir(emplacements.configuration).filePath(QStringLiteral("mimeapps.list")); }
};

} // namespace

TEST(AssociationFichiers, QuatreEntreesEtRafraichissementSeulementSiChange) {
    Bureau b;
    const RapportAssociation premier = b.enregistre(QStringLiteral("/opt/amortix/amortix"));
    EXPECT_EQ(premier.fichiersChanges.size(), 4);
    EXPECT_EQ(b.lances, (QStringList{"update-mime-database", "update-desktop-database"}));

    const QString paquet = Contenu(b.donnees(QStringLiteral("mime/packages/amortix.xml")));
    EXPECT_TRUE(paquet.contains(QStringLiteral("<mime-type type=\"application/x-amortix\">")));
    EXPECT_TRUE(paquet.contains(QStringLiteral("<glob pattern=\"*.amx\"/>")));
    EXPECT_TRUE(paquet.contains(QStringLiteral("<comment>Document Amortix</comment>")));
    const QString bureau = Contenu(b.donnees(QStringLiteral("applications/amortix.desktop")));
    EXPECT_TRUE(bureau.contains(QStringLiteral("\nExec=\"/opt/amortix/amortix\" %f\n")));
    EXPECT_TRUE(bureau.contains(QStringLiteral("\nMimeType=application/x-amortix;\n")));
    EXPECT_EQ(Contenu(b.mimeapps()), QStringLiteral("[Default Applications]\napplication/x-amortix=amortix.desktop\n"));
    EXPECT_EQ(Contenu(b.donnees(QStringLiteral("icons/hicolor/scalable/apps/amortix.svg"))), QStringLiteral("<svg/>"));
    EXPECT_TRUE(paquet.contains(QStringLiteral("<icon name=\"amortix\"/>")));
    EXPECT_TRUE(bureau.contains(QStringLiteral("\nIcon=amortix\n")));
    EXPECT_TRUE(
        bureau.contains(QStringLiteral("\nKeywords=prêt;emprunt;crédit;amortissement;TEG;échéancier;\n")));

    // Nothing changed: every entry is written again, no database is refreshed.
    b.lances.clear();
    EXPECT_TRUE(b.enregistre(QStringLiteral("/opt/amortix/amortix")).fichiersChanges.isEmpty());
    EXPECT_TRUE(b.lances.isEmpty());

    // Started from elsewhere: the command follows the program.
    const RapportAssociation deplace = b.enregistre(QStringLiteral("/home/a/Mes programmes/amortix"));
    EXPECT_EQ(deplace.fichiersChanges, QStringList{b.donnees(QStringLiteral("applications/amortix.desktop"))});
    EXPECT_EQ(b.lances, QStringList{"update-desktop-database"});
    EXPECT_TRUE(Contenu(b.donnees(QStringLiteral("applications/amortix.desktop")))
                    .contains(QStringLiteral("Exec=\"/home/a/Mes programmes/amortix\" %f")));
}

TEST(AssociationFichiers, LesAutresLignesDeMimeappsRestent) {
    const QString avant = QStringLiteral("[Added Associations]\ntext/plain=gedit.desktop;\n\n"
                                         "[Default Applications]\ntext/html=firefox.desktop\n"
                                         "application/x-amortix=ancien.desktop\n\n[Removed Associations]\nimage/png=x.desktop\n");
    EXPECT_EQ(AvecApplicationParDefaut(avant, QStringLiteral("application/x-amortix"), QStringLiteral("amortix.desktop")),
              QStringLiteral("[Added Associations]\ntext/plain=gedit.desktop;\n\n[Default Applications]\n"
                             "text/html=firefox.desktop\napplication/x-amortix=amortix.desktop\n\n"
                             "[Removed Associations]\nimage/png=x.desktop\n"));
    EXPECT_EQ(AvecApplicationParDefaut(QStringLiteral("[Default Applications]\ntext/html=firefox.desktop\n"),
                                       QStringLiteral("application/x-amortix"), QStringLiteral("amortix.desktop")),
              QStringLiteral("[Default Applications]\napplication/x-amortix=amortix.desktop\ntext/html=firefox.desktop\n"));
    EXPECT_EQ(AvecApplicationParDefaut(QStringLiteral("[Added Associations]\na/b=c.desktop;"),
                                       QStringLiteral("application/x-amortix"), QStringLiteral("amortix.desktop")),
              QStringLiteral("[Added Associations]\na/b=c.desktop;\n\n[Default Applications]\n"
                             "application/x-amortix=amortix.desktop\n"));

    Bureau b;
    QDir().mkpath(b.emplacements.configuration);
    QFile fichier(b.mimeapps());
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write(avant.toUtf8());
    fichier.close();
    b.enregistre(QStringLiteral("/usr/bin/amortix"));
    EXPECT_TRUE(Contenu(b.mimeapps()).contains(QStringLiteral("text/plain=gedit.desktop;")));
    EXPECT_TRUE(Contenu(b.mimeapps()).contains(QStringLiteral("image/png=x.desktop")));
}

TEST(AssociationFichiers, CheminsAEchapperDansLaCommande) {
    EXPECT_EQ(CommandeOuverture(QStringLiteral("/a b/amortix")), QStringLiteral("\"/a b/amortix\" %f"));
    EXPECT_EQ(CommandeOuverture(QStringLiteral("/a$b\"c`d/100%/x\\y")),
              QStringLiteral("\"/a\\\\$b\\\\\"c\\\\`d/100%%/x\\\\\\\\y\" %f"));
}

TEST(AssociationFichiers, SansDossiersRienNeSePasse) {
    Bureau b;
    b.emplacements.donnees.clear();
    EXPECT_TRUE(b.enregistre(QStringLiteral("/usr/bin/amortix")).fichiersChanges.isEmpty());
    // A data folder that cannot be created: nothing reported, nothing thrown.
    QFile bloque(b.racine.filePath(QStringLiteral("fichier")));
    ASSERT_TRUE(bloque.open(QIODevice::WriteOnly));
    bloque.close();
    b.emplacements = {b.racine.filePath(QStringLiteral("fichier/share")), b.racine.filePath(QStringLiteral("fichier/config"))};
    EXPECT_TRUE(b.enregistre(QStringLiteral("/usr/bin/amortix")).fichiersChanges.isEmpty());
}

// With the desktop's own tools, the type is known for a file of ours.
TEST(AssociationFichiers, LeBureauReconnaitLeType) {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
        GTEST_SKIP() << "xdg-utils or shared-mime-info absent";
    Bureau b;
    EnregistreTypeFichier(TypeDocumentAmortix(), QStringLiteral("/usr/bin/amortix"), "<svg/>", b.emplacements,
                          [](const QString& programme, const QStringList& arguments) {
                              QProcess::execute(QStandardPaths::findExecutable(programme), arguments);
                          });
    const QString document = b.racine.filePath(QStringLiteral("pret.amx"));
    QFile fichier(document);
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write("150000,00\r\n240\r\n0\r\n4,50\r\n15,00\r\n500,00\r\n5\r\n3\r\n2004\r\n");
    fichier.close();
    QProcess requete;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("XDG_DATA_HOME"), b.emplacements.donnees);
    environnement.insert(QStringLiteral("XDG_DATA_DIRS"), b.emplacements.donnees + QStringLiteral(":/usr/share"));
    environnement.insert(QStringLiteral("XDG_CONFIG_HOME"), b.emplacements.configuration);
    requete.setProcessEnvironment(environnement);
    requete.start(xdgMime, {QStringLiteral("query"), QStringLiteral("filetype"), document});
    ASSERT_TRUE(requete.waitForFinished(20000));
    EXPECT_EQ(QString::fromUtf8(requete.readAllStandardOutput()).trimmed(), QStringLiteral("application/x-amortix"));
}
