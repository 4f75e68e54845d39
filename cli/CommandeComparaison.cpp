#include "CommandesCli.h"
#include "CommandesSorties.h"
#include "ConventionsSysteme.h"
#include "OffresAComparer.h"
#include "RenduJson.h"
#include "RenduTexte.h"

#include <algorithm>
#include <vector>

namespace amortix {

int ExecuteComparaison(const ArgumentsCli& a, const QDate& aujourdhui, const Module& reglages,
                       std::string& sortie, std::string& erreurs) {
    const ConventionsLocales conventions = ConventionsDe(a.locale);
    std::vector<OffreNommee> offres;
    // The TEG as the stored options show it, as the window would.
    for (const QString& document : a.documents)
        offres.push_back(LitOffre(document, reglages.blnTEGActuariel, conventions));
    // Only asked for, real estate unless told otherwise: the comparison of plain offers stays as it was.
    if (a.nature || !a.tableUsure.isEmpty()) {
        const auto table = TableUsureDesArguments(a, reglages, aujourdhui, erreurs);
        if (!table)
            return StatutEchecCalcul;
        VerifieUsureDesOffres(offres, *table, a.nature.value_or(NatureCredit::Immobilier), conventions);
    }
    sortie += a.format == FormatSortie::Json ? RenduJsonComparaison(offres, conventions)
                                             : RenduTexteComparaison(offres, conventions);
    const bool uneCalculee =
        std::any_of(offres.begin(), offres.end(), [](const OffreNommee& o) { return o.offre.has_value(); });
    if (!uneCalculee && a.format != FormatSortie::Json)
        erreurs += "amortix-cli : aucune offre n'a pu être calculée\n";
    return uneCalculee ? StatutReussi : StatutEchecCalcul;
}

} // namespace amortix
