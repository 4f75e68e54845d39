#include "CalculEmprunt.h"
#include "RapportPdf.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace amortix;
using namespace std::chrono;

namespace {

// 1 000 000 at 5 % with insurance and fees, monthly from 31/01/2000.
EmpruntCalcule Calcul(const char* duree) {
    SaisieEmprunt saisie{"1000000", duree, "5", "20", "500", Frequence::Mois, 2000y / January / 31};
    return CalculeEmprunt(saisie, true, ConventionsFrancaises());
}

void Rapport(benchmark::State& state, const char* duree) {
    const EmpruntCalcule calcul = Calcul(duree);
    RapportImprime rapport;
    rapport.contenu = ContenuDuCalcul(calcul);
    rapport.strEnteteImpression = QStringLiteral("Tableau d'amortissement réalisé avec Amortix");
    rapport.blnTEGDansExcel = true;
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("rapport.pdf"));
    for (auto _ : state) {
        if (EnregistreRapportPdf(chemin, rapport))
            state.SkipWithError("le PDF n'a pas été écrit");
    }
}

} // namespace

// The longest schedule the calendar allows, every month from January 2000 to December 9999, as a
// PDF file.
static void BM_RapportPdf96000Lignes(benchmark::State& state) {
    Rapport(state, "96000");
}
BENCHMARK(BM_RapportPdf96000Lignes)->Unit(benchmark::kMillisecond);

static void BM_RapportPdf360Lignes(benchmark::State& state) {
    Rapport(state, "360");
}
BENCHMARK(BM_RapportPdf360Lignes)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
