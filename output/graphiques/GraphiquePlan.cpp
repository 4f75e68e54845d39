#include "GraphiquePlan.h"

#include "ConventionsSysteme.h"
#include "GraphiqueFrancais.h"
#include "LectureNombres.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace amortix {

QChart* CreeGraphiquePlan(const PlanFinancement* plan, const QLocale& locale) {
    QChart* graphique =
        CreeGraphiqueFrancais(QStringLiteral("Part de chaque prêt dans l'échéance totale"), locale);
    double plusHaut = 0.0;
    std::size_t periodes = 0;
    if (plan) {
        const ConventionsLocales conventions = ConventionsDe(locale);
        periodes = plan->periodes.size();
        std::vector<double> cumul(periodes, 0.0);
        for (std::size_t i = 0; i < plan->prets.size(); ++i) {
            // The area does not own its edges: they are its children, freed with it.
            auto* aire = new QAreaSeries;
            auto* dessous = new QLineSeries(aire);
            auto* dessus = new QLineSeries(aire);
            for (std::size_t t = 0; t < periodes; ++t) {
                const double montant = LitDecimal(plan->periodes[t].montants[i], conventions).value_or(0.0);
                const auto x = static_cast<double>(t + 1);
                dessous->append(x, cumul[t]);
                cumul[t] += montant;
                dessus->append(x, cumul[t]);
                plusHaut = std::max(plusHaut, cumul[t]);
            }
            aire->setUpperSeries(dessus);
            aire->setLowerSeries(dessous);
            aire->setName(DepuisUtf8(plan->prets[i].nom));
            graphique->addSeries(aire);
        }
    }
    auto* axePeriodes = new QValueAxis;
    axePeriodes->setLabelFormat(QStringLiteral("%.0f"));
    axePeriodes->setTitleText(QStringLiteral("Échéance"));
    axePeriodes->setRange(1.0, std::max(2.0, static_cast<double>(periodes)));
    auto* axeMontants = new QValueAxis;
    axeMontants->setLabelFormat(QStringLiteral("%.0f"));
    axeMontants->setTitleText(QStringLiteral("Montant"));
    axeMontants->setRange(0.0, plusHaut > 0.0 ? plusHaut * 1.1 : 1.0);
    axeMontants->applyNiceNumbers();
    graphique->addAxis(axePeriodes, Qt::AlignBottom);
    graphique->addAxis(axeMontants, Qt::AlignLeft);
    for (QAbstractSeries* serie : graphique->series()) {
        serie->attachAxis(axePeriodes);
        serie->attachAxis(axeMontants);
    }
    return graphique;
}

} // namespace amortix
