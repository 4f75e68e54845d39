#include "../commun/DisquePlein.h"
#include "../commun/Fichiers.h"
#include "ControlesEmprunt.h"
#include "Demarrage.h"
#include "InteractionsScriptees.h"
#include "ModeleEcheancier.h"
#include "frmCalculManquant.h"
#include "frmEmprunt.h"

#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sys/stat.h>

using namespace amortix;

namespace {

const QString MessageEchec =
    QStringLiteral("Les informations saisies sont incomplètes ou incorrectes, veuillez les corriger.");

struct Poste {
    QTemporaryDir dossier;
    Module module;
    InteractionsScriptees interactions;
    std::unique_ptr<frmEmprunt> f;
    Poste() {
        module.dossierReglages = dossier.path();
        f = std::make_unique<frmEmprunt>(module, interactions);
        f->show();
    }
    void saisit(const QString& montant, const QString& duree, const QString& taux) {
        Controles(*f).txtMontant->setText(montant);
        Controles(*f).txtMensualite->setText(duree);
        Controles(*f).txtTaux->setText(taux);
    }
    // Computes, and says whether the outcome was the failure message (true) or a schedule (false).
    bool echoue() {
        interactions.messages.clear();
        f->cmdCalculer_Click();
        return !interactions.messages.empty() && interactions.dernierTexte() == MessageEchec;
    }
};

} // namespace

// Texts nobody types but anybody can paste: each gives the message or a schedule, never a crash and
// never a window that stops answering.
class EntreesHostilesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void textesColles() {
        Poste p;
        Controles(*p.f).DTPicker->setDate(QDate(2007, 1, 31));
        p.saisit(QStringLiteral("10000"), QStringLiteral("12"), QStringLiteral("6"));

        // A pasted flood of digits: too large for a number.
        QApplication::clipboard()->setText(QString(100000, QLatin1Char('9')));
        Controles(*p.f).txtMontant->clear();
        Controles(*p.f).txtMontant->setFocus();
        QTest::keyClick(Controles(*p.f).txtMontant, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Controles(*p.f).txtMontant->text().size(), 32767); // the field's own limit
        QVERIFY(p.echoue());

        const QString nul = QStringLiteral("100") + QChar(u'\0') + QStringLiteral("00");
        for (const QString& montant : {QStringLiteral("1e308"), QStringLiteral("∞"), QStringLiteral("NaN"),
                                       nul, QStringLiteral("1,5,5"), QStringLiteral("--1")}) {
            Controles(*p.f).txtMontant->setText(montant);
            QVERIFY2(p.echoue(), qPrintable(montant));
        }
        // A long run of decimals is a number, rounded.
        Controles(*p.f).txtMontant->setText(QStringLiteral("10000,") + QString(100000, QLatin1Char('4')));
        QVERIFY(!p.echoue());
        QCOMPARE(Controles(*p.f).txtMontant->text(), QStringLiteral("10000,44"));

        // Zero borrowed, written "-0": a schedule of zeros.
        Controles(*p.f).txtMontant->setText(QStringLiteral("-0"));
        p.f->cmdCalculer_Click();
        QCOMPARE(Controles(*p.f).txtMontant->text(), QStringLiteral("0,00"));
        QCOMPARE(p.f->modeleListe()->rowCount(), 12);
        QCOMPARE(p.f->modeleListe()->texte(11, 6), QStringLiteral("0,00"));
    }

    void dureesExtremes() {
        Poste p;
        Controles(*p.f).DTPicker->setDate(QDate(2000, 1, 31));
        // At 5 % the power overflows before any row: the message at once.
        p.saisit(QStringLiteral("10000"), QStringLiteral("2147483647"), QStringLiteral("5"));
        QVERIFY(p.echoue());
        QCOMPARE(p.f->modeleListe()->rowCount(), 0);
        // At 0 % the calendar stops it: 96 000 rows, then the message.
        Controles(*p.f).txtTaux->setText(QStringLiteral("0"));
        QVERIFY(p.echoue());
        QCOMPARE(p.f->modeleListe()->rowCount(), 96000);

        for (const QString& duree : {QStringLiteral("2147483648"), QStringLiteral("-2147483648"),
                                     QStringLiteral("0"), QStringLiteral("-1")}) {
            Controles(*p.f).txtMensualite->setText(duree);
            QVERIFY2(p.echoue(), qPrintable(duree));
        }
        // A date far on: the calendar ends before the schedule.
        Controles(*p.f).DTPicker->setDate(QDate(9999, 6, 30));
        p.saisit(QStringLiteral("10000"), QStringLiteral("12"), QStringLiteral("6"));
        QVERIFY(p.echoue());
        QCOMPARE(p.f->modeleListe()->rowCount(), 7);
        QVERIFY(Controles(*p.f).lblCoutTotal->text().isEmpty());
    }

    // Pipes and endless devices where the program expects its files: each is refused at once with
    // its warning, and the program goes on with what it had.
    void fichiersSpeciaux() {
        QTemporaryDir dossier;
        const auto chemin = [&](const char* nom) { return dossier.filePath(QLatin1String(nom)); };
        for (const char* tube : {"options.bin", "entetes.bin", "tube.amx", "logo.gif"})
            QCOMPARE(::mkfifo(QFile::encodeName(chemin(tube)).constData(), 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), chemin("zero.amx")));
        const QString tubeNomme = QStringLiteral("c'est un tube nommé, pas un fichier ordinaire.");

        Module module;
        module.dossierReglages = dossier.path();
        InteractionsScriptees interactions;
        QCOMPARE(Demarre(module, interactions, QSize(1024, 768), false), PremiereFenetre::Accueil);
        QCOMPARE(interactions.messages.size(), std::size_t(1));
        QCOMPARE(interactions.messages[0].icone, IconeMessage::Avertissement);
        QCOMPARE(
            interactions.dernierTexte(),
            QStringLiteral("Erreur 5\r\nLe fichier « %1 » n'a pas pu être lu : ").arg(chemin("options.bin")) +
                tubeNomme);

        frmEmprunt f(module, interactions);
        QCOMPARE(interactions.messages.size(), std::size_t(2));
        QVERIFY(interactions.dernierTexte().contains(chemin("entetes.bin")));
        QCOMPARE(module.strEnteteExcel, EnregistrementEntetesParDefaut().enteteExcel);

        module.strCheminImage = chemin("logo.gif");
        f.ChargePicLogo();
        QCOMPARE(interactions.messages.size(), std::size_t(3));
        QVERIFY(interactions.dernierTexte().endsWith(tubeNomme));
        QVERIFY(Controles(f).picLogo->pixmap().isNull());

        Controles(f).txtMontant->setText(QStringLiteral("5000"));
        for (const char* document : {"tube.amx", "zero.amx"}) {
            const auto raison = f.OuvrirFichier(chemin(document));
            QVERIFY(raison);
            QVERIFY2(raison->contains(QStringLiteral("pas un fichier ordinaire")), qPrintable(*raison));
            QCOMPARE(Controles(f).txtMontant->text(), QStringLiteral("5000"));
        }
    }

    // "Enregistrer sous..." on a full disk: the old document stays whole, the user is told, no
    // temporary file is left.
    void enregistrementSurUnDisquePlein() {
        DisquePlein disque;
        if (!disque.pret())
            QSKIP(disque.raison().c_str());
        const QByteArray ancien = "10000,00\r\n12\r\n0\r\n6,00\r\n0,00\r\n0,00\r\n31\r\n1\r\n2007\r\n";
        QCOMPARE(ancien.size(), 48);
        QVERIFY(disque.place(QStringLiteral("pret.amx"), ancien));
        disque.remplit();

        Poste p;
        p.saisit(QStringLiteral("10000"), QStringLiteral("12"), QStringLiteral("6"));
        QVERIFY(!p.echoue());
        p.interactions.messages.clear();
        p.interactions.fichiers.push_back(disque.chemin(QStringLiteral("pret.amx")));
        Controles(*p.f).mnuEnregistrerSous->trigger();
        QCOMPARE(p.interactions.messages.size(), std::size_t(1));
        QVERIFY(p.interactions.dernierTexte().startsWith(
            QStringLiteral("Le document « pret.amx » n'a pas pu être enregistré.\r\nErreur 7\r\n")));
        QVERIFY(p.interactions.dernierTexte().endsWith(
            QStringLiteral("plus d'espace disponible sur le disque.")));
        QCOMPARE(Contenu(disque.chemin(QStringLiteral("pret.amx"))), ancien);
        QCOMPARE(disque.fichiers(), QStringList{QStringLiteral("pret.amx")});
        QCOMPARE(p.f->windowTitle(), QStringLiteral("Amortix"));
    }

    void fenetreDeLaValeurManquante() {
        Poste p;
        frmCalculManquant manquant(*p.f, p.interactions);
        const QStringList textes = {QString(100000, QLatin1Char('7')),
                                    QStringLiteral("∞"),
                                    QStringLiteral("1e308"),
                                    QStringLiteral("0"),
                                    QStringLiteral("-0"),
                                    QStringLiteral("2147483647")};
        // Every field empty in turn, the three others from the hostile texts.
        for (int vide = 0; vide < 4; ++vide) {
            for (const QString& texte : textes) {
                for (int i = 0; i < 4; ++i)
                    manquant.txtValeur[static_cast<std::size_t>(i)]->setText(i == vide ? QString() : texte);
                p.interactions.messages.clear();
                manquant.cmdCalculer->click();
                QCOMPARE(p.interactions.messages.size() <= 1, true);
            }
        }
        // A duration of 2 147 483 647 periods from a tiny payment answers at once.
        for (int i = 0; i < 4; ++i)
            manquant.txtValeur[static_cast<std::size_t>(i)]->clear();
        manquant.txtValeur[0]->setText(QStringLiteral("1000000000"));
        manquant.txtValeur[2]->setText(QStringLiteral("0,01"));
        manquant.txtValeur[3]->setText(QStringLiteral("8,34"));
        p.interactions.messages.clear();
        manquant.cmdCalculer->click();
        QCOMPARE(p.interactions.messages.size(), std::size_t(1));
        QVERIFY(manquant.txtValeur[1]->text().isEmpty());
    }
};

QTEST_MAIN(EntreesHostilesTest)
#include "EntreesHostilesTest.moc"
