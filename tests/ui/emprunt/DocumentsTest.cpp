#include "ControlesEmprunt.h"
#include "Demarrage.h"
#include "DisquePlein.h"
#include "Fichiers.h"

#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>

using namespace amortix;

namespace {

const QByteArray exemple = "150000,00\r\n240\r\n0\r\n4,50\r\n15,00\r\n500,00\r\n5\r\n3\r\n2004\r\n";

InteractionsScriptees::Message Avertit(const QString& debut) {
    return {IconeMessage::Avertissement, "Amortix", debut};
}

} // namespace

class DocumentsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale("fr_FR")); }

    void enregistrerPuisRouvrir();
    void unEchecNeChangeRien();
    void documentSurLaLigneDeCommande();
    void fichiersSpeciaux();
    void enregistrementSurUnDisquePlein();
};

// Another window reads back what was saved; dialogs propose its path.
void DocumentsTest::enregistrerPuisRouvrir() {
    PosteOuvert p;
    auto& in = p.interactions;
    QCOMPARE(in.associations, QStringList{qApp->applicationDirPath() + "/amortix"});
    p.calcule("150000", "240", "4.5", "15", "500", QDate(2004, 3, 5));
    const QString pret = p.chemin("pret");
    p.declenche(p.c().mnuEnregistrerSous, pret);
    QCOMPARE(Contenu(pret), exemple);
    QCOMPARE(in.dialogue().titre, "Enregistrer sous");
    QCOMPARE(in.dialogue().filtre, "Fichier Amortix (*.amx)");
    QCOMPARE(p.f->windowTitle(), "pret - Amortix");
    QCOMPARE(in.messages.size(), 0u);

    PosteOuvert q;
    const ControlesEmprunt c = q.c();
    q.declenche(c.mnuOuvrir, pret);
    QCOMPARE(q.f->SaisieAffichee(), p.f->SaisieAffichee());
    const auto& demandes = q.interactions.demandes;
    c.mnuOuvrir->trigger();
    QCOMPARE(demandes.back().fichierPropose, pret);
    c.mnuEnregistrerSous->trigger();
    QCOMPARE(demandes.back().fichierPropose, pret);
}

void DocumentsTest::unEchecNeChangeRien() {
    PosteOuvert p;
    auto& in = p.interactions;
    p.calcule();
    const SaisieEmprunt avant = p.f->SaisieAffichee();
    const QString sept = p.chemin("sept.amx");
    Ecrit(sept, QByteArray(exemple).replace("\r\n0\r\n", "\r\n7\r\n"));
    p.declenche(p.c().mnuOuvrir, sept);
    QCOMPARE(p.f->SaisieAffichee(), avant);
    QCOMPARE(p.lignes(), 12);
    QCOMPARE(p.f->windowTitle(), "Amortix");
    const QString illisible = "Le document « sept.amx » n'a pas pu être ouvert.\r\n";
    QCOMPARE(in.dernier(illisible.size()), Avertit(illisible));
    const QString dossier = p.chemin("ancien.amx/contenu");
    QDir().mkpath(dossier);
    p.declenche(p.c().mnuEnregistrerSous, p.chemin("ancien.amx"));
    const QString refuse = "Le document « ancien.amx » n'a pas pu être enregistré.\r\nErreur ";
    QCOMPARE(in.dernier(refuse.size()), Avertit(refuse));
    QCOMPARE(p.f->windowTitle(), "Amortix");
    QCOMPARE(QFileInfo(dossier).isDir(), true);
}

// The command line is one path, spaces included.
void DocumentsTest::documentSurLaLigneDeCommande() {
    Poste p;
    QDir(p.dossier.path()).mkdir("mes prêts");
    const QString essai = p.chemin("mes prêts/essai 1.amx");
    Ecrit(essai, exemple);
    p.ouvre(essai);
    QCOMPARE(p.interactions.messages.size(), 0u);
    QCOMPARE(p.lignes(), 240);
    QCOMPARE(p.f->windowTitle(), "essai 1.amx - Amortix");
    const QString absent = p.chemin("absent.amx");
    PosteOuvert q(absent);
    const QString introuvable =
        "Le document « absent.amx » n'a pas pu être ouvert.\r\nCe fichier est introuvable : ";
    QCOMPARE(q.interactions.dernier(), Avertit(introuvable + absent));
    QCOMPARE(q.f->isVisible(), true);
}

// A pipe would block the start: refused, defaults used.
void DocumentsTest::fichiersSpeciaux() {
    Poste p;
    auto& in = p.interactions;
    for (const char* tube : {"options.bin", "entetes.bin"})
        ::mkfifo(QFile::encodeName(p.chemin(tube)).constData(), 0600);
    QCOMPARE(Demarre(p.module, in, {1024, 768}, false), PremiereFenetre::Accueil);
    const QString tube =
        "Erreur 5\r\nLe fichier « " + p.chemin("options.bin") + " » n'a pas pu être lu : c'est un tube nommé";
    QCOMPARE(in.messages.size(), 1u);
    QCOMPARE(in.dernier(tube.size()), Avertit(tube));
    p.ouvre();
    QCOMPARE(in.messages.size(), 2u);
    QCOMPARE(in.dernierTexte().section(" » ", 0, 0).section("« ", 1), p.chemin("entetes.bin"));
    QCOMPARE(p.module.strEnteteExcel, EnregistrementEntetesParDefaut().enteteExcel);
}

// The old document stays whole, no temporary file left.
void DocumentsTest::enregistrementSurUnDisquePlein() {
    DisquePlein disque;
    if (!disque.pret())
        QSKIP(disque.raison().c_str());
    const QByteArray ancien(48, 'a');
    disque.place("pret.amx", ancien);
    disque.remplit();
    PosteOuvert p;
    p.calcule();
    p.declenche(p.c().mnuEnregistrerSous, disque.chemin("pret.amx"));
    const QString plein = "Le document « pret.amx » n'a pas pu être enregistré.\r\nErreur 7\r\n";
    QCOMPARE(p.interactions.dernier(plein.size()), Avertit(plein));
    QCOMPARE(Contenu(disque.chemin("pret.amx")), ancien);
    QCOMPARE(disque.fichiers(), QStringList{"pret.amx"});
}

QTEST_MAIN(DocumentsTest)
#include "DocumentsTest.moc"
