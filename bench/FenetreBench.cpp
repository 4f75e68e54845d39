#include "../tests/ui/InteractionsScriptees.h"
#include "frmEmprunt.h"

#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeView>

#include <benchmark/benchmark.h>

using namespace amortix;

// The longest schedule the calendar allows, computed and shown in the main window: the reading,
// the 96 000 rows with their texts, the list model and the column sizing. (The TEG search gives up
// at once on so many periods: its first trial rate overflows the power, and the window says so.)
static void BM_Fenetre96000Lignes(benchmark::State& state) {
    QTemporaryDir reglages;
    Module module;
    module.dossierReglages = reglages.path();
    InteractionsScriptees interactions;
    frmEmprunt fenetre(module, interactions);
    fenetre.show();
    fenetre.DTPicker->setDate(QDate(2000, 1, 31));
    fenetre.txtMensualite->setText(QStringLiteral("96000"));
    fenetre.txtTaux->setText(QStringLiteral("5"));
    for (auto _ : state) {
        fenetre.txtMontant->setText(QStringLiteral("1000000"));
        fenetre.cmdCalculer_Click();
        QApplication::processEvents();
    }
    if (fenetre.lvwListe->model()->rowCount() != 96000)
        state.SkipWithError("le tableau n'est pas complet");
}
BENCHMARK(BM_Fenetre96000Lignes)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
