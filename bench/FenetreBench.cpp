#include "DocumentEmprunt.h"
#include "InteractionsScriptees.h"
#include "ModeleEcheancier.h"
#include "frmCalculManquant.h"
#include "frmComparaison.h"
#include "frmEmprunt.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
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
    // Built once, not assigned field by field: GCC 12 at -O3 takes those assignments for
    // overlapping copies (-Wrestrict false positive, GCC bug 105329).
    const SaisieEmprunt saisie{.montant = "1000000",
                               .duree = "96000",
                               .taux = "5",
                               .assurance = {},
                               .fraisDossier = {},
                               .premiereEcheance = std::chrono::year{2000} / std::chrono::January / 31};
    for (auto _ : state) {
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
    frmCalculManquant manquant(&fenetre, interactions, fenetre.SaisieAffichee().premiereEcheance);
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

// The comparison window opened on 10 documents of 360 monthly payments: reading them, computing
// each schedule and its legal rates, the table, and both charts drawn once.
static void BM_Comparaison10Offres(benchmark::State& state) {
    QTemporaryDir dossier;
    Module module;
    InteractionsScriptees interactions;
    QStringList documents;
    for (int i = 0; i < 10; ++i) {
        const SaisieEmprunt saisie{"200000",
                                   "360",
                                   std::to_string(3 + i) + ",25",
                                   "30",
                                   "1500",
                                   Frequence::Mois,
                                   std::chrono::year{2027} / std::chrono::January / 15};
        documents << dossier.filePath(QStringLiteral("offre%1.amx").arg(i));
        if (EnregistreDocument(documents.back(), saisie))
            state.SkipWithError("document non écrit");
    }
    int colonnes = 0;
    for (auto _ : state) {
        frmComparaison fenetre(module, interactions);
        interactions.listesFichiers.push_back(documents);
        fenetre.findChild<QPushButton*>(QStringLiteral("cmdAjouter"))->click();
        fenetre.show();
        QApplication::processEvents();
        colonnes = fenetre.findChild<QTableWidget*>(QStringLiteral("tblOffres"))->columnCount();
    }
    if (colonnes != 10)
        state.SkipWithError("les offres ne sont pas toutes là");
}
BENCHMARK(BM_Comparaison10Offres)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
