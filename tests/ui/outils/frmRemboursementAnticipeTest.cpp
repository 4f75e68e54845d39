#include "frmRemboursementAnticipe.h"

#include "CalculEmprunt.h"
#include "ControlesEmprunt.h"
#include "ConventionsSysteme.h"
#include "DialogueModal.h"

#include <QChartView>
#include <QCheckBox>
#include <QSpinBox>
#include <QXYSeries>
#include <set>

using namespace amortix;

namespace {

// The engine's worked example, 20 000 repaid at payment 60 of 100 000 at 4 % over 240 months, insurance 20,
// fees 500, from 31/01/2007 (R_59 = 82 255,56, R_60 = 81 923,77); 150,50 typed as the penalty comes off the
// 6 628,58 interest saved. All repaid saves the 27 152,64 of interest past row 60 and 180 × 20 of insurance.
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

    // A check here would only leave the constructor; a window that never becomes active stops the test.
    Fenetre() {
        if (!Active(d))
            qFatal("la fenêtre du remboursement anticipé n'est pas devenue active");
    }
    void choisit(const QString& nom) const { Controle<QAbstractButton>(d, nom.toLatin1())->setChecked(true); }
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
    void exempleChiffre() {
        for (const auto& [options, resume] :
             {std::pair{QStringList{"optReduireDuree", "optCreditImmobilier"},
                        QStringList{"81923,77", "20000,00", "400,00", "186 le 30/06/2022", "625,98",
                                    "13239,47", "1080,00", "13919,47"}},
              {QStringList{"optReduireEcheance", "optIndemniteSaisie"},
               QStringList{"81923,77", "20000,00", "150,50", "240 le 31/12/2026", "478,04", "6628,58", "0,00",
                           "6478,08"}},
              {QStringList{"chkRemboursementTotal"},
               QStringList{"81923,77", "81923,77", "0,00", "60 le 31/12/2011", "0,00", "27152,64", "3600,00",
                           "30752,64"}}}) {
            Fenetre w;
            for (const QString& option : options)
                w.choisit(option);
            Tape(w.indemnite, QStringLiteral("150.5"));
            w.calcule(); // the amount is ignored when everything is repaid
            QCOMPARE(w.interactions.messages.size(), 0u);
            QCOMPARE(w.resume(), resume);
            const int lignes = w.liste->rowCount();
            QCOMPARE(lignes, resume[3].section(' ', 0, 0).toInt() - 60);
            if (lignes)
                QCOMPARE(Rangee(*w.liste, 0).section(' ', 0, 1), "61 31/01/2012");
            const QList<double> apres = w.apres();
            QCOMPARE(apres.size(), 60 + lignes);
            QCOMPARE(apres[58], 82255.56);
            QCOMPARE(apres.back(), 0.0);
            QCOMPARE(apres[59], lignes ? 61923.77 : 0.0);
        }
    }

    // A refusal is said in the engine's words and changes nothing shown: an amount that is not a
    // number is none, a typed penalty that is not one is refused.
    void refus() {
        Fenetre w;
        w.calcule();
        const QStringList resume = w.resume();
        const auto courbe = w.apres();
        for (const auto& [montant, indemnite, message] :
             {std::tuple{"vingt mille", "", "Le montant remboursé doit être supérieur à zéro."},
              {"20000", "cent", "L'indemnité saisie doit être un montant positif ou nul."}}) {
            if (*indemnite) {
                w.choisit(QStringLiteral("optIndemniteSaisie"));
                Tape(w.indemnite, QString::fromUtf8(indemnite));
            }
            w.calcule(QString::fromUtf8(montant));
            QVERIFY(w.interactions.montre(IconeMessage::Information, "Amortix", QString::fromUtf8(message)));
            QCOMPARE(w.resume(), resume);
            QCOMPARE(w.liste->rowCount(), 126);
            QCOMPARE(w.apres(), courbe);
        }
    }

    // The payment number from 1 to n − 1 with its date; the amount off while everything is repaid,
    // the penalty field on only for a typed amount. Tab reaches every control (a group of option
    // buttons at one of them, the arrows moving within it); distinct access keys; Escape closes.
    void saisiesEtClavier() {
        Fenetre w;
        auto* date = Controle<QLabel>(w.d, "lblDateEcheance");
        QCOMPARE(w.numero->minimum(), 1);
        QCOMPARE(w.numero->maximum(), 239);
        QCOMPARE(date->text(), "du 31/01/2007");
        w.numero->selectAll();
        QTest::keyClicks(w.numero, QStringLiteral("60"));
        QCOMPARE(date->text(), "du 31/12/2011");
        QCOMPARE(w.montant->isEnabled(), true);
        QCOMPARE(w.indemnite->isEnabled(), false);
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
        QCOMPARE(Controle<QAbstractButton>(w.d, "optIndemniteSaisie")->isChecked(), true);
        QCOMPARE(QApplication::focusWidget(), w.indemnite);
        QCOMPARE(w.indemnite->isEnabled(), true);
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
        PosteOuvert p;
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
        QCOMPARE(rembourse, "81923,77");
        QCOMPARE(p.interactions.messages.size(), 0u);
        QCOMPARE(p.lignes(), 240);
        QCOMPARE(p.rangee(239), avant);
        QTest::keyClick(p.c().txtFraisDossier, Qt::Key_Backspace);
        QCOMPARE(entree->isEnabled(), false);
        QCOMPARE(p.c().cmdImprimer->isEnabled(), false);
    }
};

QTEST_MAIN(frmRemboursementAnticipeTest)
#include "frmRemboursementAnticipeTest.moc"
