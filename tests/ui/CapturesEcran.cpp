// Draws the windows into PNG files, to look at them: captures-ecran DOSSIER.
#include "ComparaisonPdf.h"
#include "ControlesEmprunt.h"
#include "ConventionsSysteme.h"
#include "InteractionsScriptees.h"
#include "RapportPdf.h"
#include "TraductionsQt.h"
#include "frmAccueil.h"
#include "frmCalculManquant.h"
#include "frmComparaison.h"
#include "frmCustom.h"
#include "frmEmprunt.h"
#include "frmOptions.h"
#include "frmRemboursementAnticipe.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <clocale>

using namespace amortix;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationVersion(QStringLiteral(AMORTIX_VERSION));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    ChargeTraductionsQt(application, QLocale(QLocale::French, QLocale::France));
    const QDir dossier(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    QTemporaryDir reglages;
    Module module;
    module.dossierReglages = reglages.path();
    InteractionsScriptees interactions;

    frmAccueil accueil([] {});
    accueil.show();
    QTest::qWait(50);
    accueil.grab().save(dossier.filePath(QStringLiteral("frmAccueil.png")));
    accueil.Timer1->stop();

    frmEmprunt fenetre(module, interactions);
    fenetre.show();
    QTest::qWait(50);
    fenetre.grab().save(dossier.filePath(QStringLiteral("frmEmprunt-vide.png")));

    QTest::keyClicks(Controles(fenetre).txtMontant, QStringLiteral("100000"));
    QTest::keyClicks(Controles(fenetre).txtMensualite, QStringLiteral("240"));
    QTest::keyClicks(Controles(fenetre).txtTaux, QStringLiteral("4"));
    QTest::keyClicks(Controles(fenetre).txtAssurance, QStringLiteral("20"));
    QTest::keyClicks(Controles(fenetre).txtFraisDossier, QStringLiteral("500"));
    Controles(fenetre).DTPicker->setDate(QDate(2027, 1, 31));
    QTest::mouseClick(Controles(fenetre).cmdCalculer, Qt::LeftButton);
    QTest::qWait(50);
    fenetre.grab().save(dossier.filePath(QStringLiteral("frmEmprunt-calcule.png")));
    // Enlarged: the list takes the room, the cost frame follows.
    const QSize dessinee = fenetre.size();
    fenetre.resize(dessinee + QSize(320, 240));
    QTest::qWait(50);
    fenetre.grab().save(dossier.filePath(QStringLiteral("frmEmprunt-agrandie.png")));
    fenetre.resize(dessinee);

    // Qt's own dialogs, in French.
    QFileDialog fichiers(&fenetre, QStringLiteral("Ouvrir"), QDir::tempPath(),
                         QStringLiteral("Prêts (*.amx)"));
    fichiers.setOption(QFileDialog::DontUseNativeDialog);
    fichiers.show();
    QTest::qWait(100);
    fichiers.grab().save(dossier.filePath(QStringLiteral("dialogue-fichier.png")));
    fichiers.close();
    QMessageBox question(QMessageBox::Question, QStringLiteral("Amortix"),
                         QStringLiteral("Remplacer le fichier ?"), QMessageBox::Yes | QMessageBox::No,
                         &fenetre);
    question.show();
    QTest::qWait(50);
    question.grab().save(dossier.filePath(QStringLiteral("question.png")));
    question.close();

    frmOptions options(module, interactions, &fenetre);
    options.show();
    QTest::qWait(50);
    options.grab().save(dossier.filePath(QStringLiteral("frmOptions.png")));

    frmCustom custom(module, interactions, fenetre);
    custom.show();
    QTest::qWait(50);
    custom.grab().save(dossier.filePath(QStringLiteral("frmCustom.png")));

    // The missing-value window after a rate search that re-adjusted the payment.
    frmCalculManquant manquant(fenetre, interactions);
    manquant.show();
    QTest::qWait(50);
    manquant.grab().save(dossier.filePath(QStringLiteral("frmCalculManquant-vide.png")));
    QTest::keyClicks(manquant.txtValeur[0], QStringLiteral("10000"));
    QTest::keyClicks(manquant.txtValeur[1], QStringLiteral("12"));
    QTest::keyClicks(manquant.txtValeur[3], QStringLiteral("860"));
    QTest::mouseClick(manquant.cmdCalculer, Qt::LeftButton);
    QTest::qWait(50);
    manquant.grab().save(dossier.filePath(QStringLiteral("frmCalculManquant-calcule.png")));

    // Two offers side by side, with their charts, and their PDF.
    frmComparaison comparaison(module, interactions, &fenetre);
    comparaison.AjouteOffre(QStringLiteral("Banque du Centre"),
                            {"100000", "180", "2", "43,32", "2690", Frequence::Mois,
                             std::chrono::year{2007} / std::chrono::January / 31});
    comparaison.AjouteOffre(QStringLiteral("Crédit de l'Ouest"),
                            {"100000", "240", "2,5", "20", "1000", Frequence::Mois,
                             std::chrono::year{2007} / std::chrono::March / 5});
    comparaison.show();
    QTest::qWait(100);
    comparaison.grab().save(dossier.filePath(QStringLiteral("frmComparaison.png")));
    interactions.fichiers.push_back(dossier.filePath(QStringLiteral("comparaison.pdf")));
    QTest::mouseClick(comparaison.findChild<QPushButton*>(QStringLiteral("cmdExporterPdf")), Qt::LeftButton);
    comparaison.close();

    // Early repayment: 20 000 of 100 000 at 4 % over 240 months repaid with payment 60, the
    // payment kept, then the instalment.
    frmRemboursementAnticipe remboursement(
        CalculeEmprunt({"100000", "240", "4", "20", "500", Frequence::Mois,
                        std::chrono::year{2007} / std::chrono::January / 31},
                       module.blnTEGActuariel, ConventionsDe(QLocale())),
        interactions, &fenetre);
    remboursement.show();
    QTest::qWait(50);
    remboursement.grab().save(dossier.filePath(QStringLiteral("frmRemboursementAnticipe-vide.png")));
    remboursement.findChild<QSpinBox*>(QStringLiteral("spnNumeroEcheance"))->setValue(60);
    QTest::keyClicks(remboursement.findChild<QLineEdit*>(QStringLiteral("txtMontantRembourse")),
                     QStringLiteral("20000"));
    remboursement.findChild<QRadioButton*>(QStringLiteral("optCreditImmobilier"))->setChecked(true);
    remboursement.findChild<QPushButton*>(QStringLiteral("cmdCalculer"))->click();
    QTest::qWait(50);
    remboursement.grab().save(dossier.filePath(QStringLiteral("frmRemboursementAnticipe-duree.png")));
    remboursement.findChild<QRadioButton*>(QStringLiteral("optReduireEcheance"))->setChecked(true);
    remboursement.findChild<QPushButton*>(QStringLiteral("cmdCalculer"))->click();
    QTest::qWait(50);
    remboursement.grab().save(dossier.filePath(QStringLiteral("frmRemboursementAnticipe-echeance.png")));
    remboursement.close();

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
