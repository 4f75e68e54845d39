#include "ControlesEmprunt.h"
#include "ConventionsSysteme.h"
#include "TraductionsQt.h"

#include <QClipboard>
#include <QHeaderView>
#include <QMenuBar>

using namespace amortix;

namespace {

const QString MessageEchec =
    QStringLiteral("Les informations saisies sont incomplètes ou incorrectes, veuillez les corriger.");

// What every edit clears: the list, the costs, the TEG and its tag, the outputs, the name in the title.
bool ResultatsEffaces(const Poste& w) {
    const ControlesEmprunt c = w.c();
    QString textes = c.lblTEG->property("tag").toString() + w.f->windowTitle();
    for (const QLabel* texte :
         {c.lblCoutTotal, c.lblCoutInterets, c.lblCoutAssurance, c.lblCoutFraisDossier, c.lblTEG})
        textes += texte->text();
    return textes == "Amortix" && w.lignes() == 0 && !c.cmdDetailsTEG->isVisible() &&
           !c.cmdImprimer->isEnabled() && !c.cmdExportExcel->isEnabled() &&
           !c.mnuEnregistrerSous->isEnabled() && !c.mnuExporterPdf->isEnabled();
}

} // namespace

class frmEmpruntTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // Empty fields, today's date, monthly payments, no outputs; places in twips (15 a pixel); icons
    // with tips; fields named after their labels, without the colon; the links. The list grows with
    // the window, the costs move down with it, the fields stay; never below the designed size; quit,
    // the next window opens at the size left. Qt's own texts in French.
    void presentation() {
        Poste w;
        frmEmprunt& f = w.ouvre();
        const ControlesEmprunt c = w.c();
        QCOMPARE(f.SaisieAffichee(),
                 (SaisieEmprunt{"", "", "", "", "", Frequence::Mois, VersDateStd(QDate::currentDate())}));
        QCOMPARE(c.cboEcheance->count(), 4);
        QCOMPARE(c.cboEcheance->itemText(3), "ans");
        QCOMPARE(f.menuBar()->actions().size(), 3);
        QVERIFY(ResultatsEffaces(w));
        QCOMPARE(f.aucunCalcul(), true);
        QCOMPARE(c.cmdCalculer->isEnabled(), true);
        QCOMPARE(c.mnuOuvrir->isEnabled(), true);
        QCOMPARE(f.centralWidget()->size(), QSize(501, 519)); // 7515 × 7785 twips
        QCOMPARE(c.cmdImprimer->icon().isNull(), false);
        QCOMPARE(c.cmdImprimer->text(), QString());
        QCOMPARE(c.cmdImprimer->toolTip(), "Imprimer le tableau d'amortissement");
        QCOMPARE_LT(Controle<QLabel>(f, "Label12")->geometry().right(), c.DTPicker->geometry().left());
        QCOMPARE(Controle<QLabel>(f, "Label12")->buddy(), c.DTPicker);
        QStringList noms;
        for (QWidget* controle :
             std::initializer_list<QWidget*>{c.txtMontant, c.txtMensualite, c.txtTaux, c.txtFraisDossier,
                                             c.txtAssurance, c.DTPicker, c.cboEcheance, c.lvwListe})
            noms << controle->accessibleName();
        QCOMPARE(noms, QStringList({"Montant du crédit", "Amortissement", "Taux d'intérêt annuel",
                                    "Frais de dossier", "Assurance (fixe par éch.)", "Première échéance",
                                    "Fréquence des échéances", "Tableau d'amortissement"}));
        Controle<QAction>(f, "mnuVisiterSiteWeb")->trigger();
        Controle<QAction>(f, "mnuContacterAuteur")->trigger();
        QCOMPARE(w.interactions.adresses.size(), 2);
        QCOMPARE(w.interactions.adresses[0].scheme(), "https");
        QCOMPARE(w.interactions.adresses[1].scheme(), "mailto");
        const QSize dessinee = f.size();
        QCOMPARE(f.minimumSize(), dessinee);
        QCOMPARE_GT(f.maximumSize().width(), dessinee.width());
        const QRect liste = c.lvwListe->geometry(), montant = c.txtMontant->geometry();
        const QPoint cadre = c.Frame2->pos();
        f.resize(dessinee + QSize(300, 200));
        QTRY_COMPARE(c.lvwListe->geometry(), liste.adjusted(0, 0, 300, 200));
        QCOMPARE(c.Frame2->pos(), cadre + QPoint(0, 200));
        QCOMPARE(c.txtMontant->geometry(), montant);
        f.resize(dessinee - QSize(100, 100));
        QCOMPARE(f.size(), dessinee);
        f.resize(dessinee + QSize(120, 80));
        QTest::mouseClick(Controle<QPushButton>(f, "cmdQuitter"), Qt::LeftButton);
        QCOMPARE(f.isVisible(), false);
        QCOMPARE(w.interactions.messages.size(), 0u);
        QVERIFY(QFile::exists(w.chemin("fenetre.bin")));
        w.ouvre();
        QCOMPARE(w.f->size(), dessinee + QSize(120, 80));
        QTRY_COMPARE(w.c().lvwListe->geometry(), liste.adjusted(0, 0, 120, 80));
        QVERIFY(
            ChargeTraductionsQt(*QCoreApplication::instance(), QLocale(QLocale::French, QLocale::France)));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuler");
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), "Voir dans :");
    }

    // The worked example, typed: the fields rewritten, the list, the costs, the TEG, its tag and its details;
    // the proportional method from the next computation on; a computation reads the fields as rewritten:
    // 5,125 % first (1 000 000 × 5,125 % / 12 = 4 270,83 of interest), then 5,13 % (4 275,00). Ctrl+A, Ctrl+C
    // copy the headers and every row; rows 4 and 2 picked, copied from the context menu, in the list's order.
    // Then any input edited clears the results, once there are some; Enter in any field computes.
    void exempleCalculePuisModifie() {
        PosteOuvert w;
        const ControlesEmprunt c = w.c();
        QTest::keyClicks(c.txtAssurance, QStringLiteral("1"));
        QVERIFY(w.f->aucunCalcul());
        w.calcule();
        QCOMPARE(w.interactions.messages.size(), 0u);
        QCOMPARE(w.f->aucunCalcul(), false);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(w.f->SaisieAffichee(), (SaisieEmprunt{"10000,00", "12", "6,00", "0,00", "0,00",
                                                       Frequence::Mois, std::chrono::year{2007} / 1 / 31}));
        QCOMPARE(w.lignes(), 12);
        QCOMPARE(w.rangee(11), "12 31/12/2007 860,70 4,28 0,00 856,42 0,00");
        const QAbstractItemModel* modele = c.lvwListe->model();
        const auto alignement = [](const QVariant& v) { return v.value<Qt::Alignment>(); };
        QCOMPARE(modele->index(11, 3).data(ModeleEcheancier::RoleCle).toString(), "12A");
        QCOMPARE(alignement(modele->headerData(6, Qt::Horizontal, Qt::TextAlignmentRole)) & Qt::AlignRight,
                 Qt::AlignRight);
        QCOMPARE(alignement(modele->index(0, 0).data(Qt::TextAlignmentRole)) & Qt::AlignHorizontal_Mask,
                 Qt::AlignLeft);
        QCOMPARE(QStringList({c.lblCoutTotal->text(), c.lblCoutInterets->text(), c.lblCoutAssurance->text(),
                              c.lblCoutFraisDossier->text(), c.lblTEG->text(),
                              c.lblTEG->property("tag").toString()}),
                 QStringList({"327,96", "327,96", "0,00", "0,00", "(TEG = 6,1667 %)", "6,1667 %"}));
        QCOMPARE(c.cmdDetailsTEG->x(), c.lblTEG->x() + c.lblTEG->sizeHint().width() + 7); // 100 twips
        QCOMPARE(c.cmdDetailsTEG->isVisible(), true);
        QCOMPARE(c.cmdImprimer->isEnabled(), true);
        QCOMPARE(c.mnuEnregistrerSous->isEnabled(), true);
        QTest::mouseClick(c.cmdDetailsTEG, Qt::LeftButton);
        QVERIFY(w.interactions.montre(IconeMessage::Information, "Détails TEG",
                                      "TEG de période : 0,499916 %\r\nTEG proportionnel : 5,9990 %\r\n"
                                      "TEG actuariel : 6,1667 %\r\n\r\nPour plus d'informations sur le TEG, "
                                      "cliquez sur le menu Outils -> Options -> Infos TEG."));
        QCOMPARE(QApplication::focusWidget(), c.cmdCalculer);
        QTreeView* liste = c.lvwListe;
        liste->setFocus();
        QTest::keyClick(liste, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(liste, Qt::Key_C, Qt::ControlModifier);
        const auto copie = [] { return QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts); };
        const QStringList tout = copie();
        QCOMPARE(tout.size(), 13);
        QCOMPARE(tout.back(), "12\t31/12/2007\t860,70\t4,28\t0,00\t856,42\t0,00");
        QCOMPARE(tout.front(), QStringLiteral("N°\tDate\tMontant éch.\tIntérêts\tAssurance\tCapital amorti\t"
                                              "Capital restant dû"));
        for (const auto& [ligne, touches] : {std::pair{3, Qt::NoModifier}, {1, Qt::ControlModifier}})
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, touches,
                              liste->visualRect(liste->model()->index(ligne, 0)).center());
        QCOMPARE(liste->contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(liste->actions().size(), 2);
        QCOMPARE(liste->actions()[0]->text(), "&Copier");
        QCOMPARE(liste->actions()[1]->text(), "&Tout sélectionner");
        liste->actions().front()->trigger();
        const QStringList deux = copie();
        QCOMPARE(deux.size(), 3);
        QCOMPARE(deux[1].section('\t', 0, 1), "2\t28/02/2007");
        QCOMPARE(deux[2].section('\t', 0, 1), "4\t30/04/2007");
        w.module.blnTEGActuariel = false; // shown as it was until the next computation
        QCOMPARE(c.lblTEG->text(), QStringLiteral("(TEG = 6,1667 %)"));
        w.calcule();
        QCOMPARE(c.lblTEG->property("tag").toString(), QStringLiteral("5,9990 %"));
        w.calcule("1000000", "360", "5,125");
        QCOMPARE(w.f->modeleListe()->texte(0, 3), QStringLiteral("4270,83"));
        QTest::mouseClick(c.cmdCalculer, Qt::LeftButton);
        QCOMPARE(w.f->modeleListe()->texte(0, 3), QStringLiteral("4275,00"));
        // Each column as wide as its widest cell plus the view's margins (6 px), or as its header plus 180
        // twips (12 px) when that is wider; a pixel of rounding once there are rows.
        for (int j = 0; j < 7; ++j) {
            int attendue =
                w.f->fontMetrics().horizontalAdvance(modele->headerData(j, Qt::Horizontal).toString()) + 12;
            for (int i = 0; i < w.lignes(); ++i)
                attendue = std::max(
                    attendue, liste->fontMetrics().horizontalAdvance(w.f->modeleListe()->texte(i, j)) + 6);
            const int ecart = liste->header()->sectionSize(j) - attendue;
            QVERIFY2(ecart >= 0 && ecart <= 1, qPrintable(QString::number(j)));
        }
        w.interactions.messages.clear(); // the TEG's details
        std::vector<std::pair<QWidget*, std::function<void()>>> modifications = {
            {c.txtMontant, [&] { c.cboEcheance->setCurrentIndex(2); }},
            {c.DTPicker, [&] { c.DTPicker->setDate(QDate(2008, 5, 5)); }}};
        for (QLineEdit* champ : {c.txtMontant, c.txtMensualite, c.txtTaux, c.txtAssurance, c.txtFraisDossier})
            modifications.push_back({champ, [champ] { QTest::keyClicks(champ, QStringLiteral("1")); }});
        for (const auto& [champ, modifie] : modifications) {
            w.calcule();
            w.f->setWindowTitle(QStringLiteral("pret.amx - Amortix"));
            modifie();
            QVERIFY(ResultatsEffaces(w));
            QCOMPARE(w.f->aucunCalcul(), false);
            QTest::keyClick(champ, Qt::Key_Return);
            QVERIFY2(w.lignes() > 0, qPrintable(champ->objectName()));
            QCOMPARE(w.interactions.messages.size(), 0u);
        }
    }

    // Either key types the locale's separator in decimal fields, over a selection as typing would; the
    // duration keeps what's typed. A typed date replaces the one shown: all selected, by Ctrl+A, emptied then
    // without separators, on single digits, reached by Tab. One tab stop: Tab to the rate, Shift+Tab back.
    void clavierEchecsEtLocaleAmericaine() {
        PosteOuvert w;
        const ControlesEmprunt c = w.c();
        for (auto* champ : {c.txtMontant, c.txtTaux, c.txtAssurance, c.txtFraisDossier, c.txtMensualite}) {
            QTest::keyClicks(champ, QStringLiteral("12.5,a"));
            QCOMPARE(champ->text(), champ == c.txtMensualite ? "12.5,a" : "12,5,a");
        }
        c.txtMontant->setSelection(2, 2);
        QTest::keyClick(c.txtMontant, Qt::Key_Period);
        QCOMPARE(c.txtMontant->text(), QStringLiteral("12,,a"));
        QDateEdit* date = c.DTPicker;
        const auto tape = [date](const char* texte) {
            QTest::keyClicks(date, QString::fromUtf8(texte));
            const bool lue = date->hasFocus() && date->date() == QDate(2010, 3, 5);
            date->setDate(QDate(2007, 1, 31));
            return lue;
        };
        date->setDate(QDate(2007, 1, 31));
        date->setFocus();
        date->selectAll();
        QVERIFY(tape("5/3/2010"));
        QTest::keyClick(date, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(tape("05/03/2010"));
        date->selectAll();
        QTest::keyClick(date, Qt::Key_Backspace);
        QVERIFY(tape("05032010"));
        c.cboEcheance->setFocus();
        QTest::keyClick(c.cboEcheance, Qt::Key_Tab);
        QVERIFY(tape("05/3/2010"));
        QTest::keyClick(date, Qt::Key_Tab);
        QVERIFY(c.txtTaux->hasFocus());
        date->setFocus();
        QTest::keyClick(date, Qt::Key_Backtab);
        QVERIFY(c.cboEcheance->hasFocus());
        // Incomplete or not numbers: the box, nothing rewritten. A zero duration fails after the fields are
        // rewritten, nothing listed. No effective rate: schedule, costs, outputs stay. 0 % over 2 147 483 647
        // months: the calendar stops it after December 9999, the rows listed stay shown, no costs or outputs.
        for (const auto& [montant, taux, assurance] :
             {std::tuple{"", "6", ""}, {"10000", "six", ""}, {"10000", "6", "a"}}) {
            w.calcule(montant, "12", taux, assurance);
            QVERIFY(w.interactions.montre(IconeMessage::Information, "Amortix", MessageEchec));
            QCOMPARE(c.txtMontant->text(), montant);
            QCOMPARE(w.lignes(), 0);
            QCOMPARE(w.f->aucunCalcul(), true);
        }
        w.calcule("10000", "0", "6");
        QCOMPARE(w.interactions.messages.size(), 4u);
        QCOMPARE(c.txtAssurance->text(), "0,00");
        QCOMPARE(w.lignes(), 0);
        w.calcule("1000", "3", "0");
        QCOMPARE(w.interactions.messages.size(), 5u);
        QCOMPARE(w.interactions.dernierTexte(), MessageEchec);
        QCOMPARE(w.lignes(), 3);
        QCOMPARE(c.lblCoutTotal->text(), "0,00");
        QCOMPARE(c.lblTEG->text(), QString());
        QCOMPARE(c.cmdDetailsTEG->isVisible(), false);
        QCOMPARE(c.cmdImprimer->isEnabled(), true);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        w.calcule("10000", "2147483647", "0", "", "", QDate(2000, 1, 31));
        QCOMPARE(w.interactions.messages.size(), 6u);
        QCOMPARE(w.interactions.dernierTexte(), MessageEchec);
        QCOMPARE(w.lignes(), 96000);
        QCOMPARE(w.f->modeleListe()->texte(95999, 1), "31/12/9999");
        QCOMPARE(c.lblCoutTotal->text(), QString());
        QCOMPARE(c.lvwListe->isVisible(), true);
        QCOMPARE(c.cmdImprimer->isEnabled(), false);
        // In a point locale, with the year on four digits.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        PosteOuvert en;
        QCOMPARE(en.c().DTPicker->displayFormat(), QStringLiteral("M/d/yyyy"));
        en.calcule("10000", "12", "6,0", "5", "100", QDate(2007, 1, 15));
        QCOMPARE(en.rangee(0), QStringLiteral("1 1/15/2007 865.66 50.00 5.00 810.66 9189.34"));
    }
};

QTEST_MAIN(frmEmpruntTest)
#include "frmEmpruntTest.moc"
