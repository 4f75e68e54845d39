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
#include <QPointer>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

using namespace amortix;
using Message = InteractionsScriptees::Message;

namespace amortix {
// As the options file writes them: "011" for the defaults.
char* toString(const Options& o) {
    const char octets[] = {char('0' + o.tegDansSorties), char('0' + o.afficheEcranAccueil),
                           o.tegActuariel ? '1' : '2', '\0'};
    return qstrdup(octets);
}
} // namespace amortix

namespace {

// A plain picture of that size in the settings folder.
QString Logo(const Poste& p, const char* nom, QSize taille) {
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    return image.save(p.chemin(nom)) ? p.chemin(nom) : QString();
}

// The main window's warning about a setting: the error's number, then its text.
Message Avertissement(int numero, const QString& texte) {
    const QString erreur = QStringLiteral("Erreur %1\r\n").arg(numero);
    return {IconeMessage::Avertissement, "Amortix", erreur + texte};
}

// The customisation window, tied to the main window as its menu ties it.
struct Personnalisation : frmCustom {
    explicit Personnalisation(Poste& p) : frmCustom(p.module, p.interactions, p.f.get()) {
        connect(this, &frmCustom::EntetesAppliques, p.f.get(), &frmEmprunt::ChargePicLogo);
    }
    void ok() { QTest::mouseClick(cmdOK, Qt::LeftButton); }
};

} // namespace

class ReglagesFenetresTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // At 640 pixels wide or less, No ends it before the options are read.
    void demarrage() {
        Poste p;
        const QString options = p.dossier.filePath(NomFichierOptions);
        const auto demarre = [&p](int l, int h, bool document) {
            return Demarre(p.module, p.interactions, QSize(l, h), document);
        };
        p.interactions.reponses = {false, true};
        QCOMPARE(demarre(640, 480, false), PremiereFenetre::Aucune);
        const QString question = "Votre résolution d'écran est de 640x480. Amortix nécessite une "
                                 "résolution minimale de 800x600.";
        QCOMPARE(p.interactions.dernier(question.size()),
                 (Message{IconeMessage::Question, "Amortix", question}));
        QCOMPARE(QFile::exists(options), false);
        QCOMPARE(demarre(640, 1024, false), PremiereFenetre::Accueil);
        QCOMPARE(Contenu(options), QByteArray());
        QCOMPARE(p.module.options(), Options{});
        QCOMPARE(demarre(641, 200, false), PremiereFenetre::Accueil);
        QCOMPARE(demarre(1280, 1024, true), PremiereFenetre::Principale);
        QVERIFY(Ecrit(options, "002"));
        QCOMPARE(demarre(1280, 1024, false), PremiereFenetre::Principale);
        QCOMPARE(p.module.options(), (Options{false, false, false}));
        QCOMPARE(LigneDeCommande({"amortix", "/a/mes", "prêts/x.amx"}), "/a/mes prêts/x.amx");
    }

    // Once the arrow shows the main window, the timer cannot show it again.
    void ecranAccueil() {
        int affichages = 0;
        const auto montre = [&affichages] { ++affichages; };
        QPointer<frmAccueil> accueil = new frmAccueil(montre);
        accueil->show();
        QCOMPARE(accueil->size(), QSize(Pixels(5010), Pixels(3345)));
        QCOMPARE(accueil->windowFlags() & Qt::FramelessWindowHint, Qt::FramelessWindowHint);
        QCOMPARE(accueil->Timer1->isActive(), true);
        QTest::mouseClick(accueil->imgFleche, Qt::LeftButton);
        QCOMPARE(affichages, 1);
        QTRY_VERIFY(accueil.isNull());
        accueil = new frmAccueil(montre);
        accueil->Timer1->start(10);
        QTRY_VERIFY(accueil.isNull());
        QCOMPARE(affichages, 2);
    }

    // With no store yet, the default headers and no logo.
    void personnalisation() {
        Poste p;
        frmEmprunt& principale = p.ouvre();
        auto* logo = p.c().picLogo;
        QCOMPARE(p.interactions.messages.size(), 0u);
        QCOMPARE(logo->pixmap().isNull(), true);
        const auto defaut = EnregistrementEntetesParDefaut();
        QCOMPARE(p.module.strEnteteExcel, defaut.enteteExcel);
        const QString image = Logo(p, "logo.bmp", QSize(120, 60));
        const QString entetes = p.dossier.filePath(NomStockEntetes);
        RepondAuDialogue<frmCustom>([](frmCustom& d) { QTest::mouseClick(d.cmdAnnuler, Qt::LeftButton); });
        Controle<QAction>(principale, "mnuPersonnaliser")->trigger();
        QCOMPARE(QFile::exists(entetes), false);
        {
            Personnalisation d(p);
            QCOMPARE(d.windowTitle(), "Personnaliser Amortix");
            QCOMPARE(d.size(), QSize(Pixels(7635), Pixels(3495)));
            QCOMPARE(d.txtImpression->text(), defaut.enteteImpression);
            d.show();
            Tape(d.txtImpression, QString(260, 'b'));
            QCOMPARE(d.txtImpression->text().size(), 255);
            Tape(d.txtImpression, "  Banque Dupont");
            QTest::keyClick(d.txtImpression, Qt::Key_Return);
            QCOMPARE(d.isVisible(), true);
            d.txtImage->setText("tapé");
            const QString long300(300, 'a');
            p.interactions.fichiers = {QString(), long300, image};
            QTest::mouseClick(d.cmdParcourir, Qt::LeftButton);
            QCOMPARE(d.txtImage->text(), "tapé"); // cancelled
            QCOMPARE(p.interactions.dialogue().filtre, "Fichiers image (*.jpg *.bmp *.gif)");
            QTest::mouseClick(d.cmdParcourir, Qt::LeftButton);
            QCOMPARE(d.txtImage->text(), long300.left(255));
            QTest::mouseClick(d.cmdParcourir, Qt::LeftButton);
            d.ok();
        }
        QCOMPARE(p.interactions.messages.size(), 0u);
        QCOMPARE(p.module.strCheminImage, image);
        QCOMPARE(p.module.strEnteteImpression, "Banque Dupont");
        QCOMPARE(logo->size(), QSize(120, 60));
        QCOMPARE(logo->pixmap().size(), QSize(120, 60));
        QCOMPARE(Contenu(entetes).left(16), "  Banque Dupont ");
        {
            Personnalisation d(p);
            QCOMPARE(d.txtImpression->text(), "Banque Dupont");
            d.show();
            d.txtExportationExcel->setText("changé");
            QTest::keyClick(&d, Qt::Key_Escape);
        }
        QCOMPARE(Contenu(entetes).contains("chang"), false);
        Personnalisation d(p);
        d.txtImage->clear();
        d.txtExportationExcel->clear();
        d.ok();
        QCOMPARE(logo->pixmap().isNull(), true);
        QCOMPARE(p.module.strEnteteExcel, QString());
        QCOMPARE(LitEnregistrementEntetes(entetes).enregistrement.enteteExcel, QString());
    }

    // Enter on a check box is OK too.
    void options_data() {
        QTest::addColumn<QStringList>("clics");
        QTest::addColumn<int>("touche"); // then, on the last one clicked
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<Options>("memoire");
        const QByteArray rien = "absent";
        QTest::newRow("OK") << QStringList{"cmdOK"} << 0 << QByteArray("011") << Options{};
        QTest::newRow("Annuler") << QStringList{"optTEG0", "cmdAnnuler"} << 0 << rien << Options{};
        QTest::newRow("Échap") << QStringList{"chkTEGDansExcel"} << int(Qt::Key_Escape) << rien << Options{};
        QTest::newRow("Entrée sur une case")
            << QStringList{"optTEG0", "chkAfficheEcranAccueil"} << int(Qt::Key_Return) << QByteArray("002")
            << Options{false, false, false};
    }
    void options() {
        QFETCH(QStringList, clics);
        QFETCH(int, touche);
        QFETCH(QByteArray, fichier);
        QFETCH(Options, memoire);
        PosteOuvert p;
        bool ouverte = true;
        RepondAuDialogue<frmOptions>([&](frmOptions& o) {
            QWidget* vise = &o;
            for (const QString& nom : clics) {
                vise = Controle<QWidget>(o, nom.toLatin1());
                QTest::mouseClick(vise, Qt::LeftButton);
            }
            if (touche)
                QTest::keyClick(vise, Qt::Key(touche));
            ouverte = o.isVisible();
        });
        Controle<QAction>(*p.f, "mnuOptions")->trigger();
        QCOMPARE(ouverte, false);
        QCOMPARE(Contenu(p.dossier.filePath(NomFichierOptions)), fichier);
        QCOMPARE(p.module.options(), memoire);
    }

    // The window shows the options in memory, not the file's.
    void optionsEnMemoire() {
        Poste p;
        p.module.appliqueOptions({false, false, false});
        const QString fichier = p.dossier.filePath(NomFichierOptions);
        QVERIFY(Ecrit(fichier, "111"));
        frmOptions o(p.module, p.interactions, nullptr);
        QCOMPARE(o.size(), QSize(Pixels(4680), Pixels(2700)));
        QCOMPARE(o.cmdOK->isDefault(), true);
        QCOMPARE(o.optTEG0->isChecked(), true);
        QCOMPARE(o.chkAfficheEcranAccueil->isChecked(), false);
        QTest::mouseClick(o.cmdInfosTEG, Qt::LeftButton);
        const QString debut = "T.E.G. : Taux Effectif Global\r\n\r\n";
        QCOMPARE(p.interactions.dernier(debut.size()),
                 (Message{IconeMessage::Information, "Infos TEG", debut}));
        const QStringList paragraphes = p.interactions.dernierTexte().split("\r\n");
        QCOMPARE(paragraphes.size(), 8);
        const QString identique = "il faut donc que la méthode de calcul du TEG soit identique.";
        QCOMPARE(paragraphes[7].right(identique.size()), identique);
        QVERIFY(QFile::remove(fichier));
        QVERIFY(QDir().mkdir(fichier));
        QTest::mouseClick(o.chkTEGDansExcel, Qt::LeftButton);
        QTest::mouseClick(o.cmdOK, Qt::LeftButton);
        const QString dossier =
            "Le fichier « " + fichier + " » n'a pas pu être lu : c'est un dossier, pas un fichier.";
        QCOMPARE(p.interactions.dernier(), Avertissement(5, dossier));
        QCOMPARE(o.result(), QDialog::Accepted);
        QCOMPARE(p.module.blnTEGDansExcel, true);
    }

    // A new quarter's ceilings are kept in the settings and used at once.
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
            Tape(d.txtPlafond[2], "5,09");
            QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        });
        QTest::mouseClick(options.cmdTauxUsure, Qt::LeftButton);
        QCOMPARE(montre, "5,13");
        const QString trimestre = "La date de validité doit être le premier jour d'un trimestre";
        QCOMPARE(refus.left(trimestre.size()), trimestre);
        QCOMPARE(resteOuvert, true);
        const QByteArray fichier = Contenu(p.module.fichierReglages(NomFichierTauxUsure));
        QVERIFY2(fichier.contains("trimestre=2026-04-01\n"), fichier.constData());
        QVERIFY2(fichier.contains("immobilier-20-ans-et-plus=5.09\n"), fichier.constData());
        QCOMPARE(p.module.tauxUsure.plafond(CategorieUsure::Immobilier20AnsEtPlus), 5.09);
    }

    // A logo that cannot be shown leaves the one the window had.
    void logoIntrouvableOuIllisible() {
        Poste p;
        const QString entetes = p.dossier.filePath(NomStockEntetes);
        const QString disparu = p.chemin("disparu.gif");
        EcritEnregistrementEntetes(entetes, {"a", "b", disparu});
        frmEmprunt& principale = p.ouvre();
        QCOMPARE(p.interactions.messages.size(), 1u);
        const QString introuvable =
            "Le fichier « " + disparu + " » n'a pas pu être lu : fichier ou dossier introuvable.";
        QCOMPARE(p.interactions.dernier(), Avertissement(5, introuvable));
        QCOMPARE(p.c().picLogo->pixmap().isNull(), true);
        QCOMPARE(p.module.strEnteteImpression, "a");
        p.module.strCheminImage = Logo(p, "bon.bmp", QSize(30, 20));
        principale.ChargePicLogo();
        const QString faux = p.chemin("faux.jpg");
        QVERIFY(Ecrit(faux, "pas une image"));
        Personnalisation d(p);
        d.txtImage->setText(faux);
        d.ok();
        const QString inconnue = "Ce fichier n'est pas une image reconnue : ";
        QCOMPARE(p.interactions.dernier(), Avertissement(3, inconnue + faux));
        QCOMPARE(d.result(), QDialog::Accepted);
        const auto relu = LitEnregistrementEntetes(entetes);
        QCOMPARE(relu.enregistrement.cheminImage, faux);
        QByteArray bmp = "BM";
        for (const quint32 valeur : {54u, 0u, 54u, 40u, 9000u, 9000u, 1u | 32u << 16, 0u, 0u, 0u, 0u, 0u, 0u})
            bmp += QByteArray(reinterpret_cast<const char*>(&valeur), 4);
        const QString immense = p.chemin("immense.bmp");
        QVERIFY(Ecrit(immense, bmp)); // 32 bits a pixel, too many for Qt
        p.module.strCheminImage = immense;
        principale.ChargePicLogo();
        const QString trop = "Image trop grande (9000 × 9000 pixels) : ";
        QCOMPARE(p.interactions.dernier(), Avertissement(4, trop + immense));
        QCOMPARE(p.c().picLogo->pixmap().size(), QSize(30, 20));
    }
};

QTEST_MAIN(ReglagesFenetresTest)
#include "ReglagesFenetresTest.moc"
