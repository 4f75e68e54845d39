#include "frmEmprunt.h"

#include "ControlesEmprunt.h"
#include "InteractionsScriptees.h"
#include "ModeleEcheancier.h"
#include "Twips.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <memory>

using namespace amortix;

namespace {

const QString MessageEchec =
    QStringLiteral("Les informations saisies sont incomplètes ou incorrectes, veuillez les corriger.");

struct Fenetre {
    QTemporaryDir reglages;
    Module module;
    InteractionsScriptees interactions;
    std::unique_ptr<frmEmprunt> f;

    Fenetre() {
        module.dossierReglages = reglages.path();
        f = std::make_unique<frmEmprunt>(module, interactions);
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
    }

    template <typename T> T* controle(const char* nom) const { return Controle<T>(*f, nom); }
    QLineEdit* champ(const char* nom) const { return controle<QLineEdit>(nom); }
    QPushButton* bouton(const char* nom) const { return controle<QPushButton>(nom); }
    QLabel* libelle(const char* nom) const { return controle<QLabel>(nom); }
    QAction* action(const char* nom) const { return controle<QAction>(nom); }
    QTreeView* liste() const { return controle<QTreeView>("lvwListe"); }

    void tape(const char* nom, const QString& texte) const { QTest::keyClicks(champ(nom), texte); }
    void calcule() const { QTest::mouseClick(bouton("cmdCalculer"), Qt::LeftButton); }

    int lignes() const { return liste()->model()->rowCount(); }
    QString cellule(int ligne, int colonne) const {
        return liste()->model()->index(ligne, colonne).data().toString();
    }
    QStringList rangee(int ligne) const {
        QStringList textes;
        for (int j = 0; j < 7; ++j)
            textes << cellule(ligne, j);
        return textes;
    }
    // The worked example: 10 000 at 6 % over 12 months from 31/01/2007.
    void saisitExemple(const QString& taux = QStringLiteral("6")) const {
        controle<QDateEdit>("DTPicker")->setDate(QDate(2007, 1, 31));
        tape("txtMontant", QStringLiteral("10000"));
        tape("txtMensualite", QStringLiteral("12"));
        tape("txtTaux", taux);
    }
    bool resultatsEffaces() const {
        return lignes() == 0 && libelle("lblCoutTotal")->text().isEmpty() &&
               libelle("lblCoutInterets")->text().isEmpty() &&
               libelle("lblCoutAssurance")->text().isEmpty() &&
               libelle("lblCoutFraisDossier")->text().isEmpty() && libelle("lblTEG")->text().isEmpty() &&
               libelle("lblTEG")->property("tag").toString().isEmpty() &&
               !bouton("cmdDetailsTEG")->isVisible() && !bouton("cmdImprimer")->isEnabled() &&
               !bouton("cmdExportExcel")->isEnabled() && !action("mnuEnregistrerSous")->isEnabled() &&
               f->windowTitle() == QLatin1String("Amortix");
    }
};

} // namespace

class frmEmpruntTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void etatsInitiaux() {
        Fenetre w;
        QCOMPARE(w.f->windowTitle(), QStringLiteral("Amortix"));
        QCOMPARE(w.f->centralWidget()->size(), QSize(501, 519)); // 7515 × 7785 twips
        for (const char* nom : {"txtMontant", "txtMensualite", "txtTaux", "txtAssurance", "txtFraisDossier"})
            QVERIFY(w.champ(nom)->text().isEmpty());
        QCOMPARE(w.controle<QComboBox>("cboEcheance")->currentText(), QStringLiteral("mois"));
        QCOMPARE(w.controle<QComboBox>("cboEcheance")->count(), 4);
        QCOMPARE(w.controle<QComboBox>("cboEcheance")->itemText(3), QStringLiteral("ans"));
        QCOMPARE(w.controle<QDateEdit>("DTPicker")->date(), QDate::currentDate());
        QVERIFY(!w.bouton("cmdImprimer")->isEnabled());
        QVERIFY(!w.bouton("cmdExportExcel")->isEnabled());
        QVERIFY(w.bouton("cmdCalculer")->isEnabled());
        QVERIFY(w.bouton("cmdManquant")->isEnabled());
        QVERIFY(!w.action("mnuEnregistrerSous")->isEnabled());
        QVERIFY(w.action("mnuOuvrir")->isEnabled());
        QVERIFY(!w.bouton("cmdDetailsTEG")->isVisible());
        QVERIFY(w.f->aucunCalcul());
        QCOMPARE(w.lignes(), 0);

        // Places in twips, at 15 twips a pixel.
        QCOMPARE(w.champ("txtMontant")->geometry(), RectangleTwips(2250, 270, 1335, 315));
        QCOMPARE(w.bouton("cmdQuitter")->geometry(), RectangleTwips(6510, 1440, 600, 600));
        QCOMPARE(w.liste()->geometry(), RectangleTwips(90, 2550, 7335, 3315));
        QCOMPARE(w.libelle("Label7")->text(), QStringLiteral("Tableau d'amortissement"));
        QVERIFY(w.libelle("Label7")->font().bold());
        QVERIFY(w.libelle("lblCoutTotal")->font().bold());
        // The logo holder lies beyond the client area.
        QVERIFY(w.libelle("picLogo")->x() >= w.f->centralWidget()->width());
        QCOMPARE(w.libelle("picInfo")->toolTip(), QStringLiteral("Qu'est-ce que le TEG ?"));
        QCOMPARE(w.libelle("picInfo")->cursor().shape(), Qt::WhatsThisCursor);

        const std::pair<const char*, const char*> bulles[] = {
            {"cmdCalculer", "Calculer"},
            {"cmdManquant", "Retrouver l'information manquante"},
            {"cmdImprimer", "Imprimer le tableau d'amortissement"},
            {"cmdExportExcel", "Exporter le tableau vers Excel"},
            {"cmdQuitter", "Quitter Amortix"}};
        for (const auto& [nom, bulle] : bulles) {
            QCOMPARE(w.bouton(nom)->toolTip(), QString::fromUtf8(bulle));
            QVERIFY(w.bouton(nom)->text().isEmpty());
            QVERIFY(!w.bouton(nom)->icon().isNull());
        }

        // Menus, access keys and the one shortcut.
        const QList<QAction*> menus = w.f->menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        QCOMPARE(menus[0]->text(), QStringLiteral("&Fichier"));
        QCOMPARE(menus[1]->text(), QStringLiteral("&Outils"));
        QCOMPARE(menus[2]->text(), QStringLiteral("&?"));
        QCOMPARE(w.action("mnuOuvrir")->text(), QStringLiteral("&Ouvrir..."));
        QCOMPARE(w.action("mnuOuvrir")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(w.action("mnuEnregistrerSous")->text(), QStringLiteral("En&registrer sous..."));
        QCOMPARE(w.action("mnuQuitter")->text(), QStringLiteral("&Quitter"));
        QCOMPARE(w.action("mnuOptions")->text(), QStringLiteral("&Options..."));
        QCOMPARE(w.action("mnuPersonnaliser")->text(), QStringLiteral("&Personnaliser Amortix..."));
        QCOMPARE(w.action("mnuVisiterSiteWeb")->text(), QStringLiteral("&Visiter le site web"));
        QCOMPARE(w.action("mnuContacterAuteur")->text(), QStringLiteral("&Contacter l'auteur"));

        // The keyboard goes through the inputs, the buttons, then the list.
        QStringList ordre;
        QWidget* courant = w.champ("txtMontant");
        for (int i = 0; i < 13; ++i) {
            ordre << courant->objectName();
            do
                courant = courant->nextInFocusChain();
            while (courant->focusPolicy() == Qt::NoFocus || !courant->isVisible() ||
                   courant->objectName().isEmpty() || courant->objectName().startsWith(QLatin1String("qt_")));
        }
        QCOMPARE(ordre, QStringList({"txtMontant", "txtMensualite", "cboEcheance", "DTPicker", "txtTaux",
                                     "txtAssurance", "txtFraisDossier", "cmdCalculer", "cmdManquant",
                                     "cmdImprimer", "cmdExportExcel", "cmdQuitter", "lvwListe"}));

        // Empty list: each column 180 twips (12 px) wider than its header, the last one the widest.
        const QFontMetrics police = w.f->fontMetrics();
        int plusLarge = 0;
        for (int j = 0; j < 7; ++j) {
            const QString entete = w.liste()->model()->headerData(j, Qt::Horizontal).toString();
            QCOMPARE(w.liste()->header()->sectionSize(j), police.horizontalAdvance(entete) + 12);
            plusLarge = std::max(plusLarge, w.liste()->header()->sectionSize(j));
        }
        QCOMPARE(w.liste()->header()->sectionSize(6), plusLarge);
    }

    void exempleCalculeEnFrancais() {
        Fenetre w;
        w.saisitExemple();
        w.calcule();
        QVERIFY(w.interactions.messages.empty());
        QCOMPARE(w.champ("txtMontant")->text(), QStringLiteral("10000,00"));
        QCOMPARE(w.champ("txtMensualite")->text(), QStringLiteral("12"));
        QCOMPARE(w.champ("txtTaux")->text(), QStringLiteral("6,00"));
        QCOMPARE(w.champ("txtAssurance")->text(), QStringLiteral("0,00"));
        QCOMPARE(w.champ("txtFraisDossier")->text(), QStringLiteral("0,00"));

        QCOMPARE(w.lignes(), 12);
        QCOMPARE(w.rangee(0),
                 QStringList({"1", "31/01/2007", "860,66", "50,00", "0,00", "810,66", "9189,34"}));
        QCOMPARE(w.rangee(1),
                 QStringList({"2", "28/02/2007", "860,66", "45,95", "0,00", "814,71", "8374,63"}));
        QCOMPARE(w.rangee(11), QStringList({"12", "31/12/2007", "860,70", "4,28", "0,00", "856,42", "0,00"}));
        QCOMPARE(w.liste()->model()->index(0, 0).data(ModeleEcheancier::RoleCle).toString(),
                 QStringLiteral("1A"));
        QCOMPARE(w.liste()->model()->index(11, 3).data(ModeleEcheancier::RoleCle).toString(),
                 QStringLiteral("12A"));
        QCOMPARE(w.liste()->model()->index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>() &
                     Qt::AlignHorizontal_Mask,
                 Qt::AlignLeft);
        QCOMPARE(w.liste()->model()->index(0, 6).data(Qt::TextAlignmentRole).value<Qt::Alignment>() &
                     Qt::AlignHorizontal_Mask,
                 Qt::AlignRight);

        QCOMPARE(w.libelle("lblCoutTotal")->text(), QStringLiteral("327,96"));
        QCOMPARE(w.libelle("lblCoutInterets")->text(), QStringLiteral("327,96"));
        QCOMPARE(w.libelle("lblCoutAssurance")->text(), QStringLiteral("0,00"));
        QCOMPARE(w.libelle("lblCoutFraisDossier")->text(), QStringLiteral("0,00"));

        QLabel* teg = w.libelle("lblTEG");
        QCOMPARE(teg->text(), QStringLiteral("(TEG = 6,1667 %)"));
        QCOMPARE(teg->property("tag").toString(), QStringLiteral("6,1667 %"));
        QCOMPARE(teg->width(), teg->sizeHint().width());
        QPushButton* details = w.bouton("cmdDetailsTEG");
        QVERIFY(details->isVisible());
        QCOMPARE(details->x(), teg->x() + teg->width() + 7); // 100 twips

        QVERIFY(w.bouton("cmdImprimer")->isEnabled());
        QVERIFY(w.bouton("cmdExportExcel")->isEnabled());
        QVERIFY(w.action("mnuEnregistrerSous")->isEnabled());
        QVERIFY(!w.f->aucunCalcul());

        QTest::mouseClick(details, Qt::LeftButton);
        QCOMPARE(w.interactions.messages.size(), std::size_t(1));
        QCOMPARE(w.interactions.messages[0].titre, QStringLiteral("Détails TEG"));
        QCOMPARE(w.interactions.messages[0].icone, IconeMessage::Information);
        QCOMPARE(w.interactions.messages[0].texte,
                 QStringLiteral(
                     "TEG de période : 0,499916 %\r\nTEG proportionnel : 5,9990 %\r\nTEG actuariel : "
                     "6,1667 %\r\n\r\nPour plus d'informations sur le TEG, cliquez sur le menu Outils -> "
                     "Options -> Infos TEG."));
        QCOMPARE(QApplication::focusWidget(), w.bouton("cmdCalculer"));

        // The proportional option shows from the next computation on.
        w.module.blnTEGActuariel = false;
        QCOMPARE(teg->text(), QStringLiteral("(TEG = 6,1667 %)"));
        w.calcule();
        QCOMPARE(teg->text(), QStringLiteral("(TEG = 5,9990 %)"));
        QCOMPARE(teg->property("tag").toString(), QStringLiteral("5,9990 %"));
    }

    void exempleCalculeEnAnglais() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Fenetre w;
        QCOMPARE(w.controle<QDateEdit>("DTPicker")->displayFormat(), QStringLiteral("M/d/yyyy"));
        w.controle<QDateEdit>("DTPicker")->setDate(QDate(2007, 1, 15));
        w.tape("txtMontant", QStringLiteral("10000"));
        w.tape("txtMensualite", QStringLiteral("12"));
        w.tape("txtTaux", QStringLiteral("6,0")); // the comma key enters the point
        w.tape("txtAssurance", QStringLiteral("5"));
        w.tape("txtFraisDossier", QStringLiteral("100"));
        QCOMPARE(w.champ("txtTaux")->text(), QStringLiteral("6.0"));
        w.calcule();
        QVERIFY(w.interactions.messages.empty());
        QCOMPARE(w.champ("txtMontant")->text(), QStringLiteral("10000.00"));
        QCOMPARE(w.rangee(0),
                 QStringList({"1", "1/15/2007", "865.66", "50.00", "5.00", "810.66", "9189.34"}));
        QCOMPARE(w.rangee(11), QStringList({"12", "12/15/2007", "865.70", "4.28", "5.00", "856.42", "0.00"}));
        QCOMPARE(w.libelle("lblCoutTotal")->text(), QStringLiteral("487.96"));
        QCOMPARE(w.libelle("lblCoutInterets")->text(), QStringLiteral("327.96"));
        QCOMPARE(w.libelle("lblCoutAssurance")->text(), QStringLiteral("60.00"));
        QCOMPARE(w.libelle("lblCoutFraisDossier")->text(), QStringLiteral("100.00"));
        QCOMPARE(w.libelle("lblTEG")->text(), QStringLiteral("(TEG = 9.3548 %)"));
    }

    void uneModificationEffaceLesResultats() {
        Fenetre w;
        // Before any computation an edit changes nothing but the edited field.
        w.tape("txtAssurance", QStringLiteral("1"));
        QVERIFY(w.f->aucunCalcul());
        w.champ("txtAssurance")->clear();

        const std::function<void(Fenetre&)> modifications[] = {
            [](Fenetre& f) { f.tape("txtAssurance", QStringLiteral("5")); },
            [](Fenetre& f) { f.tape("txtMontant", QStringLiteral("0")); },
            [](Fenetre& f) { f.tape("txtMensualite", QStringLiteral("3")); },
            [](Fenetre& f) { f.tape("txtTaux", QStringLiteral("1")); },
            [](Fenetre& f) { f.tape("txtFraisDossier", QStringLiteral("9")); },
            [](Fenetre& f) { f.controle<QComboBox>("cboEcheance")->setCurrentIndex(2); },
            [](Fenetre& f) { f.controle<QDateEdit>("DTPicker")->setDate(QDate(2008, 5, 5)); },
        };
        w.saisitExemple();
        for (const auto& modifie : modifications) {
            w.calcule();
            QVERIFY(w.lignes() > 0);
            w.f->setWindowTitle(QStringLiteral("pret.amx - Amortix"));
            modifie(w);
            QVERIFY(w.resultatsEffaces());
            QVERIFY(!w.f->aucunCalcul());
        }
    }

    void filtreDuSeparateurDecimal() {
        Fenetre w;
        for (const char* nom : {"txtMontant", "txtTaux", "txtAssurance", "txtFraisDossier"}) {
            w.tape(nom, QStringLiteral("12.5,a -"));
            QCOMPARE(w.champ(nom)->text(), QStringLiteral("12,5,a -"));
        }
        w.tape("txtMensualite", QStringLiteral("12.5,"));
        QCOMPARE(w.champ("txtMensualite")->text(), QStringLiteral("12.5,"));

        // Over a selection, as typing would.
        QLineEdit* montant = w.champ("txtMontant");
        montant->setText(QStringLiteral("10000"));
        montant->setSelection(2, 2);
        QTest::keyClick(montant, Qt::Key_Period, Qt::NoModifier);
        QCOMPARE(montant->text(), QStringLiteral("10,0"));

        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        montant->clear();
        w.tape("txtMontant", QStringLiteral("1,5"));
        QCOMPARE(montant->text(), QStringLiteral("1.5"));
    }

    void echecsDuCalcul() {
        Fenetre w;
        // Incomplete or not numbers: the box, and nothing changes.
        const std::pair<const char*, const char*> saisies[] = {
            {"txtTaux", "6"}, {"txtTaux", "six"}, {"txtAssurance", "1.5"}};
        w.tape("txtMontant", QStringLiteral("10000"));
        w.tape("txtMensualite", QStringLiteral("12"));
        for (const auto& [nom, texte] : saisies) {
            w.champ("txtTaux")->clear();
            w.champ("txtAssurance")->clear();
            w.champ(nom)->setText(QString::fromUtf8(texte));
            if (QLatin1String(nom) == QLatin1String("txtTaux") && QLatin1String(texte) == QLatin1String("6"))
                w.champ("txtMontant")->clear();
            const QString montantAvant = w.champ("txtMontant")->text();
            w.interactions.messages.clear();
            w.calcule();
            QCOMPARE(w.interactions.messages.size(), std::size_t(1));
            QCOMPARE(w.interactions.messages[0].titre, QStringLiteral("Amortix"));
            QCOMPARE(w.interactions.messages[0].icone, IconeMessage::Information);
            QCOMPARE(w.interactions.messages[0].texte, MessageEchec);
            QCOMPARE(w.champ("txtMontant")->text(), montantAvant);
            QCOMPARE(w.lignes(), 0);
            QVERIFY(w.f->aucunCalcul());
            w.champ("txtMontant")->setText(QStringLiteral("10000"));
        }

        // A duration of zero fails after the fields were rewritten, with nothing listed.
        w.champ("txtTaux")->setText(QStringLiteral("6"));
        w.champ("txtMensualite")->setText(QStringLiteral("0"));
        w.champ("txtAssurance")->clear();
        w.interactions.messages.clear();
        w.calcule();
        QCOMPARE(w.interactions.dernierTexte(), MessageEchec);
        QCOMPARE(w.champ("txtMontant")->text(), QStringLiteral("10000,00"));
        QCOMPARE(w.champ("txtAssurance")->text(), QStringLiteral("0,00"));
        QCOMPARE(w.lignes(), 0);
        QVERIFY(!w.bouton("cmdImprimer")->isEnabled());

        // No effective rate: the schedule, the costs and the outputs stay, without a TEG.
        w.champ("txtMontant")->setText(QStringLiteral("1000"));
        w.champ("txtMensualite")->setText(QStringLiteral("3"));
        w.champ("txtTaux")->setText(QStringLiteral("0"));
        w.calcule();
        QCOMPARE(w.interactions.dernierTexte(), MessageEchec);
        QCOMPARE(w.lignes(), 3);
        QCOMPARE(w.libelle("lblCoutTotal")->text(), QStringLiteral("0,00"));
        QVERIFY(w.libelle("lblTEG")->text().isEmpty());
        QVERIFY(!w.bouton("cmdDetailsTEG")->isVisible());
        QVERIFY(w.bouton("cmdImprimer")->isEnabled());
        QVERIFY(w.action("mnuEnregistrerSous")->isEnabled());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void leCalendrierArreteLeTableau() {
        Fenetre w;
        w.controle<QDateEdit>("DTPicker")->setDate(QDate(2000, 1, 31));
        w.tape("txtMontant", QStringLiteral("1000000"));
        w.tape("txtMensualite", QStringLiteral("2147483647"));
        w.tape("txtTaux", QStringLiteral("0"));
        w.calcule();
        QCOMPARE(w.interactions.dernierTexte(), MessageEchec);
        QCOMPARE(w.lignes(), 96000);
        QCOMPARE(w.cellule(95999, 1), QStringLiteral("31/12/9999"));
        QVERIFY(w.libelle("lblCoutTotal")->text().isEmpty());
        QVERIFY(w.liste()->isVisible());
        QVERIFY(!w.bouton("cmdImprimer")->isEnabled());
    }

    void secondCalculSurLesChampsReecrits() {
        Fenetre w;
        w.saisitExemple(QStringLiteral("5,125"));
        w.calcule();
        QCOMPARE(w.champ("txtTaux")->text(), QStringLiteral("5,13"));
        QCOMPARE(w.cellule(0, 3), QStringLiteral("42,71")); // computed at 5,125 %
        w.calcule();
        QCOMPARE(w.cellule(0, 3), QStringLiteral("42,75")); // now at 5,13 %
        QCOMPARE(w.lignes(), 12);
    }

    void largeurDesColonnes() {
        Fenetre w;
        w.controle<QDateEdit>("DTPicker")->setDate(QDate(2007, 1, 31));
        w.tape("txtMontant", QStringLiteral("1000000"));
        w.tape("txtMensualite", QStringLiteral("360"));
        w.tape("txtTaux", QStringLiteral("5"));
        w.calcule();
        QTreeView* liste = w.liste();
        const QFontMetrics cellules = liste->fontMetrics();
        const QFontMetrics entetes = w.f->fontMetrics();
        for (int j = 0; j < 7; ++j) {
            int plusLarge = 0;
            for (int i = 0; i < w.lignes(); ++i)
                plusLarge = std::max(plusLarge, cellules.horizontalAdvance(w.cellule(i, j)));
            const int largeur = liste->header()->sectionSize(j);
            const QString entete = liste->model()->headerData(j, Qt::Horizontal).toString();
            QVERIFY2(largeur >= plusLarge + 6, qPrintable(entete));
            QVERIFY(largeur >= entetes.horizontalAdvance(entete) + 12);
        }
        QCOMPARE(w.cellule(0, 6), QStringLiteral("998798,45"));
        QVERIFY(liste->header()->sectionSize(6) >= cellules.horizontalAdvance(QStringLiteral("1000000,00")));
        // No column wider than it needs: at most a pixel of rounding beyond its widest cell or header.
        for (int j = 0; j < 7; ++j) {
            int plusLarge = 0;
            for (int i = 0; i < w.lignes(); ++i)
                plusLarge = std::max(plusLarge, cellules.horizontalAdvance(w.cellule(i, j)));
            const QString entete = liste->model()->headerData(j, Qt::Horizontal).toString();
            QVERIFY(liste->header()->sectionSize(j) <=
                    std::max(plusLarge + 6, entetes.horizontalAdvance(entete) + 12) + 1);
        }
    }

    void liensEtFermeture() {
        Fenetre w;
        w.action("mnuVisiterSiteWeb")->trigger();
        w.action("mnuContacterAuteur")->trigger();
        QCOMPARE(w.interactions.adresses.size(), std::size_t(2));
        QCOMPARE(w.interactions.adresses[0].scheme(), QStringLiteral("https"));
        QCOMPARE(w.interactions.adresses[1].scheme(), QStringLiteral("mailto"));
        QVERIFY(w.interactions.messages.empty());

        QTest::mouseClick(w.bouton("cmdQuitter"), Qt::LeftButton);
        QVERIFY(!w.f->isVisible());
    }
};

QTEST_MAIN(frmEmpruntTest)
#include "frmEmpruntTest.moc"
