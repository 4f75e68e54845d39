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
using namespace Qt::StringLiterals;

namespace {

const TypeDocument amx = TypeDocumentAmortix();
const QString mime = "application/x-amortix";
const QString entree = "applications/amortix.desktop";
const QString prog = "/usr/bin/amortix";
const QStringList rien;

struct Bureau {
    QTemporaryDir racine;
    EmplacementsBureau lieux{racine.filePath("share"), racine.filePath("config")};
    QStringList lances;
    LanceurOutil lanceur = [this](const QString& outil, auto&) { lances << outil; };
    QStringList enregistre(const QString& programme) {
        return EnregistreTypeFichier(amx, programme, "<svg/>", lieux, lanceur).fichiersChanges;
    }
    QString donnees(const QString& chemin) const { return lieux.donnees + '/' + chemin; }
    QByteArray texte(const QString& chemin) const { return Contenu(donnees(chemin)); }
    QString mimeapps() const { return lieux.configuration + "/mimeapps.list"; }
};

} // namespace

TEST(AssociationFichiers, QuatreEntreesEtRafraichissementSiChange) {
    Bureau b;
    EXPECT_EQ(b.enregistre(prog).size(), 4);
    EXPECT_EQ(b.lances, (QStringList{"update-mime-database", "update-desktop-database"}));
    const QByteArray paquet = b.texte("mime/packages/amortix.xml");
    for (const char* balise : {"<mime-type type=\"application/x-amortix\">", "<glob pattern=\"*.amx\"/>",
                               "<icon name=\"amortix\"/>"})
        EXPECT_TRUE(paquet.contains(balise)) << balise;
    const QList<QByteArray> lignes = b.texte(entree).split('\n');
    for (const char* ligne :
         {"Exec=\"/usr/bin/amortix\" %f", "MimeType=application/x-amortix;", "Icon=amortix"})
        EXPECT_TRUE(lignes.contains(ligne)) << ligne;
    EXPECT_EQ(b.texte("icons/hicolor/scalable/apps/amortix.svg"), "<svg/>");

    // Unchanged: no database refreshed; from elsewhere: a new command.
    b.lances.clear();
    EXPECT_EQ(b.enregistre(prog), rien);
    EXPECT_EQ(b.lances, rien);
    const QString ailleurs = "/home/a/Mes programmes/amortix";
    EXPECT_EQ(b.enregistre(ailleurs), QStringList{b.donnees(entree)});
    EXPECT_EQ(b.lances, QStringList{"update-desktop-database"});
    EXPECT_TRUE(b.texte(entree).split('\n').contains(("Exec=\"" + ailleurs + "\" %f").toUtf8()));
}

// Our line replaces or joins; the others stay byte for byte.
TEST(AssociationFichiers, LesAutresLignesDeMimeappsRestent) {
    const QByteArray section = "[Default Applications]\n";
    const QByteArray notre = "application/x-amortix=amortix.desktop\n";
    const QByteArray firefox = "text/html=firefox.desktop\n";
    const QByteArray ajout = "[Added Associations]\na/b=c.desktop;";
    const QByteArray avant = ajout + "\n\n" + section + firefox + "application/x-amortix=ancien.desktop\n\n" +
                             "[Removed Associations]\nimage/png=x.desktop\n";
    const QByteArray crlf = "# caf\xe9\r\n[Default Applications]\r\n";
    const std::pair<QByteArray, QByteArray> cas[] = {
        {avant, QByteArray(avant).replace("ancien", "amortix")},
        {section + firefox, section + notre + firefox},
        {ajout, ajout + "\n\n" + section + notre},
        {"", section + notre},
        {crlf + "x/y=\xff.desktop\r\n", crlf + notre + "x/y=\xff.desktop\r\n"}};
    for (const auto& [depart, attendu] : cas)
        EXPECT_EQ(AvecApplicationParDefaut(depart, mime.toUtf8(), "amortix.desktop"), attendu)
            << depart.data();

    Bureau b;
    ASSERT_TRUE(QDir().mkpath(b.lieux.configuration));
    ASSERT_TRUE(Ecrit(b.mimeapps(), avant));
    b.enregistre(prog);
    EXPECT_EQ(Contenu(b.mimeapps()), cas[0].second);
}

TEST(AssociationFichiers, CheminsAEchapperOuImpossibles) {
    // Quoted, backslashes doubled; %% through env, as GLib finds the program before expanding.
    EXPECT_EQ(CommandeOuverture("/a$b\"c`d/100%/x\\y"),
              u"env \"/a\\\\$b\\\\\"c\\\\`d/100%%/x\\\\\\\\y\" %f"_s);
    EXPECT_EQ(CommandeOuverture("/a\nb/amortix"), u"\"/a\\nb/amortix\" %f"_s);
    // What an entry cannot hold: no association rather than a wrong one.
    EXPECT_EQ(CommandeOuverture(QString("/a") + QChar::ReplacementCharacter), std::nullopt);
    Bureau b;
    EXPECT_EQ(b.enregistre("/a\x01b/amortix"), rien);
    EXPECT_FALSE(QFileInfo::exists(b.donnees(entree)));

    // No data folder, or one that cannot be made: nothing, no throw.
    b.lieux.donnees.clear();
    EXPECT_EQ(b.enregistre(prog), rien);
    ASSERT_TRUE(Ecrit(b.racine.filePath("f"), ""));
    b.lieux = {b.racine.filePath("f/share"), b.racine.filePath("f/config")};
    EXPECT_EQ(b.enregistre(prog), rien);
}

// A full disk at start: other defaults kept, no entry left empty or cut.
TEST(AssociationFichiers, DisquePleinAuDemarrage) {
    DisquePlein disque;
    if (!disque.pret())
        GTEST_SKIP() << disque.raison();
    const QByteArray mimeapps = "[Default Applications]\ntext/html=firefox.desktop\n";
    ASSERT_TRUE(disque.place("mimeapps.list", mimeapps));
    disque.remplit();
    Bureau b;
    b.lieux = {disque.chemin("share"), disque.chemin("")};
    EXPECT_EQ(b.enregistre(prog), rien);
    EXPECT_EQ(Contenu(disque.chemin("mimeapps.list")), mimeapps);
    EXPECT_EQ(disque.fichiers(), QStringList{"mimeapps.list"});
    EXPECT_FALSE(QFileInfo::exists(disque.chemin("share/" + entree)));
}

// With the desktop's own tools and our XDG folders, the type is known.
TEST(AssociationFichiers, LeBureauReconnaitLeType) {
    const auto outil = [](const QString& nom) { return QStandardPaths::findExecutable(nom); };
    const QString xdgMime = outil("xdg-mime");
    if (xdgMime.isEmpty() || outil("update-mime-database").isEmpty())
        GTEST_SKIP() << "xdg-utils or shared-mime-info absent";
    Bureau b;
    b.lanceur = [&](const QString& programme, const QStringList& a) {
        QProcess::execute(outil(programme), a);
    };
    b.enregistre(prog);
    const QString pret = b.racine.filePath("pret.amx");
    ASSERT_TRUE(Ecrit(pret, "150000,00\r\n240\r\n"));
    const QString& d = b.lieux.donnees;
    const QStringList xdg{"XDG_DATA_HOME=" + d, "XDG_DATA_DIRS=" + d + ":/usr/share",
                          "XDG_CONFIG_HOME=" + b.lieux.configuration};
    EXPECT_EQ(Sortie("env", xdg + QStringList{xdgMime, "query", "filetype", pret}).trimmed(), mime);
}
