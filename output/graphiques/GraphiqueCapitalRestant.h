#pragma once

#include "ReglesEcheancier.h"

#include <QLocale>
#include <QString>
#include <span>

class QChart;

namespace amortix {

// One line of the chart: a loan's rows, drawn as the capital still owed after each payment.
struct CourbeCapital {
    QString nom;                                 // the legend's text
    std::span<const EcheanceCalculee> echeances; // read while the chart is built, not kept
};

// The capital still owed over time, one line per curve, the payment dates along the bottom; French
// titles and amounts in `locale`. The curves' rows are copied into the chart, which is the
// caller's: shown in a view, or painted on a page.
QChart* CreeGraphiqueCapitalRestant(const QString& titre, std::span<const CourbeCapital> courbes,
                                    const QLocale& locale);

} // namespace amortix
