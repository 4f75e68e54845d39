#include "frmCapacite.h"

#include "ControlesEmprunt.h"
#include "DialogueModal.h"
#include "TauxUsureEnregistres.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QTableWidget>

using namespace amortix;
using Message = InteractionsScriptees::Message;

namespace {

QString Texte(const QWidget& d, const char* nom) {
    return Controle<QLabel>(d, nom)->text();
}

// Incomes 4 000 over 300 months; the rate is the main window's.
void SaisitFoyer(const frmCapacite& d, const char* charges) {
    Tape(Controle<QLineEdit>(d, "txtRevenu1"), "4000");
    Tape(Controle<QLineEdit>(d, "txtCharges"), charges);
    Tape(Controle<QLineEdit>(d, "txtDuree"), "300");
}

struct Vu {
    bool active = false;
    bool utilisable = true;
    bool fermee = false;
    QString budget, montant, echeance, usure;
    QStringList durees;
    qsizetype barres = 0;
};

} // namespace

class frmCapaciteTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale("fr_FR")); }

    // By the keyboard; the budget is 35 % of 4 000 less the 300 already paid.
    void calculeRemetEtRefuse() {
        PosteOuvert w;
        const ControlesEmprunt c = w.c();
        c.DTPicker->setDate(QDate(2027, 1, 31));
        Tape(c.txtTaux, "3,5");
        Vu vu;
        RepondAuDialogue<frmCapacite>([&vu](frmCapacite& d) {
            vu.active = Active(d);
            SaisitFoyer(d, "300");
            vu.utilisable = Controle<QPushButton>(d, "cmdUtiliser")->isEnabled();
            QTest::keyClick(Controle<QLineEdit>(d, "txtDuree"), Qt::Key_Return);
            vu.budget = Texte(d, "lblBudget");
            vu.montant = Texte(d, "lblMontant");
            vu.echeance = Texte(d, "lblEcheance");
            vu.usure = Texte(d, "lblUsure");
            const auto* table = Controle<QTableWidget>(d, "tblDurees");
            for (int i = 0; i < table->rowCount(); ++i)
                vu.durees << table->model()->index(i, 0).data().toString();
            const auto* graphe = Controle<QChartView>(d, "grfDurees")->chart();
            vu.barres = static_cast<QBarSeries*>(graphe->series().at(0))->barSets().at(0)->count();
            QTest::keyClick(&d, Qt::Key_M, Qt::AltModifier);
            vu.fermee = QTest::qWaitFor([&d] { return !d.isVisible(); });
        });
        Controle<QAction>(*w.f, "mnuCapacite")->trigger();
        QCOMPARE(vu.active, true);
        QCOMPARE(vu.utilisable, false); // nothing to hand over yet
        QCOMPARE(vu.budget, "1100,00");
        QCOMPARE(vu.montant, "219726,96");
        QCOMPARE(vu.echeance, "1100,00");
        QCOMPARE(vu.usure, "5,13 % (immobilier, 20 ans et plus)");
        QCOMPARE(vu.durees, QStringList({"111239,85", "153872,13", "189669,20", "219726,96"}));
        QCOMPARE(vu.barres, 4);
        QCOMPARE(vu.fermee, true);
        QCOMPARE(c.txtMontant->text(), "219726,96");
        QCOMPARE(c.txtMensualite->text(), "300");
        QCOMPARE(w.rangee(0).section(' ', 2, 2), "1100,00");

        // The ceilings are the settings' ones, read again when the window opens.
        TableUsure basse = TableUsureFournie();
        basse.plafonds[2] = 3.00; // 20 years and more
        QCOMPARE(EnregistreTauxUsure(w.chemin("taux-usure.txt"), basse), std::nullopt);
        bool utilisable = true;
        QString couleur, astuce;
        RepondAuDialogue<frmCapacite>([&](frmCapacite& d) {
            auto* calculer = Controle<QPushButton>(d, "cmdCalculer");
            SaisitFoyer(d, "1500");
            QTest::mouseClick(calculer, Qt::LeftButton);
            utilisable = Controle<QPushButton>(d, "cmdUtiliser")->isEnabled();
            Tape(Controle<QLineEdit>(d, "txtCharges"), "300");
            QTest::mouseClick(calculer, Qt::LeftButton);
            const auto* taeg = Controle<QLabel>(d, "lblTAEG");
            couleur = taeg->styleSheet();
            astuce = taeg->toolTip();
        });
        Controle<QAction>(*w.f, "mnuCapacite")->trigger();
        QCOMPARE(w.interactions.messages.size(), 1u);
        const QString refus = "Les charges en cours dépassent déjà 35 % des revenus";
        QCOMPARE(w.interactions.dernier(), (Message{IconeMessage::Information, "Amortix", refus}));
        QCOMPARE(utilisable, false);
        QCOMPARE(couleur, "color: red");
        QVERIFY2(astuce.contains("au-dessus du taux d'usure 3,00 %"), qPrintable(astuce));
    }
};

QTEST_MAIN(frmCapaciteTest)
#include "frmCapaciteTest.moc"
