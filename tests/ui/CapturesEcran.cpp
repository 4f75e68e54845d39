// Draws the windows into PNG files, to look at them: captures-ecran DOSSIER.
#include "InteractionsScriptees.h"
#include "RapportPdf.h"
#include "frmEmprunt.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QPrinter>
#include <QTest>
#include <QTimer>

#include <clocale>

using namespace amortix;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const QDir dossier(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    Module module;
    InteractionsScriptees interactions;
    frmEmprunt fenetre(module, interactions);
    fenetre.show();
    QTest::qWait(50);
    fenetre.grab().save(dossier.filePath(QStringLiteral("frmEmprunt-vide.png")));

    QTest::keyClicks(fenetre.txtMontant, QStringLiteral("100000"));
    QTest::keyClicks(fenetre.txtMensualite, QStringLiteral("240"));
    QTest::keyClicks(fenetre.txtTaux, QStringLiteral("4"));
    QTest::keyClicks(fenetre.txtAssurance, QStringLiteral("20"));
    QTest::keyClicks(fenetre.txtFraisDossier, QStringLiteral("500"));
    fenetre.DTPicker->setDate(QDate(2027, 1, 31));
    QTest::mouseClick(fenetre.cmdCalculer, Qt::LeftButton);
    QTest::qWait(50);
    fenetre.grab().save(dossier.filePath(QStringLiteral("frmEmprunt-calcule.png")));

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
