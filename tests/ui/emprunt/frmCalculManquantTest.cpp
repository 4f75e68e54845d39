#include "frmCalculManquant.h"

#include "BoutonMultiligne.h"
#include "ControlesEmprunt.h"
#include "DialogueModal.h"

#include <QScreen>

using namespace amortix;
using namespace std::chrono_literals;

namespace {

InteractionsScriptees::Message Dit(const QString& texte) {
    return {IconeMessage::Information, "Amortix", texte};
}

struct Fenetres : PosteOuvert {
    frmCalculManquant d{f.get(), interactions, f->SaisieAffichee().premiereEcheance};

    QStringList textes() const {
        QStringList vus;
        for (const QLineEdit* valeur : d.txtValeur)
            vus << valeur->text();
        return vus;
    }
    void calcule(const QStringList& saisies) const {
        for (int i = 0; i < 4; ++i)
            Tape(d.txtValeur[i], saisies[i]);
        QTest::mouseClick(d.cmdCalculer, Qt::LeftButton);
    }
};

} // namespace

class frmCalculManquantTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale("fr_FR")); }

    void calculsEtMessages();
    void remiseALaFenetrePrincipale();
};

// The hand-over is offered once the answer is seen, withdrawn by any edit.
void frmCalculManquantTest::calculsEtMessages() {
    Fenetres w;
    frmCalculManquant& d = w.d;
    auto& in = w.interactions;
    Active(d);
    QCOMPARE(d.windowTitle(), "Retrouver l'information manquante");
    QCOMPARE(d.size(), QSize(317, 226)); // 4755 × 3390 twips
    QCOMPARE(d.minimumSize(), d.maximumSize());
    QCOMPARE(d.isModal(), true);
    const auto boutons = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    QCOMPARE(d.windowFlags() & boutons, Qt::WindowFlags());
    const QPoint centre = d.screen()->availableGeometry().center();
    QCOMPARE_LE((d.frameGeometry().center() - centre).manhattanLength(), 8);
    QCOMPARE(w.textes(), QStringList({"", "", "", ""}));
    auto* remise = static_cast<BoutonMultiligne*>(d.cmdTableauAmortissement);
    QCOMPARE(remise->isEnabled(), false);
    QCOMPARE(remise->text(), "&Utiliser ces informations pour établir le tableau d'amortissement");
    const QRect zone = remise->zoneTexte();
    const QRect texte = remise->fontMetrics().boundingRect(zone, remise->alignementTexte(), remise->text());
    QCOMPARE(zone.united(texte), zone);
    QStringList pendant; // seen while the message shows
    in.pendantMessage = [&](const auto&) { pendant = w.textes() << (remise->isEnabled() ? "remise" : ""); };
    w.calcule({"10000.", "12.5", "6", "   "}); // 12,5 periods are 12, blanks are empty
    QCOMPARE(w.textes(), QStringList({"10000,00", "12", "6,00", "860,66"}));
    w.calcule({"10000", "12", "", "860"});
    const QString taux = "Le taux le plus proche de la réalité est de : 5,86%\r\n";
    QCOMPARE(in.dernier(taux.size()), Dit(taux));
    QCOMPARE(pendant, QStringList({"10000,00", "12", "5,86", "860,02", ""}));
    QCOMPARE(remise->isEnabled(), true);
    QTest::mouseClick(d.cmdCalculer, Qt::LeftButton);
    const QString vide = " zone doit être vide pour que Amortix recherche la valeur manquante.";
    QCOMPARE(in.dernier(), Dit("Au moins une" + vide));
    QCOMPARE(w.textes(), pendant.mid(0, 4));
    QCOMPARE(remise->isEnabled(), true);
    w.calcule({"10000", " ", "6", ""});
    QCOMPARE(in.dernier(), Dit("Une seule" + vide));
    QCOMPARE(w.textes(), QStringList({"10000", " ", "6", ""}));
    w.calcule({"10000", "douze", "6", ""}); // the amount, read first, stays rewritten
    QCOMPARE(in.dernier(), Dit("Les informations saisies sont incomplètes, incorrectes ou "
                               "incohérentes, veuillez les corriger."));
    QCOMPARE(w.textes(), QStringList({"10000,00", "douze", "6", ""}));
    QCOMPARE(remise->isEnabled(), false);
    QCOMPARE(d.isVisible(), true);
    for (QLineEdit* valeur : d.txtValeur) {
        w.calcule({"10000", "12", "6", ""});
        QTest::keyClick(valeur, Qt::Key_Backspace);
        QCOMPARE(remise->isEnabled(), false);
    }
    w.calcule({"10000", "12", "6", ""});
    QTest::keyClick(d.cboEcheance, Qt::Key_Down);
    QCOMPARE(w.textes(), QStringList({"10000,00", "", "6,00", "860,66"}));
    QCOMPARE(QApplication::focusWidget(), d.txtValeur[1]);
    QCOMPARE(remise->isEnabled(), false);
    QTest::mouseClick(d.cmdCalculer, Qt::LeftButton);
    const QString duree = "La durée la plus proche de la réalité est de : 13 trimestres.";
    QCOMPARE(in.dernier(duree.size()), Dit(duree));
    d.txtValeur[0]->clear();
    QTest::keyClick(d.cboEcheance, Qt::Key_Down);
    QCOMPARE(w.textes(), QStringList({"", "13", "6,00", "852,40"}));
    for (QLineEdit* valeur : d.txtValeur) {
        Tape(valeur, "12.5,");
        QCOMPARE(valeur->text(), "12,5,");
    }
}

// Handed back: the values and frequency, the window's date kept.
void frmCalculManquantTest::remiseALaFenetrePrincipale() {
    PosteOuvert w;
    const ControlesEmprunt c = w.c();
    c.DTPicker->setDate(QDate(2030, 5, 31));
    c.txtAssurance->setText("20");
    QStringList vus; // amount|frequency on opening, then each result
    const auto pilote = [&](const std::function<void(frmCalculManquant&)>& actions) {
        RepondAuDialogue<frmCalculManquant>([&vus, actions](frmCalculManquant& d) {
            // Its platform window may report active before Qt does.
            (void)QTest::qWaitFor([&d] { return d.isActiveWindow(); });
            vus << d.txtValeur[0]->text() + "|" + d.cboEcheance->currentText();
            actions(d);
        });
        QTest::keyClick(Controle<QPushButton>(*w.f, "cmdManquant"), Qt::Key_Space);
    };
    pilote([&vus](frmCalculManquant& d) {
        Tape(d.txtValeur[0], "5000");
        Tape(d.txtValeur[2], "4");
        Tape(d.txtValeur[3], "300");
        QTest::keyClick(&d, Qt::Key_C, Qt::AltModifier); // clicks a moment later
        (void)QTest::qWaitFor([&d] { return !d.txtValeur[1]->text().isEmpty(); });
        vus << d.txtValeur[1]->text();
        d.close();
    });
    QCOMPARE(c.txtMontant->text(), QString());
    pilote([&vus](frmCalculManquant& d) {
        QTest::keyClick(d.cboEcheance, Qt::Key_Down);
        Tape(d.txtValeur[0], "10000");
        Tape(d.txtValeur[1], "20");
        Tape(d.txtValeur[2], "5");
        QTest::keyClick(d.txtValeur[2], Qt::Key_Return);
        vus << d.txtValeur[3]->text();
        QTest::keyClick(&d, Qt::Key_U, Qt::AltModifier);
        (void)QTest::qWaitFor([&d] { return !d.isVisible(); });
    });
    QCOMPARE(vus, QStringList({"|mois", "17", "|mois", "568,20"}));
    const SaisieEmprunt remise{"10000,00",    "20", "5,00", "0,00", "0,00", Frequence::Trimestres,
                               2030y / 5 / 31};
    QCOMPARE(w.f->SaisieAffichee(), remise);
    QCOMPARE(w.f->findChild<frmCalculManquant*>(), nullptr);
    QCOMPARE(w.f->modeleListe()->texte(19, 1), "28/02/2035");
}

QTEST_MAIN(frmCalculManquantTest)
#include "frmCalculManquantTest.moc"
