#include "GraphiqueFrancais.h"

#include <QChart>
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

} // namespace amortix
