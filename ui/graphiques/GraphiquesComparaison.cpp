#include "GraphiquesComparaison.h"

#include "ConventionsSysteme.h"
#include "GraphiqueAnnuel.h"
#include "GraphiqueCapitalRestant.h"

#include <vector>

namespace amortix {

QChartView* CreeGraphiqueCapitalDesOffres(std::span<const OffreNommee> offres, QWidget* parent) {
    std::vector<CourbeCapital> courbes;
    for (const OffreNommee& offre : offres)
        if (offre.offre)
            courbes.push_back({DepuisUtf8(offre.nom), offre.offre->echeances});
    return CreeGraphiqueCapitalRestant(QStringLiteral("Capital restant dû"), courbes, parent);
}

QChartView* CreeGraphiqueAnnuelDe(const OffreNommee* offre, QWidget* parent) {
    QString titre = QStringLiteral("Remboursements par année");
    if (!offre || !offre->offre)
        return CreeGraphiqueAnnuel(titre, {}, parent);
    return CreeGraphiqueAnnuel(titre + QStringLiteral(" : ") + DepuisUtf8(offre->nom),
                               offre->offre->echeances, parent);
}

} // namespace amortix
