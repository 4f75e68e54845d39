#include "frmRemboursementAnticipe.h"

#include "CalculEmprunt.h"
#include "ControlesEmprunt.h"
#include "DialogueModal.h"

#include <QChartView>
#include <QCheckBox>
#include <QSpinBox>
#include <QXYSeries>

using namespace amortix;
using namespace std::chrono;
using Message = InteractionsScriptees::Message;
using enum IconeMessage;

namespace {

// The engine's worked example: 20 000 repaid at payment 60 of 100 000 at
// 4 % over 240 months (R_59 = 82 255,56, R_60 = 81 923,77).
struct Fenetre {
    InteractionsScriptees interactions;
    frmRemboursementAnticipe d{
        CalculeEmprunt({"100000", "240", "4", "20", "500", Frequence::Mois, 2007y / 1 / 31}, false,
                       ConventionsFrancaises()),
        interactions};
    QSpinBox* numero = Controle<QSpinBox>(d, "spnNumeroEcheance");
    QLineEdit* montant = Controle<QLineEdit>(d, "txtMontantRembourse");
    QLineEdit* indemnite = Controle<QLineEdit>(d, "txtIndemnite");
    QAbstractItemModel* liste = Controle<QTreeView>(d, "lvwListe")->model();
    const bool active = Active(d); // for the keys
    void choisit(const char* nom) const { Controle<QAbstractButton>(d, nom)->setChecked(true); }
    void calcule(const QString& texte = "20000") const {
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
    // The capital owed after each payment on the "Après" curve.
    QList<double> apres() const {
        QList<double> restants;
        auto* graphe = Controle<QChartView>(d, "grfCapitalRestant")->chart();
        if (graphe->series().size() == 2)
            for (const QPointF& point : static_cast<QXYSeries*>(graphe->series()[1])->points())
                restants << point.y();
        return restants;
    }
};

} // namespace

class frmRemboursementAnticipeTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale("fr_FR")); }

    // All repaid saves the interest past 60 and 180 × 20 of insurance.
    void exempleChiffre_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("resume");
        QTest::newRow("durée réduite") << QStringList{"optReduireDuree", "optCreditImmobilier"}
                                       << QStringList{"81923,77", "20000,00", "400,00",  "186 le 30/06/2022",
                                                      "625,98",   "13239,47", "1080,00", "13919,47"};
        QTest::newRow("échéance réduite")
            << QStringList{"optReduireEcheance", "optIndemniteSaisie"}
            << QStringList{"81923,77", "20000,00", "150,50", "240 le 31/12/2026",
                           "478,04",   "6628,58",  "0,00",   "6478,08"};
        QTest::newRow("tout remboursé") << QStringList{"chkRemboursementTotal"}
                                        << QStringList{"81923,77", "81923,77", "0,00",    "60 le 31/12/2011",
                                                       "0,00",     "27152,64", "3600,00", "30752,64"};
    }
    // The "." key enters the comma.
    void exempleChiffre() {
        QFETCH(QStringList, options);
        QFETCH(QStringList, resume);
        Fenetre w;
        for (const QString& option : options)
            w.choisit(option.toLatin1());
        Tape(w.indemnite, "150.5");
        w.calcule(); // the amount is ignored when everything is repaid
        QCOMPARE(w.resume(), resume);
        const int lignes = resume[3].section(' ', 0, 0).toInt() - 60;
        QCOMPARE(w.liste->rowCount(), lignes);
        const QList<double> apres = w.apres();
        QCOMPARE(apres.size(), 60 + lignes);
        QCOMPARE(apres[58], 82255.56);
        QCOMPARE(apres[59], 81923.77 - QLocale().toDouble(resume[1]));
        QCOMPARE(apres.back(), 0.0);
    }

    // Said in the engine's words; what is shown stays.
    void refus() {
        Fenetre w;
        w.calcule();
        const QStringList resume = w.resume();
        const QList<double> courbe = w.apres();
        const auto info = [](const char* t) { return Message{Information, "Amortix", t}; };
        w.calcule("vingt mille");
        QCOMPARE(w.interactions.dernier(), info("Le montant remboursé doit être supérieur à zéro."));
        w.choisit("optIndemniteSaisie");
        Tape(w.indemnite, "cent");
        w.calcule();
        QCOMPARE(w.interactions.dernier(), info("L'indemnité saisie doit être un montant positif ou nul."));
        QCOMPARE(w.resume(), resume);
        QCOMPARE(w.apres(), courbe);
        QCOMPARE(Rangee(*w.liste, 0).section(' ', 0, 1), "61 31/01/2012");
    }

    // A group of options is one Tab stop, its arrows move within it.
    void saisiesEtClavier() {
        Fenetre w;
        QVERIFY(w.active);
        const auto* date = Controle<QLabel>(w.d, "lblDateEcheance");
        const auto focus = [] { return qApp->focusWidget(); };
        QCOMPARE(w.numero->minimum(), 1);
        QCOMPARE(w.numero->maximum(), 239);
        QCOMPARE(date->text(), "du 31/01/2007");
        w.numero->selectAll();
        QTest::keyClicks(w.numero, "60");
        QCOMPARE(date->text(), "du 31/12/2011");
        QCOMPARE(w.indemnite->isEnabled(), false);
        QTest::keyClick(focus(), Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(w.montant->isEnabled(), false); // clicks after a while
        QSet<QString> atteints;
        for (int i = 0; i < 20; ++i) {
            atteints << focus()->objectName();
            QTest::keyClick(focus(), Qt::Key_Tab);
        }
        for (const char* nom : {"spnNumeroEcheance", "chkRemboursementTotal", "optReduireDuree",
                                "optCreditImmobilier", "cmdCalculer", "cmdFermer", "lvwListe"})
            QVERIFY2(atteints.contains(nom), nom);
        Controle<QWidget>(w.d, "optAucuneIndemnite")->setFocus();
        QTest::keyClick(focus(), Qt::Key_Down);
        QTest::keyClick(focus(), Qt::Key_Tab);
        QCOMPARE(focus(), w.indemnite); // checked, so enabled
        w.choisit("optCreditConsommation");
        QCOMPARE(w.indemnite->isEnabled(), false);
        QSet<QString> cles;
        for (const QWidget* controle : w.d.findChildren<QWidget*>()) {
            const QString texte = controle->property("text").toString();
            if (texte.contains('&'))
                cles << QKeySequence::mnemonic(texte).toString();
        }
        QCOMPARE(cles.size(), 11);
    }

    // The main window's rows stay as they were.
    void depuisLaFenetrePrincipale() {
        PosteOuvert p;
        auto* entree = Controle<QAction>(*p.f, "mnuRemboursementAnticipe");
        p.calcule("100000", "240", "4", "20", "500");
        const QString avant = p.rangee(239);
        QString rembourse;
        RepondAuDialogue<frmRemboursementAnticipe>([&](auto& d) {
            Controle<QSpinBox>(d, "spnNumeroEcheance")->setValue(60);
            Controle<QCheckBox>(d, "chkRemboursementTotal")->setChecked(true);
            QTest::mouseClick(Controle<QPushButton>(d, "cmdCalculer"), Qt::LeftButton);
            rembourse = Controle<QLabel>(d, "lblRembourse")->text();
        });
        entree->trigger();
        QCOMPARE(rembourse, "81923,77");
        QCOMPARE(p.rangee(239), avant);
        QTest::keyClick(p.c().txtFraisDossier, Qt::Key_Backspace);
        QCOMPARE(entree->isEnabled(), false);
    }
};

QTEST_MAIN(frmRemboursementAnticipeTest)
#include "frmRemboursementAnticipeTest.moc"
