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
#include <QTimer>
#include <QToolButton>

using namespace amortix;
using Message = InteractionsScriptees::Message;
using enum IconeMessage;

namespace amortix {
// As the options file writes them: "011" for the defaults.
char* toString(const Options& o) {
    const char octets[] = {char('0' + o.tegDansSorties), char('0' + o.afficheEcranAccueil),
                           o.tegActuariel ? '1' : '2', '\0'};
    return qstrdup(octets);
}
} // namespace amortix

namespace {

void Clic(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
}

QString Logo(const Poste& p, const char* nom, QSize taille) {
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    return image.save(p.chemin(nom)) ? p.chemin(nom) : QString();
}

Message Avis(int numero, const QString& texte) {
    return {Avertissement, "Amortix", QString("Erreur %1\r\n").arg(numero) + texte};
}
Message Illisible(const QString& fichier, const char* cause) {
    return Avis(5, "Le fichier « " + fichier + " » n'a pas pu être lu : " + cause);
}

// Tied to the main window as its menu ties it.
struct Personnalisation : frmCustom {
    explicit Personnalisation(Poste& p) : frmCustom(p.module, p.interactions, p.f.get()) {
        connect(this, &frmCustom::EntetesAppliques, p.f.get(), &frmEmprunt::ChargePicLogo);
    }
};

} // namespace

class ReglagesFenetresTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale("fr_FR")); }

    // At 640 wide, No ends it unread; the main window is shown once.
    void demarrage() {
        using enum PremiereFenetre;
        Poste p;
        const QString options = p.chemin("options.bin");
        const auto demarre = [&p](int l, int h, bool document) {
            return Demarre(p.module, p.interactions, QSize(l, h), document);
        };
        p.interactions.reponses = {false, true};
        QCOMPARE(demarre(640, 480, false), Aucune);
        const Message q{Question, "Amortix",
                        "Votre résolution d'écran est de 640x480. Amortix nécessite une "
                        "résolution minimale de 800x600."};
        QCOMPARE(p.interactions.dernier(q.texte.size()), q);
        QCOMPARE(Contenu(options), "absent");
        QCOMPARE(demarre(640, 1024, false), Accueil);
        QCOMPARE(Contenu(options), QByteArray());
        QCOMPARE(demarre(641, 200, false), Accueil);
        QCOMPARE(demarre(1280, 1024, true), Principale);
        QVERIFY(Ecrit(options, "002"));
        QCOMPARE(demarre(1280, 1024, false), Principale);
        QCOMPARE(p.module.options(), (Options{false, false, false}));
        QCOMPARE(LigneDeCommande({"amortix", "/a/mes", "prêts/x.amx"}), "/a/mes prêts/x.amx");
        int vues = 0;
        QPointer<frmAccueil> a = new frmAccueil([&vues] { ++vues; });
        a->show();
        QCOMPARE(a->size(), QSize(Pixels(5010), Pixels(3345)));
        QCOMPARE(a->windowFlags() & Qt::FramelessWindowHint, Qt::FramelessWindowHint);
        QCOMPARE(a->Timer1->isActive(), true);
        Clic(a->imgFleche);
        QTRY_VERIFY(a.isNull());
        a = new frmAccueil([&vues] { ++vues; });
        a->Timer1->start(10);
        QTRY_VERIFY(a.isNull());
        QCOMPARE(vues, 2);
    }

    // With no store yet, the default headers and no logo.
    void personnalisation() {
        Poste p;
        p.ouvre();
        auto* logo = p.c().picLogo;
        QCOMPARE(logo->pixmap().isNull(), true);
        const QString image = Logo(p, "logo.bmp", {120, 60});
        const QString entetes = p.chemin("entetes.bin");
        RepondAuDialogue<frmCustom>([](frmCustom& d) {
            d.txtExportationExcel->setText("changé");
            Clic(d.cmdAnnuler);
        });
        Controle<QAction>(*p.f, "mnuPersonnaliser")->trigger();
        QCOMPARE(Contenu(entetes), "absent");
        Personnalisation d(p);
        QCOMPARE(d.size(), QSize(Pixels(7635), Pixels(3495)));
        QCOMPARE(d.txtImpression->text(), EnregistrementEntetesParDefaut().enteteImpression);
        d.show();
        Tape(d.txtImpression, QString(260, 'b'));
        QCOMPARE(d.txtImpression->text().size(), 255);
        Tape(d.txtImpression, "  Banque Dupont");
        QTest::keyClick(d.txtImpression, Qt::Key_Return);
        QCOMPARE(d.isVisible(), true);
        d.txtImage->setText("tapé");
        p.interactions.fichiers = {QString(), QString(300, 'a'), image};
        Clic(d.cmdParcourir);
        QCOMPARE(d.txtImage->text(), "tapé"); // cancelled
        QCOMPARE(p.interactions.dialogue().filtre, "Fichiers image (*.jpg *.bmp *.gif)");
        Clic(d.cmdParcourir);
        QCOMPARE(d.txtImage->text(), QString(255, 'a'));
        Clic(d.cmdParcourir);
        Clic(d.cmdOK);
        QCOMPARE(p.interactions.messages.size(), 0u);
        QCOMPARE(p.module.strEnteteImpression, "Banque Dupont");
        QCOMPARE(logo->pixmap().size(), QSize(120, 60));
        QCOMPARE(Contenu(entetes).left(16), "  Banque Dupont ");
        Personnalisation e(p);
        e.txtImage->clear();
        e.txtExportationExcel->clear();
        Clic(e.cmdOK);
        QCOMPARE(logo->pixmap().isNull(), true);
        QCOMPARE(p.module.strEnteteExcel, QString());
        QCOMPARE(LitEnregistrementEntetes(entetes).enregistrement.enteteExcel, QString());
    }

    // The file says "111": the window shows the options in memory.
    void options_data() {
        QTest::addColumn<QString>("clics");
        QTest::addColumn<int>("touche"); // then, on the last one clicked
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<Options>("memoire");
        const QByteArray tel = "111";
        QTest::newRow("OK") << "cmdOK" << 0 << QByteArray("011") << Options{};
        QTest::newRow("Annuler") << "optTEG0 cmdAnnuler" << 0 << tel << Options{};
        QTest::newRow("Échap") << "chkTEGDansExcel" << int(Qt::Key_Escape) << tel << Options{};
        QTest::newRow("Entrée sur une case") << "optTEG0 chkAfficheEcranAccueil" << int(Qt::Key_Return)
                                             << QByteArray("002") << Options{false, false, false};
    }
    void options() {
        QFETCH(QString, clics);
        QFETCH(int, touche);
        PosteOuvert p;
        const QString chemin = p.chemin("options.bin");
        QVERIFY(Ecrit(chemin, "111"));
        bool ouverte = true;
        RepondAuDialogue<frmOptions>([&](frmOptions& o) {
            QWidget* vise = &o;
            for (const QString& nom : clics.split(' ')) {
                vise = Controle<QWidget>(o, nom.toLatin1());
                Clic(vise);
            }
            if (touche)
                QTest::keyClick(vise, Qt::Key(touche));
            ouverte = o.isVisible();
        });
        Controle<QAction>(*p.f, "mnuOptions")->trigger();
        QCOMPARE(ouverte, false);
        QFETCH(QByteArray, fichier);
        QCOMPARE(Contenu(chemin), fichier);
        QFETCH(Options, memoire);
        QCOMPARE(p.module.options(), memoire);
    }

    // New ceilings kept and used at once; a file it cannot write is said.
    void fenetreOptions() {
        PosteOuvert p;
        auto& in = p.interactions;
        frmOptions o(p.module, in, p.f.get());
        o.show();
        QCOMPARE(o.size(), QSize(Pixels(4680), Pixels(2700)));
        Clic(o.cmdInfosTEG);
        const Message infos{Information, "Infos TEG", "T.E.G. : Taux Effectif Global\r\n\r\n"};
        QCOMPARE(in.dernier(infos.texte.size()), infos);
        const QString fin = "il faut donc que la méthode de calcul du TEG soit identique.";
        QCOMPARE(in.dernierTexte().right(fin.size()), fin);
        QString montre, refus;
        bool resteOuvert = false;
        RepondAuDialogue<frmTauxUsure>([&](frmTauxUsure& d) {
            montre = d.txtPlafond[2]->text();
            d.dtpTrimestre->setDate(QDate(2026, 2, 1));
            Clic(d.cmdOK);
            refus = in.dernierTexte();
            resteOuvert = d.isVisible();
            d.dtpTrimestre->setDate(QDate(2026, 4, 1));
            Tape(d.txtPlafond[2], "5,09");
            Clic(d.cmdOK);
        });
        Clic(o.cmdTauxUsure);
        QCOMPARE(montre, "5,13");
        const QString trimestre = "La date de validité doit être";
        QCOMPARE(refus.left(trimestre.size()), trimestre);
        QCOMPARE(resteOuvert, true);
        const QByteArray fichier = Contenu(p.chemin("taux-usure.txt"));
        QVERIFY2(fichier.contains("trimestre=2026-04-01\n"), fichier.constData());
        QVERIFY2(fichier.contains("immobilier-20-ans-et-plus=5.09\n"), fichier.constData());
        QCOMPARE(p.module.tauxUsure.plafonds[2], 5.09);
        const QString options = p.chemin("options.bin");
        QVERIFY(QDir().mkdir(options));
        Clic(o.chkTEGDansExcel);
        Clic(o.cmdOK);
        QCOMPARE(in.dernier(), Illisible(options, "c'est un dossier, pas un fichier."));
        QCOMPARE(p.module.blnTEGDansExcel, true);
    }

    // A logo that cannot be shown leaves the one the window had.
    void logoIntrouvableOuIllisible() {
        Poste p;
        const QString entetes = p.chemin("entetes.bin");
        const QString disparu = p.chemin("disparu.gif");
        EcritEnregistrementEntetes(entetes, {"a", "b", disparu});
        p.ouvre();
        QCOMPARE(p.interactions.dernier(), Illisible(disparu, "fichier ou dossier introuvable."));
        QCOMPARE(p.c().picLogo->pixmap().isNull(), true);
        QCOMPARE(p.module.strEnteteImpression, "a");
        p.module.strCheminImage = Logo(p, "bon.bmp", {30, 20});
        p.f->ChargePicLogo();
        const QString faux = p.chemin("faux.jpg");
        QVERIFY(Ecrit(faux, "pas une image"));
        Personnalisation d(p);
        d.txtImage->setText(faux);
        Clic(d.cmdOK);
        const QString inconnue = "Ce fichier n'est pas une image reconnue : ";
        QCOMPARE(p.interactions.dernier(), Avis(3, inconnue + faux));
        QCOMPARE(LitEnregistrementEntetes(entetes).enregistrement.cheminImage, faux);
        QByteArray bmp = "BM"; // 32 bits a pixel, too many for Qt
        for (const quint32 valeur : {54u, 0u, 54u, 40u, 9000u, 9000u, 1u | 32u << 16, 0u, 0u, 0u, 0u, 0u, 0u})
            bmp += QByteArray(reinterpret_cast<const char*>(&valeur), 4);
        p.module.strCheminImage = p.chemin("immense.bmp");
        QVERIFY(Ecrit(p.module.strCheminImage, bmp));
        p.f->ChargePicLogo();
        const QString trop = "Image trop grande (9000 × 9000 pixels) : ";
        QCOMPARE(p.interactions.dernier(), Avis(4, trop + p.module.strCheminImage));
        QCOMPARE(p.c().picLogo->pixmap().size(), QSize(30, 20));
    }
};

QTEST_MAIN(ReglagesFenetresTest)
#include "ReglagesFenetresTest.moc"
