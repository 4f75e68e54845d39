#include "CalculEmprunt.h"
#include "ClasseurEcheancier.h"
#include "ContenuEcheancier.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <clocale>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

EmpruntCalcule Calcul(const char* duree) {
    // Built, not assigned field by field: GCC 12 at -O3 takes those assignments for overlapping
    // copies (-Wrestrict false positive, GCC bug 105329).
    const SaisieEmprunt saisie{.montant = "1000000",
                               .duree = duree,
                               .taux = "5",
                               .assurance = "20",
                               .fraisDossier = "500",
                               .premiereEcheance = 2000y / January / 31};
    return CalculeEmprunt(saisie, true, fr);
}

// The whole export of a computed schedule to an .xlsx file: reading every text back as a number,
// laying out the sheet, and libxlsxwriter making the file.
void Exporte(benchmark::State& state, const char* duree) {
    const EmpruntCalcule calcul = Calcul(duree);
    const ContenuEcheancier contenu = ContenuDuCalcul(calcul);
    const QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("bench.xlsx"));
    for (auto _ : state) {
        const auto echec = EcritClasseur(contenu, QStringLiteral("Tableau Excel"), true, fr, chemin);
        if (echec)
            state.SkipWithError(echec->erreur.description.toStdString().c_str());
    }
    state.counters["lignes"] = static_cast<double>(contenu.lignes.size());
}

} // namespace

// The longest schedule the calendar allows: every month from January 2000 to December 9999.
void BM_Classeur96000Lignes(benchmark::State& state) {
    Exporte(state, "96000");
}
BENCHMARK(BM_Classeur96000Lignes)->Unit(benchmark::kMillisecond);

void BM_Classeur360Lignes(benchmark::State& state) {
    Exporte(state, "360");
}
BENCHMARK(BM_Classeur360Lignes)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
