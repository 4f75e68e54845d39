#include "frmModalites.h"

#include "CalculEmprunt.h"
#include "ControlesEmprunt.h"
#include "ConventionsSysteme.h"
#include "DialogueModal.h"
#include "frmRemboursementAnticipe.h"

#include <QFile>
#include <QRadioButton>
#include <QSpinBox>

using namespace amortix;

namespace {

// What the dialog said when OK was refused, and whether it stayed open.
struct Refus {
    QString texte;
    bool resteOuvert = false;
};

Refus RefuseOK(frmModalites& dialogue, InteractionsScriptees& interactions) {
    const std::size_t avant = interactions.messages.size();
    QTest::mouseClick(dialogue.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    return {interactions.messages.size() > avant ? interactions.messages.back().texte : QString(),
            dialogue.isVisible()};
}

const ModalitesEmprunt RestantEtPartiel{.assurance = ModeAssurance::TauxCapitalRestant,
                                        .tauxAssurance = "0,36",
                                        .differe = ModeDiffere::Partiel,
                                        .periodesDiffere = "12",
                                        .lissage = {}};

} // namespace

class frmModalitesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // A smoothed loan's smoothing is not shown here and stays as it came.
    void gardeLeLissage() {
        InteractionsScriptees interactions;
        ModalitesEmprunt lisse;
        lisse.lissage = "166,67*239;165,87";
        frmModalites d(nullptr, interactions, lisse, 300, Frequence::Mois);
        QTest::mouseClick(d.optCapitalInitial, Qt::LeftButton);
        QTest::keyClicks(d.txtTauxAssurance, QStringLiteral("0,36"));
        QCOMPARE(d.modalites().lissage, lisse.lissage);
    }

    // The button beside "Assurance" comes next on the keyboard; its dialog refuses what cannot apply
    // and stays open; once accepted, the field shows the first premium and cannot be typed in, and the
    // schedule lists the deferred rows first.
    void choisiDansSaFenetre() {
        PosteOuvert w;
        const ControlesEmprunt c = w.c();
        auto* bouton = w.f->findChild<QPushButton*>(QStringLiteral("cmdModalites"));
        QVERIFY(bouton);
        QCOMPARE(c.txtAssurance->nextInFocusChain(), static_cast<QWidget*>(bouton));
        c.DTPicker->setDate(QDate(2007, 1, 31));
        Tape(c.txtMontant, QStringLiteral("100000"));
        Tape(c.txtMensualite, QStringLiteral("240"));
        Tape(c.txtTaux, QStringLiteral("3"));

        Refus illisible, tropLong;
        RepondAuDialogue<frmModalites>([&](frmModalites& d) {
            QTest::mouseClick(d.optCapitalRestant, Qt::LeftButton);
            Tape(d.txtTauxAssurance, QStringLiteral("beaucoup"));
            illisible = RefuseOK(d, w.interactions);
            Tape(d.txtTauxAssurance, QStringLiteral("0,36"));
            QTest::mouseClick(d.optDifferePartiel, Qt::LeftButton);
            Tape(d.txtPeriodesDiffere, QStringLiteral("25"));
            tropLong = RefuseOK(d, w.interactions);
            Tape(d.txtPeriodesDiffere, QStringLiteral("12"));
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        QTest::mouseClick(bouton, Qt::LeftButton);
        QCOMPARE(illisible.texte,
                 QStringLiteral("Le taux d'assurance doit être un pourcentage annuel, par exemple 0,36."));
        QVERIFY(illisible.resteOuvert);
        QCOMPARE(tropLong.texte, QStringLiteral("Le différé ne peut pas dépasser 24 mois."));
        QCOMPARE(w.f->SaisieAffichee().modalites, RestantEtPartiel);
        QCOMPARE(c.txtAssurance->isEnabled(), false);
        QCOMPARE(c.txtAssurance->text(), QStringLiteral("30,00"));

        QTest::mouseClick(c.cmdCalculer, Qt::LeftButton);
        QCOMPARE(w.lignes(), 252);
        QCOMPARE(w.rangee(0), QStringLiteral("1 31/01/2007 280,00 250,00 30,00 0,00 100000,00"));
        const EmpruntCalcule attendu = CalculeEmprunt(w.f->SaisieAffichee(), true, ConventionsDe(QLocale()));
        QCOMPARE(c.lblCoutAssurance->text(), DepuisUtf8(attendu.tableau.couts->assurance));
    }

    // Saved after the nine lines and read back; a deferral as long as the loan says why it is refused.
    void documentEtRefus() {
        PosteOuvert w;
        SaisieEmprunt saisie{
            "100000", "240", "3", "", "", Frequence::Mois, VersDateStd(QDate(2007, 1, 31)), RestantEtPartiel};
        w.f->AfficheSaisie(saisie);
        w.f->cmdCalculer_Click();
        w.declenche(w.c().mnuEnregistrerSous, w.chemin("pret.amx"));
        QFile fichier(w.chemin("pret.amx"));
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        QVERIFY(fichier.readAll().endsWith(
            "\r\n2007\r\nassurance-capital-restant=0,36\r\ndiffere-partiel=12\r\n"));

        PosteOuvert relu(w.chemin("pret.amx"));
        QCOMPARE(relu.f->SaisieAffichee().modalites, RestantEtPartiel);
        QCOMPARE(relu.lignes(), 252);

        saisie.duree = "12";
        w.f->AfficheSaisie(saisie);
        w.f->cmdCalculer_Click();
        QCOMPARE(w.interactions.dernierTexte(),
                 QStringLiteral("Le différé doit être plus court que la durée de l'emprunt (12 mois)."));
    }

    // Early repayment after a deferral starts with its last row.
    void remboursementApresLeDiffere() {
        InteractionsScriptees interactions;
        frmRemboursementAnticipe fenetre(CalculeEmprunt({"100000", "240", "3", "", "", Frequence::Mois,
                                                         VersDateStd(QDate(2007, 1, 31)), RestantEtPartiel},
                                                        true, ConventionsDe(QLocale())),
                                         interactions, nullptr);
        const auto* numero = fenetre.findChild<QSpinBox*>(QStringLiteral("spnNumeroEcheance"));
        QCOMPARE(numero->minimum(), 12);
        QCOMPARE(numero->maximum(), 251);
    }
};

QTEST_MAIN(frmModalitesTest)
#include "frmModalitesTest.moc"
