// amortix-cli's command line: arguments separated by NUL bytes. Parsing never crashes; a command
// line it accepts for solve, or for a short schedule, runs to an exit status.
#include "ArgumentsCli.h"
#include "CommandesCli.h"
#include "ConventionsSysteme.h"
#include "LectureNombres.h"
#include "Verifie.h"

#include <cstdint>

using namespace amortix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    QStringList arguments;
    for (const QByteArray& argument :
         QByteArray(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille)).split('\0'))
        arguments << QString::fromUtf8(argument);
    const QLocale francais(QLocale::French, QLocale::France);
    const AnalyseArguments analyse = AnalyseArgumentsCli(arguments, francais);
    VERIFIE(analyse.arguments.has_value() != !analyse.erreur.isEmpty());
    // Files are neither read nor written here, and long schedules would only slow the search.
    if (!analyse.arguments || !analyse.arguments->document.isEmpty() ||
        !analyse.arguments->fichierSortie.isEmpty())
        return 0;
    const auto duree = LitEntier(analyse.arguments->saisie.duree, ConventionsDe(analyse.arguments->locale));
    if (analyse.arguments->commande == CommandeCli::Echeancier && duree && *duree > 600)
        return 0;
    std::string sortie, erreurs;
    const int statut = ExecuteCli(arguments, francais, QDate(2026, 1, 31), Module{}, sortie, erreurs);
    VERIFIE(statut == StatutReussi || statut == StatutEchecCalcul || statut == StatutUsage);
    return 0;
}
