#include "GraphiqueCapacite.h"

#include "GraphiqueFrancais.h"
#include "VueGraphique.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>
#include <algorithm>

namespace amortix {

QChartView* CreeGraphiqueCapacite(std::span<const MontantParDuree> montants, QWidget* parent) {
    QChart* graphique =
        CreeGraphiqueFrancais(QStringLiteral("Montant empruntable selon la durée"), QLocale());
    auto* barres = new QBarSet(QStringLiteral("Montant empruntable"));
    QStringList durees;
    double plusHaut = 0.0;
    for (const MontantParDuree& m : montants) {
        barres->append(m.montant);
        durees << QStringLiteral("%1 ans").arg(m.annees);
        plusHaut = std::max(plusHaut, m.montant);
    }
    auto* serie = new QBarSeries;
    serie->append(barres);
    graphique->addSeries(serie);
    graphique->legend()->hide();

    auto* axeDurees = new QBarCategoryAxis;
    axeDurees->append(durees);
    auto* axeMontants = new QValueAxis;
    axeMontants->setLabelFormat(QStringLiteral("%.0f"));
    axeMontants->setRange(0.0, plusHaut > 0.0 ? plusHaut : 1.0);
    axeMontants->applyNiceNumbers();
    graphique->addAxis(axeDurees, Qt::AlignBottom);
    graphique->addAxis(axeMontants, Qt::AlignLeft);
    serie->attachAxis(axeDurees);
    serie->attachAxis(axeMontants);

    return VueGraphique(graphique, parent);
}

} // namespace amortix
