#include "VueGraphique.h"

#include <QBoxLayout>
#include <QChartView>

namespace amortix {

QChartView* VueGraphique(QChart* graphique, QWidget* parent) {
    auto* vue = new QChartView(graphique, parent);
    vue->setRenderHint(QPainter::Antialiasing);
    return vue;
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
