#include "ControlesEmprunt.h"
#include "ConventionsSysteme.h"
#include "TraductionsQt.h"

#include <QClipboard>
#include <QHeaderView>

using namespace amortix;
using namespace std::chrono_literals;
using Message = InteractionsScriptees::Message;

namespace {

const Message Echec{IconeMessage::Information, "Amortix",
                    "Les informations saisies sont incomplètes ou incorrectes, veuillez les corriger."};

// What an edit clears.
QString Resultats(const Poste& w) {
    const ControlesEmprunt c = w.c();
    QStringList textes{c.lblTEG->property("tag").toString()};
    for (auto* l : {c.lblCoutTotal, c.lblCoutInterets, c.lblCoutAssurance, c.lblCoutFraisDossier, c.lblTEG})
        textes << l->text();
    const bool sorties[] = {c.cmdDetailsTEG->isVisible(), c.cmdImprimer->isEnabled(),
                            c.cmdExportExcel->isEnabled(), c.mnuEnregistrerSous->isEnabled(),
                            c.mnuExporterPdf->isEnabled()};
    const auto offertes = std::ranges::count(sorties, true);
    const QString vu = "%1 | %2 | %3 lignes | %4 sorties";
    return vu.arg(w.f->windowTitle(), textes.join(' ').simplified()).arg(w.lignes()).arg(offertes);
}
const QString Efface = "Amortix |  | 0 lignes | 0 sorties";

// Typed over the worked example; `relu` the amount shown after.
struct Saisie {
    const char *montant = "10000", *duree = "12", *taux = "6", *assurance = "", *relu = "10000";
};

} // namespace

Q_DECLARE_METATYPE(Saisie)

class frmEmpruntTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale("fr_FR")); }
    void presentation();
    void exempleCalcule();
    void uneSaisieEfface_data();
    void uneSaisieEfface();
    void clavier();
    void refus_data();
    void refus();
    void limites();
    void localeAmericaine();
};

// Laid out in twips; only the list grows with the window.
void frmEmpruntTest::presentation() {
    Poste w;
    frmEmprunt& f = w.ouvre();
    const ControlesEmprunt c = w.c();
    QCOMPARE(f.SaisieAffichee(), (SaisieEmprunt{"", "", "", "", "", {}, VersDateStd(QDate::currentDate())}));
    QCOMPARE(Resultats(w), Efface);
    QCOMPARE(f.centralWidget()->size(), QSize(501, 519)); // 7515 × 7785 twips
    QCOMPARE(c.cmdImprimer->icon().isNull(), false);
    QCOMPARE(c.cmdImprimer->toolTip(), "Imprimer le tableau d'amortissement");
    QCOMPARE(Controle<QLabel>(f, "Label12")->buddy(), c.DTPicker);
    QStringList noms;
    for (QWidget* x :
         std::initializer_list<QWidget*>{c.txtMontant, c.txtMensualite, c.txtTaux, c.txtFraisDossier,
                                         c.txtAssurance, c.DTPicker, c.cboEcheance, c.lvwListe})
        noms << x->accessibleName();
    QCOMPARE(noms, QStringList({"Montant du crédit", "Amortissement", "Taux d'intérêt annuel",
                                "Frais de dossier", "Assurance (fixe par éch.)", "Première échéance",
                                "Fréquence des échéances", "Tableau d'amortissement"}));
    Controle<QAction>(f, "mnuVisiterSiteWeb")->trigger();
    Controle<QAction>(f, "mnuContacterAuteur")->trigger();
    const auto& adresses = w.interactions.adresses;
    QCOMPARE(adresses.size(), 2u);
    QCOMPARE(adresses[0].scheme(), "https");
    QCOMPARE(adresses[1].scheme(), "mailto");

    const QSize dessinee = f.size(), plus(300, 200);
    QCOMPARE(f.minimumSize(), dessinee);
    const QRect liste = c.lvwListe->geometry();
    const QRect montant = c.txtMontant->geometry();
    const QPoint cadre = c.Frame2->pos();
    f.resize(dessinee + plus);
    QTRY_COMPARE(c.lvwListe->geometry(), liste.adjusted(0, 0, 300, 200));
    QCOMPARE(c.Frame2->pos(), cadre + QPoint(0, 200));
    QCOMPARE(c.txtMontant->geometry(), montant);
    QTest::mouseClick(Controle<QPushButton>(f, "cmdQuitter"), Qt::LeftButton);
    QCOMPARE(f.isVisible(), false);
    QCOMPARE(w.interactions.messages.size(), 0u);
    w.ouvre();
    QCOMPARE(w.f->size(), dessinee + plus);

    ChargeTraductionsQt(*qApp, QLocale());
    QCOMPARE(qApp->translate("QFileDialog", "Look in:"), "Voir dans :");
}

// Each computation reads the TEG's method anew.
void frmEmpruntTest::exempleCalcule() {
    PosteOuvert w;
    const ControlesEmprunt c = w.c();
    QTest::keyClicks(c.txtAssurance, "1"); // nothing to clear yet
    w.calcule();
    const SaisieEmprunt relue{"10000,00", "12", "6,00", "0,00", "0,00", Frequence::Mois, 2007y / 1 / 31};
    QCOMPARE(w.f->SaisieAffichee(), relue);
    QCOMPARE(w.rangee(11), "12 31/12/2007 860,70 4,28 0,00 856,42 0,00");
    QCOMPARE(Resultats(w), "Amortix | 6,1667 % 327,96 327,96 0,00 "
                           "0,00 (TEG = 6,1667 %) | 12 lignes | 5 sorties");
    const QAbstractItemModel* m = c.lvwListe->model();
    QCOMPARE(m->index(11, 3).data(ModeleEcheancier::RoleCle).toString(), "12A");
    const int role = Qt::TextAlignmentRole;
    QCOMPARE(m->headerData(6, Qt::Horizontal, role).value<Qt::Alignment>() & Qt::AlignRight, Qt::AlignRight);
    QCOMPARE(m->index(0, 0).data(role).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    const int apres = c.lblTEG->x() + c.lblTEG->sizeHint().width();
    QCOMPARE(c.cmdDetailsTEG->x(), apres + 7); // 100 twips
    QTest::mouseClick(c.cmdDetailsTEG, Qt::LeftButton);
    const Message details{IconeMessage::Information, "Détails TEG",
                          "TEG de période : 0,499916 %\r\nTEG proportionnel : 5,9990 %\r\n"
                          "TEG actuariel : 6,1667 %\r\n\r\nPour plus d'informations sur le TEG, cliquez "
                          "sur le menu Outils -> Options -> Infos TEG."};
    QCOMPARE(w.interactions.dernier(), details);
    QCOMPARE(QApplication::focusWidget(), c.cmdCalculer);

    // Copies carry the header; selected rows in their order.
    QTreeView* liste = c.lvwListe;
    liste->setFocus();
    QTest::keyClick(liste, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(liste, Qt::Key_C, Qt::ControlModifier);
    const auto copie = [] { return qApp->clipboard()->text().split('\n', Qt::SkipEmptyParts); };
    QCOMPARE(copie().size(), 13);
    QCOMPARE(copie().front(), "N°\tDate\tMontant éch.\tIntérêts\tAssurance\t"
                              "Capital amorti\tCapital restant dû");
    QCOMPARE(copie().back(), w.rangee(11).replace(' ', '\t'));
    const auto centre = [&](int i) { return liste->visualRect(m->index(i, 0)).center(); };
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, centre(3));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, Qt::ControlModifier, centre(1));
    QCOMPARE(liste->contextMenuPolicy(), Qt::ActionsContextMenu);
    liste->actions()[0]->trigger();
    QCOMPARE(copie().size(), 3);
    QCOMPARE(copie()[2].section('\t', 0, 1), "4\t30/04/2007");

    w.module.blnTEGActuariel = false; // shown as it was until then
    QCOMPARE(c.lblTEG->text(), "(TEG = 6,1667 %)");
    w.calcule();
    QCOMPARE(c.lblTEG->property("tag").toString(), "5,9990 %");
    // 5,125 % as typed (1 000 000 × 5,125 % / 12), then 5,13 %.
    const ModeleEcheancier* lignes = w.f->modeleListe();
    w.calcule("1000000", "360", "5,125");
    QCOMPARE(lignes->texte(0, 3), "4270,83");
    QTest::mouseClick(c.cmdCalculer, Qt::LeftButton);
    QCOMPARE(lignes->texte(0, 3), "4275,00");
    // Widest cell + 6 px or header + 180 twips (12 px), to a pixel.
    const auto px = [](QWidget* x, const QString& t) { return x->fontMetrics().horizontalAdvance(t); };
    for (int j = 0; j < 7; ++j) {
        int vu = px(w.f.get(), m->headerData(j, Qt::Horizontal).toString()) + 12;
        for (int i = 0; i < w.lignes(); ++i)
            vu = std::max(vu, px(liste, lignes->texte(i, j)) + 6);
        QCOMPARE_GE(liste->header()->sectionSize(j), vu);
        QCOMPARE_LE(liste->header()->sectionSize(j), vu + 1);
    }
}

void frmEmpruntTest::uneSaisieEfface_data() {
    QTest::addColumn<QString>("touches");
    for (const char* champ : {"txtMontant", "txtMensualite", "txtTaux", "txtAssurance", "txtFraisDossier"})
        QTest::newRow(champ) << "1";
    QTest::newRow("DTPicker") << "15";
    QTest::newRow("cboEcheance") << "a"; // for "ans"
}

void frmEmpruntTest::uneSaisieEfface() {
    QFETCH(QString, touches);
    PosteOuvert w;
    QWidget* champ = Controle<QWidget>(*w.f, QTest::currentDataTag());
    w.calcule();
    w.f->setWindowTitle("pret.amx - Amortix");
    champ->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(champ, touches);
    QCOMPARE(Resultats(w), Efface);
    QCOMPARE(w.f->aucunCalcul(), false);
    if (qobject_cast<QComboBox*>(champ))
        return; // a list, not a field
    QTest::keyClick(champ, Qt::Key_Return);
    QCOMPARE_GT(w.lignes(), 0);
}

// Either key types the locale's separator, except in the duration.
void frmEmpruntTest::clavier() {
    PosteOuvert w;
    const ControlesEmprunt c = w.c();
    for (auto* champ : {c.txtMontant, c.txtTaux, c.txtAssurance, c.txtFraisDossier}) {
        QTest::keyClicks(champ, "12.5,a");
        QCOMPARE(champ->text(), "12,5,a");
    }
    QTest::keyClicks(c.txtMensualite, "12.5,a");
    QCOMPARE(c.txtMensualite->text(), "12.5,a");
    c.txtMontant->setSelection(2, 2);
    QTest::keyClick(c.txtMontant, Qt::Key_Period);
    QCOMPARE(c.txtMontant->text(), "12,,a");

    QDateEdit* date = c.DTPicker;
    const auto tape = [date](const char* texte) {
        QTest::keyClicks(date, texte);
        const QDate lue = date->date();
        date->setDate(QDate(2007, 1, 31));
        return lue;
    };
    const QDate mars(2010, 3, 5);
    date->setFocus();
    date->selectAll();
    QCOMPARE(tape("05032010"), mars);
    QTest::keyClick(date, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(tape("5/3/2010"), mars);
    c.cboEcheance->setFocus();
    QTest::keyClick(c.cboEcheance, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), date);
    QCOMPARE(tape("05/3/2010"), mars);
    QTest::keyClick(date, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), c.txtTaux);
}

// Fields are rewritten only once all are read.
void frmEmpruntTest::refus_data() {
    QTest::addColumn<Saisie>("saisie");
    QTest::newRow("montant vide") << Saisie{.montant = "", .relu = ""};
    QTest::newRow("taux en lettres") << Saisie{.taux = "six"};
    QTest::newRow("assurance en lettres") << Saisie{.assurance = "a"};
    QTest::newRow("durée nulle") << Saisie{.duree = "0", .relu = "10000,00"};
}

void frmEmpruntTest::refus() {
    QFETCH(Saisie, saisie);
    PosteOuvert w;
    w.calcule(saisie.montant, saisie.duree, saisie.taux, saisie.assurance);
    QCOMPARE(w.interactions.dernier(), Echec);
    QCOMPARE(w.c().txtMontant->text(), saisie.relu);
    QCOMPARE(w.lignes(), 0);
    QCOMPARE(w.f->aucunCalcul(), true);
}

// Dates stop at 9999; with no effective rate the rest is still shown.
void frmEmpruntTest::limites() {
    PosteOuvert w;
    w.calcule("1000", "3", "0");
    QCOMPARE(w.interactions.dernier(), Echec);
    QCOMPARE(Resultats(w), "Amortix | 0,00 0,00 0,00 0,00 | 3 lignes | 4 sorties");
    w.calcule("10000", "2147483647", "0", "", "", QDate(2000, 1, 31));
    QCOMPARE(w.interactions.messages.size(), 2u);
    QCOMPARE(w.interactions.dernier(), Echec);
    QCOMPARE(Resultats(w), "Amortix |  | 96000 lignes | 0 sorties");
    QCOMPARE(w.f->modeleListe()->texte(95999, 1), "31/12/9999");
}

void frmEmpruntTest::localeAmericaine() {
    QLocale::setDefault(QLocale("en_US"));
    PosteOuvert w;
    QCOMPARE(w.c().DTPicker->displayFormat(), "M/d/yyyy");
    w.calcule("10000", "12", "6,0", "5", "100", QDate(2007, 1, 15));
    QCOMPARE(w.rangee(0), "1 1/15/2007 865.66 50.00 5.00 810.66 9189.34");
}

QTEST_MAIN(frmEmpruntTest)
#include "frmEmpruntTest.moc"
