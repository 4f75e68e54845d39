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

// The messages seen: how many, and the last one's icon, title and first characters.
struct MessageVu {
    std::size_t nombre = 0;
    IconeMessage icone = IconeMessage::Information;
    QString titre;
    QString debut;
    bool operator==(const MessageVu&) const = default;
};

// As many first characters of the last message as `debut` has, to compare with it.
MessageVu DernierMessage(const Poste& p, const QString& debut) {
    const auto& messages = p.interactions.messages;
    if (messages.empty())
        return {};
    return {messages.size(), messages.back().icone, messages.back().titre,
            messages.back().texte.left(debut.size())};
}

// A document that cannot be opened or saved: one warning, which names it.
MessageVu UnAvertissement(const QString& debut) {
    return {1, IconeMessage::Avertissement, QStringLiteral("Amortix"), debut};
}

// Shown as a failure prints it.
char* toString(const MessageVu& m) {
    return QTest::toString(QStringLiteral("%1 message(s), le dernier : icône %2, « %3 », « %4 »")
                               .arg(m.nombre)
                               .arg(static_cast<int>(m.icone))
                               .arg(m.titre, m.debut));
}

} // namespace

class DocumentsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // Saved as typed, without an extension added, and reopened by another window: the same fields,
    // the same schedule, the file's name in the title until the next edit.
    void enregistrerPuisRouvrir() {
        PosteOuvert p;
        QCOMPARE(p.interactions.associations,
                 QStringList{QCoreApplication::applicationDirPath() + "/amortix"});
        p.calcule("150000", "240", "4.5", "15", "500", QDate(2004, 3, 5));
        p.declenche(p.c().mnuEnregistrerSous, p.chemin("pret"));
        QCOMPARE(Contenu(p.chemin("pret")), exemple);
        QCOMPARE(p.interactions.demandes.back().titre, "Enregistrer sous");
        QCOMPARE(p.interactions.demandes.back().filtre, "Fichier Amortix (*.amx)");
        QCOMPARE(p.f->windowTitle(), "pret - Amortix");
        QCOMPARE(p.interactions.messages.size(), 0u);

        PosteOuvert q;
        q.declenche(q.c().mnuOuvrir, p.chemin("pret"));
        QCOMPARE(q.interactions.messages.size(), 0u);
        QCOMPARE(q.f->SaisieAffichee(), p.f->SaisieAffichee());
        QCOMPARE(q.lignes(), 240);
        QCOMPARE(q.rangee(239), p.rangee(239));
        QCOMPARE(q.f->windowTitle(), "pret - Amortix");
        q.c().mnuOuvrir->trigger();
        QCOMPARE(q.interactions.demandes.back().fichierPropose, p.chemin("pret"));
        q.c().mnuEnregistrerSous->trigger();
        QCOMPARE(q.interactions.demandes.back().fichierPropose, p.chemin("pret"));
        QTest::keyClicks(q.c().txtAssurance, QStringLiteral("0"));
        QCOMPARE(q.interactions.messages.size(), 0u);
        QCOMPARE(q.f->windowTitle(), "Amortix");
    }

    // A document that cannot be read, or a save that fails, changes nothing and is named in the warning.
    void unEchecNeChangeRien() {
        PosteOuvert p;
        p.calcule();
        const SaisieEmprunt avant = p.f->SaisieAffichee();
        QVERIFY(Ecrit(p.chemin("sept.amx"), QByteArray(exemple).replace("\r\n0\r\n", "\r\n7\r\n")));
        p.declenche(p.c().mnuOuvrir, p.chemin("sept.amx"));
        QCOMPARE(p.f->SaisieAffichee(), avant);
        QCOMPARE(p.lignes(), 12);
        QCOMPARE(p.f->windowTitle(), "Amortix");
        const QString illisible = QStringLiteral("Le document « sept.amx » n'a pas pu être ouvert.\r\n");
        QCOMPARE(DernierMessage(p, illisible), UnAvertissement(illisible));
        p.interactions.messages.clear();
        QVERIFY(QDir(p.dossier.path()).mkpath(QStringLiteral("ancien.amx/contenu")));
        p.declenche(p.c().mnuEnregistrerSous, p.chemin("ancien.amx"));
        const QString refuse =
            QStringLiteral("Le document « ancien.amx » n'a pas pu être enregistré.\r\nErreur ");
        QCOMPARE(DernierMessage(p, refuse), UnAvertissement(refuse));
        QCOMPARE(p.f->windowTitle(), "Amortix");
        QVERIFY(QFileInfo(p.chemin("ancien.amx/contenu")).isDir());
    }

    // Command line joined into one path, spaces and all; a missing document is said, the window opens anyway.
    void documentSurLaLigneDeCommande() {
        Poste p;
        QVERIFY(QDir(p.dossier.path()).mkdir(QStringLiteral("mes prêts")));
        QVERIFY(Ecrit(p.chemin("mes prêts/essai 1.amx"), exemple));
        p.ouvre(p.chemin("mes prêts/essai 1.amx"));
        QCOMPARE(p.interactions.messages.size(), 0u);
        QCOMPARE(p.lignes(), 240);
        QCOMPARE(p.f->windowTitle(), "essai 1.amx - Amortix");
        QCOMPARE(p.c().txtMontant->text(), "150000,00");
        PosteOuvert q(p.chemin("absent.amx"));
        const QString absent =
            "Le document « absent.amx » n'a pas pu être ouvert.\r\nCe fichier est introuvable : " +
            p.chemin("absent.amx");
        QCOMPARE(DernierMessage(q, absent), UnAvertissement(absent));
        QCOMPARE(q.c().txtMontant->text(), QString());
        QCOMPARE(q.f->isVisible(), true);
        QCOMPARE(q.f->windowTitle(), "Amortix");
    }

    // Pipes where settings are expected: each refused at once with its warning, the defaults used. A pipe as
    // document or logo goes through the readers the command line's special-file test refuses it in.
    void fichiersSpeciaux() {
        Poste p;
        for (const char* tube : {"options.bin", "entetes.bin"})
            QCOMPARE(::mkfifo(QFile::encodeName(p.chemin(tube)).constData(), 0600), 0);
        QCOMPARE(Demarre(p.module, p.interactions, QSize(1024, 768), false), PremiereFenetre::Accueil);
        const QString tube = "Erreur 5\r\nLe fichier « " + p.chemin("options.bin") +
                             " » n'a pas pu être lu : c'est un tube nommé, pas un fichier ordinaire.";
        QCOMPARE(DernierMessage(p, tube), UnAvertissement(tube));
        p.ouvre();
        QCOMPARE(p.interactions.messages.size(), 2u);
        QVERIFY2(p.interactions.dernierTexte().contains(p.chemin("entetes.bin")),
                 qPrintable(p.interactions.dernierTexte()));
        QCOMPARE(p.module.strEnteteExcel, EnregistrementEntetesParDefaut().enteteExcel);
    }
    // "Enregistrer sous..." on a full disk: the old document stays whole, no temporary file left, user told.
    void enregistrementSurUnDisquePlein() {
        DisquePlein disque;
        if (!disque.pret())
            QSKIP(disque.raison().c_str());
        const QByteArray ancien(48, 'a');
        QVERIFY(disque.place(QStringLiteral("pret.amx"), ancien));
        disque.remplit();
        PosteOuvert p;
        p.calcule();
        p.declenche(p.c().mnuEnregistrerSous, disque.chemin(QStringLiteral("pret.amx")));
        const QString plein =
            QStringLiteral("Le document « pret.amx » n'a pas pu être enregistré.\r\nErreur 7\r\n");
        QCOMPARE(DernierMessage(p, plein), UnAvertissement(plein));
        QCOMPARE(Contenu(disque.chemin("pret.amx")), ancien);
        QCOMPARE(disque.fichiers(), QStringList{"pret.amx"});
    }
};

QTEST_MAIN(DocumentsTest)
#include "DocumentsTest.moc"
