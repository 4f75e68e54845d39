#include "../commun/Fichiers.h"
#include "ControlesEmprunt.h"
#include "Demarrage.h"
#include "DialogueModal.h"
#include "FichierOptions.h"
#include "InteractionsScriptees.h"
#include "StockEntetes.h"
#include "Twips.h"
#include "frmAccueil.h"
#include "frmCustom.h"
#include "frmEmprunt.h"
#include "frmOptions.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

using namespace amortix;

namespace {

// A small picture file for the logo.
QString Logo(const QTemporaryDir& dossier, const QString& nom, QSize taille) {
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    const QString chemin = dossier.filePath(nom);
    image.save(chemin);
    return chemin;
}

// A settings folder of its own and a main window on it.
struct Poste {
    QTemporaryDir dossier;
    Module module;
    InteractionsScriptees interactions;
    std::unique_ptr<frmEmprunt> principale;

    Poste() { module.dossierReglages = dossier.path(); }
    QString options() const { return dossier.filePath(NomFichierOptions); }
    QString entetes() const { return dossier.filePath(NomStockEntetes); }
    frmEmprunt& ouvre() {
        principale = std::make_unique<frmEmprunt>(module, interactions);
        return *principale;
    }
    QLabel* logo() const { return Controles(*principale).picLogo; }
};

} // namespace

class ReglagesFenetresTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void demarrageSelonEcranOptionsEtLigneDeCommande() {
        Poste p;
        // 640 pixels wide: the question, with the size; No ends everything, without reading the options.
        p.interactions.reponses = {false};
        QCOMPARE(Demarre(p.module, p.interactions, QSize(640, 480), false), PremiereFenetre::Aucune);
        QCOMPARE(p.interactions.messages.size(), std::size_t(1));
        QCOMPARE(p.interactions.messages[0].titre, QStringLiteral("Amortix"));
        QCOMPARE(p.interactions.messages[0].icone, IconeMessage::Question);
        QVERIFY(p.interactions.messages[0].texte.startsWith(QStringLiteral(
            "Votre résolution d'écran est de 640x480. Amortix nécessite une résolution minimale de "
            "800x600. Vous pouvez continuer mais vous risquez de ne pas voir la totalité de la fenêtre "
            "de Amortix. Souhaitez-vous tout de même continuer ?")));
        QVERIFY(!QFile::exists(p.options()));

        // Yes goes on: no options file yet, so it is created empty and the defaults hold.
        p.interactions.reponses = {true};
        QCOMPARE(Demarre(p.module, p.interactions, QSize(640, 1024), false), PremiereFenetre::Accueil);
        QCOMPARE(Contenu(p.options()), QByteArray());
        QVERIFY(!p.module.blnTEGDansExcel);
        QVERIFY(p.module.blnAfficheEcranAccueil);
        QVERIFY(p.module.blnTEGActuariel);

        // 641 pixels and more: no question, whatever the height.
        p.interactions.messages.clear();
        QCOMPARE(Demarre(p.module, p.interactions, QSize(641, 200), false), PremiereFenetre::Accueil);
        QVERIFY(p.interactions.messages.empty());

        // A document on the command line skips the welcome screen, and so does the option.
        QCOMPARE(Demarre(p.module, p.interactions, QSize(1280, 1024), true), PremiereFenetre::Principale);
        QVERIFY(Ecrit(p.options(), "002"));
        QCOMPARE(Demarre(p.module, p.interactions, QSize(1280, 1024), false), PremiereFenetre::Principale);
        QVERIFY(!p.module.blnTEGActuariel);
        QVERIFY(Ecrit(p.options(), "1x1"));
        QCOMPARE(Demarre(p.module, p.interactions, QSize(1280, 1024), false), PremiereFenetre::Accueil);
        QVERIFY(p.module.blnTEGDansExcel);

        QCOMPARE(LigneDeCommande({"amortix", "/home/a/mes", "prêts/essai.amx"}),
                 QStringLiteral("/home/a/mes prêts/essai.amx"));
        QCOMPARE(LigneDeCommande({"amortix"}), QString());
    }

    void ecranDAccueil() {
        int affichages = 0;
        auto* accueil = new frmAccueil([&affichages] { ++affichages; });
        QPointer<frmAccueil> garde(accueil);
        accueil->show();
        QCOMPARE(accueil->size(), QSize(Pixels(5010), Pixels(3345)));
        QVERIFY(accueil->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(accueil->Picture1->pixmap().size(), QSize(335, 224));
        QCOMPARE(accueil->imgFleche->geometry(), RectangleTwips(4500, 2910, 555, 435));
        QCOMPARE(accueil->Timer1->interval(), 5000);
        QVERIFY(accueil->Timer1->isActive());

        // The arrow shows the main window once; the timer cannot show it again.
        QTest::mouseClick(accueil->imgFleche, Qt::LeftButton);
        QCOMPARE(affichages, 1);
        QTRY_VERIFY(garde.isNull());

        // Left alone, the timer does the same.
        accueil = new frmAccueil([&affichages] { ++affichages; });
        garde = accueil;
        accueil->Timer1->setInterval(10);
        accueil->Timer1->start();
        QTRY_COMPARE(affichages, 2);
        QTRY_VERIFY(garde.isNull());
    }

    void optionsOkAnnulerEntreeEchap() {
        Poste p;
        frmEmprunt& principale = p.ouvre();
        {
            frmOptions options(p.module, p.interactions, &principale);
            QCOMPARE(options.windowTitle(), QStringLiteral("Options"));
            QCOMPARE(options.size(), QSize(Pixels(4680), Pixels(2700)));
            QVERIFY(!options.chkTEGDansExcel->isChecked());
            QVERIFY(options.chkAfficheEcranAccueil->isChecked());
            QVERIFY(options.optTEG1->isChecked());
            QCOMPARE(options.optTEG0->text(), QStringLiteral("Proportionnel"));
            QCOMPARE(options.chkTEGDansExcel->text(),
                     QStringLiteral("Afficher le &TEG dans l'exportation Excel et l'impression"));
            QVERIFY(options.cmdOK->isDefault());
            // OK without a change writes what is shown.
            QTest::mouseClick(options.cmdOK, Qt::LeftButton);
            QCOMPARE(options.result(), int(QDialog::Accepted));
            QCOMPARE(Contenu(p.options()), QByteArray("011"));
        }
        {
            frmOptions options(p.module, p.interactions, &principale);
            options.show();
            QTest::mouseClick(options.optTEG0, Qt::LeftButton);
            QTest::mouseClick(options.chkTEGDansExcel, Qt::LeftButton);
            QTest::mouseClick(options.cmdAnnuler, Qt::LeftButton);
            QCOMPARE(Contenu(p.options()), QByteArray("011"));
            QVERIFY(p.module.blnTEGActuariel);
        }
        {
            frmOptions options(p.module, p.interactions, &principale);
            options.show();
            QTest::mouseClick(options.optTEG0, Qt::LeftButton);
            QTest::keyClick(&options, Qt::Key_Escape);
            QCOMPARE(options.result(), int(QDialog::Rejected));
            QCOMPARE(Contenu(p.options()), QByteArray("011"));
        }
        {
            // Enter is OK, also with the focus on a check box.
            frmOptions options(p.module, p.interactions, &principale);
            options.show();
            QTest::mouseClick(options.optTEG0, Qt::LeftButton);
            QTest::mouseClick(options.chkAfficheEcranAccueil, Qt::LeftButton);
            options.chkTEGDansExcel->setFocus();
            QTest::keyClick(options.chkTEGDansExcel, Qt::Key_Return);
            QCOMPARE(options.result(), int(QDialog::Accepted));
            QCOMPARE(Contenu(p.options()), QByteArray("002"));
            QVERIFY(!p.module.blnTEGActuariel);
            QVERIFY(!p.module.blnAfficheEcranAccueil);
        }
        {
            // The dialog shows what is in memory, not the file.
            QVERIFY(Ecrit(p.options(), "111"));
            frmOptions options(p.module, p.interactions, &principale);
            QVERIFY(options.optTEG0->isChecked());
            QVERIFY(!options.chkAfficheEcranAccueil->isChecked());
            QTest::mouseClick(options.cmdInfosTEG, Qt::LeftButton);
            QCOMPARE(p.interactions.messages.back().titre, QStringLiteral("Infos TEG"));
            QCOMPARE(p.interactions.messages.back().icone, IconeMessage::Information);
            const QStringList paragraphes = p.interactions.dernierTexte().split(QStringLiteral("\r\n"));
            QCOMPARE(paragraphes.size(), 8);
            QCOMPARE(paragraphes[0], QStringLiteral("T.E.G. : Taux Effectif Global"));
            QVERIFY(paragraphes[1].isEmpty());
            QVERIFY(paragraphes[3].startsWith(QStringLiteral("Dans Amortix, le TEG prend donc en compte")));
            QVERIFY(paragraphes[4].isEmpty() && paragraphes[6].isEmpty());
            QVERIFY(paragraphes[7].endsWith(
                QStringLiteral("il faut donc que la méthode de calcul du TEG soit identique.")));
        }
        // The focus order starts with the buttons.
        frmOptions options(p.module, p.interactions, &principale);
        QCOMPARE(options.cmdOK->nextInFocusChain(), options.cmdAnnuler);
    }

    void optionsDansUnDossierQuOnNePeutEcrire() {
        Poste p;
        frmEmprunt& principale = p.ouvre();
        QVERIFY(QDir(p.dossier.path()).mkdir(NomFichierOptions)); // stands where the file should be
        frmOptions options(p.module, p.interactions, &principale);
        QTest::mouseClick(options.chkTEGDansExcel, Qt::LeftButton);
        QTest::mouseClick(options.cmdOK, Qt::LeftButton);
        QCOMPARE(p.interactions.messages.size(), std::size_t(1));
        QCOMPARE(p.interactions.messages[0].icone, IconeMessage::Avertissement);
        QCOMPARE(p.interactions.messages[0].titre, QStringLiteral("Amortix"));
        QVERIFY(p.interactions.dernierTexte().startsWith(QStringLiteral("Erreur ")));
        QVERIFY(p.interactions.dernierTexte().contains(QStringLiteral("\r\n")));
        // The dialog closes and the run goes on with the new choice.
        QCOMPARE(options.result(), int(QDialog::Accepted));
        QVERIFY(p.module.blnTEGDansExcel);
    }

    void personnalisationEtLogo() {
        Poste p;
        // No store: the default headers, no logo.
        frmEmprunt& principale = p.ouvre();
        QVERIFY(p.interactions.messages.empty());
        QCOMPARE(p.module.strEnteteExcel, EnregistrementEntetesParDefaut().enteteExcel);
        QVERIFY(p.logo()->pixmap().isNull());

        const QString logo = Logo(p.dossier, QStringLiteral("logo.bmp"), QSize(120, 60));
        {
            frmCustom custom(p.module, p.interactions, principale);
            QCOMPARE(custom.windowTitle(), QStringLiteral("Personnaliser Amortix"));
            QCOMPARE(custom.size(), QSize(Pixels(7635), Pixels(3495)));
            QCOMPARE(custom.txtImpression->text(), EnregistrementEntetesParDefaut().enteteImpression);
            QCOMPARE(custom.cmdParcourir->toolTip(), QStringLiteral("Parcourir"));
            custom.show();
            custom.txtImpression->clear();
            QTest::keyClicks(custom.txtImpression, QStringLiteral("  Banque Dupont"));
            // Enter in a field does not close this dialog.
            QTest::keyClick(custom.txtImpression, Qt::Key_Return);
            QVERIFY(custom.isVisible());
            // Browse: cancelled keeps the text, chosen replaces it.
            custom.txtImage->setText(QStringLiteral("tapé"));
            QTest::mouseClick(custom.cmdParcourir, Qt::LeftButton);
            QCOMPARE(custom.txtImage->text(), QStringLiteral("tapé"));
            QCOMPARE(p.interactions.demandes.back().filtre,
                     QStringLiteral("Fichiers image (*.jpg *.bmp *.gif)"));
            QVERIFY(p.interactions.demandes.back().fichierPropose.isEmpty());
            p.interactions.fichiers = {logo};
            QTest::mouseClick(custom.cmdParcourir, Qt::LeftButton);
            QCOMPARE(custom.txtImage->text(), logo);
            QTest::mouseClick(custom.cmdOK, Qt::LeftButton);
        }
        QVERIFY(p.interactions.messages.empty());
        QCOMPARE(p.module.strEnteteImpression, QStringLiteral("Banque Dupont"));
        QCOMPARE(p.module.strCheminImage, logo);
        QCOMPARE(p.logo()->pixmap().size(), QSize(120, 60));
        QCOMPARE(p.logo()->size(), QSize(120, 60));
        QCOMPARE(Contenu(p.entetes()).left(16), QByteArray("  Banque Dupont "));

        {
            // The dialog shows the stored record; Escape and Annuler store nothing.
            frmCustom custom(p.module, p.interactions, principale);
            QCOMPARE(custom.txtImpression->text(), QStringLiteral("Banque Dupont"));
            custom.show();
            custom.txtExportationExcel->setText(QStringLiteral("changé"));
            QTest::keyClick(&custom, Qt::Key_Escape);
            QCOMPARE(custom.result(), int(QDialog::Rejected));
        }
        QVERIFY(!Contenu(p.entetes()).contains("chang"));
        {
            // Emptying the path removes the logo at once; an emptied header stays empty.
            frmCustom custom(p.module, p.interactions, principale);
            custom.txtImage->clear();
            custom.txtExportationExcel->clear();
            QTest::mouseClick(custom.cmdOK, Qt::LeftButton);
        }
        QVERIFY(p.logo()->pixmap().isNull());
        QVERIFY(p.module.strEnteteExcel.isEmpty());
        QVERIFY(LitEnregistrementEntetes(p.entetes()).enregistrement.enteteExcel.isEmpty());
    }

    void limiteDe255Caracteres() {
        Poste p;
        frmEmprunt& principale = p.ouvre();
        frmCustom custom(p.module, p.interactions, principale);
        const QString long_ = QString(300, QLatin1Char('a'));
        p.interactions.fichiers = {long_};
        QTest::mouseClick(custom.cmdParcourir, Qt::LeftButton);
        QCOMPARE(custom.txtImage->text(), QString(255, QLatin1Char('a')));
        custom.txtImpression->clear();
        QTest::keyClicks(custom.txtImpression, QString(260, QLatin1Char('b')));
        QCOMPARE(custom.txtImpression->text().size(), 255);
        custom.txtExportationExcel->setText(long_);
        QCOMPARE(custom.txtExportationExcel->text().size(), 255);
    }

    void logoIntrouvableOuIllisible() {
        Poste p;
        // A stored path to a file that is gone: the warning at start-up, then the window without a logo.
        EcritEnregistrementEntetes(p.entetes(), {QStringLiteral("a"), QStringLiteral("b"),
                                                 p.dossier.filePath(QStringLiteral("disparu.gif"))});
        frmEmprunt& principale = p.ouvre();
        QCOMPARE(p.interactions.messages.size(), std::size_t(1));
        QCOMPARE(p.interactions.messages[0].icone, IconeMessage::Avertissement);
        QCOMPARE(p.interactions.messages[0].titre, QStringLiteral("Amortix"));
        QVERIFY(p.interactions.dernierTexte().startsWith(QStringLiteral("Erreur ")));
        QVERIFY(p.interactions.dernierTexte().contains(QStringLiteral("disparu.gif")));
        QVERIFY(p.logo()->pixmap().isNull());
        QCOMPARE(p.module.strEnteteImpression, QStringLiteral("a"));

        // A good logo, then a file that is not a picture: stored all the same, the old logo stays.
        p.module.strCheminImage = Logo(p.dossier, QStringLiteral("bon.bmp"), QSize(30, 20));
        principale.ChargePicLogo();
        QCOMPARE(p.logo()->pixmap().size(), QSize(30, 20));
        const QString faux = p.dossier.filePath(QStringLiteral("faux.jpg"));
        QVERIFY(Ecrit(faux, "pas une image"));
        frmCustom custom(p.module, p.interactions, principale);
        custom.txtImage->setText(faux);
        QTest::mouseClick(custom.cmdOK, Qt::LeftButton);
        QCOMPARE(custom.result(), int(QDialog::Accepted));
        QVERIFY(p.interactions.dernierTexte().startsWith(QStringLiteral("Erreur ")));
        QCOMPARE(p.logo()->pixmap().size(), QSize(30, 20));
        QCOMPARE(LitEnregistrementEntetes(p.entetes()).enregistrement.cheminImage, faux);

        // A picture too large for Qt to hold (a bitmap header of 9000 × 9000 pixels, 32 bits each):
        // named as such, not as damaged.
        QByteArray bmp = "BM";
        const auto mot = [&bmp](quint32 v, int octets) {
            for (int i = 0; i < octets; ++i)
                bmp += char((v >> (8 * i)) & 0xFF);
        };
        mot(54, 4), mot(0, 4), mot(54, 4), mot(40, 4), mot(9000, 4), mot(9000, 4), mot(1, 2), mot(32, 2);
        for (int i = 0; i < 6; ++i)
            mot(0, 4);
        const QString immense = p.dossier.filePath(QStringLiteral("immense.bmp"));
        QVERIFY(Ecrit(immense, bmp));
        p.module.strCheminImage = immense;
        principale.ChargePicLogo();
        QVERIFY2(
            p.interactions.dernierTexte().contains(QStringLiteral("Image trop grande (9000 × 9000 pixels)")),
            qPrintable(p.interactions.dernierTexte()));
        QCOMPARE(p.logo()->pixmap().size(), QSize(30, 20));
    }

    void menusDeLaFenetrePrincipale() {
        Poste p;
        frmEmprunt& principale = p.ouvre();
        principale.show();
        // The dialogs are modal: answered from inside their own event loop.
        RepondAuDialogue<frmOptions>([](frmOptions& options) {
            QTest::mouseClick(options.optTEG0, Qt::LeftButton);
            QTest::mouseClick(options.cmdOK, Qt::LeftButton);
        });
        Controles(principale).mnuOptions->trigger();
        QVERIFY(!p.module.blnTEGActuariel);
        RepondAuDialogue<frmCustom>(
            [](frmCustom& custom) { QTest::mouseClick(custom.cmdAnnuler, Qt::LeftButton); });
        Controles(principale).mnuPersonnaliser->trigger();
        QVERIFY(!QFile::exists(p.entetes()));
    }
};

QTEST_MAIN(ReglagesFenetresTest)
#include "ReglagesFenetresTest.moc"
