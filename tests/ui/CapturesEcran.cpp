// Draws the windows into PNG files, to look at them: captures-ecran DOSSIER.
#include "ControlesEmprunt.h"
#include "RapportPdf.h"
#include "frmAccueil.h"
#include "frmCalculManquant.h"
#include "frmCustom.h"
#include "frmOptions.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <clocale>

using namespace amortix;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationVersion(QStringLiteral(AMORTIX_VERSION));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const QDir dossier(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const auto capture = [&dossier](QWidget& fenetre, const char* nom) {
        fenetre.show();
        QTest::qWait(50);
        fenetre.grab().save(dossier.filePath(QLatin1String(nom) + QStringLiteral(".png")));
    };

    frmAccueil accueil([] {});
    capture(accueil, "frmAccueil");
    accueil.Timer1->stop();
    Poste poste;
    frmEmprunt& fenetre = poste.ouvre();
    capture(fenetre, "frmEmprunt-vide");
    poste.calcule("100000", "240", "4", "20", "500", QDate(2027, 1, 31));
    capture(fenetre, "frmEmprunt-calcule");
    frmOptions options(poste.module, poste.interactions, &fenetre);
    capture(options, "frmOptions");
    frmCustom custom(poste.module, poste.interactions, fenetre);
    capture(custom, "frmCustom");
    // The missing-value window after a rate search that re-adjusted the payment.
    frmCalculManquant manquant(fenetre, poste.interactions);
    capture(manquant, "frmCalculManquant-vide");
    QTest::keyClicks(manquant.txtValeur[0], QStringLiteral("10000"));
    QTest::keyClicks(manquant.txtValeur[1], QStringLiteral("12"));
    QTest::keyClicks(manquant.txtValeur[3], QStringLiteral("860"));
    QTest::mouseClick(manquant.cmdCalculer, Qt::LeftButton);
    capture(manquant, "frmCalculManquant-calcule");

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
