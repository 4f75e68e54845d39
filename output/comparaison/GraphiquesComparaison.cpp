#include "GraphiquesComparaison.h"

#include "ConventionsSysteme.h"
#include "GraphiqueAnnuel.h"
#include "GraphiqueCapitalRestant.h"

#include <vector>

namespace amortix {

QChart* CreeGraphiqueCapitalDesOffres(std::span<const OffreNommee> offres, const QLocale& locale) {
    std::vector<CourbeCapital> courbes;
    for (const OffreNommee& offre : offres)
        if (offre.offre)
            courbes.push_back({DepuisUtf8(offre.nom), offre.offre->echeances});
    return CreeGraphiqueCapitalRestant(QStringLiteral("Capital restant dû"), courbes, locale);
}

QChart* CreeGraphiqueAnnuelDe(const OffreNommee* offre, const QLocale& locale) {
    QString titre = QStringLiteral("Remboursements par année");
    if (!offre || !offre->offre)
        return CreeGraphiqueAnnuel(titre, {}, locale);
    return CreeGraphiqueAnnuel(titre + QStringLiteral(" : ") + DepuisUtf8(offre->nom),
                               offre->offre->echeances, locale);
}

} // namespace amortix
