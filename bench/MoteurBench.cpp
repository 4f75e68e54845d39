#include "CalculEmprunt.h"
#include "LectureNombres.h"
#include "RemboursementAnticipe.h"
#include "SolveursValeurManquante.h"
#include "TableauAmortissement.h"
#include "TauxAnnuelEffectifGlobal.h"
#include "TauxEffectifGlobal.h"

#include <benchmark/benchmark.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

ParametresEmprunt Emprunt(std::int32_t n) {
    ParametresEmprunt e;
    e.montant = 1000000;
    e.tauxAnnuel = 0.05;
    e.assurance = 20;
    e.fraisDossier = 500;
    e.duree = n;
    e.frequence = Frequence::Mois;
    e.premiereEcheance = 2000y / January / 31;
    return e;
}

} // namespace

// The longest schedule the calendar allows: every month from January 2000 to December 9999, with
// every row's texts.
void BM_Tableau96000Lignes(benchmark::State& state) {
    const auto e = Emprunt(96000);
    for (auto _ : state) {
        auto tableau = CalculeTableau(e, fr);
        benchmark::DoNotOptimize(tableau.lignes.data());
    }
}
BENCHMARK(BM_Tableau96000Lignes)->Unit(benchmark::kMillisecond);

void BM_Tableau360Lignes(benchmark::State& state) {
    const auto e = Emprunt(360);
    for (auto _ : state) {
        auto tableau = CalculeTableau(e, fr);
        benchmark::DoNotOptimize(tableau.lignes.data());
    }
}
BENCHMARK(BM_Tableau360Lignes)->Unit(benchmark::kMicrosecond);

// 20 000 repaid with payment 60 of a 360-row loan, the payment kept (0) or the duration (1), with
// the new rows' texts.
void BM_RemboursementAnticipe360Lignes(benchmark::State& state) {
    const auto e = Emprunt(360);
    const auto tableau = CalculeTableau(e, fr);
    const DemandeRemboursement demande{60,
                                       20000,
                                       state.range(0) == 0 ? ChoixRemboursement::ReduireDuree
                                                           : ChoixRemboursement::ReduireEcheance,
                                       {RegleIndemnite::CreditImmobilier, 0.0}};
    for (auto _ : state)
        benchmark::DoNotOptimize(CalculeRemboursementAnticipe(e, tableau, demande, fr));
}
BENCHMARK(BM_RemboursementAnticipe360Lignes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_CalculTEG(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Calcul_TEG(
            {.lngNbMois = 240, .dblMensualite = 625.98, .dblFraisDossier = 500, .dblMontant = 100000}));
}
BENCHMARK(BM_CalculTEG)->Unit(benchmark::kMicrosecond);

// The legal annual rate of a 360-row schedule, its amounts as listed; then the three rates of the
// offer (with and without insurance).
std::vector<double> MontantsListes(const ParametresEmprunt& e) {
    std::vector<double> montants;
    for (const LigneTableau& ligne : CalculeTableau(e, fr).lignes)
        montants.push_back(*LitDecimal(ligne[Colonne::Montant], fr));
    return montants;
}

void BM_TAEG360Lignes(benchmark::State& state) {
    const auto e = Emprunt(360);
    const auto montants = MontantsListes(e);
    for (auto _ : state)
        benchmark::DoNotOptimize(CalculeTAEG(e.montant - e.fraisDossier, montants, 12));
}
BENCHMARK(BM_TAEG360Lignes)->Unit(benchmark::kMicrosecond);

void BM_TauxAnnuelsEffectifs360Lignes(benchmark::State& state) {
    const auto e = Emprunt(360);
    const auto montants = MontantsListes(e);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            CalculeTauxAnnuelsEffectifs(e.montant, e.fraisDossier, e.assurance, montants, 12));
}
BENCHMARK(BM_TauxAnnuelsEffectifs360Lignes)->Unit(benchmark::kMicrosecond);

void BM_CalculTaux(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Calcul_Taux(10000, 12, 860.00, Frequence::Mois, fr));
}
BENCHMARK(BM_CalculTaux)->Unit(benchmark::kMicrosecond);

// The duration search on its hardest inputs: a payment that never covers one period's interest,
// one barely above it at a tiny rate (the answer lies near 900 000 periods), and an ordinary one.
void BM_CalculDuree(benchmark::State& state) {
    const double montant = 1000000, taux = static_cast<double>(state.range(0)) / 1e6;
    const double mensualite = static_cast<double>(state.range(1)) / 100.0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Calcul_Duree(montant, taux, mensualite, Frequence::Mois, fr));
}
BENCHMARK(BM_CalculDuree)
    ->Args({100, 833})       // 0,01 %: 8,33 never covers 8,333… of interest
    ->Args({100, 834})       // 0,01 %: found near 855 000 periods
    ->Args({60000, 1000000}) // 6 %: an ordinary loan
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
