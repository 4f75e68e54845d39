#include "frmCalculManquant.h"

#include "BoutonMultiligne.h"
#include "ControlesEmprunt.h"
#include "InteractionsScriptees.h"
#include "Twips.h"
#include "frmEmprunt.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <memory>

using namespace amortix;

namespace {

const QString MessageEchec = QStringLiteral(
    "Les informations saisies sont incomplètes, incorrectes ou incohérentes, veuillez les corriger.");
const QString MessageAucuneVide =
    QStringLiteral("Au moins une zone doit être vide pour que Amortix recherche la valeur manquante.");
const QString MessagePlusieursVides =
    QStringLiteral("Une seule zone doit être vide pour que Amortix recherche la valeur manquante.");

struct Fenetres {
    Module module;
    InteractionsScriptees interactions;
    std::unique_ptr<frmEmprunt> principale = std::make_unique<frmEmprunt>(module, interactions);
    std::unique_ptr<frmCalculManquant> propre; // when a test opens the window itself
    frmCalculManquant* d = nullptr;

    void ouvre() {
        principale->show();
        propre = std::make_unique<frmCalculManquant>(*principale, interactions);
        d = propre.get();
        d->show();
        d->activateWindow();
        QTRY_VERIFY(d->isActiveWindow());
    }
    QLineEdit* valeur(int i) const { return d->findChild<QLineEdit*>(QStringLiteral("txtValeur%1").arg(i)); }
    QStringList textes() const {
        return {valeur(0)->text(), valeur(1)->text(), valeur(2)->text(), valeur(3)->text()};
    }
    // Types the four texts into emptied fields and computes.
    void calcule(const QStringList& saisies) const {
        for (int i = 0; i < 4; ++i) {
            valeur(i)->clear();
            QTest::keyClicks(valeur(i), saisies[i]);
        }
        QTest::mouseClick(d->cmdCalculer, Qt::LeftButton);
    }
    bool remisePossible() const { return d->cmdTableauAmortissement->isEnabled(); }
    QString dernierMessage() const {
        if (interactions.messages.empty())
            return {};
        const auto& m = interactions.messages.back();
        return m.titre == QLatin1String("Amortix") && m.icone == IconeMessage::Information
                   ? m.texte
                   : QStringLiteral("?");
    }
};

} // namespace

class frmCalculManquantTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void presentation() {
        Fenetres w;
        w.ouvre();
        QCOMPARE(w.d->windowTitle(), QStringLiteral("Retrouver l'information manquante"));
        QCOMPARE(w.d->size(), QSize(317, 226)); // 4755 × 3390 twips
        QCOMPARE(w.d->minimumSize(), w.d->maximumSize());
        QVERIFY(w.d->isModal());
        QVERIFY(!(w.d->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        // Centred on the screen, give or take the frame.
        QVERIFY(
            (w.d->frameGeometry().center() - w.d->screen()->availableGeometry().center()).manhattanLength() <=
            8);
        QCOMPARE(w.valeur(1)->geometry(), RectangleTwips(2310, 1080, 555, 315));
        QCOMPARE(w.d->cmdTableauAmortissement->geometry(), RectangleTwips(450, 2730, 3825, 555));
        QVERIFY(w.d->findChild<QLabel*>(QStringLiteral("Label5"))->font().bold());
        QCOMPARE(w.d->cboEcheance->currentText(), QStringLiteral("mois"));
        QCOMPARE(w.d->cboEcheance->count(), 4);
        QCOMPARE(w.textes(), QStringList({"", "", "", ""}));
        QVERIFY(!w.remisePossible());
        QCOMPARE(w.d->cmdTableauAmortissement->text(),
                 QStringLiteral("&Utiliser ces informations pour établir le tableau d'amortissement"));

        // The long caption wraps within its button.
        auto* remise = static_cast<BoutonMultiligne*>(w.d->cmdTableauAmortissement);
        const QRect zone = remise->zoneTexte();
        const QRect texte =
            remise->fontMetrics().boundingRect(zone, remise->alignementTexte(), remise->text());
        QVERIFY2(zone.contains(texte),
                 qPrintable(QStringLiteral("%1x%2").arg(texte.width()).arg(texte.height())));

        // Keyboard order, with real Tab keys.
        QStringList ordre{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ordre << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(ordre, QStringList({"txtValeur0", "txtValeur1", "cboEcheance", "txtValeur2", "txtValeur3",
                                     "cmdCalculer"}));
    }

    void exemplesResolus() {
        struct Cas {
            QStringList saisies, resultat;
            QString message;
        };
        const QString reajuste =
            QStringLiteral("\r\nLa mensualité a donc été réajustée pour en tenir compte passant "
                           "ainsi de %1 à %2.");
        const Cas cas[] = {
            {{"10000", "12", "6", ""}, {"10000,00", "12", "6,00", "860,66"}, {}},
            {{"10000", "12", "", "860,66"}, {"10000,00", "12", "6,00", "860,66"}, {}},
            {{"", "12", "6", "860,66"}, {"9999,95", "12", "6,00", "860,66"}, {}},
            {{"10000", "12", "", "860"},
             {"10000,00", "12", "5,86", "860,02"},
             "Le taux le plus proche de la réalité est de : 5,86%" + reajuste.arg("860,00", "860,02")},
            {{"10000", "", "6", "500"},
             {"10000,00", "21", "6,00", "502,82"},
             "La durée la plus proche de la réalité est de : 21 mois." + reajuste.arg("500,00", "502,82")},
            {{"10000", "12", "", "1500"},
             {"10000,00", "12", "100,00", "1349,96"},
             "Le taux le plus proche de la réalité est de : 100,00%" + reajuste.arg("1500,00", "1349,96")},
            // A duration of 12,5 periods is 12; blanks are empty.
            {{"10000.", "12.5", "6", "   "}, {"10000,00", "12", "6,00", "860,66"}, {}},
        };
        Fenetres w;
        w.ouvre();
        for (const Cas& c : cas) {
            w.interactions.messages.clear();
            // The hand-over waits until the message has been seen and every field written.
            QStringList pendant;
            w.interactions.pendantMessage = [&](const auto&) {
                pendant = w.textes();
                QVERIFY(!w.remisePossible());
            };
            w.calcule(c.saisies);
            QCOMPARE(w.textes(), c.resultat);
            QCOMPARE(w.dernierMessage(), c.message);
            if (!c.message.isEmpty())
                QCOMPARE(pendant, c.resultat);
            QVERIFY(w.remisePossible());
        }
    }

    void champsAComptesEtEchecs() {
        Fenetres w;
        w.ouvre();
        w.calcule({"10000", "12", "6", ""});
        QVERIFY(w.remisePossible());
        // All four filled: nothing changes, the button stays as it was.
        QTest::mouseClick(w.d->cmdCalculer, Qt::LeftButton);
        QCOMPARE(w.dernierMessage(), MessageAucuneVide);
        QCOMPARE(w.textes(), QStringList({"10000,00", "12", "6,00", "860,66"}));
        QVERIFY(w.remisePossible());

        w.calcule({"10000", " ", "6", ""});
        QCOMPARE(w.dernierMessage(), MessagePlusieursVides);
        QCOMPARE(w.textes(), QStringList({"10000", " ", "6", ""}));

        // Fields read before the failure keep their new text; the window stays open.
        w.calcule({"10000", "douze", "6", ""});
        QCOMPARE(w.dernierMessage(), MessageEchec);
        QCOMPARE(w.textes(), QStringList({"10000,00", "douze", "6", ""}));
        QVERIFY(!w.remisePossible());
        QVERIFY(w.d->isVisible());

        w.calcule({"10000", "12", "0", ""});
        QCOMPARE(w.dernierMessage(), MessageEchec);
        w.calcule({"10000", "", "6", "10001"});
        QCOMPARE(w.dernierMessage(), MessageEchec);

        // One quarter's interest is 1 250: no duration repays 1 000 a quarter.
        w.d->cboEcheance->setCurrentIndex(1);
        w.calcule({"100000", "", "5", "1000"});
        QCOMPARE(w.dernierMessage(), MessageEchec);
        QCOMPARE(w.textes(), QStringList({"100000,00", "", "5,00", "1000,00"}));
        QVERIFY(!w.remisePossible());
    }

    void modificationsEtFrequence() {
        Fenetres w;
        w.ouvre();
        for (int i = 0; i < 4; ++i) {
            w.calcule({"10000", "12", "6", ""});
            QVERIFY(w.remisePossible());
            QTest::keyClick(w.valeur(i), Qt::Key_End);
            QTest::keyClick(w.valeur(i), Qt::Key_Backspace);
            QVERIFY(!w.remisePossible());
        }

        // Four filled fields and another frequency: the duration is to be found again.
        w.calcule({"10000", "12", "6", ""});
        QTest::keyClick(w.d->cboEcheance, Qt::Key_Down);
        QCOMPARE(w.d->cboEcheance->currentText(), QStringLiteral("trimestres"));
        QCOMPARE(w.textes(), QStringList({"10000,00", "", "6,00", "860,66"}));
        QCOMPARE(QApplication::focusWidget(), w.valeur(1));
        QVERIFY(!w.remisePossible());
        QTest::mouseClick(w.d->cmdCalculer, Qt::LeftButton);
        QVERIFY(w.dernierMessage().startsWith(
            QStringLiteral("La durée la plus proche de la réalité est de : 13 trimestres.")));
        // With a field empty, changing the frequency leaves the fields alone.
        w.valeur(0)->clear();
        QTest::keyClick(w.d->cboEcheance, Qt::Key_Down);
        QCOMPARE(w.textes(), QStringList({"", "13", "6,00", "852,40"}));

        // Either key enters the locale's separator, in every field.
        for (int i = 0; i < 4; ++i) {
            w.valeur(i)->clear();
            QTest::keyClicks(w.valeur(i), QStringLiteral("12.5,"));
            QCOMPARE(w.valeur(i)->text(), QStringLiteral("12,5,"));
        }
    }

    void separateurPoint() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Fenetres w;
        w.ouvre();
        QTest::keyClicks(w.valeur(0), QStringLiteral("10000"));
        QTest::keyClicks(w.valeur(1), QStringLiteral("12"));
        QTest::keyClicks(w.valeur(3), QStringLiteral("860,00")); // the comma key enters the point
        QTest::keyClick(w.valeur(3), Qt::Key_Return);            // Enter computes
        QCOMPARE(w.textes(), QStringList({"10000.00", "12", "5.86", "860.02"}));
        QVERIFY(w.dernierMessage().contains(QStringLiteral("de 860.00 à 860.02.")));
    }

    // Through the main window's button, as a user does it: each opening is a fresh window.
    void remiseALaFenetrePrincipale() {
        Fenetres w;
        w.principale->show();
        QVERIFY(QTest::qWaitForWindowActive(w.principale.get()));
        const QDate premiere(2030, 5, 31);
        Controles(*w.principale).DTPicker->setDate(premiere);
        Controles(*w.principale).txtAssurance->setText(QStringLiteral("20"));
        Controles(*w.principale).txtFraisDossier->setText(QStringLiteral("500"));

        // Drives the dialog while its exec() runs, and never leaves it open.
        std::function<void()> essaie;
        std::function<void(frmCalculManquant&)> actions;
        int attentes = 0; // bounded: 5 s for the dialog to show
        essaie = [&] {
            auto* d = w.principale->findChild<frmCalculManquant*>();
            if (!d || !d->isVisible()) {
                if (++attentes < 500)
                    QTimer::singleShot(10, w.principale.get(), essaie);
                return;
            }
            const auto ferme = qScopeGuard([&w, d] {
                w.d = nullptr;
                if (d->isVisible())
                    d->reject();
            });
            w.d = d;
            // Its platform window may report active before the application has made it so.
            QTRY_VERIFY(d->isActiveWindow());
            actions(*d);
        };
        auto pilote = [&](std::function<void(frmCalculManquant&)> a) {
            actions = std::move(a);
            attentes = 0;
            QTimer::singleShot(0, w.principale.get(), essaie);
            QTest::keyClick(Controles(*w.principale).cmdManquant, Qt::Key_Space);
        };

        // By the keyboard; the close box hands nothing over.
        pilote([&w](frmCalculManquant& d) {
            QTest::keyClicks(w.valeur(0), QStringLiteral("5000"));
            QTest::keyClicks(w.valeur(2), QStringLiteral("4"));
            QTest::keyClicks(w.valeur(3), QStringLiteral("300"));
            QTest::keyClick(&d, Qt::Key_C, Qt::AltModifier); // an access key clicks after a short while
            QTRY_COMPARE(w.valeur(1)->text(), QStringLiteral("17"));
            QVERIFY(w.remisePossible());
            d.close();
        });
        QVERIFY(Controles(*w.principale).txtMontant->text().isEmpty());
        QCOMPARE(Controles(*w.principale).txtAssurance->text(), QStringLiteral("20"));

        pilote([&w](frmCalculManquant& d) {
            QCOMPARE(w.textes(), QStringList({"", "", "", ""}));
            QCOMPARE(d.cboEcheance->currentText(), QStringLiteral("mois"));
            QTest::keyClick(d.cboEcheance, Qt::Key_Down);
            w.calcule({"10000", "20", "5", ""});
            QCOMPARE(w.valeur(3)->text(), QStringLiteral("568,20"));
            QTest::keyClick(&d, Qt::Key_U, Qt::AltModifier);
            QTRY_VERIFY(!d.isVisible());
        });
        QVERIFY(!w.principale->findChild<frmCalculManquant*>());
        QCOMPARE(Controles(*w.principale).txtMontant->text(), QStringLiteral("10000,00"));
        QCOMPARE(Controles(*w.principale).txtMensualite->text(), QStringLiteral("20"));
        QCOMPARE(Controles(*w.principale).txtTaux->text(), QStringLiteral("5,00"));
        QCOMPARE(Controles(*w.principale).txtAssurance->text(), QStringLiteral("0,00"));
        QCOMPARE(Controles(*w.principale).txtFraisDossier->text(), QStringLiteral("0,00"));
        QCOMPARE(Controles(*w.principale).cboEcheance->currentText(), QStringLiteral("trimestres"));
        QCOMPARE(Controles(*w.principale).DTPicker->date(), premiere);
        QCOMPARE(Controles(*w.principale).lvwListe->model()->rowCount(), 20);
        QCOMPARE(Controles(*w.principale).lvwListe->model()->index(19, 1).data().toString(),
                 QStringLiteral("28/02/2035"));
        QVERIFY(!w.principale->aucunCalcul());
    }
};

QTEST_MAIN(frmCalculManquantTest)
#include "frmCalculManquantTest.moc"
