#include "GraphiqueAnnuel.h"

#include "CumulsAnnuels.h"
#include "GraphiqueFrancais.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QStackedBarSeries>
#include <QValueAxis>

namespace amortix {
namespace {

// One year in `pas` is labelled, so that the labels never run into each other.
int PasDesAnnees(qsizetype annees) {
    return annees <= 6 ? 1 : annees <= 12 ? 2 : annees <= 30 ? 5 : 10;
}

} // namespace

QChart* CreeGraphiqueAnnuel(const QString& titre, std::span<const EcheanceCalculee> echeances,
                            const QLocale& locale) {
    QChart* graphique = CreeGraphiqueFrancais(titre, locale);

    auto* capital = new QBarSet(QStringLiteral("Capital remboursé"));
    auto* interets = new QBarSet(QStringLiteral("Intérêts"));
    const std::vector<CumulAnnuel> cumuls = CalculeCumulsAnnuels(echeances);
    double plusHaut = 0.0;
    for (const CumulAnnuel& cumul : cumuls) {
        capital->append(cumul.capital);
        interets->append(cumul.interets);
        plusHaut = std::max(plusHaut, cumul.capital + cumul.interets);
    }
    auto* serie = new QStackedBarSeries;
    serie->append(capital);
    serie->append(interets);
    graphique->addSeries(serie);

    // The bars stand at 0, 1, 2…; the axis names their years.
    auto* axeAnnees = new QCategoryAxis;
    axeAnnees->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axeAnnees->setRange(-0.5, std::max(0.5, static_cast<double>(cumuls.size()) - 0.5));
    const int pas = PasDesAnnees(static_cast<qsizetype>(cumuls.size()));
    for (std::size_t i = 0; i < cumuls.size(); ++i)
        if (i % static_cast<std::size_t>(pas) == 0)
            axeAnnees->append(QString::number(cumuls[i].annee), static_cast<double>(i));
    axeAnnees->setGridLineVisible(false);
    axeAnnees->setTitleText(QStringLiteral("Année"));
    auto* axeMontants = new QValueAxis;
    axeMontants->setLabelFormat(QStringLiteral("%.0f"));
    axeMontants->setTitleText(QStringLiteral("Montant"));
    axeMontants->setRange(0.0, plusHaut > 0.0 ? plusHaut : 1.0);
    axeMontants->applyNiceNumbers();
    graphique->addAxis(axeAnnees, Qt::AlignBottom);
    graphique->addAxis(axeMontants, Qt::AlignLeft);
    serie->attachAxis(axeAnnees);
    serie->attachAxis(axeMontants);
    return graphique;
}

} // namespace amortix
