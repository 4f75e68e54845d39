#include "../commun/DisquePlein.h"
#include "ControlesEmprunt.h"
#include "Demarrage.h"
#include "frmCalculManquant.h"

#include <QClipboard>
#include <sys/stat.h>

using namespace amortix;

namespace {

// Computes, and says whether the outcome was the failure message (true) or a schedule (false).
bool Echoue(Poste& p) {
    p.interactions.messages.clear();
    p.f->cmdCalculer_Click();
    return p.interactions.messages.size() == 1 &&
           p.interactions.dernierTexte() ==
               "Les informations saisies sont incomplètes ou incorrectes, veuillez les corriger.";
}

} // namespace

// Texts nobody types but anybody can paste, and files that are not files: each gives the message,
// a schedule or a warning, never a crash and never a window that stops answering.
class EntreesHostilesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

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
        // Zero borrowed, written "-0": a schedule of zeros.
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
        for (const char* tube : {"options.bin", "entetes.bin", "tube.amx"})
            QCOMPARE(::mkfifo(QFile::encodeName(p.chemin(tube)).constData(), 0600), 0);
        QCOMPARE(Demarre(p.module, p.interactions, QSize(1024, 768), false), PremiereFenetre::Accueil);
        QVERIFY(p.interactions.messages.size() == 1 &&
                p.interactions.messages[0].icone == IconeMessage::Avertissement);
        QCOMPARE(p.interactions.dernierTexte(),
                 QStringLiteral("Erreur 5\r\nLe fichier « %1 » n'a pas pu être lu : ")
                         .arg(p.chemin("options.bin")) +
                     QStringLiteral("c'est un tube nommé, pas un fichier ordinaire."));
        p.ouvre();
        QVERIFY(p.interactions.messages.size() == 2 &&
                p.interactions.dernierTexte().contains(p.chemin("entetes.bin")));
        QCOMPARE(p.module.strEnteteExcel, EnregistrementEntetesParDefaut().enteteExcel);
        p.c().txtMontant->setText(QStringLiteral("5000"));
        const auto raison = p.f->OuvrirFichier(p.chemin("tube.amx"));
        QVERIFY(raison && raison->contains(QStringLiteral("pas un fichier ordinaire")) &&
                p.c().txtMontant->text() == "5000");
    }

    // "Enregistrer sous..." on a full disk: a write error, which the user is told.
    void enregistrementSurUnDisquePlein() {
        DisquePlein disque;
        if (!disque.pret())
            QSKIP(disque.raison().c_str());
        QVERIFY(disque.place(QStringLiteral("pret.amx"), QByteArray(48, 'a')));
        disque.remplit();
        Poste p;
        p.ouvre();
        p.calcule();
        p.interactions.fichiers.push_back(disque.chemin(QStringLiteral("pret.amx")));
        p.c().mnuEnregistrerSous->trigger();
        QVERIFY(p.interactions.messages.size() == 1 &&
                p.interactions.dernierTexte().startsWith(
                    QStringLiteral("Le document « pret.amx » n'a pas pu être enregistré.\r\nErreur 7\r\n")));
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

QTEST_MAIN(EntreesHostilesTest)
#include "EntreesHostilesTest.moc"
