#include "CommandesCli.h"
#include "CommandesSorties.h"
#include "ComparaisonPdf.h"
#include "ConventionsSysteme.h"
#include "OffresAComparer.h"
#include "RenduJson.h"
#include "RenduTexte.h"

#include <QApplication>
#include <algorithm>
#include <vector>

namespace amortix {

int ExecuteComparaison(const ArgumentsCli& a, const QDate& aujourdhui, const Module& reglages,
                       std::string& sortie, std::string& erreurs) {
    // The page's charts are Qt Charts, which need a widgets application (amortix-cli makes one on
    // the offscreen platform).
    const bool page = !a.fichierSortie.isEmpty();
    if (page && !qobject_cast<QApplication*>(QCoreApplication::instance())) {
        erreurs += "amortix-cli : compare --pdf demande une application graphique\n";
        return StatutUsage;
    }
    const ConventionsLocales conventions = ConventionsDe(a.locale);
    std::vector<OffreNommee> offres;
    // The TEG as the stored options show it, as the window would.
    for (const QString& document : a.documents)
        offres.push_back(LitOffre(document, reglages.blnTEGActuariel, conventions));
    // Real estate unless told otherwise. The page always shows the ceilings, as the window does; the
    // text and JSON of plain offers stay as they were unless the ceilings are asked for.
    QString avisUsure;
    if (page || a.nature || !a.tableUsure.isEmpty()) {
        const auto table = TableUsureDesArguments(a, reglages, aujourdhui, erreurs);
        if (!table)
            return StatutEchecCalcul;
        VerifieUsureDesOffres(offres, *table, a.nature.value_or(NatureCredit::Immobilier), conventions);
        if (const auto avis = AvisTablePerimee(*table, VersDateStd(aujourdhui)))
            avisUsure = DepuisUtf8(*avis);
    }
    if (!page)
        sortie += a.format == FormatSortie::Json ? RenduJsonComparaison(offres, conventions)
                                                 : RenduTexteComparaison(offres, conventions);
    const bool uneCalculee =
        std::any_of(offres.begin(), offres.end(), [](const OffreNommee& o) { return o.offre.has_value(); });
    // A page without one figure is not written.
    if (!uneCalculee) {
        if (page || a.format != FormatSortie::Json)
            erreurs += "amortix-cli : aucune offre n'a pu être calculée\n";
        return StatutEchecCalcul;
    }
    if (!page)
        return StatutReussi;
    // The page the window exports. Added there at once, the documents leave the first of them
    // selected: the yearly chart is the first offer's.
    if (const auto erreur = EnregistreComparaisonPdf(a.fichierSortie, offres, 0, a.locale, avisUsure)) {
        erreurs += "amortix-cli : " + VersUtf8(erreur->ligne()) + "\n";
        return StatutEchecCalcul;
    }
    return StatutReussi;
}

} // namespace amortix
