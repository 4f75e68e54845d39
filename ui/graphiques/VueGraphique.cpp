#include "VueGraphique.h"

#include <QChartView>

namespace amortix {

QChartView* VueGraphique(QChart* graphique, QWidget* parent) {
    auto* vue = new QChartView(graphique, parent);
    vue->setRenderHint(QPainter::Antialiasing);
    return vue;
}

} // namespace amortix
