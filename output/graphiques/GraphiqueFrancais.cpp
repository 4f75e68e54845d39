#include "GraphiqueFrancais.h"

#include <QChart>
#include <QLegend>

namespace amortix {

QChart* CreeGraphiqueFrancais(const QString& titre, const QLocale& locale) {
    auto* graphique = new QChart;
    graphique->setTitle(titre);
    graphique->setLocalizeNumbers(true);
    graphique->setLocale(locale);
    graphique->legend()->setAlignment(Qt::AlignBottom);
    return graphique;
}

} // namespace amortix
