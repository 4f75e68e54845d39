#include "../tests/ui/InteractionsScriptees.h"
#include "ModeleEcheancier.h"
#include "frmCalculManquant.h"
#include "frmEmprunt.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
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
    SaisieEmprunt saisie;
    saisie.duree = "96000";
    saisie.taux = "5";
    saisie.premiereEcheance = std::chrono::year{2000} / std::chrono::January / 31;
    for (auto _ : state) {
        saisie.montant = "1000000";
        fenetre.AfficheSaisie(saisie);
        fenetre.cmdCalculer_Click();
        QApplication::processEvents();
    }
    if (fenetre.modeleListe()->rowCount() != 96000)
        state.SkipWithError("le tableau n'est pas complet");
}
BENCHMARK(BM_Fenetre96000Lignes)->Unit(benchmark::kMillisecond);

// The missing-value window on a duration that does not exist (100 000 at 5 % repaid 1 000 a
// quarter, below the 1 250 of one quarter's interest): the answer must come at once.
static void BM_ManquantDureeImpossible(benchmark::State& state) {
    Module module;
    InteractionsScriptees interactions;
    frmEmprunt fenetre(module, interactions);
    frmCalculManquant manquant(fenetre, interactions);
    manquant.cboEcheance->setCurrentIndex(1);
    for (auto _ : state) {
        manquant.txtValeur[0]->setText(QStringLiteral("100000"));
        manquant.txtValeur[2]->setText(QStringLiteral("5"));
        manquant.txtValeur[3]->setText(QStringLiteral("1000"));
        manquant.cmdCalculer->click();
    }
    if (interactions.messages.size() != static_cast<std::size_t>(state.iterations()) ||
        !manquant.txtValeur[1]->text().isEmpty())
        state.SkipWithError("le calcul n'a pas échoué comme prévu");
}
BENCHMARK(BM_ManquantDureeImpossible)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
