#include "../commun/DisquePlein.h"
#include "../commun/Fichiers.h"
#include "ControlesEmprunt.h"
#include "Demarrage.h"
#include "frmCalculManquant.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>

using namespace amortix;

namespace {

const QByteArray exemple = "150000,00\r\n240\r\n0\r\n4,50\r\n15,00\r\n500,00\r\n5\r\n3\r\n2004\r\n";

// A document that cannot be opened or saved: one warning, which names it.
bool Avertit(const Poste& p, const QString& debut) {
    return p.interactions.messages.size() == 1 &&
           p.interactions.messages[0].icone == IconeMessage::Avertissement &&
           p.interactions.dernierTexte().startsWith(debut);
}

// Computes, and says whether the outcome was the failure message (true) or a schedule (false).
bool Echoue(Poste& p) {
    p.interactions.messages.clear();
    p.f->cmdCalculer_Click();
    return p.interactions.messages.size() == 1 &&
           p.interactions.dernierTexte() ==
               "Les informations saisies sont incomplètes ou incorrectes, veuillez les corriger.";
}

} // namespace

class DocumentsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // Saved as typed, without an extension added, and reopened by another window: the same fields,
    // the same schedule, the file's name in the title until the next edit.
    void enregistrerPuisRouvrir() {
        Poste p;
        p.ouvre();
        QCOMPARE(p.interactions.associations,
                 QStringList{QCoreApplication::applicationDirPath() + "/amortix"});
        p.calcule("150000", "240", "4.5", "15", "500", QDate(2004, 3, 5));
        p.interactions.fichiers = {p.chemin("pret")};
        p.c().mnuEnregistrerSous->trigger();
        QVERIFY(Contenu(p.chemin("pret")) == exemple &&
                p.interactions.demandes.back().filtre == "Fichier Amortix (*.amx)");
        QVERIFY(p.f->windowTitle() == "pret - Amortix" && p.interactions.messages.empty());

        Poste q;
        q.ouvre();
        q.interactions.fichiers = {p.chemin("pret")};
        q.c().mnuOuvrir->trigger();
        QVERIFY(q.interactions.messages.empty() && q.f->SaisieAffichee() == p.f->SaisieAffichee() &&
                q.lignes() == 240 && q.rangee(239) == p.rangee(239) &&
                q.f->windowTitle() == "pret - Amortix");
        // The dialog offers the file chosen last, for either command; cancelled, nothing is said.
        q.c().mnuOuvrir->trigger();
        QCOMPARE(q.interactions.demandes.back().fichierPropose, p.chemin("pret"));
        q.c().mnuEnregistrerSous->trigger();
        QCOMPARE(q.interactions.demandes.back().fichierPropose, p.chemin("pret"));
        QVERIFY(q.interactions.messages.empty());
        QTest::keyClicks(q.c().txtAssurance, QStringLiteral("0"));
        QCOMPARE(q.f->windowTitle(), QStringLiteral("Amortix"));
    }

    // A document that cannot be read, or a save that fails, changes nothing and is named in the warning.
    void unEchecNeChangeRien() {
        Poste p;
        p.ouvre();
        p.calcule();
        const SaisieEmprunt avant = p.f->SaisieAffichee();
        QVERIFY(Ecrit(p.chemin("sept.amx"), QByteArray(exemple).replace("\r\n0\r\n", "\r\n7\r\n")));
        p.interactions.fichiers = {p.chemin("sept.amx")};
        p.c().mnuOuvrir->trigger();
        QVERIFY(p.f->SaisieAffichee() == avant && p.lignes() == 12 && p.f->windowTitle() == "Amortix");
        QVERIFY(Avertit(p, QStringLiteral("Le document « sept.amx » n'a pas pu être ouvert.\r\n")));
        // The chosen name is a folder: the write fails, the warning says so, the title stays.
        p.interactions.messages.clear();
        QVERIFY(QDir(p.dossier.path()).mkpath(QStringLiteral("ancien.amx/contenu")));
        p.interactions.fichiers = {p.chemin("ancien.amx")};
        p.c().mnuEnregistrerSous->trigger();
        QVERIFY(
            Avertit(p, QStringLiteral("Le document « ancien.amx » n'a pas pu être enregistré.\r\nErreur ")) &&
            p.f->windowTitle() == "Amortix" && QFileInfo(p.chemin("ancien.amx/contenu")).isDir());
    }

    // The command line joined into one path, spaces and all; a document that does not exist or is
    // not a loan's is said, and the window opens normally.
    void documentSurLaLigneDeCommande() {
        Poste p;
        QVERIFY(QDir(p.dossier.path()).mkdir(QStringLiteral("mes prêts")));
        QVERIFY(Ecrit(p.chemin("mes prêts/essai 1.amx"), exemple) &&
                Ecrit(p.chemin("photo.jpg"), QByteArray(5000, '\xff')));
        p.ouvre(p.chemin("mes prêts/essai 1.amx"));
        QVERIFY(p.interactions.messages.empty() && p.lignes() == 240 &&
                p.f->windowTitle() == "essai 1.amx - Amortix");
        QCOMPARE(p.c().txtMontant->text(), QStringLiteral("150000,00"));
        for (const char* nom : {"absent.amx", "photo.jpg"}) {
            Poste q;
            q.ouvre(p.chemin(nom));
            QVERIFY(Avertit(q, QStringLiteral("Le document « %1 » n'a pas pu être ouvert.").arg(nom)));
            QVERIFY(q.c().txtMontant->text().isEmpty() && q.f->isVisible() &&
                    q.f->windowTitle() == "Amortix");
        }
    }

    // Texts nobody types but anybody can paste, and files that are not files: each gives the message,
    // a schedule or a warning, never a crash and never a window that stops answering.
    void textesCollesEtDureesExtremes() {
        Poste p;
        p.ouvre();
        const ControlesEmprunt c = p.c();
        p.calcule();
        // A pasted flood of digits, cut at the field's own limit: too large for a number.
        QApplication::clipboard()->setText(QString(100000, QLatin1Char('9')));
        c.txtMontant->clear();
        c.txtMontant->setFocus();
        QTest::keyClick(c.txtMontant, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(c.txtMontant->text().size() == 32767 && Echoue(p));
        c.txtMontant->setText(QStringLiteral("100") + QChar(u'\0') + QStringLiteral("00"));
        QVERIFY(Echoue(p));
        // A long run of decimals is a number, rounded; zero borrowed, written "-0", a schedule of zeros.
        c.txtMontant->setText(QStringLiteral("10000,") + QString(100000, QLatin1Char('4')));
        QVERIFY(!Echoue(p) && c.txtMontant->text() == "10000,44");
        c.txtMontant->setText(QStringLiteral("-0"));
        QVERIFY(!Echoue(p) && c.txtMontant->text() == "0,00");
        QCOMPARE(p.rangee(11), QStringLiteral("12 31/12/2007 0,00 0,00 0,00 0,00 0,00"));
        // At 5 % the power overflows before any row: the message at once.
        p.calcule("10000", "2147483647", "5", "", "", QDate(2000, 1, 31));
        QVERIFY(p.interactions.messages.size() == 1 && p.lignes() == 0);
        // At 0 % the calendar stops it: every month up to December 9999, then the message, no costs,
        // no outputs.
        c.txtTaux->setText(QStringLiteral("0"));
        QVERIFY(Echoue(p));
        QVERIFY(p.lignes() == 96000 && p.f->modeleListe()->texte(95999, 1) == "31/12/9999");
        QVERIFY(c.lblCoutTotal->text().isEmpty() && c.lvwListe->isVisible() && !c.cmdImprimer->isEnabled());
    }

    // Pipes and endless devices where the program expects its files: each is refused at once with
    // its warning, and the program goes on with what it had.
    void fichiersSpeciaux() {
        Poste p;
        for (const char* tube : {"options.bin", "entetes.bin", "tube.amx", "logo.gif"})
            QCOMPARE(::mkfifo(QFile::encodeName(p.chemin(tube)).constData(), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), p.chemin("zero.amx")));
        const QString tubeNomme = QStringLiteral("c'est un tube nommé, pas un fichier ordinaire.");
        QCOMPARE(Demarre(p.module, p.interactions, QSize(1024, 768), false), PremiereFenetre::Accueil);
        QVERIFY(p.interactions.messages.size() == 1 &&
                p.interactions.messages[0].icone == IconeMessage::Avertissement);
        QCOMPARE(p.interactions.dernierTexte(),
                 QStringLiteral("Erreur 5\r\nLe fichier « %1 » n'a pas pu être lu : ")
                         .arg(p.chemin("options.bin")) +
                     tubeNomme);
        p.ouvre();
        QVERIFY(p.interactions.messages.size() == 2 &&
                p.interactions.dernierTexte().contains(p.chemin("entetes.bin")));
        QCOMPARE(p.module.strEnteteExcel, EnregistrementEntetesParDefaut().enteteExcel);
        p.module.strCheminImage = p.chemin("logo.gif");
        p.f->ChargePicLogo();
        QVERIFY(p.interactions.messages.size() == 3 && p.interactions.dernierTexte().endsWith(tubeNomme) &&
                p.c().picLogo->pixmap().isNull());
        p.c().txtMontant->setText(QStringLiteral("5000"));
        for (const char* document : {"tube.amx", "zero.amx"}) {
            const auto raison = p.f->OuvrirFichier(p.chemin(document));
            QVERIFY2(raison && raison->contains(QStringLiteral("pas un fichier ordinaire")) &&
                         p.c().txtMontant->text() == "5000",
                     document);
        }
    }

    // "Enregistrer sous..." on a full disk: the old document stays whole, the user is told, no
    // temporary file is left.
    void enregistrementSurUnDisquePlein() {
        DisquePlein disque;
        if (!disque.pret())
            QSKIP(disque.raison().c_str());
        const QByteArray ancien(48, 'a');
        QVERIFY(disque.place(QStringLiteral("pret.amx"), ancien));
        disque.remplit();
        Poste p;
        p.ouvre();
        p.calcule();
        p.interactions.fichiers.push_back(disque.chemin(QStringLiteral("pret.amx")));
        p.c().mnuEnregistrerSous->trigger();
        QVERIFY(p.interactions.messages.size() == 1 &&
                p.interactions.dernierTexte().startsWith(
                    QStringLiteral("Le document « pret.amx » n'a pas pu être enregistré.\r\nErreur 7\r\n")));
        QVERIFY(p.interactions.dernierTexte().endsWith(
            QStringLiteral("plus d'espace disponible sur le disque.")));
        QCOMPARE(p.f->windowTitle(), QStringLiteral("Amortix"));
        QVERIFY(Contenu(disque.chemin(QStringLiteral("pret.amx"))) == ancien &&
                disque.fichiers() == QStringList{QStringLiteral("pret.amx")});
    }

    // Every field empty in turn, the three others hostile: at most one message each time. A duration
    // of 2 147 483 647 periods from a tiny payment answers at once.
    void fenetreDeLaValeurManquante() {
        Poste p;
        p.ouvre();
        frmCalculManquant manquant(*p.f, p.interactions);
        for (int vide = 0; vide < 4; ++vide)
            for (const QString& texte :
                 {QString(100000, QLatin1Char('7')), QStringLiteral("∞"), QStringLiteral("1e308"),
                  QStringLiteral("0"), QStringLiteral("-0"), QStringLiteral("2147483647")}) {
                for (int i = 0; i < 4; ++i)
                    manquant.txtValeur[i]->setText(i == vide ? QString() : texte);
                p.interactions.messages.clear();
                manquant.cmdCalculer->click();
                QVERIFY(p.interactions.messages.size() <= 1);
            }
        for (const auto& [i, texte] : {std::pair{0, "1000000000"}, {1, ""}, {2, "0,01"}, {3, "8,34"}})
            manquant.txtValeur[i]->setText(QString::fromUtf8(texte));
        p.interactions.messages.clear();
        manquant.cmdCalculer->click();
        QVERIFY(p.interactions.messages.size() == 1 && manquant.txtValeur[1]->text().isEmpty());
    }
};

QTEST_MAIN(DocumentsTest)
#include "DocumentsTest.moc"
