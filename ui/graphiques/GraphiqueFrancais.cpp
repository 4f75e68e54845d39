#include "GraphiqueFrancais.h"

#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLocale>

namespace amortix {

QChart* CreeGraphiqueFrancais(const QString& titre) {
    auto* graphique = new QChart;
    graphique->setTitle(titre);
    graphique->setLocalizeNumbers(true);
    graphique->setLocale(QLocale());
    graphique->legend()->setAlignment(Qt::AlignBottom);
    return graphique;
}

void RemplaceGraphique(QBoxLayout* zone, QChartView*& actuel, QChartView* nouveau, int etirement) {
    if (!actuel) {
        zone->addWidget(nouveau, etirement);
    } else {
        nouveau->setObjectName(actuel->objectName());
        // The layout hands back the old chart's item, which is ours to delete with the chart.
        delete zone->replaceWidget(actuel, nouveau);
        delete actuel;
    }
    actuel = nouveau;
}

} // namespace amortix
