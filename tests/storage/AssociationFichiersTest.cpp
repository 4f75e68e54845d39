#include "AssociationFichiers.h"

#include "../commun/DisquePlein.h"

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
    return fichier.open(QIODevice::ReadOnly) ? QString::fromUtf8(fichier.readAll())
                                             : QStringLiteral("absent");
}

struct Bureau {
    QTemporaryDir racine;
    EmplacementsBureau emplacements{racine.filePath(QStringLiteral("share")),
                                    racine.filePath(QStringLiteral("config"))};
    QStringList lances;
    LanceurOutil lanceur = [this](const QString& programme, const QStringList&) { lances << programme; };

    RapportAssociation enregistre(const QString& programme) {
        return EnregistreTypeFichier(TypeDocumentAmortix(), programme, "<svg/>", emplacements, lanceur);
    }
    QString donnees(const QString& chemin) const { return QDir(emplacements.donnees).filePath(chemin); }
    QString mimeapps() const {
        return QDir(emplacements.configuration).filePath(QStringLiteral("mimeapps.list"));
    }
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
    EXPECT_EQ(Contenu(b.mimeapps()),
              QStringLiteral("[Default Applications]\napplication/x-amortix=amortix.desktop\n"));
    EXPECT_EQ(Contenu(b.donnees(QStringLiteral("icons/hicolor/scalable/apps/amortix.svg"))),
              QStringLiteral("<svg/>"));
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
    EXPECT_EQ(deplace.fichiersChanges,
              QStringList{b.donnees(QStringLiteral("applications/amortix.desktop"))});
    EXPECT_EQ(b.lances, QStringList{"update-desktop-database"});
    EXPECT_TRUE(Contenu(b.donnees(QStringLiteral("applications/amortix.desktop")))
                    .contains(QStringLiteral("Exec=\"/home/a/Mes programmes/amortix\" %f")));
}

TEST(AssociationFichiers, LesAutresLignesDeMimeappsRestent) {
    const QByteArray avant = QByteArrayLiteral(
        "[Added Associations]\ntext/plain=gedit.desktop;\n\n"
        "[Default Applications]\ntext/html=firefox.desktop\n"
        "application/x-amortix=ancien.desktop\n\n[Removed Associations]\nimage/png=x.desktop\n");
    const std::pair<QByteArray, QByteArray> cas[] = {
        {avant, "[Added Associations]\ntext/plain=gedit.desktop;\n\n[Default Applications]\n"
                "text/html=firefox.desktop\napplication/x-amortix=amortix.desktop\n\n"
                "[Removed Associations]\nimage/png=x.desktop\n"},
        {"[Default Applications]\ntext/html=firefox.desktop\n",
         "[Default Applications]\napplication/x-amortix=amortix.desktop\ntext/html=firefox.desktop\n"},
        {"[Added Associations]\na/b=c.desktop;", "[Added Associations]\na/b=c.desktop;\n\n[Default "
                                                 "Applications]\napplication/x-amortix=amortix.desktop\n"},
        {"", "[Default Applications]\napplication/x-amortix=amortix.desktop\n"},
        // Other lines byte for byte, whatever their encoding or line ends.
        {"# caf\xe9\r\n[Default Applications]\r\nx/y=\xff.desktop\r\n",
         "# caf\xe9\r\n[Default "
         "Applications]\r\napplication/x-amortix=amortix.desktop\nx/y=\xff.desktop\r\n"},
    };
    for (const auto& [depart, attendu] : cas)
        EXPECT_EQ(AvecApplicationParDefaut(depart, "application/x-amortix", "amortix.desktop"), attendu)
            << depart.data();

    Bureau b;
    QDir().mkpath(b.emplacements.configuration);
    QFile fichier(b.mimeapps());
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write(avant);
    fichier.close();
    b.enregistre(QStringLiteral("/usr/bin/amortix"));
    EXPECT_TRUE(Contenu(b.mimeapps()).contains(QStringLiteral("text/plain=gedit.desktop;")));
    EXPECT_TRUE(Contenu(b.mimeapps()).contains(QStringLiteral("image/png=x.desktop")));
}

TEST(AssociationFichiers, CheminsAEchapperDansLaCommande) {
    EXPECT_EQ(CommandeOuverture(QStringLiteral("/a b/amortix")), QStringLiteral("\"/a b/amortix\" %f"));
    // Quoting escapes, then every backslash doubled; %% through env, as GLib looks for the program
    // before expanding it; a line break by its string escape.
    EXPECT_EQ(CommandeOuverture(QStringLiteral("/a$b\"c`d/100%/x\\y")),
              QStringLiteral("env \"/a\\\\$b\\\\\"c\\\\`d/100%%/x\\\\\\\\y\" %f"));
    EXPECT_EQ(CommandeOuverture(QStringLiteral("/a\nb/amortix")), QStringLiteral("\"/a\\nb/amortix\" %f"));
    // What an entry cannot hold: no association at all rather than a wrong one.
    for (const QString& impossible :
         {QStringLiteral("/a\x01b/amortix"), QStringLiteral("/a") + QChar::ReplacementCharacter})
        EXPECT_FALSE(CommandeOuverture(impossible));
    Bureau b;
    EXPECT_TRUE(b.enregistre(QStringLiteral("/a\x01b/amortix")).fichiersChanges.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(b.donnees(QStringLiteral("applications/amortix.desktop"))));
}

TEST(AssociationFichiers, SansDossiersRienNeSePasse) {
    Bureau b;
    b.emplacements.donnees.clear();
    EXPECT_TRUE(b.enregistre(QStringLiteral("/usr/bin/amortix")).fichiersChanges.isEmpty());
    // A data folder that cannot be created: nothing reported, nothing thrown.
    QFile bloque(b.racine.filePath(QStringLiteral("fichier")));
    ASSERT_TRUE(bloque.open(QIODevice::WriteOnly));
    bloque.close();
    b.emplacements = {b.racine.filePath(QStringLiteral("fichier/share")),
                      b.racine.filePath(QStringLiteral("fichier/config"))};
    EXPECT_TRUE(b.enregistre(QStringLiteral("/usr/bin/amortix")).fichiersChanges.isEmpty());
}

// A full home folder at start: the user's other defaults are kept and no entry is left empty or cut.
TEST(AssociationFichiers, DisquePleinAuDemarrage) {
    DisquePlein disque;
    if (!disque.pret())
        GTEST_SKIP() << disque.raison();
    const QByteArray mimeapps = "[Default Applications]\ntext/html=firefox.desktop\n";
    ASSERT_TRUE(disque.place(QStringLiteral("mimeapps.list"), mimeapps));
    disque.remplit();
    const EmplacementsBureau emplacements{disque.chemin(QStringLiteral("share")), disque.chemin(QString())};
    const RapportAssociation rapport =
        EnregistreTypeFichier(TypeDocumentAmortix(), QStringLiteral("/usr/bin/amortix"), "<svg/>",
                              emplacements, [](const QString&, const QStringList&) {});
    EXPECT_TRUE(rapport.fichiersChanges.isEmpty());
    QFile fichier(disque.chemin(QStringLiteral("mimeapps.list")));
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    EXPECT_EQ(fichier.readAll(), mimeapps);
    EXPECT_EQ(disque.fichiers(), QStringList{QStringLiteral("mimeapps.list")});
    EXPECT_FALSE(QFileInfo::exists(disque.chemin(QStringLiteral("share/applications/amortix.desktop"))));
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
    environnement.insert(QStringLiteral("XDG_DATA_DIRS"),
                         b.emplacements.donnees + QStringLiteral(":/usr/share"));
    environnement.insert(QStringLiteral("XDG_CONFIG_HOME"), b.emplacements.configuration);
    requete.setProcessEnvironment(environnement);
    requete.start(xdgMime, {QStringLiteral("query"), QStringLiteral("filetype"), document});
    ASSERT_TRUE(requete.waitForFinished(20000));
    EXPECT_EQ(QString::fromUtf8(requete.readAllStandardOutput()).trimmed(),
              QStringLiteral("application/x-amortix"));
}
