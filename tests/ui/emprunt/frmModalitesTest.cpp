#include "frmModalites.h"

#include "CalculEmprunt.h"
#include "ControlesEmprunt.h"
#include "ConventionsSysteme.h"
#include "DialogueModal.h"
#include "Fichiers.h"
#include "frmRemboursementAnticipe.h"

#include <QRadioButton>
#include <QSpinBox>

using namespace amortix;

namespace amortix {
char* toString(const ModalitesEmprunt& m) {
    return toString(SaisieEmprunt{"", "", "", "", "", {}, {}, m});
}
} // namespace amortix

namespace {

const ModalitesEmprunt RestantEtPartiel{.assurance = ModeAssurance::TauxCapitalRestant,
                                        .tauxAssurance = "0,36",
                                        .differe = ModeDiffere::Partiel,
                                        .periodesDiffere = "12",
                                        .lissage = {}};
const SaisieEmprunt Saisie{
    "100000", "240", "3", "", "", Frequence::Mois, VersDateStd(QDate(2007, 1, 31)), RestantEtPartiel};

const auto Clic = [](QWidget* bouton) { QTest::mouseClick(bouton, Qt::LeftButton); };

} // namespace

class frmModalitesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale("fr_FR")); }

    void gardeLeLissage();
    void choisiDansSaFenetre();
    void documentEtRefus();
    void remboursementApresLeDiffere();
};

// The smoothing is not shown here.
void frmModalitesTest::gardeLeLissage() {
    InteractionsScriptees interactions;
    ModalitesEmprunt lisse;
    lisse.lissage = "166,67*239;165,87";
    frmModalites d(nullptr, interactions, lisse, 300, Frequence::Mois);
    Clic(d.optCapitalInitial);
    QTest::keyClicks(d.txtTauxAssurance, "0,36");
    QCOMPARE(QString::fromStdString(d.modalites().lissage), "166,67*239;165,87");
}

// Open while refused; the insurance field then locked.
void frmModalitesTest::choisiDansSaFenetre() {
    PosteOuvert w;
    const ControlesEmprunt c = w.c();
    auto* bouton = Controle<QPushButton>(*w.f, "cmdModalites");
    QCOMPARE(c.txtAssurance->nextInFocusChain(), bouton);
    w.calcule("100000", "240", "3");
    QStringList refus; // each text, and whether the dialog stayed open
    RepondAuDialogue<frmModalites>([&](frmModalites& d) {
        auto* ok = Controle<QPushButton>(d, "cmdOK");
        const auto refuse = [&] {
            Clic(ok);
            refus << w.interactions.dernierTexte() << (d.isVisible() ? "ouvert" : "fermé");
        };
        Clic(d.optCapitalRestant);
        Tape(d.txtTauxAssurance, "beaucoup");
        refuse();
        Tape(d.txtTauxAssurance, "0,36");
        Clic(d.optDifferePartiel);
        Tape(d.txtPeriodesDiffere, "25");
        refuse();
        Tape(d.txtPeriodesDiffere, "12");
        Clic(ok);
    });
    Clic(bouton);
    QCOMPARE(refus, QStringList({"Le taux d'assurance doit être un pourcentage annuel, par exemple 0,36.",
                                 "ouvert", "Le différé ne peut pas dépasser 24 mois.", "ouvert"}));
    QCOMPARE(w.f->SaisieAffichee().modalites, RestantEtPartiel);
    QCOMPARE(c.txtAssurance->isEnabled(), false);
    QCOMPARE(c.txtAssurance->text(), "30,00");
    Clic(c.cmdCalculer);
    QCOMPARE(w.lignes(), 252);
    QCOMPARE(w.rangee(0), "1 31/01/2007 280,00 250,00 30,00 0,00 100000,00");
    QCOMPARE(c.lblCoutAssurance->text(), "4332,40");
}

// Saved after the nine lines of older versions.
void frmModalitesTest::documentEtRefus() {
    PosteOuvert w;
    SaisieEmprunt saisie = Saisie;
    w.f->AfficheSaisie(saisie);
    w.f->cmdCalculer_Click();
    w.declenche(w.c().mnuEnregistrerSous, w.chemin("pret.amx"));
    const QByteArray fin = "\r\n2007\r\nassurance-capital-restant=0,36\r\ndiffere-partiel=12\r\n";
    QCOMPARE(Contenu(w.chemin("pret.amx")).right(fin.size()), fin);
    PosteOuvert relu(w.chemin("pret.amx"));
    QCOMPARE(relu.f->SaisieAffichee().modalites, RestantEtPartiel);
    saisie.duree = "12";
    w.f->AfficheSaisie(saisie);
    w.f->cmdCalculer_Click();
    QCOMPARE(w.interactions.dernierTexte(),
             "Le différé doit être plus court que la durée de l'emprunt (12 mois).");
}

// Early repayment after a deferral starts with its last row.
void frmModalitesTest::remboursementApresLeDiffere() {
    InteractionsScriptees interactions;
    const auto emprunt = CalculeEmprunt(Saisie, true, ConventionsDe(QLocale()));
    frmRemboursementAnticipe fenetre(emprunt, interactions, nullptr);
    const auto* numero = Controle<QSpinBox>(fenetre, "spnNumeroEcheance");
    QCOMPARE(numero->minimum(), 12);
    QCOMPARE(numero->maximum(), 251);
}

QTEST_MAIN(frmModalitesTest)
#include "frmModalitesTest.moc"
