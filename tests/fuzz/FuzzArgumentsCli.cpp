// amortix-cli's arguments, split at NUL bytes: parsing never crashes, and a line it accepts
// runs to an exit status.
#include "ArgumentsCli.h"
#include "CommandesCli.h"
#include "ConventionsSysteme.h"
#include "LectureNombres.h"
#include "Verifie.h"

#include <cstdint>

using namespace amortix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    QStringList arguments;
    for (const QByteArray& a : QByteArray(reinterpret_cast<const char*>(d), qsizetype(n)).split('\0'))
        arguments << QString::fromUtf8(a);
    const QLocale fr(QLocale::French, QLocale::France);
    const AnalyseArguments analyse = AnalyseArgumentsCli(arguments, fr);
    VERIFIE(analyse.arguments.has_value() != !analyse.erreur.isEmpty());
    const auto& a = analyse.arguments;
    // Files are neither read nor written here, and long schedules would only slow the search.
    if (!a || !a->document.isEmpty() || !a->fichierSortie.isEmpty())
        return 0;
    const auto duree = LitEntier(a->saisie.duree, ConventionsDe(a->locale));
    if (a->commande == CommandeCli::Echeancier && duree && *duree > 600)
        return 0;
    std::string sortie, erreurs;
    const int statut = ExecuteCli(arguments, fr, QDate(2026, 1, 31), Module{}, sortie, erreurs);
    VERIFIE(statut == StatutReussi || statut == StatutEchecCalcul || statut == StatutUsage);
    return 0;
}
