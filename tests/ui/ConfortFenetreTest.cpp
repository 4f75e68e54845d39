// What makes the main window feel native: typing a date, Enter, copying rows, growing the window,
// names for screen readers, Qt's own texts in French.
#include "ControlesEmprunt.h"
#include "InteractionsScriptees.h"
#include "TraductionsQt.h"
#include "frmEmprunt.h"

#include <QClipboard>
#include <QTest>
#include <functional>

using namespace amortix;

class ConfortFenetreTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void uneDateTapeeRemplaceLaDate() {
        Poste w;
        w.ouvre();
        QDateEdit* date = w.c().DTPicker;
        struct Cas {
            const char* nom;
            std::function<void()> prepare;
            const char* tape;
            QDate attendue;
        };
        const Cas cas[] = {
            {"tout sélectionné", [date] { date->selectAll(); }, "15/03/2010", QDate(2010, 3, 15)},
            {"Ctrl+A", [date] { QTest::keyClick(date, Qt::Key_A, Qt::ControlModifier); }, "15/03/2010",
             QDate(2010, 3, 15)},
            {"effacé puis sans séparateurs",
             [date] {
                 date->selectAll();
                 QTest::keyClick(date, Qt::Key_Backspace);
             },
             "15032010", QDate(2010, 3, 15)},
            {"chiffres seuls", [date] { date->selectAll(); }, "5/3/2010", QDate(2010, 3, 5)},
            {"atteint par Tab",
             [&w] {
                 w.c().cboEcheance->setFocus();
                 QTest::keyClick(w.c().cboEcheance, Qt::Key_Tab);
             },
             "28/02/2011", QDate(2011, 2, 28)},
        };
        for (const Cas& un : cas) {
            date->setDate(QDate(2007, 1, 31));
            date->setFocus();
            un.prepare();
            QVERIFY2(date->hasFocus(), un.nom);
            QTest::keyClicks(date, QString::fromUtf8(un.tape));
            QVERIFY2(date->date() == un.attendue,
                     qPrintable(QString::fromUtf8(un.nom) + " : " + date->date().toString(Qt::ISODate)));
        }
        // One tab stop: Tab leaves the date for the rate at once, Shift+Tab for the frequency.
        date->setFocus();
        QTest::keyClick(date, Qt::Key_Tab);
        QVERIFY(w.c().txtTaux->hasFocus());
        date->setFocus();
        QTest::keyClick(date, Qt::Key_Backtab);
        QVERIFY(w.c().cboEcheance->hasFocus());
    }

    void entreeCalculeDepuisChaqueChamp() {
        Poste w;
        w.ouvre();
        w.calcule();
        const std::initializer_list<QWidget*> champs = {w.c().txtMontant,   w.c().txtMensualite,
                                                        w.c().DTPicker,     w.c().txtTaux,
                                                        w.c().txtAssurance, w.c().txtFraisDossier};
        for (QWidget* champ : champs) {
            // Any edit clears the schedule; Enter in the field brings it back.
            QTest::keyClicks(w.c().txtAssurance, QStringLiteral("0"));
            QCOMPARE(w.lignes(), 0);
            QTest::keyClick(champ, Qt::Key_Return);
            QVERIFY2(w.lignes() == 12, qPrintable(champ->objectName()));
        }
        QVERIFY(w.interactions.messages.empty());
    }

    void copieDesLignesAvecLesEntetes() {
        Poste w;
        w.ouvre();
        w.calcule();
        QTreeView* liste = w.c().lvwListe;
        liste->setFocus();
        QTest::keyClick(liste, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(liste, Qt::Key_C, Qt::ControlModifier);
        const QStringList tout =
            QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(tout.size(), 13);
        QCOMPARE(tout.front(), QStringLiteral("N°\tDate\tMontant éch.\tIntérêts\tAssurance\tCapital amorti\t"
                                              "Capital restant dû"));
        QCOMPARE(tout[1], QStringLiteral("1\t31/01/2007\t860,66\t50,00\t0,00\t810,66\t9189,34"));
        QCOMPARE(tout.back(), QStringLiteral("12\t31/12/2007\t860,70\t4,28\t0,00\t856,42\t0,00"));

        // Rows 2 and 4 picked with Ctrl, copied from the context menu, in the list's order.
        liste->clearSelection();
        const auto clique = [liste](int ligne, Qt::KeyboardModifiers touches) {
            const QRect case_ = liste->visualRect(liste->model()->index(ligne, 0));
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, touches, case_.center());
        };
        clique(3, Qt::NoModifier);
        clique(1, Qt::ControlModifier);
        QCOMPARE(liste->contextMenuPolicy(), Qt::ActionsContextMenu);
        QStringList textes;
        for (QAction* action : liste->actions())
            textes << action->text();
        QCOMPARE(textes, QStringList({"&Copier", "&Tout sélectionner"}));
        liste->actions().front()->trigger();
        const QStringList deux =
            QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(deux.size(), 3);
        QVERIFY(deux[1].startsWith(QStringLiteral("2\t28/02/2007\t")));
        QVERIFY(deux[2].startsWith(QStringLiteral("4\t30/04/2007\t")));
    }

    void laFenetreSAgranditEtSeSouvientDeSaTaille() {
        Poste w;
        w.ouvre();
        const QSize dessinee = w.f->size();
        QCOMPARE(w.f->minimumSize(), dessinee);
        QVERIFY(w.f->maximumSize().width() > dessinee.width());
        const QRect liste = w.c().lvwListe->geometry();
        const QPoint cadre = w.c().Frame2->pos();
        const QRect montant = w.c().txtMontant->geometry();

        w.f->resize(dessinee + QSize(300, 200));
        QTRY_COMPARE(w.c().lvwListe->geometry(), liste.adjusted(0, 0, 300, 200));
        QCOMPARE(w.c().Frame2->pos(), cadre + QPoint(0, 200));
        QCOMPARE(w.c().txtMontant->geometry(), montant);

        // Never below the designed size, and the next window opens at the size left.
        w.f->resize(dessinee - QSize(100, 100));
        QCOMPARE(w.f->size(), dessinee);
        w.f->resize(dessinee + QSize(120, 80));
        w.f->close();
        QVERIFY(QFile::exists(QDir(w.dossier.path()).filePath(QStringLiteral("fenetre.bin"))));
        w.ouvre();
        QCOMPARE(w.f->size(), dessinee + QSize(120, 80));
        QTRY_COMPARE(w.c().lvwListe->geometry(), liste.adjusted(0, 0, 120, 80));
    }

    void libellesEtNomsAccessibles() {
        Poste w;
        w.ouvre();
        const auto* premiere = w.f->findChild<QLabel*>(QStringLiteral("Label12"));
        QVERIFY(premiere->geometry().right() < w.c().DTPicker->geometry().left());
        QCOMPARE(premiere->buddy(), w.c().DTPicker);
        const std::pair<QWidget*, const char*> noms[] = {{w.c().txtMontant, "Montant du crédit"},
                                                         {w.c().txtMensualite, "Amortissement"},
                                                         {w.c().DTPicker, "Première échéance"},
                                                         {w.c().txtTaux, "Taux d'intérêt annuel"},
                                                         {w.c().txtAssurance, "Assurance (fixe par éch.)"},
                                                         {w.c().txtFraisDossier, "Frais de dossier"},
                                                         {w.c().cboEcheance, "Fréquence des échéances"},
                                                         {w.c().lvwListe, "Tableau d'amortissement"}};
        for (const auto& [controle, nom] : noms)
            QCOMPARE(controle->accessibleName(), QString::fromUtf8(nom));
    }

    void lesTextesDeQtSontEnFrancais() {
        QVERIFY(
            ChargeTraductionsQt(*QCoreApplication::instance(), QLocale(QLocale::French, QLocale::France)));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Voir dans :"));
    }
};

QTEST_MAIN(ConfortFenetreTest)
#include "ConfortFenetreTest.moc"
