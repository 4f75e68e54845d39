#include "frmRemboursementAnticipe.h"

#include "CalculEmprunt.h"
#include "ControlesEmprunt.h"
#include "ConventionsSysteme.h"
#include "DialogueModal.h"

#include <QChartView>
#include <QCheckBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QXYSeries>
#include <set>

using namespace amortix;

namespace {

// 100 000 at 4 % over 240 months, insurance 20, fees 500, first payment 31/01/2007: T = 625,98033,
// R_59 = 82 255,56, R_60 = 81 923,77. An independent script of the row rules gives, for 20 000 repaid
// with payment 60: keeping the payment, row 61 pays I = Round2(61 923,77 × 0,04 / 12) = 206,41,
// K = 399,57, leaving 61 524,20; row 186 (30/06/2022) clears 89,14 for 0,30 + 89,14 + 20 = 109,44;
// interest saved 13 239,47, and 54 × 20 of insurance. Keeping the duration, T' = 478,04265: row 61
// repays 251,63 and leaves 61 672,14, row 240 pays 478,67 (1,52 of interest, 457,15 of capital);
// interest saved 6 628,58, less 150,50 typed as the penalty. Everything repaid: the 27 152,64 of
// interest after row 60 and 180 × 20 of insurance are saved.
struct Fenetre {
    InteractionsScriptees interactions;
    frmRemboursementAnticipe d{
        CalculeEmprunt({"100000", "240", "4", "20", "500", Frequence::Mois, VersDateStd(QDate(2007, 1, 31))},
                       false, ConventionsDe(QLocale())),
        interactions};
    QSpinBox* numero = Controle<QSpinBox>(d, "spnNumeroEcheance");
    QLineEdit* montant = Controle<QLineEdit>(d, "txtMontantRembourse");
    QLineEdit* indemnite = Controle<QLineEdit>(d, "txtIndemnite");
    QAbstractItemModel* liste = Controle<QTreeView>(d, "lvwListe")->model();

    Fenetre() {
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
    }
    void choisit(const QString& option) const {
        Controle<QAbstractButton>(d, option.toLatin1())->setChecked(true);
    }
    // Payment 60, then Enter in the amount field.
    void calcule(const QString& texte = QStringLiteral("20000")) const {
        numero->setValue(60);
        Tape(montant, texte);
        QTest::keyClick(montant, Qt::Key_Return);
    }
    QStringList resume() const {
        QStringList textes;
        for (const char* nom :
             {"lblRestantAvant", "lblRembourse", "lblIndemnite", "lblDerniere", "lblNouvelleEcheance",
              "lblInteretsEconomises", "lblAssuranceEconomisee", "lblEconomieNette"})
            textes << Controle<QLabel>(d, nom)->text();
        return textes;
    }
    // The capital owed after each payment on the "Après" curve; nothing without one.
    QList<double> apres() const {
        QList<double> restants;
        const auto series = Controle<QChartView>(d, "grfCapitalRestant")->chart()->series();
        for (const QPointF& point :
             series.size() == 2 ? static_cast<QXYSeries*>(series[1])->points() : QList<QPointF>())
            restants << point.y();
        return restants;
    }
};

} // namespace

class frmRemboursementAnticipeTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // The worked figures through the window's controls (the "." key enters the comma); the curve
    // after follows the original rows to 59, owes R_60 − X at 60, then the new rows down to 0.
    void exempleChiffre_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("resume");
        QTest::addColumn<QStringList>("rangees"); // the first and last new rows
        QTest::newRow("durée, immobilier")
            << QStringList{"optReduireDuree", "optCreditImmobilier"}
            << QStringList{"81923,77", "20000,00", "400,00",  "186 le 30/06/2022",
                           "625,98",   "13239,47", "1080,00", "13919,47"}
            << QStringList{"61 31/01/2012 625,98 206,41 20,00 399,57 61524,20",
                           "186 30/06/2022 109,44 0,30 20,00 89,14 0,00"};
        QTest::newRow("échéance, montant saisi")
            << QStringList{"optReduireEcheance", "optIndemniteSaisie"}
            << QStringList{"81923,77", "20000,00", "150,50", "240 le 31/12/2026",
                           "478,04",   "6628,58",  "0,00",   "6478,08"}
            << QStringList{"61 31/01/2012 478,04 206,41 20,00 251,63 61672,14",
                           "240 31/12/2026 478,67 1,52 20,00 457,15 0,00"};
        QTest::newRow("tout") << QStringList{"chkRemboursementTotal"}
                              << QStringList{"81923,77", "81923,77", "0,00",    "60 le 31/12/2011",
                                             "0,00",     "27152,64", "3600,00", "30752,64"}
                              << QStringList();
    }
    void exempleChiffre() {
        QFETCH(QStringList, options);
        QFETCH(QStringList, resume);
        QFETCH(QStringList, rangees);
        Fenetre w;
        for (const QString& option : options)
            w.choisit(option);
        Tape(w.indemnite, QStringLiteral("150.5"));
        w.calcule(); // the amount is ignored when everything is repaid
        QVERIFY(w.interactions.messages.empty());
        QCOMPARE(w.resume(), resume);
        const int lignes = w.liste->rowCount();
        QCOMPARE(lignes, resume[3].section(' ', 0, 0).toInt() - 60);
        QVERIFY(w.liste->headerData(6, Qt::Horizontal).toString() == QStringLiteral("Capital restant dû") &&
                w.liste->headerData(6, Qt::Horizontal, Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
        if (lignes)
            QCOMPARE(QStringList({Rangee(*w.liste, 0), Rangee(*w.liste, lignes - 1)}), rangees);
        const QList<double> apres = w.apres();
        QVERIFY(apres.size() == 60 + lignes && apres[58] == 82255.56 && apres.back() == 0.0);
        QCOMPARE(apres[59], lignes ? 61923.77 : 0.0);
    }

    // A refusal is said in the engine's words and changes nothing shown, before a result or after.
    void refus_data() {
        QTest::addColumn<QString>("montant");
        QTest::addColumn<QString>("indemnite"); // typed in "Montant :", chosen when not empty
        QTest::addColumn<QString>("message");
        QTest::newRow("au-delà de R_60") << "81923.78"
                                         << ""
                                         << "Le montant remboursé ne peut pas dépasser le capital restant "
                                            "dû après l'échéance 60 (81923,77).";
        QTest::newRow("vide") << ""
                              << ""
                              << "Le montant remboursé doit être supérieur à zéro.";
        QTest::newRow("illisible") << "vingt mille"
                                   << ""
                                   << "Le montant remboursé doit être supérieur à zéro.";
        QTest::newRow("indemnité illisible") << "20000"
                                             << "cent"
                                             << "L'indemnité saisie doit être un montant positif ou nul.";
    }
    void refus() {
        QFETCH(QString, montant);
        QFETCH(QString, indemnite);
        QFETCH(QString, message);
        Fenetre w;
        for (const bool apresUnResultat : {false, true}) {
            if (apresUnResultat)
                w.calcule();
            const QStringList resume = w.resume();
            const int lignes = w.liste->rowCount();
            const auto courbe = w.apres();
            if (!indemnite.isEmpty()) {
                w.choisit(QStringLiteral("optIndemniteSaisie"));
                Tape(w.indemnite, indemnite);
            }
            w.calcule(montant);
            QVERIFY(w.interactions.montre(IconeMessage::Information, QStringLiteral("Amortix"), message));
            QVERIFY(w.resume() == resume && w.liste->rowCount() == lignes && w.apres() == courbe);
            QCOMPARE(resume[0].isEmpty(), !apresUnResultat);
            w.choisit(QStringLiteral("optAucuneIndemnite"));
        }
    }

    // The payment number from 1 to n − 1 with its date; the amount off while everything is repaid,
    // the penalty field on only for a typed amount. Tab reaches every control (a group of option
    // buttons at one of them, the arrows moving within it); distinct access keys; Escape closes.
    void saisiesEtClavier() {
        Fenetre w;
        auto* date = Controle<QLabel>(w.d, "lblDateEcheance");
        QVERIFY(w.numero->minimum() == 1 && w.numero->maximum() == 239);
        QCOMPARE(date->text(), QStringLiteral("du 31/01/2007"));
        w.numero->selectAll();
        QTest::keyClicks(w.numero, QStringLiteral("60"));
        QCOMPARE(date->text(), QStringLiteral("du 31/12/2011"));
        w.numero->setValue(239);
        QCOMPARE(date->text(), QStringLiteral("du 30/11/2026"));
        QVERIFY(w.montant->isEnabled() && !w.indemnite->isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::AltModifier);
        QTRY_VERIFY(!w.montant->isEnabled()); // an access key clicks after a short while
        std::set<QWidget*> atteints;
        for (int i = 0; i < 20; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
            atteints.insert(QApplication::focusWidget());
        for (const char* nom : {"spnNumeroEcheance", "chkRemboursementTotal", "optReduireDuree",
                                "optCreditImmobilier", "cmdCalculer", "cmdFermer", "lvwListe"})
            QVERIFY2(atteints.count(Controle<QWidget>(w.d, nom)), nom);
        Controle<QWidget>(w.d, "optAucuneIndemnite")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(Controle<QAbstractButton>(w.d, "optIndemniteSaisie")->isChecked() &&
                QApplication::focusWidget() == w.indemnite && w.indemnite->isEnabled());
        w.choisit("optCreditConsommation");
        QVERIFY(!w.indemnite->isEnabled());
        QSet<QString> cles;
        for (const QWidget* controle : w.d.findChildren<QWidget*>())
            if (const QString texte = controle->property("text").toString(); texte.contains(QLatin1Char('&')))
                cles << QKeySequence::mnemonic(texte).toString();
        QCOMPARE(cles.size(), 11);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!w.d.isVisible());
    }

    // From the main window's menu, once a schedule is on screen: the main window's rows stay as
    // they were; an edit takes the entry away with the printing commands.
    void depuisLaFenetrePrincipale() {
        Poste p;
        p.ouvre();
        auto* entree = Controle<QAction>(*p.f, "mnuRemboursementAnticipe");
        QVERIFY(!entree->isEnabled());
        p.calcule("100000", "240", "4", "20", "500");
        QVERIFY(entree->isEnabled());
        const QString avant = p.rangee(239);
        QString rembourse;
        RepondAuDialogue<frmRemboursementAnticipe>([&](frmRemboursementAnticipe& d) {
            Controle<QSpinBox>(d, "spnNumeroEcheance")->setValue(60);
            Controle<QCheckBox>(d, "chkRemboursementTotal")->setChecked(true);
            QTest::mouseClick(Controle<QPushButton>(d, "cmdCalculer"), Qt::LeftButton);
            rembourse = Controle<QLabel>(d, "lblRembourse")->text();
            QTest::mouseClick(Controle<QPushButton>(d, "cmdFermer"), Qt::LeftButton);
        });
        entree->trigger();
        QVERIFY(rembourse == QStringLiteral("81923,77") && p.interactions.messages.empty());
        QVERIFY(p.lignes() == 240 && p.rangee(239) == avant);
        QTest::keyClick(p.c().txtFraisDossier, Qt::Key_Backspace);
        QVERIFY(!entree->isEnabled() && !p.c().cmdImprimer->isEnabled());
    }
};

QTEST_MAIN(frmRemboursementAnticipeTest)
#include "frmRemboursementAnticipeTest.moc"
