#pragma once

#include "ReglesEcheancier.h"

#include <QString>
#include <span>

class QChartView;
class QWidget;

namespace amortix {

// One line of the chart: a loan's rows, drawn as the capital still owed after each payment.
struct CourbeCapital {
    QString nom;                                 // the legend's text
    std::span<const EcheanceCalculee> echeances; // read while the chart is built, not kept
};

// The capital still owed over time, one line per curve, the payment dates along the bottom; French
// titles and amounts in the user's locale. The curves' rows are copied into the chart.
QChartView* CreeGraphiqueCapitalRestant(const QString& titre, std::span<const CourbeCapital> courbes,
                                        QWidget* parent);

} // namespace amortix
