#include "ControlesEmprunt.h"
#include "Demarrage.h"
#include "DialogueModal.h"
#include "FichierOptions.h"
#include "Fichiers.h"
#include "StockEntetes.h"
#include "Twips.h"
#include "frmAccueil.h"
#include "frmCustom.h"
#include "frmOptions.h"
#include "frmTauxUsure.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

using namespace amortix;

namespace amortix {
// A failed comparison of options shows all three.
char* toString(const Options& o) {
    return QTest::toString(QStringLiteral("{tegDansSorties %1, afficheEcranAccueil %2, tegActuariel %3}")
                               .arg(o.tegDansSorties)
                               .arg(o.afficheEcranAccueil)
                               .arg(o.tegActuariel));
}
} // namespace amortix

namespace {

QString Logo(const Poste& p, const char* nom, QSize taille) {
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    return image.save(p.chemin(nom)) ? p.chemin(nom) : QString();
}

bool Avertit(const Poste& p, const QString& texte) {
    return p.interactions.montre(IconeMessage::Avertissement, "Amortix", "Erreur ") &&
           p.interactions.dernierTexte().contains(texte);
}

} // namespace

class ReglagesFenetresTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // 640 pixels wide or less: the question; No ends everything without reading the options, Yes goes on,
    // creating an empty options file, the defaults holding. A document on the command line (the arguments
    // joined) skips the welcome screen, and so does the option. On the welcome screen, the arrow shows the
    // main window once and the timer cannot show it again; left alone, the timer (5 s) does the same.
    void demarrageSelonEcranOptionsEtLigneDeCommande() {
        Poste p;
        const QString options = p.dossier.filePath(NomFichierOptions);
        p.interactions.reponses = {false, true};
        QCOMPARE(Demarre(p.module, p.interactions, QSize(640, 480), false), PremiereFenetre::Aucune);
        QVERIFY(p.interactions.montre(
            IconeMessage::Question, QStringLiteral("Amortix"),
            QStringLiteral(
                "Votre résolution d'écran est de 640x480. Amortix nécessite une résolution minimale "
                "de 800x600. Vous pouvez continuer mais vous risquez de ne pas voir la totalité de "
                "la fenêtre de Amortix. Souhaitez-vous tout de même continuer ?")));
        QVERIFY(!QFile::exists(options));
        QCOMPARE(Demarre(p.module, p.interactions, QSize(640, 1024), false), PremiereFenetre::Accueil);
        QCOMPARE(Contenu(options), QByteArray());
        QCOMPARE(p.module.options(), Options{});
        QCOMPARE(Demarre(p.module, p.interactions, QSize(641, 200), false), PremiereFenetre::Accueil);
        QCOMPARE(Demarre(p.module, p.interactions, QSize(1280, 1024), true), PremiereFenetre::Principale);
        QVERIFY(Ecrit(options, "002"));
        QCOMPARE(Demarre(p.module, p.interactions, QSize(1280, 1024), false), PremiereFenetre::Principale);
        QCOMPARE(p.module.options(), (Options{false, false, false}));
        QCOMPARE(LigneDeCommande({"amortix", "/home/a/mes", "prêts/essai.amx"}),
                 QStringLiteral("/home/a/mes prêts/essai.amx"));
        int affichages = 0;
        QPointer<frmAccueil> accueil = new frmAccueil([&affichages] { ++affichages; });
        accueil->show();
        QCOMPARE(accueil->size(), QSize(Pixels(5010), Pixels(3345)));
        QCOMPARE(accueil->windowFlags() & Qt::FramelessWindowHint, Qt::FramelessWindowHint);
        QCOMPARE(accueil->Timer1->isActive(), true);
        QTest::mouseClick(accueil->imgFleche, Qt::LeftButton);
        QCOMPARE(affichages, 1);
        QTRY_VERIFY(accueil.isNull());
        accueil = new frmAccueil([&affichages] { ++affichages; });
        accueil->Timer1->start(10);
        QTRY_VERIFY(accueil.isNull());
        QCOMPARE(affichages, 2);
    }

    // No store: the default headers, no logo. Texts cut at 255 characters; Enter does not close; OK
    // stores and loads the logo at its size, Escape stores nothing; an emptied path removes the logo.
    void personnalisationLogoEtOptions() {
        Poste p;
        frmEmprunt& principale = p.ouvre();
        QCOMPARE(p.interactions.messages.size(), 0u);
        QCOMPARE(p.c().picLogo->pixmap().isNull(), true);
        QCOMPARE(p.module.strEnteteExcel, EnregistrementEntetesParDefaut().enteteExcel);
        const QString logo = Logo(p, "logo.bmp", QSize(120, 60)),
                      entetes = p.dossier.filePath(NomStockEntetes);
        RepondAuDialogue<frmCustom>(
            [](frmCustom& custom) { QTest::mouseClick(custom.cmdAnnuler, Qt::LeftButton); });
        Controle<QAction>(principale, "mnuPersonnaliser")->trigger();
        QVERIFY(!QFile::exists(entetes));
        {
            frmCustom custom(p.module, p.interactions, &principale);
            QObject::connect(&custom, &frmCustom::EntetesAppliques, &principale, &frmEmprunt::ChargePicLogo);
            QCOMPARE(custom.windowTitle(), "Personnaliser Amortix");
            QCOMPARE(custom.size(), QSize(Pixels(7635), Pixels(3495)));
            QCOMPARE(custom.txtImpression->text(), EnregistrementEntetesParDefaut().enteteImpression);
            custom.show();
            Tape(custom.txtImpression, QString(260, QLatin1Char('b')));
            QCOMPARE(custom.txtImpression->text().size(), 255);
            Tape(custom.txtImpression, QStringLiteral("  Banque Dupont"));
            QTest::keyClick(custom.txtImpression, Qt::Key_Return);
            QVERIFY(custom.isVisible());
            custom.txtImage->setText(QStringLiteral("tapé"));
            p.interactions.fichiers = {QString(), QString(300, QLatin1Char('a')), logo};
            QTest::mouseClick(custom.cmdParcourir, Qt::LeftButton);
            QCOMPARE(custom.txtImage->text(), "tapé");
            QCOMPARE(p.interactions.demandes.back().filtre, "Fichiers image (*.jpg *.bmp *.gif)");
            QTest::mouseClick(custom.cmdParcourir, Qt::LeftButton);
            QCOMPARE(custom.txtImage->text(), QString(255, QLatin1Char('a')));
            QTest::mouseClick(custom.cmdParcourir, Qt::LeftButton);
            QTest::mouseClick(custom.cmdOK, Qt::LeftButton);
        }
        QCOMPARE(p.interactions.messages.size(), 0u);
        QCOMPARE(p.module.strCheminImage, logo);
        QCOMPARE(p.module.strEnteteImpression, "Banque Dupont");
        QCOMPARE(p.c().picLogo->size(), QSize(120, 60));
        QCOMPARE(p.c().picLogo->pixmap().size(), QSize(120, 60));
        QCOMPARE(Contenu(entetes).left(16), QByteArray("  Banque Dupont "));
        {
            frmCustom custom(p.module, p.interactions, &principale);
            QObject::connect(&custom, &frmCustom::EntetesAppliques, &principale, &frmEmprunt::ChargePicLogo);
            QCOMPARE(custom.txtImpression->text(), QStringLiteral("Banque Dupont"));
            custom.show();
            custom.txtExportationExcel->setText(QStringLiteral("changé"));
            QTest::keyClick(&custom, Qt::Key_Escape);
        }
        QVERIFY(!Contenu(entetes).contains("chang"));
        frmCustom custom(p.module, p.interactions, &principale);
        QObject::connect(&custom, &frmCustom::EntetesAppliques, &principale, &frmEmprunt::ChargePicLogo);
        custom.txtImage->clear();
        custom.txtExportationExcel->clear();
        QTest::mouseClick(custom.cmdOK, Qt::LeftButton);
        QCOMPARE(p.c().picLogo->pixmap().isNull(), true);
        QCOMPARE(p.module.strEnteteExcel, QString());
        QVERIFY(LitEnregistrementEntetes(entetes).enregistrement.enteteExcel.isEmpty());
        // Options: OK and Enter (also on a check box) store what is shown, Annuler and Escape nothing; a file
        // that cannot be written is warned about, and the run goes on with the new choice.
        const QString fichier = p.dossier.filePath(NomFichierOptions);
        RepondAuDialogue<frmOptions>([](frmOptions& o) { QTest::mouseClick(o.cmdOK, Qt::LeftButton); });
        Controle<QAction>(principale, "mnuOptions")->trigger();
        QCOMPARE(Contenu(fichier), QByteArray("011"));
        const std::pair<std::function<void(frmOptions&)>, const char*> gestes[] = {
            {[](frmOptions& o) {
                 QTest::mouseClick(o.optTEG0, Qt::LeftButton);
                 QTest::mouseClick(o.cmdAnnuler, Qt::LeftButton);
             },
             "011"},
            {[](frmOptions& o) {
                 QTest::mouseClick(o.chkTEGDansExcel, Qt::LeftButton);
                 QTest::keyClick(&o, Qt::Key_Escape);
             },
             "011"},
            {[](frmOptions& o) {
                 QTest::mouseClick(o.optTEG0, Qt::LeftButton);
                 QTest::mouseClick(o.chkAfficheEcranAccueil, Qt::LeftButton);
                 o.chkTEGDansExcel->setFocus();
                 QTest::keyClick(o.chkTEGDansExcel, Qt::Key_Return);
             },
             "002"}};
        for (const auto& [geste, attendu] : gestes) {
            frmOptions options(p.module, p.interactions, &principale);
            options.show();
            geste(options);
            QCOMPARE(Contenu(fichier), QByteArray(attendu));
            QCOMPARE(options.isVisible(), false);
        }
        QCOMPARE(p.module.blnTEGActuariel, false);
        QCOMPARE(p.module.blnAfficheEcranAccueil, false);
        QVERIFY(Ecrit(fichier, "111"));
        frmOptions options(p.module, p.interactions, &principale);
        QCOMPARE(options.size(), QSize(Pixels(4680), Pixels(2700)));
        QCOMPARE(options.cmdOK->isDefault(), true);
        QCOMPARE(options.optTEG0->isChecked(), true);
        QCOMPARE(options.chkAfficheEcranAccueil->isChecked(), false);
        QTest::mouseClick(options.cmdInfosTEG, Qt::LeftButton);
        QVERIFY(p.interactions.montre(IconeMessage::Information, QStringLiteral("Infos TEG"),
                                      QStringLiteral("T.E.G. : Taux Effectif Global\r\n\r\n")));
        const QStringList paragraphes = p.interactions.dernierTexte().split(QStringLiteral("\r\n"));
        QCOMPARE(paragraphes.size(), 8);
        QCOMPARE(paragraphes[4], QString());
        QCOMPARE(paragraphes[6], QString());
        QVERIFY2(paragraphes[3].startsWith("Dans Amortix, le TEG prend donc en compte"),
                 qPrintable(paragraphes[3]));
        QVERIFY2(paragraphes[7].endsWith("il faut donc que la méthode de calcul du TEG soit identique."),
                 qPrintable(paragraphes[7]));
        QVERIFY(QFile::remove(fichier));
        QVERIFY(QDir().mkdir(fichier));
        QTest::mouseClick(options.chkTEGDansExcel, Qt::LeftButton);
        QTest::mouseClick(options.cmdOK, Qt::LeftButton);
        QVERIFY2(Avertit(p, "\r\n"), qPrintable(p.interactions.dernierTexte()));
        QCOMPARE(options.result(), QDialog::Accepted);
        QCOMPARE(p.module.blnTEGDansExcel, true);
    }

    // A logo gone, not a picture, or too large for Qt to hold (a bitmap header of 9000 × 9000 pixels,
    // 32 bits each): the warning, and the window keeps what it had.
    // "Taux d'usure..." in the options: the shipped ceilings shown, a date that does not start a quarter
    // refused with the dialog left open, a new quarter kept in the settings folder and used at once.
    void tauxUsureDepuisLesOptions() {
        PosteOuvert p;
        frmOptions options(p.module, p.interactions, p.f.get());
        options.show();
        QString montre, refus;
        bool resteOuvert = false;
        RepondAuDialogue<frmTauxUsure>([&](frmTauxUsure& d) {
            montre = d.txtPlafond[2]->text();
            d.dtpTrimestre->setDate(QDate(2026, 2, 1));
            QTest::mouseClick(d.cmdOK, Qt::LeftButton);
            refus = p.interactions.dernierTexte();
            resteOuvert = d.isVisible();
            d.dtpTrimestre->setDate(QDate(2026, 4, 1));
            Tape(d.txtPlafond[2], QStringLiteral("5,09"));
            QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        });
        QTest::mouseClick(options.cmdTauxUsure, Qt::LeftButton);
        QCOMPARE(montre, "5,13");
        QCOMPARE(refus,
                 "La date de validité doit être le premier jour d'un trimestre (1er janvier, 1er avril, "
                 "1er juillet ou 1er octobre).");
        QCOMPARE(resteOuvert, true);
        const QByteArray fichier = Contenu(p.module.fichierReglages(NomFichierTauxUsure));
        QVERIFY2(fichier.contains("trimestre=2026-04-01\n"), fichier.constData());
        QVERIFY2(fichier.contains("immobilier-20-ans-et-plus=5.09\n"), fichier.constData());
        QCOMPARE(p.module.tauxUsure.plafond(CategorieUsure::Immobilier20AnsEtPlus), 5.09);
    }

    void logoIntrouvableOuIllisible() {
        Poste p;
        const QString entetes = p.dossier.filePath(NomStockEntetes);
        EcritEnregistrementEntetes(entetes, {"a", "b", p.chemin("disparu.gif")});
        frmEmprunt& principale = p.ouvre();
        QCOMPARE(p.interactions.messages.size(), 1u);
        QVERIFY2(Avertit(p, QStringLiteral("disparu.gif")), qPrintable(p.interactions.dernierTexte()));
        QCOMPARE(p.c().picLogo->pixmap().isNull(), true);
        QCOMPARE(p.module.strEnteteImpression, "a");
        p.module.strCheminImage = Logo(p, "bon.bmp", QSize(30, 20));
        principale.ChargePicLogo();
        QVERIFY(Ecrit(p.chemin("faux.jpg"), "pas une image"));
        frmCustom custom(p.module, p.interactions, &principale);
        QObject::connect(&custom, &frmCustom::EntetesAppliques, &principale, &frmEmprunt::ChargePicLogo);
        custom.txtImage->setText(p.chemin("faux.jpg"));
        QTest::mouseClick(custom.cmdOK, Qt::LeftButton);
        QVERIFY2(Avertit(p, "Ce fichier n'est pas une image reconnue : " + p.chemin("faux.jpg")),
                 qPrintable(p.interactions.dernierTexte()));
        QCOMPARE(custom.result(), QDialog::Accepted);
        QCOMPARE(LitEnregistrementEntetes(entetes).enregistrement.cheminImage, p.chemin("faux.jpg"));
        QByteArray bmp = "BM";
        for (const quint32 valeur : {54u, 0u, 54u, 40u, 9000u, 9000u, 1u | 32u << 16, 0u, 0u, 0u, 0u, 0u, 0u})
            bmp += QByteArray(reinterpret_cast<const char*>(&valeur), 4); // little-endian
        QVERIFY(Ecrit(p.chemin("immense.bmp"), bmp));
        p.module.strCheminImage = p.chemin("immense.bmp");
        principale.ChargePicLogo();
        QVERIFY(Avertit(p, QStringLiteral("Image trop grande (9000 × 9000 pixels)")));
        QCOMPARE(p.c().picLogo->pixmap().size(), QSize(30, 20));
    }
};

QTEST_MAIN(ReglagesFenetresTest)
#include "ReglagesFenetresTest.moc"
