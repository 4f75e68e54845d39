#include "frmCalculManquant.h"

#include "BoutonMultiligne.h"
#include "ControlesEmprunt.h"
#include "DialogueModal.h"

#include <QScreen>

using namespace amortix;

namespace {

// The main window and the missing-value window over it.
struct Fenetres : PosteOuvert {
    std::unique_ptr<frmCalculManquant> d =
        std::make_unique<frmCalculManquant>(f.get(), interactions, f->SaisieAffichee().premiereEcheance);

    // A check here would only leave the constructor; a window that never becomes active stops the test.
    Fenetres() {
        if (!Active(*d))
            qFatal("la fenêtre de la valeur manquante n'est pas devenue active");
    }
    QStringList textes() const {
        QStringList textes;
        for (const QLineEdit* valeur : d->txtValeur)
            textes << valeur->text();
        return textes;
    }
    void calcule(const QStringList& saisies) const {
        for (int i = 0; i < 4; ++i)
            Tape(d->txtValeur[i], saisies[i]);
        QTest::mouseClick(d->cmdCalculer, Qt::LeftButton);
    }
    bool remisePossible() const { return d->cmdTableauAmortissement->isEnabled(); }
    bool dit(const QString& debut) const {
        return interactions.montre(IconeMessage::Information, QStringLiteral("Amortix"), debut);
    }
};

} // namespace

class frmCalculManquantTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // A fixed modal window centred on the screen (give or take the frame), empty, nothing to hand
    // over; the long caption wraps within its button. The fields rewritten as read (12,5 periods are
    // 12, blanks are empty); the hand-over waits until the message has been seen. Fields read before
    // a failure keep their new text. Any edit takes the hand-over back. Another frequency empties the
    // duration when all four are filled, and only then. Either key enters the locale's separator.
    void calculsEtMessages() {
        Fenetres w;
        frmCalculManquant& d = *w.d;
        QCOMPARE(d.windowTitle(), "Retrouver l'information manquante");
        QCOMPARE(d.size(), QSize(317, 226)); // 4755 × 3390 twips
        QCOMPARE(d.minimumSize(), d.maximumSize());
        QCOMPARE(d.isModal(), true);
        QCOMPARE(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
                 Qt::WindowFlags());
        const int ecartAuCentre =
            (d.frameGeometry().center() - d.screen()->availableGeometry().center()).manhattanLength();
        QVERIFY2(ecartAuCentre <= 8, qPrintable(QString::number(ecartAuCentre)));
        QCOMPARE(w.textes(), QStringList({"", "", "", ""}));
        QCOMPARE(w.remisePossible(), false);
        auto* remise = static_cast<BoutonMultiligne*>(d.cmdTableauAmortissement);
        QCOMPARE(remise->text(), "&Utiliser ces informations pour établir le tableau d'amortissement");
        QVERIFY(remise->zoneTexte().contains(remise->fontMetrics().boundingRect(
            remise->zoneTexte(), remise->alignementTexte(), remise->text())));
        QStringList pendant;
        w.interactions.pendantMessage = [&](const auto&) {
            pendant = w.textes() << (w.remisePossible() ? "?" : "");
        };
        w.calcule({"10000.", "12.5", "6", "   "});
        QCOMPARE(w.textes(), QStringList({"10000,00", "12", "6,00", "860,66"}));
        QCOMPARE(w.interactions.messages.size(), 0u);
        QCOMPARE(w.remisePossible(), true);
        w.calcule({"10000", "12", "", "860"});
        QVERIFY(w.dit(QStringLiteral("Le taux le plus proche de la réalité est de : 5,86%\r\n")));
        QCOMPARE(pendant, QStringList({"10000,00", "12", "5,86", "860,02", ""}));
        QCOMPARE(w.remisePossible(), true);
        QTest::mouseClick(d.cmdCalculer, Qt::LeftButton);
        QVERIFY(w.dit("Au moins une zone doit être vide pour que Amortix recherche la valeur manquante."));
        QCOMPARE(w.textes(), pendant.mid(0, 4));
        QCOMPARE(w.remisePossible(), true);
        w.calcule({"10000", " ", "6", ""});
        QVERIFY(w.dit("Une seule zone doit être vide pour que Amortix recherche la valeur manquante."));
        QCOMPARE(w.textes(), QStringList({"10000", " ", "6", ""}));
        w.calcule({"10000", "douze", "6", ""});
        QVERIFY(w.dit("Les informations saisies sont incomplètes, incorrectes ou incohérentes, veuillez les "
                      "corriger."));
        QCOMPARE(w.textes(), QStringList({"10000,00", "douze", "6", ""}));
        QCOMPARE(w.remisePossible(), false);
        QCOMPARE(d.isVisible(), true);
        for (QLineEdit* valeur : d.txtValeur) {
            w.calcule({"10000", "12", "6", ""});
            QTest::keyClick(valeur, Qt::Key_Backspace);
            QVERIFY(!w.remisePossible());
        }
        w.calcule({"10000", "12", "6", ""});
        QTest::keyClick(d.cboEcheance, Qt::Key_Down);
        QCOMPARE(d.cboEcheance->currentText(), "trimestres");
        QCOMPARE(w.textes(), QStringList({"10000,00", "", "6,00", "860,66"}));
        QCOMPARE(QApplication::focusWidget(), d.txtValeur[1]);
        QCOMPARE(w.remisePossible(), false);
        QTest::mouseClick(d.cmdCalculer, Qt::LeftButton);
        QVERIFY(w.dit(QStringLiteral("La durée la plus proche de la réalité est de : 13 trimestres.")));
        d.txtValeur[0]->clear();
        QTest::keyClick(d.cboEcheance, Qt::Key_Down);
        QCOMPARE(w.textes(), QStringList({"", "13", "6,00", "852,40"}));
        for (QLineEdit* valeur : d.txtValeur) {
            Tape(valeur, QStringLiteral("12.5,"));
            QCOMPARE(valeur->text(), QStringLiteral("12,5,"));
        }
    }

    // From the main window's button: the close box hands nothing over; the hand-over writes amount,
    // duration, rate and frequency, no insurance nor fees, keeps the first date, and computes.
    void remiseALaFenetrePrincipale() {
        PosteOuvert w;
        const ControlesEmprunt c = w.c();
        c.DTPicker->setDate(QDate(2030, 5, 31));
        c.txtAssurance->setText(QStringLiteral("20"));
        const auto pilote = [&](const std::function<void(frmCalculManquant&)>& actions) {
            RepondAuDialogue<frmCalculManquant>([actions](frmCalculManquant& d) {
                QTRY_VERIFY(d.isActiveWindow()); // its platform window may report active before Qt does
                QCOMPARE(d.txtValeur[0]->text(), QString());
                QCOMPARE(d.cboEcheance->currentIndex(), 0);
                actions(d);
            });
            QTest::keyClick(Controle<QPushButton>(*w.f, "cmdManquant"), Qt::Key_Space);
        };
        pilote([](frmCalculManquant& d) {
            QTest::keyClicks(d.txtValeur[0], QStringLiteral("5000"));
            QTest::keyClicks(d.txtValeur[2], QStringLiteral("4"));
            QTest::keyClicks(d.txtValeur[3], QStringLiteral("300"));
            QTest::keyClick(&d, Qt::Key_C, Qt::AltModifier); // an access key clicks after a short while
            QTRY_COMPARE(d.txtValeur[1]->text(), QStringLiteral("17"));
            d.close();
        });
        QCOMPARE(c.txtMontant->text(), QString());
        QCOMPARE(c.txtAssurance->text(), "20");
        pilote([](frmCalculManquant& d) {
            QTest::keyClick(d.cboEcheance, Qt::Key_Down);
            for (const auto& [i, texte] : {std::pair{0, "10000"}, {1, "20"}, {2, "5"}})
                QTest::keyClicks(d.txtValeur[i], QString::fromUtf8(texte));
            QTest::keyClick(d.txtValeur[2], Qt::Key_Return);
            QCOMPARE(d.txtValeur[3]->text(), QStringLiteral("568,20"));
            QTest::keyClick(&d, Qt::Key_U, Qt::AltModifier);
            QTRY_VERIFY(!d.isVisible());
        });
        QCOMPARE(w.f->SaisieAffichee(),
                 (SaisieEmprunt{"10000,00", "20", "5,00", "0,00", "0,00", Frequence::Trimestres,
                                std::chrono::year{2030} / 5 / 31}));
        QCOMPARE(w.f->findChild<frmCalculManquant*>(), nullptr);
        QCOMPARE(w.f->aucunCalcul(), false);
        QCOMPARE(w.lignes(), 20);
        QCOMPARE(w.f->modeleListe()->texte(19, 1), "28/02/2035");
    }
};

QTEST_MAIN(frmCalculManquantTest)
#include "frmCalculManquantTest.moc"
