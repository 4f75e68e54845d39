#include "frmCapacite.h"

#include "ControlesEmprunt.h"
#include "DialogueModal.h"
#include "TauxUsureEnregistres.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>

using namespace amortix;

namespace {

QString Texte(const QWidget& fenetre, const char* nom) {
    const auto* etiquette = fenetre.findChild<QLabel*>(QLatin1String(nom));
    return etiquette ? etiquette->text() : QStringLiteral("(absent : %1)").arg(QLatin1String(nom));
}

QLineEdit* Champ(const QWidget& fenetre, const char* nom) {
    return fenetre.findChild<QLineEdit*>(QLatin1String(nom));
}

// Incomes 4 000, continuing payments 300, over 300 months: the rate is the main window's.
void SaisitFoyer(const frmCapacite& d) {
    Tape(Champ(d, "txtRevenu1"), QStringLiteral("4000"));
    Tape(Champ(d, "txtCharges"), QStringLiteral("300"));
    Tape(Champ(d, "txtDuree"), QStringLiteral("300"));
}

// What the window showed once computed.
struct Resultat {
    QString budget, montant, echeance, usure;
    QStringList parDuree;
    qsizetype barres = 0;
};

Resultat Lit(const frmCapacite& d) {
    Resultat r{
        Texte(d, "lblBudget"), Texte(d, "lblMontant"), Texte(d, "lblEcheance"), Texte(d, "lblUsure"), {}, 0};
    const auto* table = d.findChild<QTableWidget*>(QStringLiteral("tblDurees"));
    for (int ligne = 0; ligne < table->rowCount(); ++ligne)
        r.parDuree << (table->item(ligne, 0) ? table->item(ligne, 0)->text() : QString());
    const auto* graphique = d.findChild<QChartView*>(QStringLiteral("grfDurees"));
    r.barres = qobject_cast<QBarSeries*>(graphique->chart()->series().at(0))->barSets().at(0)->count();
    return r;
}

} // namespace

class frmCapaciteTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // From the menu, by the keyboard: Enter computes, the amount for each duration is listed and drawn,
    // and "Utiliser ce montant" lists that loan in the main window.
    void calculeEtRemetLePret() {
        PosteOuvert w;
        const ControlesEmprunt c = w.c();
        c.DTPicker->setDate(QDate(2027, 1, 31));
        Tape(c.txtTaux, QStringLiteral("3,5"));
        Resultat vu;
        bool utilisableAvant = true;
        bool active = false;
        RepondAuDialogue<frmCapacite>([&](frmCapacite& d) {
            active = Active(d);
            SaisitFoyer(d);
            utilisableAvant = d.findChild<QPushButton*>(QStringLiteral("cmdUtiliser"))->isEnabled();
            QTest::keyClick(Champ(d, "txtDuree"), Qt::Key_Return);
            vu = Lit(d);
            QTest::keyClick(&d, Qt::Key_M, Qt::AltModifier);
            QTRY_VERIFY(!d.isVisible());
        });
        w.f->findChild<QAction*>(QStringLiteral("mnuCapacite"))->trigger();
        QCOMPARE(active, true);
        QCOMPARE(utilisableAvant, false);
        QCOMPARE(vu.budget, "1100,00");
        QCOMPARE(vu.montant, "219726,96");
        QCOMPARE(vu.echeance, "1100,00");
        QCOMPARE(vu.usure, "5,13 % (immobilier, 20 ans et plus)");
        QCOMPARE(vu.parDuree, QStringList({"111239,85", "153872,13", "189669,20", "219726,96"}));
        QCOMPARE(vu.barres, 4);
        QCOMPARE(c.txtMontant->text(), "219726,96");
        QCOMPARE(c.txtMensualite->text(), "300");
        QCOMPARE(w.lignes(), 300);
        QCOMPARE(w.rangee(0).section(' ', 2, 2), "1100,00");
    }

    // A household already over the ratio is told so and nothing can be handed over; a TAEG over the
    // ceilings of the settings is red and says why.
    void refusEtUsure() {
        PosteOuvert w;
        TableUsure basse = TableUsureFournie();
        basse.plafonds[static_cast<std::size_t>(CategorieUsure::Immobilier20AnsEtPlus)] = 3.00;
        QCOMPARE(EnregistreTauxUsure(w.module.fichierReglages(NomFichierTauxUsure), basse), std::nullopt);
        Tape(w.c().txtTaux, QStringLiteral("3,5"));
        bool utilisable = true;
        QString couleur, astuce;
        RepondAuDialogue<frmCapacite>([&](frmCapacite& d) {
            SaisitFoyer(d);
            Tape(Champ(d, "txtCharges"), QStringLiteral("1500"));
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdCalculer")), Qt::LeftButton);
            utilisable = d.findChild<QPushButton*>(QStringLiteral("cmdUtiliser"))->isEnabled();
            Tape(Champ(d, "txtCharges"), QStringLiteral("300"));
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdCalculer")), Qt::LeftButton);
            const auto* taeg = d.findChild<QLabel*>(QStringLiteral("lblTAEG"));
            couleur = taeg->styleSheet();
            astuce = taeg->toolTip();
        });
        w.f->findChild<QAction*>(QStringLiteral("mnuCapacite"))->trigger();
        QCOMPARE(w.interactions.messages.size(), 1u);
        QCOMPARE(w.interactions.messages.back().texte,
                 "Les charges en cours dépassent déjà 35 % des revenus");
        QCOMPARE(utilisable, false);
        QCOMPARE(couleur, "color: red");
        QVERIFY2(astuce.contains("au-dessus du taux d'usure 3,00 %"), qPrintable(astuce));
    }
};

QTEST_MAIN(frmCapaciteTest)
#include "frmCapaciteTest.moc"
