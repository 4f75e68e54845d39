// Draws the windows into PNG files, to look at them: captures-ecran DOSSIER.
#include "ComparaisonPdf.h"
#include "ControlesEmprunt.h"
#include "ConventionsSysteme.h"
#include "RapportPdf.h"
#include "TraductionsQt.h"
#include "frmAccueil.h"
#include "frmCalculManquant.h"
#include "frmCapacite.h"
#include "frmComparaison.h"
#include "frmCustom.h"
#include "frmModalites.h"
#include "frmOptions.h"
#include "frmPlanFinancement.h"
#include "frmRemboursementAnticipe.h"
#include "frmTauxUsure.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <clocale>

using namespace amortix;
using namespace std::chrono;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationVersion(QStringLiteral(AMORTIX_VERSION));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    ChargeTraductionsQt(application, QLocale(QLocale::French, QLocale::France));
    const QDir dossier(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    // Shown, given time to lay itself out, drawn.
    const auto capture = [&dossier](QWidget& fenetre, const char* nom, int attente = 50) {
        fenetre.show();
        QTest::qWait(attente);
        fenetre.grab().save(dossier.filePath(QString::fromUtf8(nom) + QStringLiteral(".png")));
    };

    QTemporaryDir reglages;
    Module module;
    module.dossierReglages = reglages.path();
    InteractionsScriptees interactions;

    frmAccueil accueil([] {});
    capture(accueil, "frmAccueil");
    accueil.Timer1->stop();

    frmEmprunt fenetre(module, interactions);
    capture(fenetre, "frmEmprunt-vide");
    const ControlesEmprunt c{fenetre};
    for (const auto& [champ, texte] : {std::pair{c.txtMontant, "100000"},
                                       {c.txtMensualite, "240"},
                                       {c.txtTaux, "4"},
                                       {c.txtAssurance, "20"},
                                       {c.txtFraisDossier, "500"}})
        QTest::keyClicks(champ, QString::fromUtf8(texte));
    c.DTPicker->setDate(QDate(2027, 1, 31));
    QTest::mouseClick(c.cmdCalculer, Qt::LeftButton);
    capture(fenetre, "frmEmprunt-calcule");
    // Enlarged: the list takes the room, the cost frame follows.
    const QSize dessinee = fenetre.size();
    fenetre.resize(dessinee + QSize(320, 240));
    capture(fenetre, "frmEmprunt-agrandie");
    fenetre.resize(dessinee);

    // Insurance on the capital owed after a 12-month partial deferral: its dialog, then the schedule.
    const ModalitesEmprunt restantEtDiffere{.assurance = ModeAssurance::TauxCapitalRestant,
                                            .tauxAssurance = "0,36",
                                            .differe = ModeDiffere::Partiel,
                                            .periodesDiffere = "12",
                                            .lissage = {}};
    frmModalites modalites(&fenetre, interactions, restantEtDiffere, 240, Frequence::Mois);
    capture(modalites, "frmModalites");
    modalites.close();
    frmEmprunt fenetreModalites(module, interactions);
    fenetreModalites.AfficheSaisie(
        {"100000", "240", "3", "", "", Frequence::Mois, 2027y / January / 31, restantEtDiffere});
    fenetreModalites.cmdCalculer_Click();
    capture(fenetreModalites, "frmEmprunt-differe");
    fenetreModalites.close();

    // Qt's own dialogs, in French.
    QFileDialog fichiers(&fenetre, QStringLiteral("Ouvrir"), QDir::tempPath(),
                         QStringLiteral("Prêts (*.amx)"));
    fichiers.setOption(QFileDialog::DontUseNativeDialog);
    capture(fichiers, "dialogue-fichier", 100);
    fichiers.close();
    QMessageBox question(QMessageBox::Question, QStringLiteral("Amortix"),
                         QStringLiteral("Remplacer le fichier ?"), QMessageBox::Yes | QMessageBox::No,
                         &fenetre);
    capture(question, "question");
    question.close();

    frmOptions options(module, interactions, &fenetre);
    capture(options, "frmOptions");
    frmCustom custom(module, interactions, &fenetre);
    capture(custom, "frmCustom");

    // The missing-value window after a rate search that re-adjusted the payment.
    frmCalculManquant manquant(&fenetre, interactions, fenetre.SaisieAffichee().premiereEcheance);
    capture(manquant, "frmCalculManquant-vide");
    for (const auto& [i, texte] : {std::pair{0, "10000"}, {1, "12"}, {3, "860"}})
        QTest::keyClicks(manquant.txtValeur[i], QString::fromUtf8(texte));
    QTest::mouseClick(manquant.cmdCalculer, Qt::LeftButton);
    capture(manquant, "frmCalculManquant-calcule");

    // Two offers side by side, with their charts, and their PDF.
    frmComparaison comparaison(module, interactions, &fenetre);
    comparaison.AjouteOffre(QStringLiteral("Banque du Centre"),
                            {"100000", "180", "2", "43,32", "2690", Frequence::Mois, 2007y / January / 31});
    comparaison.AjouteOffre(QStringLiteral("Crédit de l'Ouest"),
                            {"100000", "240", "2,5", "20", "1000", Frequence::Mois, 2007y / March / 5});
    capture(comparaison, "frmComparaison", 100);
    interactions.fichiers.push_back(dossier.filePath(QStringLiteral("comparaison.pdf")));
    QTest::mouseClick(Controle<QPushButton>(comparaison, "cmdExporterPdf"), Qt::LeftButton);
    comparaison.close();

    // Early repayment: 20 000 of 100 000 at 4 % over 240 months repaid with payment 60, the
    // payment kept, then the instalment.
    frmRemboursementAnticipe remboursement(
        CalculeEmprunt({"100000", "240", "4", "20", "500", Frequence::Mois, 2007y / January / 31},
                       module.blnTEGActuariel, ConventionsDe(QLocale())),
        interactions, &fenetre);
    capture(remboursement, "frmRemboursementAnticipe-vide");
    Controle<QSpinBox>(remboursement, "spnNumeroEcheance")->setValue(60);
    QTest::keyClicks(Controle<QLineEdit>(remboursement, "txtMontantRembourse"), QStringLiteral("20000"));
    for (const auto& [option, nom] : {std::pair{"optCreditImmobilier", "frmRemboursementAnticipe-duree"},
                                      {"optReduireEcheance", "frmRemboursementAnticipe-echeance"}}) {
        Controle<QRadioButton>(remboursement, option)->setChecked(true);
        Controle<QPushButton>(remboursement, "cmdCalculer")->click();
        capture(remboursement, nom);
    }
    remboursement.close();

    // Borrowing capacity: incomes 2 500 and 1 500, 300 of continuing payments, 3,5 % over 25 years with
    // insurance at 0,30 % of the capital; then the usury ceilings' editor.
    frmCapacite capacite(module, interactions,
                         {"", "", "3,5", "", "1000", Frequence::Mois, 2027y / January / 31}, &fenetre);
    for (const auto& [champ, texte] : {std::pair{"txtRevenu1", "2500"},
                                       {"txtRevenu2", "1500"},
                                       {"txtCharges", "300"},
                                       {"txtDuree", "25"},
                                       {"txtAssurance", "0,30"}})
        Controle<QLineEdit>(capacite, champ)->setText(QString::fromUtf8(texte));
    Controle<QComboBox>(capacite, "cboUniteDuree")->setCurrentIndex(1);
    Controle<QComboBox>(capacite, "cboAssurance")->setCurrentIndex(1);
    Controle<QPushButton>(capacite, "cmdCalculer")->click();
    capture(capacite, "frmCapacite", 100);
    capacite.close();
    // A 0 % state loan beside the bank's main loan, smoothed to one level total.
    frmPlanFinancement plan(module, interactions, &fenetre);
    plan.AjoutePret(QStringLiteral("Prêt à taux zéro"),
                    {"40000", "240", "0", "", "", Frequence::Mois, 2027y / January / 31});
    plan.AjoutePret(QStringLiteral("Banque du Centre"),
                    {"160000", "300", "3,5", "", "", Frequence::Mois, 2027y / January / 31});
    capture(plan, "frmPlanFinancement", 100);
    plan.close();
    frmTauxUsure usure(module, interactions, &fenetre);
    capture(usure, "frmTauxUsure");
    usure.close();

    // The printed report as a PDF (scripts/captures-ecran.sh draws its first pages), and the real
    // print preview, drawn then closed.
    RapportImprime rapport;
    rapport.contenu = fenetre.ContenuAffiche();
    rapport.strEnteteImpression = QStringLiteral("Tableau d'amortissement réalisé avec Amortix");
    rapport.blnTEGDansExcel = true;
    EnregistreRapportPdf(dossier.filePath(QStringLiteral("rapport.pdf")), rapport);
    QTimer::singleShot(1000, [&dossier] {
        if (QWidget* apercu = QApplication::activeModalWidget()) {
            apercu->grab().save(dossier.filePath(QStringLiteral("apercu-avant-impression.png")));
            apercu->close();
        }
    });
    InteractionsBureau().apercuAvantImpression(&fenetre,
                                               [&rapport](QPrinter& page) { ImprimeRapport(page, rapport); });
    return 0;
}
