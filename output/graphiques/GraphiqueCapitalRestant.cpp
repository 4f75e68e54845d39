#include "GraphiqueCapitalRestant.h"

#include "ConventionsSysteme.h"
#include "GraphiqueFrancais.h"

#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <limits>

namespace amortix {
namespace {

// Noon UTC, so that the axis, which shows local time, keeps the payment's day in every time zone
// but the farthest east ones. Local time here would read the zone's rules for every point.
qint64 InstantDe(const std::chrono::year_month_day& date) {
    return QDateTime(VersQDate(date), QTime(12, 0), Qt::UTC).toMSecsSinceEpoch();
}

} // namespace

QChart* CreeGraphiqueCapitalRestant(const QString& titre, std::span<const CourbeCapital> courbes,
                                    const QLocale& locale) {
    QChart* graphique = CreeGraphiqueFrancais(titre, locale);

    auto* axeDates = new QDateTimeAxis;
    axeDates->setFormat(QStringLiteral("MM/yyyy"));
    axeDates->setTitleText(QStringLiteral("Date"));
    auto* axeCapital = new QValueAxis;
    axeCapital->setLabelFormat(QStringLiteral("%.0f"));
    axeCapital->setTitleText(QStringLiteral("Capital restant dû"));
    graphique->addAxis(axeDates, Qt::AlignBottom);
    graphique->addAxis(axeCapital, Qt::AlignLeft);

    qint64 debut = std::numeric_limits<qint64>::max();
    qint64 fin = std::numeric_limits<qint64>::min();
    double plusHaut = 0.0;
    for (const CourbeCapital& courbe : courbes) {
        auto* serie = new QLineSeries;
        serie->setName(courbe.nom);
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(courbe.echeances.size()));
        for (const EcheanceCalculee& echeance : courbe.echeances) {
            const qint64 instant = InstantDe(echeance.date);
            points.append(QPointF(static_cast<double>(instant), echeance.restant));
            debut = std::min(debut, instant);
            fin = std::max(fin, instant);
            // What was owed before the first payment sets the top as well.
            plusHaut = std::max(plusHaut, echeance.restant + echeance.capital);
        }
        serie->replace(points);
        graphique->addSeries(serie);
        serie->attachAxis(axeDates);
        serie->attachAxis(axeCapital);
    }
    if (debut <= fin) {
        axeDates->setRange(QDateTime::fromMSecsSinceEpoch(debut), QDateTime::fromMSecsSinceEpoch(fin));
        axeCapital->setRange(0.0, plusHaut > 0.0 ? plusHaut : 1.0);
        axeCapital->applyNiceNumbers();
    }
    return graphique;
}

} // namespace amortix
