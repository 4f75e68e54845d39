#include "CommandesCli.h"
#include "CommandesSorties.h"
#include "ComparaisonOffres.h"
#include "ConventionsSysteme.h"
#include "DocumentEmprunt.h"
#include "MessagesSaisie.h"
#include "RenduJson.h"
#include "RenduTexte.h"

#include <QFileInfo>
#include <algorithm>
#include <vector>

namespace amortix {

int ExecuteComparaison(const ArgumentsCli& a, const Module& reglages, std::string& sortie,
                       std::string& erreurs) {
    const ConventionsLocales conventions = ConventionsDe(a.locale);
    std::vector<OffreNommee> offres;
    for (const QString& document : a.documents) {
        OffreNommee& offre = offres.emplace_back();
        offre.nom = VersUtf8(QFileInfo(document).fileName());
        const auto lecture = LitDocument(document, conventions);
        if (const auto* raison = std::get_if<QString>(&lecture)) {
            offre.erreur = "le document n'a pas pu être ouvert : " + VersUtf8(*raison);
            continue;
        }
        // The TEG as the stored options show it, as the window would.
        offre.offre = CompareOffre(
            CalculeEmprunt(std::get<SaisieEmprunt>(lecture), reglages.blnTEGActuariel, conventions),
            conventions);
        if (!offre.offre)
            offre.erreur = MessageSaisieIncorrecte;
    }
    sortie += a.format == FormatSortie::Json ? RenduJsonComparaison(offres) : RenduTexteComparaison(offres);
    const bool uneCalculee =
        std::any_of(offres.begin(), offres.end(), [](const OffreNommee& o) { return o.offre.has_value(); });
    if (!uneCalculee && a.format != FormatSortie::Json)
        erreurs += "amortix-cli : aucune offre n'a pu être calculée\n";
    return uneCalculee ? StatutReussi : StatutEchecCalcul;
}

} // namespace amortix
