// What makes the main window feel native: typing a date, Enter, copying rows, growing the window,
// names for screen readers, Qt's own texts in French.
#include "ControlesEmprunt.h"
#include "TraductionsQt.h"

#include <QClipboard>

using namespace amortix;

class ConfortFenetreTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // A date typed replaces the one shown: all selected, by Ctrl+A, emptied then without separators,
    // on single digits, reached by Tab. One tab stop: Tab goes on to the rate, Shift+Tab back.
    void uneDateTapeeRemplaceLaDate() {
        Poste w;
        w.ouvre();
        QDateEdit* date = w.c().DTPicker;
        QComboBox* frequence = w.c().cboEcheance;
        const std::pair<std::function<void()>, const char*> cas[] = {
            {[date] { date->selectAll(); }, "5/3/2010"},
            {[date] { QTest::keyClick(date, Qt::Key_A, Qt::ControlModifier); }, "05/03/2010"},
            {[date] {
                 date->selectAll();
                 QTest::keyClick(date, Qt::Key_Backspace);
             },
             "05032010"},
            {[frequence] {
                 frequence->setFocus();
                 QTest::keyClick(frequence, Qt::Key_Tab);
             },
             "05/3/2010"}};
        for (const auto& [prepare, tape] : cas) {
            date->setDate(QDate(2007, 1, 31));
            date->setFocus();
            prepare();
            QTest::keyClicks(date, QString::fromUtf8(tape));
            QVERIFY2(date->hasFocus() && date->date() == QDate(2010, 3, 5), tape);
        }
        QTest::keyClick(date, Qt::Key_Tab);
        QVERIFY(w.c().txtTaux->hasFocus());
        date->setFocus();
        QTest::keyClick(date, Qt::Key_Backtab);
        QVERIFY(frequence->hasFocus());
    }

    // Any edit clears the schedule; Enter in any field brings it back.
    void entreeCalculeDepuisChaqueChamp() {
        Poste w;
        w.ouvre();
        w.calcule();
        const ControlesEmprunt c = w.c();
        for (QWidget* champ : std::initializer_list<QWidget*>{c.txtMontant, c.txtMensualite, c.DTPicker,
                                                              c.txtTaux, c.txtAssurance, c.txtFraisDossier}) {
            QTest::keyClicks(c.txtAssurance, QStringLiteral("0"));
            QTest::keyClick(champ, Qt::Key_Return);
            QVERIFY2(w.lignes() == 12, qPrintable(champ->objectName()));
        }
        QVERIFY(w.interactions.messages.empty());
    }

    // Ctrl+A, Ctrl+C: the headers and every row. Rows 4 and 2 picked, copied from the context menu,
    // in the list's order.
    void copieDesLignesAvecLesEntetes() {
        Poste w;
        w.ouvre();
        w.calcule();
        QTreeView* liste = w.c().lvwListe;
        liste->setFocus();
        QTest::keyClick(liste, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(liste, Qt::Key_C, Qt::ControlModifier);
        const auto copie = [] { return QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts); };
        const QStringList tout = copie();
        QCOMPARE(tout.size(), 13);
        QCOMPARE(tout.front(), QStringLiteral("N°\tDate\tMontant éch.\tIntérêts\tAssurance\tCapital amorti\t"
                                              "Capital restant dû"));
        QCOMPARE(tout.back(), QStringLiteral("12\t31/12/2007\t860,70\t4,28\t0,00\t856,42\t0,00"));
        for (const auto& [ligne, touches] : {std::pair{3, Qt::NoModifier}, {1, Qt::ControlModifier}})
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, touches,
                              liste->visualRect(liste->model()->index(ligne, 0)).center());
        QCOMPARE(liste->contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(liste->actions().front()->text(), QStringLiteral("&Copier"));
        liste->actions().front()->trigger();
        const QStringList deux = copie();
        QVERIFY(deux.size() == 3 && deux[1].startsWith("2\t28/02/2007\t") &&
                deux[2].startsWith("4\t30/04/2007\t"));
    }

    // The list grows with the window, the costs move down with it, the fields stay; never below the
    // designed size; the next window opens at the size left.
    void laFenetreSAgranditEtSeSouvientDeSaTaille() {
        Poste w;
        w.ouvre();
        const QSize dessinee = w.f->size();
        const QRect liste = w.c().lvwListe->geometry();
        const QPoint cadre = w.c().Frame2->pos();
        const QRect montant = w.c().txtMontant->geometry();
        w.f->resize(dessinee + QSize(300, 200));
        QTRY_COMPARE(w.c().lvwListe->geometry(), liste.adjusted(0, 0, 300, 200));
        QVERIFY(w.c().Frame2->pos() == cadre + QPoint(0, 200) && w.c().txtMontant->geometry() == montant);
        w.f->resize(dessinee - QSize(100, 100));
        QCOMPARE(w.f->size(), dessinee);
        w.f->resize(dessinee + QSize(120, 80));
        w.f->close();
        w.ouvre();
        QCOMPARE(w.f->size(), dessinee + QSize(120, 80));
        QTRY_COMPARE(w.c().lvwListe->geometry(), liste.adjusted(0, 0, 120, 80));
    }

    // A field is named after its label, without the colon; the label stands left of it.
    void libellesEtNomsAccessibles() {
        Poste w;
        w.ouvre();
        const auto* premiere = w.f->findChild<QLabel*>(QStringLiteral("Label12"));
        QVERIFY(premiere->geometry().right() < w.c().DTPicker->geometry().left() &&
                premiere->buddy() == w.c().DTPicker);
        const std::pair<QWidget*, const char*> noms[] = {{w.c().txtAssurance, "Assurance (fixe par éch.)"},
                                                         {w.c().DTPicker, "Première échéance"},
                                                         {w.c().cboEcheance, "Fréquence des échéances"},
                                                         {w.c().lvwListe, "Tableau d'amortissement"}};
        for (const auto& [controle, nom] : noms)
            QCOMPARE(controle->accessibleName(), QString::fromUtf8(nom));
    }

    void lesTextesDeQtSontEnFrancais() {
        QVERIFY(
            ChargeTraductionsQt(*QCoreApplication::instance(), QLocale(QLocale::French, QLocale::France)));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Voir dans :"));
    }
};

QTEST_MAIN(ConfortFenetreTest)
#include "ConfortFenetreTest.moc"
