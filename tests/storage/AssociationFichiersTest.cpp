#include "AssociationFichiers.h"

#include "DisquePlein.h"
#include "Fichiers.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace amortix;

namespace {

struct Bureau {
    QTemporaryDir racine;
    EmplacementsBureau emplacements{racine.filePath("share"), racine.filePath("config")};
    QStringList lances;

    RapportAssociation enregistre(const QString& programme) {
        return EnregistreTypeFichier(TypeDocumentAmortix(), programme, "<svg/>", emplacements,
                                     [this](const QString& outil, const QStringList&) { lances << outil; });
    }
    QString donnees(const char* chemin) const { return QDir(emplacements.donnees).filePath(chemin); }
    QString texte(const char* chemin) const { return QString::fromUtf8(Contenu(donnees(chemin))); }
    QString mimeapps() const { return QDir(emplacements.configuration).filePath("mimeapps.list"); }
};

} // namespace

TEST(AssociationFichiers, QuatreEntreesEtRafraichissementSeulementSiChange) {
    Bureau b;
    EXPECT_EQ(b.enregistre(QStringLiteral("/opt/amortix/amortix")).fichiersChanges.size(), 4);
    EXPECT_EQ(b.lances, (QStringList{"update-mime-database", "update-desktop-database"}));
    for (const char* ligne : {"<mime-type type=\"application/x-amortix\">", "<glob pattern=\"*.amx\"/>",
                              "<comment>Document Amortix</comment>", "<icon name=\"amortix\"/>"})
        EXPECT_TRUE(b.texte("mime/packages/amortix.xml").contains(QLatin1String(ligne))) << ligne;
    for (const char* ligne :
         {"\nExec=\"/opt/amortix/amortix\" %f\n", "\nMimeType=application/x-amortix;\n", "\nIcon=amortix\n",
          "\nKeywords=prêt;emprunt;crédit;amortissement;TEG;échéancier;\n"})
        EXPECT_TRUE(b.texte("applications/amortix.desktop").contains(QString::fromUtf8(ligne))) << ligne;
    EXPECT_EQ(std::tuple(b.texte("icons/hicolor/scalable/apps/amortix.svg"), Contenu(b.mimeapps())),
              std::tuple("<svg/>", "[Default Applications]\napplication/x-amortix=amortix.desktop\n"));

    // Nothing changed: every entry is written again, no database is refreshed.
    b.lances.clear();
    EXPECT_EQ(b.enregistre("/opt/amortix/amortix").fichiersChanges, QStringList());
    EXPECT_EQ(b.lances, QStringList());
    // Started from elsewhere: the command follows the program.
    EXPECT_EQ(b.enregistre(QStringLiteral("/home/a/Mes programmes/amortix")).fichiersChanges,
              QStringList{b.donnees("applications/amortix.desktop")});
    EXPECT_EQ(b.lances, QStringList{"update-desktop-database"});
    EXPECT_TRUE(b.texte("applications/amortix.desktop")
                    .contains(QStringLiteral("Exec=\"/home/a/Mes programmes/amortix\" %f")));
}

// Our line replaces an older one or joins the section, which is made when missing; the other lines
// stay byte for byte, whatever their encoding or line ends.
TEST(AssociationFichiers, LesAutresLignesDeMimeappsRestent) {
    const QByteArray avant =
        "[Added Associations]\ntext/plain=gedit.desktop;\n\n[Default Applications]\ntext/"
        "html=firefox.desktop\napplication/x-amortix=ancien.desktop\n\n[Removed "
        "Associations]\nimage/png=x.desktop\n";
    const std::pair<QByteArray, QByteArray> cas[] = {
        {avant, QByteArray(avant).replace("ancien.desktop", "amortix.desktop")},
        {"[Default Applications]\ntext/html=firefox.desktop\n",
         "[Default Applications]\napplication/x-amortix=amortix.desktop\ntext/html=firefox.desktop\n"},
        {"[Added Associations]\na/b=c.desktop;", "[Added Associations]\na/b=c.desktop;\n\n[Default "
                                                 "Applications]\napplication/x-amortix=amortix.desktop\n"},
        {"", "[Default Applications]\napplication/x-amortix=amortix.desktop\n"},
        {"# caf\xe9\r\n[Default Applications]\r\nx/y=\xff.desktop\r\n",
         "# caf\xe9\r\n[Default "
         "Applications]\r\napplication/x-amortix=amortix.desktop\nx/y=\xff.desktop\r\n"}};
    for (const auto& [depart, attendu] : cas)
        EXPECT_EQ(AvecApplicationParDefaut(depart, "application/x-amortix", "amortix.desktop"), attendu)
            << depart.data();

    Bureau b;
    ASSERT_TRUE(QDir().mkpath(b.emplacements.configuration));
    ASSERT_TRUE(Ecrit(b.mimeapps(), avant));
    b.enregistre(QStringLiteral("/usr/bin/amortix"));
    EXPECT_EQ(Contenu(b.mimeapps()), cas[0].second);
}

TEST(AssociationFichiers, CheminsAEchapperOuImpossibles) {
    // Quoting escapes, then every backslash doubled; %% through env, as GLib looks for the program
    // before expanding it; a line break by its string escape.
    EXPECT_EQ(CommandeOuverture("/a$b\"c`d/100%/x\\y"), "env \"/a\\\\$b\\\\\"c\\\\`d/100%%/x\\\\\\\\y\" %f");
    EXPECT_EQ(CommandeOuverture(QStringLiteral("/a\nb/amortix")), QStringLiteral("\"/a\\nb/amortix\" %f"));
    // What an entry cannot hold: no association at all rather than a wrong one.
    EXPECT_FALSE(CommandeOuverture(QStringLiteral("/a") + QChar::ReplacementCharacter));
    Bureau b;
    EXPECT_TRUE(b.enregistre(QStringLiteral("/a\x01b/amortix")).fichiersChanges.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(b.donnees("applications/amortix.desktop")));

    // No data folder, or one that cannot be created: nothing reported, nothing thrown.
    b.emplacements.donnees.clear();
    EXPECT_TRUE(b.enregistre(QStringLiteral("/usr/bin/amortix")).fichiersChanges.isEmpty());
    ASSERT_TRUE(Ecrit(b.racine.filePath("fichier"), ""));
    b.emplacements = {b.racine.filePath("fichier/share"), b.racine.filePath("fichier/config")};
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
    EXPECT_TRUE(EnregistreTypeFichier(TypeDocumentAmortix(), QStringLiteral("/usr/bin/amortix"), "<svg/>",
                                      {disque.chemin(QStringLiteral("share")), disque.chemin(QString())},
                                      [](const QString&, const QStringList&) {})
                    .fichiersChanges.isEmpty());
    EXPECT_EQ(Contenu(disque.chemin(QStringLiteral("mimeapps.list"))), mimeapps);
    EXPECT_EQ(disque.fichiers(), QStringList{QStringLiteral("mimeapps.list")});
    EXPECT_FALSE(QFileInfo::exists(disque.chemin(QStringLiteral("share/applications/amortix.desktop"))));
}

// With the desktop's own tools, run with our XDG folders, the type is known for a file of ours.
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
    ASSERT_TRUE(Ecrit(document, "150000,00\r\n240\r\n0\r\n4,50\r\n15,00\r\n500,00\r\n5\r\n3\r\n2004\r\n"));
    const QString type = Sortie(
        QStringLiteral("env"),
        {"XDG_DATA_HOME=" + b.emplacements.donnees, "XDG_DATA_DIRS=" + b.emplacements.donnees + ":/usr/share",
         "XDG_CONFIG_HOME=" + b.emplacements.configuration, xdgMime, "query", "filetype", document});
    EXPECT_EQ(type.trimmed().toStdString(), "application/x-amortix");
}
