// Draws the windows into PNG files, to look at them: captures-ecran DOSSIER.
#include "InteractionsScriptees.h"
#include "frmCalculManquant.h"
#include "frmEmprunt.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

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
    return 0;
}
