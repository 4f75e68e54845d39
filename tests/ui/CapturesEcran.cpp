// Draws the windows into PNG files, to look at them: captures-ecran DOSSIER.
#include "InteractionsScriptees.h"
#include "frmAccueil.h"
#include "frmCustom.h"
#include "frmEmprunt.h"
#include "frmOptions.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <clocale>

using namespace amortix;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationVersion(QStringLiteral(AMORTIX_VERSION));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
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

    QTest::keyClicks(fenetre.txtMontant, QStringLiteral("100000"));
    QTest::keyClicks(fenetre.txtMensualite, QStringLiteral("240"));
    QTest::keyClicks(fenetre.txtTaux, QStringLiteral("4"));
    QTest::keyClicks(fenetre.txtAssurance, QStringLiteral("20"));
    QTest::keyClicks(fenetre.txtFraisDossier, QStringLiteral("500"));
    fenetre.DTPicker->setDate(QDate(2027, 1, 31));
    QTest::mouseClick(fenetre.cmdCalculer, Qt::LeftButton);
    QTest::qWait(50);
    fenetre.grab().save(dossier.filePath(QStringLiteral("frmEmprunt-calcule.png")));

    frmOptions options(module, interactions, &fenetre);
    options.show();
    QTest::qWait(50);
    options.grab().save(dossier.filePath(QStringLiteral("frmOptions.png")));

    frmCustom custom(module, interactions, fenetre);
    custom.show();
    QTest::qWait(50);
    custom.grab().save(dossier.filePath(QStringLiteral("frmCustom.png")));
    return 0;
}
